// The plot-wide data log, whole rows of values for all channels, copies between channels,
// and the annotation and translation files.
#include "core/iPlotChannel.h"
#include "core/iPlotChannelCustom.h"
#include "core/iPlotComponent.h"
#include "core/iPlotDataFloats.h"
#include "core/iPlotTranslation.h"
#include "core/iPropertyText.h"
#include "core/iXYPlotChannel.h"
#include "rtl/Exception.h"
#include "rtl/FloatText.h"
#include "text/AnsiCodec.h"

#include <QFile>

#include <cstring>

namespace {

using iPlotDataFloats::AppendFloat;
using iPlotDataFloats::kMissing;

void OpenLog(QFile& file, QIODevice::OpenMode mode) {
    if (!file.open(mode))
        throw Exception(QStringLiteral("Cannot open file \"%1\". %2").arg(file.fileName(), file.errorString()));
}

void AddMarkedPoint(TiPlotChannelCustom* channel, double x, double v) {
    auto* xy = dynamic_cast<TiXYPlotChannel*>(channel);
    auto* series = dynamic_cast<TiPlotChannel*>(channel);
    if (v > 1e-301 && v < 1e-300) {
        if (xy) xy->AddNull();
        if (series) series->AddXNull(x);
    } else if (v > 1e-302 && v < 1e-301) {
        if (xy) xy->AddEmpty();
        if (series) series->AddXEmpty(x);
    } else {
        channel->AddXY(x, v);
    }
}

}  // namespace

void TiPlotComponent::SetDataFileFormat(TiPlotDataFileFormat v) {
    if (FLoggingActive) throw Exception(QStringLiteral("Data File Format can not be changed while logging active"));
    FDataFileFormat = v;
}

void TiPlotComponent::SetDataFileColumnSeparator(TiPlotDataFileColumnSeparator v) {
    if (v == FDataFileColumnSeparator) return;
    if (FLoggingActive)
        throw Exception(QStringLiteral("Data File Column Seperator can not be changed while logging active"));
    FDataFileColumnSeparator = v;
}

void TiPlotComponent::SetLogFileName(const QString& v) {
    if (v == FLogFileName) return;
    if (FLoggingActive) throw Exception(QStringLiteral("Log File Name can not be changed while logging is active."));
    FLogFileName = v;
}

void TiPlotComponent::LogActivate(bool append) {
    if (FLogFileName.trimmed().isEmpty()) throw Exception(QStringLiteral("Log File Name not Defined"));
    if (FLoggingActive) throw Exception(QStringLiteral("Logging Already Active"));
    const int channels = ChannelCount();
    if (append) {
        QFile file(FLogFileName);
        OpenLog(file, QIODevice::ReadWrite | QIODevice::ExistingOnly);
        // A compact log carries X in its first two rows only: count the rows already there.
        const QByteArray head = file.read(64);
        const qsizetype first = head.indexOf('\n'), second = head.indexOf('\n', first + 1);
        FLogFileRows = 0;
        if (FDataFileFormat == ipdffCompactInterval && first >= 0 && second >= 0 && channels > 0) {
            const qint64 data = file.size() - (second + 1);
            FLogFileRows = data >= 16 * channels ? 2 : data >= 8 * channels ? 1 : 0;
        }
    } else {
        QFile file(FLogFileName);
        OpenLog(file, QIODevice::WriteOnly | QIODevice::Truncate);
        std::string header;
        if (FDataFileFormat == ipdffCompactInterval) {
            header = "Compact Interval\r\n" + std::to_string(channels) + "\r\n";
        } else {
            const QChar sep = FDataFileColumnSeparator == ipdfcsComma ? QLatin1Char(',') : QLatin1Char('\t');
            QString line = QStringLiteral("(X)");
            for (int c = 0; c < channels; ++c) line += sep + ChannelObject(c)->TitleText() + QStringLiteral("(Y)");
            header = AnsiCodec::FromUnicode(line) + "\r\n";
        }
        if (file.write(header.data(), qint64(header.size())) != qint64(header.size()))
            throw Exception(file.errorString());
        FLogFileRows = 0;
    }
    FLoggingActive = true;
    FLogBufferCount = 0;
}

void TiPlotComponent::LogDeactivate() {
    if (!FLoggingActive) throw Exception(QStringLiteral("Logging not Active"));
    FLoggingActive = false;
    FlushLogBuffer();
}

void TiPlotComponent::FlushLogBuffer() {
    const int count = FLogBufferCount;
    FLogBufferCount = 0;  // reset however the write ends
    if (count <= 0) return;
    QFile file(FLogFileName);
    OpenLog(file, QIODevice::ReadWrite | QIODevice::ExistingOnly);
    file.seek(file.size());
    const int channels = ChannelCount();
    const QChar sep = FDataFileColumnSeparator == ipdfcsComma ? QLatin1Char(',') : QLatin1Char('\t');
    std::string bytes;
    for (int k = 0; k < count; ++k) {
        // Each channel's own point for this row; a channel with fewer points has none.
        const auto point = [&](int c) {
            const TiPlotChannelCustom* ch = ChannelObject(c);
            return ch->Count() - count + k;
        };
        if (FDataFileFormat == ipdffCompactInterval) {
            for (int c = 0; c < channels; ++c) {
                const TiPlotChannelCustom* ch = ChannelObject(c);
                const int p = point(c);
                const bool has = p >= 0;
                if (FLogFileRows < 2) AppendFloat(bytes, has ? ch->GetX(p) : kMissing);
                AppendFloat(bytes, has ? ch->GetY(p) : kMissing);
            }
            ++FLogFileRows;
        } else {
            const int p0 = channels > 0 ? point(0) : -1;
            QString line = p0 >= 0 ? FloatToStr(ChannelObject(0)->GetX(p0)) : QString();
            for (int c = 0; c < channels; ++c) {
                const TiPlotChannelCustom* ch = ChannelObject(c);
                const int p = point(c);
                line += sep;
                if (p < 0) continue;
                line += ch->GetNull(p) ? QStringLiteral("Null") : ch->GetEmpty(p) ? QStringLiteral("Empty") : FloatToStr(ch->GetY(p));
            }
            bytes += AnsiCodec::FromUnicode(line) + "\r\n";
        }
    }
    if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) throw Exception(file.errorString());
}

void TiPlotComponent::AddDataArray(double xValue, const QVariant& data) {
    if (data.typeId() != QMetaType::QVariantList)
        throw Exception(QStringLiteral("Data Array must be 1 or 2 Dimensions"));
    const QVariantList list = data.toList();
    const bool twoDimensions = !list.isEmpty() && list.first().typeId() == QMetaType::QVariantList;
    if (!twoDimensions) {
        for (int k = 0; k < list.size() && k < ChannelCount(); ++k)
            AddMarkedPoint(ChannelObject(k), xValue, list[k].toDouble());
        ++FLogBufferCount;
    } else {
        qsizetype rows = 0;
        for (const QVariant& column : list) rows = std::max(rows, column.toList().size());
        for (qsizetype j = 0; j < rows; ++j)
            for (int i = 0; i < list.size() && i < ChannelCount(); ++i) {
                const QVariantList column = list[i].toList();
                if (j >= column.size()) continue;
                TiPlotChannelCustom* ch = ChannelObject(i);
                ch->AddXY(ch->Count() > 0 ? ch->GetX(ch->Count() - 1) + xValue : 0, column[j].toDouble());
            }
        FLogBufferCount += int(rows);
    }
    if (FLoggingActive && FLogBufferCount >= FLogBufferSize) FlushLogBuffer();
}

void TiPlotComponent::TransferChannelData(int sourceChannelIndex, int destinationChannelIndex, int startIndex,
                                          int stopIndex) {
    TiPlotChannelCustom* source = ChannelObject(sourceChannelIndex);
    TiPlotChannelCustom* destination = ChannelObject(destinationChannelIndex);
    if (startIndex < 0) throw Exception(QStringLiteral("Start Index Must be 0 or Greater"));
    if (stopIndex > source->Count() - 1) throw Exception(QStringLiteral("StopIndex Must Out Of Range"));
    for (int i = startIndex; i <= stopIndex; ++i) {
        const int added = destination->AddXY(source->GetX(i), source->GetY(i));
        destination->SetNull(added, source->GetNull(i));
        destination->SetEmpty(added, source->GetEmpty(i));
    }
}

void TiPlotComponent::SaveAnnotationsToFile(const QString& fileName) {
    try {
        QStringList lines = {QStringLiteral("AnnotationCount = %1").arg(AnnotationCount())};
        for (int i = 0; i < AnnotationCount(); ++i)
            SavePropertiesToList(*Annotation(i), QStringLiteral("Annotation%1").arg(i), lines, true);
        WriteTextLines(fileName, lines);
    } catch (const Exception& e) {
        throw Exception(QStringLiteral("Error Saving Annotations - ") + e.Message());
    }
}

void TiPlotComponent::LoadAnnotationsFromFile(const QString& fileName) {
    try {
        QStringList lines = ReadTextLines(fileName);
        BeginUpdate();
        struct Close {
            TiPlotComponent& Plot;
            ~Close() { Plot.EndUpdate(); }
        } close{*this};
        RemoveAllAnnotations();
        QString value;
        if (!DeleteListKey(QStringLiteral("AnnotationCount"), value, lines)) return;
        const int count = StrToInt(value);
        // Every annotation section holds at least one line (its coordinates are always
        // written), so a count beyond the lines, or a section missing, is a damaged file.
        if (count < 0 || count > lines.size()) throw Exception(QStringLiteral("Invalid AnnotationCount %1").arg(value));
        for (int i = 0; i < count; ++i) {
            const QString section = QStringLiteral("Annotation%1").arg(i);
            const qsizetype before = lines.size();
            LoadPropertiesFromList(*Annotation(AddAnnotation()), section, lines);
            if (lines.size() == before) throw Exception(QStringLiteral("%1 not found").arg(section));
        }
    } catch (const Exception& e) {
        throw Exception(QStringLiteral("Error Loading Annotations - ") + e.Message());
    }
}

void TiPlotComponent::SaveTranslationsToFile(const QString& fileName) { GetTranslationManager()->SaveToFile(fileName); }

void TiPlotComponent::LoadTranslationsFromFile(const QString& fileName) {
    GetTranslationManager()->LoadFromFile(fileName);
}
