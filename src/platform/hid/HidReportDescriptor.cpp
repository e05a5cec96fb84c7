#include "HidReportDescriptor.h"

#include <algorithm>
#include <array>
#include <map>

namespace {

enum ItemType { kMain = 0, kGlobal = 1, kLocal = 2 };
enum MainTag { kInput = 0x8, kOutput = 0x9, kCollection = 0xA, kFeature = 0xB };
enum GlobalTag { kUsagePage = 0x0, kReportSize = 0x7, kReportId = 0x8, kReportCount = 0x9, kPush = 0xA, kPop = 0xB };
enum LocalTag { kUsage = 0x0 };

struct Globals {
  uint32_t usagePage = 0;
  uint32_t reportSize = 0;
  uint32_t reportCount = 0;
  uint32_t reportId = 0;
};

constexpr size_t kMaxPushDepth = 16;
constexpr uint64_t kMaxReportBits = 0xFFFEull * 8;  // keeps every length within 16 bits

uint16_t ByteLength(const std::map<uint32_t, uint64_t>& bits) {
  uint64_t longest = 0;
  for (const auto& [id, n] : bits) longest = std::max(longest, n);
  if (longest == 0) return 0;
  return static_cast<uint16_t>((longest + 7) / 8 + 1);  // + the report ID byte
}

}  // namespace

bool HidReportDescriptor::Parse(const uint8_t* data, size_t size) {
  *this = HidReportDescriptor{};
  std::array<std::map<uint32_t, uint64_t>, 3> bits;  // input, output, feature: bits per report ID
  Globals g;
  std::array<Globals, kMaxPushDepth> stack;
  size_t depth = 0;
  uint32_t usage = 0;  // first usage of the current main item
  bool haveUsage = false;
  bool topLevelSeen = false;
  bool ok = true;

  size_t pos = 0;
  while (pos < size) {
    const uint8_t prefix = data[pos];
    if (prefix == 0xFE) {  // long item: skipped whole
      if (pos + 3 > size || pos + 3 + data[pos + 1] > size) { ok = false; break; }
      pos += 3 + data[pos + 1];
      continue;
    }
    const size_t len = (prefix & 3) == 3 ? 4 : (prefix & 3);
    if (pos + 1 + len > size) { ok = false; break; }
    uint32_t value = 0;
    for (size_t i = 0; i < len; ++i) value |= static_cast<uint32_t>(data[pos + 1 + i]) << (8 * i);
    pos += 1 + len;
    const int type = (prefix >> 2) & 3;
    const int tag = prefix >> 4;

    if (type == kGlobal) {
      switch (tag) {
        case kUsagePage: g.usagePage = value; break;
        case kReportSize: g.reportSize = value; break;
        case kReportCount: g.reportCount = value; break;
        case kReportId: g.reportId = value; NumberedReports = true; break;
        case kPush:
          if (depth == kMaxPushDepth) { ok = false; break; }
          stack[depth++] = g;
          break;
        case kPop:
          if (depth == 0) { ok = false; break; }
          g = stack[--depth];
          break;
        default: break;
      }
      if (!ok) break;
    } else if (type == kLocal) {
      if (tag == kUsage && !haveUsage) {
        usage = len == 4 ? value : (g.usagePage << 16) | (value & 0xFFFF);
        haveUsage = true;
      }
    } else if (type == kMain) {
      int kind = -1;
      if (tag == kInput) kind = 0;
      if (tag == kOutput) kind = 1;
      if (tag == kFeature) kind = 2;
      if (kind >= 0) {
        uint64_t& n = bits[kind][g.reportId];
        n = std::min(kMaxReportBits, n + static_cast<uint64_t>(g.reportSize) * g.reportCount);
      } else if (tag == kCollection) {
        if (NumberLinkCollectionNodes < 0xFFFF) ++NumberLinkCollectionNodes;
        if (!topLevelSeen) {
          topLevelSeen = true;
          UsagePage = static_cast<uint16_t>(usage >> 16);
          Usage = static_cast<uint16_t>(usage);
        }
      }
      haveUsage = false;  // local items end with each main item
      usage = 0;
    }
  }
  InputReportByteLength = ByteLength(bits[0]);
  OutputReportByteLength = ByteLength(bits[1]);
  FeatureReportByteLength = ByteLength(bits[2]);
  return ok;
}
