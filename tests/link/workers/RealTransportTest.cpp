// The links against the simulated unit over real transports: the network link on TCP
// (through the client socket, as the main window drives it) and the serial link on a pty.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <memory>

#include "FakeOwner.h"
#include "FullReadSequence.h"
#include "LCommProc.h"
#include "LNetProc.h"
#include "SimUnitPty.h"
#include "SimUnitTcpServer.h"
#include "TestPty.h"
#include "serial/SerialPortList.h"
#include "socket/TClientSocket.h"

namespace {

// Drives a full read the way the reply dispatcher does: each reply queues the next request.
template <class Link>
void RunFullRead(FakeOwner& owner, Link& link) {
  const std::vector<Exchange> steps = FullRead();
  std::size_t next = 1;
  owner.onMessage = [&](const FakeOwner::Message& m) {
    if (next < steps.size()) link.Enqueue(FrameOf(steps[next++]), true);
  };
  link.Enqueue(FrameOf(steps[0]), true);
  ASSERT_TRUE(PumpUntil([&] { return owner.messages.size() >= steps.size(); }));
  owner.onMessage = nullptr;
}

// Checks that the unit saw the whole read in order and the editor got every reply.
void ExpectFullRead(const FakeOwner& owner, const SimUnit& unit, UINT replyMsg) {
  const std::vector<Exchange> steps = FullRead();
  const auto frames = unit.Frames();
  ASSERT_EQ(frames.size(), steps.size());
  const auto replies = owner.Of(replyMsg);
  ASSERT_EQ(replies.size(), steps.size());
  for (std::size_t i = 0; i < steps.size(); ++i) {
    EXPECT_EQ(frames[i].bytes, FrameOf(steps[i])) << i;
    const std::uint8_t expected =
        steps[i].code == CMD_READ_IMAGE_PIECE ? std::uint8_t{CMD_IMAGE_PIECE} : std::uint8_t(steps[i].code);
    EXPECT_EQ(CodeOf(replies[i].frame), expected) << i;
    EXPECT_EQ(replies[i].frame[2], 1) << i;
  }
  const ByteArray& identity = replies[1].frame;
  EXPECT_EQ(std::string(identity.begin() + 6, identity.begin() + 14), "Q7K V010");
}

// The main window's part of the network link: the client socket, written on the socket's
// thread for the worker, its input handed to the link.
class NetOwner : public FakeOwner {
 public:
  NetOwner() {
    socket.OnRead = [this](QObject*) {
      std::uint8_t buf[100];
      const int n = socket.ReceiveBuf(buf, sizeof buf);
      if (link && n > 0) link->PutReceived(buf, n);
    };
    onWrite = [this](const ByteArray& f) { socket.SendBuf(f.data(), static_cast<int>(f.size())); };
  }
  TClientSocket socket;
  LNetProc* link = nullptr;
};

class NetLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    owner.socket.SetAddress("127.0.0.1");
    owner.socket.SetPort(server.Port());
    owner.socket.Open();
    ASSERT_TRUE(PumpUntil([&] { return owner.socket.Connected(); }));
    owner.link = &link;
    ASSERT_TRUE(link.Open());
  }
  void TearDown() override {
    link.Close();
    owner.link = nullptr;
  }

  SimUnit unit;
  SimUnitTcpServer server{unit, "127.0.0.1", 0};
  NetOwner owner;
  LNetProc link{&owner};
};

TEST_F(NetLinkTest, FullReadAgainstTheUnitOverTcp) {
  RunFullRead(owner, link);
  ExpectFullRead(owner, unit, WM_LINK_REPLY);
}

TEST_F(NetLinkTest, ReplyCarriesTheMillisecondsFromSendingToReceiving) {
  using namespace std::chrono;
  unit.AddFault({SimUnitFaultKind::Delay, CMD_CONNECT, 1, milliseconds(40)});
  const auto before = steady_clock::now();
  link.Enqueue(Request(CMD_CONNECT), true);
  ASSERT_TRUE(owner.PumpUntilMessages(WM_LINK_REPLY, 1));
  const auto observed = duration_cast<milliseconds>(steady_clock::now() - before).count();
  // Bounded by the unit's delay below and by what this thread saw around it above.
  const LPARAM elapsed = owner.Of(WM_LINK_REPLY)[0].lParam;
  EXPECT_GE(elapsed, 40);
  EXPECT_LE(elapsed, observed);
}

TEST_F(NetLinkTest, UnitThatDropsEveryFrameIsReportedAfterTheResends) {
  unit.AddFault({SimUnitFaultKind::Drop, -1, -1});
  link.SetMaxRetries(3);
  link.SetWaitTimeout(20);
  link.Enqueue(Request(CMD_CONNECT), true);
  ASSERT_TRUE(owner.PumpUntilMessages(WM_LINK_ERROR, 1));
  EXPECT_EQ(owner.Of(WM_LINK_ERROR)[0].wParam, static_cast<WPARAM>(LINK_ERROR_NO_REPLY));
  ASSERT_TRUE(unit.WaitForFrames(4, std::chrono::seconds(10)));
  EXPECT_EQ(unit.FrameCount(), 4u);
}

class SerialLinkTest : public ::testing::Test {
 protected:
  void SetUp() override { SerialPortList::SetOverride({{9, pty.SlavePath()}, {10, pty.SlavePath()}}); }
  void TearDown() override { SerialPortList::ClearOverride(); }

  SimUnit unit;
  SimUnitPty pty{unit};
  FakeOwner owner;
};

TEST_F(SerialLinkTest, FullReadAgainstTheUnitOnAPtyWithTrafficLog) {
  LCommProc link(&owner);
  ASSERT_TRUE(link.Open(10, 115200, 8, NOPARITY, ONESTOPBIT));  // opened as "\\.\COM10"
  RunFullRead(owner, link);
  ExpectFullRead(owner, unit, WM_LINK_REPLY);
  const auto writes = owner.ComWrites();
  ASSERT_EQ(writes.size(), FullRead().size());
  EXPECT_EQ(writes[0], Request(CMD_CONNECT));
  const auto reads = owner.ComReads();
  ASSERT_EQ(reads.size(), FullRead().size());
  EXPECT_EQ(reads[0], owner.Of(WM_LINK_REPLY)[0].frame);
}

TEST_F(SerialLinkTest, ReplyOnAnotherBaudRateComesAsTheAlternativeMessage) {
  LCommProc link(&owner);
  ASSERT_TRUE(link.Open(9, 57600, 8, NOPARITY, ONESTOPBIT));  // opened as "COM9"
  link.Enqueue(Request(CMD_CONNECT), true);
  ASSERT_TRUE(owner.PumpUntilMessages(WM_LINK_REPLY_ALT, 1));
  EXPECT_TRUE(owner.Of(WM_LINK_REPLY).empty());
  EXPECT_EQ(owner.Of(WM_LINK_REPLY_ALT)[0].frame, Reply(CMD_CONNECT));
}

TEST_F(SerialLinkTest, PortsAndBaudRatesOutsideTheRangeAreRefused) {
  SerialPortList::SetOverride({{1, pty.SlavePath()}, {98, pty.SlavePath()}, {99, pty.SlavePath()}});
  struct Case {
    int port, baud;
    bool opens;
  };
  for (const Case c : {Case{0, 115200, false}, Case{99, 115200, false}, Case{1, 1199, false},
                       Case{1, 128001, false}, Case{5, 115200, false} /* not present */,
                       Case{98, 115200, true}, Case{1, 1200, true}}) {
    LCommProc link(&owner);
    EXPECT_EQ(link.Open(c.port, c.baud, 8, NOPARITY, ONESTOPBIT), c.opens) << c.port << " " << c.baud;
    EXPECT_EQ(link.IsOpen(), c.opens);
  }
}

TEST_F(SerialLinkTest, KeepAliveSetsTheSerialTimeout) {
  LCommProc link(&owner);
  ASSERT_TRUE(link.Open(9, 115200, 8, NOPARITY, ONESTOPBIT));
  link.OnKeepAliveTimer();
  EXPECT_EQ(link.GetWaitTimeout(), 2000);
  ASSERT_TRUE(owner.PumpUntilMessages(WM_LINK_REPLY, 1));
  EXPECT_EQ(unit.Frames()[0].bytes, Request(CMD_POLL));
}

TEST_F(SerialLinkTest, UnitThatDropsEveryFrameIsReportedAfterTheResends) {
  unit.AddFault({SimUnitFaultKind::Drop, -1, -1});
  LCommProc link(&owner);
  ASSERT_TRUE(link.Open(9, 115200, 8, NOPARITY, ONESTOPBIT));
  link.SetMaxRetries(3);
  link.SetWaitTimeout(20);
  link.Enqueue(Request(CMD_CONNECT, 4), true);
  ASSERT_TRUE(owner.PumpUntilMessages(WM_LINK_ERROR, 1));
  EXPECT_EQ(owner.Of(WM_LINK_ERROR)[0].wParam, static_cast<WPARAM>(LINK_ERROR_NO_REPLY));
  EXPECT_EQ(owner.Of(WM_LINK_ERROR)[0].lParam, 4);
  ASSERT_TRUE(unit.WaitForFrames(4, std::chrono::seconds(10)));
  EXPECT_EQ(unit.FrameCount(), 4u);
}

TEST_F(SerialLinkTest, HangUpEndsTheWorkerWithCode1AndCloseReturnsAtOnce) {
  Tuned<LCommProc> link(&owner);
  ASSERT_TRUE(link.Open(9, 115200, 8, NOPARITY, ONESTOPBIT));
  unit.Disconnect();  // the pty hangs up
  ASSERT_TRUE(owner.PumpUntilMessages(WM_LINK_ERROR, 1));
  EXPECT_EQ(owner.Of(WM_LINK_ERROR)[0].wParam, static_cast<WPARAM>(LINK_ERROR_WAIT));
  EXPECT_EQ(owner.Of(WM_LINK_ERROR)[0].lParam, 0);
  ASSERT_TRUE(PumpUntil([&] { return !link.IsOpen(); }));
  link.Close();
  QCoreApplication::processEvents();
  EXPECT_EQ(owner.Of(WM_LINK_ERROR).size(), 1u);  // no code 5
}

TEST(SerialLink, ForcedResendsComeFirstUncountedAndWriteTheBufferWhateverItsFirstByte) {
  TestPty line;
  SerialPortList::SetOverride({{3, line.Slave()}});
  FakeOwner owner;
  LComm link(&owner);
  ASSERT_TRUE(link.Open(3, 115200, 8, NOPARITY, ONESTOPBIT));
  link.SetMaxRetries(1);
  link.SetForcedResends(2);
  link.SetWaitTimeout(10);
  const ByteArray frame = Request(CMD_POLL);
  link.SendFrame(frame);
  ASSERT_TRUE(owner.PumpUntilMessages(WM_LINK_ERROR, 1));
  // The write, two forced resends, one counted resend; then the frame is forgotten.
  ByteArray four;
  for (int i = 0; i < 4; ++i) four.insert(four.end(), frame.begin(), frame.end());
  EXPECT_EQ(line.ReadMaster(four.size()), four);
  link.SetForcedResends(1);
  ByteArray forgotten = frame;
  forgotten[0] = 0;
  EXPECT_EQ(line.ReadMaster(frame.size()), forgotten);
  EXPECT_EQ(owner.ComWrites(), std::vector<ByteArray>{frame});
  link.Close();
  SerialPortList::ClearOverride();
}

}  // namespace
