// Draws the splash artwork, SplashArtwork.png (620 x 350, with alpha): a dark panel with a
// frequency-response motif at the top and the processor's rack front at the bottom, leaving
// room for the texts the splash screen writes over it (name at (85, 130), version at
// (475, 140), the status line at (180, 210)). Build and run by hand when the artwork changes:
//   g++ -std=c++20 -fPIC make_splash.cpp $(pkg-config --cflags --libs Qt6Gui) -o make_splash
//   QT_QPA_PLATFORM=offscreen ./make_splash SplashArtwork.png
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

constexpr int kW = 620, kH = 350;

// A smooth response curve across the width: a low shelf, a presence bump and a high roll-off.
double Response(double x, double phase) {
    const double t = x / kW;
    return 0.55 * std::exp(-std::pow((t - 0.18) / 0.11, 2)) - 0.35 * std::exp(-std::pow((t - 0.47) / 0.08, 2)) +
           0.65 * std::exp(-std::pow((t - 0.70 - phase) / 0.10, 2)) - 0.5 / (1 + std::exp(-(t - 0.93) / 0.02));
}

QPainterPath Curve(double base, double amplitude, double phase) {
    QPainterPath path;
    for (int x = 0; x <= kW; x += 2) {
        const QPointF p(x, base - amplitude * Response(x, phase));
        if (x == 0) path.moveTo(p);
        else path.lineTo(p);
    }
    return path;
}

void Screw(QPainter& p, QPointF c) {
    QRadialGradient g(c + QPointF(-1, -1), 4.5);
    g.setColorAt(0, QColor(120, 126, 136));
    g.setColorAt(1, QColor(48, 52, 58));
    p.setPen(QPen(QColor(10, 11, 13), 1));
    p.setBrush(g);
    p.drawEllipse(c, 4.2, 4.2);
    p.setPen(QPen(QColor(22, 24, 28), 1.4));
    p.drawLine(c + QPointF(-2.6, 0), c + QPointF(2.6, 0));
}

void Knob(QPainter& p, QPointF c, double r, double angle) {
    QRadialGradient shade(c + QPointF(-r * 0.35, -r * 0.45), r * 1.5);
    shade.setColorAt(0, QColor(112, 118, 128));
    shade.setColorAt(0.55, QColor(52, 56, 63));
    shade.setColorAt(1, QColor(22, 24, 28));
    p.setPen(QPen(QColor(8, 9, 11), 1.2));
    p.setBrush(shade);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(56, 208, 255), 2, Qt::SolidLine, Qt::RoundCap));
    const double a = angle * M_PI / 180;
    p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * (r * 0.3), c + QPointF(std::cos(a), std::sin(a)) * (r * 0.85));
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QImage image(kW, kH, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // The panel: a rounded dark gradient with a cool glow behind the title.
    QPainterPath panel;
    panel.addRoundedRect(QRectF(0.5, 0.5, kW - 1, kH - 1), 12, 12);
    QLinearGradient bg(0, 0, 0, kH);
    bg.setColorAt(0, QColor(30, 35, 42));
    bg.setColorAt(0.6, QColor(18, 21, 26));
    bg.setColorAt(1, QColor(11, 13, 16));
    p.fillPath(panel, bg);
    p.setClipPath(panel);
    QRadialGradient glow(QPointF(250, 150), 300);
    glow.setColorAt(0, QColor(56, 150, 220, 46));
    glow.setColorAt(1, QColor(56, 150, 220, 0));
    p.fillRect(image.rect(), glow);

    // A faint measuring grid under the curves.
    p.setPen(QPen(QColor(255, 255, 255, 10), 1));
    for (int y = 24; y <= 112; y += 22) p.drawLine(QPointF(0, y + 0.5), QPointF(kW, y + 0.5));
    for (int k = 1; k < 10; ++k) {
        const double x = kW * std::log10(1 + 9.0 * k / 10) ;
        p.drawLine(QPointF(x + 0.5, 20), QPointF(x + 0.5, 116));
    }
    // The response curves: amber behind, cyan in front, with a soft fill and glow.
    const QPainterPath amber = Curve(74, 42, 0.04);
    p.setPen(QPen(QColor(255, 176, 48, 90), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(amber);
    const QPainterPath cyan = Curve(70, 52, 0.0);
    QPainterPath area = cyan;
    area.lineTo(kW, 118);
    area.lineTo(0, 118);
    area.closeSubpath();
    QLinearGradient under(0, 20, 0, 118);
    under.setColorAt(0, QColor(56, 208, 255, 70));
    under.setColorAt(1, QColor(56, 208, 255, 0));
    p.fillPath(area, under);
    for (int k = 4; k >= 1; --k) {
        p.setPen(QPen(QColor(56, 208, 255, 18), 2.0 * k + 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(cyan);
    }
    p.setPen(QPen(QColor(120, 226, 255), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(cyan);
    // Band handles on the curve.
    for (double x : {112.0, 291.0, 434.0}) {
        const QPointF c(x, 70 - 52 * Response(x, 0));
        p.setPen(QPen(QColor(220, 246, 255), 1.5));
        p.setBrush(QColor(20, 60, 80));
        p.drawEllipse(c, 4.5, 4.5);
    }
    // A thin divider above the rack.
    QLinearGradient line(40, 0, kW - 40, 0);
    line.setColorAt(0, QColor(56, 208, 255, 0));
    line.setColorAt(0.5, QColor(56, 208, 255, 120));
    line.setColorAt(1, QColor(56, 208, 255, 0));
    p.fillRect(QRectF(40, 249, kW - 80, 1), line);

    // The rack unit: brushed front, ears with screws, display, meters, knobs, power LED.
    const QRectF rack(36, 262, kW - 72, 70);
    QPainterPath front;
    front.addRoundedRect(rack, 4, 4);
    QLinearGradient metal(0, rack.top(), 0, rack.bottom());
    metal.setColorAt(0, QColor(70, 76, 86));
    metal.setColorAt(0.08, QColor(48, 53, 61));
    metal.setColorAt(0.9, QColor(28, 31, 36));
    metal.setColorAt(1, QColor(18, 20, 24));
    p.fillPath(front, metal);
    p.setPen(QPen(QColor(8, 9, 11), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(front);
    for (int k = 0; k < 40; ++k) {  // brushed streaks
        const double y = rack.top() + 4 + k * 1.6;
        p.setPen(QPen(QColor(255, 255, 255, k % 3 ? 5 : 9), 1));
        p.drawLine(QPointF(rack.left() + 30, y), QPointF(rack.right() - 30, y));
    }
    for (double x : {rack.left() + 13, rack.right() - 13}) {
        p.setPen(QPen(QColor(10, 11, 13), 1));
        p.drawLine(QPointF(x + (x < kW / 2 ? 13 : -13), rack.top() + 3), QPointF(x + (x < kW / 2 ? 13 : -13), rack.bottom() - 3));
        Screw(p, QPointF(x, rack.top() + 16));
        Screw(p, QPointF(x, rack.bottom() - 16));
    }
    // The display.
    const QRectF lcd(rack.left() + 42, rack.top() + 14, 120, 42);
    p.setPen(QPen(QColor(6, 7, 9), 1));
    QLinearGradient glass(0, lcd.top(), 0, lcd.bottom());
    glass.setColorAt(0, QColor(10, 30, 40));
    glass.setColorAt(1, QColor(4, 14, 20));
    p.setBrush(glass);
    p.drawRoundedRect(lcd, 3, 3);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(90, 220, 255));
    p.drawText(lcd.adjusted(8, 4, -6, -20), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("KT5517"));
    font.setPixelSize(10);
    font.setBold(false);
    p.setFont(font);
    p.setPen(QColor(70, 170, 210));
    p.drawText(lcd.adjusted(8, 22, -6, -4), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("PRESET 01"));
    // Level meters: two inputs, six outputs.
    const double meterLeft = lcd.right() + 26;
    const int levels[8] = {9, 8, 7, 6, 8, 5, 6, 4};
    for (int ch = 0; ch < 8; ++ch) {
        const double x = meterLeft + ch * 13 + (ch >= 2 ? 8 : 0);
        for (int seg = 0; seg < 10; ++seg) {
            const double y = rack.bottom() - 14 - seg * 4.6;
            QColor c = seg >= 9 ? QColor(255, 70, 60) : seg >= 7 ? QColor(255, 200, 40) : QColor(60, 230, 110);
            if (seg >= levels[ch]) c = QColor(c.red() / 5, c.green() / 5, c.blue() / 5);
            p.fillRect(QRectF(x, y, 9, 3.2), c);
        }
    }
    // Knobs and the power LED.
    const double knobLeft = meterLeft + 8 * 13 + 36;
    for (int k = 0; k < 4; ++k) Knob(p, QPointF(knobLeft + k * 42, rack.center().y()), 13, -210 + k * 62);
    const QPointF led(rack.right() - 48, rack.center().y());
    QRadialGradient halo(led, 9);
    halo.setColorAt(0, QColor(56, 208, 255, 200));
    halo.setColorAt(1, QColor(56, 208, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(led, 9, 9);
    p.setBrush(QColor(200, 244, 255));
    p.drawEllipse(led, 2.6, 2.6);

    // A hairline rim around the whole panel.
    p.setClipping(false);
    p.setPen(QPen(QColor(255, 255, 255, 28), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(panel);
    p.end();
    return image.save(QString::fromLocal8Bit(argc > 1 ? argv[1] : "SplashArtwork.png")) ? 0 : 1;
}
