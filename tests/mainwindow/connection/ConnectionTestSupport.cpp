#include "ConnectionTestSupport.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <algorithm>
#include <cstddef>
#include <cstdlib>

#include "CommandCode.h"
#include "Dialogs.h"
#include "LUnitControl.h"
#include "LinkOwner.h"
#include "McsCommands.h"
#include "SimHidDevice.h"
#include "SimHidUnitLink.h"
#include "SimUnitPty.h"
#include "SimUnitTcpServer.h"
#include "FInformation.h"
#include "FLockPassWord.h"
#include "FNetWorkScan.h"
#include "FProcess.h"
#include "RzBmpBtn.h"
#include "TfmMain.h"
#include "messages/MessageTarget.h"
#include "thread/HappensBefore.h"
#include "serial/SerialPortList.h"
#include "timer/TTimer.h"
#include "ui/MessageBoxes.h"
#include "ui/TForm.h"

namespace {

constexpr int kPtyPort = 3;

// Watches the window's message target: the callback runs before each event delivered to it.
class DeliveryFilter : public QObject {
 public:
  DeliveryFilter(QObject* target, std::function<void()> before) : target_(target), before_(std::move(before)) {
    QCoreApplication::instance()->installEventFilter(this);
  }
  ~DeliveryFilter() override { QCoreApplication::instance()->removeEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != target_) return false;
    // An application filter sees a posted message before its target does: take over the
    // poster's order here too, before the event is read.
    HappensAfter(event);
    if (event->type() == MessageTarget::EventType()) before_();
    return false;
  }

 private:
  QObject* target_;
  std::function<void()> before_;
};

// Every WhenShown watcher, stopped when the fixture ends.
std::vector<QPointer<QTimer>>& Watchers() {
  static std::vector<QPointer<QTimer>> watchers;
  return watchers;
}

TfmMain* CreateEditor() {
  TfmMain::InstanceKey() = QStringLiteral("q7k-connection-test-%1").arg(QCoreApplication::applicationPid());
  auto* window = new TfmMain(nullptr);
  CreateDialogs();
  window->Show();
  return window;
}

void DestroyEditor(TfmMain* window) {
  if (!window) return;
  window->ShutDownLinks();
  DestroyDialogs();
  delete window;
}

}  // namespace

std::string Describe(const SimUnitFrame& frame) {
  const SimBytes payload = frame.Payload();
  std::string text = std::to_string(frame.Code());
  if (!payload.empty()) text += ":" + std::to_string(payload[0]);
  return text;
}

std::vector<std::string> Describe(const std::vector<SimUnitFrame>& frames) {
  std::vector<std::string> out;
  for (const SimUnitFrame& f : frames) out.push_back(Describe(f));
  return out;
}

std::vector<std::string> FullReadRequests() {
  std::vector<std::string> steps{"34", "20"};
  for (int i = 0; i < 30; ++i) steps.push_back("41:" + std::to_string(i));
  for (int i = 0; i < 15; ++i) steps.push_back("39:" + std::to_string(i));
  steps.push_back("18");
  return steps;
}

std::vector<std::string> HandshakeAndRead() {
  std::vector<std::string> all{"16", "19", "44"};
  const std::vector<std::string> read = FullReadRequests();
  all.insert(all.end(), read.begin(), read.end());
  return all;
}

ByteArray EditorFrame(std::uint8_t code, int arg, std::uint8_t id) {
  return arg < 0 ? CM_MCS_CMD(id, code).Serialise() : CM_MCS_CMD(id, code, arg).Serialise();
}

void When(std::function<bool()> done, std::function<void()> body) {
  auto* watcher = new QTimer(QCoreApplication::instance());
  Watchers().push_back(watcher);
  QObject::connect(watcher, &QTimer::timeout, watcher,
                   [watcher, done = std::move(done), body = std::move(body)] {
                     if (!done()) return;
                     watcher->stop();
                     watcher->deleteLater();
                     body();
                   });
  watcher->start(2);
}

void WhenShown(TForm& form, std::function<void()> body) {
  QPointer<TForm> alive(&form);
  When([alive] { return alive && alive->isVisible(); }, std::move(body));
}

// A test whose steps leave a modal window open would wait in it for ever: after six times the
// wait limit (room for the longest session on a loaded machine) the windows that may be open
// are closed and the test fails.
static void CloseModalsAfterTheLimit() {
  auto* guard = new QTimer(QCoreApplication::instance());
  Watchers().push_back(guard);
  guard->setSingleShot(true);
  QObject::connect(guard, &QTimer::timeout, [] {
    std::string open;
    for (TForm* f : {static_cast<TForm*>(fmLockPassWord), static_cast<TForm*>(fmInformation),
                     static_cast<TForm*>(fmProcess), static_cast<TForm*>(fmNetwork)})
      if (f && f->isVisible()) open += " " + f->objectName().toStdString();
    ADD_FAILURE() << "a modal window was still open after " << 6 * kWaitLimit.count() << " s:" << open;
    if (fmLockPassWord && fmLockPassWord->isVisible()) fmLockPassWord->bnCancel->Click();
    if (fmInformation && fmInformation->isVisible()) fmInformation->btnOK->Click();
    if (fmProcess && fmProcess->isVisible()) fmProcess->Close();
    if (fmNetwork && fmNetwork->isVisible()) fmNetwork->btnExit->Click();
  });
  guard->start(int(std::chrono::milliseconds(6 * kWaitLimit).count()));
}

void ConnectionTest::SetUp() {
  CloseModalsAfterTheLimit();
  ::setenv("Q7K_HID_LIBRARY", SIMHID_FILE, 1);
  SimHid::Reset();
  SerialPortList::SetOverride({});
  SetMessageBoxHook([this](const QString& text, const QString& caption, unsigned) {
    boxes.push_back((caption + ": " + text).toStdString());
    return IDOK;
  });
}

void ConnectionTest::TearDown() {
  for (QPointer<QTimer>& w : Watchers())
    delete w.data();
  Watchers().clear();
  deliveryFilter_.reset();
  DestroyEditor(window);
  window = nullptr;
  hid.reset();
  pty.reset();
  tcp.reset();
  SimHid::Reset();
  SerialPortList::ClearOverride();
  SetMessageBoxHook(nullptr);
}

void ConnectionTest::Attach(Transport transport) {
  switch (transport) {
    case Transport::Tcp: tcp = std::make_unique<SimUnitTcpServer>(unit, "192.168.1.101", 9761); break;
    case Transport::Pty:
      pty = std::make_unique<SimUnitPty>(unit);
      SerialPortList::SetOverride({{kPtyPort, pty->SlavePath()}});
      break;
    case Transport::Hid:
      hid = std::make_unique<SimHidUnitLink>(unit);
      SimHid::Plug();
      break;
  }
}

void ConnectionTest::StartEditor() {
  window = CreateEditor();
  LinkTimes times = window->Times();
  times.disconnect = times.linkBroken = 20;
  times.unlock = 50;
  times.upload = times.uploadSettle = 20;
  window->SetTimes(times);
  ScanTimes scan = fmNetwork->Times();
  scan.run = 10;
  fmNetwork->SetTimes(scan);
  // Only the transport a test attached is tried: without a server the address is cleared.
  if (!tcp) window->SetAutoAddress(1);
}

void ConnectionTest::ShortenTimeOuts() {
  // A tenth of the figures or so, with room left for a loaded machine: the link gives up only
  // after several silent time-outs in a row. The scan's watchdogs keep theirs: a try without
  // an answer ends by its link's own time-outs first.
  LinkTimes times = window->Times();
  times.comOpen = 300;
  times.netOpen = 400;
  times.connected = times.step = times.storeStep = times.store = 800;
  times.online = times.onlineUsb = 400;
  times.file = 3000;
  times.readWatchdog = 3000;
  window->SetTimes(times);
}

::testing::AssertionResult ConnectionTest::Until(const std::function<bool()>& done, const char* what) {
  if (PumpUntil(done)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "waited " << kWaitLimit.count() << " s for: " << what;
}

::testing::AssertionResult ConnectionTest::WaitForRead() {
  return Until([this] { return window->FOnline && window->tmInLevelDet->GetEnabled(); },
               "the editor online with the unit read");
}

std::vector<std::string> ConnectionTest::Requests() const {
  std::vector<std::string> out;
  for (const SimUnitFrame& f : unit.Frames())
    if (f.Code() != CMD_LEVELS) out.push_back(Describe(f));
  return out;
}

ImageBytes ConnectionTest::PatternImage() {
  // The default image with its name, channel names, gains and delays changed, so that every
  // piece differs from what the window starts with.
  ImageBytes image = SimUnit().GetImage();
  const auto put = [&](std::size_t at, int word) {
    image[at] = static_cast<std::uint8_t>(word);
    image[at + 1] = static_cast<std::uint8_t>(word >> 8);
  };
  const char name[] = "Pattern Preset";
  std::copy(name, name + kPresetNameSize, image.begin() + offsetof(UnitImage, presetName));
  for (int ch = 0; ch < kChannelCount; ++ch) {
    const bool in = ch < 2;
    const std::size_t block = in ? offsetof(UnitImage, inputs) + ch * sizeof(InputBlock)
                                 : offsetof(UnitImage, outputs) + (ch - 2) * sizeof(OutputBlock);
    image[block] = static_cast<std::uint8_t>('a' + ch);
    put(block + (in ? offsetof(InputBlock, gain) : offsetof(OutputBlock, gain)), 200 + 10 * ch);
    put(block + (in ? offsetof(InputBlock, delay) : offsetof(OutputBlock, delay)), 96 * (ch + 1));
  }
  return image;
}

::testing::AssertionResult ConnectionTest::ImageMatchesUnit() const {
  const ImageBytes mine = ToBytes(window->UnitControl().Image());
  const ImageBytes theirs = unit.GetImage();
  for (std::size_t i = 2; i < mine.size(); ++i)
    if (mine[i] != theirs[i])
      return ::testing::AssertionFailure() << "image byte " << i << ": window " << int(mine[i]) << ", unit "
                                           << int(theirs[i]);
  return ::testing::AssertionSuccess();
}

void ConnectionTest::BeforeEachDelivery(std::function<void()> before) {
  deliveryFilter_ = std::make_unique<DeliveryFilter>(window->GetLinkOwner()->GetMessageTarget(), std::move(before));
}
