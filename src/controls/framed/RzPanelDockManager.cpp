#include "RzPanelDockManager.h"

#include "RzCommon.h"
#include "RzPanel.h"

#include "graphics/DrawText.h"
#include "graphics/Frame3D.h"

#include <QApplication>
#include <QEvent>

TRzPanelDockManager::TRzPanelDockManager(TRzCustomPanel& site) : FSite(site) { FSite.installEventFilter(this); }

TRzPanelDockManager::~TRzPanelDockManager() {
    FSite.removeEventFilter(this);
    for (const QPointer<TControl>& c : FClients)
        if (c) c->removeEventFilter(this);
}

void TRzPanelDockManager::InsertControl(TControl* control) {
    if (!control) return;
    for (const QPointer<TControl>& c : FClients)
        if (c == control) return;
    control->SetAlign(alNone);
    control->SetParent(&FSite);
    control->installEventFilter(this);
    FClients.emplace_back(control);
    ResetBounds();
    control->Show();
    FSite.Invalidate();
}

void TRzPanelDockManager::RemoveControl(TControl* control) {
    for (auto it = FClients.begin(); it != FClients.end(); ++it) {
        if (*it != control) continue;
        control->removeEventFilter(this);
        FClients.erase(it);
        ResetBounds();
        FSite.Invalidate();
        return;
    }
}

bool TRzPanelDockManager::GrabberOnLeft() const { return FSite.Align() == alTop || FSite.Align() == alBottom; }

TRect TRzPanelDockManager::ZoneRect(TControl* control) const {
    std::vector<TControl*> live;
    for (const QPointer<TControl>& c : FClients)
        if (c) live.push_back(c);
    TRect area = Rect(0, 0, FSite.Width(), FSite.Height());
    FSite.AdjustRectForBorders(area, true);
    const int n = int(live.size());
    for (int i = 0; i < n; ++i) {
        if (live[std::size_t(i)] != control) continue;
        // Zones stacked across the bars: side by side for left bars, one below the other for top bars.
        if (GrabberOnLeft()) {
            const int w = area.Width() / n;
            const int left = area.Left + i * w;
            return Rect(left, area.Top, i == n - 1 ? area.Right : left + w, area.Bottom);
        }
        const int h = area.Height() / n;
        const int top = area.Top + i * h;
        return Rect(area.Left, top, area.Right, i == n - 1 ? area.Bottom : top + h);
    }
    return TRect{};
}

TRect TRzPanelDockManager::GrabberRect(TControl* control) const {
    const TRect z = ZoneRect(control);
    if (GrabberOnLeft()) return Rect(z.Left, z.Top, z.Left + GrabberSize, z.Bottom);
    return Rect(z.Left, z.Top, z.Right, z.Top + GrabberSize);
}

void TRzPanelDockManager::ResetBounds() {
    for (const QPointer<TControl>& c : FClients) {
        if (!c) continue;
        const TRect z = ZoneRect(c);
        if (GrabberOnLeft())
            c->SetBounds(z.Left + GrabberSize, z.Top, z.Width() - GrabberSize, z.Height());
        else
            c->SetBounds(z.Left, z.Top + GrabberSize, z.Width(), z.Height() - GrabberSize);
    }
}

void TRzPanelDockManager::PaintSite(TCanvas& canvas) {
    for (const QPointer<TControl>& c : FClients) {
        if (!c || !c->Visible()) continue;
        const TRect bar = GrabberRect(c);
        if (FSite.ShowDockClientCaptions()) {
            PaintCaptionBar(canvas, c, bar);
            continue;
        }
        // The plain grip: two raised lines along the bar.
        if (GrabberOnLeft()) {
            Frame3D(canvas, Rect(bar.Left + 3, bar.Top + 2, bar.Left + 6, bar.Bottom - 2), clBtnHighlight, clBtnShadow);
            Frame3D(canvas, Rect(bar.Left + 7, bar.Top + 2, bar.Left + 10, bar.Bottom - 2), clBtnHighlight, clBtnShadow);
        } else {
            Frame3D(canvas, Rect(bar.Left + 2, bar.Top + 3, bar.Right - 2, bar.Top + 6), clBtnHighlight, clBtnShadow);
            Frame3D(canvas, Rect(bar.Left + 2, bar.Top + 7, bar.Right - 2, bar.Top + 10), clBtnHighlight, clBtnShadow);
        }
    }
}

void TRzPanelDockManager::PaintCaptionBar(TCanvas& canvas, TControl* control, const TRect& bar) {
    // A windowed client shows the active colours while it holds the focus; others always do.
    const QWidget* focus = QApplication::focusWidget();
    const bool active = !control->IsWindowed() || (focus && (focus == control || control->isAncestorOf(focus)));
    const TColor back = active ? clActiveCaption : clInactiveCaption;
    const TColor text = active ? clCaptionText : clInactiveCaptionText;
    canvas.Brush = TBrush{back, bsSolid};
    canvas.FillRect(bar);
    TFont font;
    font.SetName("Verdana");
    font.SetSize(8);
    font.SetColor(text);
    canvas.Brush.Style = bsClear;
    if (GrabberOnLeft()) {
        // The caption turned by 90 degrees, reading upwards from the bottom inside the bar.
        const TRotatedFont turned = CreateRotatedFont(font, 90);
        canvas.Font = turned.Font;
        canvas.TextOutAligned(bar.Right - 2, bar.Bottom - 3, control->Caption(), TA_LEFT | TA_BOTTOM, turned.Escapement);
        PaintCloseGlyph(canvas, Rect(bar.Left + 1, bar.Top + 1, bar.Left + 12, bar.Top + 12), text);
    } else {
        canvas.Font = font;
        const TRect glyph = Rect(bar.Right - 15, bar.Top + 1, bar.Right - 2, bar.Top + 12);
        TRect r = Rect(bar.Left + 2, bar.Top, glyph.Left - 2, bar.Bottom);
        DrawTextIn(canvas, control->Caption(), r, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS);
        PaintCloseGlyph(canvas, glyph, text);
    }
    canvas.Brush.Style = bsSolid;
}

void TRzPanelDockManager::PaintCloseGlyph(TCanvas& canvas, const TRect& rect, TColor color) {
    // A cross of two-pixel strokes centred in the rectangle.
    const int size = std::min(rect.Width(), rect.Height()) - 4;
    const int x0 = rect.Left + (rect.Width() - size) / 2, y0 = rect.Top + (rect.Height() - size) / 2;
    for (int i = 0; i < size; ++i) {
        canvas.SetPixel(x0 + i, y0 + i, color);
        canvas.SetPixel(x0 + i + 1, y0 + i, color);
        canvas.SetPixel(x0 + size - 1 - i, y0 + i, color);
        canvas.SetPixel(x0 + size - i, y0 + i, color);
    }
}

bool TRzPanelDockManager::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate: FSite.Invalidate(); break;
    case QEvent::Resize:
        if (watched == &FSite) ResetBounds();
        break;
    default: break;
    }
    return false;
}
