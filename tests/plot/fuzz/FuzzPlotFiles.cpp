// Feeds arbitrary bytes to the plot's file readers (configuration, data, annotation and
// translation files) and to the layout collection stream: each must end or refuse with an
// exception, never hang or read past the bytes; annotations read are drawn as well.
#include "core/iComponentStream.h"
#include "core/iPlotManagers.h"
#include "core/iXYPlot.h"
#include "rtl/Exception.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    static QTemporaryDir dir;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString file = dir.filePath(QStringLiteral("input"));
    {
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
        f.write(bytes);
    }
    TiXYPlot plot(nullptr);
    plot.SetBounds(0, 0, 200, 150);
    plot.AddChannel();
    const std::function<void()> readers[] = {
        [&] { plot.LoadPropertiesFromFile(file); }, [&] { plot.LoadDataFromFile(file); },
        // Loaded annotations are also drawn, whatever their values.
        [&] {
            plot.LoadAnnotationsFromFile(file);
            plot.PaintOffScreen();
        },
        [&] { plot.LoadTranslationsFromFile(file); },
        [&] {
            TiStreamReader reader(bytes);
            plot.Master().ChannelManager()->ReadFromStream(reader);
        }};
    for (const auto& read : readers) {
        try {
            read();
        } catch (const Exception&) {
        }
    }
    return 0;
}
