#include "BandEntry.h"
#include "MyPEQAllpass.h"
#include "MyPEQGain.h"
#include "MyPEQHpLp.h"
#include "MyPEQType8.h"
#include "PanelsTestSupport.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr double kR = 1.023373891996775;

// Types a text into a field, replacing what it held.
void Type(TEdit* edit, const QString& text) {
    edit->SetFocus();
    edit->Field()->selectAll();
    QTest::keyClicks(edit->Field(), text);
}

// Moves the focus off the table's fields (a field that loses it reads its text).
void Leave(ShownForm& f) { f.host->SetFocus(); }

TEST(BandTable, LaysOutTheMainWindowsRows) {
    ShownForm f;
    TMyPEQAllpass table(nullptr);
    SetUpChannelTable(table, f.host, 8);
    // Column width 93, row height 29: row r's fields at top 15 + 29r + 7.
    EXPECT_EQ(table.FreqEdit(0)->Left(), 40);
    EXPECT_EQ(table.QEdit(0)->Left(), 32 + 93 + 16);
    EXPECT_EQ(table.GainEdit(2)->Top(), 15 + 29 * 2 + 7);
    EXPECT_EQ(table.TypeList(1)->Left(), 32 + 3 * 93 + 32);
    EXPECT_EQ(table.BypassButton(7)->Width(), 93 - 14);
    EXPECT_TRUE(table.FreqEdit(7)->isVisible());
    EXPECT_FALSE(table.FreqEdit(8)->isVisible());
    EXPECT_EQ(table.FreqEdit(8)->Top(), 10000);
    EXPECT_EQ(table.NumberLabel(3)->Font().Color(), clAqua);
    // Seven type names per list after the language texts, item 0 selected; a new row shows
    // its number, 0.40 and 0.0dB.
    EXPECT_EQ(table.TypeList(0)->Count(), 7);
    EXPECT_EQ(table.TypeList(0)->Item(6), " Allpass 2  ");
    EXPECT_EQ(table.FreqEdit(3)->Text(), "3");
    EXPECT_EQ(table.QEdit(3)->Text(), "0.40");
    EXPECT_EQ(table.GainEdit(3)->Text(), "0.0dB");
    EXPECT_EQ(table.BypassButton(0)->Caption(), "   BYPASS   ");

    // No new layout while the size stays; ChannelNumber is held at 50; no rows, no fault.
    table.SetChannelNumber(9);
    (void)table.grab();
    EXPECT_FALSE(table.FreqEdit(8)->isVisible());
    table.SetBounds(0, 0, 536, 280);
    (void)table.grab();
    EXPECT_TRUE(table.FreqEdit(8)->isVisible());
    table.SetChannelNumber(60);
    EXPECT_EQ(table.GetChannelNumber(), 50);
    table.SetChannelNumber(0);
    table.SetBounds(0, 0, 500, 280);
    (void)table.grab();
    EXPECT_FALSE(table.FreqEdit(0)->isVisible());
}

TEST(BandTable, TypedFrequencyOnExitAndEnter) {
    ShownForm f;
    TMyPEQAllpass table(nullptr);
    SetUpChannelTable(table, f.host, 8);
    ChangeLog log;
    log.Attach(table);
    Type(table.FreqEdit(2), "1.5kHz");
    Leave(f);  // leaving the field reads it
    EXPECT_EQ(table.FreqPosition(2), 18);
    EXPECT_EQ(table.FreqEdit(2)->Text(), "1.52KHz");
    EXPECT_EQ(log.count, 1);
    EXPECT_EQ(table.GetNowIndex(), 2);
    EXPECT_NEAR(table.GetFreqValue(2), 1000 * std::pow(kR, 18), 1e-9);

    // Enter reads it too, and leaving afterwards reads the shown text again.
    Type(table.FreqEdit(4), "100");
    QTest::keyClick(table.FreqEdit(4)->Field(), Qt::Key_Return);
    EXPECT_EQ(table.FreqEdit(4)->Text(), "99.2Hz");
    EXPECT_EQ(table.FreqPosition(4), -100);
    EXPECT_EQ(log.count, 2);
    EXPECT_EQ(table.PrevIndex(), 2);
    Leave(f);
    EXPECT_EQ(log.count, 3);
    EXPECT_EQ(table.FreqPosition(4), -100);
    EXPECT_EQ(log.rows, (std::vector<int>{2, 4, 4}));

    // "0" is refused: the stored value's text comes back, the caret after it, OnChange all the same.
    Type(table.FreqEdit(4), "0");
    QTest::keyClick(table.FreqEdit(4)->Field(), Qt::Key_Return);
    EXPECT_EQ(table.FreqEdit(4)->Text(), "99.2Hz");
    EXPECT_EQ(table.FreqEdit(4)->Field()->cursorPosition(), 6);
    EXPECT_EQ(log.count, 4);
    Leave(f);
    // A row never set restores the text of position 0; the top of the grid shows in full.
    Type(table.FreqEdit(6), "0.0");
    QTest::keyClick(table.FreqEdit(6)->Field(), Qt::Key_Return);
    EXPECT_EQ(table.FreqEdit(6)->Text(), "1.00KHz");
    Type(table.FreqEdit(6), "30k");
    Leave(f);
    EXPECT_EQ(table.FreqEdit(6)->Text(), "20.16KHz");
    // Typing stops at seven characters.
    Type(table.FreqEdit(7), "123456789");
    EXPECT_EQ(table.FreqEdit(7)->Text(), "1234567");
}

TEST(BandTable, TypedQAndGain) {
    ShownForm f;
    TMyPEQAllpass table(nullptr);
    SetUpChannelTable(table, f.host, 9);
    ChangeLog log;
    log.Attach(table);
    struct Case {
        TEdit* edit;
        const char* typed;
        const char* shown;
    };
    for (const Case& c : {Case{table.QEdit(1), "1.2", "1.19"}, Case{table.QEdit(1), "0.0", "0.40"},
                          Case{table.QEdit(1), "200", "128.00"}, Case{table.QEdit(1), "0", "128.00"},
                          Case{table.GainEdit(1), "-0.39dB", "-0.3dB"}, Case{table.GainEdit(1), "12.9", "12.0dB"},
                          Case{table.GainEdit(1), "-", "12.0dB"}, Case{table.GainEdit(1), "0", "0.0dB"},
                          Case{table.GainEdit(1), "--1", "0.0dB"}, Case{table.GainEdit(1), "3", "3.0dB"}}) {
        Type(c.edit, c.typed);
        QTest::keyClick(c.edit->Field(), Qt::Key_Return);
        EXPECT_EQ(c.edit->Text(), c.shown) << c.typed;
        Leave(f);  // reads the shown text again: the same value
        EXPECT_EQ(c.edit->Text(), c.shown) << c.typed;
    }
    EXPECT_EQ(log.count, 20);
    EXPECT_EQ(table.GainPosition(1), 30);
    EXPECT_EQ(table.QPosition(1), 100);
}

TEST(BandTable, SettersRaiseChangeAndKeepTheirGrids) {
    TSolidHost host(nullptr, clBlack);
    TMyPEQAllpass table(nullptr);
    SetUpChannelTable(table, &host, 9);
    ChangeLog log;
    log.Attach(table);
    for (int t = -120; t <= 120; t += 7) {
        table.SetEqParamValue(0, 1000, 20, t / 10.0, 1, false);
        ASSERT_EQ(table.GainPosition(0), t);
    }
    const int before = log.count;
    table.SetEqParamValue(3, 1000 * std::pow(kR, -40), 50, -1.76, 5, true);
    EXPECT_EQ(log.count, before + 1);
    EXPECT_EQ(table.FreqPosition(3), -40);
    EXPECT_EQ(table.GainPosition(3), -18);
    EXPECT_EQ(table.GainEdit(3)->Text(), "-1.8dB");
    EXPECT_EQ(table.QEdit(3)->Text(), "7.10");
    EXPECT_EQ(table.GetTypeValue(3), 5);
    EXPECT_TRUE(table.GetBypassValue(3));
    // SetGainValue truncates; the text shows the argument.
    table.SetGainValue(4, 1.26);
    EXPECT_EQ(table.GainPosition(4), 12);
    EXPECT_EQ(table.GainEdit(4)->Text(), "1.3dB");
    EXPECT_NEAR(table.GetGainValue(4), 1.2, 1e-12);
    // A Q index beyond the table (from a file or the unit) is kept but reads the table's end.
    table.SetQValue(5, 150);
    EXPECT_EQ(table.QPosition(5), 150);
    EXPECT_EQ(table.GetQValue(5), 128.0);
    EXPECT_EQ(table.QEdit(5)->Text(), "128.00");
    table.SetTypeValue(6, 2);
    EXPECT_EQ(table.GetTypeValue(6), 2);
    EXPECT_EQ(log.count, before + 4);
}

TEST(BandTable, CurrentRowHighlightAndBypassColours) {
    ShownForm f;
    TMyPEQAllpass table(nullptr);
    SetUpChannelTable(table, f.host, 8);
    const TColor normal = FontColorOf(*table.FreqEdit(0));
    table.SetNowIndex(3);
    EXPECT_EQ(FontColorOf(*table.QEdit(3)), TCustomPEQTable::kHighlightColor);
    EXPECT_EQ(FontColorOf(*table.FreqEdit(0)), normal);
    table.SetNowIndex(15);  // the main window's "no row"
    EXPECT_EQ(FontColorOf(*table.QEdit(3)), normal);
    EXPECT_EQ(table.GetNowIndex(), 15);
    table.SetNowIndex(-1);
    table.SetNowIndex(2);
    table.SetColor(40, clRed);  // outside the rows: nothing
    EXPECT_EQ(FontColorOf(*table.GainEdit(2)), TCustomPEQTable::kHighlightColor);

    // Without a handler nothing is recoloured.
    table.SetBypassValue(1, true);
    EXPECT_EQ(table.BypassButton(1)->Color(), clSilver);
    ChangeLog log;
    log.Attach(table);
    table.SetBypassValue(1, true);
    EXPECT_EQ(table.BypassButton(1)->Color(), TCustomPEQTable::kBypassedColor);
    table.SetBypassBackColor(clGray);
    EXPECT_EQ(table.BypassButton(1)->Color(), clGray);  // until the next Change
    QTest::mouseClick(table.BypassButton(0), Qt::LeftButton, {}, QPoint(10, 8));
    EXPECT_TRUE(table.GetBypassValue(0));
    EXPECT_EQ(table.GetNowIndex(), 0);
    EXPECT_EQ(table.BypassButton(1)->Color(), TCustomPEQTable::kBypassedColor);
    QTest::mouseClick(table.BypassButton(0), Qt::LeftButton, {}, QPoint(10, 8));
    EXPECT_FALSE(table.GetBypassValue(0));
    EXPECT_EQ(table.BypassButton(0)->Color(), clGray);

    // A mouse press in a field makes its row current before OnEditMouseDown.
    int pressedRow = -1;
    table.OnEditMouseDown = [&](TComponent*, TMouseButton, TShiftState, int, int) { pressedRow = table.GetNowIndex(); };
    QTest::mouseClick(table.GainEdit(5)->Field(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(pressedRow, 5);
    // The main window's wheel handler keeps the type lists still.
    table.OnPeqTypeMouseWheel = [](TComponent*, TShiftState, int, QPoint, bool& handled) { handled = true; };
    QWheelEvent e(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(table.TypeList(2), &e);
    EXPECT_EQ(table.GetTypeValue(2), 0);
}

TEST(BandTable, VariantsDifferOnlyWhereTheyShould) {
    TSolidHost host(nullptr, clBlack);
    TMyPEQGain gain(nullptr);
    SetUpChannelTable(gain, &host, 8);
    EXPECT_EQ(gain.GainEdit(0)->Text(), "0dB");
    EXPECT_EQ(gain.QEdit(0)->Text(), "0.40");
    EXPECT_EQ(gain.TypeList(0)->Count(), 5);
    gain.SetFreqValue(0, 2865.26);
    EXPECT_EQ(gain.FreqPosition(0), 46);
    EXPECT_EQ(gain.FreqEdit(0)->Text(), "2.89KHz");
    gain.SetGainValue(0, 1.26);
    EXPECT_EQ(gain.GainEdit(0)->Text(), "1.26dB");
    EXPECT_EQ(gain.GainPosition(0), 12);
    gain.SetEqParamValue(1, 1000, 20, -1.76, 0, false);
    EXPECT_EQ(gain.GainPosition(1), -18);
    EXPECT_EQ(gain.GainEdit(1)->Text(), "-1.76dB");
    RunTimeDecimalSeparator() = QLatin1Char(',');
    gain.SetQValue(2, 20);
    EXPECT_EQ(gain.QEdit(2)->Text(), "1,26");
    gain.SetFreqValue(2, 2865.26);
    EXPECT_EQ(gain.FreqPosition(2), 45);
    RunTimeDecimalSeparator() = QLatin1Char('.');

    TMyPEQHpLp hplp(nullptr);
    EXPECT_EQ(hplp.Capacity(), 15);
    EXPECT_EQ(hplp.FreqEdit(4)->Text(), "1.00KHz");
    EXPECT_EQ(hplp.NumberLabel(13)->Font().Color(), clSilver);
    EXPECT_EQ(hplp.NumberLabel(14)->Font().Color(), clBlack);
    ChangeLog log;
    log.Attach(hplp);
    hplp.SetChannelNumber(20);
    EXPECT_EQ(hplp.GetChannelNumber(), 15);
    EXPECT_EQ(log.count, 0);
    hplp.SetGainValue(0, 0.75);
    EXPECT_EQ(hplp.GainPosition(0), 1);
    EXPECT_EQ(hplp.GainEdit(0)->Text(), "0.75dB");
    EXPECT_EQ(hplp.GetGainValue(0), 0.5);
    hplp.SetGainValue(0, 0.3);
    EXPECT_EQ(hplp.GainEdit(0)->Text(), "0.300000011920929dB");
    hplp.SetEqParamValue(1, 1000, 20, -1.76, 0, false);
    EXPECT_EQ(hplp.GainPosition(1), -3);

    TMyPEQType8 type8(nullptr);
    type8.SetParent(&host);
    type8.SetChannelNumber(4);
    type8.CreateWnd();
    type8.SetTypeValue(0, 8);
    EXPECT_EQ(type8.TypeList(0)->Item(type8.GetTypeValue(0)), " Allpass 2  ");
}

// Window creation gives each type list exactly its own entries (none left blank by the
// layout made at construction) and selects the variant's first choice; the language texts
// refill them to the same count and keep the selection.
TEST(BandTable, TypeListsHoldTheirOwnEntriesOnce) {
    TSolidHost host(nullptr, clBlack);
    TMyPEQAllpass allpass(nullptr);
    TMyPEQGain gain(nullptr);
    TMyPEQHpLp hplp(nullptr);
    TMyPEQType8 type8(nullptr);
    const struct {
        TCustomPEQTable* table;
        int entries, selected;
        const char* last;
    } cases[] = {{&allpass, 7, -1, " Allpass 2  "},
                 {&gain, 5, 1, " High Cut   "},
                 {&hplp, 5, 1, " High Cut   "},
                 {&type8, 9, 1, " Allpass 2  "}};
    for (const auto& c : cases) {
        c.table->SetParent(&host);
        c.table->CreateWnd();
        const int rows = c.table->GetChannelNumber();
        for (int pass = 0; pass < 2; ++pass) {
            for (int r : {0, rows - 1}) {
                TRzComboBox* list = c.table->TypeList(r);
                ASSERT_EQ(list->Count(), c.entries) << c.last << " row " << r << " pass " << pass;
                EXPECT_EQ(list->ItemIndex(), c.selected) << "row " << r << " pass " << pass;
                EXPECT_EQ(list->Item(0), " Peak       ");
                EXPECT_EQ(list->Item(c.entries - 1), c.last);
            }
            c.table->ChangeLanguage();
        }
    }
}

}  // namespace

// Rows beyond the channel count are made when first asked for, in the state that making them
// with the table leaves them in (construction layout, later font, hidden by the layouts).
TEST(BandTable, RowsMadeOnDemandMatchRowsMadeWithTheTable) {
    TSolidHost host(nullptr, clBlack);
    TMyPEQAllpass early(nullptr), late(nullptr);
    for (int r = 0; r < early.Capacity(); ++r) (void)early.FreqEdit(r);
    SetUpChannelTable(early, &host, 8);
    SetUpChannelTable(late, &host, 8);
    const auto controls = [](TCustomPEQTable& t, int r) {
        return std::vector<TControl*>{t.NumberLabel(r), t.FreqEdit(r), t.QEdit(r),
                                      t.GainEdit(r),    t.TypeList(r), t.BypassButton(r)};
    };
    for (int r : {8, 20, 49}) {
        SCOPED_TRACE(r);
        const auto a = controls(early, r), b = controls(late, r);
        for (std::size_t k = 0; k < a.size(); ++k) {
            EXPECT_EQ(a[k]->geometry(), b[k]->geometry()) << k;
            EXPECT_TRUE(b[k]->isHidden()) << k;
            EXPECT_EQ(a[k]->Font(), b[k]->Font()) << k;
            EXPECT_EQ(a[k]->Caption(), b[k]->Caption()) << k;
        }
        EXPECT_EQ(b[1]->Top(), 10000);
        EXPECT_EQ(early.FreqEdit(r)->Text(), late.FreqEdit(r)->Text());
        EXPECT_EQ(early.QEdit(r)->Text(), late.QEdit(r)->Text());
        EXPECT_EQ(early.GainEdit(r)->Text(), late.GainEdit(r)->Text());
        EXPECT_EQ(early.TypeList(r)->Count(), late.TypeList(r)->Count());
    }
    // Growing the table and laying it out again shows the next row like the others.
    for (TCustomPEQTable* t : {static_cast<TCustomPEQTable*>(&early), static_cast<TCustomPEQTable*>(&late)}) {
        t->SetChannelNumber(9);
        t->SetBounds(0, 0, 536, 280);
        (void)t->grab();
    }
    EXPECT_FALSE(late.FreqEdit(8)->isHidden());
    EXPECT_EQ(late.FreqEdit(8)->geometry(), early.FreqEdit(8)->geometry());
    EXPECT_EQ(late.TypeList(8)->Count(), early.TypeList(8)->Count());

    // A table shown before any layout of its own shows all its rows, as made.
    ShownForm f;
    TMyPEQAllpass shown(nullptr);
    shown.SetParent(f.host);
    EXPECT_TRUE(shown.FreqEdit(49)->isVisible());
    // Fifty rows of 7 pixels in the construction's 490 x 420.
    EXPECT_EQ(shown.FreqEdit(49)->Top(), 15 + 7 * 49 + 7);
}
