#include "objects/iPlotDataCursor.h"

#include "core/iPlotAxis.h"
#include "core/iPlotChannelCustom.h"
#include "core/iPlotComponent.h"
#include "core/iPlotDrawing.h"
#include "graphics/GdiDrawing.h"
#include "objects/iPlotDataView.h"
#include "rtl/RtlMath.h"
#include "ui/VirtualKeys.h"

#include <algorithm>
#include <cmath>

namespace {

const char* const kStyleNames[] = {"ValueXY", "ValueX", "ValueY", "DeltaX", "DeltaY", "InverseDeltaX"};

TiPublishedProperty MenuItemProperty(TiPlotDataCursorStyle style, bool visible) {
    TiPublishedProperty p;
    p.Name = QStringLiteral("MenuItem%1%2").arg(visible ? QStringLiteral("Visible") : QStringLiteral("Caption"),
                                                QLatin1String(kStyleNames[style]));
    using C = TiPlotDataCursor;
    if (visible) {
        p.Kind = tkEnumeration;
        p.Get = [style](const TiPersistent& o) {
            return TiPropertyValue(std::int64_t(static_cast<const C&>(o).MenuItemVisible(style)));
        };
        p.Set = [style](TiPersistent& o, const TiPropertyValue& v) {
            static_cast<C&>(o).SetMenuItemVisible(style, std::get<std::int64_t>(v) != 0);
        };
    } else {
        p.Kind = tkLString;
        p.Get = [style](const TiPersistent& o) { return TiPropertyValue(static_cast<const C&>(o).MenuItemCaption(style)); };
        p.Set = [style](TiPersistent& o, const TiPropertyValue& v) {
            static_cast<C&>(o).SetMenuItemCaption(style, std::get<QString>(v));
        };
    }
    return p;
}

const QString kAll = QStringLiteral("<All>");

}  // namespace

const TiPublishedClass& TiPlotDataCursor::Published() {
    using namespace published;
    using C = TiPlotDataCursor;
    static const TiPublishedClass info = [] {
        std::vector<TiPublishedProperty> props = {
            Prop<C>("ChannelName", &C::ChannelName, &C::SetChannelName),
            Prop<C>("ChannelAllowAll", &C::ChannelAllowAll, &C::SetChannelAllowAll),
            Prop<C>("ChannelShowAllInLegend", &C::ChannelShowAllInLegend, &C::SetChannelShowAllInLegend),
            Prop<C>("Style", &C::Style, &C::SetStyle),
            published::Object<C>("Font", &C::Font),
            Prop<C>("Color", &C::Color, &C::SetColor),
            Prop<C>("UseChannelColor", &C::UseChannelColor, &C::SetUseChannelColor),
            Prop<C>("HintShow", &C::HintShow, &C::SetHintShow),
            Prop<C>("HintHideOnRelease", &C::HintHideOnRelease, &C::SetHintHideOnRelease),
            Prop<C>("HintOrientationSide", &C::HintOrientationSide, &C::SetHintOrientationSide),
            Prop<C>("HintPosition", &C::HintPosition, &C::SetHintPosition),
            Prop<C>("Pointer1Position", &C::Pointer1Position, &C::SetPointer1Position),
            Prop<C>("Pointer2Position", &C::Pointer2Position, &C::SetPointer2Position),
            Prop<C>("PointerPenWidth", &C::PointerPenWidth, &C::SetPointerPenWidth),
            Prop<C>("MenuUserCanChangeOptions", &C::MenuUserCanChangeOptions, &C::SetMenuUserCanChangeOptions, 1),
            Prop<C>("SnapToDataPoint", &C::SnapToDataPoint, &C::SetSnapToDataPoint, 0),
            Prop<C>("UseCachedInterpolatedData", &C::UseCachedInterpolatedData, &C::SetUseCachedInterpolatedData, 0),
        };
        for (int s = 0; s < 6; ++s) props.push_back(MenuItemProperty(TiPlotDataCursorStyle(s), true));
        for (int s = 0; s < 6; ++s) props.push_back(MenuItemProperty(TiPlotDataCursorStyle(s), false));
        return TiPublishedClass(QStringLiteral("TiPlotDataCursor"), &TiPlotObject::Published(), std::move(props));
    }();
    return info;
}

const TiPublishedClass& TiPlotDataCursor::PublishedClass() const { return Published(); }

TiPlotDataCursor::TiPlotDataCursor(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert,
                                   TiNotifyEvent onRemove, TiNotifyEvent onRename)
    : TiPlotManagerObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove), std::move(onRename)) {
    FVisible = false;
    FEnabled = true;
    FFont.OnChange = [this] { TriggerChange(); };
    ApplyStyle();
}

int TiPlotDataCursor::IndexInPlot() const { return FPlot ? FPlot->IndexOfObject(this) : -1; }

TiPlotChannelCustom* TiPlotDataCursor::GetChannel() {
    if (!FChannel && FPlot) FChannel = FPlot->GetChannelByName(FChannelName);
    return FChannel;
}

void TiPlotDataCursor::SetChannelName(const QString& v) {
    if (v == FChannelName) return;
    FChannelName = v;
    FChannel = nullptr;
    TriggerChange();
}

void TiPlotDataCursor::SetStyle(TiPlotDataCursorStyle v) {
    if (v == FStyle) return;
    FStyle = v;
    ApplyStyle();
    TriggerChange();
}

namespace {

double ClampPercent(double v) {
    if (!(v >= 0)) return 0;
    return std::min(v, 100.0);
}

}  // namespace

void TiPlotDataCursor::SetPointer1Position(double v) { SetProperty(ClampPercent(v), FPointer1Position, Notify::Change); }
void TiPlotDataCursor::SetPointer2Position(double v) { SetProperty(ClampPercent(v), FPointer2Position, Notify::Change); }

void TiPlotDataCursor::ApplyStyle() {
    const bool xy = !(FPlot && FPlot->IsTimeSeriesPlot());
    FPointer1Show = true;
    FPointer2Show = false;
    FPointer1Orientation = FPointer2Orientation = ioVertical;
    FHintOrientation = ioVertical;
    switch (FStyle) {
    case ipcsValueXY:
        if (xy) FPointer2Show = true, FPointer2Orientation = ioHorizontal;
        break;
    case ipcsValueX: break;
    case ipcsValueY:
        if (xy) {
            FPointer1Show = false;
            FPointer2Show = true;
            FPointer2Orientation = ioHorizontal;
            FHintOrientation = ioHorizontal;
        }
        break;
    case ipcsDeltaX:
    case ipcsInverseDeltaX: FPointer2Show = true; break;
    case ipcsDeltaY:
        FPointer2Show = true;
        FPointer1Orientation = FPointer2Orientation = ioHorizontal;
        FHintOrientation = ioHorizontal;
        break;
    }
    if (FXYAxesReversed) {
        auto flip = [](TiOrientation& o) { o = o == ioVertical ? ioHorizontal : ioVertical; };
        flip(FPointer1Orientation), flip(FPointer2Orientation), flip(FHintOrientation);
    }
}

void TiPlotDataCursor::SetVisible(bool value) {
    const bool show = value && !FVisible;
    TiPlotManagerObject::SetVisible(value);
    if (show) UpdateValues();
}

void TiPlotDataCursor::SetXYAxesReversed(bool value) {
    TiPlotManagerObject::SetXYAxesReversed(value);
    ApplyStyle();
}

void TiPlotDataCursor::UpdateValues() {
    if (!FPlot) return;
    FPlot->DoBeforeDataCursorUpdate(this);
    if (FChannelName == kAll) {
        for (int i = 0; i < FPlot->ChannelCount(); ++i) FPlot->ChannelObject(i)->CalcDataCursorValues(this);
    } else if (TiPlotChannelCustom* c = GetChannel()) {
        c->CalcDataCursorValues(this);
    }
}

void TiPlotDataCursor::SetValues(TiPlotDataPointStatus status, double x, double y) {
    if (x == FValueX && y == FValueY && status == FStatus) return;
    FValueX = x, FValueY = y, FStatus = status;
    if (FPlot) FPlot->DoDataCursorChange(this);
}

// ---- drawing --------------------------------------------------------------------------

TColor TiPlotDataCursor::PenColor() {
    TiPlotChannelCustom* c = GetChannel();
    return FUseChannelColor && c ? c->Color() : FColor;
}

int TiPlotDataCursor::PointerPixel(TiOrientation o, double position) const {
    return o == ioVertical ? FDataView->PositionPercentToPixelsX(position) : FDataView->PositionPercentToPixelsY(position);
}

double TiPlotDataCursor::PixelPercent(TiOrientation o, int pixel) const {
    return o == ioVertical ? FDataView->PixelsXToPositionPercent(pixel) : FDataView->PixelsYToPositionPercent(pixel);
}

void TiPlotDataCursor::DrawPointer(TCanvas& canvas, double position, TiOrientation o, TRect& hitRect, bool dragging) {
    canvas.Pen.Width = dragging ? 0 : FPointerPenWidth;
    const TRect v = FDataView->DrawRect();
    const int p = PointerPixel(o, position);
    TPoint pts[2];
    if (o == ioVertical) {
        pts[0] = {p, v.Top}, pts[1] = {p, v.Bottom};
        hitRect = {p - 5, v.Top, p + 6, v.Bottom};
    } else {
        pts[0] = {v.Left, p}, pts[1] = {v.Right, p};
        hitRect = {v.Left, p - 5, v.Right, p + 6};
    }
    canvas.Polyline(pts, 2);
}

void TiPlotDataCursor::Draw(TCanvas& canvas, TColor) {
    if (!FDataView || !FVisible) return;
    UpdateValues();
    canvas.Pen.Color = PenColor();
    canvas.Pen.Style = psSolid;
    if (FPointer1Show) DrawPointer(canvas, FPointer1Position, FPointer1Orientation, FPointer1Rect, FMouseDownPointer1);
    if (FPointer2Show) DrawPointer(canvas, FPointer2Position, FPointer2Orientation, FPointer2Rect, FMouseDownPointer2);
    const bool dragging = FMouseDownPointer1 || FMouseDownPointer2 || FMouseDownHint;
    FHintShowing = FHintShow && FChannelName != kAll && !(FHintHideOnRelease && !dragging);
    if (FHintShowing) DrawHint(canvas);
}

void TiPlotDataCursor::DrawHint(TCanvas& canvas) {
    QString text = GetChannel() ? FCursorDisplayText : GetTranslation(QStringLiteral("No Channel"));
    if (FPlot) FPlot->DoDataCursorCustomizeHint(this, text);
    canvas.Font = FFont.Font();
    const int w = MultiLineTextWidth(canvas, text);
    TRect measure{0, 0, w, 0};
    const int h = DrawText(canvas, text, measure, PlatformTextFlags(itfCalcRect | itfWordBreak));
    const int a = canvas.TextWidth(QStringLiteral("A"));
    FHintHeight = a / 2 + h;
    FHintWidth = w + a;
    const TRect view = FDataView->DrawRect();
    const bool p1 = FPointer1Show;
    const TRect& anchor = p1 ? FPointer1Rect : FPointer2Rect;
    TRect box;
    if (FHintOrientation == ioVertical) {
        const int x = (anchor.Left + anchor.Right) / 2;
        if (x + 5 + a + w > view.Right) FHintOrientationSide = iosTopLeft;
        if (x - 5 - a - w < view.Left) FHintOrientationSide = iosBottomRight;
        const int y = FDataView->PositionPercentToPixelsY(FHintPosition);
        if (FHintOrientationSide == iosBottomRight)
            box = {x + 5, y - FHintHeight / 2, x + 5 + FHintWidth, y + FHintHeight / 2};
        else
            box = {x - 5 - FHintWidth, y - FHintHeight / 2, x - 5, y + FHintHeight / 2};
        if (!IsValueStyle()) {
            const int cx = (FPointer1Rect.Left + FPointer1Rect.Right + FPointer2Rect.Left + FPointer2Rect.Right) / 4;
            box = {cx - FHintWidth / 2, y - FHintHeight / 2, cx + FHintWidth / 2, y + FHintHeight / 2};
        }
    } else {
        const int y = (anchor.Top + anchor.Bottom) / 2;
        if (y + a + h > view.Bottom) FHintOrientationSide = iosTopLeft;
        if (y - a - h < view.Top) FHintOrientationSide = iosBottomRight;
        const int x = FDataView->PositionPercentToPixelsX(FHintPosition);
        if (FHintOrientationSide == iosBottomRight)
            box = {x - FHintWidth / 2, y + 5, x + FHintWidth / 2, y + 5 + FHintHeight};
        else
            box = {x - FHintWidth / 2, y - 5 - FHintHeight, x + FHintWidth / 2, y - 5};
        if (!IsValueStyle()) {
            const int cy = (FPointer1Rect.Top + FPointer1Rect.Bottom + FPointer2Rect.Top + FPointer2Rect.Bottom) / 4;
            box = {x - FHintWidth / 2, cy - FHintHeight / 2, x + FHintWidth / 2, cy + FHintHeight / 2};
        }
    }
    // Shifted, not shrunk, into the data view.
    auto shift = [](int& lo, int& hi, int min, int max) {
        if (lo < min) hi += min - lo, lo = min;
        else if (hi > max) lo -= hi - max, hi = max;
    };
    shift(box.Left, box.Right, view.Left, view.Right);
    shift(box.Top, box.Bottom, view.Top, view.Bottom);
    FHintRect = box;
    const TColor line = PenColor();
    if (!IsValueStyle()) {
        canvas.Pen.Style = psDot;
        canvas.Pen.Color = line;
        canvas.Brush.Style = bsClear;
        TPoint pts[2];
        if (FPointer1Orientation == ioVertical) {
            const int y = (box.Top + box.Bottom) / 2;
            pts[0] = {(FPointer1Rect.Left + FPointer1Rect.Right) / 2, y};
            pts[1] = {(FPointer2Rect.Left + FPointer2Rect.Right) / 2, y};
        } else {
            const int x = (box.Left + box.Right) / 2;
            pts[0] = {x, (FPointer1Rect.Top + FPointer1Rect.Bottom) / 2};
            pts[1] = {x, (FPointer2Rect.Top + FPointer2Rect.Bottom) / 2};
        }
        canvas.Polyline(pts, 2);
    }
    canvas.Pen.Style = psSolid;
    canvas.Pen.Width = 1;
    canvas.Pen.Color = FUseChannelColor && GetChannel() ? line : clBlack;
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clInfoBk;
    canvas.Font.SetColor(clInfoText);
    canvas.Rectangle(box);
    canvas.Brush.Style = bsClear;
    TRect textRect{box.Left + 2, box.Top + 1, box.Right, box.Bottom};
    DrawTextFlags(canvas, text, textRect, clInfoBk, true, itfLeft | itfVCenter | itfNoClip);
    canvas.Rectangle(box);
    if (FUserSelected) DrawFocusRectangle(canvas, {box.Left - 2, box.Top - 2, box.Right + 2, box.Bottom + 2});
}

// ---- mouse ----------------------------------------------------------------------------

bool TiPlotDataCursor::iMouseHitTest(const TiPlotMouseData& d) {
    if (!FDataView) return false;
    if (FPointer1Show && FPointer1Rect.Contains(d.X, d.Y)) return true;
    if (FPointer2Show && FPointer2Rect.Contains(d.X, d.Y)) return true;
    return FHintShowing && FHintRect.Contains(d.X, d.Y);
}

void TiPlotDataCursor::DoMouseLeft(const TiPlotMouseData& d) {
    FMouseDownX = d.X, FMouseDownY = d.Y;
    if (!FDataView) return;
    auto press = [&](bool& flag, double position, TiOrientation o) {
        FMouseDownXPixels = o == ioVertical ? PointerPixel(o, position) : d.X;
        FMouseDownYPixels = o == ioHorizontal ? PointerPixel(o, position) : d.Y;
        flag = true;
    };
    if (FHintShowing && FHintRect.Contains(d.X, d.Y)) {
        press(FMouseDownHint, FHintPosition, FHintOrientation == ioVertical ? ioHorizontal : ioVertical);
        InvalidateNow();
    } else if (FPointer1Show && FPointer1Rect.Contains(d.X, d.Y)) {
        press(FMouseDownPointer1, FPointer1Position, FPointer1Orientation);
        InvalidateNow();
        UpdateValues();
    } else if (FPointer2Show && FPointer2Rect.Contains(d.X, d.Y)) {
        press(FMouseDownPointer2, FPointer2Position, FPointer2Orientation);
        InvalidateNow();
        UpdateValues();
    }
}

void TiPlotDataCursor::DoMouseMove(const TiPlotMouseData& d) {
    if (!FDataView) return;
    auto drag = [&](double& field, TiOrientation o) {
        const int pixel = o == ioVertical ? FMouseDownXPixels + (d.X - FMouseDownX) : FMouseDownYPixels + (d.Y - FMouseDownY);
        field = ClampPercent(PixelPercent(o, pixel));
        UpdateValues();
        InvalidateNow();
    };
    if (FMouseDownPointer1) drag(FPointer1Position, FPointer1Orientation);
    else if (FMouseDownPointer2) drag(FPointer2Position, FPointer2Orientation);
    // The hint moves along its pointer: in Y while its direction is vertical.
    else if (FMouseDownHint) drag(FHintPosition, FHintOrientation == ioVertical ? ioHorizontal : ioVertical);
}

void TiPlotDataCursor::DoMouseUp(const TiPlotMouseData& d) {
    if (!FMouseDownPointer1 && !FMouseDownPointer2 && !FMouseDownHint) return;
    if (FMouseDownPointer1) SnapPointer(1);
    if (FMouseDownPointer2) SnapPointer(2);
    FMouseDownPointer1 = FMouseDownPointer2 = FMouseDownHint = false;
    InvalidateNow();
    if (FMouseDown && iMouseHitTest(d) && FPlot) FPlot->DoObjectClick(this);
}

void TiPlotDataCursor::DoGotFocus() {
    TiPlotManagerObject::DoGotFocus();
    if (TiPlotChannelCustom* c = GetChannel()) c->SetUserSelected(true);
}

TCursor TiPlotDataCursor::GetMouseCursor(const TPoint&) {
    TCursor cursor = crHandPoint;
    if (FPlot) FPlot->DoGetMouseCursor(this, cursor);
    return cursor;
}

// ---- keys -----------------------------------------------------------------------------

void TiPlotDataCursor::ClampPositions() {
    FHintPosition = ClampPercent(FHintPosition);
    FPointer1Position = ClampPercent(FPointer1Position);
    FPointer2Position = ClampPercent(FPointer2Position);
}

void TiPlotDataCursor::iKeyDown(int& key, TShiftState shift, TPopupMenu* popupMenu) {
    TiPlotManagerObject::iKeyDown(key, shift, popupMenu);
    if (!FDataView) return;
    if (FSnapToDataPoint && FPlot && FPlot->IsTimeSeriesPlot()) {
        SnapKeyDown(key, shift);
        return;
    }
    const double sx = std::fabs(FDataView->PixelsXToPositionPercent(101) - FDataView->PixelsXToPositionPercent(100));
    const double sy = std::fabs(FDataView->PixelsYToPositionPercent(101) - FDataView->PixelsYToPositionPercent(100));
    const bool ctrl = shift & ssCtrl;
    if (ctrl && !FPointer2Show) return;
    double& pointer = ctrl ? FPointer2Position : FPointer1Position;
    const TiOrientation o = ctrl ? FPointer2Orientation : FPointer1Orientation;
    const bool shown = ctrl ? FPointer2Show : FPointer1Show;
    const double step = o == ioVertical ? sx : sy;
    switch (key) {
    case VK_PRIOR: pointer += 5 * step; break;
    case VK_NEXT: pointer -= 5 * step; break;
    case VK_END: pointer = 100; break;
    case VK_HOME: pointer = 0; break;
    case VK_LEFT:
    case VK_RIGHT: {
        const double d = key == VK_RIGHT ? sx : -sx;
        if (shown && o == ioVertical) pointer += d;
        if (!ctrl && FHintShow && FHintOrientation == ioHorizontal) FHintPosition += d;
        break;
    }
    case VK_UP:
    case VK_DOWN: {
        const double d = key == VK_UP ? sy : -sy;
        if (shown && o == ioHorizontal) pointer += d;
        if (!ctrl && FHintShow && FHintOrientation == ioVertical) FHintPosition += d;
        break;
    }
    default: return;
    }
    ClampPositions();
    InvalidateNow();
}

void TiPlotDataCursor::StepHint(int direction) {
    const TiOrientation along = FHintOrientation == ioVertical ? ioHorizontal : ioVertical;
    const double step = std::fabs(PixelPercent(along, 101) - PixelPercent(along, 100));
    FHintPosition = ClampPercent(FHintPosition + direction * step);
    InvalidateNow();
}

void TiPlotDataCursor::SnapKeyDown(int key, TShiftState shift) {
    const int pointer = (shift & ssCtrl) && FPointer2Show ? 2 : 1;
    SnapPointer(pointer);
    if (FSnapToIndexChannel < 0) return;
    TiPlotChannelCustom* c = FPlot->ChannelObject(FSnapToIndexChannel);
    switch (key) {
    case VK_PRIOR: MovePointerToDataPoint(FSnapToIndexChannel, FSnapToIndexData, pointer, 5); break;
    case VK_NEXT: MovePointerToDataPoint(FSnapToIndexChannel, FSnapToIndexData, pointer, -5); break;
    case VK_END: MovePointerToDataPoint(FSnapToIndexChannel, c->Count() - 1, pointer, 0); break;
    case VK_HOME: MovePointerToDataPoint(FSnapToIndexChannel, 0, pointer, 0); break;
    case VK_LEFT:
        if (FXYAxesReversed) StepHint(-1);
        else MovePointerToDataPoint(FSnapToIndexChannel, FSnapToIndexData, pointer, -1);
        break;
    case VK_RIGHT:
        if (FXYAxesReversed) StepHint(1);
        else MovePointerToDataPoint(FSnapToIndexChannel, FSnapToIndexData, pointer, 1);
        break;
    case VK_UP:
        if (FXYAxesReversed) MovePointerToDataPoint(FSnapToIndexChannel, FSnapToIndexData, pointer, 1);
        else StepHint(1);
        break;
    case VK_DOWN:
        if (FXYAxesReversed) MovePointerToDataPoint(FSnapToIndexChannel, FSnapToIndexData, pointer, -1);
        else StepHint(-1);
        break;
    default: break;
    }
}

// ---- snapping (time-series plots) -----------------------------------------------------

int TiPlotDataCursor::FindNearestDataIndex(TiPlotChannelCustom* c, double pointerPosition, double& distance) const {
    distance = 1e300;
    if (!c->XAxis() || c->Count() == 0) return -1;
    const double x = static_cast<TiPlotAxis*>(c->XAxis())->PercentToPosition(pointerPosition / 100);
    int best = -1;
    const int last = c->Count() - 1;
    if (x >= c->GetX(last)) {
        best = last;
    } else if (x <= c->GetX(0)) {
        best = 0;
    } else {
        best = c->CalcIndex(x);
        // No point found: the distance stays 1e300 and no point is read.
        if (best < 0) return -1;
        double bestDistance = std::fabs(x - c->GetX(best));
        if (best > 0 && std::fabs(x - c->GetX(best - 1)) < bestDistance) {
            best = best - 1;
            bestDistance = std::fabs(x - c->GetX(best));
        }
        if (best + 1 <= last && std::fabs(x - c->GetX(best + 1)) < bestDistance) best = best + 1;
    }
    distance = std::fabs(x - c->GetX(best));
    return best;
}

void TiPlotDataCursor::SnapPointer(int pointer) {
    FSnapToIndexChannel = FSnapToIndexData = -1;
    if (!FSnapToDataPoint || !FPlot || !FPlot->IsTimeSeriesPlot() || FStyle == ipcsDeltaY) return;
    const double position = pointer == 1 ? FPointer1Position : FPointer2Position;
    if (FChannelName == kAll) {
        double best = 1e300;
        for (int i = 0; i < FPlot->ChannelCount(); ++i) {
            TiPlotChannelCustom* c = FPlot->ChannelObject(i);
            if (!c->XAxis()) continue;
            double distance = 0;
            const int index = FindNearestDataIndex(c, position, distance);
            if (index >= 0 && distance < best) best = distance, FSnapToIndexChannel = i, FSnapToIndexData = index;
        }
    } else if (TiPlotChannelCustom* c = GetChannel(); c && c->XAxis()) {
        double distance = 0;
        FSnapToIndexData = FindNearestDataIndex(c, position, distance);
        FSnapToIndexChannel = FSnapToIndexData >= 0 ? FPlot->GetChannelIndexByName(FChannelName) : -1;
    }
    if (FSnapToIndexChannel >= 0) MovePointerToDataPoint(FSnapToIndexChannel, FSnapToIndexData, pointer, 0);
}

void TiPlotDataCursor::MovePointerToDataPoint(int channelIndex, int pointIndex, int pointer, int step) {
    if (!FPlot || !FPlot->IsTimeSeriesPlot() || channelIndex < 0 || channelIndex >= FPlot->ChannelCount()) return;
    TiPlotChannelCustom* c = FPlot->ChannelObject(channelIndex);
    auto* axis = static_cast<TiPlotAxis*>(c->XAxis());
    if (!axis || c->Count() == 0) return;
    const int index = std::clamp(pointIndex + (axis->ReverseScale() ? -step : step), 0, c->Count() - 1);
    const double v = c->GetX(index);
    if (v > axis->Max()) axis->SetMin(v - axis->Span() + axis->Span() / 40);
    if (v < axis->Min()) axis->SetMin(v - axis->Span() / 40);
    const double percent = axis->PositionToPercent(v) * 100;
    if (pointer == 1)
        SetPointer1Position(percent);
    else
        SetPointer2Position(percent);
}

void TiPlotDataCursor::DoSnapToDataPoint() {
    SnapPointer(1);
    SnapPointer(2);
}

TiPlotDataPointStatus TiPlotDataCursor::GetInterpolatedYValue(const QString& channelName, double xValue,
                                                              double& yValue) {
    yValue = 0;
    if (!FPlot || !FPlot->IsTimeSeriesPlot()) return ipdpsNull;
    TiPlotChannelCustom* c = FPlot->GetChannelByName(channelName);
    auto* axis = c ? static_cast<TiPlotAxis*>(c->XAxis()) : nullptr;
    if (!axis) return ipdpsNull;
    axis->SetBlockMinSpanEvents(true);
    const bool visible = FVisible;
    const TiPlotDataCursorStyle style = FStyle;
    const QString name = FChannelName;
    const double pointer = FPointer1Position, min = axis->Min();
    FVisible = true;
    FStyle = ipcsValueXY;
    FChannelName = channelName;
    FChannel = nullptr;
    ApplyStyle();
    if (FUseCachedInterpolatedData) {
        FPointer1Position = axis->PositionToPercent(xValue) * 100;
        UpdateValues();
    } else {
        FPointer1Position = 0;
        axis->SetMin(xValue);
        FPlot->ReCalcLayout();
    }
    const TiPlotDataPointStatus status = FStatus;
    yValue = FValueY;
    FVisible = visible;
    FStyle = style;
    FChannelName = name;
    FChannel = nullptr;
    FPointer1Position = pointer;
    axis->SetMin(min);
    axis->SetBlockMinSpanEvents(false);
    ApplyStyle();
    return status;
}

// ---- notifications and menu -----------------------------------------------------------

void TiPlotDataCursor::NotificationRemove(TObject* sender) {
    if (sender == FChannel) FChannel = nullptr;
}

void TiPlotDataCursor::NotificationRename(TObject* sender) {
    if (FChannel && sender == FChannel) FChannelName = FChannel->Name();
}

void TiPlotDataCursor::NotificationSetFocus(TObject* sender) {
    auto* other = dynamic_cast<TiPlotObject*>(sender);
    if (!other || other == this || !other->UserSelected()) return;
    if (other->Kind() == TiPlotObjectKind::Channel) {
        if (other == GetChannel()) return;
        if (FUserSelected) {
            SetChannelName(other->Name());
            return;
        }
    }
    SetUserSelected(false);
}

void TiPlotDataCursor::AddMenuItems(TPopupMenu* popupMenu) {
    TiPlotManagerObject::AddMenuItems(popupMenu);
    if (!popupMenu || !FPlot) return;
    TMenuItem& root = popupMenu->Items();
    TMenuItem* channels = root.Add(GetTranslation(QStringLiteral("Channel")));
    if (FChannelAllowAll) {
        TMenuItem* all = channels->Add(GetTranslation(kAll));
        all->Checked = FChannelName == kAll;
        all->OnClick = [this](TMenuItem*) {
            SetChannelName(kAll);
            for (int i = 0; i < FPlot->ChannelCount(); ++i) FPlot->ChannelObject(i)->SetUserSelected(false);
        };
    }
    for (int i = 0; i < FPlot->ChannelCount(); ++i) {
        TiPlotChannelCustom* c = FPlot->ChannelObject(i);
        if (!c->Visible()) continue;
        QString caption = c->TitleText();
        caption.remove(QStringLiteral("\r\n"));
        TMenuItem* item = channels->Add(GetTranslation(caption));
        item->Checked = c->Name() == FChannelName;
        const QString name = c->Name();
        item->OnClick = [this, name](TMenuItem*) {
            SetChannelName(name);
            if (TiPlotChannelCustom* channel = GetChannel()) channel->SetUserSelected(true);
            DoSnapToDataPoint();
        };
    }
    TMenuItem* styles = root.Add(GetTranslation(QStringLiteral("Style")));
    for (int s = 0; s < 6; ++s) {
        TMenuItem* item = styles->Add(GetTranslation(FMenuItemCaption[s]));
        item->Visible = FMenuItemVisible[s];
        item->Checked = FStyle == s;
        item->OnClick = [this, s](TMenuItem*) { SetStyle(TiPlotDataCursorStyle(s)); };
    }
    if (FMenuUserCanChangeOptions) {
        TMenuItem* options = root.Add(GetTranslation(QStringLiteral("Options")));
        TMenuItem* useColor = options->Add(GetTranslation(QStringLiteral("Use Channel Color")));
        useColor->Checked = FUseChannelColor;
        useColor->OnClick = [this](TMenuItem*) {
            FUseChannelColor = !FUseChannelColor;
            InvalidateNow();
        };
        TMenuItem* hide = options->Add(GetTranslation(QStringLiteral("Hide Hint On Release")));
        hide->Checked = FHintHideOnRelease;
        hide->OnClick = [this](TMenuItem*) {
            FHintHideOnRelease = !FHintHideOnRelease;
            InvalidateNow();
        };
        TMenuItem* flip = options->Add(GetTranslation(QStringLiteral("Flip Alignment")));
        flip->Enabled = IsValueStyle() && FChannelName.compare(kAll, Qt::CaseInsensitive) != 0;
        flip->OnClick = [this](TMenuItem*) {
            FHintOrientationSide = FHintOrientationSide == iosBottomRight ? iosTopLeft : iosBottomRight;
            InvalidateNow();
        };
    }
    if (FPlot->IsTimeSeriesPlot()) {
        TMenuItem* snap = root.Add(GetTranslation(QStringLiteral("Snap to Data-Point")));
        snap->Checked = FSnapToDataPoint;
        snap->OnClick = [this](TMenuItem*) {
            FSnapToDataPoint = !FSnapToDataPoint;
            if (FSnapToDataPoint) DoSnapToDataPoint();
        };
    }
    AddEditMenuItem(popupMenu);
}
