// Any byte string as a report descriptor: the parser must stay inside it.
#include <cstddef>
#include <cstdint>

#include "HidReportDescriptor.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  HidReportDescriptor d;
  d.Parse(data, size);
  return 0;
}
