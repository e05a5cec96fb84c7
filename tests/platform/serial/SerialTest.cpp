#include <gtest/gtest.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
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

TEST(SerialPort, MissingDeviceAndSecondOpenFail) {
  SerialPort missing;
  EXPECT_FALSE(missing.Open("/dev/q7k-no-such-port"));
  EXPECT_FALSE(missing.Open("/dev/null"));  // not a terminal
  TestPty pty;
  SerialPort first, second;
  ASSERT_TRUE(first.Open(pty.Slave()));
  if (::geteuid() == 0) {
    // The administrator bypasses exclusive opens: try as an ordinary user in a child.
    ASSERT_EQ(::chmod(pty.Slave().c_str(), 0666), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
      const int fd = ::open(pty.Slave().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
      ::_exit(fd < 0 && errno == EBUSY ? 0 : 1);
    }
    int status = -1;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
  }
  EXPECT_FALSE(second.Open(pty.Slave()));  // the administrator too
  first.Close();
  EXPECT_TRUE(second.Open(pty.Slave()));
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
