#include "SetupApi.h"

#include "Hid.h"

q7k_hid_enum_open_t HidEnumOpen;
q7k_hid_enum_interface_t HidEnumInterface;
q7k_hid_enum_path_t HidEnumPath;
q7k_hid_enum_property_t HidEnumProperty;
q7k_hid_enum_close_t HidEnumClose;
q7k_hid_monitor_open_t HidMonitorOpen;
q7k_hid_monitor_read_t HidMonitorRead;
q7k_hid_monitor_close_t HidMonitorClose;

namespace {

TModuleHandle SetupLib = nullptr;
int32_t UseCount = 0;

template <typename T>
void Bind(T& variable, const char* name, bool& allFound) {
  variable = reinterpret_cast<T>(GetModuleSymbolEx(SetupLib, name, allFound));
}

void BindAll(bool& allFound) {
  Bind(HidEnumOpen, "q7k_hid_enum_open", allFound);
  Bind(HidEnumInterface, "q7k_hid_enum_interface", allFound);
  Bind(HidEnumPath, "q7k_hid_enum_path", allFound);
  Bind(HidEnumProperty, "q7k_hid_enum_property", allFound);
  Bind(HidEnumClose, "q7k_hid_enum_close", allFound);
  Bind(HidMonitorOpen, "q7k_hid_monitor_open", allFound);
  Bind(HidMonitorRead, "q7k_hid_monitor_read", allFound);
  Bind(HidMonitorClose, "q7k_hid_monitor_close", allFound);
}

}  // namespace

bool LoadSetupApi() {
  if (++UseCount > 1) return true;
  if (!LoadModule(SetupLib, HidLibraryFile())) {
    --UseCount;
    return false;
  }
  bool allFound = true;
  BindAll(allFound);
  if (!allFound) {
    UnloadSetupApi();
    return false;
  }
  return true;
}

void UnloadSetupApi() {
  if (--UseCount > 0) return;
  UseCount = 0;  // an unbalanced call leaves the count at 0, never below
  UnloadModule(SetupLib);
  bool ignored = true;
  BindAll(ignored);
}

bool IsSetupApiLoaded() { return SetupLib != nullptr; }

TModuleHandle GetSetupApiModuleHandle() { return SetupLib; }
