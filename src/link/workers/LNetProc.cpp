#include "LNetProc.h"

LNetProc::LNetProc(LinkOwner* owner) : LinkProc<LNet>(owner) {}

LNetProc::~LNetProc() { LNetProc::Close(); }

bool LNetProc::Open() {
  StartKeepAlive();
  return LNet::Open();
}
