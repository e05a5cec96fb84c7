#include "CommandCode.h"
#include "LUnitControl.h"
#include "RecordingUnitHost.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

ByteArray Bytes(std::initializer_list<int> values) {
  ByteArray out;
  for (int v : values) out.push_back(static_cast<std::uint8_t>(v));
  return out;
}

class SettersTest : public ::testing::Test {
 protected:
  // Sets every link mask of the image without sending (the updating flag is on meanwhile).
  void Masks(std::initializer_list<int> masks) {
    host.updating = true;
    int ch = 0;
    for (int m : masks) unit.SetLinkMask(ch++, static_cast<std::uint16_t>(m));
    host.updating = false;
  }

  RecordingUnitHost host;
  LUnitControl unit{host};
};

TEST_F(SettersTest, LinkGroupFromTheMasks) {
  struct Case {
    const char* what;
    std::initializer_list<int> masks;  // InA, InB, Out1..Out6
    int ch;
    int group;
  } cases[] = {
      {"default: own group", {1, 2, 1, 2, 4, 8, 16, 32}, 1, 0x2},
      {"InB led by InA", {3, 0, 1, 2, 4, 8, 16, 32}, 1, 0x3},
      {"InA leads", {3, 0, 1, 2, 4, 8, 16, 32}, 0, 0x3},
      {"Out3 in Out1's group", {1, 2, 7, 0, 0, 8, 16, 32}, 4, 0x7},
      {"first lower mask wins", {1, 2, 0x05, 0x06, 0, 8, 16, 32}, 4, 0x5},
      {"no mask names Out2", {1, 2, 0, 0, 0, 0, 0, 0}, 3, 0x2},
      {"a higher mask does not count", {1, 2, 1, 0, 0x02, 8, 16, 32}, 3, 0x2},
  };
  for (const Case& c : cases) {
    Masks(c.masks);
    EXPECT_EQ(unit.GetLinkGroup(c.ch), c.group) << c.what;
  }
  EXPECT_TRUE(host.sent.empty());
}

// Each grouped setter writes every member of the group and sends once, for the edited
// channel only; with the updating flag on it writes but does not send.
TEST_F(SettersTest, GroupedSettersWriteTheGroupAndSendForTheEditedChannel) {
  struct Case {
    const char* what;
    int ch;
    std::function<void(LUnitControl&)> set;
    std::function<bool(const LUnitControl&, int)> changed;  // on channel k
    int code;
    ByteArray payload;
  };
  const Case cases[] = {
      {"gain", 1, [](LUnitControl& u) { u.SetGain(1, 300); },
       [](const LUnitControl& u, int k) { return u.GetGain(k) == 300; }, CMD_GAIN,
       Bytes({1, 0x2C, 1})},
      {"delay", 3, [](LUnitControl& u) { u.SetDelay(3, 480); },
       [](const LUnitControl& u, int k) { return u.GetDelay(k) == 480; }, CMD_DELAY,
       Bytes({3, 0xE0, 1})},
      {"polarity stores the value, sends 1", 2, [](LUnitControl& u) { u.SetPolarity(2, 5); },
       [](const LUnitControl& u, int k) {
         return OnChannelBlock(u.Image(), k, [](const auto& b) { return b.polarity == 5; });
       },
       CMD_POLARITY, Bytes({2, 1})},
      {"mute", 4, [](LUnitControl& u) { u.SetMute(4, 1); },
       [](const LUnitControl& u, int k) { return u.IsMuted(k); }, CMD_MUTE, Bytes({4, 1})},
      {"peq with bypass", 1, [](LUnitControl& u) { u.SetPeqBand(1, 3, 130, 180, 40, 2, 1); },
       [](const LUnitControl& u, int k) {
         const PeqBandRecord b = u.GetPeqBand(k, 3);
         return b.gain == 130 && b.frequency == 180 && b.q == 40 && b.type == 2 &&
                u.IsPeqBypassed(k, 3);
       },
       CMD_PEQ, Bytes({1, 3, 130, 0, 180, 0, 40, 2, 1})},
      {"high pass", 3,
       [](LUnitControl& u) { u.SetHighPass(3, CrossoverRecord{100, 50, 7, 9}); },
       [](const LUnitControl& u, int k) {
         const CrossoverRecord x = u.GetCrossover(k);
         return x.highPassFrequency == 100 && x.highPassSlope == 7 &&
                x.lowPassFrequency == 300 && x.lowPassSlope == 0;
       },
       CMD_HIGH_PASS, Bytes({3, 100, 0, 7})},
      {"low pass", 0,
       [](LUnitControl& u) { u.SetLowPass(0, CrossoverRecord{100, 250, 7, 9}); },
       [](const LUnitControl& u, int k) {
         const CrossoverRecord x = u.GetCrossover(k);
         return x.lowPassFrequency == 250 && x.lowPassSlope == 9 &&
                x.highPassFrequency == 0 && x.highPassSlope == 0;
       },
       CMD_LOW_PASS, Bytes({0, 250, 0, 9})},
      {"gate", 1, [](LUnitControl& u) { u.SetGate(1, GateRecord{4, 5, 6, 7}); },
       [](const LUnitControl& u, int k) {
         const GateRecord g = u.GetGate(k);
         return g.attack == 4 && g.release == 5 && g.hold == 6 && g.threshold == 7;
       },
       CMD_GATE, Bytes({1, 4, 0, 5, 0, 6, 0, 7, 0})},
      {"comp", 3, [](LUnitControl& u) { u.SetComp(3, CompRecord{15, 3, 4, 5, 6}); },
       [](const LUnitControl& u, int k) {
         const CompRecord c = u.GetComp(k);
         return c.ratio == 15 && c.knee == 3 && c.attack == 4 && c.release == 5 &&
                c.threshold == 6;
       },
       CMD_COMP, Bytes({3, 15, 3, 4, 0, 5, 0, 6, 0})},
  };
  for (bool updating : {false, true}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.what) + (updating ? " (updating)" : ""));
      unit.ResetImage();
      Masks({3, 0, 7, 0, 0, 8, 16, 32});  // InA+InB, Out1..Out3 linked
      host.sent.clear();
      host.updating = updating;
      c.set(unit);
      const bool input = c.ch < 2;
      for (int k = 0; k < 8; ++k) {
        const bool member = input ? k < 2 : (k >= 2 && k <= 4);
        if (member) {
          EXPECT_TRUE(c.changed(unit, k)) << "channel " << k;
        } else if (SameSide(k, c.ch)) {
          EXPECT_FALSE(c.changed(unit, k)) << "channel " << k;
        }
      }
      if (updating) {
        EXPECT_TRUE(host.sent.empty());
      } else {
        ASSERT_EQ(host.sent.size(), 1u);
        EXPECT_EQ(host.sent[0].code, c.code);
        EXPECT_EQ(host.sent[0].payload, c.payload);
        EXPECT_FALSE(host.sent[0].append);
      }
      host.updating = false;
    }
  }
}

TEST_F(SettersTest, BitSettersSetAndClearTheBitOfEveryGroupMember) {
  Masks({3, 0, 7, 0, 0, 8, 16, 32});
  unit.SetMute(4, 1);
  EXPECT_EQ(unit.Image().outputMute, 0x0007);
  unit.SetMute(2, 0);
  EXPECT_EQ(unit.Image().outputMute, 0x0000);

  unit.SetPeqBand(1, 3, 120, 140, 35, 0, 1);
  unit.SetPeqBand(0, 5, 120, 200, 35, 0, 1);
  EXPECT_EQ(unit.Image().bandBypass[0], 0x0028);
  EXPECT_EQ(unit.Image().bandBypass[1], 0x0028);
  unit.SetPeqBand(0, 3, 120, 140, 35, 0, 0);
  EXPECT_EQ(unit.Image().bandBypass[0], 0x0020);
  EXPECT_EQ(unit.Image().bandBypass[1], 0x0020);
}

TEST_F(SettersTest, CurveMarkHappensWhetherOrNotSent) {
  unit.SetPeqBand(6, 0, 120, 31, 35, 0, 0);
  host.updating = true;
  unit.SetHighPass(1, CrossoverRecord{});
  unit.SetLowPass(7, CrossoverRecord{});
  unit.SetGain(2, 0);
  EXPECT_EQ(host.dirty, (std::vector<int>{6, 1, 7}));
}

TEST_F(SettersTest, UngroupedSettersChangeOnlyTheirChannel) {
  Masks({3, 0, 7, 0, 0, 8, 16, 32});
  host.sent.clear();
  unit.SetMatrix(3, 3);
  EXPECT_EQ(unit.GetMatrix(3), 3);
  EXPECT_EQ(unit.GetMatrix(2), 1);
  EXPECT_EQ(unit.GetMatrix(4), 1);

  unit.SetLinkMask(2, 7);
  EXPECT_EQ(unit.GetLinkMask(2), 7);
  EXPECT_EQ(unit.GetLinkMask(3), 0);

  const std::uint8_t name[8] = {'S', 'u', 'b', 0, 0, 0, 0, 0};
  unit.SetChannelName(0, name);
  EXPECT_EQ(std::memcmp(unit.GetChannelName(0).data(), name, 8), 0);
  EXPECT_EQ(std::memcmp(unit.GetChannelName(1).data(), "InB", 3), 0);

  unit.SetDelayUnit(0x0102);
  EXPECT_EQ(unit.GetDelayUnit(), 0x0102);

  ASSERT_EQ(host.sent.size(), 4u);
  EXPECT_EQ(host.sent[0].payload, Bytes({3, 3}));
  EXPECT_FALSE(host.sent[0].append);
  EXPECT_EQ(host.sent[1].code, CMD_LINK);
  EXPECT_EQ(host.sent[1].payload, Bytes({2, 7}));
  EXPECT_TRUE(host.sent[1].append);
  EXPECT_EQ(host.sent[2].code, CMD_CHANNEL_NAME);
  EXPECT_EQ(host.sent[2].payload, Bytes({0, 'S', 'u', 'b', 0, 0, 0, 0, 0}));
  EXPECT_TRUE(host.sent[2].append);
  EXPECT_EQ(host.sent[3].code, CMD_DELAY_UNIT);
  EXPECT_EQ(host.sent[3].payload, Bytes({2}));
  EXPECT_FALSE(host.sent[3].append);
}

TEST_F(SettersTest, CommandsCarryTheHostsUnitId) {
  host.deviceId = 250;
  unit.SetGain(0, 280);
  ASSERT_EQ(host.sent.size(), 1u);
  EXPECT_EQ(host.sent[0].id, 250);
}

}  // namespace
