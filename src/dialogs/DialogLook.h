#pragma once
// The look the dialogs share: their window frame and placement, the background picture, the
// command buttons' pictures and the message icons (all drawn here by code), and builders for
// the controls every dialog has. A calm dark panel with silver buttons and light grey inner
// panels, in the colours the dialogs' layouts give.
#include "graphics/TColor.h"
#include "graphics/TFont.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <functional>

class QObject;
class QWidget;
class TComponent;
class TForm;
class TGroupBox;
class TImage;
class TLabel;
class TRzBmpButton;
class TTimer;
class TWinControl;

namespace DialogLook {

// The plain dark ground of windows without a background picture (the picture's middle tone).
constexpr TColor kGround = RGBColor(42, 46, 52);
// Texts on the dark background, and the accent of bars and focus.
constexpr TColor kText = RGBColor(232, 235, 239);
constexpr TColor kAccent = RGBColor(61, 143, 214);
// The light grey of the inner panels and the silver of disabled edits, as the layouts give them.
constexpr TColor kPanel = 14211288;
constexpr TColor kSilver = 12632256;
// The pale yellow of the name fields, as the layouts give it.
constexpr TColor kFieldColour = 16777183;
// The dark text on those light panels.
constexpr TColor kPanelText = RGBColor(28, 31, 36);
// The dark track of progress bars.
constexpr TColor kTrack = RGBColor(24, 26, 30);
// The dark ground and light text of the lists (traffic log, message list).
constexpr TColor kListGround = RGBColor(22, 24, 28);
constexpr TColor kListText = RGBColor(206, 216, 228);

// The dialogs' font: Tahoma of `size` points in `color`, optionally bold.
TFont Font(int size, TColor color, bool bold = false);

// Window frames: fixed size unless sizeable; without a close box the window can only be
// left through its own buttons.
enum Frame : unsigned { kCloseBox = 1, kStayOnTop = 2, kSizeable = 4 };
// Sets the frame and the client size.
void SetFrame(TForm& form, int width, int height, unsigned frame);
// Moves the form to the centre of `over` (a window), or of the screen when null.
void Centre(TForm& form, const QWidget* over = nullptr);

// The background picture of a dialog's client area, `height` tall. Every column of it is the
// same, so it is one column wide: the background image stretches it across the area.
QImage Background(int height);
// The part of a ground picture at `at`. A ground one column wide (a background) stands for
// its rows stretched across any width.
QImage GroundUnder(const QImage& ground, const QRect& at);
enum class Face { Up, Hot, Down, Disabled };
// A button face of the size of `at`, drawn over that part of `background`.
QImage ButtonFace(const QImage& background, const QRect& at, Face face);
enum class Emblem { Information, Warning, Question, Product };
// An icon drawn over `ground` (a square picture of what lies under it).
QImage Icon(Emblem emblem, const QImage& ground);
// A picture of one colour, as ground for an icon or a button.
QImage Plain(int width, int height, TColor colour);

// The background image `imBase` covering the form's client area (set the frame first).
TImage* AddBackground(TForm& form);
// A command button on the form at `bounds`, its pictures drawn over what lies under it
// (`ground`: a picture of the form's client area, usually its background).
TRzBmpButton* AddButton(TForm& form, const QImage& ground, const QString& name, const QRect& bounds);
// A transparent label on `parent`, sized to its text.
TLabel* AddLabel(TComponent* owner, TWinControl* parent, const QString& name, int left, int top, const TFont& font);
// An icon image on `parent` at (left, top), of the size of `ground`, drawn over it.
TImage* AddIcon(TComponent* owner, TWinControl* parent, const QString& name, int left, int top, Emblem emblem,
                const QImage& ground);

// A dialog timer of `interval` ms: one-shot by convention (its handler disables it first) and
// disabled until the dialog arms it.
TTimer* AddTimer(TForm& form, int interval, std::function<void(QObject*)> onTimer);

// The message panel of the confirmation and information windows: a light group box
// `GroupBox1` at `bounds` with the icon `Image1` on its left and a centred, wrapping label
// (named `labelName`) beside it.
struct MessagePanel {
    TGroupBox* box;
    TImage* icon;
    TLabel* label;
};
MessagePanel AddMessagePanel(TForm& form, const QRect& bounds, Emblem emblem, const QString& labelName);

}  // namespace DialogLook
