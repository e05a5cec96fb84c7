#include "CommandCode.h"
#include "LUnitControl.h"
#include "RecordingUnitHost.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

// Payload of one image piece: index, then `count` bytes of `source` from 50 * index.
ByteArray Piece(int index, const ImageBytes& source, std::size_t count = 50) {
  ByteArray p{static_cast<std::uint8_t>(index)};
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = 50 * index + i;
    p.push_back(at < source.size() ? source[at] : 0xEE);
  }
  return p;
}

// An image whose every byte differs from its neighbours.
ImageBytes Pattern(std::uint8_t seed) {
  ImageBytes b;
  for (std::size_t i = 0; i < b.size(); ++i) b[i] = static_cast<std::uint8_t>(i * 7 + seed);
  return b;
}

class BulkTransferTest : public ::testing::Test {
 protected:
  ImageBytes Bytes() const { return ToBytes(unit.Image()); }

  RecordingUnitHost host;
  LUnitControl unit{host};
};

TEST_F(BulkTransferTest, FifteenPiecesReplaceAllButTheFirstTwoBytes) {
  const ImageBytes source = Pattern(3);
  for (int p = 0; p < 15; ++p) unit.ReceiveImagePiece(Piece(p, source));
  ImageBytes expected = source;
  expected[0] = 0;
  expected[1] = 0;
  EXPECT_EQ(Bytes(), expected);
}

TEST_F(BulkTransferTest, PieceFourteenAloneTakesWhateverTheBufferHolds) {
  const ImageBytes source = Pattern(9);
  unit.ReceiveImagePiece(Piece(14, source));
  const ImageBytes got = Bytes();
  for (std::size_t i = 2; i < 700; ++i) ASSERT_EQ(got[i], 0) << i;
  for (std::size_t i = 700; i < 718; ++i) ASSERT_EQ(got[i], source[i]) << i;
}

TEST_F(BulkTransferTest, MalformedPiecesChangeNothingOrOnlyTheirOwnBytes) {
  const ImageBytes before = Bytes();
  unit.ReceiveImagePiece(ByteArray{});                    // empty payload
  unit.ReceiveImagePiece(ByteArray{20, 1, 2, 3});         // index above 14
  unit.ReceiveImagePiece(ByteArray{15});                  // index 15, no data
  EXPECT_EQ(Bytes(), before);

  // A long piece 0 writes only its own 50 bytes; a short piece 1 only the bytes it has.
  ByteArray longPiece(1 + 80, 0xAA);
  longPiece[0] = 0;
  unit.ReceiveImagePiece(longPiece);
  unit.ReceiveImagePiece(ByteArray{1, 0xBB, 0xBB});
  unit.ReceiveImagePiece(ByteArray{14});
  const ImageBytes got = Bytes();
  for (std::size_t i = 2; i < 50; ++i) ASSERT_EQ(got[i], 0xAA) << i;
  EXPECT_EQ(got[50], 0xBB);
  EXPECT_EQ(got[51], 0xBB);
  EXPECT_EQ(got[52], 0x00);
}

TEST_F(BulkTransferTest, PresetPiecesFillTheSlotWithAllBytes) {
  const ImageBytes source = Pattern(1);
  for (int p = 0; p < 15; ++p) unit.ReceivePresetPiece(3, Piece(p, source));
  const StoredPreset& preset = unit.GetStoredPreset(3);
  EXPECT_EQ(preset.slot, 3);
  EXPECT_EQ(ToBytes(preset.image), source);
  EXPECT_EQ(Bytes(), ToBytes(DefaultUnitImage()));  // the live image is not touched

  // Slots outside 1 to 30 and empty payloads are ignored.
  unit.ReceivePresetPiece(0, Piece(14, source));
  unit.ReceivePresetPiece(31, Piece(14, source));
  unit.ReceivePresetPiece(30, ByteArray{});
  EXPECT_EQ(unit.GetStoredPreset(30).slot, 0);
}

TEST_F(BulkTransferTest, PresetFlagsNeedThirtyBytes) {
  ByteArray flags(30, 0xFF);
  flags[1] = 0x00;
  flags[2] = 0xFE;
  unit.SetPresetFlags(flags);
  EXPECT_TRUE(unit.IsPresetUsed(0));
  EXPECT_FALSE(unit.IsPresetUsed(1));
  EXPECT_FALSE(unit.IsPresetUsed(2));
  EXPECT_TRUE(unit.IsPresetUsed(3));
  unit.SetPresetFlags(ByteArray(29, 0x00));  // too short: not taken
  EXPECT_TRUE(unit.IsPresetUsed(0));
  // Indices outside 0 to 29 are never used and cannot be marked.
  for (int n : {-1, 30, 255}) {
    unit.MarkPresetUsed(n);
    EXPECT_FALSE(unit.IsPresetUsed(n)) << n;
  }
}

TEST_F(BulkTransferTest, DeviceInfoTakesAtMostEighteenBytes) {
  ByteArray info(25);
  for (std::size_t i = 0; i < info.size(); ++i) info[i] = static_cast<std::uint8_t>(i + 1);
  unit.SetDeviceInfo(info);
  EXPECT_EQ(unit.GetDeviceInfo()[17], 18);
  unit.SetDeviceInfo(ByteArray{0x55});
  EXPECT_EQ(unit.GetDeviceInfo()[0], 0x55);
  EXPECT_EQ(unit.GetDeviceInfo()[1], 2);
}

TEST_F(BulkTransferTest, PresetListNamesGoToBothLists) {
  ByteArray reply(15, 0);
  reply[0] = 4;
  reply[1] = 'X';
  unit.SetPresetListName(5, reply);
  EXPECT_EQ(host.recallRows.at(5), QString("X             "));
  EXPECT_EQ(host.storeRows.at(4), QString("X             "));

  // A short reply shows the bytes it has, padded with blanks.
  unit.SetPresetListName(30, ByteArray{29, 'A', 0xE9});
  EXPECT_EQ(host.recallRows.at(30), QString::fromUtf8("A\u00e9            "));
  EXPECT_EQ(host.storeRows.at(29), QString::fromUtf8("A\u00e9            "));

  // Row 0 (the factory preset) exists only in the recall list.
  host.storeRows.clear();
  unit.SetPresetListName(0, ByteArray{});
  EXPECT_EQ(host.recallRows.at(0), QString(14, QLatin1Char(' ')));
  EXPECT_TRUE(host.storeRows.empty());
}

TEST_F(BulkTransferTest, ResetPresetNamesFillsEveryUserRow) {
  unit.ResetPresetNames();
  ASSERT_EQ(host.recallRows.size(), 30u);
  ASSERT_EQ(host.storeRows.size(), 30u);
  EXPECT_EQ(host.recallRows.begin()->first, 1);
  EXPECT_EQ(host.storeRows.begin()->first, 0);
  EXPECT_EQ(host.recallRows.at(30), QString("Default Preset"));
}

TEST_F(BulkTransferTest, SetPresetNameWritesImageBytesTwoToFifteen) {
  const std::uint8_t name[14] = {'L', 'i', 'v', 'e', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', '!'};
  unit.SetPresetName(name);
  EXPECT_EQ(std::memcmp(ByteView(unit.Image()) + 2, name, 14), 0);
  EXPECT_EQ(ByteView(unit.Image())[16], 'I');
}

TEST_F(BulkTransferTest, PresetBodyOfTheDefaultImage) {
  const ByteArray body = unit.SerialiseImage();
  ASSERT_EQ(body.size(), 722u);
  EXPECT_EQ(std::string(body.begin(), body.begin() + 16), "*****Q7KV010****");
  EXPECT_EQ(std::string(body.begin() + 16, body.begin() + 30), "Default Preset");
  EXPECT_EQ(std::string(body.begin() + 30, body.begin() + 38), std::string("InA\0\0\0\0\0", 8));
  EXPECT_TRUE(std::equal(body.begin() + 16, body.end(), ByteView(unit.Image()) + 2));
}

TEST_F(BulkTransferTest, BandBypassEditReachesThePresetBody) {
  unit.SetPeqBand(1, 3, 120, 140, 35, 0, 1);
  const ByteArray body = unit.SerialiseImage();
  EXPECT_EQ(body[16 + 694 - 2] & 0x08, 0x08);
}

// The 149 commands a preset body is sent with, in order.
std::vector<int> ExpectedDownloadCodes() {
  std::vector<int> codes{CMD_PRESET_NAME};
  for (int ch = 0; ch < 2; ++ch)
    codes.insert(codes.end(), {CMD_CHANNEL_NAME, CMD_GATE, CMD_HIGH_PASS, CMD_LOW_PASS, CMD_GAIN,
                               CMD_POLARITY, CMD_DELAY, CMD_LINK});
  for (int ch = 2; ch < 8; ++ch)
    codes.insert(codes.end(), {CMD_CHANNEL_NAME, CMD_MATRIX, CMD_HIGH_PASS, CMD_LOW_PASS, CMD_COMP,
                               CMD_GAIN, CMD_POLARITY, CMD_DELAY, CMD_LINK});
  codes.insert(codes.end(), 8, CMD_MUTE);
  codes.insert(codes.end(), 2 * 8 + 6 * 9, CMD_PEQ);
  return codes;
}

TEST_F(BulkTransferTest, DownloadImageTakesTheBodyAndSendsEveryParameterInOrder) {
  // Edit a copy offline, then send its body to a fresh image.
  RecordingUnitHost sourceHost;
  sourceHost.updating = true;
  LUnitControl source(sourceHost);
  source.SetPolarity(3, 2);
  source.SetMute(6, 1);
  source.SetPeqBand(7, 8, 200, 285, 10, 4, 1);
  source.SetLinkMask(0, 3);
  source.SetLinkMask(1, 0);
  const ByteArray file = source.SerialiseImage();

  host.updating = true;  // not consulted
  host.deviceId = 9;
  ASSERT_TRUE(unit.DownloadImage(std::span(file).subspan(16)));
  const ImageBytes got = Bytes();
  const ImageBytes want = ToBytes(source.Image());
  EXPECT_TRUE(std::equal(got.begin() + 2, got.begin() + 708, want.begin() + 2));

  std::vector<int> codes;
  for (const SentCommand& c : host.sent) {
    codes.push_back(c.code);
    EXPECT_TRUE(c.append);
    EXPECT_EQ(c.id, 9);
  }
  EXPECT_EQ(codes, ExpectedDownloadCodes());
  ASSERT_EQ(host.sent.size(), 149u);
  EXPECT_EQ(host.sent[0].payload, ByteArray(file.begin() + 16, file.begin() + 30));
  // Out2 (channel 3): polarity word 2 goes as 1.
  EXPECT_EQ(host.sent[1 + 16 + 9 + 6].payload, (ByteArray{3, 1}));
  // InA's link mask, then the mute of Out5 (channel 6).
  EXPECT_EQ(host.sent[8].payload, (ByteArray{0, 3}));
  EXPECT_EQ(host.sent[71 + 6].payload, (ByteArray{6, 1}));
  EXPECT_EQ(host.sent[71 + 5].payload, (ByteArray{5, 0}));
  // Last: Out6 band 8 with its bypass bit.
  EXPECT_EQ(host.sent.back().payload, (ByteArray{7, 8, 200, 0, 29, 1, 10, 4, 1}));
  EXPECT_EQ(host.sent[79].payload, (ByteArray{0, 0, 120, 0, 41, 0, 35, 0, 0}));
}

TEST_F(BulkTransferTest, DownloadImageLeavesTheUnsentBytesAlone) {
  unit.SetEqBypassWord(2, 0x3F);
  host.updating = true;
  unit.SetDelayUnit(2);
  ByteArray body(706, 0x11);
  ASSERT_TRUE(unit.DownloadImage(body));
  const ImageBytes got = Bytes();
  EXPECT_EQ(got[0], 0);
  EXPECT_EQ(got[1], 0);
  EXPECT_EQ(got[707], 0x11);
  EXPECT_EQ(unit.GetDelayUnit(), 2);
  EXPECT_EQ(unit.GetEqBypassWord(2), 0x3F);
}

TEST_F(BulkTransferTest, ShortBodyIsNotTaken) {
  const ImageBytes before = Bytes();
  EXPECT_FALSE(unit.DownloadImage(ByteArray(705, 0x11)));
  EXPECT_EQ(Bytes(), before);
  EXPECT_TRUE(host.sent.empty());
}

TEST_F(BulkTransferTest, UnitFileWithNoStoredPreset) {
  ByteArray info(18);
  for (int i = 0; i < 18; ++i) info[i] = static_cast<std::uint8_t>(0xA0 + i);
  unit.SetDeviceInfo(info);
  const ByteArray file = unit.UnitFileBytes();
  ASSERT_EQ(file.size(), 21634u);
  EXPECT_EQ(std::string(file.begin(), file.begin() + 16), "*****Q7KV010****");
  EXPECT_EQ(ByteArray(file.begin() + 16, file.begin() + 34), info);
  for (int n = 0; n < 30; ++n) {
    const auto record = file.begin() + 34 + 720 * n;
    EXPECT_EQ(std::count(record, record + 718, 0x64), 718) << n;
    EXPECT_EQ(record[718], '\r');
    EXPECT_EQ(record[719], '\n');
  }
}

TEST_F(BulkTransferTest, UnitFileRecordOfAStoredPreset) {
  const ImageBytes source = Pattern(5);
  for (int p = 0; p < 15; ++p) unit.ReceivePresetPiece(2, Piece(p, source));
  ByteArray flags(30, 0);
  flags[1] = 0xFF;
  unit.SetPresetFlags(flags);
  const ByteArray file = unit.UnitFileBytes();
  ASSERT_EQ(file.size(), 21634u);
  const auto record = file.begin() + 34 + 720;
  EXPECT_EQ(record[0], 2);
  EXPECT_TRUE(std::equal(record + 1, record + 718, source.begin()));
  EXPECT_EQ(record[718], '\r');
  EXPECT_EQ(file[34], 0x64);  // slot 1 still empty
}

TEST(UnitFilePath, ExtensionRuleLooksAtTheFileNameOnly) {
  const struct {
    const char* chosen;
    const char* path;
  } cases[] = {
      {"/d/show", "/d/show.unt"},
      {"/d/show.unt", "/d/show.unt"},
      {"/d/show.UNT", "/d/show.unt"},
      {"/d/show.Unt", "/d/show.Unt.unt"},
      {"/d/show.untested", "/d/show.unt"},
      {"/d/show.prs", "/d/show.prs.unt"},
      {"/work/proj.untested/show", "/work/proj.untested/show.unt"},
      {"/work/proj.UNT/show.unt", "/work/proj.UNT/show.unt"},
      {"show", "show.unt"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(LUnitControl::UnitFilePath(c.chosen), QString(c.path)) << c.chosen;
}

TEST_F(BulkTransferTest, SaveUnitFileWritesTheFileUnderTheChosenFolder) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ASSERT_TRUE(QDir(dir.path()).mkdir("proj.untested"));
  host.fileName = dir.path() + "/proj.untested/show";
  ASSERT_TRUE(unit.SaveUnitFile());
  QFile file(dir.path() + "/proj.untested/show.unt");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  const ByteArray want = unit.UnitFileBytes();
  EXPECT_EQ(ByteArray(bytes.begin(), bytes.end()), want);
}

TEST_F(BulkTransferTest, SaveUnitFileWritesNothingWhenCancelledOrUncreatable) {
  QTemporaryDir dir;
  host.fileName.clear();
  EXPECT_FALSE(unit.SaveUnitFile());
  host.fileName = dir.path() + "/missing/show";
  EXPECT_FALSE(unit.SaveUnitFile());
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST_F(BulkTransferTest, CopyChannelCopiesProcessingButNotIdentity) {
  host.updating = true;
  unit.SetMute(2, 1);
  unit.SetPeqBand(2, 4, 10, 20, 30, 5, 1);
  unit.SetComp(2, CompRecord{3, 4, 5, 6, 7});
  unit.SetDelay(2, 1234);
  unit.SetEqBypassWord(2, 0x01);
  const std::uint8_t name[8] = {'K', 'i', 'c', 'k', 0, 0, 0, 0};
  unit.SetChannelName(2, name);
  unit.SetMatrix(2, 3);
  host.sent.clear();

  unit.CopyChannel(2, 3);
  EXPECT_TRUE(unit.IsMuted(3));
  EXPECT_TRUE(unit.IsPeqBypassed(3, 4));
  EXPECT_EQ(unit.GetPeqBand(3, 4).q, 30);
  EXPECT_EQ(unit.GetComp(3).threshold, 7);
  EXPECT_EQ(unit.GetDelay(3), 1234);
  EXPECT_EQ(unit.Image().outputEqBypass, 0x03);
  EXPECT_EQ(std::memcmp(unit.GetChannelName(3).data(), "Out2", 4), 0);
  EXPECT_EQ(unit.GetMatrix(3), 2);
  EXPECT_EQ(unit.GetLinkMask(3), 2);
  EXPECT_TRUE(host.sent.empty());

  // A source whose bits are clear clears them on the target.
  unit.CopyChannel(4, 3);
  EXPECT_FALSE(unit.IsMuted(3));
  EXPECT_TRUE(unit.IsMuted(2));
  EXPECT_EQ(unit.Image().bandBypass[3], 0);
  EXPECT_EQ(unit.Image().outputEqBypass, 0x01);
  EXPECT_EQ(unit.GetDelay(3), 0);

  // Inputs copy the gate too; a copy across sides is refused.
  unit.SetGate(0, GateRecord{1, 2, 3, 4});
  unit.CopyChannel(0, 1);
  EXPECT_EQ(unit.GetGate(1).threshold, 4);
  EXPECT_EQ(std::memcmp(unit.GetChannelName(1).data(), "InB", 3), 0);
  const ImageBytes before = ToBytes(unit.Image());
  unit.CopyChannel(0, 5);
  unit.CopyChannel(6, 1);
  unit.CopyChannel(2, 8);
  EXPECT_EQ(ToBytes(unit.Image()), before);
}

}  // namespace
