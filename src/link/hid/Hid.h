// The HID library's device entry points, loaded at run time by file name (dlopen) and
// looked up one by one (dlsym). The load succeeds only when every entry point exists;
// otherwise the library is released again and the HID layer stays idle.
#pragma once

#include <string>

#include "HidApi.h"
#include "ModuleLoader.h"

extern q7k_hid_open_t HidOpen;
extern q7k_hid_close_t HidClose;
extern q7k_hid_get_attributes_t HidGetAttributes;
extern q7k_hid_get_preparsed_data_t HidGetPreparsedData;
extern q7k_hid_free_preparsed_data_t HidFreePreparsedData;
extern q7k_hid_get_caps_t HidGetCaps;
extern q7k_hid_get_num_input_buffers_t HidGetNumInputBuffers;
extern q7k_hid_set_num_input_buffers_t HidSetNumInputBuffers;
extern q7k_hid_write_t HidWrite;
extern q7k_hid_read_t HidRead;
extern q7k_hid_cancel_read_t HidCancelRead;
extern q7k_hid_get_string_t HidGetManufacturerString;
extern q7k_hid_get_string_t HidGetProductString;
extern q7k_hid_flush_queue_t HidFlushQueue;
extern q7k_hid_report_t HidGetFeature;
extern q7k_hid_report_t HidSetFeature;
extern q7k_hid_report_t HidGetInputReport;
extern q7k_hid_report_t HidSetOutputReport;

// The library file both loaders use: $Q7K_HID_LIBRARY when set; else libq7khid.so next
// to the program, in the program's installed library folder, in the build tree, or
// wherever the dynamic linker finds it.
std::string HidLibraryFile();

bool LoadHid();
void UnloadHid();
bool IsHidLoaded();

// Whether both the usage and the usage page of two usage-and-page pairs are equal.
struct USAGE_AND_PAGE {
  uint16_t Usage;
  uint16_t UsagePage;
};
bool HidP_IsSameUsageAndPage_(USAGE_AND_PAGE a, USAGE_AND_PAGE b);
