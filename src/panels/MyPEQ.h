#pragma once
// The simpler band table on the framework's plain controls: a group box with a header row,
// plain labels, fields with visible spinners (which hold the positions), a three-type list
// and a bypass check box per row, gains on a half-decibel grid. No window places it.
#include "ui/TCheckBox.h"
#include "ui/TCustomComboBox.h"
#include "ui/TEdit.h"
#include "ui/TGroupBox.h"
#include "ui/TLabel.h"
#include "ui/TUpDown.h"

#include <vector>

class TMyPEQ : public TGroupBox {
    Q_OBJECT
    Q_PROPERTY(int ChannelNumber READ GetChannelNumber WRITE SetChannelNumber)
public:
    explicit TMyPEQ(TComponent* owner);
    ~TMyPEQ() override;

    static constexpr int kCapacity = 15;

    int GetChannelNumber() const { return FChannelNumber; }
    // Held at 15; the rows follow at the next size change.
    void SetChannelNumber(int value);

    double GetFreqValue(int i) const;
    double GetQValue(int i) const;
    double GetGainValue(int i) const;
    int GetTypeValue(int i) const;
    bool GetBypassValue(int i) const;
    void SetFreqValue(int i, float hz);
    // Sets the position and text only: no OnChange.
    void SetQValue(int i, float qIndex);
    void SetGainValue(int i, float dB);
    void SetTypeValue(int i, int type);
    // Setting a changed state clicks the box as well: two OnChange.
    void SetBypassValue(int i, bool bypass);
    // Font colour of row i's fields and check box (the row is not checked).
    void SetColor(int i, TColor color);
    using TGroupBox::SetColor;
    void CreateWnd();
    int GetNowIndex() const { return FNowIndex; }

    TEdit* FreqEdit(int i) const { return FRows[std::size_t(i)].freqEdit; }
    TEdit* QEdit(int i) const { return FRows[std::size_t(i)].qEdit; }
    TEdit* GainEdit(int i) const { return FRows[std::size_t(i)].gainEdit; }
    TUpDown* FreqUpDown(int i) const { return FRows[std::size_t(i)].freqUpDown; }
    TUpDown* GainUpDown(int i) const { return FRows[std::size_t(i)].gainUpDown; }
    TCustomComboBox* TypeList(int i) const { return FRows[std::size_t(i)].type; }
    TCheckBox* BypassBox(int i) const { return FRows[std::size_t(i)].bypass; }

    TNotifyEvent OnChange;

protected:
    virtual void Change();
    void Paint() override;
    void showEvent(QShowEvent* event) override;

private:
    struct Row {
        TLabel* number = nullptr;
        TEdit* freqEdit = nullptr;
        TEdit* qEdit = nullptr;
        TEdit* gainEdit = nullptr;
        TUpDown* freqUpDown = nullptr;
        TUpDown* qUpDown = nullptr;
        TUpDown* gainUpDown = nullptr;
        TCustomComboBox* type = nullptr;
        TCheckBox* bypass = nullptr;
    };

    void LayOut(bool force);
    QString QText(int position) const;
    QString GainText(int position) const;
    // After a typed entry: the row becomes the current one and the change is reported.
    void EntryDone(int row);
    void FrequencyEntered(int r);
    void QEntered(int r);
    void GainEntered(int r);

    std::vector<Row> FRows;
    std::vector<TLabel*> FHeader;
    int FChannelNumber = kCapacity;
    int FNowIndex = 0;
    int FLayoutWidth = 0;
    int FLayoutHeight = 0;
    bool FWindowCreated = false;
};
