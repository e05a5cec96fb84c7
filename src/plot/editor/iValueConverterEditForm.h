#pragma once
// A small modal window that enters one floating-point value in the units the plot shows it
// in: a time interval (days to milliseconds, or weeks), a calendar date and time, or a price
// in whole units, 32nds and 256ths. Every page shows the same value.
#include "editor/iEditorBasicComponents.h"

class QDateEdit;
class QTimeEdit;

// What each page shows for a value.
struct TiValueConverterParts {
    double Days = 0;   // whole days of the working value
    double Weeks = 0;  // whole weeks of those days
    int Hour = 0, Minute = 0, Second = 0, MSec = 0;
    double PriceInteger = 0;
    int Price32nds = 0;   // 0..31
    int Price256ths = 0;  // 0..7
    double WorkingValue = 0;

    // Values above 1e14 in magnitude show only their fraction on the interval and date pages;
    // whole parts are truncated in double (no integer overflow), and the price parts are held
    // to their pickers' ranges.
    static TiValueConverterParts Of(double x);
};

class TiValueConverterEditForm : public TiCustomEditorForm {
public:
    explicit TiValueConverterEditForm(TComponent* owner);

    double Value() const;
    void SetValue(double x);
    void SelectPage(TiValueConverterPageType page);
    TiComponentEditorPageControl* Pages() const { return FPages; }

    // The page handlers.
    void TimeChange();
    void WeeksChange();
    void DateTimePickerChange();
    void Price32Change();
    void SetNowButtonClick();
    void SetAllToZeroClick();

private:
    TiComponentEditorEdit* AddEdit(TWinControl* page, const QString& name, const QString& caption, int row,
                                   int min, int max, int step, TNotifyEvent onUpdate);
    double TimeOfDay() const;
    TiComponentEditorEdit* FValueEdit;
    TiComponentEditorPageControl* FPages;
    TiComponentEditorEdit *FDays, *FHours, *FMinutes, *FSeconds, *FMSecs, *FWeeks;
    TiComponentEditorEdit *FPriceInteger, *FPrice32nds, *FPrice256ths;
    QDateEdit* FDate;
    QTimeEdit* FTime;
};
