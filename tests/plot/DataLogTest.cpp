#include "PlotTestSupport.h"

#include "core/iPlotChannelCustom.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::vector<float> Floats(const QByteArray& bytes) {
    std::vector<float> out(std::size_t(bytes.size() / 4));
    std::memcpy(out.data(), bytes.constData(), out.size() * 4);
    return out;
}

TEST(DataLog, TextLogOfArraysAndGuardedSettings) {
    QTemporaryDir dir;
    auto plot = MakePlot();
    plot->AddChannel();
    plot->Channel(0)->SetTitleText(QStringLiteral("A"));
    plot->Channel(1)->SetTitleText(QStringLiteral("B"));
    EXPECT_EQ(MessageOf([&] { plot->LogActivate(false); }), QStringLiteral("Log File Name not Defined"));
    plot->SetLogFileName(dir.filePath(QStringLiteral("log.txt")));
    EXPECT_TRUE(MessageOf([&] { plot->LogActivate(true); }).startsWith(QStringLiteral("Cannot open file")));
    plot->LogActivate(false);
    EXPECT_EQ(MessageOf([&] { plot->LogActivate(false); }), QStringLiteral("Logging Already Active"));
    EXPECT_EQ(MessageOf([&] { plot->SetDataFileFormat(ipdffCompactInterval); }),
              QStringLiteral("Data File Format can not be changed while logging active"));
    EXPECT_EQ(MessageOf([&] { plot->SetDataFileColumnSeparator(ipdfcsComma); }),
              QStringLiteral("Data File Column Seperator can not be changed while logging active"));
    EXPECT_EQ(MessageOf([&] { plot->SetLogFileName(QStringLiteral("x")); }),
              QStringLiteral("Log File Name can not be changed while logging is active."));
    EXPECT_EQ(plot->DataFileFormat(), ipdffText);

    // 2 channels x 3 rows: X 0, 0.5, 1 on empty channels; with buffer size 0 written at once.
    plot->AddDataArray(0.5, QVariantList{QVariantList{1, 2, 3}, QVariantList{4, 5, 6}});
    EXPECT_EQ(plot->Channel(1)->GetX(2), 1.0);
    // One row: a Null code on channel 1.
    plot->AddDataArray(9, QVariantList{7, 1.5e-301});
    EXPECT_TRUE(plot->Channel(1)->GetNull(3));
    plot->LogDeactivate();
    EXPECT_EQ(MessageOf([&] { plot->LogDeactivate(); }), QStringLiteral("Logging not Active"));
    EXPECT_EQ(ReadAll(plot->LogFileName()),
              QByteArray("(X)\tA(Y)\tB(Y)\r\n0\t1\t4\r\n0.5\t2\t5\r\n1\t3\t6\r\n9\t7\tNull\r\n"));
    EXPECT_EQ(MessageOf([&] { plot->AddDataArray(1, QVariant(3)); }),
              QStringLiteral("Data Array must be 1 or 2 Dimensions"));
}

TEST(DataLog, CompactLogWritesXInTheFilesFirstTwoRowsAndMissingPoints) {
    QTemporaryDir dir;
    auto plot = MakePlot();
    plot->AddChannel();
    plot->Channel(0)->AddXY(100, 100);  // points before logging: X still goes with file rows 0 and 1
    plot->SetDataFileFormat(ipdffCompactInterval);
    plot->SetLogFileName(dir.filePath(QStringLiteral("log.bin")));
    plot->SetLogBufferSize(3);
    plot->LogActivate(false);
    plot->AddDataArray(1, QVariantList{10, 20});
    plot->AddDataArray(2, QVariantList{11, 21});
    plot->AddDataArray(3, QVariantList{12});  // channel 1 gets no point in the third row
    const QByteArray bytes = ReadAll(plot->LogFileName());
    ASSERT_TRUE(bytes.startsWith("Compact Interval\r\n2\r\n"));
    const std::vector<float> f = Floats(bytes.mid(21));
    // Rows 0 and 1 carry X and Y per channel, row 2 only Y. Each channel's own last points
    // fill the rows: channel 1 holds two, so row 0 has the missing mark for it.
    EXPECT_EQ(f, (std::vector<float>{1, 10, 1e38f, 1e38f, 2, 11, 1, 20, 12, 21}));
    plot->LogDeactivate();
}

TEST(DataLog, TransferAndAnnotationFiles) {
    QTemporaryDir dir;
    auto plot = MakePlot();
    plot->AddChannel();
    for (int i = 0; i < 3; ++i) plot->Channel(0)->AddXY(i, i * 2);
    plot->Channel(0)->SetEmpty(1, true);
    EXPECT_EQ(MessageOf([&] { plot->TransferChannelData(0, 1, -1, 1); }),
              QStringLiteral("Start Index Must be 0 or Greater"));
    EXPECT_EQ(MessageOf([&] { plot->TransferChannelData(0, 1, 0, 3); }), QStringLiteral("StopIndex Must Out Of Range"));
    plot->TransferChannelData(0, 1, 2, 1);
    EXPECT_EQ(plot->Channel(1)->Count(), 0);
    plot->TransferChannelData(0, 1, 1, 2);
    ASSERT_EQ(plot->Channel(1)->Count(), 2);
    EXPECT_TRUE(plot->Channel(1)->GetEmpty(0));
    EXPECT_EQ(plot->Channel(1)->GetY(1), 4.0);

    // A plot without annotations: the file of none, and a hostile count refused.
    const QString name = dir.filePath(QStringLiteral("a.txt"));
    plot->SaveAnnotationsToFile(name);
    EXPECT_EQ(ReadAll(name), QByteArray("AnnotationCount = 0\r\n"));
    plot->LoadAnnotationsFromFile(name);
    EXPECT_EQ(plot->AnnotationCount(), 0);
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("AnnotationCount = 900000000\r\n");
    f.close();
    EXPECT_EQ(MessageOf([&] { plot->LoadAnnotationsFromFile(name); }),
              QStringLiteral("Error Loading Annotations - Invalid AnnotationCount 900000000"));
    EXPECT_FALSE(plot->UpdateActive());
}

}  // namespace
