#include <gtest/gtest.h>

#include "QtTestSupport.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <functional>
#include <latch>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

#include "messages/HandOver.h"
#include "messages/MessageReceiver.h"
#include "messages/MessageTarget.h"
#include "messages/QueuedCall.h"
#include "messages/WindowMessage.h"

namespace {

struct Received {
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
  bool onGuiThread;
};

class Window : public MessageReceiver {
 public:
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    received.push_back({msg, wParam, lParam, QThread::currentThread() == qApp->thread()});
    if (onMessage) onMessage(msg);
    return static_cast<LRESULT>(wParam * 2);
  }
  std::vector<Received> received;
  std::function<void(UINT)> onMessage;
};

TEST(PostMessage, DeliversInOrderOnTheReceiversThread) {
  Window w;
  TestThread sender("the sender posted five messages", [&] {
    for (WPARAM i = 0; i < 5; ++i) PostMessage(&w, 0x551, i, 7);
  });
  ASSERT_TRUE(sender.Join());
  ASSERT_TRUE(PumpUntil([&] { return w.received.size() == 5; }));
  for (WPARAM i = 0; i < 5; ++i) {
    EXPECT_EQ(w.received[i].msg, 0x551u);
    EXPECT_EQ(w.received[i].wParam, i);
    EXPECT_EQ(w.received[i].lParam, 7);
    EXPECT_TRUE(w.received[i].onGuiThread);
  }
}

TEST(PostMessage, DroppedWhenTheReceiverGoesFirst) {
  // Handlers log outside the windows, so a delivery to the destroyed one would show.
  std::vector<int> delivered;
  auto gone = std::make_unique<Window>();
  gone->onMessage = [&](UINT) { delivered.push_back(1); };
  Window stays;
  stays.onMessage = [&](UINT) { delivered.push_back(2); };
  PostMessage(gone.get(), 0x551, 0, 0);
  PostMessage(&stays, 0x551, 0, 0);  // queued behind the dropped one
  gone.reset();
  ASSERT_TRUE(PumpUntil([&] { return !delivered.empty(); }));
  QCoreApplication::processEvents();
  EXPECT_EQ(delivered, std::vector<int>{2});
}

TEST(PostCall, RunsOnTheTargetsThreadAfterWhatWasPostedBeforeAndNotAfterTheTargetWent) {
  Window w;
  std::vector<int> order;
  w.onMessage = [&](UINT) { order.push_back(0); };
  auto gone = std::make_unique<MessageTarget>();
  TestThread poster("the poster queued a message and two calls", [&] {
    PostMessage(&w, 0x551, 0, 0);
    PostCall(w.GetMessageTarget(), [&] { order.push_back(QThread::currentThread() == qApp->thread() ? 1 : -1); });
    PostCall(gone.get(), [&] { order.push_back(2); });
  });
  ASSERT_TRUE(poster.Join());
  gone.reset();
  ASSERT_TRUE(PumpUntil([&] { return order.size() >= 2; }));
  QCoreApplication::processEvents();
  EXPECT_EQ(order, (std::vector<int>{0, 1}));
}

TEST(SendMessage, WorkerBlocksUntilTheGuiThreadHasHandledIt) {
  Window w;
  HandOver via;
  std::atomic<bool> returned{false};
  std::optional<LRESULT> result;
  TestThread worker("SendMessage returned to the worker", [&] {
    result = SendMessage(&w, 0x550, 21, 3, via);
    returned = true;
  });
  ASSERT_TRUE(PumpUntil([&] { return returned.load(); }));
  ASSERT_TRUE(worker.Join());
  ASSERT_EQ(w.received.size(), 1u);
  EXPECT_TRUE(w.received[0].onGuiThread);
  EXPECT_EQ(result, 42);
}

TEST(SendMessage, FromTheReceiversOwnThreadRunsDirectly) {
  Window w;
  HandOver via;
  EXPECT_EQ(SendMessage(&w, 0x550, 5, 0, via), 10);
  EXPECT_EQ(w.received.size(), 1u);
}

TEST(HandOver, AbandonReleasesAWaitingSenderAndTheCallNeverRuns) {
  Window w;
  HandOver via;
  std::latch posted(1);
  std::optional<LRESULT> result = 1;
  TestThread worker("the abandoned sender returned", [&] {
    posted.count_down();
    result = SendMessage(&w, 0x550, 1, 0, via);
  });
  posted.wait();
  via.Abandon();  // whether the call was posted yet or not, the worker goes on
  ASSERT_TRUE(worker.Join());
  EXPECT_FALSE(result.has_value());
  QCoreApplication::processEvents();
  EXPECT_TRUE(w.received.empty());
  // Later sends are refused at once until reopened.
  EXPECT_FALSE(via.Run(w.GetMessageTarget(), [] {}));
  via.Reopen();
  EXPECT_TRUE(via.Run(w.GetMessageTarget(), [] {}));
}

TEST(HandOver, AbandonFromInsideTheRunningCallReleasesTheSender) {
  // The GUI thread closes the sender from within the handler (a nested loop in a handler).
  Window w;
  HandOver via;
  std::atomic<bool> senderBack{false};
  std::optional<LRESULT> result = 1;
  bool senderBackSeenInHandler = false;
  w.onMessage = [&](UINT) {
    via.Abandon();
    senderBackSeenInHandler = PumpUntil([&] { return senderBack.load(); });
  };
  TestThread worker("the sender released from inside the handler returned", [&] {
    result = SendMessage(&w, 0x550, 1, 0, via);
    senderBack = true;
  });
  ASSERT_TRUE(PumpUntil([&] { return !w.received.empty(); }));
  ASSERT_TRUE(worker.Join());
  EXPECT_TRUE(senderBackSeenInHandler);
  EXPECT_FALSE(result.has_value());
}

TEST(HandOver, ReceiverDestroyedBeforeDeliveryReleasesTheSender) {
  auto w = std::make_unique<Window>();
  HandOver via;
  std::latch posted(1);
  std::atomic<bool> back{false};
  std::optional<LRESULT> result = 1;
  MessageReceiver* target = w.get();
  TestThread worker("the sender returned after its receiver went", [&] {
    posted.count_down();
    result = SendMessage(target, 0x550, 1, 0, via);
    back = true;
  });
  posted.wait();
  ASSERT_TRUE(WaitUntil([&] { return via.HasPending(); }, "the call queued, not run"));
  w.reset();
  ASSERT_TRUE(worker.Join());
  EXPECT_TRUE(back);
  EXPECT_FALSE(result.has_value());
}

TEST(HandOver, ExceptionInTheCallStillReleasesTheSender) {
  Window w;
  HandOver via;
  std::atomic<bool> back{false};
  bool ran = false;
  TestThread worker("the sender whose call threw returned", [&] {
    ran = via.Run(w.GetMessageTarget(), [] { throw std::runtime_error("short reply"); });
    back = true;
  });
  // Serve it here, where the exception can be caught (the program's notify shows it).
  ASSERT_TRUE(WaitUntil([&] { return via.HasPending(); }, "the throwing call queued"));
  EXPECT_THROW(via.ServePending(), std::runtime_error);
  ASSERT_TRUE(worker.Join());
  EXPECT_TRUE(back);
  EXPECT_TRUE(ran);
}

TEST(HandOver, WaitServingRunsTheSendersCallsUntilItIsDone) {
  MessageTarget target;
  HandOver via;
  std::vector<int> order;
  TestThread sender("the sender ran three calls and said it was done", [&] {
    for (int i = 0; i < 3; ++i) via.Run(&target, [&order, i] { order.push_back(i); });
    via.SenderDone();
  });
  EXPECT_TRUE(via.WaitServing(10000));
  ASSERT_TRUE(sender.Join());
  EXPECT_EQ(order, (std::vector<int>{0, 1, 2}));
  QCoreApplication::processEvents();  // the already-served events run nothing twice
  EXPECT_EQ(order.size(), 3u);
}

}  // namespace
