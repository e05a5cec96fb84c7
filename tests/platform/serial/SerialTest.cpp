#include <gtest/gtest.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "serial/SerialPort.h"
#include "serial/SerialPortList.h"
#include "TempTree.h"
#include "TestPty.h"
#include "Unprivileged.h"

namespace {

TEST(SerialPort, OpensRawWithTheGivenSettingsAndMovesBytesBothWays) {
  TestPty pty;
  SerialPort port;
  ASSERT_TRUE(port.Open(pty.Slave()));
  EXPECT_TRUE(port.SetState(115200, 8, NOPARITY, ONESTOPBIT));
  EXPECT_EQ(port.GetBaudRate(), 115200);
  EXPECT_TRUE(port.SetState(57600, 8, NOPARITY, ONESTOPBIT));
  EXPECT_EQ(port.GetBaudRate(), 57600);

  const std::uint8_t frame[] = {0x10, 0x02, 0x00, 0x01, 0x01, 0x12, 0x10, 0x03, 0x13};
  ASSERT_TRUE(port.Write(frame, sizeof frame));
  EXPECT_EQ(pty.ReadMaster(sizeof frame), std::vector<std::uint8_t>(frame, frame + sizeof frame));

  // Raw mode: control characters such as 0x03 and 0x11 arrive unchanged.
  const std::uint8_t reply[] = {0x10, 0x03, 0x11, 0x0D, 0x0A};
  ASSERT_EQ(::write(pty.Master(), reply, sizeof reply), static_cast<ssize_t>(sizeof reply));
  pollfd p{port.WaitFd(), POLLIN, 0};
  ASSERT_EQ(::poll(&p, 1, 10000), 1);
  EXPECT_EQ(port.Queued(), static_cast<int>(sizeof reply));
  std::uint8_t got[8] = {};
  EXPECT_EQ(port.Read(got, sizeof got), static_cast<int>(sizeof reply));
  EXPECT_EQ(std::vector<std::uint8_t>(got, got + sizeof reply),
            std::vector<std::uint8_t>(reply, reply + sizeof reply));
  EXPECT_EQ(port.Read(got, sizeof got), 0);  // nothing waits: no blocking
  EXPECT_FALSE(port.Failed());
}

TEST(SerialPort, RefusesSettingsTheSystemDoesNotOffer) {
  TestPty pty;
  SerialPort port;
  ASSERT_TRUE(port.Open(pty.Slave()));
  EXPECT_FALSE(port.SetState(128000, 8, NOPARITY, ONESTOPBIT));
  EXPECT_FALSE(port.SetState(115200, 9, NOPARITY, ONESTOPBIT));
  EXPECT_FALSE(port.SetState(115200, 8, 5, ONESTOPBIT));
  EXPECT_FALSE(port.SetState(115200, 8, NOPARITY, ONE5STOPBITS));
  EXPECT_TRUE(port.SetState(9600, 7, EVENPARITY, TWOSTOPBITS));
}

// 0 when an ordinary user can open the node now, else the error that refuses it.
int OrdinaryOpenError(const std::string& node) {
  return RunUnprivileged([&] {
    const int fd = ::open(node.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return errno;
    ::close(fd);
    return 0;
  });
}

TEST(SerialPort, MissingDeviceAndSecondOpenFail) {
  SerialPort missing;
  EXPECT_FALSE(missing.Open("/dev/q7k-no-such-port"));
  EXPECT_FALSE(missing.Open("/dev/null"));  // not a terminal
  TestPty pty;
  SerialPort first, second;
  ASSERT_TRUE(first.Open(pty.Slave()));
  EXPECT_EQ(OrdinaryOpenError(pty.Slave()), EBUSY);
  EXPECT_FALSE(second.Open(pty.Slave()));  // a privileged program too
  first.Close();
  EXPECT_EQ(OrdinaryOpenError(pty.Slave()), 0);
  EXPECT_TRUE(second.Open(pty.Slave()));
}

TEST(SerialPort, AFailedOpenLeavesThePortToTheProgramHoldingIt) {
  // A terminal program holds the port with an advisory lock of its own.
  TestPty pty;
  const int holder = ::open(pty.Slave().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  ASSERT_GE(holder, 0);
  ASSERT_EQ(::flock(holder, LOCK_EX | LOCK_NB), 0);
  SerialPort port;
  EXPECT_FALSE(port.Open(pty.Slave()));
  // It can still open its own port again as an ordinary user: no exclusive flag was left.
  EXPECT_EQ(OrdinaryOpenError(pty.Slave()), 0);
  ::close(holder);
  EXPECT_TRUE(port.Open(pty.Slave()));
}

TEST(SerialPort, APortWithoutPermissionIsToldOnceOnStderr) {
  TestPty a, b;
  ASSERT_EQ(::chmod(a.Slave().c_str(), 0), 0);
  ASSERT_EQ(::chmod(b.Slave().c_str(), 0), 0);
  const std::string expected = "cannot open " + a.Slave() + ": Permission denied\n" + "cannot open " +
                               b.Slave() + ": Permission denied\n";
  EXPECT_EQ(RunUnprivileged([&] {
              const std::string said = StderrOf([&] {
                SerialPort port;
                for (const std::string& node : {a.Slave(), a.Slave(), b.Slave(), std::string("/dev/q7k-no-such-port")})
                  if (port.Open(node)) return;
              });
              if (said == expected) return 0;
              std::fprintf(stderr, "said on stderr:\n%s", said.c_str());
              return 1;
            }),
            0);
}

TEST(SerialPort, HangUpOfTheLineShowsAsFailed) {
  TestPty pty;
  SerialPort port;
  ASSERT_TRUE(port.Open(pty.Slave()));
  EXPECT_FALSE(port.Failed());
  pty.CloseMaster();
  EXPECT_TRUE(port.Failed());
}

TEST(SerialPortList, NamesNumbersAndDevicesFollowOneRule) {
  SerialPortList::SetOverride({{12, "/dev/pts/12"}, {3, "/dev/pts/3"}, {0, "/dev/bad"}, {100, "/dev/bad"}});
  const auto ports = SerialPortList::Ports();
  ASSERT_EQ(ports.size(), 2u);
  EXPECT_EQ(ports[0].number, 3);
  EXPECT_EQ(ports[0].name, "COM3");
  EXPECT_EQ(ports[1].name, "COM12");
  EXPECT_EQ(SerialPortList::OpenName(9), "COM9");
  EXPECT_EQ(SerialPortList::OpenName(10), "\\\\.\\COM10");
  EXPECT_EQ(SerialPortList::ParseName("COM3"), 3);
  EXPECT_EQ(SerialPortList::ParseName("\\\\.\\COM12"), 12);
  EXPECT_EQ(SerialPortList::ParseName("COM123"), 123);
  EXPECT_EQ(SerialPortList::ParseName("COMx"), -1);
  EXPECT_EQ(SerialPortList::ParseName("LPT1"), -1);
  EXPECT_EQ(SerialPortList::DeviceFor(SerialPortList::OpenName(12)), "/dev/pts/12");
  EXPECT_EQ(SerialPortList::DeviceFor(3), "/dev/pts/3");
  EXPECT_EQ(SerialPortList::DeviceFor(4), "");
  SerialPortList::ClearOverride();
}

TEST(SerialPortList, EnvironmentListStandsInForTheSystemsPorts) {
  ::setenv("Q7K_SERIAL_PORTS", "5=/dev/pts/9, 98=/dev/ttyQ", 1);
  const auto ports = SerialPortList::Ports();
  ::unsetenv("Q7K_SERIAL_PORTS");
  ASSERT_EQ(ports.size(), 2u);
  EXPECT_EQ(ports[0].number, 5);
  EXPECT_EQ(ports[0].device, "/dev/pts/9");
  EXPECT_EQ(ports[1].name, "COM98");
  EXPECT_EQ(ports[1].device, "/dev/ttyQ");
}

// A sysfs tty class and a device folder of the test's own: each listed port's node is a
// link to a pty the test holds.
class FakeTtyTree {
 public:
  FakeTtyTree() { std::filesystem::create_directories(tree_.Path("sys/class/tty")); }
  // A tty; with a device behind it (and a UART type for ttyS ports) when `type` is given.
  void Add(const std::string& name, const char* type, const std::string& node = {}) {
    const auto dir = tree_.Path("sys/class/tty/" + name);
    std::filesystem::create_directories(dir);
    if (type) {
      std::filesystem::create_directories(dir / "device");
      TempTree::Write(dir / "type", std::string(type) + "\n");
    }
    if (!node.empty()) std::filesystem::create_symlink(node, tree_.Path("dev/" + name));
  }
  std::string Dev(const std::string& name) const { return tree_.Path("dev/" + name).string(); }

 private:
  TempTree tree_{{{"Q7K_SERIAL_SYSFS", "sys"}, {"Q7K_SERIAL_DEVROOT", "dev"}}};
};

TEST(SerialPortList, SystemPortsAreNumberedByTheRule) {
  TestPty usb, acm, other;
  FakeTtyTree tree;
  tree.Add("ttyS0", "4");
  tree.Add("ttyS1", "0");       // a placeholder without a UART
  tree.Add("ttyS31", "4");
  tree.Add("ttyS32", "4");      // beyond its family
  tree.Add("ttyUSB0", "", usb.Slave());
  tree.Add("ttyACM2", "", acm.Slave());
  tree.Add("tty0", nullptr);    // a virtual terminal: no device
  tree.Add("ttyXRUSB0", "", other.Slave());
  tree.Add("ttyAMA0", "");
  tree.Add("ttyZZ9", "");       // a third other port: no number left
  std::vector<std::pair<int, std::string>> listed;
  for (const SerialPortInfo& p : SerialPortList::Ports()) {
    EXPECT_EQ(p.name, QStringLiteral("COM%1").arg(p.number));
    listed.emplace_back(p.number, p.device);
  }
  EXPECT_EQ(listed, (std::vector<std::pair<int, std::string>>{{1, tree.Dev("ttyS0")},
                                                                {32, tree.Dev("ttyS31")},
                                                                {33, tree.Dev("ttyUSB0")},
                                                                {67, tree.Dev("ttyACM2")},
                                                                {97, tree.Dev("ttyAMA0")},
                                                                {98, tree.Dev("ttyXRUSB0")}}));
  // A port opened by its name reaches the line behind that number.
  const std::pair<const char*, TestPty*> lines[] = {{"COM33", &usb}, {"\\\\.\\COM67", &acm}, {"\\\\.\\COM98", &other}};
  for (const auto& [name, pty] : lines) {
    SCOPED_TRACE(name);
    SerialPort port;
    ASSERT_TRUE(port.Open(SerialPortList::DeviceFor(QString::fromLatin1(name))));
    const std::uint8_t byte[] = {0x5A};
    ASSERT_TRUE(port.Write(byte, 1));
    EXPECT_EQ(pty->ReadMaster(1), std::vector<std::uint8_t>{0x5A});
  }
}

}  // namespace
