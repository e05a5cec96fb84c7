// The USB link exchanging frames with the simulated unit through the simulated HID
// device, the way the main window connects them: the link writes through the held
// device, input reports go to the link cut to their frame's length.

#include <gtest/gtest.h>

#include <algorithm>

#include "CommandCode.h"
#include "HidBorrower.h"
#include "HidTestSupport.h"
#include "LCmd.h"
#include "LUsbProc.h"
#include "LinkMessages.h"
#include "SimHidUnitLink.h"
#include "SimUnit.h"

namespace {

class UsbOwner : public LinkOwner {
 public:
  explicit UsbOwner(HidBorrower& borrower) : b(borrower) {
    b.ctl.SetDevData([this](TJvHidDevice*, uint8_t, const void* data, uint16_t size) {
      const auto* bytes = static_cast<const uint8_t*>(data);
      const int length = std::min<int>(size, size > 4 ? bytes[4] + 8 : size);
      handedToLink.push_back(length);
      if (link) link->PutReceived(bytes, length);
    });
  }
  int GetDeviceId() const override { return 1; }
  void UsbWrite(const std::uint8_t* bytes, int count) override {
    if (link) b.slot.WriteReport(bytes, count);
  }
  void NetWrite(const std::uint8_t*, int) override {}
  void LogComWrite(const std::uint8_t*, int) override {}
  void LogComRead(const std::uint8_t*, int) override {}
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM) override {
    if (msg == WM_LINK_REPLY) replies.push_back(ReplyFrame(wParam));
    if (msg == WM_LINK_ERROR) errors.push_back(int(wParam));
    return 0;
  }

  HidBorrower& b;
  LUsbProc* link = nullptr;
  std::vector<ByteArray> replies;
  std::vector<int> errors;
  std::vector<int> handedToLink;
};

class UsbLinkTest : public SimHidFixture {
 protected:
  void SetUp() override {
    SimHidFixture::SetUp();
    SimHid::Plug();
    bridge = std::make_unique<SimHidUnitLink>(unit);
    ctl = std::make_unique<TJvHidDeviceController>();
    b = std::make_unique<HidBorrower>(*ctl);
    owner = std::make_unique<UsbOwner>(*b);
    ASSERT_TRUE(PumpUntil([&] { return b->Held() != nullptr; }));
    link = std::make_unique<LUsbProc>(owner.get());
    owner->link = link.get();
    link->SetQuiet(true);  // no keep-alive polls in the counts
    ASSERT_TRUE(link->Open());
  }
  void TearDown() override {
    link->Close();
    owner->link = nullptr;
    link.reset();
    owner.reset();
    b.reset();
    ctl.reset();
    bridge.reset();
    SimHidFixture::TearDown();
  }

  size_t FramesWithCode(uint8_t code) const {
    const auto frames = unit.Frames();
    return size_t(std::count_if(frames.begin(), frames.end(), [&](const SimUnitFrame& f) { return f.Code() == code; }));
  }

  SimUnit unit;
  std::unique_ptr<SimHidUnitLink> bridge;
  std::unique_ptr<TJvHidDeviceController> ctl;
  std::unique_ptr<HidBorrower> b;
  std::unique_ptr<UsbOwner> owner;
  std::unique_ptr<LUsbProc> link;
};

}  // namespace

TEST_F(UsbLinkTest, ExchangesFramesWithTheUnit) {
  link->SetWaitTimeout(5000);
  link->Enqueue(LCmd(1, CMD_CONNECT).Serialise(), false);
  link->Enqueue(LCmd(1, CMD_IDENTITY).Serialise(), false);
  ASSERT_TRUE(PumpUntil([&] { return owner->replies.size() == 2; }));
  EXPECT_EQ(LCmd(owner->replies[0]).GetCode(), CMD_CONNECT);
  const LCmd identity(owner->replies[1]);
  EXPECT_EQ(identity.GetCode(), CMD_IDENTITY);
  const ByteArray& text = identity.GetPayload();
  EXPECT_EQ(std::string(text.begin(), text.begin() + std::min<size_t>(8, text.size())), "Q7K V010");

  // Each frame went out as one 65-byte report: ID 0, the frame, zero padding.
  const auto written = SimHid::WrittenReports();
  ASSERT_EQ(written.size(), 2u);
  const ByteArray connect = LCmd(1, CMD_CONNECT).Serialise();
  EXPECT_EQ(written[0].size(), 65u);
  EXPECT_EQ(written[0][0], 0);
  EXPECT_TRUE(std::equal(connect.begin(), connect.end(), written[0].begin() + 1));
  EXPECT_TRUE(std::all_of(written[0].begin() + 1 + connect.size(), written[0].end(), [](uint8_t x) { return x == 0; }));
  EXPECT_EQ(FramesWithCode(CMD_CONNECT), 1u);
  EXPECT_EQ(FramesWithCode(CMD_IDENTITY), 1u);
  // The 64-byte input reports reached the link cut to their frames.
  ASSERT_EQ(owner->handedToLink.size(), 2u);
  EXPECT_EQ(owner->handedToLink[0], int(owner->replies[0].size()));
  EXPECT_EQ(owner->handedToLink[1], int(owner->replies[1].size()));
  EXPECT_TRUE(owner->errors.empty());
}

TEST_F(UsbLinkTest, UnansweredFrameIsWrittenRetryLimitPlusOneTimesThenFails) {
  unit.AddFault({SimUnitFaultKind::Drop, -1, -1});
  link->SetMaxRetries(3);
  link->SetWaitTimeout(20);
  link->Enqueue(LCmd(1, CMD_CONNECT).Serialise(), false);
  ASSERT_TRUE(PumpUntil([&] { return !owner->errors.empty(); }));
  EXPECT_EQ(owner->errors[0], LINK_ERROR_NO_REPLY);
  EXPECT_EQ(FramesWithCode(CMD_CONNECT), 4u);
  EXPECT_EQ(SimHid::WrittenReports().size(), 4u);
  EXPECT_TRUE(owner->replies.empty());
}

TEST_F(UsbLinkTest, UnitUnpluggedWhileLinkedStopsTheWrites) {
  link->SetMaxRetries(3);
  link->SetWaitTimeout(20);
  unit.AddFault({SimUnitFaultKind::Drop, -1, -1});
  SimHid::Unplug();
  ASSERT_TRUE(PumpUntil([&] { return b->Held() == nullptr; }));
  link->Enqueue(LCmd(1, CMD_CONNECT).Serialise(), false);
  ASSERT_TRUE(PumpUntil([&] { return !owner->errors.empty(); }));
  EXPECT_TRUE(SimHid::WrittenReports().empty()) << "no device held: the writes are skipped";
  EXPECT_EQ(b->unplugs, 1);
}

