#include "UnitImage.h"

#include <cstring>

namespace {

constexpr std::uint16_t kInputBandFrequencies[kInputBands] = {41, 71, 101, 140, 170, 200, 240, 270};
constexpr std::uint16_t kOutputBandFrequencies[kOutputBands] = {31,  63,  95,  127, 158,
                                                                190, 222, 253, 285};
constexpr std::uint16_t kDefaultGain = 280;   // 0 dB
constexpr std::uint16_t kFlatBandGain = 120;  // 0 dB
constexpr std::uint8_t kDefaultQ = 35;        // Q 3.0
constexpr std::uint16_t kTopFrequency = 300;

void SetName(std::uint8_t* dest, std::size_t size, const char* text) {
  std::memset(dest, 0, size);
  std::memcpy(dest, text, std::strlen(text));
}

template <class Block>
void SetCommonDefaults(Block& block, const std::uint16_t* frequencies, int bands, int bit) {
  for (int b = 0; b < bands; ++b) {
    block.bands[b].gain = kFlatBandGain;
    block.bands[b].frequency = frequencies[b];
    block.bands[b].q = kDefaultQ;
    block.bands[b].type = 0;
  }
  block.crossover.highPassFrequency = 0;
  block.crossover.lowPassFrequency = kTopFrequency;
  block.gain = kDefaultGain;
  block.linkMask = static_cast<std::uint16_t>(1u << bit);
}

UnitImage BuildDefaultImage() {
  UnitImage image{};
  std::memcpy(image.presetName, "Default Preset", kPresetNameSize);
  static const char* const kInputNames[kInputCount] = {"InA", "InB"};
  for (int i = 0; i < kInputCount; ++i) {
    InputBlock& in = image.inputs[i];
    SetName(in.name, kChannelNameSize, kInputNames[i]);
    in.gate.attack = 0;     // 1 ms
    in.gate.release = 99;   // 100 ms
    in.gate.hold = 99;      // 100 ms
    in.gate.threshold = 0;  // -90 dB
    SetCommonDefaults(in, kInputBandFrequencies, kInputBands, i);
  }
  static const char* const kOutputNames[kOutputCount] = {"Out1", "Out2", "Out3",
                                                         "Out4", "Out5", "Out6"};
  for (int o = 0; o < kOutputCount; ++o) {
    OutputBlock& out = image.outputs[o];
    SetName(out.name, kChannelNameSize, kOutputNames[o]);
    out.routing = (o % 2 == 0) ? 1 : 2;  // odd outputs from InA, even ones from InB
    out.comp.ratio = 0;
    out.comp.knee = 0;
    out.comp.attack = 49;      // 50 ms
    out.comp.release = 499;    // 500 ms
    out.comp.threshold = 220;  // +20 dB
    SetCommonDefaults(out, kOutputBandFrequencies, kOutputBands, o);
  }
  return image;
}

}  // namespace

const UnitImage& DefaultUnitImage() {
  static const UnitImage image = BuildDefaultImage();
  return image;
}

ImageBytes ToBytes(const UnitImage& image) {
  ImageBytes bytes;
  std::memcpy(bytes.data(), &image, kUnitImageSize);
  return bytes;
}

UnitImage ImageFromBytes(std::span<const std::uint8_t, kUnitImageSize> bytes) {
  UnitImage image;
  std::memcpy(&image, bytes.data(), kUnitImageSize);
  return image;
}
