// The main window's link management: opening a serial, USB or network link and sending the
// connect request, closing it and going offline, the one sending entry, the link setters,
// the reaction to link failures, the connect button and its timers, the network writer and
// socket events, and the traffic-log lines.
#include "TfmMain.h"

#include "CommandCode.h"
#include "FHidData.h"
#include "FNetWorkScan.h"
#include "FNetworkSetup.h"
#include "LCommProc.h"
#include "LNetProc.h"
#include "LUsbProc.h"
#include "LinkMessages.h"
#include "LinkOwner.h"
#include "McsCommands.h"
#include "ProgramConstants.h"
#include "RzBmpBtn.h"
#include "RzLabel.h"
#include "TJvHidDevice.h"
#include "TJvHidDeviceController.h"
#include "graphics/TColor.h"
#include "messages/QueuedCall.h"
#include "serial/SerialPort.h"
#include "serial/SerialPortList.h"
#include "socket/TClientSocket.h"
#include "timer/TTimer.h"
#include "ui/TEdit.h"
#include "ui/TGroupBox.h"
#include "ui/TMenu.h"
#include "ui/TProgressBar.h"
#include "ui/TRadioButton.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <mutex>

namespace {

constexpr int kBaudRate = 115200;
// A socket read takes at most this many bytes; reads of kShortRead bytes or fewer make the
// editor write the frame waiting for its answer again.
constexpr int kSocketChunk = 100;
constexpr int kShortRead = 5;

// Calls `f` with the active link (serial, else USB, else network); false when none exists.
template <class F>
bool ForActiveLink(TfmMain& m, F&& f) {
  if (m.FCommLink) {
    f(*m.FCommLink);
  } else if (m.FUsbLink) {
    f(*m.FUsbLink);
  } else if (m.FNetLink) {
    f(*m.FNetLink);
  } else {
    return false;
  }
  return true;
}

}  // namespace

// --- creation and shut-down

void TfmMain::CreateLinkParts() {
  const auto timer = [this](int ms, void (TfmMain::*handler)(QObject*)) {
    auto* t = new TTimer(this);
    t->SetEnabled(false);
    t->SetInterval(ms);
    t->SetOnTimer([this, handler](QObject* s) { (this->*handler)(s); });
    return t;
  };
  tmLinkBroken = timer(FTimes.linkBroken, &TfmMain::tmLinkBrokenTimer);
  tmUnlock = timer(FTimes.unlock, &TfmMain::tmUnlockTimer);
  tmProcessShow = timer(100, &TfmMain::tmProcessShowTimer);
  tmInLevelDet = timer(300, &TfmMain::tmInLevelDetTimer);
  tmReadTimeout = timer(FTimes.readWatchdog, &TfmMain::tmReadTimeoutTimer);

  NetworkSetup->OnClick = [this](TMenuItem*) { NetworkSetupClick(); };

  ClientSocket->OnConnecting = [this](QObject* s) { ClientSocketConnecting(s); };
  ClientSocket->OnConnect = [this](QObject* s) { ClientSocketConnect(s); };
  ClientSocket->OnRead = [this](QObject* s) { ClientSocketRead(s); };
  ClientSocket->OnError = [this](QObject* s, TErrorEvent, int& code) { ClientSocketError(s, code); };

  // The handlers are in place before the controller's first device-change pass, which it
  // runs from the event loop.
  HidCtl = new TJvHidDeviceController(this);
  HidCtl->SetLoading(true);
  HidCtl->SetDevDataError([this](TJvHidDevice* d, std::uint32_t e) { HidCtlDeviceDataError(d, e); });
  HidCtl->SetDevData([this](TJvHidDevice* d, std::uint8_t id, const void* data, std::uint16_t size) {
    HidCtlDeviceData(d, id, data, size);
  });
  HidCtl->SetDevUnplug([this](TJvHidDevice* d) { HidCtlDeviceUnplug(d); });
  HidCtl->SetEnumerate([this](TJvHidDevice* d, std::int32_t i) { return HidCtlEnumerate(d, i); });
  HidCtl->SetDeviceChangeEvent([this](QObject* s) { HidCtlDeviceChange(s); });
  HidCtl->SetLoading(false);
}

void TfmMain::ShutDownLinks() {
  for (TTimer* t : {tmStartConnect, tmDisconnect, tmComScan, tmLinkBroken, tmUnlock, tmProcessShow, tmInLevelDet,
                    tmReadTimeout})
    if (t) t->SetEnabled(false);
  // The links stop writing before the device they write to is given back.
  FCommLink.reset();
  FUsbLink.reset();
  FNetLink.reset();
  FRetiredLinks.clear();
  if (TJvHidDevice* held = FHidSlot.Release()) HidCtl->CheckIn(held);
}

void TfmMain::SetTimes(const LinkTimes& times) {
  FTimes = times;
  tmStartConnect->SetInterval(times.startConnect);
  tmDisconnect->SetInterval(times.disconnect);
  tmLinkBroken->SetInterval(times.linkBroken);
  tmUnlock->SetInterval(times.unlock);
  tmUpload->SetInterval(times.upload);
}

// --- sending and link settings

void TfmMain::SendCmd(const LCmd& cmd, bool append) {
  const ByteArray frame = cmd.Serialise();
  ForActiveLink(*this, [&](auto& link) { link.Enqueue(frame, append); });
}

void TfmMain::SetLinkTimeout(int ms) {
  ForActiveLink(*this, [&](auto& link) { link.SetWaitTimeout(ms); });
}

void TfmMain::SetLinkRetries(int n) {
  ForActiveLink(*this, [&](auto& link) { link.SetMaxRetries(n); });
}

void TfmMain::SetLinkQuiet(bool quiet) {
  ForActiveLink(*this, [&](auto& link) { link.SetQuiet(quiet); });
}

void TfmMain::SetDeviceId(int id) {
  if (id < 1 || id > 254) return;
  FDeviceId = static_cast<std::uint8_t>(id);
  lbShowIdNumber->SetCaption(QStringLiteral("ID : %1").arg(id));
  ForActiveLink(*this, [&](auto& link) { link.SetUnitId(id); });
}

void TfmMain::SendCode(std::uint8_t code, bool append) { SendCmd(CM_MCS_CMD(FDeviceId, code), append); }

// --- opening and closing

template <class LinkType>
void TfmMain::DropLink(std::unique_ptr<LinkType>& link) {
  if (!link) return;
  link->Close();
  // A link whose reply is being handled lives on until that delivery has returned.
  if (FDeliveryDepth > 0) {
    FRetiredLinks.push_back(std::move(link));
    return;
  }
  link.reset();
}

void TfmMain::LinkOpened(int timeoutMs) {
  SetLinkTimeout(timeoutMs);
  SetLinkRetries(FTimes.openRetries);
  FConnectPending = true;
  SendCode(CMD_CONNECT, true);
}

void TfmMain::OpenComLink() {
  FConnected = false;
  DropLink(FCommLink);
  FCommLink = std::make_unique<LCommProc>(GetLinkOwner());
  // The port is named by all its trailing digits ("COM3", "\\.\COM12", "\\.\COM123").
  const int port = SerialPortList::ParseName(FComPortName);
  if (port > 0 && FCommLink->Open(port, kBaudRate, 8, NOPARITY, ONESTOPBIT)) {
    LinkOpened(FTimes.comOpen);
    return;
  }
  DropLink(FCommLink);
  fmNetwork->LinkBroken();
}

void TfmMain::OpenUsbLink() {
  FConnected = false;
  DropLink(FUsbLink);
  FUsbLink = std::make_unique<LUsbProc>(GetLinkOwner());
  if (FUsbLink->Open()) {
    LinkOpened(FTimes.usbOpen);
    return;
  }
  DropLink(FUsbLink);
  fmNetwork->SetConnected(0);
}

void TfmMain::OpenNetLink() {
  FConnected = false;
  DropLink(FNetLink);
  FNetLink = std::make_unique<LNetProc>(GetLinkOwner());
  if (FNetLink->Open()) {
    LinkOpened(FTimes.netOpen);
    return;
  }
  DropLink(FNetLink);
  fmNetwork->SetConnected(0);
}

void TfmMain::DropActiveLink() {
  if (FCommLink) {
    DropLink(FCommLink);
  } else if (FUsbLink) {
    DropLink(FUsbLink);
  } else if (FNetLink) {
    DropLink(FNetLink);
    ClientSocket->SetActive(false);
  }
}

bool TfmMain::HasLink() const { return FCommLink || FUsbLink || FNetLink; }

void TfmMain::CloseLink() {
  tmReadTimeout->SetEnabled(false);
  DropActiveLink();
  EndBrokenTransfer();
  if (!fmNetwork->IsConnected()) return;
  QDir::setCurrent(QCoreApplication::applicationDirPath());
  FConnected = false;
  if (HidCtl) HidCtl->DeviceChange();
  if (Connect) Connect->Caption = LangText(QStringLiteral("SID_CONNECT"));
  rzbMenuLink->SetCaption(LangText(QStringLiteral("SID_OFFLINE")));
  SetCaption(QString::fromLatin1(Program::kCaption));
  lbShowIp->SetCaption(QStringLiteral("Disconnected"));
  EnableConnectControls();
  FOnline = false;
  SetEnabled(true);
  tmInLevelDet->SetEnabled(false);
  ClearLevelMeters();
}

void TfmMain::EnableConnectControls() {
  rzbMenuLink->SetEnabled(true);
  rzbMenuLink->SetDown(false);
  if (Connect) Connect->Enabled = true;
}

void TfmMain::StartDisconnectTimer() { tmDisconnect->SetEnabled(true); }

void TfmMain::ShowScanAgain() {
  fmNetwork->pbScan->SetPosition(0);
  fmNetwork->LinkBroken();
  // Already on screen (a scan runs): it shows the broken link itself.
  if (!fmNetwork->isVisible()) fmNetwork->ShowModal();
}

void TfmMain::OnLinkError(int code, int) {
  if (code == LINK_ERROR_NO_REPLY && FConnectPending) {
    // The unit never answered the connect request: the scan moves on.
    FConnectPending = false;
    DropActiveLink();
    fmNetwork->SetConnected(0);
  }
  if (FConnected) {
    CloseLink();
    ShowScanAgain();
  }
}

// --- the connect button and its timers

void TfmMain::rzbMenuLinkClick(TComponent*) {
  rzbMenuLink->SetEnabled(false);
  if (Connect) Connect->Enabled = false;
  rzbMenuLink->SetDown(false);
  if (FOnline) {
    SendCode(CMD_DISCONNECT, true);
    if (Connect) Connect->Caption = LangText(QStringLiteral("SID_CONNECT"));
    tmDisconnect->SetEnabled(true);
    return;
  }
  fmNetwork->btnOKClick(fmNetwork->btnOK);
  if (Connect) Connect->Caption = LangText(QStringLiteral("SID_DISCONNECT"));
  fmNetwork->ShowModal();
}

void TfmMain::tmStartConnectTimer(QObject*) {
  tmStartConnect->SetEnabled(false);
  rzbMenuLinkClick(rzbMenuLink);
}

void TfmMain::tmDisconnectTimer(QObject*) {
  tmDisconnect->SetEnabled(false);
  if (!HasLink()) return;
  CloseLink();
  fmNetwork->LinkBroken();
}

void TfmMain::tmLinkBrokenTimer(QObject*) {
  tmLinkBroken->SetEnabled(false);
  if (HasLink()) CloseLink();
  ShowScanAgain();
}

void TfmMain::tmComScanTimer(QObject*) {
  tmComScan->SetEnabled(false);
  // Only while a scan runs: once the unit is connected the dialog may still stand under a
  // modal window that opened over it, and a damaged reply (taken as another unit's) must not
  // drop the link then.
  if (!fmNetwork->isVisible() || fmNetwork->IsConnected()) return;
  if (FCommLink) {
    DropLink(FCommLink);
    fmNetwork->SetConnected(0);
  }
  if (FUsbLink) {
    DropLink(FUsbLink);
    fmNetwork->SetConnected(0);
  }
  if (FNetLink) {
    DropLink(FNetLink);
    fmNetwork->SetConnected(0);
  }
}

// --- discovery and the unit's address

bool TfmMain::HasHidDevice() const { return FHidSlot.Device() != nullptr; }

void TfmMain::SetComPortName(const QString& name) { FComPortName = name; }

void TfmMain::DiscoverUnit() {
  if (FAutoAddress == 0) {
    ClientSocket->SetActive(true);
  } else {
    FUnitAddress = 0;
  }
}

void TfmMain::ReconnectClientSocket(const QString& address) {
  ClientSocket->SetActive(false);
  ClientSocket->SetAddress(address);
  ClientSocket->SetActive(true);
}

// --- network writer and socket events

void TfmMain::NetWrite(const std::uint8_t* bytes, int count) {
  if (count <= 0) return;
  {
    std::lock_guard lock(FLastNetFrameLock);
    FLastNetFrame.assign(bytes, bytes + count);
  }
  ClientSocket->SendBuf(bytes, count);
  LogLine(LogKind::Net, QStringLiteral("NET W "), bytes, count);
}

void TfmMain::ClientSocketConnecting(QObject*) { fmNetwork->lblScan->SetCaption(QStringLiteral("Network Connecting")); }

void TfmMain::ClientSocketConnect(QObject*) {
  fmNetwork->lblScan->SetCaption(QStringLiteral("Connecting IP:") + ClientSocket->RemoteAddress());
}

void TfmMain::ClientSocketRead(QObject*) {
  std::uint8_t buffer[kSocketChunk];
  const int n = ClientSocket->ReceiveBuf(buffer, kSocketChunk);
  if (n <= 0) return;
  // The frame length comes from byte 4; a read too short to carry it is listed whole.
  const int listed = n > 4 ? std::min(n, buffer[4] + static_cast<int>(LCmd::kFrameOverhead)) : n;
  LogLine(LogKind::Net, QStringLiteral("NET R "), buffer, listed);
  if (FNetLink) {
    // A short read may be the head of a reply cut in two: its bytes go to the parser too.
    FNetLink->PutReceived(buffer, n);
    if (n > kShortRead) return;
    // The frame still waiting for its answer is written again, once: the written frame is
    // posted behind the worker's writes, so the socket keeps their order.
    FNetLink->WriteAgainOnce([this](const std::uint8_t* bytes, int count) {
      const ByteArray frame(bytes, bytes + count);
      PostCall(GetLinkOwner()->GetMessageTarget(),
               [this, frame] { ClientSocket->SendBuf(frame.data(), static_cast<int>(frame.size())); });
      LogLine(LogKind::Net, QStringLiteral("NET RW "), bytes, count);
    });
    return;
  }
  ByteArray last;
  {
    std::lock_guard lock(FLastNetFrameLock);
    last = FLastNetFrame;
  }
  if (last.empty()) return;
  ClientSocket->SendBuf(last.data(), static_cast<int>(last.size()));
  LogLine(LogKind::Net, QStringLiteral("NET RW "), last.data(), static_cast<int>(last.size()));
}

void TfmMain::ClientSocketError(QObject*, int& errorCode) {
  // A dead socket shows as missing replies, which the network link reports.
  errorCode = 0;
}

// --- traffic log

void TfmMain::LogComWrite(const std::uint8_t* bytes, int count) {
  LogLine(LogKind::Com, QStringLiteral("COM W "), bytes, count);
}

void TfmMain::LogComRead(const std::uint8_t* bytes, int count) {
  LogLine(LogKind::Com, QStringLiteral("COM R "), bytes, count);
}

void TfmMain::LogLine(LogKind kind, const QString& tag, const std::uint8_t* bytes, int count) {
  QString line = tag;
  line.reserve(tag.size() + 3 * std::max(count, 0));
  for (int i = 0; i < count; ++i) line += QString::asprintf("%02X ", bytes[i]);
  // Written on a link's worker too: the window's list is filled on the GUI thread, and
  // only while the log is open and a link of the line's kind exists.
  PostCall(GetLinkOwner()->GetMessageTarget(), [this, kind, line] {
    const bool linkExists = kind == LogKind::Com ? FCommLink != nullptr
                            : kind == LogKind::Usb ? FUsbLink != nullptr
                                                   : FNetLink != nullptr;
    if (fmHidData && linkExists) fmHidData->Log(line);
  });
}

// --- menu entries

void TfmMain::NetworkSetupClick() {
  TfmNetworkSetup& d = *fmNetworkSetup;
  const bool online = rzbMenuLink->Caption() == LangText(QStringLiteral("SID_ONLINE"));
  d.gbIpSetting->SetEnabled(!online);
  d.rbManualSetting->SetEnabled(!online);
  d.rbAutoSetting->SetEnabled(!online);
  const bool editable = !online && !d.rbAutoSetting->Checked();
  for (TEdit* edit : {d.edIp1, d.edIp2, d.edIp3, d.edIp4, d.edId}) {
    edit->SetEnabled(editable);
    edit->SetColor(editable ? clWindow : clSilver);
  }
  d.ShowModal();
}
