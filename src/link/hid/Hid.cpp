#include "Hid.h"

#include <climits>
#include <cstdlib>
#include <unistd.h>

q7k_hid_open_t HidOpen;
q7k_hid_close_t HidClose;
q7k_hid_get_attributes_t HidGetAttributes;
q7k_hid_get_preparsed_data_t HidGetPreparsedData;
q7k_hid_free_preparsed_data_t HidFreePreparsedData;
q7k_hid_get_caps_t HidGetCaps;
q7k_hid_get_num_input_buffers_t HidGetNumInputBuffers;
q7k_hid_set_num_input_buffers_t HidSetNumInputBuffers;
q7k_hid_write_t HidWrite;
q7k_hid_read_t HidRead;
q7k_hid_cancel_read_t HidCancelRead;
q7k_hid_get_string_t HidGetManufacturerString;
q7k_hid_get_string_t HidGetProductString;
q7k_hid_flush_queue_t HidFlushQueue;
q7k_hid_report_t HidGetFeature;
q7k_hid_report_t HidSetFeature;
q7k_hid_report_t HidGetInputReport;
q7k_hid_report_t HidSetOutputReport;

namespace {

TModuleHandle HidLib = nullptr;

void BindHidApi(bool& allFound) {
  BindModuleSymbol(HidLib, HidOpen, "q7k_hid_open", allFound);
  BindModuleSymbol(HidLib, HidClose, "q7k_hid_close", allFound);
  BindModuleSymbol(HidLib, HidGetAttributes, "q7k_hid_get_attributes", allFound);
  BindModuleSymbol(HidLib, HidGetPreparsedData, "q7k_hid_get_preparsed_data", allFound);
  BindModuleSymbol(HidLib, HidFreePreparsedData, "q7k_hid_free_preparsed_data", allFound);
  BindModuleSymbol(HidLib, HidGetCaps, "q7k_hid_get_caps", allFound);
  BindModuleSymbol(HidLib, HidGetNumInputBuffers, "q7k_hid_get_num_input_buffers", allFound);
  BindModuleSymbol(HidLib, HidSetNumInputBuffers, "q7k_hid_set_num_input_buffers", allFound);
  BindModuleSymbol(HidLib, HidWrite, "q7k_hid_write", allFound);
  BindModuleSymbol(HidLib, HidRead, "q7k_hid_read", allFound);
  BindModuleSymbol(HidLib, HidCancelRead, "q7k_hid_cancel_read", allFound);
  BindModuleSymbol(HidLib, HidGetManufacturerString, "q7k_hid_get_manufacturer_string", allFound);
  BindModuleSymbol(HidLib, HidGetProductString, "q7k_hid_get_product_string", allFound);
  BindModuleSymbol(HidLib, HidFlushQueue, "q7k_hid_flush_queue", allFound);
  BindModuleSymbol(HidLib, HidGetFeature, "q7k_hid_get_feature", allFound);
  BindModuleSymbol(HidLib, HidSetFeature, "q7k_hid_set_feature", allFound);
  BindModuleSymbol(HidLib, HidGetInputReport, "q7k_hid_get_input_report", allFound);
  BindModuleSymbol(HidLib, HidSetOutputReport, "q7k_hid_set_output_report", allFound);
}

std::string ProgramDir() {
  char path[PATH_MAX];
  const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return {};
  std::string dir(path, static_cast<size_t>(n));
  return dir.substr(0, dir.find_last_of('/'));
}

bool Exists(const std::string& file) { return ::access(file.c_str(), F_OK) == 0; }

}  // namespace

std::string HidLibraryFile() {
  if (const char* explicitFile = std::getenv("Q7K_HID_LIBRARY"); explicitFile && *explicitFile) return explicitFile;
  const std::string dir = ProgramDir();
  for (const std::string& candidate : {dir + "/" Q7K_HID_LIBRARY_NAME,
                                       dir + "/" Q7K_HID_INSTALL_REL "/" Q7K_HID_LIBRARY_NAME,
                                       std::string(Q7K_HID_BUILD_FILE)}) {
    if (Exists(candidate)) return candidate;
  }
  return Q7K_HID_LIBRARY_NAME;
}

bool LoadHid() {
  if (!LoadModule(HidLib, HidLibraryFile())) return false;
  bool allFound = true;
  BindHidApi(allFound);
  if (!allFound) {
    UnloadHid();
    return false;
  }
  return true;
}

void UnloadHid() {
  UnloadModule(HidLib);
  bool ignored = true;
  BindHidApi(ignored);  // a null handle gives null entry points
}

bool IsHidLoaded() { return HidLib != nullptr; }

bool HidP_IsSameUsageAndPage_(USAGE_AND_PAGE a, USAGE_AND_PAGE b) {
  return a.Usage == b.Usage && a.UsagePage == b.UsagePage;
}
