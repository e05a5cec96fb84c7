#include "AdvProgressBar.h"

#include "SafeFormat.h"
#include "rtl/RtlMath.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr TColor kTransparentKey = 0xFF00FF;

void Box(TCanvas& c, TColor color, int l, int t, int r, int b) {
    if (r <= l || b <= t) return;
    c.Brush.Color = color;
    c.Brush.Style = bsSolid;
    c.Pen.Color = color;
    c.Pen.Style = psSolid;
    c.Rectangle(l, t, r, b);
}

// One bar, segment or block: two gradient halves across the thickness, or a plain box.
void Bar(TCanvas& c, const TGaugeSettings& s, TColor color, TColor colorTo, int l, int t, int r, int b) {
    if (r <= l || b <= t) return;
    if (!s.ShowGradient) {
        Box(c, color, l, t, r, b);
        return;
    }
    if (s.Orientation == goHorizontal) {
        const int mid = t + (b - t) / 2;
        DrawStepGradient(c, colorTo, color, false, TRect{l, t, r, mid}, s.Steps);
        DrawStepGradient(c, color, colorTo, false, TRect{l, mid, r, b}, s.Steps);
    } else {
        const int mid = l + (r - l) / 2;
        DrawStepGradient(c, colorTo, color, true, TRect{l, t, mid, b}, s.Steps);
        DrawStepGradient(c, color, colorTo, true, TRect{mid, t, r, b}, s.Steps);
    }
}

}  // namespace

void DrawStepGradient(TCanvas& canvas, TColor a, TColor b, bool vertical, const TRect& r, int steps) {
    if (steps == 0) steps = 1;
    if (steps < 0) return;
    const TColor ca = ColorToRGB(a), cb = ColorToRGB(b);
    const int size = vertical ? r.Width() : r.Height();
    if (size <= 0) return;
    for (int k = 0; k < steps; ++k) {
        auto ch = [&](int x, int y) { return x + Round(double(k) * (y - x) / steps); };
        const TColor c =
            RGBColor(ch(GetRValue(ca), GetRValue(cb)), ch(GetGValue(ca), GetGValue(cb)), ch(GetBValue(ca), GetBValue(cb)));
        const int start = Round(double(k) * size / steps);
        const int end = std::min(size, start + int(std::trunc(double(size) / steps)) + 1);
        if (end <= start) continue;
        if (vertical)
            Box(canvas, c, r.Left + start, r.Top, r.Left + end, r.Bottom);
        else
            Box(canvas, c, r.Left, r.Top + start, r.Right, r.Top + end);
    }
}

QString GaugeText(const TGaugeSettings& s) {
    if (!s.Format.isEmpty()) return SafeFormat(s.Format, {double(s.Value), double(s.Max)});
    return s.ShowPercentage ? QString::number(s.Position) + QLatin1Char('%') : QString::number(s.Value);
}

void DrawGauge(TCanvas& c, const TRect& R, TGaugeSettings s) {
    const bool horizontal = s.Orientation == goHorizontal;
    int L = horizontal ? R.Width() : R.Height();
    int pos = s.Position;
    if (s.Rounded) Box(c, kTransparentKey, R.Left, R.Top, R.Right, R.Bottom);
    if (s.Infinite) {
        pos = 100;
        s.Level1Perc = s.Level2Perc = 101;
    }
    // Track.
    c.Brush.Color = s.BackgroundColor;
    c.Brush.Style = bsSolid;
    c.Pen.Color = s.ShowBorder ? s.BorderColor : s.BackgroundColor;
    if (s.Rounded) {
        if (QPainter* p = c.Painter()) {
            p->setPen(QPen(ToQColor(ColorToRGB(c.Pen.Color)), 1));
            p->setBrush(ToQColor(ColorToRGB(c.Brush.Color)));
            p->drawRoundedRect(QRectF(R.Left, R.Top, R.Width() - 1, R.Height() - 1), 3, 3);
            c.Changed(R.ToQRect());
        }
    } else {
        c.Rectangle(R);
    }
    L -= 2;
    // Level zones.
    if (s.Level0BkColor != clNone || s.Level1BkColor != clNone || s.Level2BkColor != clNone) {
        const int z0 = Round(s.Level1Perc / 100.0 * L);
        const int z1 = Round((s.Level2Perc - s.Level1Perc) / 100.0 * L);
        const int z2 = L - z0 - z1;
        const TColor colors[3] = {s.Level0BkColor, s.Level1BkColor, s.Level2BkColor};
        const int sizes[3] = {z0, z1, z2};
        int from = 0;
        for (int k = 0; k < 3; ++k) {
            const int to = (k == 0 ? z0 : from + sizes[k]);
            if (colors[k] != clNone) {
                if (horizontal)
                    Box(c, colors[k], k == 0 ? R.Left + 2 : R.Left + from, R.Top + 1, R.Left + to, R.Bottom - 1);
                else
                    Box(c, colors[k], R.Left + 1, R.Bottom - 2 - to, R.Right - 1, R.Bottom - 2 - from);
            }
            from = to;
        }
    }
    // The bar.
    if (pos > 0) {
        if (s.Stacked) {
            const TColor pairs[3][2] = {{s.Level0Color, s.Level0ColorTo},
                                        {s.Level1Color, s.Level1ColorTo},
                                        {s.Level2Color, s.Level2ColorTo}};
            int lengths[3] = {0, 0, 0};
            int count;
            if (pos < s.Level1Perc) {
                lengths[0] = Round(pos / 100.0 * L);
                count = 1;
            } else {
                lengths[0] = Round(s.Level1Perc / 100.0 * L);
                if (pos < s.Level2Perc) {
                    lengths[1] = Round(L * (pos - s.Level1Perc) / 100.0);
                    count = 2;
                } else {
                    lengths[1] = Round(L * (s.Level2Perc - s.Level1Perc) / 100.0);
                    lengths[2] = pos == 100 ? L - lengths[0] - lengths[1] : Round(L * (pos - s.Level2Perc) / 100.0);
                    count = 3;
                }
            }
            int at = 0;
            for (int k = 0; k < count; ++k) {
                const int from = k == 0 ? 2 : at, to = at + lengths[k];
                if (horizontal)
                    Bar(c, s, pairs[k][0], pairs[k][1], R.Left + from, R.Top + 1, R.Left + to, R.Bottom - 1);
                else
                    Bar(c, s, pairs[k][0], pairs[k][1], R.Left + 1, R.Bottom - 2 - to, R.Right - 1, R.Bottom - from);
                at = to;
            }
        } else {
            TColor color = s.Level2Color, colorTo = s.Level2ColorTo;
            if (pos < s.Level1Perc) {
                color = s.Level0Color;
                colorTo = s.Level0ColorTo;
            } else if (pos < s.Level2Perc) {
                color = s.Level1Color;
                colorTo = s.Level1ColorTo;
            } else if (pos >= 100) {
                color = s.Level3Color;
                colorTo = s.Level3ColorTo;
            }
            if (s.CompletionSmooth) {
                const int e = Round(pos / 100.0 * L);
                if (horizontal)
                    Bar(c, s, color, colorTo, R.Left + 2, R.Top + 2, R.Left + e, R.Bottom - 2);
                else
                    Bar(c, s, color, colorTo, R.Left + 2, R.Bottom - e, R.Right - 2, R.Bottom - 2);
            } else {
                const int n = Round(double(L) * pos / 100.0);
                // Blocks along the track: [from, to) offsets from the start edge.
                auto block = [&](int from, int to) {
                    if (horizontal)
                        Bar(c, s, color, colorTo, R.Left + from, R.Top + 2, R.Left + to, R.Bottom - 2);
                    else
                        Bar(c, s, color, colorTo, R.Left + 2, std::max(R.Top + 2, R.Bottom - to), R.Right - 2,
                            R.Bottom - from);
                };
                if (n < 10) {
                    if (n > 1) block(2, 2 + n - 1);
                } else {
                    int end = 9;
                    block(2, 9);
                    for (int k = 1; k < n / 9; ++k) {
                        block(end + 2, end + 9);
                        end += 9;
                    }
                    if (n % 9 > 2) block(end + 2, end + 2 + n % 9 - 1);
                }
            }
        }
    }
    // The moving block of the endless mode.
    if (s.Infinite) {
        const int extent = horizontal ? R.Width() : R.Height();
        const int p = extent <= 4 ? 0 : Round(s.InfinitePos / 100.0 * (extent - 4));
        if (horizontal) {
            Box(c, s.BackgroundColor, R.Left + 2, R.Top + 2, std::max(R.Left + 2, R.Left + 2 + p - 12), R.Bottom - 2);
            Box(c, s.BackgroundColor, std::min(R.Right - 2, R.Left + p + 12), R.Top + 2, R.Right - 2, R.Bottom - 2);
        } else {
            Box(c, s.BackgroundColor, R.Left + 2, std::max(R.Top + 2, R.Bottom - 2 - p + 12), R.Right - 2, R.Bottom - 2);
            Box(c, s.BackgroundColor, R.Left + 2, R.Top + 2, R.Right - 2, std::max(R.Top + 2, R.Bottom - 2 - p - 12));
        }
    }
    // The text.
    if (s.ShowPosition) {
        const QString text = GaugeText(s);
        c.Font = s.Font;
        c.Brush.Style = bsClear;
        const int tw = c.TextWidth(text), th = c.TextHeight(text);
        if (horizontal) {
            c.TextOut(R.Left + R.Width() / 2 - tw / 2, R.Top + R.Height() / 2 - th / 2, text);
        } else if (QPainter* p = c.Painter()) {
            p->save();
            p->translate(R.Left + R.Width() / 2 - th / 2, R.Top + R.Height() / 2 + tw / 2);
            p->rotate(-90);
            QFont font = s.Font.ToQFont();
            p->setFont(font);
            p->setPen(ToQColor(ColorToRGB(s.Font.Color())));
            p->drawText(QPoint(0, QFontMetrics(font).ascent()), text);
            p->restore();
            c.Changed(R.ToQRect());
        }
        c.Brush.Style = bsSolid;
    }
}

TAdvProgressBar::TAdvProgressBar(TComponent* owner) : TGraphicControl(owner) {
    TFont font;
    font.SetName(QStringLiteral("Verdana"));
    font.SetSize(10);
    TGraphicControl::SetFont(font);
    FTimer.SetEnabled(false);
    FTimer.SetInterval(FInfiniteInterval);
    FTimer.SetOnTimer([this](QObject*) { InfiniteTimerTick(); });
    SetBounds(0, 0, 128, 18);
}

TAdvProgressBar::~TAdvProgressBar() = default;

int TAdvProgressBar::Percentage() const {
    if (FMax == FMin) return 0;
    return Round(double(FPosition) / (double(FMax) - FMin) * 100.0);
}

void TAdvProgressBar::SetPosition(int value) {
    if (value >= FMin && value <= FMax) {
        FPosition = value;
        const int p = Percentage();
        if (FMaxIncrement == 0 || value % FMaxIncrement == 0 || value / FMaxIncrement != FOldBlockPos || p != FOldPos)
            Paint();
        FOldPos = p;
        if (FMaxIncrement != 0) FOldBlockPos = value / FMaxIncrement;
    } else if (value < FMin) {
        FPosition = FMin;
    } else {
        FPosition = FMax;
    }
}

void TAdvProgressBar::SetMin(int value) {
    FMin = value;
    FMaxIncrement = (FMax - FMin) / 100;
    Invalidate();
}

void TAdvProgressBar::SetMax(int value) {
    FMax = value;
    FMaxIncrement = (FMax - FMin) / 100;
    Invalidate();
}

void TAdvProgressBar::SetLevel0BkColor(TColor value) {
    if (value == FLevel0BkColor) return;
    FLevel0BkColor = value;
    Invalidate();
}

void TAdvProgressBar::SetLevel1BkColor(TColor value) {
    if (value == FLevel1BkColor) return;
    FLevel1BkColor = value;
    Invalidate();
}

void TAdvProgressBar::SetLevel2BkColor(TColor value) {
    if (value == FLevel2BkColor) return;
    FLevel2BkColor = value;
    Invalidate();
}

void TAdvProgressBar::SetFont(const TFont& font) {
    TGraphicControl::SetFont(font);
    Invalidate();
}

void TAdvProgressBar::UpdateTimer() { FTimer.SetEnabled(FInfinite && FAnimated); }

void TAdvProgressBar::SetInfinite(bool value) {
    FInfinite = value;
    UpdateTimer();
    FInfinitePos = 0;
    Invalidate();
}

void TAdvProgressBar::SetAnimated(bool value) {
    FAnimated = value;
    UpdateTimer();
    Invalidate();
}

void TAdvProgressBar::SetInfiniteInterval(int value) {
    FInfiniteInterval = value;
    FTimer.SetInterval(value);
}

void TAdvProgressBar::InfiniteTimerTick() {
    if (FInfiniteInc) {
        FInfinitePos += 4;
        if (FInfinitePos > 99) {
            FInfinitePos = 100;
            FInfiniteInc = false;
        }
    } else {
        FInfinitePos -= 4;
        if (FInfinitePos < 1) {
            FInfinitePos = 0;
            FInfiniteInc = true;
        }
    }
    Paint();
}

TGaugeSettings TAdvProgressBar::Settings() const {
    TGaugeSettings s;
    s.Level0Color = FLevel0Color;
    s.Level0ColorTo = FLevel0ColorTo;
    s.Level1Color = FLevel1Color;
    s.Level1ColorTo = FLevel1ColorTo;
    s.Level2Color = FLevel2Color;
    s.Level2ColorTo = FLevel2ColorTo;
    s.Level3Color = FLevel3Color;
    s.Level3ColorTo = FLevel3ColorTo;
    s.Level1Perc = FLevel1Perc;
    s.Level2Perc = FLevel2Perc;
    s.BorderColor = FBorderColor;
    s.Level0BkColor = FLevel0BkColor;
    s.Level1BkColor = FLevel1BkColor;
    s.Level2BkColor = FLevel2BkColor;
    s.ShowBorder = FShowBorder;
    s.Stacked = FStacked;
    s.ShowPercentage = FShowPercentage;
    s.ShowPosition = FShowPosition;
    s.Font = Font();
    s.CompletionSmooth = FCompletionSmooth;
    s.ShowGradient = FShowGradient;
    s.Steps = FSteps;
    s.Position = Percentage();
    s.Value = FPosition;
    s.Max = FMax;
    s.BackgroundColor = FBackgroundColor;
    s.Orientation = FOrientation;
    s.Rounded = FRounded;
    s.Format = FFormat;
    s.Infinite = FInfinite;
    s.InfinitePos = FInfinitePos;
    return s;
}

QString TAdvProgressBar::PositionText() const { return GaugeText(Settings()); }

void TAdvProgressBar::Paint() {
    if (!Parent() || width() <= 0 || height() <= 0) return;
    TBitmap bitmap;
    bitmap.SetSize(width(), height());
    DrawGauge(bitmap.Canvas(), TRect{0, 0, width(), height()}, Settings());
    QImage image = bitmap.Image().convertToFormat(QImage::Format_ARGB32);
    if (FRounded) {
        const QRgb key = qRgb(255, 0, 255);
        for (int y = 0; y < image.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if ((row[x] | 0xFF000000u) == key) row[x] = 0;
        }
    }
    TCanvas& canvas = Canvas();
    if (QPainter* p = canvas.Painter()) {
        p->setCompositionMode(QPainter::CompositionMode_Source);
        p->drawImage(0, 0, image);
        p->setCompositionMode(QPainter::CompositionMode_SourceOver);
        canvas.Changed(rect());
    }
}
