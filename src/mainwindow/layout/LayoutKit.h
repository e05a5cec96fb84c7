#pragma once
// What the main window's page builders share: the window's colours and fonts, and one maker
// per kind of control that creates it on the main window (its owner, so FindComponent finds
// it by name), names it, tags it, places it on its parent and gives it the look of this
// window. Event bindings stay with the builders.
#include "graphics/ColorContrast.h"
#include "graphics/TColor.h"
#include "graphics/TFont.h"

#include <QString>

class LMyFFTDrawPhase;
class LProgressBar;
class TAdvTrackBar;
class TCurvyEdit;
class TImage;
class TMyPEQAllpass;
class TRadioButton;
class TRzBmpButton;
class TRzComboBox;
class TRzGroupBox;
class TRzLabel;
class TRzPanel;
class TShape;
class TUpDown;
class TVrDemoButton;
class TVrPowerButton;
class TWinControl;
class TfmMain;
class TiXYPlot;
struct TransferCurvePlotPlacement;

namespace MainLayout {

// The window's palette: a dark, calm ground with lighter frames and light texts.
constexpr TColor kWindow = RGBColor(24, 26, 30);
constexpr TColor kFrame = RGBColor(34, 37, 43);
constexpr TColor kPanel = RGBColor(43, 47, 54);
constexpr TColor kInset = RGBColor(28, 31, 36);
constexpr TColor kBorder = RGBColor(70, 76, 86);
constexpr TColor kText = RGBColor(222, 226, 232);
constexpr TColor kDimText = RGBColor(150, 158, 170);
constexpr TColor kHeading = RGBColor(110, 190, 255);
constexpr TColor kLime = RGBColor(0, 255, 0);
constexpr TColor kYellow = RGBColor(255, 255, 0);
constexpr TColor kSilverText = RGBColor(192, 192, 192);
// The value boxes' read-only face and the editable face.
constexpr TColor kReadOnlyFace = 16777183;

using ::ContrastRatio;
// One rule for names and values in a channel's colour on a dark face: the colour keeps its hue
// and saturation and is lightened until it reads at 4.5:1 or more.
TColor ReadableOn(TColor colour, TColor face);
// Tahoma of `size` points.
TFont Font(int size, TColor color, bool bold = false);

// Two fader thumb sets: A for gain and delay, B for the others.
enum class Thumbs { A, B };

TRzGroupBox* AddGroup(TfmMain& form, TWinControl* parent, const QString& name, int tag, int left, int top,
                      int width, int height, TColor face = kFrame);
TRzPanel* AddPanel(TfmMain& form, TWinControl* parent, const QString& name, int tag, int left, int top,
                   int width, int height, TColor face = kInset);
// A transparent label; width 0 sizes it to the caption.
TRzLabel* AddLabel(TfmMain& form, TWinControl* parent, const QString& name, int tag, int left, int top,
                   int width, const QString& caption, const TFont& font, int alignment = 0);
TAdvTrackBar* AddFader(TfmMain& form, TWinControl* parent, const QString& name, int tag, int left, int top,
                       int width, int height, int min, int max, int position, int pageSize, Thumbs thumbs,
                       bool disabledPicture);
// A rounded value box, 24 high.
TCurvyEdit* AddValueBox(TfmMain& form, TWinControl* parent, const QString& name, int tag, int left, int top,
                        int width, const QString& text, bool readOnly);
// Button faces drawn by code: page buttons, small square toggles (mute, polarity, bypass,
// routing, band select) and command buttons.
enum class Face { Page, Toggle, Command, Band };
TRzBmpButton* AddButton(TfmMain& form, TWinControl* parent, const QString& name, int tag, int left, int top,
                        int width, int height, Face face, const QString& caption, int groupIndex = 0);
TVrPowerButton* AddLed(TfmMain& form, TWinControl* parent, const QString& name, int tag, int left, int top,
                       int width, int height, const QString& caption, TColor lit);
// A momentary text button: black face, thin bevel, Arial caption that lightens under the mouse.
TVrDemoButton* AddDemoButton(TfmMain& form, TWinControl* parent, const QString& name, int tag, int left, int top,
                             int width, int height, const QString& caption);
LProgressBar* AddMeter(TfmMain& form, TWinControl* parent, const QString& name, int tag, int left, int top,
                       int height, int red, int yellow, int green, bool lowered, bool lamp);
TRadioButton* AddRadio(TfmMain& form, TWinControl* parent, const QString& name, int tag, int left, int top,
                       int width, const QString& caption);
TRzComboBox* AddCombo(TfmMain& form, TWinControl* parent, const QString& name, int tag, int left, int top,
                      int width);
TUpDown* AddUpDown(TfmMain& form, TWinControl* parent, const QString& name, int tag, int left, int top,
                   int height, int min, int max, int position);
TShape* AddShape(TfmMain& form, TWinControl* parent, const QString& name, int tag, int left, int top, int width,
                 int height, TColor fill, TColor pen);
TImage* AddImage(TfmMain& form, TWinControl* parent, const QString& name, int tag, int left, int top, int width,
                 int height);
LMyFFTDrawPhase* AddGraph(TfmMain& form, TWinControl* parent, const QString& name, int tag, int left, int top,
                          int width, int height);
// A transfer-curve plot with its stored settings, at its placement.
TiXYPlot* AddTransferPlot(TfmMain& form, TWinControl* parent, const TransferCurvePlotPlacement& placement);

// The page builders, in the order the window is made.
void BuildFunctionBar(TfmMain& form);
void BuildChannelPages(TfmMain& form);
void BuildGainPage(TfmMain& form);
void BuildDelayPage(TfmMain& form);
void BuildCompPage(TfmMain& form);
void BuildGatePage(TfmMain& form);
void BuildMatrixPage(TfmMain& form);
void BuildPresetArea(TfmMain& form);
// Everything above, then the two frames of every page hidden except the Gain page's.
void BuildMainWindow(TfmMain& form);

// The resize tables: places every listed control for the window's size (dx, dy >= 0 apply;
// a negative one leaves its table alone).
void ApplyHeightTable(TfmMain& form, int dy);
void ApplyWidthTable(TfmMain& form, int dx);

// The top of the page area below the menu bar and the function bar.
constexpr int kMenuHeight = 22;

// The graph frame at the top of every page.
constexpr int kFrameWidth = 1112, kGraphHeight = 284;
// Every page's parameter frame (in rzgMain, at x 5) and the preset bar (in the window) at the
// design size. Their lefts and tops are the resize tables'; the widths are ours: both grow by
// half the extra width, so that their right edges stay on one line, 5 pixels inside the page
// area's right edge, at every size.
constexpr int kParamLeft = 20, kParamTop = 292, kParamWidth = 1087, kParamHeight = 262;
constexpr int kPresetLeft = 10, kPresetTop = 626, kPresetWidth = 1102, kPresetHeight = 66;

}  // namespace MainLayout
