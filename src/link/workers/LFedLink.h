#pragma once
// A link whose received bytes are handed to it by the owner window (LUsb, LNet): the owner's
// input handler calls PutReceived on the GUI thread, the worker feeds the bytes to the byte
// handler. The worker waits for the receive, send and stop events, in this order of
// precedence.
#include "LLink.h"

class LFedLink : public LLink {
 public:
  static constexpr std::size_t kBufferSize = 128;
  static constexpr int kReceiveChunk = 128;

  // Starts the worker; false at once when already open or when it cannot be started.
  virtual bool Open();
  // GUI thread: the first 128 of `count` bytes join the bytes waiting for the worker
  // (appended: bytes the worker has not taken yet are kept) and the receive event is set.
  virtual void PutReceived(const std::uint8_t* bytes, int count);

 protected:
  LFedLink(LinkOwner* owner, int graceTimeouts);

  void ThreadProc() override;
  // Worker: hands every waiting byte, oldest first, to the byte handler under the lock.
  void FeedReceived();

  AutoResetEvent receive_;
  ByteArray received_;  // bytes handed over, waiting for the worker
};
