#include "SimUnitPty.h"
#include "SimUnitTcpServer.h"
#include "SimUnitTestSupport.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <termios.h>

#include <memory>
#include <stdexcept>

namespace {

using namespace std::chrono_literals;

int Connect(const std::string& address, uint16_t port) {
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in sa{};
  sa.sin_family = AF_INET;
  sa.sin_port = htons(port);
  inet_pton(AF_INET, address.c_str(), &sa.sin_addr);
  if (connect(fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa) < 0) {
    close(fd);
    return -1;
  }
  return fd;
}

void Write(int fd, const SimBytes& bytes) { ASSERT_EQ(write(fd, bytes.data(), bytes.size()), ssize_t(bytes.size())); }

struct Fd {
  int fd;
  explicit Fd(int f) : fd(f) {}
  ~Fd() {
    if (fd >= 0) close(fd);
  }
};

TEST(SimUnitTcpServer, AnswersAClientAndRecordsItsFrames) {
  SimUnit unit;
  SimUnitTcpServer server(unit, "127.0.0.1", 0);
  ASSERT_NE(server.Port(), 0);
  Fd client(Connect("127.0.0.1", server.Port()));
  ASSERT_GE(client.fd, 0);

  // Two requests in one write, the second split over two more writes.
  SimBytes both = EditorFrame(1, 16);
  const SimBytes identity = EditorFrame(1, 19);
  both.insert(both.end(), identity.begin(), identity.begin() + 4);
  Write(client.fd, both);
  EXPECT_EQ(ReadFrame(client.fd), SimUnit::BuildFrame(1, 16, {}));
  Write(client.fd, SimBytes(identity.begin() + 4, identity.end()));
  EXPECT_EQ(ReadFrame(client.fd), SimUnit::BuildFrame(1, 19, {'Q', '7', 'K', ' ', 'V', '0', '1', '0'}));

  ASSERT_TRUE(unit.WaitForFrames(2, 5s));
  const auto frames = unit.Frames();
  EXPECT_EQ(frames[0].bytes, EditorFrame(1, 16));
  EXPECT_EQ(frames[1].bytes, identity);
  EXPECT_LE(frames[0].time, frames[1].time);
}

TEST(SimUnitTcpServer, DropsTheConnectionWhenToldAndServesTheNextClient) {
  SimUnit unit;
  SimUnitTcpServer server(unit, "127.0.0.1", 0);
  unit.AddFault({.kind = SimUnitFaultKind::Disconnect, .code = 19});
  {
    Fd client(Connect("127.0.0.1", server.Port()));
    Write(client.fd, EditorFrame(1, 19));
    EXPECT_TRUE(PeerClosed(client.fd));
  }
  Fd again(Connect("127.0.0.1", server.Port()));
  Write(again.fd, EditorFrame(1, 19));
  EXPECT_EQ(ReadFrame(again.fd).size(), 17u);
  unit.Disconnect();
  EXPECT_TRUE(PeerClosed(again.fd));
}

TEST(SimUnitTcpServer, ANewClientReplacesTheOldOne) {
  SimUnit unit;
  SimUnitTcpServer server(unit, "127.0.0.1", 0);
  Fd first(Connect("127.0.0.1", server.Port()));
  Write(first.fd, EditorFrame(1, 16));
  ASSERT_EQ(ReadFrame(first.fd).size(), 9u);
  Fd second(Connect("127.0.0.1", server.Port()));
  EXPECT_TRUE(PeerClosed(first.fd));
  Write(second.fd, EditorFrame(1, 16));
  EXPECT_EQ(ReadFrame(second.fd).size(), 9u);
}

// Inside the test namespace the unit can stand at its real address.
TEST(SimUnitTcpServer, ListensAtTheUnitsDefaultAddress) {
  SimUnit unit;
  std::unique_ptr<SimUnitTcpServer> server;
  try {
    server = std::make_unique<SimUnitTcpServer>(unit, "192.168.1.101", 0);
  } catch (const std::runtime_error&) {
    GTEST_SKIP() << "192.168.1.101 is not configured here (run inside scripts/netns.sh)";
  }
  Fd client(Connect("192.168.1.101", server->Port()));
  ASSERT_GE(client.fd, 0);
  Write(client.fd, EditorFrame(1, 16));
  EXPECT_EQ(ReadFrame(client.fd), SimUnit::BuildFrame(1, 16, {}));
}

TEST(SimUnitTcpServer, RefusesAnAddressItCannotUse) {
  SimUnit unit;
  EXPECT_THROW(SimUnitTcpServer(unit, "not an address", 0), std::runtime_error);
}

int OpenSerial(const std::string& path) {
  const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return -1;
  termios tio{};
  tcgetattr(fd, &tio);
  cfmakeraw(&tio);
  tcsetattr(fd, TCSANOW, &tio);
  return fd;
}

TEST(SimUnitPty, AnswersOnTheSlaveSideAndHangsUpWhenTold) {
  SimUnit unit;
  unit.SetUnitId(9);
  SimUnitPty pty(unit);
  const std::string path = pty.SlavePath();
  ASSERT_FALSE(path.empty());
  Fd serial(OpenSerial(path));
  ASSERT_GE(serial.fd, 0);
  Write(serial.fd, EditorFrame(9, 20));
  EXPECT_EQ(ReadFrame(serial.fd), SimUnit::BuildFrame(9, 20, {0}));

  unit.AddFault({.kind = SimUnitFaultKind::Disconnect});
  Write(serial.fd, EditorFrame(9, 20));
  EXPECT_TRUE(PeerClosed(serial.fd));
  EXPECT_EQ(pty.Hangups(), 1);

  // The line comes back as a new pty.
  Fd reopened(OpenSerial(pty.SlavePath()));
  ASSERT_GE(reopened.fd, 0);
  Write(reopened.fd, EditorFrame(9, 16));
  EXPECT_EQ(ReadFrame(reopened.fd), SimUnit::BuildFrame(9, 16, {}));
}

// With pacing on, a reply still arrives whole and in order over a real transport.
TEST(SimUnitPty, PacedOutputArrivesWhole) {
  SimUnit unit;
  unit.SetPaceBaud(115200);
  SimUnitPty pty(unit);
  Fd serial(OpenSerial(pty.SlavePath()));
  for (uint8_t piece = 0; piece < 3; ++piece) Write(serial.fd, EditorFrame(1, 39, {piece}));
  for (uint8_t piece = 0; piece < 3; ++piece) {
    const SimBytes reply = ReadFrame(serial.fd);
    ASSERT_EQ(reply.size(), 51u + 9u);
    EXPECT_EQ(reply[5], 36);
    EXPECT_EQ(reply[6], piece);
  }
}

}  // namespace
