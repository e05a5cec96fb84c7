#pragma once
// The USB link object the main window creates: LUsb with the queued protocol layer.
#include "LUsb.h"
#include "LinkProc.h"

class LUsbProc : public LinkProc<LUsb> {
 public:
  explicit LUsbProc(LinkOwner* owner);
  ~LUsbProc() override;

  // Starts the keep-alive timer, then opens the link.
  bool Open() override;
};
