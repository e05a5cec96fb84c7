// Feeds arbitrary replies to the receivers of the parameter image: image and preset
// pieces, preset names, slot flags, unit information and preset bodies. Every payload is
// an exact-size buffer, so that a read past its end is caught.
#include "LUnitControl.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <vector>

namespace {

class QuietHost : public UnitHost {
 public:
  bool IsUpdating() const override { return false; }
  std::uint8_t GetDeviceId() const override { return 1; }
  void SendCmd(const LCmd& cmd, bool) override { sent += cmd.Serialise().size(); }
  void MarkCurveDirty(int) override {}
  void SetRecallPresetRow(int row, const QString& name) override {
    if (row < 0 || row > 30 || name.size() != 14) std::abort();
  }
  void SetStorePresetRow(int row, const QString& name) override {
    if (row < 0 || row > 29 || name.size() != 14) std::abort();
  }
  QString AskUnitFileName() override { return {}; }

  std::size_t sent = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  QuietHost host;
  LUnitControl unit(host);
  while (input.remaining_bytes() > 0) {
    const int op = input.ConsumeIntegralInRange(0, 7);
    const int arg = input.ConsumeIntegralInRange(-5, 40);
    const std::size_t length = input.ConsumeIntegralInRange<std::size_t>(0, 760);
    const std::vector<std::uint8_t> payload = input.ConsumeBytes<std::uint8_t>(length);
    switch (op) {
      case 0: unit.ReceiveImagePiece(payload); break;
      case 1: unit.ReceivePresetPiece(arg, payload); break;
      case 2: unit.SetPresetListName(arg, payload); break;
      case 3: unit.SetPresetFlags(payload); break;
      case 4: unit.SetDeviceInfo(payload); break;
      case 5: unit.DownloadImage(payload); break;
      case 6: unit.CopyChannel(arg % 10, (arg * 7) % 10); break;
      default: {
        const ByteArray file = unit.UnitFileBytes();
        if (file.size() != LUnitControl::kUnitFileSize) std::abort();
        if (unit.SerialiseImage().size() != 722) std::abort();
      }
    }
  }
  return 0;
}
