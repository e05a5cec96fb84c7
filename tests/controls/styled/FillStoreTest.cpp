#include "GDIPFill.h"
#include "StyledTestSupport.h"

#include "text/TIniFile.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTemporaryDir>

namespace {

QByteArray Png() { return ImageFile(Solid(4, 3, Qt::red), "PNG"); }

void LoadPng(TAdvGDIPPicture& picture) {
    QBuffer buffer;
    buffer.setData(Png());
    buffer.open(QIODevice::ReadOnly);
    picture.LoadFromStream(&buffer);
}

void Customise(TGDIPFill& f) {
    f.SetColor(clRed);
    f.SetColorMirror(0x123456);
    f.SetGradientType(gtHatch);
    f.SetHatchStyle(HatchStyleWeave);
    f.SetOpacity(200);
    f.SetRounding(9);
    f.SetRoundingType(rtLeft);
    f.SetGlow(gmRadialGradient);
    f.SetPicturePosition(ppCenterRight);
    f.SetBorderColor(clNone);
    f.SetShadowType(stSurround);
    LoadPng(f.Picture());
}

}  // namespace

TEST(FillStore, DefaultsAsWrittenToTheIniFile) {
    TGDIPFill fill;
    TIniFile ini;
    fill.SaveToFile(ini, QStringLiteral("Fill"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Fill"), QStringLiteral("ColorMirror"), {}), QStringLiteral("536870911"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Fill"), QStringLiteral("ColorMirrorTo"), {}), QStringLiteral("536870911"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Fill"), QStringLiteral("Picture"), QStringLiteral("x")), QString());
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Fill"), QStringLiteral("BackgroundPictureSize"), -1), 0);
    const QStringList keys = ini.ReadSection(QStringLiteral("Fill"));
    EXPECT_EQ(keys.first(), QStringLiteral("Color"));
    EXPECT_EQ(keys.indexOf(QStringLiteral("GlowRadialColor")), 32);
    EXPECT_EQ(keys.size(), 37);
    EXPECT_FALSE(keys.contains(QStringLiteral("ShadowType")));
}

TEST(FillStore, IniRoundTripThroughAFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fills.ini"));
    TGDIPFill source;
    Customise(source);
    source.SaveToFile(path, QStringLiteral("Panel"));
    TGDIPFill target;
    int changes = 0;
    target.OnChange = [&](TGDIPFill*) { ++changes; };
    target.LoadFromFile(path, QStringLiteral("Panel"));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(target.Color(), clRed);
    EXPECT_EQ(target.ColorMirror(), 0x123456u);
    EXPECT_EQ(target.HatchStyle(), HatchStyleWeave);
    EXPECT_EQ(target.Opacity(), 200);
    EXPECT_EQ(target.RoundingType(), rtLeft);
    EXPECT_EQ(target.Glow(), gmRadialGradient);
    EXPECT_EQ(target.BorderColor(), clNone);
    EXPECT_EQ(target.ShadowType(), stRightBottom);  // not part of the ini layout
    EXPECT_EQ(target.Picture().Bytes(), Png());
    EXPECT_EQ(target.Picture().Width(), 4);
}

TEST(FillStore, MissingKeysLowerCaseAndHostileFiles) {
    const QString hex = BytesToHex(Png());
    struct Case {
        const char* name;
        QString text;
        bool picture;  // a picture is loaded
    };
    const std::vector<Case> cases = {
        {"only some keys", QStringLiteral("[F]\nRounding=4\n"), false},
        {"lower-case digits", QStringLiteral("[F]\nRounding=4\nPicture=%1\nPictureDataSize=%2\n").arg(hex.toLower()).arg(hex.size()), true},
        {"length beyond the text", QStringLiteral("[F]\nRounding=4\nPicture=%1\nPictureDataSize=2000000000\n").arg(hex), true},
        {"negative length", QStringLiteral("[F]\nRounding=4\nPicture=%1\nPictureDataSize=-5\n").arg(hex), false},
        {"zero length", QStringLiteral("[F]\nRounding=4\nPicture=%1\nPictureDataSize=0\n").arg(hex), false},
        {"length without text", QStringLiteral("[F]\nRounding=4\nPictureDataSize=40\n"), false},
        {"garbage numbers", QStringLiteral("[F]\nRounding=4\nColor=blue\nOpacity=99999\n"), false},
    };
    for (const Case& c : cases) {
        TGDIPFill fill;
        fill.SetColorTo(clYellow);
        TIniFile ini;
        ini.SetText(c.text);
        fill.LoadFromFile(ini, QStringLiteral("F"));
        EXPECT_EQ(fill.Rounding(), 4) << c.name;
        EXPECT_EQ(fill.ColorTo(), clYellow) << c.name;  // missing: kept
        EXPECT_EQ(fill.Color(), clSilver) << c.name;
        EXPECT_EQ(!fill.Picture().Empty(), c.picture) << c.name;
    }
    // A length shorter than the text reads only that much.
    TGDIPFill partial;
    TIniFile ini;
    ini.SetText(QStringLiteral("[F]\nPicture=%1\nPictureDataSize=8\n").arg(hex));
    partial.LoadFromFile(ini, QStringLiteral("F"));
    EXPECT_EQ(partial.Picture().Bytes(), Png().left(4));
    // A bad digit throws; the values before it stay, no notification.
    TGDIPFill bad;
    int changes = 0;
    bad.OnChange = [&](TGDIPFill*) { ++changes; };
    ini.SetText(QStringLiteral("[F]\nRounding=3\nPicture=0G12\nPictureDataSize=4\n"));
    EXPECT_THROW(bad.LoadFromFile(ini, QStringLiteral("F")), EConvertError);
    EXPECT_EQ(bad.Rounding(), 3);
    EXPECT_EQ(changes, 0);
    bad.SetRounding(5);
    EXPECT_EQ(changes, 1);  // the update was closed again
}

TEST(FillStore, ClipboardRoundTrip) {
    QGuiApplication::clipboard()->clear();
    TGDIPFill untouched;
    untouched.LoadFromClipBoard();
    EXPECT_EQ(untouched.Color(), clSilver);

    TGDIPFill source;
    Customise(source);
    source.SetPictureAspectMode(pmNormal);
    source.SaveToClipBoard();
    ASSERT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat(QStringLiteral("GDI+ Fill")));
    TGDIPFill target;
    int changes = 0;
    target.OnChange = [&](TGDIPFill*) { ++changes; };
    target.LoadFromClipBoard();
    EXPECT_GT(changes, 5);  // each value through its setter
    EXPECT_EQ(target.Color(), clRed);
    EXPECT_EQ(target.HatchStyle(), HatchStyleWeave);
    EXPECT_EQ(target.ShadowType(), stSurround);
    EXPECT_EQ(target.PictureAspectMode(), pmNormal);
    EXPECT_EQ(target.Picture().Bytes(), Png());
}
