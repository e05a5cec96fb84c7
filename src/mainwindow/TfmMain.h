#pragma once
// The editor's main window: the function bar with the 13 page buttons, the pages of the
// eight channels and the Comp, Delay, Gain, Matrix and Gate overviews, the preset area and
// the status labels. It owns the parameter image, the ten response engines and the open
// link, and serves the image (UnitHost) and the dialogs (DialogHost).
//
// The implementation is split by concern: TfmMainStartup.cpp (creation, close, messages),
// TfmMainPages.cpp (page switch, Mag/Phase, resize tables), TfmMainLanguage.cpp (texts and
// captions), TfmMainMenus.cpp (menu handlers), TfmMainImage.cpp (showing the image),
// TfmMainCurves.cpp (response and transfer curves), TfmMainOverlays.cpp (overlay curves),
// TfmMainStrip.cpp (gain, mute and polarity with their mirrors), TfmMainLinks.cpp (opening
// and closing links, socket events, traffic log), TfmMainReplies.cpp (reply dispatcher and
// connect handshake), TfmMainRead.cpp (reading the unit), TfmMainMeters.cpp (level meters),
// TfmMainUsb.cpp (the unit's USB device); the controls are made by the builders in layout/.
#include "DialogHost.h"
#include "HidDeviceSlot.h"
#include "LCmd.h"
#include "LanguageTable.h"
#include "LinkTimes.h"
#include "UnitFiles.h"
#include "UnitHost.h"
#include "messages/WindowMessage.h"
#include "ui/TForm.h"
#include "ui/VirtualKeys.h"

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// Values and names the main window's files share.
namespace MainWindow {
// The first of the response-curve slots every cut is built on: the high-pass result in this
// slot, the low-pass result in the next.
inline constexpr int kCutBase = 10;
// The size of the "BYPASS" text over a graph whose whole EQ is bypassed.
inline constexpr int kBypassTextSize = 60;
// The "no band selected" row of a band table.
inline constexpr int kNoBand = 15;
// FFileOperation while a ".prs" file is being sent.
inline constexpr int kFileOperationPrs = 12;
// The name of an EQ band's button: "rzbEq<band + 1><suffix>".
QString BandButtonName(int band, const QString& suffix);
}  // namespace MainWindow

class LCommProc;
class LLink;
class LNetProc;
class LUnitControl;
class LUsbProc;
class LinkOwner;
class Plot;
class QMenuBar;
class TClientSocket;
class TJvHidDevice;
class TJvHidDeviceController;
class TMainMenu;
class TMenuItem;
class TRzBmpButton;
class TRzGroupBox;
class TTimer;
class TiXYPlot;
class TLabel;
class TRzLabel;

// What the next acknowledgement (code 1) from the unit continues.
enum RequestState {
  REQ_NONE,
  REQ_RECALL,
  REQ_STORE,
  REQ_FACTORY,
  REQ_READ_PRESET,
  REQ_DOWNLOAD_PRESETS,
  REQ_REREAD,
  REQ_UNLOCK,
  REQ_STORE_DONE,
  REQ_UNIT_DOWNLOAD,
};

class TfmMain : public TForm, public UnitHost, public DialogHost {
  Q_OBJECT
 public:
  explicit TfmMain(TComponent* owner);
  ~TfmMain() override;

  // Page numbers: 0 to 7 the channels, then the overviews.
  static constexpr int kPageComp = 8, kPageDelay = 9, kPageGain = 10, kPageMatrix = 11, kPageGate = 12;
  static constexpr int kChannels = 8;
  // Curve views: the eight channel pages, then the Gain page's input and output panes.
  static constexpr int kViews = 10;
  static constexpr int kViewGainIn = 8, kViewGainOut = 9;

  // The channel suffix of the control names ("InA", "InB", "Out1" to "Out6"); empty outside 0..7.
  static QString Suffix(int ch);
  // The channel's own name as the page headings show it ("InA", "Out3").
  static QString ChannelName(int ch) { return Suffix(ch); }
  // The owned control of that composed name and class, or null.
  template <class T>
  T* Find(const QString& name) const {
    return dynamic_cast<T*>(FindComponent(name));
  }

  // The key under which a running editor is found (the title unless a test sets another).
  static QString& InstanceKey();

  // --- creation, close, messages
  void FormCreate(TComponent* Sender);
  // The close handler: refuses (caNone) and shows the exit window until the exit is
  // confirmed; then closes the links, and the window's close ends the program.
  void FormClose(TComponent* Sender, TCloseAction& Action);
  // The link messages: WM_LINK_REPLY to OnFrameReceived, WM_LINK_ERROR to OnLinkError.
  LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
  // True when another editor was running and was brought forward instead.
  bool GaveWayToRunningInstance() const { return FGaveWay; }
  LinkOwner* GetLinkOwner() const { return FLinkOwner.get(); }

  // --- pages and layout
  void rzbMenuInAClick(TComponent* Sender);
  std::uint16_t GetLinkMask(int ch) const override;
  void lbMatrixHpLpInAClick(TComponent* Sender);
  void lbMatrixDelayInAClick(TComponent* Sender);
  void lbMatrixCompOut1Click(TComponent* Sender);
  void lbMatrixGateInAClick(TComponent* Sender);
  void lbMatrixGainInAClick(TComponent* Sender);
  void lbMatrixChNameInAClick(TComponent* Sender);
  void lbMatrixChNameInAMouseMove(TComponent* Sender, unsigned shift, int x, int y);
  void lbMatrixChNameInAMouseLeave(TComponent* Sender);
  void rbShowGainInAClick(TComponent* Sender);
  void rbShowPhaseInAClick(TComponent* Sender);
  void FormResize(TComponent* Sender);
  int ExtraHeight() const { return FExtraHeight; }

  // --- language
  QString LangText(const QString& key) const override;
  void ApplyLanguage();
  void ChineseSimplifiedClick(TMenuItem* Sender);
  void EnglishClick(TMenuItem* Sender);
  const QString& Language() const { return FLanguage; }

  // --- menus
  void ExitClick(TMenuItem* Sender);
  void AboutClick(TMenuItem* Sender);
  void MemoShowClick(TMenuItem* Sender);
  void HidDataClick(TMenuItem* Sender);
  void LockSetupClick(TMenuItem* Sender);
  void ConnectedClick(TMenuItem* Sender);
  void FactoryDefaultClick(TMenuItem* Sender);
  TMainMenu* MainMenu() const { return FMainMenu.get(); }

  // --- UnitHost and DialogHost: state the main window keeps itself
  bool IsUpdating() const override { return FUpdating; }
  std::uint8_t GetDeviceId() const override { return FDeviceId; }
  bool IsConnected() const override { return FConnected; }
  std::uint32_t GetUnitAddress() const override { return FUnitAddress; }
  bool HasUnitAddress() const override { return FUnitAddress != 0; }
  void SetUnitAddress(std::uint32_t address) override { FUnitAddress = address; }
  void SetAutoAddress(int automatic) override { FAutoAddress = automatic; }
  void ShowIp(const QString& text) override;
  void SetExitConfirmed(std::uint8_t confirmed) override { FExitConfirmed = confirmed; }
  void CloseMainWindow() override { Close(); }
  void SetRecallPresetRow(int row, const QString& name) override;
  void SetStorePresetRow(int row, const QString& name) override;
  QString AskUnitFileName() override;
  void StartFactoryDefault() override;
  LUnitControl& UnitControl() const { return *FUnitControl; }
  Plot* GetPlot(int view) const { return view >= 0 && view < kViews ? FPlots[view].get() : nullptr; }

  // --- image display, curves, overlays, channel strip (TfmMainImage.cpp, TfmMainCurves.cpp,
  // TfmMainOverlays.cpp, TfmMainStrip.cpp)
  void ShowUnitImage(LUnitControl& unit);
  void MarkCurveDirty(int ch) override;
  void RefreshGainOverlays();
  void RefreshPageOverlays(int page);
  void vrbShowAGainClick(TComponent* Sender);
  void vrbShow1GainClick(TComponent* Sender);
  void vrbShowBInAClick(TComponent* Sender);
  void vrbShowAInBClick(TComponent* Sender);
  void vrbShow2Out1Click(TComponent* Sender);
  void vrbShow1Out2Click(TComponent* Sender);
  void vrbShow1Out3Click(TComponent* Sender);
  void vrbShow1Out4Click(TComponent* Sender);
  void vrbShow1Out5Click(TComponent* Sender);
  void vrbShow1Out6Click(TComponent* Sender);
  void CalcCutCurve(int kind, int slope, double f, int base, int ch);
  void CalcPeqCurve(TComponent* graph);
  void CalcLowCutCurve(TComponent* graph);
  void CalcHighCutCurve(TComponent* graph);
  void ShowCompCurve(int ch);
  void ShowGateCurve(int ch);
  void DeselectEqBands();
  void SelectFirstEqBands();
  void PlaceDelayIndicator(int ch);
  void rzbUnit0Click(TComponent* Sender);
  std::uint16_t GetLinkGroup(int ch) const;
  void MirrorGain(int ch, int position);
  void MirrorPhase(int ch, bool inverse);
  void MirrorMute(int ch, bool muted);
  void isGainInAChange(TComponent* Sender);
  void isGainBackupInAChange(TComponent* Sender);
  void rzbMuteInAClick(TComponent* Sender);
  void rzbMuteBackupInAClick(TComponent* Sender);
  void rzbPhaseInAClick(TComponent* Sender);
  void rzbPhaseBackupInAClick(TComponent* Sender);
  // The selected EQ band on the channel's band sliders and boxes.
  void ShowEqBand(int ch, bool enabled, double freq, double gain, double q);

 private:
  // Image display: each part of a channel's controls; false when a control is missing.
  bool ShowImageInControls(LUnitControl& unit);
  bool ShowChannelName(LUnitControl& unit, int ch);
  bool ShowChannelEq(LUnitControl& unit, int ch);
  bool ShowChannelCuts(LUnitControl& unit, int ch);
  bool ShowCut(const QString& stem, int ch, int frequencyIndex, int slope);
  bool ShowChannelStrip(LUnitControl& unit, int ch);
  bool ShowChannelGate(LUnitControl& unit, int ch);
  bool ShowChannelRouting(LUnitControl& unit, int ch);
  bool ShowChannelComp(LUnitControl& unit, int ch);
  // Every view's mask holds every channel of its side.
  void MarkAllCurvesDirty();
  // A toggle of an overlay view switched.
  void OverlayToggleClick(TComponent* Sender, int view);
  // The channel of a curve graph, -1 for anything else.
  int GraphChannel(TComponent* graph) const;
  // The high-pass (low cut) or low-pass (high cut) curve of a graph's channel from the image.
  void CalcCrossoverCurve(TComponent* graph, int kind);
  // The twin handlers of the strip (gainPage: the sender is the Gain page's control).
  void GainChange(TComponent* Sender, bool gainPage);
  void MuteClick(TComponent* Sender, bool gainPage);
  void PhaseClick(TComponent* Sender, bool gainPage);
  // The toggle's twin on the other page follows the sender; null (nothing changed) when the
  // sender is no toggle button or the twin is missing.
  TRzBmpButton* FollowTwin(TComponent* Sender, const QString& stem, bool gainPage);
  // A value on both of a channel's controls (its page and the Gain page); false when one is
  // missing.
  bool ShowGain(int ch, int position);
  bool ShowPhase(int ch, bool inverse);
  bool ShowMute(int ch, bool muted);
  // Calls member(channel) for each channel of ch's link group in side order, until it
  // returns false.
  template <class F>
  void ForLinkGroup(int ch, F&& member);

 public:
  // --- end of image display, curves, overlays, channel strip

  // --- links and connection (TfmMainLinks.cpp, TfmMainReplies.cpp, TfmMainUsb.cpp,
  // TfmMainRead.cpp, TfmMainMeters.cpp)
  // Replies and failures of the open link (messages 0x550 and 0x551).
  void OnFrameReceived(const ByteArray& frame, std::uint32_t elapsedMs);
  void OnLinkError(int code, int deviceId);
  // The one sending entry: frames the command for the active link (serial, else USB, else
  // network); dropped when none is open.
  void SendCmd(const LCmd& cmd, bool append) override;
  void SendCode(std::uint8_t code, bool append);
  void SetDeviceId(int id) override;
  // Made with the window: the link timers, the socket's and the HID controller's events;
  // undone first when it goes (the held device given back, the links closed).
  void CreateLinkParts();
  void ShutDownLinks();
  // The link figures (the program's unless a test gives others); the timers take their
  // intervals at once, the rest is read where it is used.
  const LinkTimes& Times() const { return FTimes; }
  void SetTimes(const LinkTimes& times);
  // Passed to the active link; nothing when none is open.
  void SetLinkTimeout(int ms);
  void SetLinkRetries(int n);
  void SetLinkQuiet(bool quiet);
  void rzbMenuLinkClick(TComponent* Sender);
  void tmStartConnectTimer(QObject* Sender);
  void tmDisconnectTimer(QObject* Sender);
  void tmLinkBrokenTimer(QObject* Sender);
  void tmComScanTimer(QObject* Sender);
  void tmUnlockTimer(QObject* Sender);
  void tmProcessShowTimer(QObject* Sender);
  void tmReadTimeoutTimer(QObject* Sender);
  void tmInLevelDetTimer(QObject* Sender);
  bool HasHidDevice() const override;
  void DiscoverUnit() override;
  void SetComPortName(const QString& name) override;
  void OpenUsbLink() override;
  void OpenNetLink() override;
  void OpenComLink() override;
  void CloseLink() override;
  void StartDisconnectTimer() override;
  void EnableConnectControls() override;
  void NetworkSetupClick() override;
  void ReconnectClientSocket(const QString& address) override;
  // Writers and traffic-log lines on a link's behalf (see LinkOwner); worker threads.
  void UsbWrite(const std::uint8_t* bytes, int count);
  void NetWrite(const std::uint8_t* bytes, int count);
  void LogComWrite(const std::uint8_t* bytes, int count);
  void LogComRead(const std::uint8_t* bytes, int count);
  // Socket and HID controller events.
  void ClientSocketConnecting(QObject* Sender);
  void ClientSocketConnect(QObject* Sender);
  void ClientSocketRead(QObject* Sender);
  void ClientSocketError(QObject* Sender, int& errorCode);
  void HidCtlDeviceChange(QObject* Sender);
  bool HidCtlEnumerate(TJvHidDevice* dev, std::int32_t index);
  void HidCtlDeviceUnplug(TJvHidDevice* dev);
  void HidCtlDeviceData(TJvHidDevice* dev, std::uint8_t reportId, const void* data, std::uint16_t size);
  void HidCtlDeviceDataError(TJvHidDevice* dev, std::uint32_t error);
  // Reply handlers.
  void DispatchReply(const LCmd& reply);
  void OnAck();
  void OnConnectReply(const LCmd& reply);
  void OnIdentityReply(const LCmd& reply);
  void OnLockStateReply(const LCmd& reply);
  void OnUploadStartReply(const LCmd& reply);
  void OnPresetNumberReply(const LCmd& reply);
  void OnPresetNameReply(const LCmd& reply);
  void OnImagePieceReply(const LCmd& reply);
  void OnLevelReply(const LCmd& reply);
  void ClearLevelMeters();
  // "Connected Port => " text: the port name, "USB" or "IP : " and the address.
  QString PortText() const;
  bool HasLink() const;

  // Link state beyond the fields above.
  bool FConnectPending = false;
  int FFileOperation = 0;  // 12 while a ".prs" file is being sent
  HidDeviceSlot FHidSlot;  // the unit's HID device while it is held (FHidDevice)
  TTimer* tmLinkBroken = nullptr;
  TTimer* tmUnlock = nullptr;
  TTimer* tmProcessShow = nullptr;
  TTimer* tmInLevelDet = nullptr;
  // The read's own watchdog: a read that makes no progress for a while breaks the link.
  TTimer* tmReadTimeout = nullptr;

 private:
  enum class LogKind { Com, Usb, Net };
  // A traffic-log line: the tag, then each byte as "%02X "; any thread.
  void LogLine(LogKind kind, const QString& tag, const std::uint8_t* bytes, int count);
  template <class LinkType>
  void DropLink(std::unique_ptr<LinkType>& link);
  void DropActiveLink();
  void LinkOpened(int timeoutMs);
  LinkTimes FTimes;
  void ShowScanAgain();
  void CloseProgress();
  // The read made progress (a step was asked for): its watchdog starts again.
  void ReadProgressed();
  bool SetMeter(const QString& name, int segments);
  // Work that must not run inside a reply's delivery (modal windows, error boxes, deleting
  // a link): run in order once the delivery has returned.
  void Defer(std::function<void()> call);
  void PostDeferredRun();
  void RunDeferred();
  void EndDelivery();

  int FDeliveryDepth = 0;
  std::deque<std::function<void()>> FDeferred;
  bool FDeferredPosted = false;
  bool FRunningDeferred = false;
  std::vector<std::unique_ptr<LLink>> FRetiredLinks;
  // The last frame written to the socket, for the resend after a short read (worker writes,
  // GUI thread reads).
  std::mutex FLastNetFrameLock;
  ByteArray FLastNetFrame;

 public:
  // --- end of links and connection

  // --- delay, routing, link groups, channel copy and names (TfmMainDelay.cpp,
  // TfmMainRouting.cpp, TfmMainLinkGroups.cpp, TfmMainNames.cpp)
  // Delay: the fader, the typed value box, dragging a picture along its line.
  void isDelayInAChange(TComponent* Sender);
  void cvdDelayInBKeyDown(TComponent* Sender, TKey& key, TShiftState shift);
  void cvdDelayInAExit(TComponent* Sender);
  void lbDelayLineInAMouseDown(TComponent* Sender, TMouseButton button, TShiftState shift, int x, int y);
  void lbDelayLineInAMouseMove(TComponent* Sender, TShiftState shift, int x, int y);
  void lbDelayLineInAMouseUp(TComponent* Sender, TMouseButton button, TShiftState shift, int x, int y);
  // Shows a delay (samples, picture left) on every member of the channel's link group.
  void MirrorDelay(int ch, int samples, int pictureLeft);
  // Routing: the two buttons of each output, the lines of the Matrix page.
  void rzbAMatrixOut1Click(TComponent* Sender);
  void rzbAMatrixOut2Click(TComponent* Sender);
  void rzbAMatrixOut3Click(TComponent* Sender);
  void rzbAMatrixOut4Click(TComponent* Sender);
  void rzbAMatrixOut5Click(TComponent* Sender);
  void rzbAMatrixOut6Click(TComponent* Sender);
  void rzgFftMatrixPaint(TComponent* Sender);
  // Draws every routing line on pbMatrix's canvas from the image (from its paint).
  void DrawMatrix();
  // Link groups and copy, for the link and copy dialogs (DialogHost).
  void SetLinkMask(int ch, std::uint16_t mask) override;
  void CopyChannel(int source, int destination, bool refresh) override;
  void ApplyLinks() override;
  void ShowOverlayToggles(int ch, bool visible) override;
  void SetPageButtonCaption(int master, int member) override;
  void ShowGainPage() override;
  // Channel names (also the name dialogs' way in).
  std::array<std::uint8_t, 8> GetChannelName(int ch) const override;
  void SetChannelName(int ch, const std::array<std::uint8_t, 8>& name) override;
  void ChNameListClick(TMenuItem* Sender);
  void LinkClick(TMenuItem* Sender);
  void CopyClick(TMenuItem* Sender);
  // Drag state of the delay pictures: 1 from a press on a picture to the next release.
  int FDelayDrag = 0;

 private:
  void DelayEntry(TComponent* Sender);
  bool ShowDelay(int ch, int samples, int pictureLeft, const QString& text, const QString& dashes);
  // Whether (x, y) on a delay line lies on its picture.
  bool OnDelayPicture(TComponent* line, int x, int y) const;
  void RoutingClick(TComponent* Sender, int output);

 public:
  // --- end of delay, routing, link groups, channel copy and names

  // --- EQ bands, high and low cut, dragging, EQ reset and bypass (TfmMainEq.cpp,
  // TfmMainCut.cpp, TfmMainDrag.cpp)
  // Band table, band select buttons, band faders and the keys of the band-frequency box.
  void peqPeqInAChange(TComponent* Sender);
  void peqPeqInAEditMouseDown(TComponent* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void peqPeqInAPeqTypeMouseWheel(TComponent* Sender, TShiftState Shift, int WheelDelta, QPoint MousePos,
                                  bool& Handled);
  void rzbEq1InAClick(TComponent* Sender);
  void isEqFreqInAChange(TComponent* Sender);
  void isEqBwInAChange(TComponent* Sender);
  void isEqGainInAChange(TComponent* Sender);
  void tmEqCurveTimer(QObject* Sender);
  void cvdEqFreqInAKeyDown(TComponent* Sender, unsigned short& Key, TShiftState Shift);
  void cvdEqFreqInAExit(TComponent* Sender);
  void vrbEqShowAllInAClick(TComponent* Sender);
  void FocusEqFreqEdit(int ch);
  // High and low cut: frequency faders, slope boxes, bypass buttons.
  void isLowCutFreqInAChange(TComponent* Sender);
  void isHighCutFreqInAChange(TComponent* Sender);
  void rzcLowCutSlopInAChange(TComponent* Sender);
  void rzcHighCutSlopInAChange(TComponent* Sender);
  void rzbLowCutBypassInAClick(TComponent* Sender);
  void rzbHighCutBypassInAClick(TComponent* Sender);
  void rzcLowCutSlopInAMouseWheel(TComponent* Sender, TShiftState Shift, int WheelDelta, QPoint MousePos,
                                  bool& Handled);
  void rzcHighCutSlopInAMouseWheel(TComponent* Sender, TShiftState Shift, int WheelDelta, QPoint MousePos,
                                   bool& Handled);
  void tmHpLpCurveTimer(QObject* Sender);
  // Dragging band markers and the cut markers on the curve panes.
  void fftDrawInAMouseDown(TComponent* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void fftDrawInAMouseMove(TComponent* Sender, TShiftState Shift, int X, int Y);
  void fftDrawInAMouseUp(TComponent* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void tmMouseEqCurveTimer(QObject* Sender);
  // EQ reset (through its confirmation dialog) and whole-EQ bypass.
  void vrbEqResetInAClick(TComponent* Sender);
  void ResetEq(int ch);
  void vrbEqBypassInAClick(TComponent* Sender);
  // Puts a band select button up (its radio group otherwise keeps one button down).
  static void RaiseBandButton(TRzBmpButton& button);
  // Creates the EQ timers; called once by the constructor.
  void CreateEqParts();

  TTimer* tmEqCurve = nullptr;
  TTimer* tmHpLpCurve = nullptr;
  TTimer* tmMouseEqCurve = nullptr;
  // The pending redraw of a band fader, a cut fader or a marker drag.
  int FPendingCurveKind = 0;
  int FPendingChannel = 0;
  float FPendingFreq = 0;
  float FPendingQ = 0;
  double FPendingGain = 0;
  int FPendingSlope = 0;
  int FPendingType = 0;
  int FPendingBand = 0;
  int FPendingBypass = 0;
  // The last pointer position a pane reported (moves at the same place are dropped).
  int FLastMoveX = 0, FLastMoveY = 0;
  // Nesting of the band table's change handler (its Q corrections re-raise it).
  int FEqChangeDepth = 0;

 private:
  // One band's curve, marker, parameter texts and the channel sum on the channel's graph.
  void DrawEqBand(int ch, int band, double freq, double gain, double q, int type, bool bypassed);
  // Selects a band for display on the faders and the graph; nothing written or sent.
  bool SelectEqBand(int ch, int band);
  // A cut panel's slope byte: 0 while its bypass button is down, else the box's item + 1.
  int CutSlope(int ch, bool lowCut) const;
  // The shared body of the slope and bypass handlers.
  void CutPanelChange(int ch, bool lowCut);
  void CutFreqChange(TComponent* Sender, bool lowCut);
  void BandFaderChange(TComponent* Sender, int kind);
  // Drag steps of a band handle and of a cut handle.
  void DragBand(int ch, int handle, double freq, double gain);
  void DragCut(int ch, bool lowCut, double freq);

 public:
  // --- end of EQ bands, high and low cut, dragging, EQ reset and bypass

  // --- compressor and gate (TfmMainComp.cpp, TfmMainGate.cpp)
  // Writes one field of an output's compressor (kind 0 threshold position, 1 attack, 2
  // release, 3 ratio index, 4 knee) into the image and sends the record; nothing at all
  // while the updating flag is set.
  void SetCompParam(int ch, int kind, int value);
  // Shows a compressor value on the controls of the output's link group.
  void MirrorComp(int ch, int kind, int value);
  void isCompThresholdOut1Change(TComponent* Sender);
  void isCompAttackOut1Change(TComponent* Sender);
  void isCompReleaseOut1Change(TComponent* Sender);
  void udCompRatioOut1ChangingEx(TComponent* Sender, bool& AllowChange, short NewValue, int Direction);
  void udCompKneeOut1ChangingEx(TComponent* Sender, bool& AllowChange, short NewValue, int Direction);
  void cvdCompRatioOut1KeyDown(TComponent* Sender, TKey& Key, unsigned Shift);
  void cvdCompRatioOut1Exit(TComponent* Sender);
  void cvdCompThresholdOut1KeyDown(TComponent* Sender, TKey& Key, unsigned Shift);
  void cvdCompThresholdOut1Exit(TComponent* Sender);
  void cvdCompKneeOut1KeyDown(TComponent* Sender, TKey& Key, unsigned Shift);
  void cvdCompKneeOut1Exit(TComponent* Sender);
  void cvdCompAttackOut1KeyDown(TComponent* Sender, TKey& Key, unsigned Shift);
  void cvdCompAttackOut1Exit(TComponent* Sender);
  void cvdCompReleaseOut1KeyDown(TComponent* Sender, TKey& Key, unsigned Shift);
  void cvdCompReleaseOut1Exit(TComponent* Sender);
  void isCompThresholdOut1MouseDown(TComponent* Sender);
  void cvdCompThresholdOut1MouseDown(TComponent* Sender);
  void lbCompOut1MouseDown(TComponent* Sender);
  void tmCompDispTimer(QObject* Sender);
  // Writes one field of an input's gate (kind 0 threshold position, 1 attack, 2 release, 3
  // hold) into the image and sends the record; nothing at all while the updating flag is set.
  void SetGateParam(int ch, int kind, int value);
  // Shows a gate value on the controls of the input's link group.
  void MirrorGate(int ch, int kind, int value);
  void isGateThresholdInAChange(TComponent* Sender);
  void isGateAttackInAChange(TComponent* Sender);
  void isGateReleaseInAChange(TComponent* Sender);
  void isGateHoldInAChange(TComponent* Sender);
  void cvdGateThresholdInAKeyDown(TComponent* Sender, TKey& Key, unsigned Shift);
  void cvdGateThresholdInAExit(TComponent* Sender);
  void cvdGateAttackInAKeyDown(TComponent* Sender, TKey& Key, unsigned Shift);
  void cvdGateAttackInAExit(TComponent* Sender);
  void cvdGateReleaseInAKeyDown(TComponent* Sender, TKey& Key, unsigned Shift);
  void cvdGateReleaseInAExit(TComponent* Sender);
  void cvdGateHoldInAKeyDown(TComponent* Sender, TKey& Key, unsigned Shift);
  void cvdGateHoldInAExit(TComponent* Sender);
  void cvdGateThresholdInAMouseDown(TComponent* Sender);
  void cvdGateAttackInAMouseDown(TComponent* Sender);
  void cvdGateReleaseInAMouseDown(TComponent* Sender);
  void lbGateInAMouseDown(TComponent* Sender);

  // One-shot redraw of the last edited output's compressor curve.
  TTimer* tmCompDisp = nullptr;
  // The output whose curve the deferred redraw draws.
  int FLastCompChannel = 2;

 private:
  void CompFaderChange(TComponent* Sender, int kind);
  void CompSpinnerChanging(TComponent* Sender, short NewValue, int kind);
  // Typed entries: the ratio, the knee (enter: run by the Enter key), a threshold of either
  // page and a time of either page, each for the fader or spinner the box edits.
  void CompRatioEntry(TComponent* Sender);
  void CompKneeEntry(TComponent* Sender, bool enter);
  void ThresholdEntry(TComponent* Sender, const QString& faderStem);
  void TimeEntry(TComponent* Sender, const QString& faderStem);
  void GateFaderChange(TComponent* Sender, int kind);
  // The compressor's or gate's controls of one member showing a value; false when one is
  // missing.
  bool ShowCompValue(int ch, int kind, int value, int edited);
  bool ShowGateValue(int ch, int kind, int value);

 public:
  // --- end of compressor and gate

  // --- presets, unit files, menus (TfmMainPresets.cpp, TfmMainUnitFile.cpp, TfmMainMenus.cpp)
  // The file dialogs: which file is asked for.
  enum class FileDialog { SavePreset, OpenPreset, SaveUnit, OpenUnit };
  // Asks for a file name (empty when cancelled): Qt's file dialog in the user's documents
  // folder with the ".prs" or ".unt" filter, unless a test puts its own answer here.
  std::function<QString(FileDialog)> AskFileName;
  // Store, recall and factory default of the unit's presets.
  void StorePreset(int n, const std::string& name) override;
  void RecallPreset(int n) override;
  void bStoreClick(TComponent* Sender);
  void bRecallClick(TComponent* Sender);
  // ".prs" preset files: the current image saved, a file taken into the image and sent.
  void SavePresetFile();
  void OpenPresetFile();
  void SaveClick(TMenuItem* Sender);
  void OpenClick(TMenuItem* Sender);
  // Whole-unit upload into a ".unt" file and download of one.
  void UploadClick(TMenuItem* Sender);
  void DownloadClick(TMenuItem* Sender);
  void UploadUnit();
  void DownloadUnitFile();
  void SelectPresetForRead(int slot);
  void OnDeviceInfoReply(const LCmd& reply);
  void OnPresetPieceReply(const LCmd& reply);
  void OnDownloadPieceReply(const LCmd& reply);
  void DownloadNextPreset();
  void tmUploadTimer(QObject* Sender);
  // Ends an upload, download or preset-file transfer that the link's closing broke off:
  // the progress window goes, the window is enabled again and a message says so.
  void EndBrokenTransfer();
  // Menu items that open a window or do nothing.
  void LockClick(TMenuItem* Sender);
  void TestToneClick(TMenuItem* Sender);
  void Rs232CodeClick(TMenuItem* Sender);
  void SettingIDClick(TMenuItem* Sender);
  void BlockDiagramClick(TMenuItem* Sender);
  void ConnectHelpClick(TMenuItem* Sender);

  // Transfer state.
  enum class Transfer { None, Upload, Download };
  Transfer FTransfer = Transfer::None;
  int FReadSlot = 0;
  int FDownloadSlot = 0;
  UnitFileContents FUnitFile;
  std::array<std::uint8_t, 50> FPieceBuffer{};
  TTimer* tmUpload = nullptr;

 private:
  void CreatePresetParts();
  void ShowMessage(const char* key);
  void EndDownload();
  // Sends piece `piece` of record FDownloadSlot as the unit's preset `preset`.
  void SendDownloadPiece(int preset, int piece);
  static QString AskFileNameWithDialog(FileDialog kind);

 public:
  // --- end of presets, unit files, menus

  // --- controls the code reaches directly (the rest by name)
  TRzGroupBox* rzgFunction = nullptr;
  TRzGroupBox* rzgMain = nullptr;
  TRzGroupBox* rzgPreset = nullptr;
  TRzBmpButton* rzbMenuLink = nullptr;
  TRzLabel* lbShowIdNumber = nullptr;
  TRzLabel* lbShowIp = nullptr;
  TRzLabel* lbStatus = nullptr;
  TiXYPlot* ipComp = nullptr;
  TiXYPlot* ipGate = nullptr;
  TClientSocket* ClientSocket = nullptr;
  TTimer* tmStartConnect = nullptr;
  TTimer* tmDisconnect = nullptr;
  TTimer* tmComScan = nullptr;
  // Menu items (owned by the main menu).
  TMenuItem *File = nullptr, *Open = nullptr, *Save = nullptr, *Upload = nullptr, *Download = nullptr,
            *FactoryDefault = nullptr, *Exit = nullptr, *Link = nullptr, *Copy = nullptr, *Lock = nullptr,
            *SettingID = nullptr, *NetworkSetup = nullptr, *TestTone = nullptr, *ChNameList = nullptr,
            *LanguageSel = nullptr, *ChineseSimplified = nullptr, *ChineseTraditional = nullptr,
            *English = nullptr, *Help = nullptr, *Rs232Code = nullptr, *MemoShow = nullptr, *HidData = nullptr,
            *LockSetup = nullptr, *BlockDiagram = nullptr, *Connect = nullptr, *Connected = nullptr,
            *ConnectHelp = nullptr, *About = nullptr;
  LanguageTable moEnglish;
  LanguageTable moSimplified;

 public:
  // --- state (grouped by concern; members reach them directly)
  // Program moving controls: change handlers return at once while set.
  bool FUpdating = false;
  // Set while FormCreate shows the first image.
  bool FCreating = false;
  bool FExitConfirmed = false;
  bool FGaveWay = false;
  // Pages and views.
  int FPage = kPageGain;
  int FCompChannel = 2;
  int FGateChannel = 0;
  int FExtraHeight = 0;
  std::array<std::uint16_t, kViews> FOverlayDirty{};
  std::array<std::unique_ptr<Plot>, kViews> FPlots;
  // Band dragging on the curve panes (-1: none).
  int FDragHandle = -1;
  int FDragHandle2 = -1;
  // The image and presets.
  std::unique_ptr<LUnitControl> FUnitControl;
  int FCurrentPreset = 0;
  // Language.
  QString FLanguage = QStringLiteral("English");
  // Unit and links.
  std::uint8_t FDeviceId = 1;
  std::uint32_t FUnitAddress = 0;
  int FAutoAddress = 0;
  bool FOnline = false;
  bool FConnected = false;
  QString FComPortName;
  RequestState FRequestState = REQ_NONE;
  std::unique_ptr<LCommProc> FCommLink;
  std::unique_ptr<LUsbProc> FUsbLink;
  std::unique_ptr<LNetProc> FNetLink;
  TJvHidDeviceController* HidCtl = nullptr;

 private:
  void CreateMainMenu();
  std::unique_ptr<TMainMenu> FMainMenu;
  std::unique_ptr<LinkOwner> FLinkOwner;
  class InstanceServer;
  std::unique_ptr<InstanceServer> FInstanceServer;
};

extern TfmMain* fmMain;
