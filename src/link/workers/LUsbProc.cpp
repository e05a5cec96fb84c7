#include "LUsbProc.h"

LUsbProc::LUsbProc(LinkOwner* owner) : LinkProc<LUsb>(owner) {}

LUsbProc::~LUsbProc() { LUsbProc::Close(); }

bool LUsbProc::Open() {
  StartKeepAlive();
  return LUsb::Open();
}
