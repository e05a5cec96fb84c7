// The HID library's discovery entry points (the interface list, its properties, and the
// arrival and removal notices), loaded like Hid.h's but with a use count: the first
// LoadSetupApi loads, further calls only count, and the library is released when
// UnloadSetupApi brings the count back to 0.
#pragma once

#include "HidApi.h"
#include "ModuleLoader.h"

extern q7k_hid_enum_open_t HidEnumOpen;
extern q7k_hid_enum_interface_t HidEnumInterface;
extern q7k_hid_enum_path_t HidEnumPath;
extern q7k_hid_enum_property_t HidEnumProperty;
extern q7k_hid_enum_close_t HidEnumClose;
extern q7k_hid_monitor_open_t HidMonitorOpen;
extern q7k_hid_monitor_read_t HidMonitorRead;
extern q7k_hid_monitor_close_t HidMonitorClose;

bool LoadSetupApi();
void UnloadSetupApi();
bool IsSetupApiLoaded();
TModuleHandle GetSetupApiModuleHandle();
