#pragma once
// The EQ band table: a framed group box that shows the parametric-EQ bands of one channel,
// one row per band: its number, frequency, Q and gain as typed-in fields, its filter type as
// a drop-down list and a bypass button. The table keeps each band's values as positions on
// the grids of the value codecs, reads what the user types, writes positions back as text,
// and reports every change, by the user or by a setter, through OnChange.
//
// The table variants differ only in what TBandTableKind describes: the row capacity, the
// type names, the number colours, the number formats, the gain step and a few setter rules.
#include "RzButton.h"
#include "RzComboBox.h"
#include "RzLabel.h"
#include "RzPanel.h"

#include "ui/TEdit.h"

#include <QStringList>

#include <vector>

struct TBandTableKind {
    enum TTextFormats {
        CFormats,       // "%1.2f" Q, "%1.1fdB" gain, two-decimal frequency snapping
        RunTimeFormats  // fixed 3-digit Q, shortest gain text, 3-digit frequency snapping
    };
    int Capacity = 50;               // rows built at construction
    QStringList TypeTexts;           // the built-in type names, in type order
    std::vector<TColor> NumberColors;  // colour of row r's number (r below the list's size)
    TTextFormats Formats = CFormats;
    int GainStepsPerDb = 10;         // tenths (10) or half decibels (2)
    bool SinglePrecision = false;    // setter arguments and working values are floats
    bool FirstFreqIsRowNumber = true;  // a new row shows its number, else "1.00KHz"
    bool ChannelNumberRepaints = false;  // the ChannelNumber setter repaints instead of Change
    bool CreateWndSelectsItem1 = false;  // window creation selects the second type
};

// What a mouse wheel over a type list reports; handled keeps the list out of it.
using TPeqWheelEvent = TMouseWheelEvent;

class TCustomPEQTable : public TRzGroupBox {
    Q_OBJECT
    Q_PROPERTY(bool UpdownVisable READ UpdownVisable WRITE SetUpdownVisable)
    Q_PROPERTY(bool TitleVisable READ TitleVisable WRITE SetTitleVisable)
    Q_PROPERTY(int TopBottomSpace READ TopBottomSpace WRITE SetTopBottomSpace)
    Q_PROPERTY(int ChannelNumber READ GetChannelNumber WRITE SetChannelNumber)
    Q_PROPERTY(TColor LabelColor READ LabelColor WRITE SetLabelColor)
    Q_PROPERTY(TColor EditBackColor READ EditBackColor WRITE SetEditBackColor)
    Q_PROPERTY(TColor BypassBackColor READ BypassBackColor WRITE SetBypassBackColor)
public:
    ~TCustomPEQTable() override;

    bool UpdownVisable() const { return FUpdownVisable; }
    void SetUpdownVisable(bool value);
    bool TitleVisable() const { return FTitleVisable; }
    void SetTitleVisable(bool value);
    int TopBottomSpace() const { return FTopBottomSpace; }
    void SetTopBottomSpace(int value) { FTopBottomSpace = value; }
    int GetChannelNumber() const { return FChannelNumber; }
    void SetChannelNumber(int value);
    TColor LabelColor() const { return FLabelColor; }
    void SetLabelColor(TColor value);
    TColor EditBackColor() const { return FEditBackColor; }
    void SetEditBackColor(TColor value);
    TColor BypassBackColor() const { return FBypassBackColor; }
    void SetBypassBackColor(TColor value);

    // Band values of row i (0-based; the row is not checked).
    double GetFreqValue(int i) const;
    double GetQValue(int i) const;
    double GetGainValue(int i) const;
    int GetTypeValue(int i) const;
    bool GetBypassValue(int i) const;
    void SetFreqValue(int i, double hz);
    // The argument is a Q index (its whole part), not a Q value.
    void SetQValue(int i, double qIndex);
    void SetGainValue(int i, double dB);
    void SetTypeValue(int i, int type);
    void SetBypassValue(int i, bool bypass);
    // All five values of a band; OnChange once, at the end.
    void SetEqParamValue(int i, double hz, double qIndex, double dB, int type, bool bypass);

    // The current row and its highlight: -1 only removes the highlight; a row outside the
    // table colours nothing.
    void SetNowIndex(int i);
    int GetNowIndex() const { return FNowIndex; }
    // The font colour of row i's value fields (nothing outside 0 .. ChannelNumber - 1).
    void SetColor(int i, TColor color);
    using TRzGroupBox::SetColor;
    void SetEqTypeString(const QString& text, int i);
    void SetBypassString(const QString& text) { FBypassString = text; }
    // Puts the current type names and bypass caption into the rows, keeping each selection.
    void ChangeLanguage();
    // The window's creation: the built-in texts, appended to every row's type list.
    void CreateWnd();

    // The positions as stored (for the main window and tests).
    int FreqPosition(int i) const { return FRows[std::size_t(i)].freq; }
    int QPosition(int i) const { return FRows[std::size_t(i)].q; }
    int GainPosition(int i) const { return FRows[std::size_t(i)].gain; }
    int PrevIndex() const { return FPrevIndex; }
    // The controls of row i.
    TRzLabel* NumberLabel(int i) const { return RowAt(i).number; }
    TEdit* FreqEdit(int i) const { return RowAt(i).freqEdit; }
    TEdit* QEdit(int i) const { return RowAt(i).qEdit; }
    TEdit* GainEdit(int i) const { return RowAt(i).gainEdit; }
    TRzComboBox* TypeList(int i) const { return RowAt(i).type; }
    TRzButton* BypassButton(int i) const { return RowAt(i).bypass; }
    int Capacity() const { return int(FRows.size()); }

    void SetFont(const TFont& font) override;

    TNotifyEvent OnChange;
    TMouseEvent OnEditMouseDown;
    TPeqWheelEvent OnPeqTypeMouseWheel;

    // The bypassed button's colour.
    static constexpr TColor kBypassedColor = 0x8080FF;
    // The current row's font colour.
    static constexpr TColor kHighlightColor = 0x00B000;

protected:
    TCustomPEQTable(TComponent* owner, TBandTableKind kind);

    // Raises OnChange (recolouring the bypass buttons first); nothing without a handler.
    virtual void Change();
    void Paint() override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Lays the rows out again when the size changed since the last layout.
    void RePaint();
    const TBandTableKind& Kind() const { return FKind; }

private:
    struct Row {
        TRzLabel* number = nullptr;
        TEdit* freqEdit = nullptr;
        TEdit* qEdit = nullptr;
        TEdit* gainEdit = nullptr;
        TRzComboBox* type = nullptr;
        TRzButton* bypass = nullptr;
        int freq = 0;
        int q = 0;
        int gain = 0;
        unsigned char bypassFlag = 0;
    };

    // Where the rows go at one layout.
    struct RowPlace {
        int spaceAbove = 0;  // top space and title
        int rowHeight = 0;
        int column = 0;
        int fieldWidth = 0;
    };

    // Row i with its controls. The rows are made when first needed, in order, each as the
    // construction and every layout since would have left it: a row that no layout has shown
    // since the construction's stays hidden until something asks for it, which keeps the
    // unused rows of a large table from costing start-up time and memory.
    Row& RowAt(int i) const;
    bool Built(int i) const { return FRows[std::size_t(i)].number != nullptr; }
    void BuildRowsTo(int i);
    void BuildRow(int r);
    // Places row r's controls for a layout and shows them (first: the construction's layout).
    void PlaceRow(int r, const RowPlace& place, bool first);
    void LayOut(bool force);
    void MoveCurrent(int row);
    QString QText(int position) const;
    QString GainText(double dB) const;
    QString GainPositionText(int position) const;
    int SnapFrequency(double hz) const;
    int GainPositionOf(double dB) const;
    void FrequencyEntered(int row);
    void QEntered(int row);
    void GainEntered(int row);
    // After a typed entry: the row becomes the current one and the change is reported.
    void EntryDone(int row);
    void ShowFreq(int row);

    TBandTableKind FKind;
    std::vector<Row> FRows;
    bool FUpdownVisable = false;
    bool FTitleVisable = false;
    int FTopBottomSpace = 15;
    int FChannelNumber = 50;
    TColor FLabelColor = clBlack;
    TColor FEditBackColor = clWindow;
    TColor FBypassBackColor = clWindow;
    int FLayoutWidth = 0;
    int FLayoutHeight = 0;
    int FNowIndex = 0;
    int FPrevIndex = 0;
    QStringList FEqTypeString;
    QString FBypassString;
    TColor FNormalFontColor = clWindowText;
    bool FWindowCreated = false;
    // Rows 0 .. FBuiltRows - 1 have their controls.
    int FBuiltRows = 0;
    // What the construction gave every row: its layout (shown until a later layout, which
    // hides the rows beyond the channel number), its texts, its font colour and the height
    // of its number.
    RowPlace FFirstPlace;
    bool FFirstLayoutStands = true;
    QString FFirstQText, FFirstGainText, FFirstFreqText;
    TColor FFirstFontColor = clWindowText;
    int FFirstNumberHeight = 0;
};
