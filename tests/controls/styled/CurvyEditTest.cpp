#include "CurvyControls.h"
#include "StyledTestSupport.h"

#include "ui/TForm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include <memory>
#include <vector>

namespace {

// A form with one value edit set up as the main window's delay boxes.
class ValueEdit : public ::testing::Test {
protected:
    void SetUp() override {
        form.SetBounds(0, 0, 200, 100);
        edit = new TCurvyEdit(&form);
        edit->SetParent(&form);
        edit->SetName(QStringLiteral("cvdDelayOut3"));
        edit->SetTag(4);
        edit->SetBounds(10, 10, 70, 24);
        edit->SetRounding(6);
        edit->SetBorderColor(clHighlightText);
        edit->SetColor(clWhite);
        edit->SetAlignment(taCenter);
        edit->SetTabStop(true);
        edit->SetText(QStringLiteral("0.00ms"));
        other = new TCurvyEdit(&form);
        other->SetParent(&form);
        other->SetBounds(10, 50, 70, 24);
        other->SetTabStop(true);
        form.Show();
        QApplication::setActiveWindow(&form);
    }

    TForm form{nullptr};
    TCurvyEdit* edit = nullptr;
    TCurvyEdit* other = nullptr;
};

}  // namespace

TEST_F(ValueEdit, GeometryIsFixedAt24PixelsHigh) {
    edit->SetBounds(10, 10, 70, 40);
    EXPECT_EQ(edit->Height(), 24);
    edit->SetHeight(10);
    EXPECT_EQ(edit->Height(), 24);
    EXPECT_EQ(edit->Edit()->geometry(), QRect(6, 5, 70 - 12, 18));
    edit->SetWidth(58);
    EXPECT_EQ(edit->Edit()->geometry(), QRect(6, 5, 46, 18));
}

TEST_F(ValueEdit, TextChangesAreRelayedWithTheEditAsSender) {
    std::vector<TComponent*> senders;
    edit->OnChange = [&](TComponent* s) { senders.push_back(s); };
    edit->SetText(QStringLiteral("0.00ms"));
    EXPECT_TRUE(senders.empty());
    edit->SetText(QStringLiteral("1.50ms"));
    ASSERT_EQ(senders.size(), 1u);
    EXPECT_EQ(senders[0], edit);
    EXPECT_EQ(edit->Text(), QStringLiteral("1.50ms"));
}

TEST_F(ValueEdit, KeyExitAndMouseRelays) {
    std::vector<int> tags;
    Word lastKey = 0;
    edit->OnKeyDown = [&](TComponent* sender, Word& key, TShiftState) {
        tags.push_back(sender->Tag());
        lastKey = key;
        if (key == VK_RETURN || key == 'X') key = 0;  // swallowed
    };
    int exits = 0;
    edit->OnExit = [&](TComponent* sender) {
        EXPECT_EQ(sender, edit);
        ++exits;
    };
    QPoint down;
    edit->OnMouseDown = [&](TComponent* sender, TMouseButton, TShiftState, int x, int y) {
        EXPECT_EQ(sender, edit);
        down = QPoint(x, y);
    };
    QTest::mouseClick(edit->Edit(), Qt::LeftButton, {}, QPoint(7, 4));
    EXPECT_EQ(down, QPoint(7, 4));  // the inner edit's coordinates
    edit->SetFocus();
    edit->Edit()->selectAll();
    QTest::keyClick(edit->Edit(), Qt::Key_X);
    EXPECT_EQ(edit->Text(), QStringLiteral("0.00ms"));  // the handler stopped it
    QTest::keyClick(edit->Edit(), Qt::Key_5);
    EXPECT_EQ(edit->Text(), QStringLiteral("5"));
    EXPECT_EQ(lastKey, Word('5'));
    EXPECT_EQ(tags, (std::vector<int>{4, 4}));
    other->SetFocus();
    EXPECT_EQ(exits, 1);
}

// Typed text through CharCase and NumbersOnly; text set by code takes the case only.
TEST_F(ValueEdit, CharCaseAndNumbersOnlyActOnTypedText) {
    struct Case {
        TEditCharCase charCase;
        bool numbersOnly;
        const char* typed;
        const char* shown;
    };
    for (const Case& c : {Case{ecNormal, false, "aB1", "aB1"}, Case{ecUpperCase, false, "aB1", "AB1"},
                          Case{ecLowerCase, false, "aB1", "ab1"}, Case{ecNormal, true, "a7.B-2", "72"},
                          Case{ecUpperCase, true, "x9y", "9"}}) {
        edit->SetCharCase(ecNormal);
        edit->SetText(QString());
        edit->SetCharCase(c.charCase);
        edit->SetNumbersOnly(c.numbersOnly);
        edit->SetFocus();
        QTest::keyClicks(edit->Edit(), QString::fromLatin1(c.typed));
        EXPECT_EQ(edit->Text().toStdString(), c.shown) << c.typed;
    }
    edit->SetNumbersOnly(true);
    edit->SetText(QStringLiteral("MixEd"));
    EXPECT_EQ(edit->Text(), QStringLiteral("MIXED"));  // code's text is cased, not filtered
    edit->SetCharCase(ecLowerCase);
    EXPECT_EQ(edit->Text(), QStringLiteral("mixed"));  // the present text follows the case
}

// A selection outlives the loss of the focus; it shows without the focus only when
// HideSelection is off.
TEST_F(ValueEdit, SelectionKeptAndShownAsHideSelectionSays) {
    edit->SetAlignment(taLeftJustify);
    edit->SetText(QStringLiteral("WWWWWW"));
    const QColor highlight = edit->Edit()->palette().color(QPalette::Active, QPalette::Highlight);
    for (bool hide : {true, false}) {
        edit->SetHideSelection(hide);
        edit->SetFocus();
        edit->Edit()->selectAll();
        other->SetFocus();
        ASSERT_FALSE(edit->Edit()->hasFocus());
        EXPECT_EQ(edit->Edit()->selectedText(), QStringLiteral("WWWWWW")) << hide;
        const QImage image = edit->Edit()->grab().toImage();
        bool shown = false;
        for (int x = 0; x < image.width(); ++x)
            shown = shown || QColor(image.pixel(x, image.height() / 2)) == highlight;
        EXPECT_EQ(shown, !hide) << hide;
    }
}

// A password character hides every character behind itself.
TEST_F(ValueEdit, PasswordCharShowsInPlaceOfTheText) {
    edit->SetText(QStringLiteral("1234"));
    edit->SetPasswordChar(QChar(u'*'));
    EXPECT_EQ(edit->Edit()->displayText(), QStringLiteral("****"));
    edit->SetPasswordChar(QChar(u'#'));
    EXPECT_EQ(edit->Edit()->displayText(), QStringLiteral("####"));
    edit->SetPasswordChar(QChar());
    EXPECT_EQ(edit->Edit()->displayText(), QStringLiteral("1234"));
}

TEST_F(ValueEdit, DisabledEditKeepsTheFrameAndGreysTheText) {
    edit->SetReadOnly(true);
    EXPECT_TRUE(edit->Edit()->isReadOnly());
    const QImage before = form.grab().toImage();
    edit->SetEnabled(false);
    EXPECT_FALSE(edit->Edit()->isEnabled());
    EXPECT_TRUE(edit->isEnabled());
    const QImage after = form.grab().toImage();
    // The rounded fill and its outline are unchanged.
    EXPECT_EQ(before.pixel(10 + 2, 10 + 12), after.pixel(10 + 2, 10 + 12));
    EXPECT_EQ(before.pixel(10 + 35, 10 + 22), after.pixel(10 + 35, 10 + 22));
}

TEST(CurvyPanel, RoundingColoursAndShading) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 100, 60);
    form.SetColor(clBlack);
    TCurvyPanel panel(&form);
    panel.SetParent(&form);
    panel.SetBounds(0, 0, 60, 30);
    panel.SetColor(clBtnFace);  // a system colour, resolved for the fill
    panel.SetBorderColor(clRed);
    panel.SetRounding(0);
    form.Show();
    QImage image = form.grab().toImage();
    const QRgb parent = image.pixel(80, 50);
    EXPECT_GT(qRed(image.pixel(0, 0)), 200);                // square corner on the outline
    EXPECT_LT(qGreen(image.pixel(0, 0)), 100);
    EXPECT_EQ(image.pixel(30, 15), qRgb(240, 240, 240));    // clBtnFace
    EXPECT_EQ(image.pixel(2, 1), qRgb(0xD9, 0xD9, 0xD9));   // the shading line from x = 0
    panel.SetRounding(8);
    image = form.grab().toImage();
    EXPECT_EQ(image.pixel(0, 0), parent);                   // the corner shows the parent
}

TEST(CurvyPanel, SideButtonHits) {
    TCurvyEdit edit(nullptr);
    edit.SetBounds(0, 0, 120, 24);
    QBuffer png;
    png.setData(ImageFile(Solid(10, 10, Qt::red), "PNG"));
    png.open(QIODevice::ReadOnly);
    TCurvyControl* a = edit.Controls().Add();
    a->Picture().LoadFromStream(&png);
    a->SetPosition(cpLeftInControl);
    TCurvyControl* b = edit.Controls().Add();
    png.seek(0);
    b->Picture().LoadFromStream(&png);
    b->SetPosition(cpLeftInControl);
    // Starts at Rounding div 2 = 4; each button is 12 wide.
    EXPECT_EQ(edit.ControlAtPos(4, 0), -1);   // the start pixel itself is outside
    EXPECT_EQ(edit.ControlAtPos(5, 0), 0);
    EXPECT_EQ(edit.ControlAtPos(16, 0), -1);  // between the two
    EXPECT_EQ(edit.ControlAtPos(17, 0), 1);
    EXPECT_EQ(edit.Edit()->geometry().x(), 8 + 24);
    int clicked = -1;
    edit.OnControlClick = [&](TComponent*, int index) { clicked = index; };
    QTest::mouseClick(&edit, Qt::LeftButton, {}, QPoint(20, 12));
    EXPECT_EQ(clicked, 1);
}

// Each key reaches OnKeyDown once with its key code, also the keys a read-only edit ignores
// and lets travel on; Enter still reaches the form's default button after it.
TEST_F(ValueEdit, ReadOnlyEditOffersEachKeyOnce) {
    edit->SetReadOnly(true);
    std::vector<Word> keys;
    edit->OnKeyDown = [&](TComponent*, Word& key, TShiftState) { keys.push_back(key); };
    int defaults = 0;
    other->OnClick = [&](TComponent*) { ++defaults; };
    form.SetDialogButtons(other, nullptr);
    edit->SetFocus();
    QTest::keyClick(edit->Edit(), Qt::Key_Up);
    QTest::keyClick(edit->Edit(), Qt::Key_Plus);
    QTest::keyClick(edit->Edit(), Qt::Key_Equal);
    QTest::keyClick(edit->Edit(), Qt::Key_Minus);
    QTest::keyClick(edit->Edit(), Qt::Key_Plus, Qt::KeypadModifier);
    QTest::keyClick(edit->Edit(), Qt::Key_Minus, Qt::KeypadModifier);
    QTest::keyClick(edit->Edit(), Qt::Key_Return);
    EXPECT_EQ(keys, (std::vector<Word>{VK_UP, VK_OEM_PLUS, VK_OEM_PLUS, VK_OEM_MINUS, VK_ADD, VK_SUBTRACT, VK_RETURN}));
    EXPECT_EQ(defaults, 1);
    EXPECT_EQ(edit->Text(), QStringLiteral("0.00ms"));
}

// Buttons without a picture draw from the panel's image list (sized by it), the drop-down
// triangle beside the image, and a press on a drop-down button pops up its menu; a list that
// goes away is forgotten.
TEST(CurvyPanel, ImageListButtonsAndDropDownMenu) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 60);
    TCurvyEdit edit(&form);
    edit.SetParent(&form);
    edit.SetBounds(10, 10, 150, 24);
    auto images = std::make_unique<TImageList>(10, 10);
    images->Add(Solid(10, 10, Qt::green));
    images->Add(Solid(10, 10, Qt::blue));
    edit.SetImages(images.get());
    TCurvyControl* button = edit.Controls().Add();
    button->SetPosition(cpLeftInControl);
    button->SetImageIndex(0);
    button->SetImageIndexDown(1);
    button->SetDropDown(true);
    TPopupMenu menu;
    menu.Items().Add(QStringLiteral("One"));
    button->SetPopupMenu(&menu);
    EXPECT_EQ(edit.GetControlSize(0), QSize(10 + 2 + 5, 10));
    form.Show();
    const int x = 8 / 2, y = (24 - 10) / 2;  // Rounding div 2; centred
    QImage image = edit.grab().toImage();
    EXPECT_EQ(image.pixel(x + 5, y + 5), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(x + 10 + 3, y + 6), qRgb(0, 0, 0));  // the triangle
    QTest::mousePress(&edit, Qt::LeftButton, {}, QPoint(x + 5, 12));
    EXPECT_EQ(menu.PopupCount(), 1);
    image = edit.grab().toImage();
    EXPECT_EQ(image.pixel(x + 5, y + 5), qRgb(0, 0, 255));  // the down image
    QTest::mouseRelease(&edit, Qt::LeftButton, {}, QPoint(x + 5, 12));
    button->SetDropDown(false);
    QTest::mouseClick(&edit, Qt::LeftButton, {}, QPoint(x + 5, 12));
    EXPECT_EQ(menu.PopupCount(), 1);  // a plain button has no menu

    images.reset();
    EXPECT_EQ(edit.Images(), nullptr);
    EXPECT_EQ(edit.GetControlSize(0), QSize(2, 0));
}

// A drop-down button forgets a menu that is destroyed before it: a later press pops up nothing.
TEST(CurvyPanel, ADestroyedMenuIsForgotten) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 60);
    TCurvyEdit edit(&form);
    edit.SetParent(&form);
    edit.SetBounds(10, 10, 150, 24);
    TCurvyControl* button = edit.Controls().Add();
    button->SetDropDown(true);
    auto menu = std::make_unique<TPopupMenu>();
    button->SetPopupMenu(menu.get());
    EXPECT_EQ(button->PopupMenu(), menu.get());
    menu.reset();
    EXPECT_EQ(button->PopupMenu(), nullptr);
    form.Show();
    const QSize size = edit.GetControlSize(0);
    QTest::mouseClick(&edit, Qt::LeftButton, {}, QPoint(edit.Width() - size.width() / 2 - 4, 12));
}
