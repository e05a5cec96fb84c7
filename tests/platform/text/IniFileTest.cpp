#include "text/TIniFile.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

TEST(IniFile, IntegersDecimalHexAnd32BitPatterns) {
    TIniFile ini;
    ini.SetText(QStringLiteral("[N]\nA= 12 \nB=$1F\nC=0x10\nD=-7\nE=4294967295\nF=4294967296\nG=blue\nH=\n"));
    const struct {
        const char* key;
        int expected;
    } cases[] = {{"A", 12}, {"B", 31}, {"C", 16}, {"D", -7}, {"E", -1}, {"F", 99}, {"G", 99}, {"H", 99}, {"Z", 99}};
    for (const auto& c : cases) EXPECT_EQ(ini.ReadInteger(QStringLiteral("n"), QLatin1String(c.key), 99), c.expected) << c.key;
    EXPECT_EQ(ini.ReadString(QStringLiteral("N"), QStringLiteral("B"), {}, 2), QStringLiteral("$1"));
}

TEST(IniFile, WritesItsFileBackOnlyWhenChanged) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.ini"));
    {
        TIniFile ini(path);
        ini.WriteInteger(QStringLiteral("S"), QStringLiteral("K"), 5);
    }  // written on destruction
    EXPECT_EQ(TMemIniFile(path).ReadInteger(QStringLiteral("S"), QStringLiteral("K"), 0), 5);
    QFile::remove(path);
    {
        TIniFile ini(path);
        ini.EraseSection(QStringLiteral("missing"));
        ini.UpdateFile();
    }
    EXPECT_FALSE(QFile::exists(path));  // nothing changed, nothing written
}
