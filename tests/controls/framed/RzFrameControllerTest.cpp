#include "FramedTestSupport.h"
#include "RzFrameController.h"
#include "RzPanel.h"
#include "RzRegIniFile.h"

#include "registry/TRegistry.h"
#include "ui/LayoutProperties.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A control that counts how often a controller updates it.
class CountingClient : public TSolidHost, public IFrameControllerClient {
public:
    CountingClient() : TSolidHost(nullptr) {}
    void UpdateFromFrameController() override { ++updates; }
    int updates = 0;
};

TEST(FrameController, AttachedPanelTakesTheFrame) {
    TSolidHost host(nullptr);
    TRzPanel panel(nullptr);
    panel.SetParent(&host);
    panel.SetBounds(0, 0, 40, 30);
    panel.SetColor(clBlack);
    TRzFrameController fc(nullptr);
    fc.SetFrameVisible(true);
    fc.SetFrameStyle(fsFlatBold);
    fc.SetFrameColor(clRed);
    panel.SetFrameControllerNotifications(fcpBit(fcpFrameStyle) | fcpBit(fcpFrameColor));
    panel.SetFrameController(&fc);
    EXPECT_EQ(fc.ControlCount(), 1);
    EXPECT_EQ(panel.BorderOuter(), fsFlatBold);
    const QImage shot = Grab(panel);
    EXPECT_EQ(PixelAt(shot, 0, 15), clRed);
    EXPECT_EQ(PixelAt(shot, 1, 15), clRed);
    EXPECT_EQ(PixelAt(shot, 2, 15), clBlack);
    // A later change reaches it; settings it does not accept do not.
    fc.SetFrameStyle(fsFlat);
    EXPECT_EQ(panel.BorderOuter(), fsFlat);
    fc.SetColor(clYellow);
    EXPECT_EQ(panel.Color(), clBlack);
    // A controller destroyed first is forgotten.
    {
        TRzFrameController gone(nullptr);
        panel.SetFrameController(&gone);
        EXPECT_EQ(fc.ControlCount(), 0);
    }
    EXPECT_EQ(panel.FrameController(), nullptr);
}

TEST(FrameController, UpdatesBetweenBeginAndEndReachControlsOnce) {
    TRzFrameController fc(nullptr);
    CountingClient client;
    fc.AddControl(&client);
    EXPECT_EQ(client.updates, 1);  // attaching sends every setting
    fc.AddControl(&client);
    EXPECT_EQ(client.updates, 1);
    fc.BeginUpdate();
    fc.SetFrameStyle(fsGroove);
    fc.SetFrameColor(clRed);
    fc.SetFrameVisible(true);
    fc.SetFlatButtons(false);
    fc.SetFrameSides(sdTop);
    EXPECT_EQ(client.updates, 1);
    fc.EndUpdate();
    EXPECT_EQ(client.updates, 2);
    fc.SetFrameColor(clRed);  // unchanged: no notice
    EXPECT_EQ(client.updates, 2);
    fc.RemoveControl(&client);
    fc.SetFrameColor(clBlue);
    EXPECT_EQ(client.updates, 2);
}

TEST(FrameController, WritersThatMoveOtherSettings) {
    TRzFrameController fc(nullptr);
    fc.SetParentColor(true);
    fc.SetColor(clAqua);  // FocusColor was equal to Color: it follows
    EXPECT_EQ(fc.FocusColor(), clAqua);
    EXPECT_FALSE(fc.ParentColor());
    fc.SetFocusColor(clRed);
    fc.SetColor(clLime);
    EXPECT_EQ(fc.FocusColor(), clRed);
    fc.SetFrameSides(sdLeft);
    fc.SetFrameHotTrack(true);
    EXPECT_TRUE(fc.FrameVisible());
    EXPECT_EQ(fc.FrameSides(), sdAllSides);

    TRzFrameController old(nullptr);
    old.BeginLoading();
    old.SetFrameSides(sdTop);
    EXPECT_TRUE(SetLayoutProperty(&old, "FrameFlat", true));
    EXPECT_TRUE(SetLayoutProperty(&old, "FrameFlatStyle", 3));
    old.EndLoading();
    EXPECT_TRUE(old.FrameHotTrack());
    EXPECT_EQ(old.FrameStyle(), fsStatus);
    EXPECT_EQ(old.FrameHotStyle(), fsLowered);
    EXPECT_EQ(old.FrameSides(), TSides(sdTop));  // kept while loading
    EXPECT_FALSE(SetLayoutProperty(&old, "NoSuchProperty", 1));
}

TEST(SettingsStore, SaveThenLoadRestoresEverythingButParentColor) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TRzRegIniFile store(nullptr);
    store.SetPath(dir.filePath("framing.ini"));
    TRzFrameController fc(nullptr);
    EXPECT_THROW(fc.Save("Look"), ENoRegIniFile);
    try {
        fc.Load("Look");
    } catch (const ENoRegIniFile& e) {
        EXPECT_STREQ(e.what(), "Cannot load Custom Framing settings--No TRzRegIniFile component specified");
    }
    fc.SetRegIniFile(&store);
    fc.SetColor(clMaroon);
    fc.SetDisabledColor(clGray);
    fc.SetFrameStyle(fsPopup);
    fc.SetFrameHotStyle(fsRaised);
    fc.SetFrameSides(sdLeft | sdBottom);
    fc.SetFrameVisible(true);
    fc.SetFramingPreference(fpCustomFraming);
    fc.SetParentColor(true);
    fc.Save("Look");
    ASSERT_TRUE(QFile::exists(dir.filePath("framing.ini")));

    TRzFrameController back(nullptr);
    back.SetRegIniFile(&store);
    CountingClient client;
    back.AddControl(&client);
    back.Load("Look");
    EXPECT_EQ(client.updates, 2);  // once for the whole load
    EXPECT_EQ(back.Color(), clMaroon);
    EXPECT_EQ(back.DisabledColor(), clGray);
    EXPECT_EQ(back.FrameStyle(), fsPopup);
    EXPECT_EQ(back.FrameHotStyle(), fsRaised);
    EXPECT_EQ(back.FrameSides(), TSides(sdLeft | sdBottom));
    EXPECT_TRUE(back.FrameVisible());
    EXPECT_EQ(back.FramingPreference(), fpCustomFraming);
    EXPECT_FALSE(back.ParentColor());

    // Missing keys load their defaults (DisabledColor's is clWindow, unlike the start value).
    store.EraseSection("Look");
    back.Load("Look");
    EXPECT_EQ(back.DisabledColor(), clWindow);
    EXPECT_EQ(back.FrameStyle(), fsFlat);
    EXPECT_EQ(back.FrameHotStyle(), fsFlatBold);
    EXPECT_EQ(back.FramingPreference(), fpXPThemes);
}

TEST(SettingsStore, DefaultPlaces) {
    // An ini file next to the program, named after it.
    TRzRegIniFile ini(nullptr);
    const QString expected = QCoreApplication::applicationDirPath() + "/" +
                             QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() + ".ini";
    QFile::remove(expected);
    ini.WriteInteger("S", "N", 5);
    EXPECT_EQ(ini.Path(), expected);
    EXPECT_TRUE(QFile::exists(expected));
    EXPECT_EQ(ini.ReadInteger("S", "N", 0), 5);
    QFile::remove(expected);
    // A bare file name goes next to the program with ".ini".
    ini.SetPath("settings.txt");
    ini.ReadBool("S", "B", false);
    EXPECT_EQ(ini.Path(), QCoreApplication::applicationDirPath() + "/settings.ini");

    // The registry: "\Software\Temp\" and the application's title, in the user's keys.
    QTemporaryDir dir;
    SetRegistryFolder(dir.path());
    QGuiApplication::setApplicationDisplayName("Framing Test");
    TRzRegIniFile reg(nullptr);
    reg.SetPathType(ptRegistry);
    reg.WriteString("Look", "Name", "dark");
    reg.WriteInteger("Look", "Size", 12);
    reg.WriteBinaryStream("Look", "Raw", QByteArray("\x01\xAB", 2));
    EXPECT_EQ(reg.Path(), "\\Software\\Temp\\Framing Test");
    TRegistry check(KEY_READ);
    check.SetRootKey(TRootKey::CurrentUser);
    ASSERT_TRUE(check.OpenKeyReadOnly("\\Software\\Temp\\Framing Test\\Look"));
    EXPECT_EQ(check.ReadString("Name"), "dark");
    EXPECT_EQ(check.GetDataType("Size"), TRegDataType::Integer);
    EXPECT_EQ(reg.ReadSectionValues("Look"), QStringList({"Name=dark", "Raw=01 AB ", "Size=12"}));
    EXPECT_EQ(reg.ReadSections(), QStringList({"Look"}));
    reg.DeleteKey("Look", "Size");
    EXPECT_FALSE(reg.ValueExists("Look", "Size"));
    SetRegistryFolder(QString());
    QGuiApplication::setApplicationDisplayName(QString());
}

}  // namespace
