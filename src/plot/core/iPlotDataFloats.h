#pragma once
// The 32-bit floats of the binary data file and data log: little-endian hosts only, as the
// files are; kMissing stands for a point a channel does not have.
#include <cstring>

namespace iPlotDataFloats {

constexpr float kMissing = 1e38f;

template <class Bytes>
void AppendFloat(Bytes& bytes, float value) {
    char raw[4];
    std::memcpy(raw, &value, 4);
    bytes.append(raw, 4);
}

}  // namespace iPlotDataFloats
