// The channel's own files: its property file, its data file and its growing log file.
#include "core/iPlotChannelCustom.h"
#include "core/iPlotComponent.h"
#include "core/iPropertyText.h"
#include "rtl/Exception.h"
#include "rtl/FloatText.h"
#include "text/AnsiCodec.h"

#include <QFile>

#include <algorithm>

namespace {

QChar ColumnSeparator(const TiPlotComponent* plot) {
    return plot && plot->DataFileColumnSeparator() == ipdfcsComma ? QLatin1Char(',') : QLatin1Char('\t');
}

const QString kFileTypeKey = QStringLiteral("File Type");
const QString kChannelFileType = QStringLiteral("Plot Channel Config");

}  // namespace

void TiPlotChannelCustom::SavePropertiesToFile(const QString& fileName) {
    try {
        QStringList lines = {kFileTypeKey + QStringLiteral(" = ") + kChannelFileType};
        const QStringList exclusions = {QStringLiteral("Channel.Name")};
        SavePropertiesToList(*this, QStringLiteral("Channel"), lines, Plot() && Plot()->DifferentialPropertySave(),
                             &exclusions);
        WriteTextLines(fileName, lines);
    } catch (const Exception& e) {
        throw Exception(QStringLiteral("Error Saving Properties - ") + e.Message());
    }
}

void TiPlotChannelCustom::LoadPropertiesFromFile(const QString& fileName) {
    try {
        QStringList lines = ReadTextLines(fileName);
        QString type;
        if (!DeleteListKey(kFileTypeKey, type, lines) || type.compare(kChannelFileType, Qt::CaseInsensitive) != 0)
            throw Exception(QStringLiteral("Incompatible Plot Channel Configuration File Type"));
        LoadPropertiesFromList(*this, QStringLiteral("Channel"), lines);
    } catch (const Exception& e) {
        throw Exception(QStringLiteral("Error Loading Properties - ") + e.Message());
    }
}

void TiPlotChannelCustom::SaveDataToFile(const QString& fileName) {
    const QChar separator = ColumnSeparator(Plot());
    QStringList lines;
    for (int i = 0; i < Count(); ++i) {
        double x, y;
        bool empty, null;
        GetXYEmptyNull(i, x, y, empty, null);
        if (empty) continue;
        lines << FloatToStr(x) + separator + (null ? QStringLiteral("Null") : FloatToStr(y));
    }
    WriteTextLines(fileName, lines);
}

void TiPlotChannelCustom::LoadDataFromFile(const QString& fileName, bool clearPreviousData) {
    if (FLoggingActive) LogDeactivate();
    const QStringList lines = ReadTextLines(fileName);
    if (clearPreviousData) Clear();
    if (lines.isEmpty()) return;
    FLoadingSeparator = lines.first().contains(QLatin1Char('\t')) ? QLatin1Char('\t') : QLatin1Char(',');
    for (const QString& line : lines) {
        const int at = line.indexOf(FLoadingSeparator);
        if (at < 0) continue;
        const QString xText = line.left(at).trimmed();
        const QString yText = line.mid(at + 1).trimmed();
        if (xText.isEmpty()) continue;
        if (yText.compare(QLatin1String("Null"), Qt::CaseInsensitive) == 0)
            AddPoint(StrToFloat(xText), 0, true, false);
        else
            AddPoint(StrToFloat(xText), StrToFloat(yText), false, false);
    }
}

void TiPlotChannelCustom::LogActivate(bool append) {
    if (FLogFileName.trimmed().isEmpty()) throw Exception(QStringLiteral("Log File Name not Defined"));
    if (FLoggingActive) throw Exception(QStringLiteral("Logging Already Active"));
    QFile file(FLogFileName);
    const QIODevice::OpenMode mode =
        append ? QIODevice::ReadWrite | QIODevice::ExistingOnly : QIODevice::WriteOnly | QIODevice::Truncate;
    if (!file.open(mode))
        throw Exception(QStringLiteral("Cannot open file \"%1\". %2").arg(FLogFileName, file.errorString()));
    file.close();
    FLoggingActive = true;
    FLogBufferCount = 0;
}

void TiPlotChannelCustom::LogDeactivate() {
    if (!FLoggingActive) throw Exception(QStringLiteral("Logging not Active"));
    FLoggingActive = false;
    if (FLogBufferCount > 0) LogFlush();
}

void TiPlotChannelCustom::LogFlush() {
    // The buffer never names more points than the channel holds (a delete may have cut it).
    const int count = std::min(FLogBufferCount, Count());
    FLogBufferCount = 0;
    const QChar separator = ColumnSeparator(Plot());
    std::string bytes;
    for (int i = Count() - count; i < Count(); ++i)
        bytes += AnsiCodec::FromUnicode((FloatToStr(GetX(i)) + separator + FloatToStr(GetY(i))).left(255)) + "\r\n";
    QFile file(FLogFileName);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        throw Exception(QStringLiteral("Cannot open file \"%1\". %2").arg(FLogFileName, file.errorString()));
    file.seek(file.size());
    if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) throw Exception(file.errorString());
}
