#include "MyPEQ.h"

#include "BandEntry.h"
#include "MarkerPalette.h"
#include "QTable.h"
#include "TypedEntry.h"
#include "ValueCodecs.h"

#include <QShowEvent>

#include <cmath>

TMyPEQ::TMyPEQ(TComponent* owner) : TGroupBox(owner) {
    SetBounds(Left(), Top(), 490, 220);
    SetCaption(QString());
    for (const char* text : {"EQ", "Frequency", "Q", "Gain", "Type"}) {
        auto* l = new TLabel(this);
        l->SetParent(this);
        l->SetCaption(text);
        FHeader.push_back(l);
    }
    FRows.resize(kCapacity);
    for (int r = 0; r < kCapacity; ++r) {
        Row& row = FRows[std::size_t(r)];
        row.number = new TLabel(this);
        row.number->SetParent(this);
        row.number->SetAutoSize(false);
        row.number->SetAlignment(taCenter);
        row.number->SetTransparent(false);
        row.number->SetColor(MarkerPalette[std::size_t(r)]);
        row.number->SetCaption(QString::number(r + 1));
        const auto field = [this, r](const QString& text, void (TMyPEQ::*entered)(int)) {
            auto* edit = new TEdit(this);
            edit->SetParent(this);
            edit->SetMaxLength(7);
            edit->SetTag(r);
            edit->SetText(text);
            edit->OnExit = [this, r, entered](TComponent*) { (this->*entered)(r); };
            edit->OnKeyDown = [this, r, entered](TComponent*, TKey& key, TShiftState) {
                if (key == VK_RETURN) (this->*entered)(r);
            };
            return edit;
        };
        const auto spinner = [this, r](int min, int max, int start, TEdit* edit, std::function<QString(int)> text) {
            auto* ud = new TUpDown(this);
            ud->SetParent(this);
            ud->SetMin(min);
            ud->SetMax(max);
            ud->SetPosition(start);
            ud->SetTag(r);
            ud->OnClick = [this, r, ud, edit, text](TComponent*, TUDBtnType) {
                edit->SetText(text(ud->Position()));
                FNowIndex = r;
                Change();
                if (ud->isVisible()) ud->SetFocus();
            };
            return ud;
        };
        row.freqEdit = field(FreqText(1000), &TMyPEQ::FrequencyEntered);
        row.freqUpDown = spinner(-170, 130, 0, row.freqEdit, [](int p) { return FreqText(double(float(PositionToFreq(p)))); });
        row.qEdit = field(QText(20), &TMyPEQ::QEntered);
        row.qUpDown = spinner(0, 100, 20, row.qEdit, [this](int p) { return QText(p); });
        row.gainEdit = field(GainText(0), &TMyPEQ::GainEntered);
        row.gainUpDown = spinner(-24, 24, 0, row.gainEdit, [this](int p) { return GainText(p); });
        row.type = new TCustomComboBox(this, csDropDownList);
        row.type->SetParent(this);
        row.type->SetTag(r);
        row.type->OnChange = [this, r](TComponent*) {
            FNowIndex = r;
            Change();
        };
        row.bypass = new TCheckBox(this);
        row.bypass->SetParent(this);
        row.bypass->SetCaption("ByPass");
        row.bypass->SetTag(r);
        row.bypass->OnClick = [this, r](TComponent*) {
            FNowIndex = r;
            Change();
        };
    }
    LayOut(true);
}

TMyPEQ::~TMyPEQ() { DestroyComponents(); }

void TMyPEQ::LayOut(bool force) {
    if (!force && Width() == FLayoutWidth && Height() == FLayoutHeight) return;
    FLayoutWidth = Width();
    FLayoutHeight = Height();
    const int n = FChannelNumber;
    const int c = (Width() - 84) / 5;
    // Fewer than one row leaves no row height (and nothing to divide by).
    const int h = n >= 0 ? (Height() - 30 - n) / (n + 1) : 0;
    for (int k = 0; k < int(FHeader.size()); ++k) {
        FHeader[std::size_t(k)]->SetTop(15);
        FHeader[std::size_t(k)]->SetLeft(k == 0 ? 8 : 12 * k + (k - 1) * c + 33);
    }
    const int x0 = 28;
    for (int r = 0; r < kCapacity; ++r) {
        Row& row = FRows[std::size_t(r)];
        const std::initializer_list<TControl*> controls = {row.number, row.freqEdit, row.qEdit, row.gainEdit,
                                                          row.freqUpDown, row.qUpDown, row.gainUpDown, row.type, row.bypass};
        if (r >= n) {
            for (TControl* control : controls) {
                control->Hide();
                control->SetTop(10000);
            }
            continue;
        }
        const int top = h * (r + 1) + 2 * r + 17;
        row.number->SetBounds(8, top, 20, n <= 4 ? 18 : h - 2);
        row.freqEdit->SetBounds(x0 + 12, top, c, h);
        row.qEdit->SetBounds(x0 + c + 24, top - 1, c, h);
        row.gainEdit->SetBounds(x0 + 2 * c + 36, top - 1, c, h);
        row.type->SetBounds(x0 + 3 * c + 48, top - 1, c, h);
        row.bypass->SetBounds(x0 + 4 * c + 60, top - 1, c - 20, h);
        for (auto [ud, edit] : {std::pair{row.freqUpDown, row.freqEdit}, std::pair{row.qUpDown, row.qEdit},
                                std::pair{row.gainUpDown, row.gainEdit}})
            ud->SetBounds(edit->Left() + edit->Width() - 22, edit->Top() + 2, 20, h - 1);
        for (TControl* control : controls) control->Show();
    }
}

void TMyPEQ::Paint() {
    TGroupBox::Paint();
    LayOut(false);
}

void TMyPEQ::showEvent(QShowEvent* event) {
    TGroupBox::showEvent(event);
    if (!FWindowCreated) CreateWnd();
}

void TMyPEQ::CreateWnd() {
    if (FWindowCreated) return;
    FWindowCreated = true;
    for (Row& row : FRows) {
        for (const char* name : {"Peak", "Low Shelf", "High Shelf"}) row.type->AddObject(name, nullptr);
        row.type->SetItemIndex(1);
    }
}

void TMyPEQ::SetChannelNumber(int value) {
    FChannelNumber = std::min(value, kCapacity);
    Repaint();
}

QString TMyPEQ::QText(int position) const {
    return FixedText3(double(float(QTableValue(position))), RunTimeDecimalSeparator());
}

QString TMyPEQ::GainText(int position) const {
    return GeneralText(position * 0.5, RunTimeDecimalSeparator()) + QStringLiteral("dB");
}

double TMyPEQ::GetFreqValue(int i) const { return PositionToFreq(FRows[std::size_t(i)].freqUpDown->Position()); }
double TMyPEQ::GetQValue(int i) const { return float(QTableValue(FRows[std::size_t(i)].qUpDown->Position())); }
double TMyPEQ::GetGainValue(int i) const { return FRows[std::size_t(i)].gainUpDown->Position() * 0.5; }
int TMyPEQ::GetTypeValue(int i) const { return FRows[std::size_t(i)].type->ItemIndex(); }
bool TMyPEQ::GetBypassValue(int i) const { return FRows[std::size_t(i)].bypass->Checked(); }

void TMyPEQ::SetFreqValue(int i, float hz) {
    Row& row = FRows[std::size_t(i)];
    row.freqUpDown->SetPosition(SnapFrequencyPlain(hz));
    row.freqEdit->SetText(FreqText(double(float(PositionToFreq(row.freqUpDown->Position())))));
    Change();
}

void TMyPEQ::SetQValue(int i, float qIndex) {
    Row& row = FRows[std::size_t(i)];
    row.qUpDown->SetPosition(int(std::trunc(std::clamp(qIndex, -1.0e6f, 1.0e6f))));
    row.qEdit->SetText(QText(row.qUpDown->Position()));
}

void TMyPEQ::SetGainValue(int i, float dB) {
    Row& row = FRows[std::size_t(i)];
    row.gainUpDown->SetPosition(int(std::trunc(std::clamp(dB * 2, -1.0e6f, 1.0e6f))));
    row.gainEdit->SetText(GeneralText(double(dB), RunTimeDecimalSeparator()) + QStringLiteral("dB"));
    Change();
}

void TMyPEQ::SetTypeValue(int i, int type) {
    FRows[std::size_t(i)].type->SetItemIndex(type);
    Change();
}

void TMyPEQ::SetBypassValue(int i, bool bypass) {
    FRows[std::size_t(i)].bypass->SetChecked(bypass);
    Change();
}

void TMyPEQ::SetColor(int i, TColor color) {
    Row& row = FRows[std::size_t(std::clamp(i, 0, kCapacity - 1))];
    for (TControl* control : std::initializer_list<TControl*>{row.gainEdit, row.qEdit, row.freqEdit, row.bypass}) {
        TFont f = control->Font();
        f.SetColor(color);
        control->SetFont(f);
    }
}

void TMyPEQ::Change() {
    if (OnChange) OnChange(this);
}

void TMyPEQ::EntryDone(int r) {
    FNowIndex = r;
    Change();
}

void TMyPEQ::FrequencyEntered(int r) {
    Row& row = FRows[std::size_t(r)];
    const auto shown = [&] { return FreqText(double(float(PositionToFreq(row.freqUpDown->Position())))); };
    EnterTypedValue(
        row.freqEdit, ParseFrequencyEntry(row.freqEdit->Text(), false),
        [&](int index) {
            row.freqUpDown->SetPosition(index - kFreqIndex1kHz);
            row.freqEdit->SetText(shown());
        },
        shown, [&] { EntryDone(r); });
}

void TMyPEQ::QEntered(int r) {
    Row& row = FRows[std::size_t(r)];
    EnterTypedValue(
        row.qEdit, ParseQEntry(row.qEdit->Text(), false),
        [&](int index) {
            row.qUpDown->SetPosition(index);
            row.qEdit->SetText(QText(index));
        },
        [&] { return QText(row.qUpDown->Position()); }, [&] { EntryDone(r); });
}

void TMyPEQ::GainEntered(int r) {
    Row& row = FRows[std::size_t(r)];
    EnterTypedValue(
        row.gainEdit, ParseGainEntry(row.gainEdit->Text(), false),
        [&](double dB) {
            row.gainUpDown->SetPosition(int(std::trunc(dB * 2)));
            row.gainEdit->SetText(GainText(row.gainUpDown->Position()));
        },
        [&] { return GainText(row.gainUpDown->Position()); }, [&] { EntryDone(r); });
}
