#pragma once
// The network link object the main window creates: LNet with the queued protocol layer.
#include "LNet.h"
#include "LinkProc.h"

class LNetProc : public LinkProc<LNet> {
 public:
  explicit LNetProc(LinkOwner* owner);
  ~LNetProc() override;

  // Starts the keep-alive timer, then opens the link.
  bool Open() override;
};
