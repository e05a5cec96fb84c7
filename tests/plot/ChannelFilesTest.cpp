#include "PlotTestSupport.h"
#include "rtl/Exception.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray FileBytes(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

TEST(ChannelFiles, DataFileRoundTripWithNullAndEmptyPoints) {
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("data.txt"));
    auto plot = MakePlot();
    TiXYPlotChannel* c = plot->Channel(0);
    c->AddXY(1, 2);
    c->AddXY(3, 0);
    c->SetNull(1, true);
    c->AddXY(4, 0);
    c->SetEmpty(2, true);
    c->AddXY(5, 6.25);
    c->SaveDataToFile(name);
    EXPECT_EQ(FileBytes(name), QByteArray("1\t2\r\n3\tNull\r\n5\t6.25\r\n"));

    plot->Channel(0)->LoadDataFromFile(name, true);
    ASSERT_EQ(c->Count(), 3);
    EXPECT_EQ(c->GetX(2), 5);
    EXPECT_EQ(c->GetY(2), 6.25);
    EXPECT_TRUE(c->GetNull(1));

    // The first line picks the separator: the tab line after a comma line is skipped.
    WriteBytes(name, "1,2\r\n3\t4\r\n7, null\r\n,9\r\n");
    c->LoadDataFromFile(name, true);
    ASSERT_EQ(c->Count(), 2);
    EXPECT_EQ(c->GetX(1), 7);
    EXPECT_TRUE(c->GetNull(1));

    // A bad number stops the load with the conversion error; earlier points stay.
    WriteBytes(name, "1,2\r\n3,x\r\n5,6\r\n");
    EXPECT_EQ(MessageOf([&] { c->LoadDataFromFile(name, true); }),
              QStringLiteral("'x' is not a valid floating point value"));
    EXPECT_EQ(c->Count(), 1);
}

TEST(ChannelFiles, PropertyFileTypeAndLongLines) {
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("props.txt"));
    auto plot = MakePlot();
    TiXYPlotChannel* c = plot->Channel(0);
    c->SetTitleText(QString(300, QLatin1Char('t')));
    c->SaveDataToFile(name);  // any file: overwritten next
    c->SavePropertiesToFile(name);
    const QList<QByteArray> lines = FileBytes(name).split('\n');
    EXPECT_EQ(lines.first(), QByteArray("File Type = Plot Channel Config\r"));
    bool titleSeen = false;
    for (const QByteArray& line : lines) {
        EXPECT_LE(line.size(), 256) << line.constData();  // 255 and the CR
        EXPECT_FALSE(line.startsWith("Channel.Name ="));
        if (line.startsWith("Channel.TitleText = ")) titleSeen = true;
    }
    EXPECT_TRUE(titleSeen);

    WriteBytes(name, "file type = plot channel config\r\nChannel.TitleText = Loaded\r\n");
    c->LoadPropertiesFromFile(name);
    EXPECT_EQ(c->TitleText(), QStringLiteral("Loaded"));
    WriteBytes(name, "File Type = Plot Config\r\nChannel.TitleText = Other\r\n");
    EXPECT_EQ(MessageOf([&] { c->LoadPropertiesFromFile(name); }),
              QStringLiteral("Error Loading Properties - Incompatible Plot Channel Configuration File Type"));
    EXPECT_EQ(c->TitleText(), QStringLiteral("Loaded"));
}

TEST(ChannelFiles, LogBuffersFlushesAndEnds) {
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("log.txt"));
    auto plot = MakePlot();
    plot->SetDataFileColumnSeparator(ipdfcsComma);
    TiXYPlotChannel* c = plot->Channel(0);
    EXPECT_EQ(MessageOf([&] { c->LogActivate(false); }), QStringLiteral("Log File Name not Defined"));
    c->SetLogFileName(name);
    EXPECT_FALSE(MessageOf([&] { c->LogActivate(true); }).isEmpty());  // missing file
    EXPECT_FALSE(c->LoggingActive());
    EXPECT_EQ(MessageOf([&] { c->LogDeactivate(); }), QStringLiteral("Logging not Active"));

    WriteBytes(name, "old\r\n");
    c->SetLogBufferSize(3);
    c->LogActivate(false);  // empties the file
    EXPECT_EQ(FileBytes(name), QByteArray());
    EXPECT_EQ(MessageOf([&] { c->LogActivate(false); }), QStringLiteral("Logging Already Active"));
    c->AddXY(1, 10);
    c->AddXY(2, 20);
    EXPECT_EQ(FileBytes(name), QByteArray());
    c->AddXY(3, 30);
    EXPECT_EQ(FileBytes(name), QByteArray("1,10\r\n2,20\r\n3,30\r\n"));
    c->AddXY(4, 40);
    c->AddXY(5, 50);
    c->LogDeactivate();
    EXPECT_EQ(FileBytes(name), QByteArray("1,10\r\n2,20\r\n3,30\r\n4,40\r\n5,50\r\n"));

    // Points deleted after they were buffered are not written from outside the store.
    c->Clear();
    c->LogActivate(true);
    c->AddXY(6, 60);
    c->AddXY(7, 70);
    c->DeletePoints(1);
    c->LogDeactivate();
    EXPECT_EQ(FileBytes(name), QByteArray("1,10\r\n2,20\r\n3,30\r\n4,40\r\n5,50\r\n7,70\r\n"));
}

}  // namespace
