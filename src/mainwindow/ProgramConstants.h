#pragma once
// The program-wide constants: the title and version shown in the caption, the unit's default
// network address and port, the sample rate of the delay conversions, the compressor ratio
// texts and the padded band-type names drawn beside the curves.
#include <array>

namespace Program {

inline constexpr char kTitle[] = "Q7K DSP Processor Editor";
inline constexpr char kVersion[] = "V1.03";
inline constexpr char kCaption[] = "Q7K DSP Processor Editor V1.03";
inline constexpr char kDefaultAddress[] = "192.168.1.101";
inline constexpr unsigned kDefaultAddressValue = (192u << 24) | (168u << 16) | (1u << 8) | 101u;
inline constexpr int kTcpPort = 9761;
// kHz; a delay of n samples lasts n / kSampleRate ms.
inline constexpr int kSampleRate = 96;

// The design (outer) size of the main window.
inline constexpr int kDesignWidth = 1126;
inline constexpr int kDesignHeight = 727;

inline constexpr std::array<const char*, 16> kRatioTexts = {
    "1.0", "1.1", "1.3", "1.5", "1.7", "2.0", "2.5", "3.0",
    "3.5", "4.0", "5.0", "6.0", "8.0", "10",  "20",  "Limit",
};

// Band types 0 to 6, then the bypassed band; each 12 characters.
inline constexpr std::array<const char*, 8> kCurveTypeNames = {
    " Peak       ", " Low Shelf  ", " High Shelf ", " Low Cut    ",
    " High Cut   ", " Allpass 1  ", " Allpass 2  ", "   BYPASS   ",
};

}  // namespace Program
