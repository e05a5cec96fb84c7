#include "DialogLook.h"

#include "RzBmpBtn.h"
#include "timer/TTimer.h"
#include "ui/TForm.h"
#include "ui/TGroupBox.h"
#include "ui/TImage.h"
#include "ui/TLabel.h"

#include <QGuiApplication>
#include <QHashFunctions>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include <algorithm>
#include <unordered_map>

namespace DialogLook {

namespace {

QColor Rgb(int r, int g, int b) { return QColor(r, g, b); }

// One face of the command buttons: top and bottom of its gradient, its rim, its caption.
struct FaceColours {
    QColor top, bottom, rim, sheen;
};

FaceColours ColoursOf(Face face) {
    switch (face) {
    case Face::Hot: return {Rgb(255, 255, 255), Rgb(214, 226, 238), Rgb(61, 143, 214), Rgb(255, 255, 255)};
    case Face::Down: return {Rgb(178, 183, 190), Rgb(214, 218, 223), Rgb(40, 44, 50), Rgb(160, 165, 172)};
    case Face::Disabled: return {Rgb(186, 189, 194), Rgb(168, 172, 178), Rgb(70, 74, 80), Rgb(200, 203, 207)};
    case Face::Up: break;
    }
    return {Rgb(244, 245, 247), Rgb(196, 200, 206), Rgb(22, 24, 28), Rgb(255, 255, 255)};
}

void Stamp(QImage& image, Emblem emblem) {
    const int s = image.width();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF box(0.5, 0.5, s - 1.0, s - 1.0);
    QFont glyphFont(TFont::SubstituteFamily(QStringLiteral("Arial")));
    glyphFont.setBold(true);
    glyphFont.setPixelSize(int(s * 0.62));
    p.setFont(glyphFont);
    const auto disc = [&](QColor light, QColor dark) {
        QLinearGradient g(0, 0, 0, s);
        g.setColorAt(0, light);
        g.setColorAt(1, dark);
        p.setPen(QPen(dark.darker(140), 1.0));
        p.setBrush(g);
        p.drawEllipse(box.adjusted(1, 1, -1, -1));
        // A soft highlight over the upper half.
        QLinearGradient sheen(0, 1, 0, s * 0.55);
        sheen.setColorAt(0, QColor(255, 255, 255, 110));
        sheen.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(sheen);
        p.drawEllipse(QRectF(s * 0.18, s * 0.08, s * 0.64, s * 0.42));
    };
    switch (emblem) {
    case Emblem::Information:
    case Emblem::Question: {
        disc(Rgb(96, 170, 232), Rgb(30, 100, 170));
        p.setPen(Qt::white);
        p.drawText(box, Qt::AlignCenter, emblem == Emblem::Information ? QStringLiteral("i") : QStringLiteral("?"));
        break;
    }
    case Emblem::Warning: {
        QPainterPath triangle;
        triangle.moveTo(s * 0.5, s * 0.06);
        triangle.lineTo(s * 0.96, s * 0.9);
        triangle.lineTo(s * 0.04, s * 0.9);
        triangle.closeSubpath();
        QLinearGradient g(0, 0, 0, s);
        g.setColorAt(0, Rgb(255, 214, 90));
        g.setColorAt(1, Rgb(232, 160, 20));
        p.setPen(QPen(Rgb(150, 96, 0), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(g);
        p.drawPath(triangle);
        p.setPen(Rgb(40, 30, 10));
        p.drawText(QRectF(0, s * 0.22, s, s * 0.68), Qt::AlignCenter, QStringLiteral("!"));
        break;
    }
    case Emblem::Product: {
        // A rack unit's front: a dark rounded plate with a row of level bars and an accent lamp.
        QLinearGradient g(0, 0, 0, s);
        g.setColorAt(0, Rgb(70, 76, 86));
        g.setColorAt(1, Rgb(28, 31, 36));
        p.setPen(QPen(Rgb(12, 13, 15), 1.0));
        p.setBrush(g);
        p.drawRoundedRect(box.adjusted(1, s * 0.14, -1, -s * 0.14), s * 0.1, s * 0.1);
        const double barW = s * 0.075, gap = s * 0.045, baseY = s * 0.74;
        const double heights[] = {0.22, 0.36, 0.5, 0.3, 0.42, 0.26};
        for (int i = 0; i < 6; ++i) {
            const double x = s * 0.16 + i * (barW + gap);
            const double h = s * heights[i];
            QLinearGradient bar(0, baseY - s * 0.5, 0, baseY);
            bar.setColorAt(0, Rgb(120, 200, 255));
            bar.setColorAt(1, Rgb(40, 120, 200));
            p.setPen(Qt::NoPen);
            p.setBrush(bar);
            p.drawRect(QRectF(x, baseY - h, barW, h));
        }
        p.setBrush(Rgb(90, 220, 120));
        p.drawEllipse(QRectF(s * 0.8, s * 0.27, s * 0.08, s * 0.08));
        break;
    }
    }
}

}  // namespace

TFont Font(int size, TColor color, bool bold) {
    TFont font;
    font.SetName(QStringLiteral("Tahoma"));
    font.SetSize(size);
    font.SetColor(color);
    font.SetStyle(bold ? TFontStyles(fsBold) : TFontStyles(0));
    return font;
}

void SetFrame(TForm& form, int width, int height, unsigned frame) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (frame & kCloseBox) flags |= Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;
    if (frame & kStayOnTop) flags |= Qt::WindowStaysOnTopHint;
    if (frame & kSizeable) flags |= Qt::WindowMinMaxButtonsHint;
    form.setWindowFlags(flags);
    form.SetBounds(form.Left(), form.Top(), width, height);
    if (frame & kSizeable) {
        form.setMinimumSize(0, 0);
        form.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        form.setFixedSize(width, height);
    }
}

void Centre(TForm& form, const QWidget* over) {
    QRect area;
    if (over && over->isVisible()) {
        area = over->frameGeometry();
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    } else {
        return;
    }
    form.move(area.center() - QPoint(form.width() / 2, form.height() / 2));
}

QImage Background(int height) {
    QImage image(1, std::max(height, 1), QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, image.height());
    g.setColorAt(0, Rgb(58, 63, 71));
    g.setColorAt(0.45, Rgb(42, 46, 52));
    g.setColorAt(1, Rgb(30, 33, 38));
    p.fillRect(image.rect(), g);
    // A fine sheen along the top edge and a darker rim round the area.
    p.fillRect(0, 0, image.width(), 1, Rgb(88, 95, 105));
    p.setPen(Rgb(20, 22, 26));
    p.drawLine(0, image.height() - 1, image.width() - 1, image.height() - 1);
    return image;
}

QImage GroundUnder(const QImage& ground, const QRect& at) {
    if (ground.width() != 1) return ground.copy(at);
    if (at.isEmpty()) return QImage();
    // Each row is the column's pixel repeated; rows outside the ground are transparent.
    const QImage column = ground.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage part(at.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < part.height(); ++y) {
        const int from = at.y() + y;
        const quint32 pixel =
            from >= 0 && from < column.height() ? reinterpret_cast<const quint32*>(column.constScanLine(from))[0] : 0;
        auto* row = reinterpret_cast<quint32*>(part.scanLine(y));
        std::fill(row, row + part.width(), pixel);
    }
    return part;
}

namespace {

// A button face drawn over `image`, its ground of the button's size.
QImage DrawButtonFace(QImage image, Face face) {
    const int w = image.width(), h = image.height();
    const FaceColours c = ColoursOf(face);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF outer(0.5, 0.5, w - 1.0, h - 1.0);
    const double radius = 4.0;
    QLinearGradient fill(0, 0, 0, h);
    fill.setColorAt(0, c.top);
    fill.setColorAt(1, c.bottom);
    p.setPen(QPen(c.rim, 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(outer, radius, radius);
    // An inner line of light under the rim (a pressed face has its shade on top instead).
    QColor sheen = c.sheen;
    sheen.setAlpha(face == Face::Down ? 150 : 170);
    p.setPen(QPen(sheen, 1.0));
    p.setBrush(Qt::NoBrush);
    if (face == Face::Down) {
        p.drawLine(QPointF(radius, 1.5), QPointF(w - radius, 1.5));
    } else {
        p.drawRoundedRect(outer.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    }
    return image;
}

}  // namespace

QImage ButtonFace(const QImage& background, const QRect& at, Face face) {
    const int w = std::max(at.width(), 1), h = std::max(at.height(), 1);
    QImage ground = GroundUnder(background, at).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (ground.size() != QSize(w, h)) ground = ground.scaled(w, h);
    // Many buttons stand on the same ground (a row of equal buttons, OK beside Cancel): each
    // face is drawn once for a ground and shared. Faces are found by a hash of the ground's
    // pixels and kept with their ground, which must match to the pixel.
    struct Drawn {
        QImage ground;
        Face face;
        QImage image;
    };
    static std::unordered_multimap<size_t, Drawn> faces;
    const size_t key = qHashBits(ground.constBits(), size_t(ground.sizeInBytes()), size_t(face));
    auto [first, last] = faces.equal_range(key);
    for (auto it = first; it != last; ++it)
        if (it->second.face == face && it->second.ground == ground) return it->second.image;
    return faces.emplace(key, Drawn{ground, face, DrawButtonFace(ground, face)})->second.image;
}

QImage Icon(Emblem emblem, const QImage& ground) {
    QImage image = ground.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (!image.isNull()) Stamp(image, emblem);
    return image;
}

QImage Plain(int width, int height, TColor colour) {
    QImage image(std::max(width, 1), std::max(height, 1), QImage::Format_ARGB32_Premultiplied);
    image.fill(ToQColor(colour));
    return image;
}

TImage* AddBackground(TForm& form) {
    auto* image = new TImage(&form);
    image->SetName(QStringLiteral("imBase"));
    image->SetParent(&form);
    image->SetBounds(0, 0, form.Width(), form.Height());
    image->SetStretch(true);
    image->Picture().SetImage(Background(form.Height()));
    form.SetColor(kGround);
    return image;
}

TRzBmpButton* AddButton(TForm& form, const QImage& ground, const QString& name, const QRect& bounds) {
    auto* button = new TRzBmpButton(&form);
    button->SetName(name);
    button->SetParent(&form);
    // The pictures are the whole face; the caption goes on top of them. The hot face shows
    // where the pointer is; no dotted focus frame over the caption.
    button->SetButtonSize(bszStretchToButton);
    button->SetShowFocus(false);
    TRzButtonBitmaps& pictures = button->Bitmaps();
    TBitmap picture;
    picture.SetImage(ButtonFace(ground, bounds, Face::Up));
    pictures.SetUp(picture);
    picture.SetImage(ButtonFace(ground, bounds, Face::Hot));
    pictures.SetHot(picture);
    picture.SetImage(ButtonFace(ground, bounds, Face::Down));
    pictures.SetDown(picture);
    pictures.SetStayDown(picture);
    picture.SetImage(ButtonFace(ground, bounds, Face::Disabled));
    pictures.SetDisabled(picture);
    button->SetFont(Font(8, RGBColor(22, 25, 30), true));
    button->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    return button;
}

TLabel* AddLabel(TComponent* owner, TWinControl* parent, const QString& name, int left, int top, const TFont& font) {
    auto* label = new TLabel(owner);
    label->SetName(name);
    label->SetParent(parent);
    label->SetTransparent(true);
    label->SetFont(font);
    label->SetBounds(left, top, label->Width(), label->Height());
    return label;
}

TImage* AddIcon(TComponent* owner, TWinControl* parent, const QString& name, int left, int top, Emblem emblem,
                const QImage& ground) {
    auto* image = new TImage(owner);
    image->SetName(name);
    image->SetParent(parent);
    image->SetBounds(left, top, ground.width(), ground.height());
    image->Picture().SetImage(Icon(emblem, ground));
    return image;
}

TTimer* AddTimer(TForm& form, int interval, std::function<void(QObject*)> onTimer) {
    auto* timer = new TTimer(&form);
    timer->SetEnabled(false);
    timer->SetInterval(interval);
    timer->SetOnTimer(std::move(onTimer));
    return timer;
}

MessagePanel AddMessagePanel(TForm& form, const QRect& bounds, Emblem emblem, const QString& labelName) {
    MessagePanel panel{};
    panel.box = new TGroupBox(&form);
    panel.box->SetName(QStringLiteral("GroupBox1"));
    panel.box->SetParent(&form);
    panel.box->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    panel.box->SetColor(kPanel);
    constexpr int kIcon = 36;
    const int top = (bounds.height() - kIcon) / 2 + 3;
    panel.icon = AddIcon(&form, panel.box, QStringLiteral("Image1"), 16, top, emblem, Plain(kIcon, kIcon, kPanel));
    panel.label = new TLabel(&form);
    panel.label->SetName(labelName);
    panel.label->SetParent(panel.box);
    panel.label->SetTransparent(true);
    panel.label->SetAutoSize(false);
    panel.label->SetWordWrap(true);
    panel.label->SetAlignment(taCenter);
    panel.label->SetLayout(tlCenter);
    panel.label->SetFont(Font(9, kPanelText, true));
    const int left = 16 + kIcon + 8;
    panel.label->SetBounds(left, 12, bounds.width() - left - 12, bounds.height() - 18);
    return panel;
}

}  // namespace DialogLook
