// Parses arbitrary bytes as a received frame: the parser must stay inside the bytes it is
// given, and a frame it serialises must parse back to the same code and payload.
#include "CommandCode.h"
#include "LCmd.h"
#include "ShortReplyError.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // An exact-size copy, so that any read past the end is caught.
  const std::vector<std::uint8_t> frame(data, data + size);
  const LCmd parsed{std::span<const std::uint8_t>(frame)};
  const ByteArray& payload = parsed.GetPayload();
  if (payload.size() + LCmd::kMinFrameSize > std::max(size, LCmd::kMinFrameSize)) std::abort();
  try {
    parsed.PayloadByte(payload.size());
    std::abort();  // one past the end must raise
  } catch (const ShortReplyError&) {
  }
  for (std::size_t i = 0; i < payload.size(); ++i)
    if (parsed.PayloadByte(i) != payload[i]) std::abort();

  if (payload.size() <= LCmd::kMaxPayload) {
    // Re-frame it as a reply from unit 1 would carry it (ID in byte 2) and parse again.
    ByteArray again = LCmd(1, parsed.GetCode()).Serialise();
    again.insert(again.begin() + 6, payload.begin(), payload.end());
    again[4] = static_cast<std::uint8_t>(payload.size() + 1);
    again[2] = 1;
    const LCmd back{std::span<const std::uint8_t>(again)};
    if (back.GetCode() != parsed.GetCode() || back.GetPayload() != payload ||
        back.GetDeviceId() != 1)
      std::abort();
  }
  return 0;
}
