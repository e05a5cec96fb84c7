#include "PlotTestSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

std::unique_ptr<TiXYPlot> TwoChannels(int first, int second) {
    auto plot = MakePlot();
    plot->AddChannel();
    plot->Channel(0)->SetTitleText(QStringLiteral("A"));
    plot->Channel(1)->SetTitleText(QStringLiteral("B"));
    for (int i = 0; i < first; ++i) plot->Channel(0)->AddXY(i, i * 10);
    for (int i = 0; i < second; ++i) plot->Channel(1)->AddXY(i + 0.5, -i);
    return plot;
}

TEST(DataFile, TextRoundTripWithUnevenChannels) {
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("d.txt"));
    auto plot = TwoChannels(3, 5);
    plot->Channel(0)->SetNull(1, true);
    int saved = 0;
    plot->OnAfterSaveData = [&](TObject*) { ++saved; };
    plot->SaveDataToFile(name);
    EXPECT_EQ(saved, 1);
    EXPECT_EQ(plot->LastDataFileName(), name);
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    ASSERT_EQ(lines.size(), 7);  // 6 lines and the empty text after the last end
    EXPECT_EQ(lines[0], QByteArray("A(X)\tA(Y)\tB(X)\tB(Y)\r"));
    EXPECT_EQ(lines[2], QByteArray("1\tNull\t1.5\t-1\r"));
    EXPECT_EQ(lines[4], QByteArray("\t\t3.5\t-3\r"));

    auto copy = TwoChannels(0, 0);
    copy->LoadDataFromFile(name);
    ASSERT_EQ(copy->Channel(0)->Count(), 3);
    ASSERT_EQ(copy->Channel(1)->Count(), 5);
    EXPECT_TRUE(copy->Channel(0)->GetNull(1));
    EXPECT_EQ(copy->Channel(1)->GetX(4), 4.5);

    // A hand-written log layout: one X column, then a value per channel.
    WriteBytes(name, "(X),A(Y),B(Y)\r\n1,2,empty\r\n,9,9\r\n3,,4,5\r\n");
    auto log = TwoChannels(0, 0);
    log->LoadDataFromFile(name);
    ASSERT_EQ(log->Channel(0)->Count(), 1);
    ASSERT_EQ(log->Channel(1)->Count(), 2);
    EXPECT_TRUE(log->Channel(1)->GetEmpty(0));
    EXPECT_EQ(log->Channel(1)->GetY(1), 4);
}

TEST(DataFile, CompactRoundTripKeepsTheFirstTwoRowsX) {
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("d.bin"));
    auto plot = TwoChannels(3, 4);
    plot->SetDataFileFormat(ipdffCompactInterval);
    plot->SaveDataToFile(name);
    auto copy = TwoChannels(0, 0);
    copy->LoadDataFromFile(name);
    ASSERT_EQ(copy->Channel(0)->Count(), 3);
    ASSERT_EQ(copy->Channel(1)->Count(), 4);
    EXPECT_EQ(copy->Channel(1)->GetX(1), 1.5);
    EXPECT_EQ(copy->Channel(1)->GetX(3), 0);  // later rows carry no X
    EXPECT_EQ(copy->Channel(1)->GetY(3), -3);
}

TEST(DataFile, HostileCompactFilesAreRefusedWithoutHanging) {
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("h.bin"));
    const QByteArray eightBytes("\0\0\x80\x3f\0\0\0\x40", 8);  // 1.0f, 2.0f
    const struct {
        QByteArray bytes;
        QString message;  // empty: loads without error
        int points;
    } cases[] = {
        {"Compact Interval\r\n0\r\n" + eightBytes, {}, 0},
        {"Compact Interval\r\n-3\r\n" + eightBytes, {}, 0},
        {"Compact Interval\r\n1\r\n" + eightBytes + "\x01", QStringLiteral("Error Loading Data - Invalid Data"), 1},
        {"Compact Interval\r\n2000000000\r\n" + eightBytes, QStringLiteral("Error Loading Data - Invalid Data"), 1},
        {"Compact Interval\r\nabc\r\n" + eightBytes,
         QStringLiteral("Error Loading Data - 'abc' is not a valid integer value"), 0},
        {"Compact Interval", QStringLiteral("Error Loading Data - Invalid Data"), 0},
    };
    for (const auto& c : cases) {
        WriteBytes(name, c.bytes);
        auto plot = TwoChannels(0, 0);
        EXPECT_EQ(MessageOf([&] { plot->LoadDataFromFile(name); }), c.message) << c.bytes.toHex().constData();
        EXPECT_EQ(plot->Channel(0)->Count(), c.points) << c.bytes.toHex().constData();
    }
    WriteBytes(name, "A(X),A(Y)\r\n1,x\r\n");
    auto plot = TwoChannels(0, 0);
    EXPECT_EQ(MessageOf([&] { plot->LoadDataFromFile(name); }),
              QStringLiteral("Error Loading Data - 'x' is not a valid floating point value"));
}

}  // namespace
