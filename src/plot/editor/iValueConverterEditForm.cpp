#include "editor/iValueConverterEditForm.h"

#include "rtl/TDateTime.h"
#include "ui/TLabel.h"

#include <QDateEdit>
#include <QTimeEdit>

#include <algorithm>
#include <cmath>

namespace {

const QDate kDateOrigin(1899, 12, 30);

QString WholeText(double v) { return QString::number(v, 'f', 0); }

}  // namespace

TiValueConverterParts TiValueConverterParts::Of(double x) {
    TiValueConverterParts p;
    const double w = std::fabs(x) <= 1e14 ? x : x - std::trunc(x);
    p.WorkingValue = w;
    p.Days = std::trunc(w);
    p.Weeks = std::trunc(p.Days / 7);
    const TTimeParts t = DecodeTime(w);
    p.Hour = t.Hour, p.Minute = t.Minute, p.Second = t.Second, p.MSec = t.MSec;
    p.PriceInteger = std::trunc(x);
    const double f = x - std::trunc(x);
    p.Price32nds = std::clamp(int(std::trunc(f / 0.03125)), 0, 31);
    p.Price256ths = std::clamp(int(std::trunc((f - p.Price32nds / 32.0) / 0.00390625)), 0, 7);
    return p;
}

TiValueConverterEditForm::TiValueConverterEditForm(TComponent* owner) : TiCustomEditorForm(owner) {
    SetCaption(QStringLiteral("Value Converter"));
    resize(330, 250);
    AddLabel(this, QStringLiteral("Value"), 12, 15);
    FValueEdit = new TiComponentEditorEdit(this);
    FValueEdit->SetName(QStringLiteral("ValueEdit"));
    FValueEdit->SetParent(this);
    FValueEdit->SetBounds(80, 12, 238, 21);
    FValueEdit->OnUpdate = [this](TComponent*) { SetValue(Value()); };

    FPages = new TiComponentEditorPageControl(this);
    FPages->SetName(QStringLiteral("PageControl"));
    FPages->SetParent(this);
    FPages->SetBounds(8, 42, 314, 160);
    TWinControl* interval = FPages->AddPage(QStringLiteral("IntervalTabSheet"), QStringLiteral("Interval"));
    TWinControl* dateTime = FPages->AddPage(QStringLiteral("DateTimeTabSheet"), QStringLiteral("Date/Time"));
    TWinControl* price = FPages->AddPage(QStringLiteral("Price32TabSheet"), QStringLiteral("Price 32nds"));

    const TNotifyEvent time = [this](TComponent*) { TimeChange(); };
    FDays = AddEdit(interval, QStringLiteral("DaysEdit"), QStringLiteral("Days"), 0, 0, 0, 1, time);
    FHours = AddEdit(interval, QStringLiteral("HoursEdit"), QStringLiteral("Hours"), 1, 0, 23, 1, time);
    FMinutes = AddEdit(interval, QStringLiteral("MinutesEdit"), QStringLiteral("Minutes"), 2, 0, 59, 1, time);
    FSeconds = AddEdit(interval, QStringLiteral("SecondsEdit"), QStringLiteral("Seconds"), 3, 0, 59, 1, time);
    FMSecs = AddEdit(interval, QStringLiteral("MilliSecondsEdit"), QStringLiteral("mSec"), 4, 0, 999, 100, time);
    FWeeks = AddEdit(interval, QStringLiteral("WeeksEdit"), QStringLiteral("Weeks"), 0, 0, 0, 1,
                     [this](TComponent*) { WeeksChange(); });
    FWeeks->SetLeft(FWeeks->Left() + 150);
    if (auto* spin = dynamic_cast<TiUpDown*>(FindComponent(QStringLiteral("WeeksEditUpDown")))) spin->SetAssociate(FWeeks);
    if (auto* label = dynamic_cast<TLabel*>(FindComponent(QStringLiteral("WeeksEditLabel")))) label->SetLeft(label->Left() + 150);
    auto* zero = new TiComponentEditorButton(this);
    zero->SetName(QStringLiteral("iComponentEditorButton1"));
    zero->SetParent(interval);
    zero->SetCaption(QStringLiteral("Set All To 0"));
    zero->SetBounds(160, 80, 130, 25);
    zero->OnClick = [this](TComponent*) { SetAllToZeroClick(); };

    auto addPicker = [&](QWidget* picker, const QString& caption, int row) {
        AddLabel(dateTime, caption, 12, 14 + row * 30);
        picker->setParent(dateTime);
        picker->setGeometry(12 + 40 + 5, 14 + row * 30 - 3, 137, 22);
        picker->show();
    };
    FDate = new QDateEdit();
    FDate->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    FDate->setMinimumDate(QDate(100, 1, 1));
    FTime = new QTimeEdit();
    FTime->setDisplayFormat(QStringLiteral("HH:mm:ss.zzz"));
    addPicker(FDate, QStringLiteral("Date"), 0);
    addPicker(FTime, QStringLiteral("Time"), 1);
    QObject::connect(FDate, &QDateEdit::editingFinished, FDate, [this] { DateTimePickerChange(); });
    QObject::connect(FTime, &QTimeEdit::editingFinished, FTime, [this] { DateTimePickerChange(); });
    auto* now = new TiComponentEditorButton(this);
    now->SetName(QStringLiteral("SetNowButton"));
    now->SetParent(dateTime);
    now->SetCaption(QStringLiteral("Now"));
    now->SetBounds(12, 80, 75, 25);
    now->OnClick = [this](TComponent*) { SetNowButtonClick(); };

    const TNotifyEvent priceChange = [this](TComponent*) { Price32Change(); };
    FPriceInteger = AddEdit(price, QStringLiteral("PriceIntegerEdit"), QStringLiteral("Integer"), 0, 0, 10000, 1, priceChange);
    FPrice32nds = AddEdit(price, QStringLiteral("Price32ndsEdit"), QStringLiteral("32nds"), 1, 0, 31, 1, priceChange);
    FPrice256ths = AddEdit(price, QStringLiteral("Price256thsEdit"), QStringLiteral("256ths"), 2, 0, 7, 1, priceChange);

    auto* ok = new TiComponentEditorButton(this);
    ok->SetName(QStringLiteral("OkButton"));
    ok->SetParent(this);
    ok->SetCaption(QStringLiteral("OK"));
    ok->SetBounds(160, 214, 75, 25);
    ok->OnClick = [this](TComponent*) { SetModalResult(mrOk); };
    auto* cancel = new TiComponentEditorButton(this);
    cancel->SetName(QStringLiteral("CancelButton"));
    cancel->SetParent(this);
    cancel->SetCaption(QStringLiteral("Cancel"));
    cancel->SetBounds(245, 214, 75, 25);
    cancel->OnClick = [this](TComponent*) { SetModalResult(mrCancel); };
    SetDialogButtons(ok, cancel);
    SetValue(0);
}

TiComponentEditorEdit* TiValueConverterEditForm::AddEdit(TWinControl* page, const QString& name, const QString& caption,
                                                         int row, int min, int max, int step, TNotifyEvent onUpdate) {
    AddLabel(page, caption, 12, 10 + row * 24)->SetName(name + QStringLiteral("Label"));
    auto* edit = new TiComponentEditorEdit(this);
    edit->SetName(name);
    edit->SetParent(page);
    edit->SetBounds(70, 8 + row * 24, 60, 21);
    edit->OnUpdate = std::move(onUpdate);
    auto* spin = new TiUpDown(this);
    spin->SetName(name + QStringLiteral("UpDown"));
    spin->SetParent(page);
    spin->Min = min, spin->Max = max, spin->Increment = step;
    spin->SetAssociate(edit);
    return edit;
}

double TiValueConverterEditForm::Value() const { return FValueEdit->AsFloat(); }

void TiValueConverterEditForm::SetValue(double x) {
    const TiValueConverterParts p = TiValueConverterParts::Of(x);
    FValueEdit->SetAsFloat(x);
    const QSignalBlocker b1(FDate), b2(FTime);
    // The pickers hold only the dates they can show.
    const double days = std::clamp(p.Days, double(kDateOrigin.daysTo(FDate->minimumDate())),
                                   double(kDateOrigin.daysTo(FDate->maximumDate())));
    FDate->setDate(kDateOrigin.addDays(qint64(days)));
    FTime->setTime(QTime(p.Hour, p.Minute, p.Second, p.MSec));
    FDays->SetAsString(WholeText(p.Days));
    FWeeks->SetAsString(WholeText(p.Weeks));
    FHours->SetAsInteger(p.Hour);
    FMinutes->SetAsInteger(p.Minute);
    FSeconds->SetAsInteger(p.Second);
    FMSecs->SetAsInteger(p.MSec);
    FPriceInteger->SetAsString(WholeText(p.PriceInteger));
    FPrice32nds->SetAsInteger(p.Price32nds);
    FPrice256ths->SetAsInteger(p.Price256ths);
}

void TiValueConverterEditForm::SelectPage(TiValueConverterPageType page) { FPages->SetActivePageIndex(int(page)); }

double TiValueConverterEditForm::TimeOfDay() const {
    return EncodeTime(FHours->AsInteger(), FMinutes->AsInteger(), FSeconds->AsInteger(), FMSecs->AsInteger());
}

void TiValueConverterEditForm::TimeChange() { SetValue(std::trunc(FDays->AsFloat()) + TimeOfDay()); }

void TiValueConverterEditForm::WeeksChange() { SetValue(std::trunc(FWeeks->AsFloat()) * 7 + TimeOfDay()); }

void TiValueConverterEditForm::DateTimePickerChange() {
    const QTime t = FTime->time();
    SetValue(double(kDateOrigin.daysTo(FDate->date())) + t.msecsSinceStartOfDay() / kMSecsPerDay);
}

void TiValueConverterEditForm::Price32Change() {
    FValueEdit->SetAsFloat(std::trunc(FPriceInteger->AsFloat()) + FPrice32nds->AsInteger() / 32.0 +
                           FPrice256ths->AsInteger() / 256.0);
}

void TiValueConverterEditForm::SetNowButtonClick() { SetValue(Now()); }

void TiValueConverterEditForm::SetAllToZeroClick() { SetValue(0); }
