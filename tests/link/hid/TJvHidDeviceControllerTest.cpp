// The controller against the simulated device: the first pass, check-out of the unit,
// unplug and re-plug, the counters and the device-change rules, the idle path.
#include <gtest/gtest.h>

#include <cstdlib>
#include <unistd.h>

#include "Hid.h"
#include "HidBorrower.h"
#include "HidTestSupport.h"
#include "SetupApi.h"

namespace {

using ControllerTest = SimHidFixture;

void ExpectCounts(const TJvHidDeviceController& ctl, int in, int out, int unplugged) {
  EXPECT_EQ(ctl.NumCheckedInDevices(), in);
  EXPECT_EQ(ctl.NumCheckedOutDevices(), out);
  EXPECT_EQ(ctl.NumUnpluggedDevices(), unplugged);
  EXPECT_EQ(size_t(in + out + unplugged), ctl.Devices().size());
}

}  // namespace

TEST_F(ControllerTest, NoDeviceAtStartGivesExactlyOneChange) {
  TJvHidDeviceController ctl;
  HidBorrower b(ctl);
  EXPECT_EQ(b.changes, 0) << "the first pass runs from the event loop";
  ASSERT_TRUE(PumpUntil([&] { return b.changes == 1; }));
  Drain();
  EXPECT_EQ(b.changes, 1);
  EXPECT_TRUE(ctl.Devices().empty());
  EXPECT_EQ(ctl.Enumerate(), 0);
  ExpectCounts(ctl, 0, 0, 0);
  EXPECT_EQ(ctl.Version(), "1.0.34");
  ctl.SetVersion("9");
  EXPECT_EQ(ctl.Version(), "1.0.34");
}

TEST_F(ControllerTest, UnitPresentAtStartIsCheckedOutAndReadFrom) {
  SimHid::Plug();
  TJvHidDeviceController ctl;
  int arrivals = 0;
  ctl.SetOnArrival([&](TJvHidDevice* dev) {
    arrivals++;
    EXPECT_EQ(dev->ProductName(), "DSP Processor") << "an arriving device can be asked for its names";
  });
  HidBorrower b(ctl);
  ASSERT_TRUE(PumpUntil([&] { return b.Held() != nullptr; }));
  EXPECT_EQ(arrivals, 1);
  EXPECT_EQ(b.changes, 1);
  ASSERT_EQ(ctl.Devices().size(), 1u);
  EXPECT_EQ(ctl.Devices()[0], b.Held());
  ExpectCounts(ctl, 0, 1, 0);
  EXPECT_TRUE(b.Held()->HasThread());

  // Input reports reach the data handler with report ID 0 and the whole report after it.
  const uint8_t frame[] = {0x02, 0x00, 0x01, 0x00, 0x03, 0x13, 'Q', '7', 'K', 0x5A, 0x03};
  SimHid::PushInput(frame, sizeof frame);
  ASSERT_TRUE(PumpUntil([&] { return b.reports.size() == 1; }));
  EXPECT_EQ(b.reportIds[0], 0);
  ASSERT_EQ(b.reports[0].size(), 64u);
  EXPECT_TRUE(std::equal(std::begin(frame), std::end(frame), b.reports[0].begin()));
  EXPECT_TRUE(std::all_of(b.reports[0].begin() + sizeof frame, b.reports[0].end(), [](uint8_t x) { return x == 0; }));

  // A frame goes out as one report of the output length: ID 0, the frame, padding.
  ASSERT_TRUE(b.slot.WriteReport(frame, sizeof frame));
  const auto written = SimHid::WrittenReports();
  ASSERT_EQ(written.size(), 1u);
  ASSERT_EQ(written[0].size(), 65u);
  EXPECT_EQ(written[0][0], 0);
  EXPECT_TRUE(std::equal(std::begin(frame), std::end(frame), written[0].begin() + 1));
  EXPECT_TRUE(std::all_of(written[0].begin() + 1 + sizeof frame, written[0].end(), [](uint8_t x) { return x == 0; }));

  TJvHidDevice* held = b.slot.Release();
  ctl.CheckIn(held);
  EXPECT_EQ(held, nullptr);
  ExpectCounts(ctl, 1, 0, 0);
}

TEST_F(ControllerTest, UnplugWhileReadingChecksInOnceAndReplugAddsANewDevice) {
  SimHid::Plug();
  TJvHidDeviceController ctl;
  HidBorrower b(ctl);
  ASSERT_TRUE(PumpUntil([&] { return b.Held() != nullptr; }));
  const uint32_t firstId = b.Held()->PnPInfo().DeviceID();

  SimHid::Unplug();  // the read thread is waiting for a report meanwhile
  ASSERT_TRUE(PumpUntil([&] { return b.changes == 2; }));
  EXPECT_EQ(b.unplugs, 1);
  EXPECT_TRUE(b.handlesClosedAtUnplug);
  EXPECT_EQ(b.Held(), nullptr);
  EXPECT_TRUE(ctl.Devices().empty());
  ExpectCounts(ctl, 0, 0, 0);

  SimHid::Plug();
  ASSERT_TRUE(PumpUntil([&] { return b.Held() != nullptr; }));
  EXPECT_NE(b.Held()->PnPInfo().DeviceID(), firstId);
  EXPECT_EQ(b.unplugs, 1);
  ExpectCounts(ctl, 0, 1, 0);
}

TEST_F(ControllerTest, UnpluggedDeviceNotCheckedInStaysListedUntilItsCheckIn) {
  SimHid::Plug();
  TJvHidDeviceController ctl;
  HidBorrower b(ctl, /*checkInOnUnplug=*/false);
  int removals = 0;
  ctl.SetOnRemoval([&](TJvHidDevice*) {
    removals++;
    b.events.push_back("removal");
  });
  ASSERT_TRUE(PumpUntil([&] { return b.Held() != nullptr; }));
  TJvHidDevice* old = b.Held();

  b.events.clear();
  SimHid::Unplug();
  ASSERT_TRUE(PumpUntil([&] { return b.changes == 2; }));
  EXPECT_EQ(b.events, (std::vector<std::string>{"unplug", "removal", "change"}));
  EXPECT_EQ(b.unplugs, 1);
  EXPECT_EQ(removals, 1);
  ExpectCounts(ctl, 0, 0, 1);
  EXPECT_FALSE(old->IsPluggedIn());
  EXPECT_TRUE(old->IsCheckedOut());

  ctl.DeviceChange();  // every later pass counts it as gone again
  EXPECT_EQ(removals, 2);
  EXPECT_EQ(b.changes, 3);
  EXPECT_EQ(b.unplugs, 1) << "the unplug event is raised once";

  SimHid::Plug();  // the re-plugged unit is a new device at the end of the list
  ASSERT_TRUE(PumpUntil([&] { return ctl.Devices().size() == 2; }));
  EXPECT_EQ(ctl.Devices()[0], old);
  TJvHidDevice* fresh = ctl.Devices()[1];
  EXPECT_TRUE(fresh->IsPluggedIn());
  EXPECT_TRUE(fresh->IsCheckedOut()) << "the enumeration offered it and it was taken";

  TJvHidDevice* gone = old;
  ctl.CheckIn(gone);  // destroys it and takes it out of the list
  ASSERT_EQ(ctl.Devices().size(), 1u);
  EXPECT_EQ(ctl.Devices()[0], fresh);
  ExpectCounts(ctl, 0, 1, 0);
  TJvHidDevice* last = b.slot.Release();
  ctl.CheckIn(last);
}

TEST_F(ControllerTest, CheckInFromTheRemovalEventEndsTheDevice) {
  SimHid::Plug();
  TJvHidDeviceController ctl;
  HidBorrower b(ctl, /*checkInOnUnplug=*/false);
  int removals = 0;
  ctl.SetOnRemoval([&](TJvHidDevice* dev) {
    removals++;
    TJvHidDevice* held = b.slot.Release();
    EXPECT_EQ(held, dev);
    ctl.CheckIn(held);  // destroys the unplugged device while the pass raises the event
  });
  ASSERT_TRUE(PumpUntil([&] { return b.Held() != nullptr; }));
  SimHid::Unplug();
  ASSERT_TRUE(PumpUntil([&] { return b.changes == 2; }));
  EXPECT_EQ(removals, 1);
  EXPECT_TRUE(ctl.Devices().empty());
  ExpectCounts(ctl, 0, 0, 0);
}

TEST_F(ControllerTest, AnEnumerationHandlerExceptionLeavesTheDeviceAtRest) {
  SimHid::Plug();
  TJvHidDeviceController ctl;
  ASSERT_TRUE(PumpUntil([&] { return ctl.Devices().size() == 1; }));
  TJvHidDevice* dev = ctl.Devices()[0];
  ctl.SetEnumerate([](TJvHidDevice* d, int32_t) -> bool {
    d->OpenFile();
    throw std::runtime_error("handler failed");
  });
  EXPECT_THROW(ctl.Enumerate(), std::runtime_error);
  EXPECT_FALSE(dev->IsAccessible()) << "no longer inside an event";
  EXPECT_EQ(dev->HidFileHandle(), -1) << "a device at rest holds no open handle";
  ctl.SetEnumerate(nullptr);
  EXPECT_THROW(ctl.CountByCallback([](TJvHidDevice*) -> bool { throw std::runtime_error("check failed"); }),
               std::runtime_error);
  EXPECT_FALSE(dev->IsAccessible());
}

TEST_F(ControllerTest, CheckOutRules) {
  SimHid::Plug();
  TJvHidDeviceController ctl;
  ASSERT_TRUE(PumpUntil([&] { return ctl.Devices().size() == 1; }));
  TJvHidDevice* dev = reinterpret_cast<TJvHidDevice*>(1);
  EXPECT_FALSE(ctl.CheckOutByIndex(dev, -1));
  EXPECT_EQ(dev, nullptr);
  EXPECT_FALSE(ctl.CheckOutByIndex(dev, 1));
  EXPECT_FALSE(ctl.CheckOutByID(dev, SimHid::kVendorID, 0x1234));
  EXPECT_FALSE(ctl.CheckOutByProductName(dev, ""));
  EXPECT_EQ(ctl.CountByID(SimHid::kVendorID, -1), 1);
  EXPECT_EQ(ctl.CountByClass("hidraw"), 1);
  EXPECT_EQ(ctl.Enumerate(), 1) << "without an enumeration handler the walk stops at the first device";

  ASSERT_TRUE(ctl.CheckOutByID(dev, SimHid::kVendorID, -1));
  TJvHidDevice* again = nullptr;
  EXPECT_FALSE(ctl.CheckOutByIndex(again, 0)) << "a lent device is never lent twice";
  EXPECT_FALSE(ctl.CheckOut(again));
  EXPECT_FALSE(ctl.CheckOutByClass(again, "hidraw"));
  EXPECT_EQ(again, nullptr);
  EXPECT_EQ(dev->ProductName(), "DSP Processor");
  EXPECT_EQ(dev->VendorName(), "Q7K");
  ctl.CheckIn(dev);
  EXPECT_EQ(dev, nullptr);
  EXPECT_TRUE(ctl.CheckOutByClass(dev, "hidraw"));
  ctl.CheckIn(dev);
  EXPECT_TRUE(ctl.CheckOutByCallback(dev, [](TJvHidDevice* d) { return d->VendorName() == "Q7K"; }));
  ctl.CheckIn(dev);
  ExpectCounts(ctl, 1, 0, 0);
}

TEST_F(ControllerTest, NoticeDuringAPassIsDropped) {
  TJvHidDeviceController ctl;
  int changes = 0;
  ctl.SetLoading(true);
  ctl.SetDeviceChangeEvent([&](QObject*) {
    if (++changes == 1) {
      SimHid::Plug();  // its notice arrives while this pass runs a nested event loop
      Drain();
    }
  });
  ctl.SetLoading(false);
  ASSERT_TRUE(PumpUntil([&] { return changes >= 1; }));
  Drain();
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(ctl.Devices().empty());
  ctl.DeviceChange();
  EXPECT_EQ(ctl.Devices().size(), 1u);
  EXPECT_EQ(changes, 2);
}

TEST_F(ControllerTest, AHandlerExceptionDoesNotStopLaterPasses) {
  TJvHidDeviceController ctl;
  int changes = 0;
  ctl.SetLoading(true);
  ctl.SetDeviceChangeEvent([&](QObject*) {
    if (++changes == 1) throw std::runtime_error("handler failed");
  });
  ctl.SetLoading(false);
  // The first pass is a posted call; delivering it directly lets the test catch what the
  // program's event loop would report.
  bool thrown = false;
  try {
    QCoreApplication::sendPostedEvents(&ctl, QEvent::MetaCall);
  } catch (const std::runtime_error&) {
    thrown = true;
  }
  ASSERT_TRUE(thrown);
  SimHid::Plug();  // its notice must start a pass as usual
  ASSERT_TRUE(PumpUntil([&] { return changes == 2; }));
  EXPECT_EQ(ctl.Devices().size(), 1u);
}

TEST_F(ControllerTest, WithoutNoticesThePassesComeFromARescan) {
  SimHid::SetNoticesAvailable(false);
  TJvHidDeviceController ctl;
  HidBorrower b(ctl);
  ASSERT_TRUE(PumpUntil([&] { return b.changes == 1; }));
  SimHid::Plug();
  ASSERT_TRUE(PumpUntil([&] { return b.Held() != nullptr; }));
  SimHid::Unplug();
  ASSERT_TRUE(PumpUntil([&] { return ctl.Devices().empty(); }));
  EXPECT_EQ(b.unplugs, 1);
}

TEST_F(ControllerTest, HandlersPassToTheDevicesThatStillUseTheControllersOwn) {
  SimHid::Plug();
  TJvHidDeviceController ctl;
  ASSERT_TRUE(PumpUntil([&] { return ctl.Devices().size() == 1; }));
  TJvHidDevice* dev = ctl.Devices()[0];

  const TJvHidDataEvent first = [](TJvHidDevice*, uint8_t, const void*, uint16_t) {};
  ctl.SetDevData(first);
  EXPECT_TRUE(dev->OnData() == first);
  const TJvHidDataEvent own = [](TJvHidDevice*, uint8_t, const void*, uint16_t) {};
  dev->SetDataEvent(own);
  ctl.SetDevData([](TJvHidDevice*, uint8_t, const void*, uint16_t) {});
  EXPECT_TRUE(dev->OnData() == own) << "a handler set on the device itself is kept";

  int errors = 0;
  ctl.SetDevDataError([&](TJvHidDevice*, uint32_t) { errors++; });
  EXPECT_TRUE(dev->OnDataError() == ctl.OnDeviceDataError()) << "listed devices get the error handler";

  ctl.SetDevThreadSleepTime(50);
  EXPECT_EQ(dev->ThreadSleepTime(), 50);
  ctl.SetDevThreadSleepTime(5);  // out of a device's range: the device keeps its value
  EXPECT_EQ(dev->ThreadSleepTime(), 50);
  EXPECT_EQ(ctl.DevThreadSleepTime(), 5);

  SimHid::Unplug();
  SimHid::Plug();
  ctl.DeviceChange();
  ASSERT_EQ(ctl.Devices().size(), 1u);
  EXPECT_FALSE(ctl.Devices()[0]->OnDataError()) << "devices found later have no error handler";
  EXPECT_EQ(ctl.Devices()[0]->ThreadSleepTime(), 100);
}

TEST_F(ControllerTest, DestroyingAListedPluggedInDeviceLeavesAFreshOneInItsPlace) {
  SimHid::Plug();
  TJvHidDeviceController ctl;
  ASSERT_TRUE(PumpUntil([&] { return ctl.Devices().size() == 1; }));
  TJvHidDevice* dev = nullptr;
  ASSERT_TRUE(ctl.CheckOut(dev));
  const uint32_t id = dev->PnPInfo().DeviceID();
  dev->SetTag(7);
  delete dev;
  ASSERT_EQ(ctl.Devices().size(), 1u);
  EXPECT_EQ(ctl.Devices()[0]->PnPInfo().DeviceID(), id);
  EXPECT_FALSE(ctl.Devices()[0]->IsCheckedOut());
  EXPECT_EQ(ctl.Devices()[0]->Tag(), 0);
  ExpectCounts(ctl, 1, 0, 0);

  // The interface went before any pass noticed it: the fresh device cannot be opened, so
  // the entry goes and the counters follow.
  ASSERT_TRUE(ctl.CheckOut(dev));
  SimHid::Unplug();
  delete dev;
  EXPECT_TRUE(ctl.Devices().empty());
  ExpectCounts(ctl, 0, 0, 0);
}

TEST_F(ControllerTest, DestroyingTheControllerUnplugsALentDevice) {
  SimHid::Plug();
  auto ctl = std::make_unique<TJvHidDeviceController>();
  HidBorrower b(*ctl);
  ASSERT_TRUE(PumpUntil([&] { return b.Held() != nullptr; }));
  TJvHidDevice* dev = b.Held();
  dev->SetOnUnplug([&](TJvHidDevice* d) {
    b.unplugs++;
    TJvHidDevice* held = b.slot.Release();
    EXPECT_EQ(held, d);
    delete held;  // what a borrower's check-in amounts to once the controller is gone
  });
  ctl.reset();
  EXPECT_EQ(b.unplugs, 1);
  EXPECT_FALSE(IsHidLoaded());
  EXPECT_FALSE(IsSetupApiLoaded());
}

TEST_F(ControllerTest, MissingLibraryLeavesTheLayerIdle) {
  for (const char* file : {"/nonexistent/libq7khid.so", "libm.so.6"}) {
    ::setenv("Q7K_HID_LIBRARY", file, 1);
    SimHid::Plug();
    TJvHidDeviceController ctl;
    HidBorrower b(ctl);
    Drain();
    EXPECT_EQ(b.changes, 0) << file;
    ctl.DeviceChange();
    EXPECT_EQ(b.changes, 0) << file;
    EXPECT_TRUE(ctl.Devices().empty());
    EXPECT_EQ(ctl.Enumerate(), 0);
    TJvHidDevice* dev = nullptr;
    EXPECT_FALSE(ctl.CheckOut(dev));
    EXPECT_EQ(ctl.CountByID(SimHid::kVendorID, -1), 0);
    EXPECT_FALSE(IsHidLoaded());
    EXPECT_EQ(ctl.HidGuid(), QUuid("{4D1E55B2-F16F-11CF-88CB-001111000030}"));
  }
}

TEST_F(ControllerTest, ThePlatformLibraryRunsTheLayerOnAnEmptySystem) {
  char dir[] = "/tmp/q7k_hid_emptyXXXXXX";
  ASSERT_NE(::mkdtemp(dir), nullptr);
  ::setenv("Q7K_HID_SYSFS", dir, 1);  // no hidraw class at all
  ::setenv("Q7K_HID_LIBRARY", HIDLIB_FILE, 1);
  {
    TJvHidDeviceController ctl;
    HidBorrower b(ctl);
    EXPECT_TRUE(IsHidLoaded());
    ASSERT_TRUE(PumpUntil([&] { return b.changes == 1; }));
    EXPECT_TRUE(ctl.Devices().empty());
  }
  ::unsetenv("Q7K_HID_SYSFS");
  ::rmdir(dir);
}
