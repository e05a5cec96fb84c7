// The fader's model: geometry, position, keys, wheel, mouse and the repeat timer.
#include "AdvTrackBar.h"

#include "SafeFormat.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>

using namespace trackbar_rects;

TCustomTrackBar::TCustomTrackBar(TComponent* owner)
    : TStyledControl(owner),
      FThumb(std::make_unique<TTrackBarThumb>(this)),
      FSlider(std::make_unique<TTrackBarSlider>(this)),
      FTickMark(std::make_unique<TTrackBarTick>(this)),
      FButtons(std::make_unique<TTrackBarButtons>(this)),
      FTrackLabel(std::make_unique<TTrackBarLabel>(this)) {
    TStyledControl::SetColor(clNone);
    auto invalidate = [this] { update(); };
    FThumb->OnChange = invalidate;
    FSlider->OnChange = invalidate;
    FButtons->OnChange = invalidate;
    FTrackLabel->OnChange = invalidate;
    FTickMark->OnChange = [this] {
        RecalcTickTextHeight();
        update();
    };
    auto pictureChanged = [this](TGDIPGraphic*) { update(); };
    FBackGround.OnChange = pictureChanged;
    FBackGroundDisabled.OnChange = pictureChanged;
    FRateActive.OnChange = pictureChanged;
    FRateInActive.OnChange = pictureChanged;
    FHintWindow = std::make_unique<TTrackHintWindow>();
    FTrackHint = false;
    SetBounds(0, 0, 150, 26);
}

TCustomTrackBar::~TCustomTrackBar() { ReferTo(FTickImages, nullptr); }

void TCustomTrackBar::SetTickImages(TImageList* value) {
    if (value == FTickImages) return;
    ReferTo(FTickImages, value);
    update();
}

void TCustomTrackBar::ImageListRemoved(const TImageList* list) {
    if (list != FTickImages) return;
    FTickImages = nullptr;
    update();
}

void TCustomTrackBar::Loaded() {
    RecalcTickTextHeight();
    FButtons->PictureChanged();
    if (!FThumb->Picture().Empty()) FThumb->DeriveSizeFromPicture();
}

// ---------------------------------------------------------------- geometry

QRect TCustomTrackBar::InnerRect() const {
    const int inset = FFrameWidth + FContentOffset;
    return LTRB(inset, inset, width() - inset, height() - inset);
}

QRect TCustomTrackBar::LabelRect() const {
    if (!FTrackLabel->Visible()) return {};
    const QFontMetrics fm(FTrackLabel->Font().ToQFont());
    const int depth = fm.height() + FTrackLabel->Spacing();
    const QRect in = InnerRect();
    const bool top = FTrackLabel->Position() <= lpTopRight;
    if (top) {
        const int lead = FSlider->Offset();
        return Vertical() ? LTRB(in.x() + lead, in.y(), in.x() + lead + depth, Bottom(in))
                          : LTRB(in.x(), in.y() + lead, Right(in), in.y() + lead + depth);
    }
    QRect row;
    GetBottomRightTickRect(row);
    return Vertical() ? LTRB(Right(row) + 1, in.y(), Right(row) + 1 + depth, Bottom(in))
                      : LTRB(in.x(), Bottom(row) + 1, Right(in), Bottom(row) + 1 + depth);
}

QRect TCustomTrackBar::LabelTextRect() const {
    const QRect strip = LabelRect();
    if (strip.isEmpty()) return strip;
    QString text = GetLabelText();
    if (text.isEmpty() && HasLabelTextEvent()) text = QStringLiteral("Pos");
    const int span = QFontMetrics(FTrackLabel->Font().ToQFont()).horizontalAdvance(text) + 5;
    const TLabelPosition pos = FTrackLabel->Position();
    const bool left = pos == lpTopLeft || pos == lpBottomLeft, right = pos == lpTopRight || pos == lpBottomRight;
    // Along a vertical bar the left end is the bottom and the right end the top.
    const int from = Vertical() ? strip.y() : strip.x();
    const int to = Vertical() ? Bottom(strip) : Right(strip);
    int start = (from + to - span) / 2;
    if (left) start = Vertical() ? to - span : from;
    else if (right) start = Vertical() ? from : to - span;
    return Vertical() ? LTRB(strip.x(), start, Right(strip), start + span)
                      : LTRB(start, strip.y(), start + span, Bottom(strip));
}

QRect TCustomTrackBar::TrackRect() const {
    const QRect in = InnerRect();
    int l = in.x(), t = in.y(), r = Right(in), b = Bottom(in);
    int lead = FSlider->Offset();
    if (FTrackLabel->Visible() && FTrackLabel->Position() <= lpTopRight) {
        const QRect label = LabelRect();
        lead += (Vertical() ? label.width() : label.height()) + 1;
    }
    if (Vertical()) l += lead;
    else t += lead;
    if (FButtons->Visible()) {
        const int cut = FButtons->Size() + FButtons->Spacing();
        if (Vertical()) {
            t += cut;
            b -= cut;
        } else {
            l += cut;
            r -= cut;
        }
    }
    return LTRB(l, t, r, b);
}

QRect TCustomTrackBar::MinButtonRect() const {
    const QRect in = InnerRect();
    const int s = FButtons->Size();
    return Vertical() ? LTRB(in.x(), Bottom(in) - s, Right(in), Bottom(in)) : LTRB(in.x(), in.y(), in.x() + s, Bottom(in));
}

QRect TCustomTrackBar::MaxButtonRect() const {
    const QRect in = InnerRect();
    const int s = FButtons->Size();
    return Vertical() ? LTRB(in.x(), in.y(), Right(in), in.y() + s) : LTRB(Right(in) - s, in.y(), Right(in), Bottom(in));
}

int TCustomTrackBar::TrackLength() const {
    const QRect t = TrackRect();
    return Vertical() ? t.height() : t.width();
}

int TCustomTrackBar::PointerOffset() const {
    if (FThumb->Width() <= 0) return 0;
    switch (FThumb->ThumbPointer()) {
    case tpLeft: return 0;
    case tpCenter: return FThumb->Width() / 2;
    case tpRight: return FThumb->Width();
    }
    return 0;
}

void TCustomTrackBar::RecalcTickTextHeight() {
    const QFontMetrics fm(FTickMark->Font().ToQFont());
    FTickTextHeight = fm.height() + 2 * FTickTextOffset;
}

void TCustomTrackBar::GetTopLeftTickRect(QRect& rect) const {
    rect = QRect();
    if (FTickMark->Position() == tmBottomRight) return;
    const QRect t = TrackRect();
    const int depth = (FTickMark->ShowText() ? TickTextHeight() : 0) + FTickMark->Size();
    const int p = PointerOffset();
    rect = Vertical() ? LTRB(t.x(), t.y() + p, t.x() + depth, Bottom(t) - p)
                      : LTRB(t.x() + p, t.y(), Right(t) - p, t.y() + depth);
}

void TCustomTrackBar::GetBottomRightTickRect(QRect& rect) const {
    rect = QRect();
    if (FTickMark->Position() == tmTopLeft) return;
    const QRect t = TrackRect();
    const int depth = (FTickMark->ShowText() ? TickTextHeight() : 0) + FTickMark->Size();
    const int p = PointerOffset();
    const QRect groove = GrooveRect();
    QRect topLeft;
    GetTopLeftTickRect(topLeft);
    int start;
    if (!groove.isEmpty())
        start = (Vertical() ? Right(groove) : Bottom(groove)) - (FSlider->Border3D() ? 1 : 0) + FTickMark->Spacing();
    else if (!topLeft.isEmpty())
        start = (Vertical() ? Right(topLeft) : Bottom(topLeft)) + 2 * FTickMark->Spacing();
    else
        start = Vertical() ? t.x() : t.y();
    rect = Vertical() ? LTRB(start, t.y() + p, start + depth, Bottom(t) - p)
                      : LTRB(t.x() + p, start, Right(t) - p, start + depth);
}

QRect TCustomTrackBar::GrooveRect() const {
    if (!FSlider->Visible() || FSlider->Size() <= 0) return {};
    const QRect t = TrackRect();
    QRect topLeft;
    GetTopLeftTickRect(topLeft);
    int start = Vertical() ? t.x() : t.y();
    if (!topLeft.isEmpty()) start = (Vertical() ? Right(topLeft) : Bottom(topLeft)) + FTickMark->Spacing();
    return Vertical() ? LTRB(start, t.y(), start + FSlider->Size(), Bottom(t))
                      : LTRB(t.x(), start, Right(t), start + FSlider->Size());
}

QRect TCustomTrackBar::GetThumbRect(bool) const {
    const QRect t = TrackRect();
    const int L = FThumb->Width();
    int o = 0;
    if (FMax != FMin)
        o = int(std::nearbyint(static_cast<long double>(TrackLength() - L) * (static_cast<long double>(FPosition) - FMin) /
                               (static_cast<long double>(FMax) - FMin)));
    int along0, along1;
    if (Vertical()) {
        along1 = Bottom(t) - o;
        along0 = along1 - L;
    } else {
        along0 = t.x() + o;
        along1 = along0 + L;
    }
    int start;
    const QRect groove = GrooveRect();
    if (!groove.isEmpty()) {
        start = (Vertical() ? groove.x() : groove.y()) + (Vertical() ? groove.width() : groove.height()) / 2 -
                FThumb->Size() / 2;
    } else if (FTickMark->Style() == tsNone) {
        start = Vertical() ? t.x() : t.y();
    } else if (FTickMark->Position() == tmBottomRight) {
        QRect row;
        GetBottomRightTickRect(row);
        start = Vertical() ? row.x() : row.y();
    } else {
        QRect row;
        GetTopLeftTickRect(row);
        start = (Vertical() ? row.x() : row.y()) + FTickMark->Spacing() - FThumb->Size() / 2;
    }
    int end = start + FThumb->Size();
    if (FThumb->Shape() == tsLine && FThumb->Picture().Empty()) {
        const QRect in = InnerRect();
        start = Vertical() ? in.x() : in.y();
        end = (Vertical() ? width() : height()) - FFrameWidth;
    }
    return Vertical() ? LTRB(start, along0, end, along1) : LTRB(along0, start, along1, end);
}

QRect TCustomTrackBar::RateCell(int value) const {
    if (!RatingMode() || value <= FMin || value > FMax) return {};
    const int cw = std::max(FRateActive.Width(), FRateInActive.Width());
    const int ch = std::max(FRateActive.Height(), FRateInActive.Height());
    if (cw <= 0 || ch <= 0) return {};
    const QRect t = TrackRect();
    int x = t.x(), y = t.y();
    for (int v = FMin + 1; v <= FMax; ++v) {
        if (x + cw > Right(t) && x > t.x()) {
            x = t.x();
            y += ch;
        }
        if (y > Bottom(t)) return {};
        if (v == value) return QRect(x, y, cw, ch);
        x += cw;
    }
    return {};
}

int TCustomTrackBar::RateValueAt(int x, int y) const {
    for (int v = FMin + 1; v <= FMax; ++v) {
        const QRect c = RateCell(v);
        if (c.isEmpty()) break;
        if (c.contains(x, y)) return v;
    }
    const QRect first = RateCell(FMin + 1);
    if (!first.isEmpty() && x >= first.x() - 4 && x < first.x() && y >= first.y() && y < Bottom(first)) return FMin;
    return FMin - 1;
}

// ---------------------------------------------------------------- position

void TCustomTrackBar::SetPosition(int value) {
    if (value == FPosition) return;
    if (value < FMin) value = FMin;
    else if (value > FMax) value = FMax;
    const QRect oldThumb = GetThumbRect();
    const int oldPosition = FPosition;
    FPosition = value;
    const QRect newThumb = GetThumbRect();
    if (Designing()) {
        update();
        return;
    }
    if (RatingMode()) {
        for (int v = std::min(oldPosition, value); v <= std::max(oldPosition, value); ++v) update(RateCell(v));
    } else {
        QRegion region(oldThumb.adjusted(-1, -1, 1, 1));
        region += newThumb.adjusted(-1, -1, 1, 1);
        if (FSlider->ColorCompleted() != clNone || !FSlider->PictureCompleted().Empty()) region += GrooveRect();
        if (FTickMark->ShowImageAtThumbOnly()) {
            QRect a, b;
            GetTopLeftTickRect(a);
            GetBottomRightTickRect(b);
            region += a;
            region += b;
        }
        update(region);
        InvalidateLabel();
    }
    DoChange();
}

void TCustomTrackBar::DoChange() {
    if (OnChange) OnChange(this);
}

void TCustomTrackBar::SetMax(int value) {
    if (value == FMax) return;
    FMax = value;
    if (FMax < FPosition) SetPosition(FMax);
    update();
}

void TCustomTrackBar::SetMin(int value) {
    if (value == FMin) return;
    FMin = value;
    if (FMin > FPosition) SetPosition(FMin);
    update();
}

void TCustomTrackBar::SetOrientation(TTrackBarOrientation value) {
    if (value == FOrientation) return;
    FOrientation = value;
    // A layout being read (or an update in progress) sets the bounds itself.
    if (!Loading() && !IsUpdating()) SetBounds(Left(), Top(), Height(), Width());
    update();
}

void TCustomTrackBar::SetTransparent(bool value) {
    if (value == FTransparent) return;
    FTransparent = value;
    update();
}

void TCustomTrackBar::SetColor(TColor value) {
    if (value == Color()) return;
    TStyledControl::SetColor(value);
}

void TCustomTrackBar::SetColorTo(TColor value) {
    if (value == FColorTo) return;
    FColorTo = value;
    update();
}

void TCustomTrackBar::SetBorderColor(TColor value) {
    if (value == FBorderColor) return;
    FBorderColor = value;
    update();
}

void TCustomTrackBar::SetDirection(TGradientDirection value) {
    if (value == FDirection) return;
    FDirection = value;
    update();
}

void TCustomTrackBar::SetBackGroundStretched(bool value) {
    if (value == FBackGroundStretched) return;
    FBackGroundStretched = value;
    update();
}

QString TCustomTrackBar::GetLabelText() const {
    // The format is a stored property: only its number conversions take the position.
    QString text = SafeFormat(FTrackLabel->Format(), {double(FPosition)});
    if (OnGetTrackLabelText) OnGetTrackLabelText(const_cast<TCustomTrackBar*>(this), FPosition, text);
    return text;
}

void TCustomTrackBar::InvalidateLabel() {
    if (!FTrackLabel->Visible()) return;
    const QRect r = LabelRect();
    update(Vertical() ? r.adjusted(0, 10, 0, -10) : r.adjusted(-5, 0, 5, 0));
}

// ---------------------------------------------------------------- keys and wheel

void TCustomTrackBar::KeyDown(Word& key, TShiftState shift) {
    TStyledControl::KeyDown(key, shift);
    if (shift & ssShift) return;
    switch (key) {
    case VK_PRIOR: SetPosition(FPosition + FPageSize); break;
    case VK_NEXT: SetPosition(FPosition - FPageSize); break;
    case VK_END: SetPosition(Vertical() ? FMin : FMax); break;
    case VK_HOME: SetPosition(Vertical() ? FMax : FMin); break;
    case VK_UP:
    case VK_RIGHT:
        if (FPosition < FMax) SetPosition(FPosition + 1);
        break;
    case VK_LEFT:
    case VK_DOWN:
        if (FPosition > FMin) SetPosition(FPosition - 1);
        break;
    default: break;
    }
}

bool TCustomTrackBar::DoMouseWheelUp(TShiftState shift, QPoint pos) {
    TStyledControl::DoMouseWheelUp(shift, pos);
    if (FPosition < FMax) SetPosition(FPosition + 1);
    return true;
}

bool TCustomTrackBar::DoMouseWheelDown(TShiftState shift, QPoint pos) {
    TStyledControl::DoMouseWheelDown(shift, pos);
    if (FPosition > FMin) SetPosition(FPosition - 1);
    return true;
}

void TCustomTrackBar::DoEnter() {
    TStyledControl::DoEnter();
    repaint();
}

void TCustomTrackBar::DoExit() {
    TStyledControl::DoExit();
    repaint();
}

// ---------------------------------------------------------------- mouse

void TCustomTrackBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TStyledControl::MouseDown(button, shift, x, y);
    if (!Focused()) SetFocus();
    if (RatingMode()) return;
    const QRect thumb = GetThumbRect();
    const bool onButton =
        FButtons->Visible() && (MinButtonRect().contains(x, y) || MaxButtonRect().contains(x, y));
    const int L = GetThumbLength();
    const QRect track = TrackRect();
    if (button == mbLeft && !thumb.contains(x, y) && (FMoveOnClick == mcMove || FMoveOnClick == mcMoveSlide) &&
        !onButton) {
        const int travel = TrackLength() - L;
        const int d = Vertical() ? Bottom(track) - L - y : x - track.x() - PointerOffset();
        // A thumb that fills the track has no travel: the press moves nothing.
        int v = FPosition;
        if (travel > 0) {
            v = int(std::nearbyint(double(d) / travel * (double(FMax) - FMin) + FMin));
            v = std::clamp(v, std::min(FMin, FMax), std::max(FMin, FMax));
            if (!IsValidPosition(v)) v = FPosition;
        }
        SetPosition(v);
        if (FMoveOnClick == mcMoveSlide) {
            FSliding = true;
            FThumbDown = true;
        }
        return;
    }
    if (button != mbLeft) return;
    if (thumb.contains(x, y) && CanDragThumb()) {
        FSliding = true;
        FThumbDown = true;
        DrawThumb();
        FCenterOffsetX = x - thumb.x() - thumb.width() / 2;
        FCenterOffsetY = y - thumb.y() - thumb.height() / 2;
    } else if (track.adjusted(-4, -4, 4, 4).contains(x, y) && CanStepOnTrack()) {
        FSliderButtonDown = true;
        FSliderDownPoint = QPoint(x, y);
        TrackStep();
        StartRepeatTimer();
    } else if (FButtons->Visible()) {
        const bool onMin = MinButtonRect().contains(x, y), onMax = MaxButtonRect().contains(x, y);
        bool& down = onMin ? FMinButtonDown : FMaxButtonDown;
        if ((onMin || onMax) && !down) {
            down = true;
            update(onMin ? MinButtonRect() : MaxButtonRect());
            if (FButtons->RepeatClick()) StartRepeatTimer();
        }
    }
}

void TCustomTrackBar::TrackStep() {
    const int L = GetThumbLength();
    const QRect track = TrackRect();
    if (TrackLength() - L <= 0) return;  // no travel: nothing to step toward
    const double s = FMax == FMin ? 0.0 : double(TrackLength() - L) / (double(FMax) - FMin);
    const int p = PointerOffset();
    int distance, step;
    if (Vertical()) {
        const int e = Bottom(track) - int(std::nearbyint((double(FPosition) - FMin) * s));
        const int y = FSliderDownPoint.y();
        if (y < e) {
            distance = e - y;
            step = FPageSize;
        } else {
            distance = y + p - e;
            step = -FPageSize;
        }
    } else {
        const int e = track.x() + int(std::nearbyint((double(FPosition) - FMin) * s));
        const int x = FSliderDownPoint.x();
        if (x < e) {
            distance = e + p - x;
            step = -FPageSize;
        } else {
            distance = x - e;
            step = FPageSize;
        }
    }
    if (distance >= s) SetPosition(FPosition + step);
}

void TCustomTrackBar::MinButtonStep() {
    if (FPosition > FMin) SetPosition(FPosition - FButtons->Step());
}

void TCustomTrackBar::MaxButtonStep() {
    if (FPosition < FMax) SetPosition(FPosition + FButtons->Step());
}

void TCustomTrackBar::StartRepeatTimer() {
    if (!FRepeatTimer) FRepeatTimer = MakeRepeatTimer();
    FRepeatTimer->OnTimer = [this] { RepeatTimerTick(); };
    FRepeatTimer->SetInterval(FButtons->InitRepeatPause());
    FRepeatTimer->SetEnabled(true);
}

void TCustomTrackBar::StopRepeatTimer() {
    if (FRepeatTimer) FRepeatTimer->SetEnabled(false);
}

void TCustomTrackBar::RepeatTimerTick() {
    FRepeatTimer->SetInterval(FButtons->RepeatPause());
    if (!MouseCapture()) return;
    try {
        if (FSliderButtonDown)
            TrackStep();
        else if (FMinButtonDown)
            MinButtonStep();
        else if (FMaxButtonDown)
            MaxButtonStep();
        else
            StopRepeatTimer();
    } catch (...) {
        StopRepeatTimer();
        throw;
    }
}

void TCustomTrackBar::ShowTrackHint(int position, int x, int y) {
    QString text = QString::number(position);
    if (OnGetTrackHint) OnGetTrackHint(this, position, text);
    FHintWindow->Color = clInfoBk;
    const QPoint at = mapToGlobal(QPoint(x + 10, y));
    FHintWindow->ActivateHint(QRect(at, QSize(1, 1)), text);
    FHintShown = true;
    FLastHintPos = position;
}

void TCustomTrackBar::MouseMove(TShiftState shift, int x, int y) {
    TStyledControl::MouseMove(shift, x, y);
    if (RatingMode()) return;
    if (FSliding) {
        const int L = GetThumbLength();
        const QRect track = TrackRect();
        const int travel = TrackLength() - L;
        const int n = Vertical() ? Bottom(track) - L - y + FCenterOffsetY + L / 2
                                 : x - track.x() - FCenterOffsetX - L / 2;
        int v = FPosition;
        if (travel > 0) {
            v = int(std::nearbyint(double(n) / travel * (double(FMax) - FMin) + FMin));
            v = std::clamp(v, std::min(FMin, FMax), std::max(FMin, FMax));
            if (!IsValidPosition(v)) v = FPosition;
        }
        if (v != FPosition && FTrackHint && v != FLastHintPos) ShowTrackHint(v, x, y);
        FSliderButtonDown = false;
        SetPosition(v);
        return;
    }
    if (FButtons->Visible()) UpdateButtonHot(x, y);
    const bool onThumb = GetThumbRect().contains(x, y) && CanDragThumb();
    if (onThumb && !FThumbHot) {
        FThumbHot = true;
        DrawThumb();
    } else if (!onThumb && (FThumbHot || FThumbDown)) {
        FThumbHot = false;
        FThumbDown = false;
        DrawThumb();
    }
}

void TCustomTrackBar::UpdateButtonHot(int x, int y) {
    auto track = [&](const QRect& r, bool& hot, bool& down) {
        const bool over = r.contains(x, y);
        if (over && !hot) {
            hot = true;
            update(r);
        } else if (!over && (hot || down)) {
            hot = false;
            down = false;
            update(r);
        }
    };
    track(MinButtonRect(), FMinButtonHot, FMinButtonDown);
    track(MaxButtonRect(), FMaxButtonHot, FMaxButtonDown);
}

void TCustomTrackBar::ReleaseOnButton(int x, int y) {
    if (!FButtons->Visible()) return;
    if (FMinButtonDown && MinButtonRect().contains(x, y)) {
        FMinButtonDown = false;
        update(MinButtonRect());
        MinButtonStep();
    } else if (FMaxButtonDown && MaxButtonRect().contains(x, y)) {
        FMaxButtonDown = false;
        update(MaxButtonRect());
        MaxButtonStep();
    }
}

void TCustomTrackBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    StopRepeatTimer();
    FSliderButtonDown = false;
    if (RatingMode()) {
        if (button == mbLeft) {
            const int v = RateValueAt(x, y);
            if (v >= FMin) SetPosition(v);
        }
    } else if (button == mbLeft) {
        if (FHintShown) {
            FHintWindow->hide();
            FHintShown = false;
        }
        FSliding = false;
        if (FThumbDown) {
            FThumbDown = false;
            FThumbHot = GetThumbRect().contains(x, y);
            DrawThumb();
        }
        ReleaseOnButton(x, y);
    }
    TStyledControl::MouseUp(button, shift, x, y);
}

void TCustomTrackBar::MouseLeave() {
    TStyledControl::MouseLeave();
    if (FMinButtonHot || FMinButtonDown) {
        FMinButtonHot = FMinButtonDown = false;
        update(MinButtonRect());
    }
    if (FMaxButtonHot || FMaxButtonDown) {
        FMaxButtonHot = FMaxButtonDown = false;
        update(MaxButtonRect());
    }
    if ((FThumbHot || FThumbDown) && !FSliding) {
        FThumbHot = FThumbDown = false;
        DrawThumb();
    }
}

// ---------------------------------------------------------------- hint window

TTrackHintWindow::TTrackHintWindow() : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_ShowWithoutActivating);
}

QRect TTrackHintWindow::CalcHintRect() const {
    const QFontMetrics fm(font());
    return QRect(0, 0, fm.horizontalAdvance(FText), fm.height());
}

namespace {

// The screen that holds the point, or else the one nearest to it.
const QScreen* NearestScreen(const QPoint& point) {
    if (const QScreen* screen = QGuiApplication::screenAt(point)) return screen;
    const QScreen* nearest = nullptr;
    qint64 best = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect g = screen->geometry();
        const qint64 dx = std::max({g.left() - point.x(), 0, point.x() - g.right()});
        const qint64 dy = std::max({g.top() - point.y(), 0, point.y() - g.bottom()});
        const qint64 distance = dx * dx + dy * dy;
        if (!nearest || distance < best) {
            nearest = screen;
            best = distance;
        }
    }
    return nearest;
}

}  // namespace

void TTrackHintWindow::ActivateHint(const QRect& rect, const QString& text) {
    FText = text;
    const QRect m = CalcHintRect();
    FTextWidth = m.width();
    FTextHeight = m.height();
    QRect r(rect.topLeft(), QSize(FTextWidth + 16, FTextHeight + 4));
    if (const QScreen* screen = NearestScreen(rect.topLeft())) {
        const QRect area = screen->geometry();
        if (r.right() > area.right()) r.moveRight(area.right() - 2);
        if (r.bottom() > area.bottom()) r.moveBottom(area.bottom() - 2);
    }
    setGeometry(r);
    show();
    raise();
    update();
}

void TTrackHintWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), ToQColor(ColorToRGB(Color)));
    p.setPen(ToQColor(ColorToRGB(cl3DLight)));
    p.drawLine(0, 0, width() - 1, 0);
    p.drawLine(0, 0, 0, height() - 1);
    p.setPen(ToQColor(ColorToRGB(cl3DDkShadow)));
    p.drawLine(0, height() - 1, width() - 1, height() - 1);
    p.drawLine(width() - 1, 0, width() - 1, height() - 1);
    p.setPen(ToQColor(ColorToRGB(clInfoText)));
    p.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, FText);
}
