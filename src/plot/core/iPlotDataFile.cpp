// The plot's data file: the points of all channels in one text file (pairs of X and Y
// columns, or the log layout of one X column) or in the compact byte format.
#include "core/iPlotChannelCustom.h"
#include "core/iPlotComponent.h"
#include "core/iPlotDataFloats.h"
#include "core/iPropertyText.h"
#include "core/iXYPlotChannel.h"
#include "rtl/Exception.h"
#include "rtl/FloatText.h"

#include <QFile>

#include <cstring>

namespace {

const QString kCompact = QStringLiteral("Compact Interval");
using iPlotDataFloats::AppendFloat;
using iPlotDataFloats::kMissing;
constexpr float kEndMark = 2e38f;

// Reads the next 32-bit float; fewer than 4 bytes left is "Invalid Data".
float NextFloat(const QByteArray& bytes, qsizetype& at) {
    if (bytes.size() - at < 4) throw Exception(QStringLiteral("Invalid Data"));
    float value;
    std::memcpy(&value, bytes.constData() + at, 4);
    at += 4;
    return value;
}

// The first decimal-separator character of a text turned into the process's separator.
QString AdjustDecimal(QString text) {
    const QChar own = FormatSettings().DecimalSeparator;
    const QChar other = own == QLatin1Char('.') ? QLatin1Char(',') : QLatin1Char('.');
    const int at = text.indexOf(other);
    if (at >= 0) text[at] = own;
    return text.trimmed();
}

// Adds one text value at X: "NULL" and "EMPTY" (any case) add marked points at Y 0.
void AddTextValue(TiPlotChannelCustom* channel, double x, const QString& value) {
    const bool null = value.compare(QLatin1String("NULL"), Qt::CaseInsensitive) == 0;
    const bool empty = value.compare(QLatin1String("EMPTY"), Qt::CaseInsensitive) == 0;
    const int index = channel->AddXY(x, null || empty ? 0 : StrToFloat(AdjustDecimal(value)));
    if (null) channel->SetNull(index, true);
    if (empty) channel->SetEmpty(index, true);
}

}  // namespace

void TiPlotComponent::SaveDataToFile(const QString& fileName) {
    try {
        const int channels = ChannelCount();
        int rows = 0;
        for (int c = 0; c < channels; ++c) rows = std::max(rows, ChannelObject(c)->Count());
        if (FDataFileFormat == ipdffCompactInterval) {
            QByteArray bytes = (kCompact + QStringLiteral("\r\n") + QString::number(channels) + QStringLiteral("\r\n")).toLatin1();
            for (int i = 0; i < rows; ++i)
                for (int c = 0; c < channels; ++c) {
                    const TiPlotChannelCustom* ch = ChannelObject(c);
                    const bool has = i < ch->Count();
                    if (i < 2) AppendFloat(bytes, has ? float(ch->GetX(i)) : kMissing);
                    AppendFloat(bytes, has ? float(ch->GetY(i)) : kMissing);
                }
            AppendFloat(bytes, kEndMark);
            QFile file(fileName);
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
                throw Exception(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, file.errorString()));
            if (file.write(bytes) != bytes.size()) throw Exception(file.errorString());
        } else {
            const QChar sep = FDataFileColumnSeparator == ipdfcsComma ? QLatin1Char(',') : QLatin1Char('\t');
            QStringList header, lines;
            for (int c = 0; c < channels; ++c)
                header << ChannelObject(c)->TitleText() + QStringLiteral("(X)")
                       << ChannelObject(c)->TitleText() + QStringLiteral("(Y)");
            lines << header.join(sep);
            for (int i = 0; i < rows; ++i) {
                QStringList fields;
                for (int c = 0; c < channels; ++c) {
                    const TiPlotChannelCustom* ch = ChannelObject(c);
                    if (i >= ch->Count()) {
                        fields << QString() << QString();
                        continue;
                    }
                    fields << FloatToStr(ch->GetX(i));
                    fields << (ch->GetNull(i)    ? QStringLiteral("Null")
                               : ch->GetEmpty(i) ? QStringLiteral("Empty")
                                                 : FloatToStr(ch->GetY(i)));
                }
                lines << fields.join(sep);
            }
            WriteTextLines(fileName, lines);
        }
    } catch (const Exception& e) {
        throw Exception(QStringLiteral("Error Saving Data - ") + e.Message());
    }
    FLastDataFileName = fileName;
    if (OnAfterSaveData) OnAfterSaveData(this);
}

void TiPlotComponent::LoadDataFromFile(const QString& fileName) {
    BeginUpdate();
    try {
        const QStringList lines = ReadTextLines(fileName);
        if (!lines.isEmpty() && lines.first().compare(kCompact, Qt::CaseInsensitive) == 0) {
            QFile file(fileName);
            if (!file.open(QIODevice::ReadOnly))
                throw Exception(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, file.errorString()));
            const QByteArray bytes = file.readAll();
            qsizetype at = bytes.indexOf('\n') + 1;
            const qsizetype end = bytes.indexOf('\n', at);
            if (end < 0) throw Exception(QStringLiteral("Invalid Data"));
            const int n = StrToInt(QString::fromLatin1(bytes.mid(at, end - at)).remove(QLatin1Char('\r')));
            at = end + 1;
            // A count of 0 or less names no channel: nothing to read (and no end to a row loop).
            for (int row = 0; n > 0 && at < bytes.size(); ++row) {
                for (int c = 0; c < n; ++c) {
                    const float x = row < 2 ? NextFloat(bytes, at) : 0.0f;
                    if (x > 1.5e38f) goto done;
                    const float y = NextFloat(bytes, at);
                    if (y > 1.5e38f) goto done;
                    if (x < 9e37f && y < 9e37f && c < ChannelCount()) ChannelObject(c)->AddXY(x, y);
                }
            }
        done:;
        } else if (!lines.isEmpty()) {
            const QChar sep = lines.first().contains(QLatin1Char('\t')) ? QLatin1Char('\t') : QLatin1Char(',');
            const bool logLayout = lines.first().left(3).toUpper() == QLatin1String("(X)");
            for (qsizetype l = 1; l < lines.size(); ++l) {
                const QStringList fields = lines[l].split(sep);
                if (logLayout) {
                    const QString xText = fields.first().trimmed();
                    if (xText.isEmpty()) continue;
                    const double x = StrToFloat(xText);
                    for (qsizetype k = 1; k < fields.size() && k - 1 < ChannelCount(); ++k) {
                        const QString value = fields[k].trimmed();
                        if (!value.isEmpty()) AddTextValue(ChannelObject(int(k - 1)), x, value);
                    }
                } else {
                    for (qsizetype i = 0; 2 * i + 1 < fields.size() && i < ChannelCount(); ++i) {
                        const QString xText = AdjustDecimal(fields[2 * i]);
                        if (xText.isEmpty()) continue;
                        const double x = StrToFloat(xText);
                        const QString value = fields[2 * i + 1].trimmed();
                        if (!value.isEmpty()) AddTextValue(ChannelObject(int(i)), x, value);
                    }
                }
            }
        }
    } catch (const Exception& e) {
        EndUpdate();
        throw Exception(QStringLiteral("Error Loading Data - ") + e.Message());
    }
    EndUpdate();
    FLastDataFileName = fileName;
    if (OnAfterLoadData) OnAfterLoadData(this);
}
