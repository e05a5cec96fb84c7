#include "PlotTestSupport.h"

#include "rtl/Exception.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

std::unique_ptr<TiXYPlot> MakePlot(int width, int height) {
    auto plot = std::make_unique<TiXYPlot>(nullptr);
    plot->SetBounds(0, 0, width, height);
    return plot;
}

void Mouse(QWidget& w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
           Qt::KeyboardModifiers mods) {
    QMouseEvent e(type, QPointF(at), w.mapToGlobal(QPointF(at)), button, held, mods);
    QApplication::sendEvent(&w, &e);
}

void Drag(QWidget& w, QPoint a, QPoint b, Qt::KeyboardModifiers mods) {
    Mouse(w, QEvent::MouseButtonPress, a, Qt::LeftButton, Qt::LeftButton);
    Mouse(w, QEvent::MouseMove, b, Qt::NoButton, Qt::LeftButton, mods);
    Mouse(w, QEvent::MouseButtonRelease, b, Qt::LeftButton, Qt::NoButton, mods);
}

unsigned Rgb(TColor color) { return ToQColor(color).rgb() & 0xFFFFFFu; }

int CountColor(const QImage& image, const TRect& area, TColor color) {
    const unsigned want = Rgb(color);
    int n = 0;
    for (int y = std::max(0, area.Top); y < std::min(image.height(), area.Bottom); ++y)
        for (int x = std::max(0, area.Left); x < std::min(image.width(), area.Right); ++x) n += PixelAt(image, x, y) == want;
    return n;
}

bool HasColorNear(const QImage& image, const TRect& area, TColor color, int tolerance) {
    const QColor want = ToQColor(color);
    for (int y = std::max(0, area.Top); y < std::min(image.height(), area.Bottom); ++y)
        for (int x = std::max(0, area.Left); x < std::min(image.width(), area.Right); ++x) {
            const QColor c(image.pixel(x, y));
            if (std::abs(c.red() - want.red()) + std::abs(c.green() - want.green()) +
                    std::abs(c.blue() - want.blue()) <=
                tolerance)
                return true;
        }
    return false;
}

bool Near(QRgb a, unsigned rgb, int tol) {
    return std::abs(qRed(a) - int(rgb >> 16 & 0xFF)) <= tol && std::abs(qGreen(a) - int(rgb >> 8 & 0xFF)) <= tol &&
           std::abs(qBlue(a) - int(rgb & 0xFF)) <= tol;
}

QString OutputPath(const QString& name) { return QStringLiteral(Q7K_TEST_OUTPUT_DIR "/") + name; }

QByteArray ReadAll(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteBytes(const QString& name, const QByteArray& bytes) {
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QString MessageOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const Exception& e) {
        return e.Message();
    }
    return {};
}

std::vector<QImage> RenderPdf(const QString& pdf, int dpi) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (tool.isEmpty()) {
        ADD_FAILURE() << "pdftoppm not found (scripts/install-deps.sh installs poppler-utils)";
        return {};
    }
    QTemporaryDir dir;
    QProcess p;
    p.start(tool, {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"), pdf,
                   dir.filePath(QStringLiteral("page"))});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        ADD_FAILURE() << "pdftoppm failed: " << p.readAllStandardError().toStdString();
        return {};
    }
    std::vector<QImage> pages;
    const QStringList files = QDir(dir.path()).entryList({QStringLiteral("page*.png")}, QDir::Files, QDir::Name);
    for (const QString& f : files) pages.push_back(QImage(dir.filePath(f)));
    return pages;
}
