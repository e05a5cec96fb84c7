#include "CustomPEQTable.h"

#include "BandEntry.h"
#include "QTable.h"
#include "TypedEntry.h"
#include "ValueCodecs.h"

#include "ui/SysUtils.h"

#include <QShowEvent>

#include <cmath>

namespace {

const QString kBypassCaption = QStringLiteral("   BYPASS   ");

// A real number's whole part as an int, held within +-10^9 (NaN gives 0).
int Trunc(double v) {
    if (!std::isfinite(v)) return 0;
    return int(std::clamp(std::trunc(v), -1.0e9, 1.0e9));
}

}  // namespace

TCustomPEQTable::TCustomPEQTable(TComponent* owner, TBandTableKind kind) : TRzGroupBox(owner), FKind(std::move(kind)) {
    for (int t = 0; t < FKind.TypeTexts.size(); ++t) FEqTypeString << QString();
    FChannelNumber = FKind.Capacity;
    FTopBottomSpace = 15;
    SetBounds(Left(), Top(), 490, 420);
    SetCaption(QString());
    FRows.resize(std::size_t(FKind.Capacity));
    // Every row starts with the same texts and font colour and in the construction's layout;
    // row 0 is made now, the others when first needed.
    FFirstFontColor = Font().Color();
    FFirstFreqText = FreqText(1000);
    FFirstQText = QText(0);
    FFirstGainText = GainPositionText(0);
    LayOut(true);
}

TCustomPEQTable::~TCustomPEQTable() { DestroyComponents(); }

TCustomPEQTable::Row& TCustomPEQTable::RowAt(int i) const {
    auto* self = const_cast<TCustomPEQTable*>(this);
    if (!Built(i)) self->BuildRowsTo(i);
    return self->FRows[std::size_t(i)];
}

void TCustomPEQTable::BuildRowsTo(int i) {
    if (FBuiltRows > i) return;
    // A control's repaint while the rows are made would paint the table (and lay it out)
    // in the middle of it: the table shows the new rows once, afterwards.
    const bool updates = updatesEnabled();
    if (updates) setUpdatesEnabled(false);
    for (; FBuiltRows <= i; ++FBuiltRows) {
        const int r = FBuiltRows;
        BuildRow(r);
        Row& row = FRows[std::size_t(r)];
        const std::initializer_list<TControl*> controls{row.number, row.freqEdit, row.qEdit, row.gainEdit, row.type, row.bypass};
        // The construction's layout, and a later layout's hiding (a row that a later layout
        // shows is made by that layout).
        PlaceRow(r, FFirstPlace, true);
        if (!FFirstLayoutStands) {
            for (TControl* c : controls) {
                c->Hide();
                c->SetTop(10000);
            }
        }
    }
    if (updates) setUpdatesEnabled(true);
}

void TCustomPEQTable::BuildRow(int r) {
    Row& row = FRows[std::size_t(r)];
    row.number = new TRzLabel(this);
    row.number->SetParent(this);
    TFont numberFont = Font();
    numberFont.SetSize(12);
    numberFont.SetColor(r < int(FKind.NumberColors.size()) ? FKind.NumberColors[std::size_t(r)] : clBlack);
    row.number->SetFont(numberFont);
    row.number->SetAutoSize(false);
    row.number->SetAlignment(taCenter);
    row.number->SetTransparent(true);
    row.number->SetCaption(QString::number(r + 1));

    // The table's font in the colour the rows were made with (a later font keeps it).
    TFont font = Font();
    font.SetColor(FFirstFontColor);
    const auto field = [this, r, &font](const QString& text, void (TCustomPEQTable::*entered)(int)) {
        auto* edit = new TEdit(this);
        edit->SetParent(this);
        edit->SetAlignment(taCenter);
        edit->SetMaxLength(7);
        edit->SetTag(r);
        edit->SetFont(font);
        edit->SetText(text);
        edit->OnExit = [this, r, entered](TComponent*) { (this->*entered)(r); };
        edit->OnKeyDown = [this, r, entered](TComponent*, TKey& key, TShiftState) {
            if (key == VK_RETURN) (this->*entered)(r);
        };
        edit->OnMouseDown = [this, r](TComponent*, TMouseButton button, TShiftState shift, int x, int y) {
            MoveCurrent(r);
            if (OnEditMouseDown) OnEditMouseDown(this, button, shift, x, y);
        };
        return edit;
    };
    row.freqEdit = field(FKind.FirstFreqIsRowNumber ? QString::number(r) : FFirstFreqText, &TCustomPEQTable::FrequencyEntered);
    row.qEdit = field(FFirstQText, &TCustomPEQTable::QEntered);
    row.gainEdit = field(FFirstGainText, &TCustomPEQTable::GainEntered);

    row.type = new TRzComboBox(this, csDropDownList);
    row.type->SetParent(this);
    row.type->ClearItems();
    row.type->SetTag(r);
    row.type->SetFont(font);
    row.type->OnChange = [this, r](TComponent*) {
        MoveCurrent(r);
        Change();
    };
    row.type->OnMouseWheel = [this](TComponent* sender, TShiftState shift, int delta, QPoint pos, bool& handled) {
        if (OnPeqTypeMouseWheel) OnPeqTypeMouseWheel(sender, shift, delta, pos, handled);
    };

    row.bypass = new TRzButton(this);
    row.bypass->SetParent(this);
    row.bypass->SetThemeAware(false);
    row.bypass->SetTag(r);
    row.bypass->SetFont(font);
    row.bypass->OnClick = [this, r](TComponent*) {
        MoveCurrent(r);
        Row& b = FRows[std::size_t(r)];
        if (b.bypassFlag != 0) {
            b.bypassFlag = 0;
            b.bypass->SetColor(FBypassBackColor);
        } else {
            b.bypassFlag = 1;
            b.bypass->SetColor(kBypassedColor);
        }
        Change();
    };
}

// ---- Layout ----

void TCustomPEQTable::RePaint() { LayOut(false); }

void TCustomPEQTable::PlaceRow(int r, const RowPlace& place, bool first) {
    Row& row = FRows[std::size_t(r)];
    const int x0 = 12 + 20;
    const int c = place.column;
    const int top = place.spaceAbove + place.rowHeight * r + 8;
    row.number->SetCaption(QString::number(r + 1));
    if (first && FFirstNumberHeight == 0) FFirstNumberHeight = row.number->Canvas().TextHeight("0") + 2;
    row.number->SetBounds(12, top, 20, first ? FFirstNumberHeight : row.number->Canvas().TextHeight("0") + 2);
    const int fieldHeight = row.freqEdit->Height();
    row.freqEdit->SetBounds(x0 + 8, top - 1, place.fieldWidth, fieldHeight);
    row.qEdit->SetBounds(x0 + c + 16, top - 1, place.fieldWidth, fieldHeight);
    row.gainEdit->SetBounds(x0 + 2 * c + 24, top - 1, place.fieldWidth, fieldHeight);
    row.type->SetBounds(x0 + 3 * c + 32, top - 1, c + 8, std::max(place.rowHeight, 1));
    // The lists are first filled when the window is created; the layout made at
    // construction leaves them empty, so creation's entries stand alone.
    if (!first && FWindowCreated) {
        row.type->ClearItems();
        for (const QString& text : FEqTypeString) row.type->Add(text);
        row.type->SetItemIndex(0);
    }
    row.bypass->SetBounds(x0 + 4 * c + 46, top - 1, c - 14, row.gainEdit->Height());
    // The construction's layout ran before any caption was given.
    row.bypass->SetCaption(first ? QString() : FBypassString);
    for (TControl* c2 : std::initializer_list<TControl*>{row.number, row.freqEdit, row.qEdit, row.gainEdit, row.type, row.bypass})
        c2->Show();
}

void TCustomPEQTable::LayOut(bool force) {
    if (!force && Width() == FLayoutWidth && Height() == FLayoutHeight) return;
    const bool first = FBuiltRows == 0;
    const int title = FTitleVisable ? 13 : 0;
    FLayoutWidth = Width();
    FLayoutHeight = Height();
    RowPlace place;
    place.spaceAbove = FTopBottomSpace + title;
    place.column = (Width() - 68) / 5;
    place.fieldWidth = FUpdownVisable ? place.column - 20 : place.column;
    // A table without rows has no row height (and no division by zero).
    place.rowHeight = FChannelNumber >= 1 ? (Height() - FTopBottomSpace - title - 16) / FChannelNumber : 0;
    const int rows = std::min(FChannelNumber, int(FRows.size()));
    if (first) {
        // The construction: every row is placed by this layout when it is made.
        FFirstPlace = place;
        if (!FRows.empty()) BuildRowsTo(0);
    } else {
        FFirstLayoutStands = false;
        if (rows > 0) BuildRowsTo(rows - 1);
    }
    if (!FRows.empty()) FNormalFontColor = FRows[0].freqEdit->Font().Color();
    if (first) return;
    for (int r = 0; r < FBuiltRows; ++r) {
        Row& row = FRows[std::size_t(r)];
        if (r >= rows) {
            for (TControl* c2 : std::initializer_list<TControl*>{row.number, row.freqEdit, row.qEdit, row.gainEdit, row.type, row.bypass}) {
                c2->Hide();
                c2->SetTop(10000);
            }
            continue;
        }
        PlaceRow(r, place, false);
    }
}

void TCustomPEQTable::Paint() {
    // Rows still in the construction's layout show now.
    if (FFirstLayoutStands && !FRows.empty()) BuildRowsTo(int(FRows.size()) - 1);
    TRzGroupBox::Paint();
    RePaint();
}

void TCustomPEQTable::resizeEvent(QResizeEvent* event) { TRzGroupBox::resizeEvent(event); }

void TCustomPEQTable::showEvent(QShowEvent* event) {
    if (FFirstLayoutStands && !FRows.empty()) BuildRowsTo(int(FRows.size()) - 1);
    TRzGroupBox::showEvent(event);
    if (!FWindowCreated) CreateWnd();
}

void TCustomPEQTable::CreateWnd() {
    if (FWindowCreated) return;
    FWindowCreated = true;
    FEqTypeString = FKind.TypeTexts;
    FBypassString = kBypassCaption;
    for (int r = 0; r < std::min(FChannelNumber, int(FRows.size())); ++r) {
        TRzComboBox* list = RowAt(r).type;
        for (const QString& text : FEqTypeString) list->Add(text);
        if (FKind.CreateWndSelectsItem1) list->SetItemIndex(1);
    }
}

// ---- Properties ----

void TCustomPEQTable::SetUpdownVisable(bool value) {
    if (value == FUpdownVisable) return;
    FUpdownVisable = value;
    RePaint();
}

void TCustomPEQTable::SetTitleVisable(bool value) {
    if (value == FTitleVisable) return;
    FTitleVisable = value;
    RePaint();
}

void TCustomPEQTable::SetChannelNumber(int value) {
    if (value == FChannelNumber) return;
    FChannelNumber = std::min(value, FKind.Capacity);
    if (FKind.ChannelNumberRepaints) {
        Repaint();
        RePaint();
    } else {
        Change();
    }
}

void TCustomPEQTable::SetLabelColor(TColor value) {
    if (value == FLabelColor) return;
    FLabelColor = value;
    RePaint();
}

void TCustomPEQTable::SetEditBackColor(TColor value) {
    if (value == FEditBackColor) return;
    FEditBackColor = value;
    for (int r = 0; r < std::min(FChannelNumber, int(FRows.size())); ++r) {
        Row& row = RowAt(r);
        for (TControl* c : std::initializer_list<TControl*>{row.freqEdit, row.qEdit, row.gainEdit, row.type}) c->SetColor(value);
    }
    RePaint();
}

void TCustomPEQTable::SetBypassBackColor(TColor value) {
    if (value == FBypassBackColor) return;
    FBypassBackColor = value;
    for (int r = 0; r < std::min(FChannelNumber, int(FRows.size())); ++r) RowAt(r).bypass->SetColor(value);
    RePaint();
}

void TCustomPEQTable::SetFont(const TFont& font) {
    TRzGroupBox::SetFont(font);
    // Rows made later take the font when they are made.
    for (int r = 0; r < FBuiltRows; ++r) {
        Row& row = FRows[std::size_t(r)];
        for (TControl* c : std::initializer_list<TControl*>{row.freqEdit, row.qEdit, row.gainEdit, row.type, row.bypass}) {
            TFont f = font;
            f.SetColor(c->Font().Color());
            c->SetFont(f);
        }
        TFont n = font;
        n.SetSize(12);
        n.SetColor(row.number->Font().Color());
        row.number->SetFont(n);
    }
}

// ---- Texts ----

QString TCustomPEQTable::QText(int position) const {
    // A position beyond the table (from a file or the unit) reads the table's nearest end.
    const double q = QTableValue(position);
    if (FKind.Formats == TBandTableKind::CFormats) return Sprintf("%1.2f", q);
    return FixedText3(q, RunTimeDecimalSeparator());
}

QString TCustomPEQTable::GainText(double dB) const {
    if (FKind.Formats == TBandTableKind::CFormats) return Sprintf("%1.1fdB", dB);
    return GeneralText(dB, RunTimeDecimalSeparator()) + QStringLiteral("dB");
}

QString TCustomPEQTable::GainPositionText(int position) const {
    return GainText(double(position) / FKind.GainStepsPerDb);
}

void TCustomPEQTable::ShowFreq(int row) {
    double hz = PositionToFreq(RowAt(row).freq);
    if (FKind.SinglePrecision) hz = float(hz);
    RowAt(row).freqEdit->SetText(FreqText(hz));
}

int TCustomPEQTable::SnapFrequency(double hz) const {
    if (FKind.Formats == TBandTableKind::CFormats) return SnapFrequencyPrintf(hz);
    return SnapFrequencyRunTime(hz, RunTimeDecimalSeparator());
}

int TCustomPEQTable::GainPositionOf(double dB) const {
    if (FKind.GainStepsPerDb == 2) return Trunc(double(2.0f * float(dB)));
    return Trunc(dB * 10);
}

// ---- Getters and setters ----

double TCustomPEQTable::GetFreqValue(int i) const { return PositionToFreq(FRows[std::size_t(i)].freq); }
double TCustomPEQTable::GetQValue(int i) const { return QTableValue(FRows[std::size_t(i)].q); }
double TCustomPEQTable::GetGainValue(int i) const {
    return FRows[std::size_t(i)].gain * (FKind.GainStepsPerDb == 2 ? 0.5 : 0.1);
}
int TCustomPEQTable::GetTypeValue(int i) const { return RowAt(i).type->ItemIndex(); }
bool TCustomPEQTable::GetBypassValue(int i) const { return FRows[std::size_t(i)].bypassFlag != 0; }

void TCustomPEQTable::SetFreqValue(int i, double hz) {
    if (FKind.SinglePrecision) hz = float(hz);
    RowAt(i).freq = SnapFrequency(hz);
    ShowFreq(i);
    Change();
}

void TCustomPEQTable::SetQValue(int i, double qIndex) {
    if (FKind.SinglePrecision) qIndex = float(qIndex);
    Row& row = RowAt(i);
    row.q = Trunc(qIndex);
    row.qEdit->SetText(QText(row.q));
    Change();
}

void TCustomPEQTable::SetGainValue(int i, double dB) {
    if (FKind.SinglePrecision) dB = float(dB);
    Row& row = RowAt(i);
    row.gain = GainPositionOf(dB);
    row.gainEdit->SetText(GainText(dB));
    Change();
}

void TCustomPEQTable::SetTypeValue(int i, int type) {
    RowAt(i).type->SetItemIndex(type);
    Change();
}

void TCustomPEQTable::SetBypassValue(int i, bool bypass) {
    FRows[std::size_t(i)].bypassFlag = bypass ? 1 : 0;
    Change();
}

void TCustomPEQTable::SetEqParamValue(int i, double hz, double qIndex, double dB, int type, bool bypass) {
    if (FKind.SinglePrecision) {
        hz = float(hz);
        qIndex = float(qIndex);
        dB = float(dB);
    }
    Row& row = RowAt(i);
    row.freq = SnapFrequency(hz);
    ShowFreq(i);
    row.gain = FKind.GainStepsPerDb == 2 ? GainPositionOf(dB) : SnapGainTenths(dB);
    row.gainEdit->SetText(GainText(dB));
    row.type->SetItemIndex(type);
    row.bypassFlag = bypass ? 1 : 0;
    row.q = Trunc(qIndex);
    row.qEdit->SetText(QText(row.q));
    Change();
}

void TCustomPEQTable::SetColor(int i, TColor color) {
    if (i < 0 || i >= FChannelNumber || i >= int(FRows.size())) return;
    Row& row = RowAt(i);
    for (TEdit* edit : {row.gainEdit, row.qEdit, row.freqEdit}) {
        TFont f = edit->Font();
        f.SetColor(color);
        edit->SetFont(f);
    }
}

void TCustomPEQTable::SetNowIndex(int i) {
    if (i == -1) {
        SetColor(FNowIndex, FNormalFontColor);
    } else if (i != FNowIndex) {
        SetColor(FNowIndex, FNormalFontColor);
        FNowIndex = i;
        SetColor(i, kHighlightColor);
    } else if (i != FPrevIndex) {
        SetColor(FPrevIndex, FNormalFontColor);
        FPrevIndex = FNowIndex;
        SetColor(FNowIndex, kHighlightColor);
    }
}

void TCustomPEQTable::SetEqTypeString(const QString& text, int i) {
    if (i >= 0 && i < FEqTypeString.size()) FEqTypeString[i] = text;
}

void TCustomPEQTable::ChangeLanguage() {
    for (int r = 0; r < std::min(FChannelNumber, int(FRows.size())); ++r) {
        Row& row = RowAt(r);
        const int selected = row.type->ItemIndex();
        row.type->ClearItems();
        for (const QString& text : FEqTypeString) row.type->Add(text);
        row.type->SetItemIndex(selected);
        row.bypass->SetCaption(FBypassString);
    }
}

void TCustomPEQTable::Change() {
    if (!OnChange) return;
    for (int r = 0; r < std::min(FChannelNumber, int(FRows.size())); ++r) {
        Row& row = RowAt(r);
        row.bypass->SetColor(row.bypassFlag == 1 ? kBypassedColor : FBypassBackColor);
    }
    OnChange(this);
}

// ---- Typed entry ----

void TCustomPEQTable::MoveCurrent(int row) {
    FPrevIndex = FNowIndex;
    FNowIndex = row;
}

void TCustomPEQTable::EntryDone(int r) {
    MoveCurrent(r);
    Change();
}

void TCustomPEQTable::FrequencyEntered(int r) {
    Row& row = RowAt(r);
    EnterTypedValue(
        row.freqEdit, ParseFrequencyEntry(row.freqEdit->Text()),
        [&](int index) {
            row.freq = index - kFreqIndex1kHz;
            ShowFreq(r);
        },
        [&] {
            double hz = PositionToFreq(row.freq);
            if (FKind.SinglePrecision) hz = float(hz);
            return FreqText(hz);
        },
        [&] { EntryDone(r); });
}

void TCustomPEQTable::QEntered(int r) {
    Row& row = RowAt(r);
    EnterTypedValue(
        row.qEdit, ParseQEntry(row.qEdit->Text()),
        [&](int index) {
            row.q = index;
            row.qEdit->SetText(QText(row.q));
        },
        [&] { return QText(row.q); }, [&] { EntryDone(r); });
}

void TCustomPEQTable::GainEntered(int r) {
    Row& row = RowAt(r);
    EnterTypedValue(
        row.gainEdit, ParseGainEntry(row.gainEdit->Text()),
        [&](double dB) {
            // The typed value in single precision makes a one-decimal value an exact step.
            const float steps = float(dB * FKind.GainStepsPerDb);
            row.gain = Trunc(double(steps));
            row.gainEdit->SetText(GainPositionText(row.gain));
        },
        [&] { return GainPositionText(row.gain); }, [&] { EntryDone(r); });
}
