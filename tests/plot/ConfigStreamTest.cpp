#include "PlotTestSupport.h"

#include "core/iComponentStream.h"
#include "core/iPlotAxis.h"
#include "core/iPlotChannelCustom.h"
#include "core/iPlotManagers.h"
#include "core/iPlotTranslation.h"
#include "objects/iPlotAnnotation.h"
#include "objects/iPlotLabel.h"
#include "objects/iPlotToolBar.h"
#include "rtl/FloatText.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QStringList FileLines(const QString& name) {
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

void WriteLines(const QString& name, const QStringList& lines) {
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write((lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
}

TEST(ConfigFile, DifferentialRoundTripRebuildsObjects) {
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("p.cfg"));
    auto source = MakePlot();
    source->SetDifferentialPropertySave(true);
    source->AddChannel();
    source->Channel(1)->SetTitleText(QStringLiteral("two\r\nlines"));
    source->XAxis(0)->SetMin(-7.5);
    source->AddYAxis();
    source->SetHintsPause(123);
    int saved = 0;
    source->OnAfterSaveProperties = [&](TObject*) { ++saved; };
    source->SavePropertiesToFile(name);
    EXPECT_EQ(saved, 1);
    EXPECT_EQ(source->LastPropertiesFileName(), name);
    const QStringList lines = FileLines(name);
    ASSERT_GE(lines.size(), 13);
    EXPECT_EQ(lines[0], QStringLiteral("File Type = Plot Config"));
    EXPECT_EQ(lines[1], QStringLiteral("ChannelCount = 2"));
    EXPECT_EQ(lines[3], QStringLiteral("YAxisCount = 2"));
    EXPECT_TRUE(lines.contains(QStringLiteral("Channel1.TitleText = two#13#10lines")));
    EXPECT_FALSE(lines.contains(QStringLiteral("Name = ") + source->Name()));

    auto target = MakePlot();
    target->AddChannel();
    target->AddChannel();
    target->AddChannel();
    int before = 0, after = 0;
    target->OnBeforeLoadProperties = [&](TObject*) { ++before; };
    target->OnAfterLoadProperties = [&](TObject*) { ++after; };
    target->LoadPropertiesFromFile(name);
    EXPECT_EQ(before, 1);
    EXPECT_EQ(after, 1);
    ASSERT_EQ(target->ChannelCount(), 2);
    EXPECT_EQ(target->YAxisCount(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(target->Channel(i)->Color(), source->Channel(i)->Color()) << i;
        EXPECT_EQ(target->Channel(i)->Name(), source->Channel(i)->Name()) << i;
    }
    EXPECT_EQ(target->Channel(1)->TitleText(), QStringLiteral("two\r\nlines"));
    EXPECT_EQ(target->XAxis(0)->Min(), -7.5);
    EXPECT_EQ(target->HintsPause(), 123);
}

TEST(ConfigFile, TypeCaseToolBarSectionsAndHostileFiles) {
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("p.cfg"));
    auto plot = MakePlot();
    // The type in lower case loads; both toolbar sections apply to toolbar 0.
    WriteLines(name, {QStringLiteral("File Type = plot config"), QStringLiteral("ToolBarCount = 2"),
                      QStringLiteral("ChannelCount = 1"), QStringLiteral("Channel0.TitleText = c"),
                      QStringLiteral("ToolBar0.ZOrder = 4"), QStringLiteral("ToolBar1.ZOrder = 6")});
    plot->LoadPropertiesFromFile(name);
    EXPECT_EQ(plot->ToolBarCount(), 1);
    EXPECT_EQ(plot->ToolBar(0)->ZOrder(), 6);
    EXPECT_EQ(plot->Channel(0)->TitleText(), QStringLiteral("c"));

    const struct {
        QStringList lines;
        QString error;
    } cases[] = {
        {{QStringLiteral("File Type = Plot Data")}, QStringLiteral("Incompatible Plot Configuration File Type")},
        {{QStringLiteral("ChannelCount = 1")}, QStringLiteral("Incompatible Plot Configuration File Type")},
        {{QStringLiteral("File Type = Plot Config"), QStringLiteral("ChannelCount = 2000000000")},
         QStringLiteral("Invalid ChannelCount 2000000000")},
        {{QStringLiteral("File Type = Plot Config"), QStringLiteral("ChannelCount = x")}, QString()},
        {{QStringLiteral("File Type = Plot Config"), QStringLiteral("HintsPause = 1e")}, QString()},
    };
    for (const auto& c : cases) {
        WriteLines(name, c.lines);
        const QString message = MessageOf([&] { plot->LoadPropertiesFromFile(name); });
        EXPECT_TRUE(message.startsWith(QStringLiteral("Error Loading Properties - "))) << message.toStdString();
        if (!c.error.isEmpty()) EXPECT_EQ(message, QStringLiteral("Error Loading Properties - ") + c.error);
    }
    // A failed load leaves the plot able to repaint: the update bracket is closed.
    EXPECT_FALSE(plot->UpdateActive());
    EXPECT_EQ(MessageOf([&] { plot->LoadPropertiesFromFile(dir.filePath(QStringLiteral("none"))); })
                  .left(27),
              QStringLiteral("Error Loading Properties - "));
}

TEST(LayoutStream, CollectionsAndTranslationsSurviveAWriteAndRead) {
    auto source = MakePlot();
    source->AddChannel();
    source->Channel(1)->SetTitleText(QStringLiteral("second"));
    source->XAxis(0)->SetLabelSeparation(0);
    source->XAxis(0)->SetTitleMargin(0);
    source->AddTranslation(QStringLiteral("Zoom"), QStringLiteral("Lupe"));
    auto* note = static_cast<TiPlotAnnotation*>(source->Annotation(source->AddAnnotation()));
    note->SetStyle(ipasEllipse);
    note->SetText(QStringLiteral("note"));
    note->SetX2(12.5);
    const auto values = source->LayoutDefinedProperties();
    QStringList names;
    for (const auto& [n, v] : values) names << n;
    EXPECT_EQ(names.first(), QStringLiteral("DataViewZHorz"));
    EXPECT_TRUE(names.contains(QStringLiteral("ChannelManager")));
    EXPECT_TRUE(names.contains(QStringLiteral("TranslationManager")));
    EXPECT_FALSE(names.contains(QStringLiteral("LimitManager")));  // empty collections are not stored

    auto target = MakePlot();
    target->BeginLoad();
    EXPECT_TRUE(target->IsLoading());
    for (const auto& [n, v] : values) ASSERT_TRUE(SetLayoutProperty(target.get(), n, v)) << n.toStdString();
    target->Loaded();
    ASSERT_EQ(target->ChannelCount(), 2);
    EXPECT_EQ(target->Channel(1)->TitleText(), QStringLiteral("second"));
    EXPECT_EQ(target->Channel(1)->Name(), source->Channel(1)->Name());
    EXPECT_EQ(target->XAxis(0)->LabelSeparation(), 0);
    EXPECT_EQ(target->XAxis(0)->TitleMargin(), 0);
    ASSERT_EQ(target->TranslationCount(), 1);
    EXPECT_EQ(target->GetTranslationReplacementString(0), QStringLiteral("Lupe"));
    ASSERT_EQ(target->AnnotationCount(), 1);
    auto* read = static_cast<TiPlotAnnotation*>(target->Annotation(0));
    EXPECT_EQ(read->Style(), ipasEllipse);
    EXPECT_EQ(read->Text(), QStringLiteral("note"));
    EXPECT_EQ(read->X2(), 12.5);
}

TEST(LayoutStream, AxisDefinedDataAndFrameworkLoadingState) {
    // "Span_2" goes straight into the span (no clamp); a zero LabelSeparation is stored twice.
    auto plot = MakePlot();
    TiStreamWriter writer;
    writer.WriteCollection();
    writer.WriteListBegin();
    writer.WriteProperty(QStringLiteral("Name"), QStringLiteral("Loaded"));
    writer.WriteProperty(QStringLiteral("Span_2"), FloatToStr(1e-310));
    writer.WriteListEnd();
    writer.WriteListEnd();
    TiStreamReader reader(writer.Data());
    plot->Master().XAxisManager()->ReadFromStream(reader);
    ASSERT_EQ(plot->XAxisCount(), 1);
    EXPECT_EQ(plot->XAxis(0)->Name(), QStringLiteral("Loaded"));
    EXPECT_EQ(plot->XAxis(0)->Span(), 1e-310);

    plot->XAxis(0)->SetLabelSeparation(0);
    TiStreamWriter axis;
    WriteObjectProperties(axis, *plot->XAxis(0));
    EXPECT_EQ(axis.Data().count(QByteArray("LabelSeparation")), 2);

    // The framework's loading state holds the plot's events back.
    int fired = 0;
    plot->OnXAxisMinChange = [&](TObject*, int, double, double) { ++fired; };
    plot->BeginLoading();
    EXPECT_TRUE(plot->IsLoading());
    plot->XAxis(0)->SetMin(3);
    EXPECT_EQ(fired, 0);
}

TEST(LayoutStream, HostileStreamsFailWithoutAddingHalfObjects) {
    TiStreamWriter good;
    good.WriteCollection();
    good.WriteListBegin();
    good.WriteProperty(QStringLiteral("TitleText"), QStringLiteral("x"));
    good.WriteListEnd();
    good.WriteListEnd();
    QByteArray huge = good.Data();
    huge[3] = char(0xFF);  // the name's length far beyond the bytes left
    const QByteArray cases[] = {good.Data().left(good.Data().size() - 1), good.Data().left(5), huge,
                                QByteArray("\x0E\x07", 2)};
    for (const QByteArray& bytes : cases) {
        auto plot = MakePlot();
        TiStreamReader reader(bytes);
        EXPECT_EQ(MessageOf([&] { plot->Master().ChannelManager()->ReadFromStream(reader); }),
                  QStringLiteral("Stream read error"))
            << bytes.toHex().toStdString();
    }
    // Anything but a collection reads nothing.
    auto plot = MakePlot();
    plot->AddChannel();
    TiStreamReader other(QByteArray("junk"));
    plot->Master().ChannelManager()->ReadFromStream(other);
    EXPECT_EQ(plot->ChannelCount(), 0);
    // A damaged image list gives the framework's read error.
    EXPECT_EQ(MessageOf([&] { SetLayoutProperty(plot.get(), QStringLiteral("ImageList0"), QByteArray("TSLI")); }),
              QStringLiteral("Failed to read ImageList data from stream"));
}

}  // namespace
