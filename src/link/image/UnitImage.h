#pragma once
// The unit's 718-byte parameter image, as packed structures whose bytes are exactly the
// bytes the unit, the preset files and the whole-unit files hold (words low byte first).
// Usable on its own, without a main window: the default image and the byte conversions
// are free functions.
#include "ParamRecords.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>

constexpr int kChannelCount = 8;  // 0 = InA, 1 = InB, 2 to 7 = Out1 to Out6
constexpr int kInputCount = 2;
constexpr int kOutputCount = 6;
constexpr int kInputBands = 8;
constexpr int kOutputBands = 9;
constexpr int kPresetSlots = 30;
constexpr std::size_t kChannelNameSize = 8;
constexpr std::size_t kPresetNameSize = 14;

struct InputBlock {
  std::uint8_t name[kChannelNameSize];  // zero-padded
  GateRecord gate;
  PeqBandRecord bands[kInputBands];
  CrossoverRecord crossover;
  LeWord gain;      // channel gain code 0 to 400, 280 = 0 dB
  LeWord polarity;  // 0 normal, else inverted
  LeWord delay;     // samples at 96 kHz
  LeWord linkMask;  // bit ch of the inputs
};

struct OutputBlock {
  std::uint8_t name[kChannelNameSize];  // zero-padded
  LeWord routing;                       // bit 0 = fed by InA, bit 1 = fed by InB
  CrossoverRecord crossover;
  PeqBandRecord bands[kOutputBands];
  CompRecord comp;
  LeWord gain;
  LeWord polarity;
  LeWord delay;
  LeWord linkMask;  // bit ch - 2 of the outputs
};

struct UnitImage {
  std::uint8_t reserved[2];  // carried, not interpreted
  std::uint8_t presetName[kPresetNameSize];
  InputBlock inputs[kInputCount];
  OutputBlock outputs[kOutputCount];
  LeWord inputMute;               // bit ch
  LeWord outputMute;              // bit ch - 2
  LeWord bandBypass[kChannelCount];  // per channel: bit b = band b bypassed
  LeWord workMode;                // test signal: 0 analog, 1 pink, 2 white, 3 sine
  LeWord sineIndex;               // 0 to 30
  LeWord delayUnit;               // 0 ms, 1 m, 2 ft
  LeWord inputEqBypass;           // bit ch: whole EQ bypassed
  LeWord outputEqBypass;          // bit ch - 2
};

// A preset stored in the unit: its slot number (1 to 30) and its image.
struct StoredPreset {
  std::uint8_t slot;
  UnitImage image;
};

constexpr std::size_t kUnitImageSize = 718;
constexpr std::size_t kDeviceInfoSize = 18;
using ImageBytes = std::array<std::uint8_t, kUnitImageSize>;
using DeviceInfoBlock = std::array<std::uint8_t, kDeviceInfoSize>;

static_assert(sizeof(InputBlock) == 78 && sizeof(OutputBlock) == 86);
static_assert(sizeof(UnitImage) == kUnitImageSize && sizeof(StoredPreset) == 719);
static_assert(std::is_trivially_copyable_v<UnitImage> && std::is_standard_layout_v<UnitImage>);
static_assert(offsetof(InputBlock, gate) == 8 && offsetof(InputBlock, bands) == 16);
static_assert(offsetof(InputBlock, crossover) == 64 && offsetof(InputBlock, gain) == 70);
static_assert(offsetof(InputBlock, linkMask) == 76);
static_assert(offsetof(OutputBlock, routing) == 8 && offsetof(OutputBlock, crossover) == 10);
static_assert(offsetof(OutputBlock, bands) == 16 && offsetof(OutputBlock, comp) == 70);
static_assert(offsetof(OutputBlock, gain) == 78 && offsetof(OutputBlock, linkMask) == 84);
static_assert(offsetof(UnitImage, presetName) == 2 && offsetof(UnitImage, inputs) == 16);
static_assert(offsetof(UnitImage, outputs) == 172 && offsetof(UnitImage, inputMute) == 688);
static_assert(offsetof(UnitImage, outputMute) == 690 && offsetof(UnitImage, bandBypass) == 692);
static_assert(offsetof(UnitImage, workMode) == 708 && offsetof(UnitImage, delayUnit) == 712);
static_assert(offsetof(UnitImage, inputEqBypass) == 714);
static_assert(offsetof(UnitImage, outputEqBypass) == 716);

// The built-in default content.
const UnitImage& DefaultUnitImage();

ImageBytes ToBytes(const UnitImage& image);
UnitImage ImageFromBytes(std::span<const std::uint8_t, kUnitImageSize> bytes);
inline std::uint8_t* ByteView(UnitImage& image) { return reinterpret_cast<std::uint8_t*>(&image); }
inline const std::uint8_t* ByteView(const UnitImage& image) {
  return reinterpret_cast<const std::uint8_t*>(&image);
}

inline bool IsInput(int ch) { return ch < kInputCount; }
// The channel's bit in the words of its side (mute, whole-EQ bypass, link masks).
inline int SideBit(int ch) { return IsInput(ch) ? ch : ch - kInputCount; }
inline int BandCount(int ch) { return IsInput(ch) ? kInputBands : kOutputBands; }
inline bool SameSide(int a, int b) { return IsInput(a) == IsInput(b); }

// Calls f with the channel's InputBlock or OutputBlock; f must give the same result type
// for both (the common fields: name, crossover, bands, gain, polarity, delay, linkMask).
template <class Image, class F>
decltype(auto) OnChannelBlock(Image& image, int ch, F&& f) {
  if (IsInput(ch)) return f(image.inputs[ch]);
  return f(image.outputs[ch - kInputCount]);
}

template <class Image>
auto& MuteWord(Image& image, int ch) {
  return IsInput(ch) ? image.inputMute : image.outputMute;
}

template <class Image>
auto& EqBypassWord(Image& image, int ch) {
  return IsInput(ch) ? image.inputEqBypass : image.outputEqBypass;
}

inline bool TestBit(std::uint16_t word, int bit) { return (word >> bit) & 1u; }
inline void PutBit(LeWord& word, int bit, bool on) {
  const std::uint16_t mask = static_cast<std::uint16_t>(1u << bit);
  word = static_cast<std::uint16_t>(on ? (word | mask) : (word & ~mask));
}
