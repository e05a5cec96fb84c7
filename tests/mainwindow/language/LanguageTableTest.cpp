// The text look-up rule and the loading of a table file.
#include "LanguageTable.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kMenuHeading = "//---------------------- Menu ------------------------";

LanguageTable Fixture() {
    return LanguageTable({
        kMenuHeading,
        "SID_A", "Alpha",
        "SID_B", "  padded  text ",
        "SID_A", "Second",
        "sid_c", "Gamma",
        "SID_Z", "Last",
    });
}

struct LookupCase {
    const char* key;
    QString text;
    const char* why;
};

TEST(LanguageTableText, FindsTheFirstWholeLineEqualToTheKeyIgnoringCase) {
    const LookupCase cases[] = {
        {"SID_A", "Alpha", "first of two equal key lines"},
        {"sid_a", "Alpha", "letter case ignored in the key"},
        {"SID_C", "Gamma", "letter case ignored in the line"},
        {"Sid_B", "  padded  text ", "text taken whole, blanks kept"},
        {"alpha", "SID_B", "a text line takes part like a key line"},
        {"//---------------------- MENU ------------------------", "SID_A", "so does a comment"},
        {"SID_Q", kMenuHeading, "no match gives the first line"},
        {"SID_", kMenuHeading, "a part of a line does not match"},
        {"SID_A ", kMenuHeading, "no trimming of the key"},
        {" SID_A", kMenuHeading, "no trimming of the key"},
        {"padded  text", kMenuHeading, "no trimming of the lines"},
        {"", kMenuHeading, "an empty key matches no line"},
        {"Last", "", "a match on the last line reads nothing past the end"},
    };
    const LanguageTable table = Fixture();
    for (const LookupCase& c : cases) {
        EXPECT_EQ(table.Text(c.key), c.text) << c.key << ": " << c.why;
    }
}

TEST(LanguageTableText, EmptyTableGivesAnEmptyText) {
    EXPECT_EQ(LanguageTable().Text("SID_A"), "");
    EXPECT_EQ(LanguageTable().Text(""), "");
}

TEST(LanguageTableLoad, KeepsEveryLineWholeAndDropsOnlyLineEnds) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("table.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("//head\r\nSID_A\r\n  \xE5\xA2\x9E\xE7\x9B\x8A \r\nSID_B\n\nSID_C\nlast");
    file.close();

    LanguageTable table({"stale"});
    ASSERT_TRUE(table.Load(path));
    EXPECT_EQ(table.Lines(),
              QStringList({"//head", "SID_A", QString::fromUtf8("  增益 "), "SID_B", "", "SID_C", "last"}));
    EXPECT_EQ(table.Text("sid_a"), QString::fromUtf8("  增益 "));
    EXPECT_EQ(table.Text("SID_B"), "");
}

TEST(LanguageTableLoad, MissingFileFailsAndEmptiesTheTable) {
    LanguageTable table({"//head", "SID_A", "Alpha"});
    EXPECT_FALSE(table.Load(":/lang/NoSuchTable.txt"));
    EXPECT_TRUE(table.Lines().isEmpty());
    EXPECT_EQ(table.Text("SID_A"), "");
}

}  // namespace
