#include "objects/iPlotDataView.h"

#include "core/iPlotAxis.h"
#include "core/iPlotComponent.h"
#include "core/iPlotDrawing.h"
#include "core/iPlotManagers.h"
#include "objects/iPlotToolBar.h"
#include "rtl/RtlMath.h"
#include "ui/VirtualKeys.h"

#include <cstdlib>

const TiPublishedClass& TiPlotDataView::Published() {
    using namespace published;
    using C = TiPlotDataView;
    static const TiPublishedClass info(
        QStringLiteral("TiPlotDataView"), &TiPlotLayoutObject::Published(),
        {
            Prop<C>("Title", &C::Title, &C::SetTitle),
            Prop<C>("BackgroundTransparent", &C::BackgroundTransparent, &C::SetBackgroundTransparent, 1),
            Prop<C>("BackgroundColor", &C::BackgroundColor, &C::SetBackgroundColor, 0x808000),
            Prop<C>("GridXAxisName", &C::GridXAxisName, &C::SetGridXAxisName),
            Prop<C>("GridYAxisName", &C::GridYAxisName, &C::SetGridYAxisName),
            Prop<C>("GridShow", &C::GridShow, &C::SetGridShow, 1),
            Prop<C>("GridLineColor", &C::GridLineColor, &C::SetGridLineColor, 0x008000),
            Prop<C>("GridLineShowLeft", &C::GridLineShowLeft, &C::SetGridLineShowLeft, 1),
            Prop<C>("GridLineShowRight", &C::GridLineShowRight, &C::SetGridLineShowRight, 1),
            Prop<C>("GridLineShowTop", &C::GridLineShowTop, &C::SetGridLineShowTop, 1),
            Prop<C>("GridLineShowBottom", &C::GridLineShowBottom, &C::SetGridLineShowBottom, 1),
            Prop<C>("GridLineShowXMajors", &C::GridLineShowXMajors, &C::SetGridLineShowXMajors, 1),
            Prop<C>("GridLineShowYMajors", &C::GridLineShowYMajors, &C::SetGridLineShowYMajors, 1),
            Prop<C>("GridLineShowXMinors", &C::GridLineShowXMinors, &C::SetGridLineShowXMinors, 0),
            Prop<C>("GridLineShowYMinors", &C::GridLineShowYMinors, &C::SetGridLineShowYMinors, 0),
            Prop<C>("GridLineMajorStyle", &C::GridLineMajorStyle, &C::SetGridLineMajorStyle, ipglsSolid),
            Prop<C>("GridLineMinorStyle", &C::GridLineMinorStyle, &C::SetGridLineMinorStyle, ipglsSolid),
            Prop<C>("GridLineXMajorCustom", &C::GridLineXMajorCustom, &C::SetGridLineXMajorCustom, 0),
            Prop<C>("GridLineXMinorCustom", &C::GridLineXMinorCustom, &C::SetGridLineXMinorCustom, 0),
            Prop<C>("GridLineYMajorCustom", &C::GridLineYMajorCustom, &C::SetGridLineYMajorCustom, 0),
            Prop<C>("GridLineYMinorCustom", &C::GridLineYMinorCustom, &C::SetGridLineYMinorCustom, 0),
            Prop<C>("GridLineXMajorColor", &C::GridLineXMajorColor, &C::SetGridLineXMajorColor, 0x008000),
            Prop<C>("GridLineXMinorColor", &C::GridLineXMinorColor, &C::SetGridLineXMinorColor, 0x008000),
            Prop<C>("GridLineYMajorColor", &C::GridLineYMajorColor, &C::SetGridLineYMajorColor, 0x008000),
            Prop<C>("GridLineYMinorColor", &C::GridLineYMinorColor, &C::SetGridLineYMinorColor, 0x008000),
            Prop<C>("GridLineXMajorWidth", &C::GridLineXMajorWidth, &C::SetGridLineXMajorWidth, 0),
            Prop<C>("GridLineXMinorWidth", &C::GridLineXMinorWidth, &C::SetGridLineXMinorWidth, 0),
            Prop<C>("GridLineYMajorWidth", &C::GridLineYMajorWidth, &C::SetGridLineYMajorWidth, 0),
            Prop<C>("GridLineYMinorWidth", &C::GridLineYMinorWidth, &C::SetGridLineYMinorWidth, 0),
            Prop<C>("GridLineXMajorStyle", &C::GridLineXMajorStyle, &C::SetGridLineXMajorStyle, ipglsSolid),
            Prop<C>("GridLineXMinorStyle", &C::GridLineXMinorStyle, &C::SetGridLineXMinorStyle, ipglsSolid),
            Prop<C>("GridLineYMajorStyle", &C::GridLineYMajorStyle, &C::SetGridLineYMajorStyle, ipglsSolid),
            Prop<C>("GridLineYMinorStyle", &C::GridLineYMinorStyle, &C::SetGridLineYMinorStyle, ipglsSolid),
            Prop<C>("AxesControlEnabled", &C::AxesControlEnabled, &C::SetAxesControlEnabled),
            Prop<C>("AxesControlMouseStyle", &C::AxesControlMouseStyle, &C::SetAxesControlMouseStyle),
            Prop<C>("AxesControlWheelStyle", &C::AxesControlWheelStyle, &C::SetAxesControlWheelStyle),
            Prop<C>("AxesControlAllowInSelectMode", &C::AxesControlAllowInSelectMode,
                    &C::SetAxesControlAllowInSelectMode, 0),
        });
    return info;
}

const TiPublishedClass& TiPlotDataView::PublishedClass() const { return Published(); }

TiPlotDataView::TiPlotDataView(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                               TiNotifyEvent onRename)
    : TiPlotLayoutObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove), std::move(onRename)) {}

void TiPlotDataView::SetGridXAxisName(const QString& v) {
    if (v == FGridXAxisName) return;
    FGridXAxisName = v;
    FXAxis = nullptr;
    TriggerChange();
}

void TiPlotDataView::SetGridYAxisName(const QString& v) {
    if (v == FGridYAxisName) return;
    FGridYAxisName = v;
    FYAxis = nullptr;
    TriggerChange();
}

// ---- conversions ----------------------------------------------------------------------

double TiPlotDataView::PixelsXToPositionPercent(int value) const {
    if (Width() == 0) return 0;
    return double(value - FLeft) / Width() * 100;
}

double TiPlotDataView::PixelsYToPositionPercent(int value) const {
    if (Height() == 0) return 0;
    return (1 - double(value - FTop) / Height()) * 100;
}

int TiPlotDataView::PositionPercentToPixelsX(double value) const {
    if (Width() == 0) return FLeft;
    return PixelFromDouble(Width() * value / 100 + FLeft);
}

int TiPlotDataView::PositionPercentToPixelsY(double value) const {
    if (Height() == 0) return FTop;
    return PixelFromDouble(Height() * (100 - value) / 100 + FTop);
}

// ---- axes -----------------------------------------------------------------------------

TiPlotXAxis* TiPlotDataView::GetGridXAxis() {
    if (!FXAxis && FPlot) FXAxis = FPlot->GetXAxisByName(FGridXAxisName);
    return FXAxis;
}

TiPlotYAxis* TiPlotDataView::GetGridYAxis() {
    if (!FYAxis && FPlot) FYAxis = FPlot->GetYAxisByName(FGridYAxisName);
    return FYAxis;
}

int TiPlotDataView::GetMouseMode() const {
    TiPlotToolBar* toolBar = FPlot && FPlot->ToolBarCount() > 0 ? FPlot->ToolBar(0) : nullptr;
    if (toolBar && toolBar->SelectActive() && !FAxesControlAllowInSelectMode) return 2;
    if (toolBar && toolBar->ZoomBoxActive()) return 1;
    if (FAxesControlEnabled) return 3;
    return 0;
}

template <class F> void TiPlotDataView::ForEachAxis(bool xAxes, bool yAxes, F&& f) {
    if (!FPlot) return;
    if (xAxes)
        for (int i = 0; i < FPlot->XAxisCount(); ++i) f(static_cast<TiPlotAxis*>(FPlot->XAxis(i)));
    if (yAxes)
        for (int i = 0; i < FPlot->YAxisCount(); ++i) f(static_cast<TiPlotAxis*>(FPlot->YAxis(i)));
}

// ---- drawing --------------------------------------------------------------------------

void TiPlotDataView::DrawBackground(TCanvas& canvas) {
    if (FBackgroundTransparent) return;
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = FBackgroundColor;
    canvas.FillRect(DrawRect());
}

void TiPlotDataView::DrawGrid(TCanvas& canvas, TColor backGroundColor) {
    if (!FGridShow) return;
    canvas.Brush.Color = backGroundColor;
    const TRect r = DrawRect();
    auto look = [this](const GridLook& custom, TiPlotGridLineStyle fallback) {
        return custom.Custom ? custom : GridLook{false, FGridLineColor, 0, fallback};
    };
    auto drawAxes = [&](bool x, const QString& name, TiPlotAxis* named, const GridLook& major, const GridLook& minor,
                        bool showMajors, bool showMinors) {
        auto draw = [&](TiPlotAxis* a) {
            a->DrawGridLines(canvas, r, showMajors, showMinors, major.Style, minor.Style, major.Color, minor.Color,
                             major.Width, minor.Width);
        };
        if (name.toUpper() == QStringLiteral("<ALL>"))
            ForEachAxis(x, !x, draw);
        else if (named)
            draw(named);
    };
    // Letters a to z turned to upper case only.
    auto upperAscii = [](QString s) {
        for (QChar& c : s)
            if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 32);
        return s;
    };
    const QString xName = upperAscii(FGridXAxisName), yName = upperAscii(FGridYAxisName);
    drawAxes(true, xName, xName == QStringLiteral("<ALL>") ? nullptr : GetGridXAxis(),
             look(FXMajor, FGridLineMajorStyle), look(FXMinor, FGridLineMinorStyle), FGridLineShowXMajors,
             FGridLineShowXMinors);
    drawAxes(false, yName, yName == QStringLiteral("<ALL>") ? nullptr : GetGridYAxis(),
             look(FYMajor, FGridLineMajorStyle), look(FYMinor, FGridLineMinorStyle), FGridLineShowYMajors,
             FGridLineShowYMinors);
    canvas.Pen.Color = FGridLineColor;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Width = 0;
    auto line = [&](int x1, int y1, int x2, int y2) {
        const TPoint pts[] = {{x1, y1}, {x2, y2}};
        canvas.Polyline(pts, 2);
    };
    if (FGridLineShowLeft) line(r.Left, r.Top, r.Left, r.Bottom);
    if (FGridLineShowRight) line(r.Right, r.Top, r.Right, r.Bottom);
    if (FGridLineShowTop) line(r.Left, r.Top, r.Right, r.Top);
    if (FGridLineShowBottom) line(r.Left, r.Bottom, r.Right + 1, r.Bottom);
}

void TiPlotDataView::Draw(TCanvas& canvas, TColor backGroundColor) {
    DrawGrid(canvas, backGroundColor);
    if (!FUserSelected) return;
    const TRect r = DrawRect();
    canvas.Pen.Color = backGroundColor;
    canvas.Pen.Style = psSolid;
    canvas.Brush.Style = bsClear;
    auto line = [&](int x1, int y1, int x2, int y2) {
        const TPoint pts[] = {{x1, y1}, {x2, y2}};
        canvas.Polyline(pts, 2);
    };
    line(r.Left, r.Top, r.Left, r.Bottom);
    line(r.Right, r.Top, r.Right, r.Bottom);
    line(r.Left, r.Top, r.Right, r.Top);
    line(r.Left, r.Bottom, r.Right + 1, r.Bottom);
    canvas.Font.SetColor(clWhite);
    DrawFocusRectangle(canvas, {r.Left, r.Top, r.Right + 1, r.Bottom + 1});
}

void TiPlotDataView::DrawZoomBox(TCanvas& canvas) {
    if (!FZoomBoxActive) return;
    canvas.Font.SetColor(clWhite);
    DrawFocusRectangle(canvas, NormalizedRect(FMouseDownX, FMouseDownY, FMouseMoveX, FMouseMoveY));
}

// ---- mouse and keys -------------------------------------------------------------------

void TiPlotDataView::DoMouseLeft(const TiPlotMouseData& d) {
    FDirectionLock = false;
    FMouseDownLeft = true;
    const int mode = GetMouseMode();
    if (mode == 1) {
        if (FPlot) FPlot->DisableAllTracking();
        FMouseDownX = FMouseMoveX = d.X;
        FMouseDownY = FMouseMoveY = d.Y;
        FZoomBoxActive = true;
        InvalidateNow();
    } else if (mode == 3) {
        FMouseDownX = d.X;
        FMouseDownY = d.Y;
        ForEachAxis(true, true, [&](TiPlotAxis* a) { a->DoMouseLeft(d); });
    }
}

void TiPlotDataView::DoMouseRight(const TiPlotMouseData& d) {
    if (GetMouseMode() != 3) return;
    FMouseDownRight = true;
    FMouseDownX = FMouseMoveX = d.X;
    FMouseDownY = FMouseMoveY = d.Y;
}

void TiPlotDataView::DoMouseMove(const TiPlotMouseData& d) {
    if (!FMouseDownLeft && !FMouseDownRight) return;
    if (FZoomBoxActive) {
        if (!d.DblClickActive) FMouseMoveX = d.X, FMouseMoveY = d.Y;
        InvalidateNow();
        return;
    }
    if (GetMouseMode() != 3) return;
    if (FMouseDownLeft) {
        const bool shift = d.Shift & ssShift;
        bool xAxes = false, yAxes = false;
        switch (FAxesControlMouseStyle) {
        case ipacsXAxis: xAxes = !shift, yAxes = shift; break;
        case ipacsYAxis: xAxes = shift, yAxes = !shift; break;
        case ipacsBoth:
            xAxes = yAxes = true;
            if (shift) {
                if (!FDirectionLock) {
                    if (std::abs(d.X - FMouseDownX) > 3) FDirectionLock = true, FDirectionLockXAxis = true;
                    if (std::abs(d.Y - FMouseDownY) > 3) FDirectionLock = true, FDirectionLockXAxis = false;
                }
                if (FDirectionLock) xAxes = FDirectionLockXAxis, yAxes = !FDirectionLockXAxis;
            }
            break;
        case ipacsNone: break;
        }
        ForEachAxis(xAxes, yAxes, [&](TiPlotAxis* a) { a->DoMouseMove(d); });
    } else if (std::abs(d.X - FMouseDownX) > 5 || std::abs(d.Y - FMouseDownY) > 5) {
        FMouseMoveX = d.X, FMouseMoveY = d.Y;
        FZoomBoxActive = true;
        CancelMouseDownPopup();
        if (FPlot) FPlot->DisableAllTracking();
        InvalidateNow();
    }
}

void TiPlotDataView::ApplyZoomBox(TRect rect) {
    bool cancel = false;
    if (FPlot) FPlot->DoBeforeZoomBox(rect, cancel);
    if (cancel) return;
    ForEachAxis(true, true, [&](TiPlotAxis* a) { a->ZoomToRect(rect); });
}

void TiPlotDataView::DoMouseUp(const TiPlotMouseData& d) {
    if (!FMouseDownLeft && !FMouseDownRight) return;
    if (FZoomBoxActive) {
        if (!d.DblClickActive && FMouseDownX < FMouseMoveX && FMouseDownY < FMouseMoveY) {
            ApplyZoomBox({FMouseDownX, FMouseDownY, FMouseMoveX, FMouseMoveY});
            InvalidateNow();
        }
    } else if (GetMouseMode() == 3) {
        ForEachAxis(true, true, [&](TiPlotAxis* a) { a->DoMouseUp(d); });
    }
    if (d.X >= FLeft && d.X < FRight && d.Y >= FTop && d.Y < FBottom && FPlot) FPlot->DoObjectClick(this);
    FMouseDownLeft = FMouseDownRight = FZoomBoxActive = false;
    InvalidateNow();
}

bool TiPlotDataView::DoMouseWheel(int wheelDelta, TShiftState shift, int x, int y) {
    if (GetMouseMode() != 3) return false;
    const bool s = shift & ssShift;
    bool xAxes = false, yAxes = false;
    switch (FAxesControlWheelStyle) {
    case ipacsXAxis: xAxes = !s, yAxes = s; break;
    case ipacsYAxis: xAxes = s, yAxes = !s; break;
    case ipacsBoth: xAxes = yAxes = true; break;
    case ipacsNone: return false;
    }
    ForEachAxis(xAxes, yAxes, [&](TiPlotAxis* a) { a->DoMouseWheel(wheelDelta, shift, x, y); });
    return true;
}

void TiPlotDataView::iKeyDown(int& key, TShiftState shift, TPopupMenu* popupMenu) {
    TiPlotLayoutObject::iKeyDown(key, shift, popupMenu);
    if (key == VK_ESCAPE && FZoomBoxActive) {
        FZoomBoxActive = false;
        InvalidateNow();
    }
}

TCursor TiPlotDataView::GetMouseCursor(const TPoint& point) {
    TCursor cursor = TiPlotLayoutObject::GetMouseCursor(point);
    if (FMouseOverObject == this) {
        const int mode = GetMouseMode();
        cursor = mode == 1 ? crDrag : mode == 3 ? crHandPoint : crDefault;
        if (FPlot) FPlot->DoGetMouseCursor(this, cursor);
    }
    return cursor;
}

TiPlotObject* TiPlotDataView::GetMouseOverObject(int, int) {
    FMouseOverObject = this;
    return this;
}

// ---- notifications and menu -----------------------------------------------------------

void TiPlotDataView::NotificationRemove(TObject* sender) {
    if (sender == FXAxis) FXAxis = nullptr;
    if (sender == FYAxis) FYAxis = nullptr;
    if (sender == FMouseDownObject) FMouseDownObject = nullptr;
}

void TiPlotDataView::NotificationRename(TObject* sender) {
    if (FXAxis && sender == FXAxis) FGridXAxisName = FXAxis->Name();
    if (FYAxis && sender == FYAxis) FGridYAxisName = FYAxis->Name();
}

void TiPlotDataView::NotificationSetFocus(TObject* sender) {
    auto* other = dynamic_cast<TiPlotObject*>(sender);
    if (other && other != this && other->UserSelected()) SetUserSelected(false);
}

void TiPlotDataView::AddMenuItems(TPopupMenu* popupMenu) {
    TiPlotLayoutObject::AddMenuItems(popupMenu);
    AddEditMenuItem(popupMenu);
}
