// Colour themes: scheme files from the library's and the user's folder, applied by path.
#include "PlotTestSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void Write(const QString& file, const char* text) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

}  // namespace

TEST(Themes, LibraryAndUserSchemesLoadAndApply) {
    QTemporaryDir lib, user;
    Write(lib.filePath(QStringLiteral("TiXYPlot.xml")),
          "<SchemeTypes>\r\n<SchemeType>\r\n<Name>Colors</Name>\r\n"
          "<Scheme>\r\n<Name>Dark</Name>\r\n<Properties>\r\n"
          "<BackGroundColor>255</BackGroundColor>\r\n<HintsFont.Color>65280</HintsFont.Color>\r\n"
          "<HintsShow>yes</HintsShow>\r\n<HintsPause>120</HintsPause>\r\n"
          "</Properties>\r\n</Scheme>\r\n</SchemeType>\r\n"
          "<SchemeType>\r\n<Name>Quiet</Name>\r\n<Scheme>\r\n<Name>No hints</Name>\r\n<Properties>\r\n"
          "<HintsShow>False</HintsShow>\r\n</Properties>\r\n</Scheme>\r\n</SchemeType>\r\n</SchemeTypes>\r\n");
    Write(user.filePath(QStringLiteral("TiXYPlotUser.xml")),
          "<SchemeTypes><SchemeType><Name>Colors</Name><Scheme><Name>Mine</Name><Properties>"
          "<BackGroundColor>16711680</BackGroundColor></Properties></Scheme></SchemeType></SchemeTypes>");
    auto plot = MakePlot();
    plot->GetThemePaths = [&](QString& l, QString& u) {
        l = lib.path() + QLatin1Char('/');
        u = user.path() + QLatin1Char('/');
    };
    plot->LoadThemes();
    ASSERT_EQ(plot->GetThemeCategoryCount(), 2);
    EXPECT_EQ(plot->GetThemeCategoryName(0), QStringLiteral("Colors"));
    ASSERT_EQ(plot->GetThemeCategorySchemeCount(0), 2);  // both files' schemes, in file order
    EXPECT_EQ(plot->GetThemeCategorySchemeName(0, 1), QStringLiteral("Mine"));
    EXPECT_FALSE(plot->GetThemeCategorySchemeIsUser(0, 0));
    EXPECT_TRUE(plot->GetThemeCategorySchemeIsUser(0, 1));

    plot->SetHintsShow(false);
    plot->ApplyScheme(0, 0);
    EXPECT_EQ(plot->BackGroundColor(), TColor(255));
    EXPECT_EQ(plot->HintsFont().Color(), TColor(65280));
    EXPECT_TRUE(plot->HintsShow());  // any text but "0" and "False" is true
    EXPECT_EQ(plot->HintsPause(), 120);
    plot->ApplyScheme(1, 0);
    EXPECT_FALSE(plot->HintsShow());
    plot->ApplyScheme(0, 1);
    EXPECT_EQ(plot->BackGroundColor(), TColor(16711680));

    // A wrong closing tag: the message, and the categories read before it stay.
    Write(user.filePath(QStringLiteral("TiXYPlotUser.xml")),
          "<SchemeTypes><SchemeType><Name>Late</Name><Scheme><Name>X</Name><Properties>"
          "<Color>1</Color></Scheme></SchemeType></SchemeTypes>");
    EXPECT_EQ(MessageOf([&] { plot->LoadThemes(); }), QStringLiteral("Error Loading Scheme. XML File Malformed"));
    EXPECT_EQ(plot->GetThemeCategoryCount(), 3);
    // A file cut short is malformed too; missing files are skipped.
    Write(user.filePath(QStringLiteral("TiXYPlotUser.xml")), "<SchemeTypes><SchemeType><Name>Cut");
    EXPECT_EQ(MessageOf([&] { plot->LoadThemes(); }), QStringLiteral("Error Loading Scheme. XML File Malformed"));
    QFile::remove(user.filePath(QStringLiteral("TiXYPlotUser.xml")));
    plot->LoadThemes();
    EXPECT_EQ(plot->GetThemeCategoryCount(), 2);
}
