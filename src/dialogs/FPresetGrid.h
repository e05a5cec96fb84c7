#pragma once
// The two preset grids: the recall grid (the factory preset F00 and the user presets U01 to
// U30) and the store grid (U01 to U30). Each row is a record, the preset label and its 14
// name bytes as the unit holds them, and the grid is drawn from the records, so a name can
// never shift another row. Choosing a row opens the name dialog for that preset.
#include "ui/TForm.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class QTableWidget;
class TImage;
class TLabel;
class TRzBmpButton;

class TPresetGridForm : public TForm {
    Q_OBJECT
public:
    static constexpr std::size_t kNameSize = 14;
    using Name = std::array<std::uint8_t, kNameSize>;
    struct Row {
        QString label;  // "F00", "U01" .. "U30"
        Name name;
    };

    TImage* imWorkStatusBase;
    TLabel* lPresetSelect;
    TRzBmpButton* bnCancel;
    QTableWidget* vledPresetName;

    // Replaces the name of a row (rows as the grid numbers them); a row outside the grid is
    // ignored. The name is taken as 14 bytes: cut, or padded with blanks.
    void SetPresetRow(int row, const QString& name);
    void SetPresetRow(int row, const Name& name);
    int RowCount() const { return int(FRows.size()); }
    const Row& GetRow(int row) const { return FRows.at(std::size_t(row)); }
    // A row as one 25-character line: five blanks, the label, "=", two blanks, the name.
    QString RowText(int row) const;
    // The name bytes as a text for the screen: every byte one character, with 0x00 and the
    // other control bytes (CR, LF) shown as blanks.
    static QString DisplayName(const Name& name);

    // Opens the name dialog for data row r (1 for the first row).
    void vledPresetNameSelectCell(int r);
    void bnCancelClick(TComponent* Sender);

protected:
    // firstLabel: "F00" for the recall grid, "U01" for the store grid.
    TPresetGridForm(TComponent* owner, const QString& name, bool withFactory, int height);
    void ShowTitles(const char* captionKey);
    virtual void OpenNameDialog(int r) = 0;

private:
    void Render(int row);

    std::vector<Row> FRows;
};

class TfmRecallPreset : public TPresetGridForm {
    Q_OBJECT
public:
    explicit TfmRecallPreset(TComponent* owner);
    void FormShow(TComponent* Sender);

protected:
    void OpenNameDialog(int r) override;
};

class TfmStorePreset : public TPresetGridForm {
    Q_OBJECT
public:
    explicit TfmStorePreset(TComponent* owner);
    void FormShow(TComponent* Sender);

protected:
    void OpenNameDialog(int r) override;
};

extern TfmRecallPreset* fmRecallPreset;
extern TfmStorePreset* fmStorePreset;
