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

void BindSetupApi(bool& allFound) {
  BindModuleSymbol(SetupLib, HidEnumOpen, "q7k_hid_enum_open", allFound);
  BindModuleSymbol(SetupLib, HidEnumInterface, "q7k_hid_enum_interface", allFound);
  BindModuleSymbol(SetupLib, HidEnumPath, "q7k_hid_enum_path", allFound);
  BindModuleSymbol(SetupLib, HidEnumProperty, "q7k_hid_enum_property", allFound);
  BindModuleSymbol(SetupLib, HidEnumClose, "q7k_hid_enum_close", allFound);
  BindModuleSymbol(SetupLib, HidMonitorOpen, "q7k_hid_monitor_open", allFound);
  BindModuleSymbol(SetupLib, HidMonitorRead, "q7k_hid_monitor_read", allFound);
  BindModuleSymbol(SetupLib, HidMonitorClose, "q7k_hid_monitor_close", allFound);
}

}  // namespace

bool LoadSetupApi() {
  if (++UseCount > 1) return true;
  if (!LoadModule(SetupLib, HidLibraryFile())) {
    --UseCount;
    return false;
  }
  bool allFound = true;
  BindSetupApi(allFound);
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
  BindSetupApi(ignored);
}

bool IsSetupApiLoaded() { return SetupLib != nullptr; }

TModuleHandle GetSetupApiModuleHandle() { return SetupLib; }
