#include "SerialPortList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cstdlib>
#include <mutex>
#include <optional>

namespace {

constexpr int kFamilySize = 32;
constexpr int kFirstOther = 97;
constexpr int kLastNumber = 99;

std::mutex gOverrideMutex;
std::optional<std::vector<std::pair<int, std::string>>> gOverride;

struct Family {
  const char* prefix;
  int firstNumber;
};
constexpr Family kFamilies[] = {{"ttyS", 1}, {"ttyUSB", 33}, {"ttyACM", 65}};

SerialPortInfo Make(int number, std::string device) {
  return SerialPortInfo{number, QStringLiteral("COM%1").arg(number), std::move(device)};
}

// Q7K_SERIAL_PORTS: "<number>=<device>,..."; nothing when unset.
std::optional<std::vector<std::pair<int, std::string>>> EnvironmentOverride() {
  const char* text = std::getenv("Q7K_SERIAL_PORTS");
  if (!text) return std::nullopt;
  std::vector<std::pair<int, std::string>> ports;
  for (const QString& item : QString::fromLocal8Bit(text).split(',', Qt::SkipEmptyParts)) {
    const qsizetype eq = item.indexOf('=');
    if (eq <= 0) continue;
    bool ok = false;
    const int number = item.left(eq).trimmed().toInt(&ok);
    if (ok) ports.emplace_back(number, item.mid(eq + 1).trimmed().toStdString());
  }
  return ports;
}

std::string EnvOr(const char* name, const char* fallback) {
  const char* v = std::getenv(name);
  return v && *v ? v : fallback;
}

// A serial8250 placeholder without a UART reports type 0.
bool HasRealUart(const QString& sysDir) {
  QFile type(sysDir + "/type");
  if (!type.open(QIODevice::ReadOnly)) return true;
  return type.readAll().trimmed() != "0";
}

std::vector<SerialPortInfo> SystemPorts() {
  std::vector<SerialPortInfo> ports;
  std::vector<std::string> others;
  const QDir sys(QString::fromStdString(EnvOr("Q7K_SERIAL_SYSFS", "/sys") + "/class/tty"));
  const std::string devRoot = EnvOr("Q7K_SERIAL_DEVROOT", "/dev");
  for (const QString& entry : sys.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System)) {
    const QString dir = sys.filePath(entry);
    if (!QFileInfo::exists(dir + "/device")) continue;  // virtual terminals, ptys
    const std::string device = devRoot + "/" + entry.toStdString();
    bool matched = false;
    for (const Family& f : kFamilies) {
      static const QRegularExpression digits(QStringLiteral("^(\\D+)(\\d+)$"));
      const auto m = digits.match(entry);
      if (!m.hasMatch() || m.captured(1) != QLatin1String(f.prefix)) continue;
      matched = true;
      const int k = m.captured(2).toInt();
      if (k < kFamilySize && (f.firstNumber != 1 || HasRealUart(dir))) {
        ports.push_back(Make(f.firstNumber + k, device));
      }
    }
    if (!matched) others.push_back(device);
  }
  std::sort(others.begin(), others.end());
  int number = kFirstOther;
  for (const std::string& device : others) {
    if (number >= kLastNumber) break;
    ports.push_back(Make(number++, device));
  }
  return ports;
}

}  // namespace

std::vector<SerialPortInfo> SerialPortList::Ports() {
  std::optional<std::vector<std::pair<int, std::string>>> override;
  {
    std::lock_guard lock(gOverrideMutex);
    override = gOverride;
  }
  if (!override) override = EnvironmentOverride();
  std::vector<SerialPortInfo> ports;
  if (override) {
    for (const auto& [number, device] : *override) {
      if (number >= 1 && number <= kLastNumber) ports.push_back(Make(number, device));
    }
  } else {
    ports = SystemPorts();
  }
  std::stable_sort(ports.begin(), ports.end(),
                   [](const SerialPortInfo& a, const SerialPortInfo& b) { return a.number < b.number; });
  return ports;
}

QString SerialPortList::OpenName(int number) {
  return number < 10 ? QStringLiteral("COM%1").arg(number)
                     : QStringLiteral("\\\\.\\COM%1").arg(number);
}

int SerialPortList::ParseName(const QString& name) {
  // Every trailing digit counts ("COM123" is port 123, not 12).
  static const QRegularExpression pattern(QStringLiteral("^(?:\\\\\\\\\\.\\\\)?COM(\\d{1,9})$"),
                                          QRegularExpression::CaseInsensitiveOption);
  const auto m = pattern.match(name);
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

std::string SerialPortList::DeviceFor(int number) {
  for (const SerialPortInfo& p : Ports()) {
    if (p.number == number) return p.device;
  }
  return {};
}

std::string SerialPortList::DeviceFor(const QString& name) {
  const int number = ParseName(name);
  return number < 0 ? std::string() : DeviceFor(number);
}

void SerialPortList::SetOverride(std::vector<std::pair<int, std::string>> ports) {
  std::lock_guard lock(gOverrideMutex);
  gOverride = std::move(ports);
}

void SerialPortList::ClearOverride() {
  std::lock_guard lock(gOverrideMutex);
  gOverride.reset();
}
