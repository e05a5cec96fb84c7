#include "DialogHost.h"

namespace {
DialogHost* gHost = nullptr;
}

DialogHost* MainHost() { return gHost; }

void SetMainHost(DialogHost* host) { gHost = host; }
