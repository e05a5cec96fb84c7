// Links and connection: opening and closing the links, the replies, the socket and the
// discovery of the unit.
#include "TfmMain.h"

#include "LCommProc.h"
#include "LNetProc.h"
#include "LUsbProc.h"
#include "LProgressBar.h"
#include "RzLabel.h"

void TfmMain::OnFrameReceived(const ByteArray&, std::uint32_t) {}
void TfmMain::OnLinkError(int, int) {}
// No link is open yet: frames are dropped.
void TfmMain::SendCmd(const LCmd&, bool) {}

void TfmMain::SetDeviceId(int id) {
  if (id < 1 || id > 254) return;
  FDeviceId = std::uint8_t(id);
  if (lbShowIdNumber) lbShowIdNumber->SetCaption(QStringLiteral("ID : ") + QString::number(id));
}

void TfmMain::ClearLevelMeters() {
  for (int i = 0; i < ComponentCount(); ++i)
    if (auto* meter = dynamic_cast<LProgressBar*>(Components(i))) meter->SetPosition(0);
}

void TfmMain::rzbMenuLinkClick(TComponent*) {}
void TfmMain::tmStartConnectTimer(QObject*) {}
void TfmMain::tmDisconnectTimer(QObject*) {}
void TfmMain::tmComScanTimer(QObject*) {}
bool TfmMain::HasHidDevice() const { return FHidDevice != nullptr; }
void TfmMain::DiscoverUnit() {}
void TfmMain::SetComPortName(const QString& name) { FComPortName = name; }
void TfmMain::OpenUsbLink() {}
void TfmMain::OpenNetLink() {}
void TfmMain::OpenComLink() {}
void TfmMain::CloseLink() {}
void TfmMain::StartDisconnectTimer() {}
void TfmMain::EnableConnectControls() {}
void TfmMain::NetworkSetupClick() {}
void TfmMain::ReconnectClientSocket(const QString&) {}
void TfmMain::UsbWrite(const std::uint8_t*, int) {}
void TfmMain::NetWrite(const std::uint8_t*, int) {}
void TfmMain::LogComWrite(const std::uint8_t*, int) {}
void TfmMain::LogComRead(const std::uint8_t*, int) {}
