// The link's byte-stream parser fed an arbitrary stream in arbitrary chunks, through the
// network link's received-bytes hand-over and its worker: every frame delivered starts
// 10 02, is exactly its length byte + 8 long (so never over 263 bytes) with a non-zero
// length byte, and the frames delivered are exactly those of the whole stream parsed at
// once: no byte lost or fed twice however the hand-overs fall.
#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "FrameParser.h"
#include "LNetProc.h"
#include "LinkMessages.h"
#include "LinkOwner.h"

namespace {

using Frames = std::vector<ByteArray>;

void Check(bool ok) {
  if (!ok) std::abort();
}

class Recorder : public LinkOwner {
 public:
  int GetDeviceId() const override { return 1; }
  void UsbWrite(const std::uint8_t*, int) override {}
  void NetWrite(const std::uint8_t*, int) override {}
  void LogComWrite(const std::uint8_t*, int) override {}
  void LogComRead(const std::uint8_t*, int) override {}
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM) override {
    if (msg == WM_LINK_REPLY) frames.push_back(ReplyFrame(wParam));
    return 0;
  }
  Frames frames;
};

struct Harness {
  int argc = 1;
  char name[8] = "fuzz";
  char* argv[2] = {name, nullptr};
  QCoreApplication app{argc, argv};
  Recorder owner;
  LNetProc link{&owner};
  Harness() {
    Check(link.Open());
    link.SetQuiet(true);
  }
};

Harness* harness = nullptr;

Frames ParseWhole(const ByteArray& stream) {
  FrameParser parser;
  Frames frames;
  for (std::uint8_t b : stream) {
    if (parser.Push(b)) {
      const ByteArray& f = parser.Frame();
      Check(f.size() >= 9 && f[0] == 0x10 && f[1] == 0x02 && f[4] != 0);
      Check(f.size() == f[4] + 8u && f.size() <= FrameParser::kMaxFrame);
      frames.push_back(f);
    }
    Check(parser.Frame().size() <= FrameParser::kMaxFrame);
  }
  return frames;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  static Harness h;
  harness = &h;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The first bytes choose the chunk sizes, the rest is the stream. Zeros complete any frame
  // the stream leaves open and a closing frame marks the end, so each input starts afresh.
  const std::size_t control = size < 4 ? 0 : std::min<std::size_t>(8, size / 4);
  ByteArray stream(data + control, data + size);
  stream.insert(stream.end(), FrameParser::kMaxFrame, 0x00);
  const ByteArray end = {0x10, 0x02, 0x01, 0x00, 0x02, 0xEE, 0xAB, 0x10, 0x03, 0x00};
  stream.insert(stream.end(), end.begin(), end.end());
  const Frames expected = ParseWhole(stream);

  Recorder& owner = harness->owner;
  owner.frames.clear();
  std::size_t pos = 0;
  for (std::size_t i = 0; pos < stream.size(); ++i) {
    const std::size_t chunk = control == 0 ? 128 : data[i % control] % 70 + 1;
    const std::size_t n = std::min(chunk, stream.size() - pos);
    harness->link.PutReceived(stream.data() + pos, static_cast<int>(n));
    pos += n;
  }
  // Frames lost on the way never come: give up after a generous wait.
  QTimer wake;
  wake.start(50);
  const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (owner.frames.size() < expected.size()) {
    Check(std::chrono::steady_clock::now() < limit);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  Check(owner.frames == expected);
  return 0;
}
