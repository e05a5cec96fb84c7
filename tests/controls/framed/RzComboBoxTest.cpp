#include "FramedTestSupport.h"
#include "RzComboBox.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace {

// Records the box's events in order, with the value seen inside OnChange.
struct Events {
    std::vector<QString> log;
    void Attach(TRzComboBox& box) {
        box.OnClick = [this](TComponent*) { log.push_back("click"); };
        box.OnChange = [this, &box](TComponent*) { log.push_back("change:" + box.Value()); };
    }
};

TRzComboBox* ListBox(ShownForm& f, const QStringList& items) {
    auto* box = new TRzComboBox(&f.form);
    box->SetParent(f.host);
    box->SetBounds(10, 10, 100, 22);
    box->SetStyle(csDropDownList);
    for (const QString& item : items) box->Add(item);
    return box;
}

void Wheel(QWidget* w, int delta) {
    QWheelEvent e(QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

TEST(ComboBox, ValuesFollowTheSelection) {
    ShownForm f;
    TRzComboBox* box = ListBox(f, {"12 dB", "24 dB", "48 dB"});
    box->SetValues({"a", ""});  // the second is empty, the third beyond the end
    EXPECT_EQ(box->GetItemValue(0), "a");
    EXPECT_EQ(box->GetItemValue(1), "24 dB");
    EXPECT_EQ(box->GetItemValue(2), "48 dB");
    EXPECT_EQ(box->GetItemValue(3), "");

    box->SetValue("48 dB");
    EXPECT_EQ(box->ItemIndex(), 2);
    box->SetValue("nothing");  // no item has it: no selection, the value is kept
    EXPECT_EQ(box->ItemIndex(), -1);
    EXPECT_EQ(box->Value(), "nothing");
    box->SetValue("A");  // case matters
    EXPECT_EQ(box->ItemIndex(), -1);

    Events e;
    e.Attach(*box);
    box->SetValue("a");
    EXPECT_TRUE(e.log.empty());  // setting the value raises nothing
    box->SetFocus();
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(box->ItemIndex(), 1);
    // Click takes the value along before Change.
    EXPECT_EQ(e.log, (std::vector<QString>{"click", "change:24 dB"}));
    EXPECT_EQ(box->Value(), "24 dB");

    box->AddItemValue("96 dB", "x");  // values line up by position: "x" is the third one
    box->SetValue("x");
    EXPECT_EQ(box->ItemIndex(), 2);
    box->DeleteItemValue(0);
    EXPECT_EQ(box->Values(), QStringList({"", "x"}));
    box->ClearItemsValues();
    EXPECT_EQ(box->Count(), 0);
    EXPECT_TRUE(box->Values().isEmpty());
}

TEST(ComboBox, TypeAheadSearchesFromTheTopAndResetsAfterAPause) {
    ShownForm f;
    TRzComboBox* box = ListBox(f, {"Alpha", "beta", "Bravo", "Charlie"});
    Events e;
    e.Attach(*box);
    box->SetFocus();
    QTest::keyClick(box, 'b');
    EXPECT_EQ(box->ItemIndex(), 1);
    EXPECT_EQ(box->SearchString(), "b");
    EXPECT_TRUE(box->SearchTimer().GetEnabled());
    EXPECT_EQ(box->SearchTimer().GetInterval(), 1500);
    QTest::keyClick(box, 'R');  // any letter case
    EXPECT_EQ(box->ItemIndex(), 2);
    EXPECT_EQ(box->SearchString(), "bR");
    QTest::keyClick(box, 'x');  // no match: the selection stays
    EXPECT_EQ(box->ItemIndex(), 2);
    EXPECT_EQ(box->SearchString(), "bR");
    // The pause: the timer empties the search string; the next key starts anew.
    box->SearchTimer().GetOnTimer()(&box->SearchTimer());
    EXPECT_EQ(box->SearchString(), "");
    EXPECT_FALSE(box->SearchTimer().GetEnabled());
    QTest::keyClick(box, 'c');
    EXPECT_EQ(box->ItemIndex(), 3);
    // Backspace shortens the search; emptying it selects the first item.
    QTest::keyClick(box, 'h');
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->SearchString(), "c");
    EXPECT_EQ(box->ItemIndex(), 3);
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->ItemIndex(), 0);
    EXPECT_EQ(box->SearchString(), "");
    // A backspace with nothing typed searches for the empty text: the first item.
    box->SetItemIndex(2);
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->ItemIndex(), 0);
    // An arrow key empties the search string; read-only boxes ignore keys.
    QTest::keyClick(box, 'b');
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(box->SearchString(), "");
    box->SetReadOnly(true);
    const int before = box->ItemIndex();
    QTest::keyClick(box, 'a');
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(box->ItemIndex(), before);
    EXPECT_GE(e.log.size(), 10u);
}

TEST(ComboBox, WheelStepsTheSelection) {
    ShownForm f;
    TRzComboBox* box = ListBox(f, {"6", "12", "18"});
    Events e;
    e.Attach(*box);
    Wheel(box, 120);  // up with no selection: the first item, no events
    EXPECT_EQ(box->ItemIndex(), 0);
    EXPECT_TRUE(e.log.empty());
    Wheel(box, -120);
    EXPECT_EQ(box->ItemIndex(), 1);
    EXPECT_EQ(e.log, (std::vector<QString>{"click", "change:12"}));
    Wheel(box, -120);
    e.log.clear();
    Wheel(box, -120);  // at the last item nothing changes
    EXPECT_EQ(box->ItemIndex(), 2);
    EXPECT_TRUE(e.log.empty());
    Wheel(box, 120);
    EXPECT_EQ(box->ItemIndex(), 1);
    Wheel(box, 120);
    e.log.clear();
    Wheel(box, 120);  // up on the first item: stays, no events
    EXPECT_EQ(box->ItemIndex(), 0);
    EXPECT_TRUE(e.log.empty());
    // A handler that marks the wheel handled keeps the box out of it.
    box->OnMouseWheel = [](TComponent*, TShiftState, int, QPoint, bool& handled) { handled = true; };
    Wheel(box, -120);
    EXPECT_EQ(box->ItemIndex(), 0);
    box->OnMouseWheel = nullptr;
    box->SetReadOnly(true);
    Wheel(box, -120);
    EXPECT_EQ(box->ItemIndex(), 0);
}

TEST(ComboBox, DroppedListPicksAndScrolls) {
    ShownForm f;
    QStringList items;
    for (int i = 0; i < 30; ++i) items << QString("Slope %1").arg(i);
    items << "A much longer slope name than the box";
    TRzComboBox* box = ListBox(f, items);
    Events e;
    e.Attach(*box);
    box->SetDroppedDown(true);
    Settle();
    ASSERT_TRUE(box->DroppedDown());
    TCanvas measure;
    measure.Font = box->Font();
    EXPECT_EQ(box->DroppedWidth(), measure.TextWidth(items.back()) + 17 + 8);
    auto* list = box->findChild<QListWidget*>();
    ASSERT_NE(list, nullptr);
    Wheel(list->viewport(), -120);  // the wheel over the list scrolls it, the selection stays
    EXPECT_EQ(box->TopIndex(), 3);
    EXPECT_EQ(box->ItemIndex(), -1);
    Wheel(list->viewport(), 120);
    Wheel(list->viewport(), 120);
    EXPECT_EQ(box->TopIndex(), 0);
    list->setCurrentRow(4);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_FALSE(box->DroppedDown());
    EXPECT_EQ(box->ItemIndex(), 4);
    EXPECT_EQ(e.log, (std::vector<QString>{"click", "change:Slope 4"}));

    box->SetDropDownWidth(300);
    box->SetDroppedDown(true);
    EXPECT_EQ(box->DroppedWidth(), 300);
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_FALSE(box->DroppedDown());
    EXPECT_EQ(box->ItemIndex(), 4);
}

TEST(ComboBox, ItemHeightIsTakenOnlyByTheOwnerDrawnStyles) {
    struct Case {
        TComboBoxStyle style;
        int itemHeight, height;  // after asking for 24
    };
    const Case cases[] = {{csDropDownList, 16, 21}, {csOwnerDrawFixed, 24, 30}, {csOwnerDrawVariable, 24, 30}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style);
        TRzComboBox box(nullptr, c.style);
        box.SetItemHeight(24);
        EXPECT_EQ(box.ItemHeight(), c.itemHeight);
        EXPECT_EQ(box.Height(), c.height);
    }
}

TEST(ComboBox, OwnerDrawnEntriesAreDrawnByTheBox) {
    ShownForm f;
    TRzComboBox* box = ListBox(f, {"12 dB", "24 dB", "48 dB"});
    box->SetStyle(csOwnerDrawFixed);
    box->SetItemHeight(18);
    const TColor swatch[] = {clRed, clLime, clBlue};
    std::vector<TOwnerDrawState> states;
    // Each item paints its swatch in its left half and the brush it was given in the rest.
    box->OnDrawItem = [&](TComponent*, TCanvas& canvas, int index, const TRect& rect, TOwnerDrawState state) {
        states.push_back(state);
        canvas.FillRect(rect);
        canvas.Brush.Color = swatch[index];
        canvas.FillRect(Rect(rect.Left, rect.Top, rect.Left + 20, rect.Bottom));
    };
    box->SetItemIndex(2);
    box->Show();
    QImage shot = Grab(*box);
    ASSERT_FALSE(states.empty());
    EXPECT_TRUE(states.back() & odComboBoxEdit);
    EXPECT_EQ(PixelAt(shot, 8, 12), Rgb(clBlue));  // the field shows the selected item
    EXPECT_EQ(PixelAt(shot, 40, 12), Rgb(clWindow));

    box->SetDroppedDown(true);
    Settle();
    auto* list = box->findChild<QListWidget*>();
    ASSERT_NE(list, nullptr);
    shot = list->viewport()->grab().toImage();
    // Lines of 18 pixels: the second line (unselected) in its swatch and the box's colour,
    // the third (selected) on the highlight with a dotted focus rectangle.
    EXPECT_EQ(PixelAt(shot, 8, 18 + 9), Rgb(clLime));
    EXPECT_EQ(PixelAt(shot, 40, 18 + 9), Rgb(clWindow));
    EXPECT_EQ(PixelAt(shot, 40, 36 + 9), Rgb(clHighlight));
    EXPECT_NE(PixelAt(shot, 40, 36), Rgb(clHighlight));  // the focus rectangle's dot on the top line
    QTest::keyClick(list, Qt::Key_Escape);
}

TEST(ComboBox, EditStyleCompletesWhatIsTyped) {
    ShownForm f;
    auto* box = new TRzComboBox(&f.form);
    box->SetParent(f.host);
    box->SetBounds(10, 10, 100, 22);
    for (const char* item : {"Two", "Three", "Ten"}) box->Add(item);
    int matches = 0;
    box->OnMatch = [&](TComponent*) { ++matches; };
    box->SetFocus();
    QTest::keyClick(box->EditChild(), 't');
    EXPECT_EQ(box->Text(), "Two");
    EXPECT_EQ(box->EditChild()->selectedText(), "wo");
    EXPECT_EQ(box->ItemIndex(), 0);
    QTest::keyClick(box->EditChild(), 'h');
    EXPECT_EQ(box->Text(), "Three");
    EXPECT_EQ(box->ItemIndex(), 1);
    EXPECT_EQ(matches, 2);
    // A character that completes nothing is typed as it is (AllowEdit).
    QTest::keyClick(box->EditChild(), 'x');
    EXPECT_EQ(box->Text(), "thx");
    box->SetAllowEdit(false);
    QTest::keyClick(box->EditChild(), 'q');
    EXPECT_EQ(box->Text(), "thx");
}

TEST(ComboBox, OnChangeSeesTheOldValueWhenOnlyTheTextChanged) {
    ShownForm f;
    auto* box = new TRzComboBox(&f.form);
    box->SetParent(f.host);
    box->SetBounds(10, 10, 100, 22);
    box->Add("A");
    box->Add("B");
    box->SetValue("A");
    box->SetItemIndex(1);  // from code: the value stays
    EXPECT_EQ(box->Value(), "A");
    Events e;
    e.Attach(*box);
    box->SetFocus();
    box->EditChild()->end(false);
    QTest::keyClick(box->EditChild(), 'z');  // completes nothing: a text change alone
    EXPECT_EQ(e.log, (std::vector<QString>{"change:A"}));
    EXPECT_EQ(box->Value(), "B");
}

TEST(ComboBox, ColourStatesAndFrame) {
    ShownForm f;
    TRzComboBox* box = ListBox(f, {"A"});
    const TColor face = RGBColor(223, 255, 255);
    box->SetColor(face);
    box->SetFocusColor(clYellow);
    box->SetDisabledColor(clGray);
    box->SetReadOnlyColor(clSilver);
    box->SetFocus();
    EXPECT_EQ(box->Color(), clYellow);
    f.host->SetFocus();
    EXPECT_EQ(box->Color(), face);
    box->SetReadOnly(true);
    EXPECT_EQ(box->Color(), clSilver);
    box->SetReadOnly(false);
    box->SetEnabled(false);
    EXPECT_EQ(box->Color(), clGray);
    EXPECT_FALSE(box->IsColorStored());
    box->SetEnabled(true);
    EXPECT_EQ(box->Color(), face);
    EXPECT_TRUE(box->IsColorStored());

    // Flat button, not hot: the button strip in Color with only the arrow.
    box->SetFlatButtons(true);
    QImage shot = Grab(*box);
    const int cx = 100 - 2 - 17 + 17 / 2;
    EXPECT_EQ(PixelAt(shot, 100 - 3, 4), face);
    EXPECT_EQ(PixelAt(shot, cx, 9), clBlack);
    // Own frame: rings in Color over the edge, the flat frame in FrameColor.
    box->SetFrameVisible(true);
    box->SetFrameColor(clRed);
    shot = Grab(*box);
    EXPECT_EQ(PixelAt(shot, 0, 10), clRed);
    EXPECT_EQ(PixelAt(shot, 1, 10), face);
    // Hot tracking swaps in the hot style when the mouse is over it.
    box->SetFrameHotTrack(true);
    box->SetFrameHotColor(clBlue);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(box, &enter);
    EXPECT_TRUE(box->Hot());
    shot = Grab(*box);
    EXPECT_EQ(PixelAt(shot, 0, 10), clBlue);
    EXPECT_EQ(PixelAt(shot, 1, 10), clBlue);  // fsFlatBold
    EXPECT_EQ(PixelAt(shot, 100 - 3 - 16, 10), Rgb(clBtnHighlight));  // the raised flat button
}

TEST(ComboBox, ControllerWritesPublishedPropertiesAndLoadingKeepsSides) {
    TRzFrameController fc(nullptr);
    fc.SetFrameVisible(true);
    fc.SetFrameStyle(fsGroove);
    fc.SetColor(clAqua);
    TRzComboBox box(nullptr);
    box.SetFrameControllerNotifications(fcpAllSettings & ~fcpBit(fcpColor));
    box.SetFrameController(&fc);
    EXPECT_TRUE(box.FrameVisible());
    EXPECT_EQ(box.FrameStyle(), fsGroove);
    EXPECT_NE(box.Color(), clAqua);  // not accepted

    TRzComboBox loading(nullptr);
    loading.BeginLoading();
    loading.SetFrameSides(sdBottom);
    loading.SetFrameHotTrack(true);
    loading.EndLoading();
    EXPECT_EQ(loading.FrameSides(), TSides(sdBottom));
    EXPECT_TRUE(loading.FrameVisible());
    TRzComboBox later(nullptr);
    later.SetFrameSides(sdBottom);
    later.SetFrameHotTrack(true);
    EXPECT_EQ(later.FrameSides(), sdAllSides);
}

}  // namespace
