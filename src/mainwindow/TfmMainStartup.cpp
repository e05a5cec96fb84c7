// The main window's creation, close and message routing.
#include "TfmMain.h"

#include "FExit.h"
#include "LCommProc.h"
#include "LMyFFTDrawPhase.h"
#include "LNetProc.h"
#include "LUnitControl.h"
#include "LUsbProc.h"
#include "LayoutKit.h"
#include "LinkMessages.h"
#include "LinkOwner.h"
#include "Plot.h"
#include "ProgramConstants.h"
#include "RzBmpBtn.h"
#include "RzPanel.h"
#include "ResourcePaths.h"
#include "core/iXYPlot.h"
#include "core/iXYPlotChannel.h"
#include "RzLabel.h"
#include "instance/SingleInstance.h"
#include "socket/TClientSocket.h"
#include "timer/TTimer.h"
#include "ui/TMenu.h"

#include <QApplication>
#include <QMenuBar>

TfmMain* fmMain = nullptr;

namespace {

// Hands a link's messages and writes to the main window (whose own GetDeviceId serves the
// image and the dialogs).
class MainLinkOwner : public LinkOwner {
 public:
  explicit MainLinkOwner(TfmMain& form) : form_(form) {}
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override { return form_.Dispatch(msg, wParam, lParam); }
  int GetDeviceId() const override { return form_.GetDeviceId(); }
  void UsbWrite(const std::uint8_t* bytes, int count) override { form_.UsbWrite(bytes, count); }
  void NetWrite(const std::uint8_t* bytes, int count) override { form_.NetWrite(bytes, count); }
  void LogComWrite(const std::uint8_t* bytes, int count) override { form_.LogComWrite(bytes, count); }
  void LogComRead(const std::uint8_t* bytes, int count) override { form_.LogComRead(bytes, count); }

 private:
  TfmMain& form_;
};

}  // namespace

class TfmMain::InstanceServer : public SingleInstance {
 public:
  using SingleInstance::SingleInstance;
};

QString TfmMain::Suffix(int ch) {
  static const char* const suffixes[] = {"InA", "InB", "Out1", "Out2", "Out3", "Out4", "Out5", "Out6"};
  return ch >= 0 && ch < kChannels ? QLatin1String(suffixes[ch]) : QString();
}

QString& TfmMain::InstanceKey() {
  static QString key = QLatin1String(Program::kTitle);
  return key;
}

TfmMain::TfmMain(TComponent* owner) : TForm(owner), FLinkOwner(std::make_unique<MainLinkOwner>(*this)) {
  fmMain = this;
  SetMainHost(this);
  SetName(QStringLiteral("fmMain"));
  SetColor(MainLayout::kWindow);
  moEnglish.Load(QLatin1String(kEnglishLanguageTable));
  moSimplified.Load(QLatin1String(kChineseGbLanguageTable));
  CreateMainMenu();
  MainLayout::BuildMainWindow(*this);

  ClientSocket = new TClientSocket(this);
  tmStartConnect = new TTimer(this);
  tmStartConnect->SetEnabled(false);
  tmStartConnect->SetInterval(FTimes.startConnect);
  tmStartConnect->SetOnTimer([this](QObject* s) { tmStartConnectTimer(s); });
  tmDisconnect = new TTimer(this);
  tmDisconnect->SetEnabled(false);
  tmDisconnect->SetInterval(FTimes.disconnect);
  tmDisconnect->SetOnTimer([this](QObject* s) { tmDisconnectTimer(s); });
  tmComScan = new TTimer(this);
  tmComScan->SetEnabled(false);
  tmComScan->SetInterval(1);
  tmComScan->SetOnTimer([this](QObject* s) { tmComScanTimer(s); });

  CreateLinkParts();
  CreateEqParts();
  CreatePresetParts();

  OnResize = [this](TComponent* s) { FormResize(s); };
  OnClose = [this](TComponent* s, TCloseAction& action) { FormClose(s, action); };
  FormCreate(this);
}

TfmMain::~TfmMain() {
  // The links go before the window they write through.
  ShutDownLinks();
  DestroyComponents();
  if (fmMain == this) fmMain = nullptr;
  if (MainHost() == this) SetMainHost(nullptr);
}

void TfmMain::CreateMainMenu() {
  FMainMenu = std::make_unique<TMainMenu>(this);
  TMenuItem& root = FMainMenu->Items();
  const auto item = [](TMenuItem& parent, const char* name, bool visible = true) {
    TMenuItem* it = parent.Add(QLatin1String(name));
    it->Name = QLatin1String(name);
    it->Visible = visible;
    return it;
  };
  File = item(root, "File");
  Open = item(*File, "Open");
  Save = item(*File, "Save");
  Upload = item(*File, "Upload");
  Download = item(*File, "Download");
  FactoryDefault = item(*File, "FactoryDefault", false);
  File->Add(QStringLiteral("-"));
  Exit = item(*File, "Exit");
  Link = item(root, "Link");
  Copy = item(root, "Copy");
  Lock = item(root, "Lock");
  SettingID = item(root, "SettingID", false);
  NetworkSetup = item(root, "NetworkSetup");
  TestTone = item(root, "TestTone");
  ChNameList = item(root, "ChNameList");
  LanguageSel = item(root, "LanguageSel");
  ChineseSimplified = item(*LanguageSel, "ChineseSimplified");
  ChineseSimplified->Tag = 0;
  ChineseTraditional = item(*LanguageSel, "ChineseTraditional", false);
  ChineseTraditional->Tag = 1;
  English = item(*LanguageSel, "English");
  English->Tag = 2;
  English->Checked = true;
  Help = item(root, "Help");
  Rs232Code = item(*Help, "Rs232Code");
  MemoShow = item(*Help, "MemoShow", false);
  HidData = item(*Help, "HidData", false);
  LockSetup = item(*Help, "LockSetup", false);
  BlockDiagram = item(root, "BlockDiagram", false);
  Connect = item(root, "Connect", false);
  Connected = item(*Connect, "Connected");
  ConnectHelp = item(*Connect, "ConnectHelp", false);
  About = item(root, "About");

  Exit->OnClick = [this](TMenuItem* s) { ExitClick(s); };
  About->OnClick = [this](TMenuItem* s) { AboutClick(s); };
  MemoShow->OnClick = [this](TMenuItem* s) { MemoShowClick(s); };
  HidData->OnClick = [this](TMenuItem* s) { HidDataClick(s); };
  LockSetup->OnClick = [this](TMenuItem* s) { LockSetupClick(s); };
  Lock->OnClick = [this](TMenuItem* s) { LockClick(s); };
  Connected->OnClick = [this](TMenuItem* s) { ConnectedClick(s); };
  FactoryDefault->OnClick = [this](TMenuItem* s) { FactoryDefaultClick(s); };
  NetworkSetup->OnClick = [this](TMenuItem*) { NetworkSetupClick(); };
  Link->OnClick = [this](TMenuItem* s) { LinkClick(s); };
  Copy->OnClick = [this](TMenuItem* s) { CopyClick(s); };
  ChNameList->OnClick = [this](TMenuItem* s) { ChNameListClick(s); };
  Open->OnClick = [this](TMenuItem* s) { OpenClick(s); };
  Save->OnClick = [this](TMenuItem* s) { SaveClick(s); };
  Upload->OnClick = [this](TMenuItem* s) { UploadClick(s); };
  Download->OnClick = [this](TMenuItem* s) { DownloadClick(s); };
  TestTone->OnClick = [this](TMenuItem* s) { TestToneClick(s); };
  Rs232Code->OnClick = [this](TMenuItem* s) { Rs232CodeClick(s); };
  SettingID->OnClick = [this](TMenuItem* s) { SettingIDClick(s); };
  BlockDiagram->OnClick = [this](TMenuItem* s) { BlockDiagramClick(s); };
  ConnectHelp->OnClick = [this](TMenuItem* s) { ConnectHelpClick(s); };
  ChineseSimplified->OnClick = [this](TMenuItem* s) { ChineseSimplifiedClick(s); };
  English->OnClick = [this](TMenuItem* s) { EnglishClick(s); };
  FMainMenu->Bar()->setStyleSheet(QStringLiteral(
      "QMenuBar { background: #1b1d22; color: #dee2e8; border-bottom: 1px solid #2e333b; }"
      "QMenuBar::item { padding: 3px 10px; background: transparent; }"
      "QMenuBar::item:selected { background: #2f4a66; }"
      "QMenu { background: #23262c; color: #dee2e8; border: 1px solid #3a4049; }"
      "QMenu::item:selected { background: #2f4a66; }"
      "QMenu::separator { height: 1px; background: #3a4049; margin: 3px 6px; }"));
  FMainMenu->Refresh();
}

void TfmMain::FormCreate(TComponent*) {
  // 1. Caption and the hint that a later start looks for.
  SetCaption(QLatin1String(Program::kCaption));
  // 2. A running editor comes forward and this one gives way.
  FInstanceServer = std::make_unique<InstanceServer>(InstanceKey(), [this] {
    if (isMinimized())
      showNormal();
    else
      raise();
    activateWindow();
  });
  // The rest of the creation still runs; the entry then ends without showing the window.
  FGaveWay = FInstanceServer->AnotherRunning();
  // 3. Unit ID 1.
  SetDeviceId(1);
  // 4. No band dragged; the Gain page; Out1 and InA on the dynamics pages.
  FDragHandle = -1;
  FDragHandle2 = -1;
  FPage = kPageGain;
  FCompChannel = 2;
  FGateChannel = 0;
  if (auto* g = Find<TControl>(QStringLiteral("rzgFftInA"))) g->SetVisible(true);
  if (auto* g = Find<TControl>(QStringLiteral("rzgParamGain"))) g->SetVisible(true);
  // 5. The design size; the preset group at its place.
  SetBounds(Left(), Top(), Program::kDesignWidth, Program::kDesignHeight);
  if (rzgPreset) rzgPreset->SetTop(626);
  FExtraHeight = 0;
  // A hidden window gets its resize event only when it shows; the layout is placed now.
  if (!isVisible()) FormResize(this);
  // 6. The ten response engines on their graphs, in magnitude mode.
  static const char* const graphs[kViews] = {"fftDrawInA", "fftDrawInB", "fftDrawOut1", "fftDrawOut2", "fftDrawOut3",
                                             "fftDrawOut4", "fftDrawOut5", "fftDrawOut6", "fftDrawGainIn",
                                             "fftDrawGainOut"};
  for (int v = 0; v < kViews; ++v) {
    FPlots[std::size_t(v)] = std::make_unique<Plot>(Find<LMyFFTDrawPhase>(QLatin1String(graphs[v])));
    FPlots[std::size_t(v)]->SetMode(0);
  }
  // 7. English captions.
  FLanguage = QStringLiteral("English");
  ChineseSimplified->Checked = false;
  ChineseTraditional->Checked = false;
  English->Checked = true;
  ApplyLanguage();
  // 8. The default image.
  FUnitControl = std::make_unique<LUnitControl>(*this);
  // 9. Shown in every control, with no band selected.
  FCreating = true;
  DeselectEqBands();
  ShowUnitImage(*FUnitControl);
  FCreating = false;
  // 10. The Gain page in front; the connect button is pressed 300 ms from now.
  if (auto* g = Find<TControl>(QStringLiteral("rzgFftGain"))) g->BringToFront();
  if (auto* g = Find<TControl>(QStringLiteral("rzgParamGain"))) g->BringToFront();
  if (auto* b = Find<TRzBmpButton>(QStringLiteral("rzbMenuGain"))) {
    b->SetDown(true);
    TFont font = b->Font();
    font.SetColor(MainLayout::kLime);
    b->SetFont(font);
  }
  tmStartConnect->SetEnabled(true);
  // 11. The Gain page's overlays; its first input and output sums in their colours.
  RefreshGainOverlays();
  FPlots[kViewGainIn]->ShowCurve(0, clPurple);
  FPlots[kViewGainOut]->ShowCurve(2, clRed);
  // Stored curves reach the screen with the page's next update; no image may follow offline.
  for (int v : {kViewGainIn, kViewGainOut})
    if (FPlots[std::size_t(v)]->View()) FPlots[std::size_t(v)]->View()->UpdateCurvePage();
  // 12. The transfer curves' first points, (input dB, output dB) (the dynamics editors redraw them).
  if (ipComp) {
    TiXYPlotChannel* curve = ipComp->Channel(0);
    curve->AddXY(20, 20);
    curve->AddXY(-10, -10);
    curve->AddXY(-10, -10);
    curve->AddXY(-100, -100);
    ipComp->Channel(1)->AddXY(19.8, 20.4);
  }
  if (ipGate) {
    TiXYPlotChannel* curve = ipGate->Channel(0);
    curve->AddXY(20, 20);
    curve->AddXY(-90, -90);
    curve->AddXY(-90, -100);
    ipGate->Channel(1)->AddXY(-89.8, -90.4);
  }
  // 13. The unit's address.
  ClientSocket->SetPort(Program::kTcpPort);
  ClientSocket->SetAddress(QLatin1String(Program::kDefaultAddress));
  FUnitAddress = Program::kDefaultAddressValue;
  NetworkSetup->Visible = true;
  FMainMenu->Refresh();
  // 14. Meters dark.
  ClearLevelMeters();
}

void TfmMain::FormClose(TComponent*, TCloseAction& Action) {
  // Not confirmed yet: the exit window asks, and its OK closes this window again.
  if (!FExitConfirmed) {
    if (fmExit) fmExit->Show();
    Action = caNone;
    return;
  }
  // Confirmed: the exit window has done its work; the links go before the program ends.
  if (fmExit) fmExit->Hide();
  FCommLink.reset();
  FUsbLink.reset();
  FNetLink.reset();
}

LRESULT TfmMain::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_LINK_REPLY:
      OnFrameReceived(ReplyFrame(wParam), std::uint32_t(lParam));
      return 0;
    case WM_LINK_ERROR:
      OnLinkError(int(wParam), int(lParam));
      return 0;
    default:
      return 0;
  }
}

void TfmMain::ShowIp(const QString& text) {
  if (lbShowIp) lbShowIp->SetCaption(text);
}
