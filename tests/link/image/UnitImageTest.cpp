#include "LUnitControl.h"
#include "RecordingUnitHost.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// The default image written out from its byte table, independently of the structures.
ImageBytes ExpectedDefaultImage() {
  ImageBytes b{};
  auto word = [&](std::size_t at, int v) {
    b[at] = static_cast<std::uint8_t>(v & 0xFF);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
  };
  auto text = [&](std::size_t at, const char* s) { std::memcpy(&b[at], s, std::strlen(s)); };
  auto bands = [&](std::size_t at, const int* freq, int count) {
    for (int band = 0; band < count; ++band) {
      const std::size_t r = at + 6 * band;
      word(r, 120);
      word(r + 2, freq[band]);
      b[r + 4] = 35;
      b[r + 5] = 0;
    }
  };
  text(2, "Default Preset");
  const int inFreq[8] = {41, 71, 101, 140, 170, 200, 240, 270};
  for (int i = 0; i < 2; ++i) {
    const std::size_t blk = 16 + 78 * i;
    text(blk, i == 0 ? "InA" : "InB");
    word(blk + 8, 0);
    word(blk + 10, 99);
    word(blk + 12, 99);
    word(blk + 14, 0);
    bands(blk + 16, inFreq, 8);
    word(blk + 64, 0);
    word(blk + 66, 300);
    word(blk + 70, 280);
    word(blk + 76, 1 << i);
  }
  const int outFreq[9] = {31, 63, 95, 127, 158, 190, 222, 253, 285};
  const char* names[6] = {"Out1", "Out2", "Out3", "Out4", "Out5", "Out6"};
  for (int o = 0; o < 6; ++o) {
    const std::size_t blk = 172 + 86 * o;
    text(blk, names[o]);
    word(blk + 8, o % 2 == 0 ? 1 : 2);
    word(blk + 10, 0);
    word(blk + 12, 300);
    bands(blk + 16, outFreq, 9);
    b[blk + 70] = 0;
    b[blk + 71] = 0;
    word(blk + 72, 49);
    word(blk + 74, 499);
    word(blk + 76, 220);
    word(blk + 78, 280);
    word(blk + 84, 1 << o);
  }
  return b;
}

class UnitImageTest : public ::testing::Test {
 protected:
  // Writes a little-endian word straight into the live image's bytes.
  void Poke(std::size_t at, std::uint16_t v) {
    auto* bytes = const_cast<std::uint8_t*>(ByteView(unit.Image()));
    bytes[at] = static_cast<std::uint8_t>(v & 0xFF);
    bytes[at + 1] = static_cast<std::uint8_t>(v >> 8);
  }

  RecordingUnitHost host;
  LUnitControl unit{host};
};

TEST_F(UnitImageTest, FreshObjectHoldsTheDefaultImageByteForByte) {
  EXPECT_EQ(ToBytes(unit.Image()), ExpectedDefaultImage());
  EXPECT_EQ(ToBytes(DefaultUnitImage()), ExpectedDefaultImage());
  for (int n = 0; n < kPresetSlots; ++n) EXPECT_FALSE(unit.IsPresetUsed(n));
  for (std::uint8_t b : unit.GetDeviceInfo()) EXPECT_EQ(b, 0);
  EXPECT_TRUE(host.sent.empty());
}

TEST_F(UnitImageTest, ByteConversionsRoundTrip) {
  ImageBytes bytes = ExpectedDefaultImage();
  bytes[700] = 0xAB;
  EXPECT_EQ(ToBytes(ImageFromBytes(bytes)), bytes);
}

TEST_F(UnitImageTest, AccessorsReadTheirOffsets) {
  Poke(164, 0x1234);  // InB gain
  Poke(680, 0x0321);  // Out6 gain
  EXPECT_EQ(unit.GetGain(1), 0x1234);
  EXPECT_EQ(unit.GetGain(7), 0x0321);

  Poke(690, 0x0001);  // Out1 muted
  Poke(688, 0x0002);  // InB muted
  EXPECT_TRUE(unit.IsMuted(2));
  EXPECT_FALSE(unit.IsMuted(3));
  EXPECT_TRUE(unit.IsMuted(1));
  EXPECT_FALSE(unit.IsMuted(0));

  Poke(702, 0x0100);  // channel 5, band 8
  EXPECT_TRUE(unit.IsPeqBypassed(5, 8));
  EXPECT_FALSE(unit.IsPeqBypassed(5, 7));

  Poke(172 + 86 * 3 + 80, 2);  // Out4 polarity word 2
  EXPECT_TRUE(unit.GetPolarity(5));
  EXPECT_FALSE(unit.GetPolarity(4));

  Poke(94 + 74, 65280);  // InB delay
  EXPECT_EQ(unit.GetDelay(1), 65280);
  Poke(712, 2);
  EXPECT_EQ(unit.GetDelayUnit(), 2);
  Poke(708, 3);
  Poke(710, 30);
  EXPECT_EQ(unit.GetWorkMode(), 3);
  EXPECT_EQ(unit.GetSineIndex(), 30);
}

TEST_F(UnitImageTest, RecordAccessorsCopyTheirFields) {
  const CrossoverRecord x = unit.GetCrossover(4);
  EXPECT_EQ(x.lowPassFrequency, 300);
  const GateRecord g = unit.GetGate(1);
  EXPECT_EQ(g.release, 99);
  const CompRecord c = unit.GetComp(7);
  EXPECT_EQ(c.threshold, 220);
  EXPECT_EQ(c.release, 499);
  EXPECT_EQ(unit.GetMatrix(2), 1);
  EXPECT_EQ(unit.GetMatrix(7), 2);
  EXPECT_EQ(unit.GetLinkMask(7), 32);
  EXPECT_EQ(std::memcmp(unit.GetChannelName(3).data(), "Out2\0\0\0\0", 8), 0);
  EXPECT_EQ(std::memcmp(unit.GetPresetName().data(), "Default Preset", 14), 0);
}

TEST_F(UnitImageTest, EqBypassWordIsSharedBySide) {
  unit.SetEqBypassWord(1, 0x0003);
  unit.SetEqBypassWord(6, 0x0010);
  EXPECT_EQ(unit.GetEqBypassWord(0), 0x0003);
  for (int ch = 2; ch < 8; ++ch) EXPECT_EQ(unit.GetEqBypassWord(ch), 0x0010);
  EXPECT_EQ(ByteView(unit.Image())[714], 0x03);
  EXPECT_EQ(ByteView(unit.Image())[716], 0x10);
  EXPECT_TRUE(host.sent.empty());
}

TEST_F(UnitImageTest, DefaultPeqBandIgnoresTheLiveImage) {
  unit.SetPeqBand(2, 0, 200, 100, 50, 3, 0);
  const PeqBandRecord d = LUnitControl::GetDefaultPeqBand(2, 0);
  EXPECT_EQ(d.gain, 120);
  EXPECT_EQ(d.frequency, 31);
  EXPECT_EQ(d.q, 35);
  EXPECT_EQ(d.type, 0);
  EXPECT_EQ(unit.GetPeqBand(2, 0).frequency, 100);
}

TEST_F(UnitImageTest, ResetImageRestoresTheDefault) {
  unit.SetGain(0, 10);
  unit.ResetImage();
  EXPECT_EQ(ToBytes(unit.Image()), ExpectedDefaultImage());
}

TEST_F(UnitImageTest, PresetFlagsMarking) {
  unit.MarkPresetUsed(29);
  EXPECT_TRUE(unit.IsPresetUsed(29));
  EXPECT_FALSE(unit.IsPresetUsed(28));
}

}  // namespace
