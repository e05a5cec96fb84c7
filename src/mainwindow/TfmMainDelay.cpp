// The delay editor: the fader and value box of each channel, its picture on the delay line
// (dragged along it), the dash line up to the picture, the time label beside it, and the
// unit buttons that show every delay in ms, m or ft.
#include "TfmMain.h"

#include "ControlTexts.h"
#include "ForLinkGroup.h"
#include "LUnitControl.h"
#include "TypedEntry.h"
#include "UpdatingScope.h"
#include "ValueCodecs.h"
#include "text/AnsiCodec.h"

#include "AdvTrackBar.h"
#include "CurvyControls.h"
#include "RzBmpBtn.h"
#include "ui/TImage.h"
#include "ui/TLabel.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Where the picture of delay 0 stands, and the part of the line the picture cannot use.
constexpr int kLineStart = 40;
constexpr int kLineMargin = 90;
// A drag stops this far before the line's end; the picture's middle lies 15 right of X.
constexpr int kDragEndMargin = 75;
constexpr int kPictureHalf = 15;
// A press within this distance of the picture's middle (both ways) grabs it.
constexpr int kGrabDistance = 15;
constexpr int kPictureMiddleInLine = 25;
// Typed numbers above this are past every unit's range (680 ms, 234 m, 767 ft); capping
// them first keeps the conversion finite.
constexpr double kTypedDelayCap = 1.0e6;

int ShownUnit(const LUnitControl& unit)
{
    const int u = unit.GetDelayUnit();
    return u <= kDelayUnitFeet ? u : kDelayUnitMs;
}

const TypedEntry::Rule& DelayRule(int unit)
{
    static const TypedEntry::Rule ms{TypedEntry::CaseVariants("ms"), "0123456789., "};
    static const TypedEntry::Rule metres{TypedEntry::CaseVariants("m"), "0123456789., "};
    static const TypedEntry::Rule feet{TypedEntry::CaseVariants("ft"), "0123456789., "};
    return unit == kDelayUnitMetres ? metres : unit == kDelayUnitFeet ? feet : ms;
}

// The time label stands right of the picture, a quarter of its height down.
void PlaceTimeLabel(const TImage& picture, TCustomLabel& time)
{
    time.SetLeft(picture.Left() + picture.Width());
    time.SetTop(picture.Top() + picture.Height() / 4);
}

}  // namespace

// ---- fader and mirror ---------------------------------------------------------------------

void TfmMain::isDelayInAChange(TComponent* Sender)
{
    if (FUpdating)
        return;
    auto* bar = dynamic_cast<TAdvTrackBar*>(Sender);
    if (!bar)
        return;
    const int ch = bar->Tag();
    const QString s = Suffix(ch);
    auto* box = Find<TCurvyEdit>("cvdDelay" + s);
    auto* picture = Find<TImage>("imDelay" + s);
    auto* line = Find<TCustomLabel>("lbDelayLine" + s);
    auto* time = Find<TCustomLabel>("lbFftDelayTime" + s);
    if (s.isEmpty() || !box || !picture || !line || !time)
        return;
    const int position = bar->Position();
    picture->SetLeft(DelayPictureLeft(position, bar->Max(), line->Width()));
    PlaceTimeLabel(*picture, *time);
    const QString text = DelayText(position, ShownUnit(*FUnitControl));
    box->SetText(text);
    time->SetCaption(text);
    FUnitControl->SetDelay(ch, std::uint16_t(position));
    MirrorDelay(ch, position, picture->Left());
}

void TfmMain::MirrorDelay(int ch, int samples, int pictureLeft)
{
    UpdatingScope updating(FUpdating);
    const QString text = DelayText(samples, ShownUnit(*FUnitControl));
    const QString dashes = DelayLineText(pictureLeft);
    ForLinkGroup(ch, [&](int m) { return ShowDelay(m, samples, pictureLeft, text, dashes); });
}

bool TfmMain::ShowDelay(int ch, int samples, int pictureLeft, const QString& text, const QString& dashes)
{
    const QString s = Suffix(ch);
    auto* box = Find<TCurvyEdit>("cvdDelay" + s);
    auto* bar = Find<TAdvTrackBar>("isDelay" + s);
    auto* picture = Find<TImage>("imDelay" + s);
    auto* time = Find<TCustomLabel>("lbFftDelayTime" + s);
    auto* line = Find<TCustomLabel>("lbDelayLine" + s);
    if (!box || !bar || !picture || !time || !line)
        return false;
    picture->SetLeft(pictureLeft);
    PlaceTimeLabel(*picture, *time);
    line->SetCaption(dashes);
    box->SetText(text);
    time->SetCaption(text);
    bar->SetPosition(samples);
    return true;
}

void TfmMain::PlaceDelayIndicator(int ch)
{
    const QString s = Suffix(ch);
    auto* picture = Find<TImage>("imDelay" + s);
    auto* line = Find<TCustomLabel>("lbDelayLine" + s);
    auto* time = Find<TCustomLabel>("lbFftDelayTime" + s);
    if (s.isEmpty() || !picture || !line || !time)
        return;
    PlaceTimeLabel(*picture, *time);
    line->SetCaption(DelayLineText(picture->Left()));
}

// ---- unit buttons -------------------------------------------------------------------------

void TfmMain::rzbUnit0Click(TComponent* Sender)
{
    auto* button = dynamic_cast<TRzBmpButton*>(Sender);
    if (!button)
        return;
    const int unit = button->Tag();
    for (int ch = 0; ch < kChannels; ++ch) {
        const QString s = Suffix(ch);
        auto* box = Find<TCurvyEdit>("cvdDelay" + s);
        auto* bar = Find<TAdvTrackBar>("isDelay" + s);
        auto* time = Find<TCustomLabel>("lbFftDelayTime" + s);
        if (!box || !bar || !time)
            return;
        const QString text = DelayText(bar->Position(), unit);
        box->SetText(text);
        time->SetCaption(text);
    }
    if (!FUpdating)
        FUnitControl->SetDelayUnit(std::uint16_t(unit));
}

// ---- typed entry --------------------------------------------------------------------------

void TfmMain::cvdDelayInBKeyDown(TComponent* Sender, TKey& key, TShiftState)
{
    if (key == TypedEntry::kEnterKey)
        DelayEntry(Sender);
}

void TfmMain::cvdDelayInAExit(TComponent* Sender) { DelayEntry(Sender); }

void TfmMain::DelayEntry(TComponent* Sender)
{
    auto* box = dynamic_cast<TCurvyEdit*>(Sender);
    if (!box)
        return;
    auto* bar = Find<TAdvTrackBar>("isDelay" + Suffix(box->Tag()));
    if (!bar)
        return;
    const int unit = ShownUnit(*FUnitControl);
    const std::optional<std::string> text = TypedEntry::Clean(AnsiCodec::FromUnicode(box->Text()), DelayRule(unit));
    box->SetText(QString());
    if (text) {
        const double value = std::min(TypedEntry::ReadDecimal(*text), kTypedDelayCap);
        bar->SetPosition(std::clamp(DelayToSamples(value, unit), bar->Min(), bar->Max()));
    }
    box->SetText(DelayText(bar->Position(), unit));
    box->Edit()->end(false);
}

// ---- dragging a picture -------------------------------------------------------------------

bool TfmMain::OnDelayPicture(TComponent* line, int x, int y) const
{
    auto* label = dynamic_cast<TCustomLabel*>(line);
    auto* picture = label ? Find<TImage>("imDelay" + Suffix(label->Tag())) : nullptr;
    if (!picture)
        return false;
    return std::abs(x - picture->Left() + kPictureMiddleInLine) < kGrabDistance &&
           std::abs(y - label->Height() / 2) < kGrabDistance;
}

void TfmMain::lbDelayLineInAMouseDown(TComponent* Sender, TMouseButton, TShiftState, int x, int y)
{
    if (OnDelayPicture(Sender, x, y))
        FDelayDrag = 1;
}

void TfmMain::lbDelayLineInAMouseMove(TComponent* Sender, TShiftState, int x, int y)
{
    auto* line = dynamic_cast<TCustomLabel*>(Sender);
    if (!line)
        return;
    if (!FDelayDrag) {
        line->SetCursor(OnDelayPicture(Sender, x, y) ? crHandPoint : crDefault);
        return;
    }
    const QString s = Suffix(line->Tag());
    auto* picture = Find<TImage>("imDelay" + s);
    auto* bar = Find<TAdvTrackBar>("isDelay" + s);
    if (s.isEmpty() || !picture || !bar)
        return;
    // A line too narrow for its picture has no scale to drag along.
    const int span = line->Width() - kLineMargin;
    if (span <= 0)
        return;
    const int dragX = std::min(x, line->Width() - kDragEndMargin) - kPictureHalf;
    bar->SetPosition(int(std::trunc(double(dragX) * bar->Max() / span)));
    line->SetCaption(DelayLineText(dragX + kLineStart));
}

void TfmMain::lbDelayLineInAMouseUp(TComponent*, TMouseButton, TShiftState, int, int) { FDelayDrag = 0; }
