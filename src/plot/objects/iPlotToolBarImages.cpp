#include "objects/iPlotToolBarImages.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kInk(40, 40, 40);
const QColor kBlue(30, 90, 200);
const QColor kGreen(20, 150, 60);
const QColor kRed(200, 40, 40);
const QColor kPaper(250, 250, 250);

// Draws on a 24-unit square scaled to the image size.
void Paint(const QString& base, QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    QPen ink(kInk, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(ink);
    auto magnifier = [&](int sign) {
        p.setBrush(kPaper);
        p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
        p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(15, 15), QPointF(21, 21));
        p.setPen(QPen(kBlue, 2, Qt::SolidLine, Qt::RoundCap));
        if (sign != 0) p.drawLine(QPointF(7, 10), QPointF(13, 10));
        if (sign > 0) p.drawLine(QPointF(10, 7), QPointF(10, 13));
    };
    auto page = [&](double x, double y, double w, double h) {
        p.setBrush(kPaper);
        p.drawRect(QRectF(x, y, w, h));
        p.setPen(QPen(QColor(150, 150, 150), 1));
        for (double ly = y + 4; ly < y + h - 2; ly += 3) p.drawLine(QPointF(x + 3, ly), QPointF(x + w - 3, ly));
        p.setPen(ink);
    };
    if (base == QLatin1String("AUTO")) {
        p.setBrush(kGreen);
        p.drawPolygon(QPolygonF({QPointF(7, 4), QPointF(19, 12), QPointF(7, 20)}));
    } else if (base == QLatin1String("PAUSE")) {
        p.setBrush(kBlue);
        p.drawRect(QRectF(6, 4, 4, 16));
        p.drawRect(QRectF(14, 4, 4, 16));
    } else if (base == QLatin1String("SCROLL")) {
        p.setPen(QPen(kBlue, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(3, 12), QPointF(21, 12));
        p.drawLine(QPointF(12, 3), QPointF(12, 21));
        p.setBrush(kBlue);
        for (const auto& tri : {QPolygonF({QPointF(3, 12), QPointF(7, 9), QPointF(7, 15)}),
                                QPolygonF({QPointF(21, 12), QPointF(17, 9), QPointF(17, 15)}),
                                QPolygonF({QPointF(12, 3), QPointF(9, 7), QPointF(15, 7)}),
                                QPolygonF({QPointF(12, 21), QPointF(9, 17), QPointF(15, 17)})})
            p.drawPolygon(tri);
    } else if (base == QLatin1String("ZOOM")) {
        magnifier(0);
    } else if (base == QLatin1String("ZOOMIN")) {
        magnifier(1);
    } else if (base == QLatin1String("ZOOMOUT")) {
        magnifier(-1);
    } else if (base == QLatin1String("SELECT")) {
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({QPointF(6, 3), QPointF(6, 19), QPointF(10, 15), QPointF(13, 21), QPointF(15, 20),
                                 QPointF(12, 14), QPointF(17, 14)}));
    } else if (base == QLatin1String("SCROLLBOX")) {
        p.setPen(QPen(kInk, 1.5, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(3, 5, 18, 14));
        p.setPen(QPen(kBlue, 2));
        p.drawLine(QPointF(14, 14), QPointF(21, 21));
    } else if (base == QLatin1String("CURSOR")) {
        p.setPen(QPen(kRed, 1.6));
        p.drawLine(QPointF(12, 2), QPointF(12, 22));
        p.drawLine(QPointF(2, 12), QPointF(22, 12));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(12, 12), 5, 5);
    } else if (base == QLatin1String("PROPERTIES")) {
        page(5, 3, 14, 18);
        p.setBrush(kBlue);
        p.drawEllipse(QPointF(16, 17), 4, 4);
    } else if (base == QLatin1String("COPY")) {
        page(3, 3, 11, 14);
        page(9, 7, 11, 14);
    } else if (base == QLatin1String("SAVE")) {
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(4, 4, 16, 16), 2, 2);
        p.setBrush(kPaper);
        p.drawRect(QRectF(7, 4, 10, 6));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(7, 13, 10, 7));
    } else if (base == QLatin1String("PRINTER")) {
        page(7, 2, 10, 8);
        p.setBrush(QColor(160, 160, 160));
        p.drawRoundedRect(QRectF(3, 9, 18, 9), 2, 2);
        page(7, 15, 10, 7);
    } else if (base == QLatin1String("PREVIEW")) {
        page(4, 3, 13, 17);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kBlue, 1.8));
        p.drawEllipse(QPointF(15, 14), 4, 4);
        p.drawLine(QPointF(18, 17), QPointF(21, 20));
    }
}

}  // namespace

QImage ToolBarImage(const QString& name) {
    const bool small = name.startsWith(QLatin1String("SMALL"));
    const QString base = small ? name.mid(5) : name;
    static const QStringList known = {QStringLiteral("AUTO"),      QStringLiteral("PAUSE"),  QStringLiteral("SCROLL"),
                                      QStringLiteral("ZOOM"),      QStringLiteral("ZOOMIN"), QStringLiteral("ZOOMOUT"),
                                      QStringLiteral("SELECT"),    QStringLiteral("SCROLLBOX"),
                                      QStringLiteral("CURSOR"),    QStringLiteral("PROPERTIES"),
                                      QStringLiteral("COPY"),      QStringLiteral("SAVE"),   QStringLiteral("PRINTER"),
                                      QStringLiteral("PREVIEW")};
    if (!known.contains(base)) return {};
    const int size = small ? 16 : 24;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.scale(size / 24.0, size / 24.0);
    Paint(base, p);
    return image;
}
