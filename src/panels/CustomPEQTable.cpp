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
    for (int r = 0; r < FKind.Capacity; ++r) BuildRow(r);
    LayOut(true);
}

TCustomPEQTable::~TCustomPEQTable() { DestroyComponents(); }

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

    const auto field = [this, r](const QString& text, void (TCustomPEQTable::*entered)(int)) {
        auto* edit = new TEdit(this);
        edit->SetParent(this);
        edit->SetAlignment(taCenter);
        edit->SetMaxLength(7);
        edit->SetTag(r);
        edit->SetFont(Font());
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
    row.freqEdit = field(FKind.FirstFreqIsRowNumber ? QString::number(r) : FreqText(1000), &TCustomPEQTable::FrequencyEntered);
    row.qEdit = field(QText(0), &TCustomPEQTable::QEntered);
    row.gainEdit = field(GainPositionText(0), &TCustomPEQTable::GainEntered);

    row.type = new TRzComboBox(this, csDropDownList);
    row.type->SetParent(this);
    row.type->ClearItems();
    row.type->SetTag(r);
    row.type->SetFont(Font());
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
    row.bypass->SetFont(Font());
    row.bypass->SetCaption(FBypassString);
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

void TCustomPEQTable::LayOut(bool force) {
    if (!force && Width() == FLayoutWidth && Height() == FLayoutHeight) return;
    const int title = FTitleVisable ? 13 : 0;
    FLayoutWidth = Width();
    FLayoutHeight = Height();
    const int c = (Width() - 68) / 5;
    // A table without rows has no row height (and no division by zero).
    const int rows = std::min(FChannelNumber, int(FRows.size()));
    const int h = FChannelNumber >= 1 ? (Height() - FTopBottomSpace - title - 16) / FChannelNumber : 0;
    if (!FRows.empty()) FNormalFontColor = FRows[0].freqEdit->Font().Color();
    const int x0 = 12 + 20;
    for (int r = 0; r < int(FRows.size()); ++r) {
        Row& row = FRows[std::size_t(r)];
        if (r >= rows) {
            for (TControl* c2 : std::initializer_list<TControl*>{row.number, row.freqEdit, row.qEdit, row.gainEdit, row.type, row.bypass}) {
                c2->Hide();
                c2->SetTop(10000);
            }
            continue;
        }
        const int top = FTopBottomSpace + title + h * r + 8;
        row.number->SetCaption(QString::number(r + 1));
        row.number->SetBounds(12, top, 20, row.number->Canvas().TextHeight("0") + 2);
        const int fieldWidth = FUpdownVisable ? c - 20 : c;
        const int fieldHeight = row.freqEdit->Height();
        row.freqEdit->SetBounds(x0 + 8, top - 1, fieldWidth, fieldHeight);
        row.qEdit->SetBounds(x0 + c + 16, top - 1, fieldWidth, fieldHeight);
        row.gainEdit->SetBounds(x0 + 2 * c + 24, top - 1, fieldWidth, fieldHeight);
        row.type->SetBounds(x0 + 3 * c + 32, top - 1, c + 8, std::max(h, 1));
        // The lists are first filled when the window is created; the layout made at
        // construction leaves them empty, so creation's entries stand alone.
        if (FWindowCreated) {
            row.type->ClearItems();
            for (const QString& text : FEqTypeString) row.type->Add(text);
            row.type->SetItemIndex(0);
        }
        row.bypass->SetBounds(x0 + 4 * c + 46, top - 1, c - 14, row.gainEdit->Height());
        row.bypass->SetCaption(FBypassString);
        for (TControl* c2 : std::initializer_list<TControl*>{row.number, row.freqEdit, row.qEdit, row.gainEdit, row.type, row.bypass})
            c2->Show();
    }
}

void TCustomPEQTable::Paint() {
    TRzGroupBox::Paint();
    RePaint();
}

void TCustomPEQTable::resizeEvent(QResizeEvent* event) { TRzGroupBox::resizeEvent(event); }

void TCustomPEQTable::showEvent(QShowEvent* event) {
    TRzGroupBox::showEvent(event);
    if (!FWindowCreated) CreateWnd();
}

void TCustomPEQTable::CreateWnd() {
    if (FWindowCreated) return;
    FWindowCreated = true;
    FEqTypeString = FKind.TypeTexts;
    FBypassString = kBypassCaption;
    for (int r = 0; r < std::min(FChannelNumber, int(FRows.size())); ++r) {
        TRzComboBox* list = FRows[std::size_t(r)].type;
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
        Row& row = FRows[std::size_t(r)];
        for (TControl* c : std::initializer_list<TControl*>{row.freqEdit, row.qEdit, row.gainEdit, row.type}) c->SetColor(value);
    }
    RePaint();
}

void TCustomPEQTable::SetBypassBackColor(TColor value) {
    if (value == FBypassBackColor) return;
    FBypassBackColor = value;
    for (int r = 0; r < std::min(FChannelNumber, int(FRows.size())); ++r) FRows[std::size_t(r)].bypass->SetColor(value);
    RePaint();
}

void TCustomPEQTable::SetFont(const TFont& font) {
    TRzGroupBox::SetFont(font);
    for (Row& row : FRows) {
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
    double hz = PositionToFreq(FRows[std::size_t(row)].freq);
    if (FKind.SinglePrecision) hz = float(hz);
    FRows[std::size_t(row)].freqEdit->SetText(FreqText(hz));
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
int TCustomPEQTable::GetTypeValue(int i) const { return FRows[std::size_t(i)].type->ItemIndex(); }
bool TCustomPEQTable::GetBypassValue(int i) const { return FRows[std::size_t(i)].bypassFlag != 0; }

void TCustomPEQTable::SetFreqValue(int i, double hz) {
    if (FKind.SinglePrecision) hz = float(hz);
    FRows[std::size_t(i)].freq = SnapFrequency(hz);
    ShowFreq(i);
    Change();
}

void TCustomPEQTable::SetQValue(int i, double qIndex) {
    if (FKind.SinglePrecision) qIndex = float(qIndex);
    Row& row = FRows[std::size_t(i)];
    row.q = Trunc(qIndex);
    row.qEdit->SetText(QText(row.q));
    Change();
}

void TCustomPEQTable::SetGainValue(int i, double dB) {
    if (FKind.SinglePrecision) dB = float(dB);
    Row& row = FRows[std::size_t(i)];
    row.gain = GainPositionOf(dB);
    row.gainEdit->SetText(GainText(dB));
    Change();
}

void TCustomPEQTable::SetTypeValue(int i, int type) {
    FRows[std::size_t(i)].type->SetItemIndex(type);
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
    Row& row = FRows[std::size_t(i)];
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
    Row& row = FRows[std::size_t(i)];
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
        Row& row = FRows[std::size_t(r)];
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
        Row& row = FRows[std::size_t(r)];
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
    Row& row = FRows[std::size_t(r)];
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
    Row& row = FRows[std::size_t(r)];
    EnterTypedValue(
        row.qEdit, ParseQEntry(row.qEdit->Text()),
        [&](int index) {
            row.q = index;
            row.qEdit->SetText(QText(row.q));
        },
        [&] { return QText(row.q); }, [&] { EntryDone(r); });
}

void TCustomPEQTable::GainEntered(int r) {
    Row& row = FRows[std::size_t(r)];
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
