// Devices and their read threads against the simulated device: creation rules, the
// thread's conditions, delivery, unplug and check-in from inside handlers, writes that
// stop at the unplug, and the queries without a platform source.
#include <gtest/gtest.h>

#include <atomic>

#include "HidBorrower.h"
#include "HidErrors.h"
#include "HidTestSupport.h"
#include "TJvHidDeviceReadThread.h"
#include "messages/MessageTarget.h"
#include "thread/HappensBefore.h"

namespace {

class DeviceTest : public SimHidFixture {
 protected:
  // A controller with the unit plugged in and listed.
  void Start(bool checkInOnUnplug = true) {
    SimHid::Plug();
    ctl = std::make_unique<TJvHidDeviceController>();
    b = std::make_unique<HidBorrower>(*ctl, checkInOnUnplug);
    ASSERT_TRUE(PumpUntil([&] { return b->Held() != nullptr; }));
  }
  void TearDown() override {
    b.reset();
    ctl.reset();
    SimHidFixture::TearDown();
  }

  std::unique_ptr<TJvHidDeviceController> ctl;
  std::unique_ptr<HidBorrower> b;
};

// Unplugs the device when the first hand-over is about to run.
class UnplugBeforeHandOver : public QObject {
 public:
  explicit UnplugBeforeHandOver(TJvHidDevice* dev) : dev_(dev) {}
  bool eventFilter(QObject*, QEvent* e) override {
    // An application filter sees a posted message before its target does: take over the
    // poster's order here too, before the event is read.
    HappensAfter(e);
    if (e->type() == MessageTarget::EventType() && handOvers++ == 0) dev_->DoUnplug();
    return false;
  }
  int handOvers = 0;

 private:
  TJvHidDevice* dev_;
};

}  // namespace

TEST_F(DeviceTest, DirectCreationIsRefused) {
  try {
    TJvHidDevice dev;
    FAIL();
  } catch (const EControllerError& e) {
    EXPECT_STREQ(e.what(), "Direct creation of a TJvHidDevice object is not allowed");
  }
  try {
    TJvHidDeviceReadThread thread(nullptr);
    FAIL();
  } catch (const EControllerError& e) {
    EXPECT_STREQ(e.what(), "Direct creation of a TJvDeviceReadThread object is not allowed");
  }
}

TEST_F(DeviceTest, SleepTimeAcceptsTenToTenThousand) {
  Start();
  TJvHidDevice* dev = b->Held();
  const struct {
    int32_t set, expect;
  } cases[] = {{9, 100}, {10, 10}, {10001, 10}, {10000, 10000}};
  for (const auto& c : cases) {
    dev->SetThreadSleepTime(c.set);
    EXPECT_EQ(dev->ThreadSleepTime(), c.expect) << c.set;
  }
}

TEST_F(DeviceTest, DataHandlerStartsAndStopsTheThread) {
  Start();
  TJvHidDevice* dev = b->Held();
  ASSERT_TRUE(dev->HasThread());
  const TJvHidDataEvent handler = dev->OnData();
  dev->SetDataEvent(nullptr);
  EXPECT_FALSE(dev->HasThread()) << "stopped and freed before the call returns";
  dev->SetDataEvent(handler);
  EXPECT_TRUE(dev->HasThread());
  const uint8_t data[] = {1, 2, 3};
  SimHid::PushInput(data, sizeof data);
  ASSERT_TRUE(PumpUntil([&] { return b->reports.size() == 1; }));
}

TEST_F(DeviceTest, ReportOfNBytesGivesIdAndNMinusOneBytes) {
  SimHid::SetReportLengths(9, 65);
  Start();
  const uint8_t data[] = {10, 11, 12, 13, 14, 15, 16, 17, 18, 19};
  SimHid::PushInput(data, sizeof data);
  ASSERT_TRUE(PumpUntil([&] { return b->reports.size() == 1; }));
  EXPECT_EQ(b->reportIds[0], 0);
  EXPECT_EQ(b->reports[0], std::vector<uint8_t>(data, data + 8));
}

TEST_F(DeviceTest, NoThreadWithoutInputReportsOrReadWriteAccess) {
  SimHid::SetReportLengths(0, 65);
  Start();
  EXPECT_FALSE(b->Held()->HasThread());
  const uint8_t frame[] = {2, 0, 1, 0, 0, 16, 0, 3};
  EXPECT_TRUE(b->slot.WriteReport(frame, sizeof frame));
  EXPECT_EQ(SimHid::WrittenReports().size(), 1u);
  b.reset();
  ctl.reset();

  SimHid::Reset();
  SimHid::SetReadWriteAccess(false);
  Start();
  TJvHidDevice* dev = b->Held();
  EXPECT_FALSE(dev->HasReadWriteAccess()) << "opened for queries only";
  EXPECT_FALSE(dev->HasThread());
  uint32_t written = 1;
  const uint8_t report[65] = {};
  EXPECT_FALSE(dev->WriteFile(report, sizeof report, written));
  EXPECT_EQ(written, 0u);
}

TEST_F(DeviceTest, CheckInFromTheDataHandlerDoesNotDeadlock) {
  Start();
  int delivered = 0;
  b->Held()->SetDataEvent([&](TJvHidDevice* dev, uint8_t, const void*, uint16_t) {
    delivered++;
    TJvHidDevice* held = b->slot.Release();
    EXPECT_EQ(held, dev);
    ctl->CheckIn(held);  // stops the read thread that waits for this very call
  });
  const uint8_t data[] = {1, 2};
  SimHid::PushInput(data, sizeof data);
  SimHid::PushInput(data, sizeof data);
  ASSERT_TRUE(PumpUntil([&] { return delivered == 1 && !ctl->Devices()[0]->IsCheckedOut(); }));
  Drain();
  EXPECT_EQ(delivered, 1);
  EXPECT_FALSE(ctl->Devices()[0]->HasThread());
}

TEST_F(DeviceTest, NothingIsDeliveredAfterTheUnplug) {
  Start(/*checkInOnUnplug=*/false);
  TJvHidDevice* dev = b->Held();
  // The read thread has read a report and waits for its hand-over; the unplug runs on the
  // GUI thread just before the hand-over does.
  UnplugBeforeHandOver filter(dev);
  qApp->installEventFilter(&filter);
  const uint8_t data[] = {7, 7, 7};
  SimHid::PushInput(data, sizeof data);
  ASSERT_TRUE(PumpUntil([&] { return filter.handOvers > 0; }));
  qApp->removeEventFilter(&filter);
  Drain();
  EXPECT_EQ(b->unplugs, 1);
  EXPECT_TRUE(b->reports.empty());
  TJvHidDevice* held = b->slot.Release();
  ctl->CheckIn(held);  // an unplugged device goes with its check-in
  EXPECT_TRUE(ctl->Devices().empty());
  EXPECT_TRUE(b->reports.empty());
}

TEST_F(DeviceTest, NoWriteStartsAfterTheUnplug) {
  Start(/*checkInOnUnplug=*/false);
  TJvHidDevice* dev = b->Held();
  std::atomic<bool> unplugged{false};
  std::atomic<int> refusedAfter{0};
  std::atomic<int> acceptedAfter{0};
  TestThread writer("the writer made 50 writes after the unplug", [&] {
    uint8_t report[65] = {0, 2, 0, 1, 0, 0, 16, 0, 3};
    while (refusedAfter + acceptedAfter < 50) {
      const bool after = unplugged;
      uint32_t written = 0;
      const bool ok = dev->WriteFile(report, sizeof report, written);
      if (after) (ok ? acceptedAfter : refusedAfter)++;
    }
  });
  // Waits without running the event loop (so no hand-over is served meanwhile).
  ASSERT_TRUE(WaitUntil([] { return SimHid::WrittenReports().size() >= 20; }, "20 reports written"));
  dev->DoUnplug();  // the interface is still there: only the device stops the writes
  const size_t count = SimHid::WrittenReports().size();
  unplugged = true;
  ASSERT_TRUE(writer.Join());
  EXPECT_EQ(acceptedAfter, 0);
  EXPECT_EQ(SimHid::WrittenReports().size(), count);
  TJvHidDevice* held = b->slot.Release();
  ctl->CheckIn(held);
}

TEST_F(DeviceTest, QueriesWithoutAPlatformSourceAnswerNotAvailable) {
  Start();
  TJvHidDevice* lent = b->Held();
  uint32_t usages = 0;
  EXPECT_EQ(lent->GetUsages(nullptr, usages, nullptr, 0), 0xC0110020u);
  uint16_t count = 0;
  EXPECT_EQ(lent->GetButtonCaps(nullptr, count), 0xC0110020u);
  uint32_t length = 0;
  EXPECT_EQ(lent->GetExtendedAttributes(0, 0, nullptr, length), 0xC0110020u);
  EXPECT_TRUE(lent->GetDeviceStringUnicode(0).isEmpty());
  EXPECT_TRUE(lent->SerialNumber().isEmpty());
  EXPECT_TRUE(lent->PhysicalDescriptor().empty());
  EXPECT_TRUE(lent->LanguageStrings().isEmpty());
  const HIDP_LINK_COLLECTION_NODE node = lent->GetLinkCollectionNode(1);  // the count: past the end
  EXPECT_EQ(node.LinkUsagePage, 0);
  EXPECT_EQ(node.NumberOfChildren, 0);
  EXPECT_EQ(lent->Caps().InputReportByteLength, 65);
  EXPECT_EQ(lent->Caps().OutputReportByteLength, 65);

  TJvHidDevice* held = b->slot.Release();
  ctl->CheckIn(held);
  TJvHidDevice* rest = ctl->Devices()[0];
  EXPECT_EQ(rest->GetValueCaps(nullptr, count), 0x80110001u) << "not accessible";
  EXPECT_EQ(rest->VendorName(), "") << "a device at rest opens no handle, so its name was never read";
}
