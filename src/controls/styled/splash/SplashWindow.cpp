#include "splash/SplashWindow.h"

#include "MiniHtml.h"
#include "splash/AdvSmoothSplashScreen.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include <chrono>
#include <thread>

std::function<void(int ms)> TSplashScreenWindow::Sleep = [](int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
};
std::function<void(TSplashScreenWindow*)> TSplashScreenWindow::OnPresent;

namespace {

int HalfBorder(int width) { return width == 1 ? 1 : (width + 1) / 2; }

}  // namespace

TSplashScreenWindow::TSplashScreenWindow(TAdvSmoothSplashScreen* component)
    : TForm(nullptr), FSplashScreen(component) {
    setWindowFlags(Qt::FramelessWindowHint | Qt::Tool | Qt::WindowDoesNotAcceptFocus |
                   (component->StayOnTop() ? Qt::WindowStaysOnTopHint : Qt::WindowType(0)));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
}

TSplashScreenWindow::~TSplashScreenWindow() = default;

TSplashScreenWindow* TSplashScreenWindow::CreateSplashWindow(TAdvSmoothSplashScreen* component) {
    if (!component || component->Showing()) return nullptr;
    TGDIPFill& fill = component->Fill();
    const bool layered = fill.Opacity() < 255 || fill.OpacityTo() < 255;
    auto* w = new TSplashScreenWindow(component);
    component->FSplashWindow = w;
    w->Hide();
    w->SetColor(clWhite);
    // Size: the fill picture with a border's half on each side, or the component's size.
    const int half = HalfBorder(fill.BorderWidth());
    int width = component->Width, height = component->Height;
    if (component->AutoAdaptPictureSize && !fill.Picture().Empty()) {
        fill.Picture().GetImageSizes();
        width = fill.Picture().Width() + 2 * half;
        height = fill.Picture().Height() + 2 * half;
    }
    QPoint at(component->DisplayPosX, component->DisplayPosY);
    if (component->DisplayLocation == dlCenter) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, width, height);
        at = area.center() - QPoint(width / 2, height / 2);
    }
    w->SetBounds(at.x(), at.y(), width, height);
    // The progress bar control, from the component's settings.
    w->FSplashProgressBar = new TAdvSplashProgressBar(w);
    w->FSplashProgressBar->SetParent(w);
    w->FSplashProgressBar->Hide();
    w->FSplashProgressBar->SetAppearance(component->ProgressBar());
    w->FSplashProgressBar->OnPositionChanged = [component](TComponent*, double value) {
        if (component->OnProgressPositionChanged) component->OnProgressPositionChanged(component, value);
    };
    w->FSplashProgressBar->OnChange = [component](TComponent*) {
        if (component->OnProgressChange) component->OnProgressChange(component);
    };
    w->UpdateLayered();
    if (component->DisplayStyle == dsFadeInOut) {
        if (layered) {
            w->FOpacity = 5;
        } else {
            w->FAlphaBlend = true;
            w->SetAlphaBlendValue(5);
        }
    } else {
        w->FOpacity = 255;
    }
    if (layered) {
        // A layered splash is kept on top whatever StayOnTop says.
        w->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        w->setAttribute(Qt::WA_TranslucentBackground);
    }
    w->Show();
    component->FShowing = true;
    w->UpdateWindowRegion();
    w->SetForcedTransparent(layered);
    w->UpdateLayered();
    if (!layered) w->repaint();
    if (!layered) {
        if (component->DisplayStyle == dsFadeInOut) {
            int step = 5;
            while (w->FAlphaBlendValue < component->MaxOpacity) {
                step = std::min(int(component->MaxOpacity) - w->FAlphaBlendValue, step);
                w->SetAlphaBlendValue(w->FAlphaBlendValue + step);
                w->Pause(5);
            }
        }
        w->SetAlphaBlendValue(component->MaxOpacity);
    } else if (component->DisplayStyle == dsFadeInOut) {
        w->FadeInLayered(20, 5, 255);
    }
    component->FCloseTimer->SetInterval(component->TimeOut);
    component->FCloseTimer->SetEnabled(component->CloseOnTimeout);
    return w;
}

void TSplashScreenWindow::Pause(int ms) const {
    if (Sleep) Sleep(ms);
}

void TSplashScreenWindow::SetAlphaBlendValue(int value) {
    FAlphaBlendValue = std::clamp(value, 0, 255);
    if (FAlphaBlend) setWindowOpacity(FAlphaBlendValue / 255.0);
}

void TSplashScreenWindow::EnsureMainBuffer() {
    if (!FForcedTransparent) return;
    // Made again when the window's size changed, so the buffer always covers the window.
    if (!FMainBuffer || FMainBuffer->size() != size())
        FMainBuffer = std::make_unique<QImage>(size(), QImage::Format_ARGB32_Premultiplied);
}

void TSplashScreenWindow::SetForcedTransparent(bool value) {
    if (value == FForcedTransparent) return;
    FForcedTransparent = value;
    if (value) {
        EnsureMainBuffer();
        RenderLayered();
    }
}

void TSplashScreenWindow::UpdateLayered() {
    if (!FForcedTransparent) return;
    EnsureMainBuffer();
    RenderLayered();
}

void TSplashScreenWindow::RenderLayered() {
    if (!FForcedTransparent) return;
    EnsureMainBuffer();
    if (FMainBuffer->isNull()) return;
    FMainBuffer->fill(Qt::transparent);
    {
        TGPGraphics g(FMainBuffer.get());
        PaintAll(g);
    }
    PresentLayered();
}

void TSplashScreenWindow::PresentLayered() {
    if (!FForcedTransparent || !FSplashScreen) return;
    repaint();
    if (OnPresent) OnPresent(this);
}

void TSplashScreenWindow::Refresh() {
    if (FForcedTransparent)
        RenderLayered();
    else
        repaint();
}

void TSplashScreenWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (FForcedTransparent) {
        if (!FMainBuffer) return;
        p.setCompositionMode(QPainter::CompositionMode_Source);
        // Fully opaque, the buffer (which covers the window) is copied as it is: the same
        // pixels as drawn over a cleared window, in one pass.
        if (FOpacity == 255 && FMainBuffer->size() == size()) {
            p.drawImage(0, 0, *FMainBuffer);
            return;
        }
        p.fillRect(rect(), Qt::transparent);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.setOpacity(FOpacity / 255.0);
        p.drawImage(0, 0, *FMainBuffer);
        return;
    }
    p.fillRect(rect(), ToQColor(ColorToRGB(Color())));
    if (!FSplashScreen) return;
    TGPGraphics g(&p);
    PaintAll(g);
}

bool TSplashScreenWindow::event(QEvent* event) {
    // The deferred deletion frees the window inside this call.
    if (event->type() == QEvent::DeferredDelete) return TForm::event(event);
    ++FEventDepth;
    const bool handled = TForm::event(event);
    --FEventDepth;
    return handled;
}

void TSplashScreenWindow::Click() {
    TForm::Click();
    if (FSplashScreen && FSplashScreen->OnClick) FSplashScreen->OnClick(FSplashScreen);
}

void TSplashScreenWindow::FadeInLayered(int step, int pause, int max) {
    step = std::max(1, step);  // a step of 0 would never arrive
    while (FOpacity < max) {
        if (FOpacity + step >= max) {
            FOpacity = std::uint8_t(std::min(max, 255));
            PresentLayered();
            return;
        }
        FOpacity = std::uint8_t(FOpacity + step);
        PresentLayered();
        Pause(pause);
    }
}

void TSplashScreenWindow::FadeOutWindow(int step, int pause, int min) {
    step = std::max(1, step);
    if (FForcedTransparent) {
        while (min < FOpacity) {
            if (FOpacity - step <= min) {
                FOpacity = std::uint8_t(std::max(min, 0));
                PresentLayered();
                return;
            }
            FOpacity = std::uint8_t(FOpacity - step);
            PresentLayered();
            Pause(pause);
        }
        return;
    }
    while (min < FAlphaBlendValue) {
        if (FAlphaBlendValue - step <= min) {
            SetAlphaBlendValue(min);
            return;
        }
        SetAlphaBlendValue(FAlphaBlendValue - step);
        Pause(pause * 3);
    }
}

void TSplashScreenWindow::UpdateWindowRegion() {
    const TGDIPFill& fill = FSplashScreen->Fill();
    if (fill.Rounding() <= 0 || fill.RoundingType() == rtNone) return;
    const int w = 2 * fill.Rounding();
    const QRect r = rect();
    const int L = r.left(), T = r.top(), R = r.x() + r.width(), B = r.y() + r.height();
    auto rounded = [&](int l, int t, int rr, int b) {
        QPainterPath path;
        path.addRoundedRect(QRectF(l, t, rr - l, b - t), w / 2.0, w / 2.0);
        return QRegion(path.toFillPolygon().toPolygon());
    };
    QRegion region;
    switch (fill.RoundingType()) {
    case rtTop: region = rounded(L, T, R + 1, B) + QRegion(L, T + w, R - L, B - T - w); break;
    case rtBottom: region = rounded(L, T, R + 1, B) + QRegion(L, T, R - L, B - w - T); break;
    case rtBoth: region = rounded(0, 0, R - L, B - T); break;
    case rtLeft: region = rounded(L, T, R, B + 1) + QRegion(L + w, T, R - L - w, B - T); break;
    case rtRight: region = rounded(L, T, R, B + 1) + QRegion(L, T, R - w - L, B - T); break;
    default: return;
    }
    setMask(region);
}

// ---------------------------------------------------------------- geometry helpers

TRect TSplashScreenWindow::GetInnerRect() const {
    TRect r{0, 0, Width() - 1, Height() - 1};
    const TGDIPFill& fill = FSplashScreen->Fill();
    if (fill.BorderColor() != clNone) {
        const int half = HalfBorder(fill.BorderWidth());
        r = TRect{r.Left + half, r.Top + half, r.Right - half, r.Bottom - half};
    }
    return r;
}

int TSplashScreenWindow::GetShadowOffset() const {
    const TGDIPFill& fill = FSplashScreen->Fill();
    return fill.ShadowColor() != clNone ? fill.ShadowOffset() : 0;
}

TRect TSplashScreenWindow::GetTextRect() const {
    const TRect r = GetInnerRect();
    const int shadow = GetShadowOffset();
    // (L, T, R - L - shadow, B - T - shadow): the right and bottom are extents from 0.
    return TRect{r.Left, r.Top, r.Right - r.Left - shadow, r.Bottom - r.Top - shadow};
}

TRect TSplashScreenWindow::InsetByHalf(int v, const TRect& r) {
    const int h = v / 2;
    return TRect{r.Left + h, r.Top + h, r.Right - h, r.Bottom - h};
}

// ---------------------------------------------------------------- painters

void TSplashScreenWindow::PaintAll(TGPGraphics& g) {
    PaintFill(g);
    PaintProgramInfo(g);
    PaintListItems(g);
    PaintTopLayerItems(g);
    PaintItems(g);
    PaintProgress(g);
}

void TSplashScreenWindow::PaintFill(TGPGraphics& g) {
    g.SetTextRenderingHint(RenderingHintOf(FSplashScreen->TextRendering()));
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    FSplashScreen->Fill().Fill(&g, TGPRectF{0, 0, float(Width() - 1), float(Height() - 1)});
}

void TSplashScreenWindow::PaintProgramInfo(TGPGraphics& g) {
    TAdvSmoothSplashScreen& c = *FSplashScreen;
    TBasicProgramInfo& info = c.BasicProgramInfo();
    TRect R = InsetByHalf(c.Fill().Rounding(), GetTextRect());
    R.Right -= 5;
    const int L = R.Left, T = R.Top, Rr = R.Right, B = R.Bottom;
    constexpr int HGap = 1, VGap = 3;
    const auto rendering = c.TextRendering();
    g.SetTextRenderingHint(RenderingHintOf(rendering));
    auto measure = [&](TSplashHeadingText& t) {
        return DrawHeadingText(&g, t.Text(), QPointF(0, 0), t.Font, t.GradientType, &t.Picture(), t.HatchStyle,
                               t.OpacityStart, t.OpacityEnd, t.ColorStart, t.ColorEnd, true, t.Angle, rendering);
    };
    TSplashHeadingText& name = info.ProgramName();
    TSplashHeadingText& version = info.ProgramVersion();
    const QSize n = measure(name), v = measure(version);
    const int nw = n.width(), nh = n.height(), vw = v.width(), vh = v.height();
    int cw = 0, ch = 0;
    if (!info.CopyRight.isEmpty()) {
        const QFontMetrics fm(info.CopyRightFont.ToQFont());
        cw = fm.horizontalAdvance(info.CopyRight);
        ch = fm.height();
    }
    const TItemLocation cl = info.CopyRightLocation;
    auto draw = [&](TSplashHeadingText& t, int x, int y) {
        DrawHeadingText(&g, t.Text(), QPointF(x, y), t.Font, t.GradientType, &t.Picture(), t.HatchStyle,
                        t.OpacityStart, t.OpacityEnd, t.ColorStart, t.ColorEnd, false, t.Angle, rendering);
    };
    // The name.
    int x = L, y = T;
    switch (name.Location) {
    case ilTopLeft: break;
    case ilTopCenter: x = L + (Rr - L - nw) / 2; break;
    case ilTopRight: x = Rr - nw - (version.Location == ilTopRight && vw > 0 ? vw + HGap : 0); break;
    case ilBottomLeft: y = B - nh - (cl == ilBottomLeft && ch > 0 ? ch + VGap : 0); break;
    case ilBottomCenter:
        x = L + (Rr - L - nw) / 2;
        y = B - nh - (cl == ilBottomCenter ? ch + VGap + vh : 0);
        break;
    case ilBottomRight:
        x = Rr - nw - (version.Location == ilBottomRight && vw > 0 ? vw + HGap : 0);
        y = B - nh - (cl == ilBottomRight && ch > 0 ? ch + VGap : 0);
        break;
    case ilCustom:
        x = name.PosX;
        y = name.PosY;
        break;
    }
    draw(name, x, y);
    // The version.
    x = L;
    y = T;
    switch (version.Location) {
    case ilTopLeft:
        if (name.Location == ilTopLeft && nw > 0) {
            x = L + nw + HGap;
            y = T + (nh - vh) / 2;
        }
        break;
    case ilTopCenter:
        x = L + (Rr - L - vw) / 2;
        y = name.Location == ilTopCenter ? T + nh + vh : T;
        break;
    case ilTopRight: x = Rr - vw; break;
    case ilBottomLeft:
        if (name.Location == ilBottomLeft && nw > 0) {
            x = L + nw + HGap;
            y = B - nh;
        } else {
            y = B - vh;
        }
        if (cl == ilBottomLeft && ch > 0) y -= ch + VGap;
        break;
    case ilBottomCenter:
        x = L + (Rr - L - vw) / 2;
        y = (nh > 0 ? B - nh : B - vh) - (cl == ilBottomCenter && ch > 0 ? ch + VGap : 0);
        break;
    case ilBottomRight:
        x = Rr - vw;
        y = (nh > 0 ? B - nh : B - vh) - (cl == ilBottomRight && ch > 0 ? ch + VGap : 0);
        break;
    case ilCustom:
        x = version.PosX;
        y = version.PosY;
        break;
    }
    draw(version, x, y);
    // The copyright line.
    if (info.CopyRight.isEmpty()) return;
    auto topRow = [&](TItemLocation where) {
        if (name.Location == where && nh > 0) return T + nh + VGap;
        if (version.Location == where && vh > 0) return T + vh + VGap;
        return T;
    };
    switch (cl) {
    case ilTopLeft: x = L; y = topRow(ilTopLeft); break;
    case ilTopCenter: x = L + (Rr - L - cw) / 2; y = topRow(ilTopCenter); break;
    case ilTopRight: x = Rr - cw; y = topRow(ilTopRight); break;
    case ilBottomLeft: x = L; y = B - ch; break;
    case ilBottomCenter: x = L + (Rr - L - cw) / 2; y = B - ch; break;
    case ilBottomRight: x = Rr - cw; y = B - ch; break;
    case ilCustom: x = info.CopyRightPosX; y = info.CopyRightPosY; break;
    }
    DrawHeadingText(&g, info.CopyRight, QPointF(x, y), info.CopyRightFont, gtSolid, nullptr, HatchStyleHorizontal, 255,
                    255, info.CopyRightFont.Color(), info.CopyRightFont.Color(), false, 0, rendering);
}

void TSplashScreenWindow::PaintItems(TGPGraphics& g) {
    TAdvSmoothSplashScreen& c = *FSplashScreen;
    for (int i = 0; i < c.Items().Count(); ++i) {
        TSplashItem* item = c.Items().Items(i);
        if (!item || !item->Visible) continue;
        g.SetTextRenderingHint(RenderingHintOf(c.TextRendering()));
        int x = item->PosX;
        if (!item->Picture().Empty()) {
            DrawItemPicture(&g, QPoint(item->PosX, item->PosY), item->Picture());
            item->Picture().GetImageSizes();
            x += item->Picture().Width() + c.PictureGap;
        } else if (c.Images() && item->ImageIndex >= 0) {
            // Drawn into the same surface as the rest, so a layered window shows it too.
            if (item->ImageIndex < c.Images()->Count() && g.Native())
                g.Native()->drawImage(item->PosX, item->PosY, c.Images()->Image(item->ImageIndex));
            x += c.Images()->Width() + c.PictureGap;
        }
        if (!item->Text.isEmpty())
            DrawHeadingText(&g, item->Text, QPointF(x, item->PosY), item->Font, gtSolid, nullptr, HatchStyleHorizontal,
                            255, 255, item->Font.Color(), item->Font.Color(), false, 0, c.TextRendering());
    }
}

namespace {

// A render call with the splash list's settings.
THtmlRender ListRender(TAdvSmoothSplashScreen* c, const QString& html, const TFont& font, TColor shadow, TColor url,
                       int shadowOffset) {
    THtmlRender r;
    r.Font = font;
    r.Text = html;
    r.LineSpacing = 2;
    r.Pictures = c->PictureContainer();
    r.Images = c->Images();
    r.ShadowColor = shadow;
    r.URLColor = url;
    r.ShadowOffset = shadowOffset;
    r.WordWrap = true;
    return r;
}

}  // namespace

TRect MeasureListItem(TGPGraphics* g, TAdvSmoothSplashScreen* c, const QString& html) {
    if (!c || html.isEmpty()) return {};
    const TSplashListItemsSettings& s = c->ListItemsSettings();
    THtmlRender r = ListRender(c, html, s.HTMLFont, s.HTMLShadowColor, s.HTMLURLColor, s.HTMLShadowOffset);
    r.MeasureOnly = true;
    r.Rect = TRect{0, 0, s.Rect.Width, s.Rect.Height};
    RenderHtmlText(g, r);
    return TRect{0, 0, r.Width, r.Height};
}

void TSplashScreenWindow::PaintListItems(TGPGraphics& g) {
    TAdvSmoothSplashScreen& c = *FSplashScreen;
    TSplashListItems& list = c.ListItems();
    const TSplashListItemsSettings& s = c.ListItemsSettings();
    g.SetTextRenderingHint(RenderingHintOf(c.TextRendering()));
    const TRect area = s.Rect.GetRect();
    int bottom = area.Top;
    for (int i = 0; i < list.Count(); ++i) {
        TSplashListItem* item = list.Items(i);
        const TRect m = MeasureListItem(&g, &c, item->HTMLText);
        item->DisplayRect = TRect{area.Left, bottom, area.Right, bottom + m.Height()};
        bottom += m.Height() + s.Space;
    }
    const int count = list.Count();
    int first = 0;
    if (count > 0 && list.Items(count - 1)->DisplayRect.Bottom > area.Bottom) {
        int excess = list.Items(count - 1)->DisplayRect.Bottom - area.Bottom;
        // The oldest lines leave at the top; the walk stops at the last line.
        for (int i = 0; i < count; ++i) {
            TSplashListItem* item = list.Items(i);
            const int h = item->DisplayRect.Height();
            item->DisplayRect.Top = item->DisplayRect.Bottom = -1;
            excess -= h + s.Space;
            if (excess <= 0 || i == count - 1) {
                first = std::min(count - 1, i + 1);
                break;
            }
        }
        const int shift = list.Items(first)->DisplayRect.Top - area.Top;
        for (int i = first; i < count; ++i) {
            list.Items(i)->DisplayRect.Top -= shift;
            list.Items(i)->DisplayRect.Bottom -= shift;
        }
    }
    for (int i = first; i < count; ++i) {
        TSplashListItem* item = list.Items(i);
        if (item->HTMLText.isEmpty()) continue;
        THtmlRender r = ListRender(&c, item->HTMLText, s.HTMLFont, s.HTMLShadowColor, s.HTMLURLColor, s.HTMLShadowOffset);
        const TRect& d = item->DisplayRect;
        r.Rect = TRect{d.Left, d.Top, d.Left + s.Rect.Width, d.Top + s.Rect.Height};
        RenderHtmlText(&g, r);
    }
}

void TSplashScreenWindow::PaintTopLayerItems(TGPGraphics& g) {
    TAdvSmoothSplashScreen& c = *FSplashScreen;
    g.SetTextRenderingHint(RenderingHintOf(c.TextRendering()));
    const TRect inner = GetInnerRect();
    const float X = float(inner.Left), Y = float(inner.Top), W = float(inner.Width()), H = float(inner.Height());
    for (int i = 0; i < c.TopLayerItems().Count(); ++i) {
        TAdvSplashTopLayerItem* item = c.TopLayerItems().Items(i);
        if (!item->Visible()) continue;
        TGDIPFill& fill = item->Fill();
        if (fill.Rounding() > 0 && fill.RoundingType() != rtNone) g.SetSmoothingMode(SmoothingModeAntiAlias);
        TGPRectF r;
        switch (item->Align()) {
        case alTop: r = {X, Y, W - X, float(item->Height())}; break;
        case alBottom: r = {X, Y + H - item->Height(), W - X, float(item->Height())}; break;
        case alLeft: r = {X, Y, float(item->Width()), H}; break;
        case alRight: r = {W - item->Width(), Y, float(item->Width()), H}; break;
        case alClient: r = {X, Y, W - X, H}; break;
        case alCustom: r = {X + item->Left(), Y + item->Top(), float(item->Width()), float(item->Height())}; break;
        case alNone: r = {0, 0, 0, 0}; break;
        }
        if (fill.BorderColor() == clNone || fill.BorderWidth() == 0) r.Height += 1;
        fill.Fill(&g, r);
        TAdvSplashHTMLText& html = item->HTMLText();
        if (html.Text().isEmpty()) continue;
        THtmlRender m = ListRender(&c, html.Text(), html.Font(), html.ShadowColor(), html.URLColor(), html.ShadowOffset());
        m.MeasureOnly = true;
        m.Rect = TRect{0, 0, RoundEven(r.Width), RoundEven(r.Height)};
        RenderHtmlText(&g, m);
        const int tw = m.Width, th = m.Height;
        const QPoint at = html.Location() == cpCustom ? QPoint(html.Left(), html.Top())
                                                      : LocationOffset(html.Location(), r, tw, th);
        THtmlRender d = ListRender(&c, html.Text(), html.Font(), html.ShadowColor(), html.URLColor(), html.ShadowOffset());
        d.Rect = TRect{at.x(), at.y(), at.x() + tw, at.y() + th};
        RenderHtmlText(&g, d);
    }
}

void TSplashScreenWindow::PaintProgress(TGPGraphics& g) {
    if (!FForcedTransparent || !FSplashProgressBar || !FSplashScreen->ProgressBar().Visible()) return;
    TAdvSplashProgressBar& bar = *FSplashProgressBar;
    bar.Appearance().Draw(&g, TRect{bar.Left(), bar.Top(), bar.Left() + bar.Width(), bar.Top() + bar.Height()}, 0, 100,
                          bar.Position());
}
