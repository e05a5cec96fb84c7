// The framework controls the dialogs are made of: the edit's typing rules, radio groups, the
// progress bar, list box, memo, status bar, image and the message boxes.
#include "ui/MessageBoxes.h"
#include "ui/TEdit.h"
#include "ui/TForm.h"
#include "ui/TImage.h"
#include "ui/TListBox.h"
#include "ui/TMemo.h"
#include "ui/TProgressBar.h"
#include "ui/TRadioButton.h"
#include "ui/TStatusBar.h"

#include <QLineEdit>
#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Edit, TypingRules) {
    TForm form(nullptr);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    std::string pressed;
    edit->OnKeyPress = [&](TComponent*, QChar& key) { pressed += key.unicode() < 32 ? '^' : char(key.unicode()); };
    form.Show();
    edit->SetFocus();

    // Upper case: typed and set text alike; the handler sees the typed character.
    edit->SetCharCase(ecUpperCase);
    edit->SetMaxLength(4);
    edit->SetText("ab");
    QTest::keyClicks(edit->Field(), "cd9x");
    EXPECT_EQ(edit->Text(), "ABCD");  // the fifth character is over the limit
    EXPECT_EQ(pressed, "cd");

    // Digits only; Enter and Esc reach the key-press handler as 13 and 27.
    edit->SetCharCase(ecNormal);
    edit->SetText("");
    edit->SetNumbersOnly(true);
    pressed.clear();
    QTest::keyClicks(edit->Field(), "1a2");
    QTest::keyClick(edit->Field(), Qt::Key_Return);
    QTest::keyClick(edit->Field(), Qt::Key_Escape);
    EXPECT_EQ(edit->Text(), "12");
    EXPECT_EQ(pressed, "1a2^^");

    // A handler that selects the text on a mouse press keeps its selection.
    edit->OnMouseDown = [edit](TComponent*, TMouseButton, TShiftState, int, int) { edit->SelectAll(); };
    QTest::mouseClick(edit->Field(), Qt::LeftButton, {}, QPoint(3, 5));
    EXPECT_EQ(edit->SelText(), "12");

    edit->SetPasswordChar('*');
    EXPECT_EQ(edit->Field()->echoMode(), QLineEdit::Password);
    EXPECT_EQ(edit->Field()->displayText(), "**");
}

TEST(RadioButton, CheckingOneUnchecksItsSiblingsAndClicks) {
    TForm form(nullptr);
    auto* a = new TRadioButton(&form);
    auto* b = new TRadioButton(&form);
    a->SetParent(&form);
    b->SetParent(&form);
    int clicksA = 0, clicksB = 0;
    a->OnClick = [&](TComponent*) { ++clicksA; };
    b->OnClick = [&](TComponent*) { ++clicksB; };
    a->SetChecked(true);
    b->SetChecked(true);
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
    EXPECT_EQ(clicksA, 1);  // unchecking raises nothing
    EXPECT_EQ(clicksB, 1);
    form.Show();
    QTest::mouseClick(a, Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_TRUE(a->Checked());
    EXPECT_FALSE(b->Checked());
    EXPECT_EQ(clicksA, 2);
}

TEST(ProgressBar, PositionStaysInRangeAndFillsItsShare) {
    TForm form(nullptr);
    auto* bar = new TProgressBar(&form);
    bar->SetParent(&form);
    bar->SetBounds(0, 0, 104, 20);
    bar->SetSmooth(true);
    bar->SetBarColor(RGBColor(0, 0, 255));
    bar->SetBackgroundColor(RGBColor(0, 0, 0));
    bar->SetMax(4);
    bar->SetPosition(9);
    EXPECT_EQ(bar->Position(), 4);
    bar->SetPosition(-1);
    EXPECT_EQ(bar->Position(), 0);
    bar->SetPosition(2);  // half of the 100 inner pixels
    bar->SetMax(1);  // a smaller maximum takes the position with it
    EXPECT_EQ(bar->Position(), 1);
    bar->SetMax(4);
    bar->SetPosition(2);
    form.Show();
    const QImage image = bar->grab().toImage();
    EXPECT_GT(qBlue(image.pixel(40, 10)), 150);
    EXPECT_LT(qBlue(image.pixel(60, 10)), 40);
}

TEST(ListsAndTexts, ListBoxMemoStatusBarAndImage) {
    TForm form(nullptr);
    auto* list = new TListBox(&form);
    list->SetParent(&form);
    list->SetItemHeight(13);
    EXPECT_EQ(list->Add("one"), 0);
    EXPECT_EQ(list->Add("two"), 1);
    list->SetItemIndex(1);
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(list->Item(1), "two");
    EXPECT_EQ(list->List()->item(0)->sizeHint().height(), 13);
    list->Clear();
    EXPECT_EQ(list->Count(), 0);

    auto* memo = new TMemo(&form);
    memo->SetParent(&form);
    EXPECT_EQ(memo->LineCount(), 0);
    memo->AddLine("Memo");
    memo->AddLine("second");
    EXPECT_EQ(memo->LineCount(), 2);
    EXPECT_EQ(memo->Line(1), "second");
    memo->Clear();
    EXPECT_EQ(memo->Text(), "");

    auto* status = new TStatusBar(&form);
    status->SetParent(&form);
    EXPECT_EQ(status->Align(), alBottom);
    status->SetSimpleText("download now");
    EXPECT_EQ(status->SimpleText(), "download now");

    auto* image = new TImage(&form);
    image->SetParent(&form);
    image->SetBounds(0, 0, 20, 10);
    image->SetStretch(true);
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 0, 255));
    image->Picture().SetImage(picture);
    form.Show();
    const QImage shown = image->grab().toImage();
    EXPECT_GT(qRed(shown.pixel(1, 5)), 200);   // the picture stretched over the image
    EXPECT_GT(qBlue(shown.pixel(18, 5)), 200);
}

TEST(MessageBoxes, AHookAnswersInsteadOfTheBox) {
    std::string seen;
    SetMessageBoxHook([&](const QString& text, const QString& caption, unsigned flags) {
        seen += (caption + "|" + text + "|" + QString::number(flags) + ";").toStdString();
        return IDCANCEL;
    });
    EXPECT_EQ(MessageBox("Password Error!!", "Unlock", MB_OK | MB_ICONINFORMATION), IDCANCEL);
    QApplication::setApplicationDisplayName("Editor");
    ShowMessage("Check Time Out!");
    SetMessageBoxHook(nullptr);
    EXPECT_EQ(seen, "Unlock|Password Error!!|64;Editor|Check Time Out!|0;");
}

}  // namespace

namespace {

// A form that was shown modally is no longer the application's modal window once its
// showing ends (a form left in that place would block every other window, and one deleted
// later would leave a dangling entry).
TEST(Forms, AModalShowingEndsItsModality) {
    TForm form(nullptr);
    QTimer::singleShot(0, &form, [&] {
        EXPECT_EQ(QApplication::activeModalWidget(), &form);
        form.SetModalResult(mrOk);
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
