// Every page in both languages at the design size and enlarged, under the program's own dark
// look (as the program applies it at start), saved in the build tree
// (gallery_look_<size>_<page>_<language>.png); with pixel checks on the channel meter and the
// toolkit's pop-ups.
#include "MainWindowTestSupport.h"

#include "ChannelColors.h"
#include "CurvyControls.h"
#include "LayoutKit.h"
#include "LProgressBar.h"
#include "RzBmpBtn.h"
#include "RzComboBox.h"
#include "ProgramLookScope.h"

#include <QApplication>
#include <QMenu>
#include <QProgressBar>
#include <QStyle>

#include <optional>
#include <vector>

namespace {

// The program's look for one test; the toolkit defaults come back after it.
class LookGallery : public MainWindowTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        look.emplace();
        MainWindowTest::SetUp();
        if (GetParam()) UseChinese();
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        look.reset();
    }
    QString Name(const char* size, const QString& page) const {
        return QStringLiteral("gallery_look_%1_%2_%3.png").arg(QLatin1String(size), page, GetParam() ? "zh" : "en");
    }
    std::optional<ProgramLookScope> look;
};

TEST_P(LookGallery, EveryPageAtTheDesignSizeAndEnlarged) {
    static const char* const pages[] = {"inA", "inB", "out1", "out2", "out3", "out4", "out5",
                                        "out6", "comp", "delay", "gain", "matrix", "gate"};
    form->Show();
    for (const QSize size : {QSize(1126, 727), QSize(1400, 900)}) {
        form->resize(size);
        Settle();
        const char* tag = size.width() == 1126 ? "1126" : "1400";
        for (int page = 0; page < 13; ++page) {
            ShowPage(page);
            const QImage shot = SaveGrab(Name(tag, QLatin1String(pages[page])));
            ASSERT_EQ(shot.size(), size) << pages[page];
            EXPECT_LT(Lightness(shot.pixel(size.width() / 2, size.height() - 60)), 110) << pages[page] << " dark";
        }
    }
}

// The level meter ends above the Mute / Normal buttons, in whole segments: its bottom segment
// shows in full, lit in its own colour, and the button's face begins below it.
TEST_P(LookGallery, TheChannelMeterEndsAboveItsButtons) {
    form->Show();
    Settle();
    for (const char* suffix : {"InA", "Out3"}) {
        const QString s = QLatin1String(suffix);
        ShowPage(s == QLatin1String("InA") ? 0 : 4);
        auto* meter = form->Find<LProgressBar>(QStringLiteral("pbLevel") + s);
        auto* phase = form->Find<TRzBmpButton>(QStringLiteral("rzbPhase") + s);
        ASSERT_TRUE(meter && phase) << suffix;
        ASSERT_EQ(meter->parentWidget(), phase->parentWidget());
        EXPECT_LT(meter->geometry().bottom(), phase->geometry().top()) << suffix;
        meter->SetPosition(meter->Max());
        Settle();
        const QImage group = meter->parentWidget()->grab().toImage();
        const int x = meter->geometry().center().x();
        const int bottom = meter->geometry().bottom();
        // Lit green just above the meter's bottom edge, in the segment's middle as well.
        for (const int y : {bottom - 3, bottom - 8}) {
            const QRgb c = group.pixel(x, y);
            EXPECT_GT(qGreen(c), 150) << suffix << " y " << y;
            EXPECT_LT(qRed(c), 120) << suffix << " y " << y;
        }
    }
}

// Enlarged, the parameter frame and the preset bar grow with the page area, and their right
// edges stay on one line 5 pixels inside the graph frame's, in geometry and on the screen.
TEST_P(LookGallery, TheParameterFrameAndThePresetBarStayAligned) {
    form->Show();
    const auto right = [this](const QWidget* w) { return w->mapTo(form, QPoint(w->width(), 0)).x(); };
    auto* preset = form->Find<TControl>(QStringLiteral("rzgPreset"));
    ASSERT_NE(preset, nullptr);
    for (const QSize size : {QSize(1126, 727), QSize(1400, 900)}) {
        form->resize(size);
        Settle();
        const int dx = size.width() - 1126;
        for (const auto& [page, suffix] : {std::pair{0, "InA"}, std::pair{8, "Comp"}, std::pair{11, "Matrix"}}) {
            ShowPage(page);
            Settle();
            auto* param = form->Find<TControl>(QStringLiteral("rzgParam") + QLatin1String(suffix));
            auto* graph = form->Find<TControl>(QStringLiteral("rzgFft") + QLatin1String(suffix));
            ASSERT_TRUE(param && graph) << suffix;
            EXPECT_EQ(param->Width(), 1087 + dx / 2) << suffix;
            EXPECT_EQ(right(param), right(preset)) << suffix << " at " << size.width();
            EXPECT_EQ(right(graph) - right(param), 5) << suffix << " at " << size.width();
            // On the screen: both frames' right borders in one column, the page area beyond.
            const QImage shot = form->grab().toImage();
            const int x = right(param) - 1;
            const int paramY = param->mapTo(form, QPoint(0, param->height() / 2)).y();
            const int presetY = preset->mapTo(form, QPoint(0, preset->height() / 2)).y();
            EXPECT_EQ(shot.pixel(x, paramY), shot.pixel(x, presetY)) << suffix << " at " << size.width();
            EXPECT_NE(shot.pixel(x, paramY), shot.pixel(x + 2, paramY)) << suffix << " at " << size.width();
        }
    }
}

// The columns of a picture that hold light pixels (text or an arrow on a dark face), between
// rows top and bottom.
std::vector<int> LightColumns(const QImage& image, int top, int bottom) {
    std::vector<int> columns;
    for (int x = 0; x < image.width(); ++x)
        for (int y = top; y < bottom; ++y)
            if (Lightness(image.pixel(x, y)) > 120) {
                columns.push_back(x);
                break;
            }
    return columns;
}

// Captions clear of their boxes in both languages: the EQ buttons' texts keep two pixels
// from the bevels, and every slope text of the 60-pixel slope box ends two pixels before its
// arrow.
TEST_P(LookGallery, CaptionsStayClearOfTheirBoxes) {
    form->Show();
    ShowPage(0);
    Settle();
    for (const char* name : {"vrbEqBypassInA", "vrbEqResetInA"}) {
        auto* button = form->Find<TControl>(QLatin1String(name));
        ASSERT_NE(button, nullptr) << name;
        const QImage shot = button->grab().toImage();
        const std::vector<int> text = LightColumns(shot, 3, shot.height() - 3);
        ASSERT_FALSE(text.empty()) << name;
        // Outline and bevel take one pixel each.
        EXPECT_GE(text.front(), 4) << name;
        EXPECT_LE(text.back(), shot.width() - 5) << name;
    }
    auto* slope = form->Find<TRzComboBox>(QStringLiteral("rzcLowCutSlopInA"));
    ASSERT_NE(slope, nullptr);
    EXPECT_EQ(slope->Width(), 60);
    const int index = slope->ItemIndex();
    slope->SetItemIndex(-1);
    const std::vector<int> arrow = LightColumns(slope->grab().toImage(), 3, slope->Height() - 3);
    ASSERT_FALSE(arrow.empty());
    for (int i = 0; i < slope->Count(); ++i) {
        slope->SetItemIndex(i);
        int right = -1;
        for (const int x : LightColumns(slope->grab().toImage(), 3, slope->Height() - 3))
            if (x < arrow.front()) right = x;
        EXPECT_GT(right, 0) << slope->Items()[i].toStdString();
        EXPECT_LE(right, arrow.front() - 3) << slope->Items()[i].toStdString();
    }
    slope->SetItemIndex(index);
}

// The pop-ups the toolkit draws are dark: a context menu and a progress bar.
TEST_P(LookGallery, ToolkitPopupsAreDark) {
    QMenu menu;
    menu.addAction(QStringLiteral("Copy"));
    menu.addAction(QStringLiteral("Paste"));
    menu.resize(menu.sizeHint());
    const QImage m = menu.grab().toImage();
    m.save(QStringLiteral("gallery_look_menu.png"));
    EXPECT_LT(Lightness(m.pixel(m.width() - 4, m.height() / 2)), 80);
    QProgressBar bar;
    bar.resize(200, 20);
    bar.setValue(40);
    const QImage b = bar.grab().toImage();
    b.save(QStringLiteral("gallery_look_progress.png"));
    EXPECT_LT(Lightness(b.pixel(190, 10)), 80) << "the unfilled groove";
    auto* slope = form->Find<TRzComboBox>(QStringLiteral("rzcLowCutSlopInA"));
    ASSERT_NE(slope, nullptr);
    EXPECT_LT(Lightness(slope->grab().toImage().pixel(8, slope->height() / 2)), 80) << "the slope box";
}

// The Comp and Gate columns: value boxes apart from each other and inside their column, and
// faders with the travel of the channel pages' band faders.
TEST_P(LookGallery, DynamicsColumnsGiveTheirBoxesRoomAndTheirFadersTravel) {
    struct Column {
        const char* group;
        std::vector<const char*> stems;
    };
    const Column columns[] = {{"rzgCompOut1", {"CompThreshold", "CompAttack", "CompRelease"}},
                              {"rzgGateInB", {"GateThreshold", "GateAttack", "GateRelease", "GateHold"}}};
    for (const Column& c : columns) {
        const QString s = QLatin1String(c.group).right(c.group[3] == 'C' ? 4 : 3);
        auto* group = form->Find<TControl>(QLatin1String(c.group));
        ASSERT_NE(group, nullptr) << c.group;
        int previousRight = -1;
        for (const char* stem : c.stems) {
            auto* box = form->Find<TControl>(QStringLiteral("cvd") + QLatin1String(stem) + s);
            auto* fader = form->Find<TControl>(QStringLiteral("is") + QLatin1String(stem) + s);
            ASSERT_TRUE(box && fader) << stem;
            EXPECT_GE(box->Left() - previousRight, 4) << stem << " apart from its neighbour";
            EXPECT_GE(fader->Height(), 100) << stem;
            EXPECT_LT(fader->Top() + fader->Height(), box->Top()) << stem;
            EXPECT_LE(box->Left() + box->Width(), group->Width() - 3) << stem << " inside its column";
            EXPECT_LE(box->Top() + box->Height(), group->Height() - 3) << stem;
            previousRight = box->Left() + box->Width();
        }
    }
}

// A read-only gain box looks the same with its text selected (as a click selects it) as
// without; an editable box shows its selection.
TEST_P(LookGallery, ReadOnlyValueBoxesShowNoSelection) {
    form->Show();
    ShowPage(0);
    Settle();
    for (const auto& [name, readOnly] : {std::pair{"cvdGainInA", true}, std::pair{"cvdCompAttackOut1", false}}) {
        auto* box = form->Find<TCurvyEdit>(QLatin1String(name));
        ASSERT_NE(box, nullptr) << name;
        box->SetFocus();  // as a click does: an edit without the focus hides its selection
        box->Edit()->deselect();
        const QImage plain = box->Edit()->grab().toImage();
        box->Edit()->selectAll();
        const QImage selected = box->Edit()->grab().toImage();
        EXPECT_EQ(plain == selected, readOnly) << name;
    }
}

// Channel names on the dark faces read at 4.5:1 at least and keep their channel's hue; a
// colour that reads already stays as it is.
TEST(ReadableOn, LightensEveryChannelColourToTheContrastAndKeepsItsHue) {
    for (std::size_t ch = 0; ch < 8; ++ch) {
        const TColor c = ChannelColors[ch];
        const TColor r = MainLayout::ReadableOn(c, MainLayout::kPanel);
        EXPECT_GE(MainLayout::ContrastRatio(r, MainLayout::kPanel), 4.5) << ch;
        const QColor before(GetRValue(c), GetGValue(c), GetBValue(c)), after(GetRValue(r), GetGValue(r), GetBValue(r));
        if (before.hslSaturation() > 0) EXPECT_NEAR(after.hslHue(), before.hslHue(), 3) << ch;
        if (MainLayout::ContrastRatio(c, MainLayout::kPanel) >= 4.5) EXPECT_EQ(r, c) << ch;
    }
    // Out4's blue (#5555FF) and a dark olive, as the names had them, now pass.
    EXPECT_LT(MainLayout::ContrastRatio(RGBColor(0x55, 0x55, 0xFF), MainLayout::kPanel), 4.5);
    EXPECT_GE(MainLayout::ContrastRatio(MainLayout::ReadableOn(RGBColor(0x55, 0x55, 0xFF), MainLayout::kPanel),
                                        MainLayout::kPanel), 4.5);
    EXPECT_GE(MainLayout::ContrastRatio(MainLayout::ReadableOn(RGBColor(128, 128, 0), MainLayout::kPanel),
                                        MainLayout::kPanel), 4.5);
}

INSTANTIATE_TEST_SUITE_P(Languages, LookGallery, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? std::string("Chinese") : std::string("English"); });

}  // namespace
