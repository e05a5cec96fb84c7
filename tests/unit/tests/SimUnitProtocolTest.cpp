#include "SimUnitTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::chrono_literals;

struct SimUnitProtocol : ::testing::Test {
  SimUnit unit;
  SimUnitPort port{unit};

  // Everything the unit answers to one frame, all output taken at once.
  std::vector<SimBytes> Ask(uint8_t code, const SimBytes& payload = {}, uint8_t id = 1) {
    port.Receive(EditorFrame(id, code, payload));
    std::vector<SimBytes> out;
    for (SimUnitChunk& c : port.TakeOutput(SimClock::now() + 1h)) out.push_back(std::move(c.bytes));
    return out;
  }
  SimBytes AskOne(uint8_t code, const SimBytes& payload = {}) {
    auto out = Ask(code, payload);
    EXPECT_EQ(out.size(), 1u) << "code " << int(code);
    return out.empty() ? SimBytes{} : out.front();
  }
};

SimBytes Text(const std::string& s) { return SimBytes(s.begin(), s.end()); }

struct ReplyCase {
  const char* name;
  uint8_t code;
  SimBytes payload;
  int replyCode;  // -1: no reply
  SimBytes replyPayload;
};

TEST_F(SimUnitProtocol, AnswersEachRequestKind) {
  const ReplyCase cases[] = {
      {"connect", 16, {}, 16, {}},
      {"identity", 19, {}, 19, Text("Q7K V010")},
      {"poll", 18, {}, 18, {}},
      {"preset number", 20, {}, 20, {0}},
      {"slot flags", 34, {}, 34, SimBytes(30, 0x00)},
      {"lock state", 44, {}, 44, {0, 0, 0, 0, 0, 0}},
      {"wrong password", 45, {0, '1', '2', '3', '4'}, 45, {0, 0}},
      {"right password", 45, {0, '5', '8', '2', '0'}, 45, {0, 1}},
      {"gain", 52, {2, 0x18, 0x01}, 1, {}},
      {"disconnect", 17, {}, 1, {}},
      {"unit memory", 25, {0, 0, 4}, 25, {0, 0, 0, 0}},
      {"select preset", 36, {7}, 1, {}},
      {"download piece", 37, SimBytes(52, 0), 37, {0, 0}},
      {"restart", 4, {}, 1, {}},
      {"image piece past the end", 39, {15}, -1, {}},
      {"preset name past the end", 41, {30}, -1, {}},
      {"unknown code", 99, {}, -1, {}},
      {"gain too short", 52, {2}, -1, {}},
  };
  for (const ReplyCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto out = Ask(c.code, c.payload);
    if (c.replyCode < 0) {
      EXPECT_TRUE(out.empty());
      continue;
    }
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0], SimUnit::BuildFrame(1, uint8_t(c.replyCode), c.replyPayload));
  }
}

TEST_F(SimUnitProtocol, ReplyCarriesTheUnitIdInByteTwoAndAnswersOnlyItsOwnId) {
  unit.SetUnitId(7);
  EXPECT_TRUE(Ask(16, {}, 1).empty());
  port.Receive(EditorFrame(7, 16));
  auto out = port.TakeOutput(SimClock::now() + 1h);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].bytes, (SimBytes{0x10, 0x02, 7, 0, 1, 16, 0x10, 0x03, uint8_t(0x10 ^ 0x02 ^ 7 ^ 1 ^ 16 ^ 0x10 ^ 0x03)}));

  unit.SetAnswerAnyId(true);
  EXPECT_EQ(Ask(16, {}, 3).size(), 1u);
  EXPECT_EQ(unit.FrameCount(), 3u);  // every frame is recorded, answered or not
}

TEST_F(SimUnitProtocol, LevelsTravelAsTheUpperBytesOfTheirFloatPattern) {
  std::array<float, 12> levels{};
  levels[0] = 1.0f;
  levels[4] = 0.1f;
  unit.SetLevels(levels, 0x21);
  const SimBytes reply = AskOne(64);
  ASSERT_EQ(reply.size(), 37u + 9u);
  const SimBytes payload(reply.begin() + 6, reply.end() - 3);
  EXPECT_EQ(SimBytes(payload.begin(), payload.begin() + 3), (SimBytes{0x80, 0x3F, 0x00}));
  EXPECT_EQ(SimBytes(payload.begin() + 3, payload.begin() + 6), (SimBytes{0x00, 0x00, 0x00}));
  EXPECT_EQ(SimBytes(payload.begin() + 12, payload.begin() + 15), (SimBytes{0xCC, 0x3D, 0xCC}));
  EXPECT_EQ(payload[36], 0x21);
}

TEST_F(SimUnitProtocol, LockIsReportedUntilThePasswordIsAcceptedAndSetLockEngagesIt) {
  unit.SetLock(true, "1234");
  EXPECT_EQ(AskOne(44)[11], 1);  // payload byte 5
  EXPECT_EQ(AskOne(45, {0, '1', '2', '3', '5'})[7], 0);
  EXPECT_EQ(AskOne(44)[11], 1);
  EXPECT_EQ(AskOne(45, {0, '1', '2', '3', '4'})[7], 1);
  EXPECT_EQ(AskOne(44)[11], 0);
  AskOne(16);  // a new connection meets the lock again
  EXPECT_EQ(AskOne(44)[11], 1);

  unit.SetLock(false);
  EXPECT_EQ(AskOne(44)[11], 0);
  EXPECT_EQ(AskOne(47, Text("9999"))[5], 1);
  EXPECT_TRUE(unit.LockEngaged());
  EXPECT_EQ(unit.Password(), "9999");
}

TEST_F(SimUnitProtocol, UnitMemoryIsWrittenAndReadBack) {
  AskOne(26, {1, 0, 3, 0xAA, 0xBB, 0xCC});
  EXPECT_EQ(AskOne(25, {0, 0, 5}), SimUnit::BuildFrame(1, 25, {0, 0xAA, 0xBB, 0xCC, 0}));
  // A read past the end of the memory delivers what there is.
  EXPECT_EQ(AskOne(25, {0xFE, 0x00, 18}).size(), 2u + 9u);
}

// The byte stream from the editor may come in any chunking and with noise between frames.
TEST_F(SimUnitProtocol, CutsFramesFromAnyChunkingAndSkipsNoise) {
  SimBytes stream = {0x00, 0x10, 0x03, 0x10};  // noise, including a lone 0x10
  const SimBytes a = EditorFrame(1, 16), b = EditorFrame(1, 52, {2, 0x10, 0x03});
  stream.insert(stream.end(), a.begin(), a.end());
  stream.insert(stream.end(), {0x10, 0x02, 0x00, 0x01, 0x00});  // length 0 starts no frame
  stream.insert(stream.end(), b.begin(), b.end());
  for (uint8_t byte : stream) port.Receive(&byte, 1);
  const auto frames = unit.Frames();
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_EQ(frames[0].bytes, a);
  EXPECT_EQ(frames[1].bytes, b);
  EXPECT_EQ(frames[1].Payload(), (SimBytes{2, 0x10, 0x03}));
  EXPECT_EQ(port.TakeOutput(SimClock::now() + 1h).size(), 2u);
}

TEST_F(SimUnitProtocol, RecordsButDoesNotAnswerAFrameWithABadChecksum) {
  SimBytes bad = EditorFrame(1, 16);
  bad.back() ^= 1;
  port.Receive(bad);
  ASSERT_EQ(unit.FrameCount(), 1u);
  EXPECT_FALSE(unit.Frames()[0].valid);
  EXPECT_FALSE(port.NextOutputDue().has_value());
}

TEST_F(SimUnitProtocol, FaultsApplyToTheFramesTheyNameAndRunOut) {
  unit.AddFault({.kind = SimUnitFaultKind::Drop, .code = 19, .count = 2});
  EXPECT_EQ(Ask(16).size(), 1u);  // other codes pass
  EXPECT_TRUE(Ask(19).empty());
  EXPECT_TRUE(Ask(19).empty());
  EXPECT_EQ(Ask(19).size(), 1u);  // the count ran out

  // A unit that stops answering after two frames.
  unit.AddFault({.kind = SimUnitFaultKind::Drop, .count = -1, .after = 2});
  EXPECT_EQ(Ask(16).size(), 1u);
  EXPECT_EQ(Ask(19).size(), 1u);
  EXPECT_TRUE(Ask(16).empty());
  EXPECT_TRUE(Ask(19).empty());
  unit.ClearFaults();

  unit.AddFault({.kind = SimUnitFaultKind::Garble});  // next frame of any code; damages the 0x03
  const SimBytes garbled = AskOne(16);
  ASSERT_EQ(garbled.size(), 9u);
  EXPECT_EQ(garbled[7], 0x03 ^ 0xFF);
  EXPECT_EQ(AskOne(16)[7], 0x03);

  unit.AddFault({.kind = SimUnitFaultKind::Garble, .count = -1, .garbleIndex = 2, .garbleXor = 0x01});
  EXPECT_EQ(AskOne(16)[2], 0);
  EXPECT_EQ(AskOne(16)[2], 0);
  unit.ClearFaults();
  EXPECT_EQ(AskOne(16)[2], 1);
}

TEST_F(SimUnitProtocol, DroppedFramesAreNotApplied) {
  unit.AddFault({.kind = SimUnitFaultKind::Drop});
  Ask(47, Text("1111"));
  EXPECT_FALSE(unit.LockEngaged());
}

TEST_F(SimUnitProtocol, DelayedReplyIsHeldUntilItsTimeAndKeepsLaterOutputBehindIt) {
  unit.AddFault({.kind = SimUnitFaultKind::Delay, .code = 16, .delay = 50ms});
  const auto before = SimClock::now();
  port.Receive(EditorFrame(1, 16));
  port.Receive(EditorFrame(1, 19));
  const auto due = port.NextOutputDue();
  ASSERT_TRUE(due.has_value());
  EXPECT_GE(*due, before + 50ms);
  EXPECT_TRUE(port.TakeOutput(*due - 1ns).empty());
  const auto out = port.TakeOutput(*due);
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0].bytes[5], 16);
  EXPECT_EQ(out[1].bytes[5], 19);
}

TEST_F(SimUnitProtocol, SplitReplyComesInTwoPiecesTheGapApart) {
  unit.AddFault({.kind = SimUnitFaultKind::Split, .code = 19, .delay = 20ms, .splitAt = 3});
  port.Receive(EditorFrame(1, 19));
  const auto first = port.NextOutputDue();
  ASSERT_TRUE(first.has_value());
  auto out = port.TakeOutput(*first);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].bytes, (SimBytes{0x10, 0x02, 0x01}));
  const auto second = port.NextOutputDue();
  ASSERT_TRUE(second.has_value());
  EXPECT_EQ(*second - *first, 20ms);
  out = port.TakeOutput(*second);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].bytes.size(), 14u);  // the rest of the 17-byte identity frame
}

TEST_F(SimUnitProtocol, DisconnectFaultAndCommandAskTheTransportToDropTheLine) {
  unit.AddFault({.kind = SimUnitFaultKind::Disconnect, .code = 44});
  auto out = Ask(44);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_TRUE(out[0].empty());
  port.Receive(EditorFrame(1, 44));
  unit.Disconnect();
  const auto chunks = port.TakeOutput(SimClock::now() + 1h);
  ASSERT_EQ(chunks.size(), 2u);
  EXPECT_FALSE(chunks[0].disconnect);
  EXPECT_EQ(chunks[0].bytes[5], 44);
  EXPECT_TRUE(chunks[1].disconnect);
}

TEST_F(SimUnitProtocol, UnsolicitedOutputReachesEveryPort) {
  SimUnitPort other(unit);
  unit.SendFrame(64, {1, 2});
  unit.SendRaw({0xAB});
  for (SimUnitPort* p : {&port, &other}) {
    const auto chunks = p->TakeOutput(SimClock::now() + 1h);
    ASSERT_EQ(chunks.size(), 2u);
    EXPECT_EQ(chunks[0].bytes, SimUnit::BuildFrame(1, 64, {1, 2}));
    EXPECT_EQ(chunks[1].bytes, SimBytes{0xAB});
  }
}

// Paced output leaves one byte per ten bit times: count the bytes released at given instants.
TEST_F(SimUnitProtocol, PacingReleasesBytesAtTheBaudRate) {
  unit.SetPaceBaud(1000);  // 10 ms per byte
  port.Receive(EditorFrame(1, 16));
  port.Receive(EditorFrame(1, 18));  // 18 bytes queued in all
  const auto firstByte = port.NextOutputDue();
  ASSERT_TRUE(firstByte.has_value());
  EXPECT_TRUE(port.TakeOutput(*firstByte - 1ns).empty());
  auto count = [](const std::vector<SimUnitChunk>& chunks) {
    size_t n = 0;
    for (const auto& c : chunks) n += c.bytes.size();
    return n;
  };
  EXPECT_EQ(count(port.TakeOutput(*firstByte + 2ms)), 1u);
  EXPECT_EQ(count(port.TakeOutput(*firstByte + 30ms)), 3u);
  EXPECT_EQ(*port.NextOutputDue(), *firstByte + 40ms);
  // Byte 10 onwards belongs to the second frame, which comes out as a chunk of its own.
  const auto chunks = port.TakeOutput(*firstByte + 90ms);
  EXPECT_EQ(count(chunks), 6u);
  ASSERT_EQ(chunks.size(), 2u);
  EXPECT_EQ(chunks[1].bytes.size(), 1u);
  EXPECT_EQ(count(port.TakeOutput(*firstByte + 1h)), 8u);
  EXPECT_FALSE(port.NextOutputDue().has_value());
}

}  // namespace
