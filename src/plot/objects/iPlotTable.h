#pragma once
// A grid of text laid out beside the data view like the legend: column titles above rows of
// cells, with grid lines and a background, and two scroll buttons when there are more rows
// than fit. A row is one text whose lines are its cells, line n for column n.
#include "core/iPlotFont.h"
#include "core/iPlotObjects.h"

#include <QStringList>

#include <memory>
#include <vector>

// A scroll button of the table ("PlotTableUpButton", "PlotTableDownButton").
class TiPlotTableButton : public TiPlotScrollButton {
public:
    TiPlotTableButton(TObject* owner, bool up, TiPlotObject* table);
};

// A column keeps the settings AddColumn gives it; WidthPixels (and Width, for an auto-sized
// column) come from the last layout.
struct TiPlotTableColumn {
    int WidthPixels = 0;
    QString Title;
    double Width = 10;
    bool Visible = true;
    TiAlignmentHorizontal TitleAlignment = iahCenter;
    double TitleAlignmentMargin = 1;
    TColor TitleFontColor = 0;
    TiAlignmentHorizontal DataAlignment = iahCenter;
    double DataAlignmentMargin = 1;
    TColor DataFontColor = 0;
    bool AutoSize = true;
};

class TiPlotTable : public TiPlotLayoutObject {
public:
    TiPlotTable(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                TiNotifyEvent onRename);
    ~TiPlotTable() override;

    const TiPublishedClass& PublishedClass() const override;
    static const TiPublishedClass& Published();
    TiPlotObjectKind Kind() const override { return TiPlotObjectKind::Table; }

    // Columns: no repaint. An index outside the list raises the list's index error.
    int AddColumn(const QString& title);
    void DeleteColumn(int index);
    void RemoveAllColumns();
    int ColumnCount() const { return int(FColumnList.size()); }
    const TiPlotTableColumn& Column(int index) const;
    // Rows start empty; each change repaints.
    int AddRow();
    void DeleteRow(int index);
    void RemoveAllRows();
    int RowCount() const { return int(FRowDataList.size()); }
    // A cell's text: line Column of the row's text (empty beyond its last line).
    QString CellText(int row, int column) const;
    void SetCellText(int row, int column, const QString& text);
    // The first row shown (the layout corrects it so the last page stays full).
    int RowDisplayStartIndex() const { return FItemViewStartIndex; }
    void SetRowDisplayStartIndex(int value) { FItemViewStartIndex = value; }
    int RowDisplayStopIndex() const { return FItemViewStopIndex; }

    // Layout: sizes, the grid and title rectangles, the rows shown and the scroll buttons.
    void CalcLayout(TCanvas& canvas);
    int GetRequiredWidth(TCanvas& canvas) override;
    void Draw(TCanvas& canvas, TColor backGroundColor) override;
    int RequiredWidth() const { return FRequiredWidth; }
    int RequiredHeight() const { return FRequiredHeight; }
    int RowHeight() const { return FRowHeight; }
    TRect GridRect() const { return FGridRect; }
    TRect TitleRect() const { return FTitleRect; }
    TiPlotTableButton* UpButton() const { return FUpButton.get(); }
    TiPlotTableButton* DownButton() const { return FDownButton.get(); }

    TiPlotObject* GetMouseOverObject(int x, int y) override;
    void DoMouseUp(const TiPlotMouseData& mouseData) override;
    void NotificationSetFocus(TObject* sender) override;
    void AddMenuItems(TPopupMenu* popupMenu) override;

    // Published.
    double MarginLeft() const { return FMarginLeft; }
    void SetMarginLeft(double v) { SetProperty(v, FMarginLeft, Notify::Change); }
    double MarginTop() const { return FMarginTop; }
    void SetMarginTop(double v) { SetProperty(v, FMarginTop, Notify::Change); }
    double MarginRight() const { return FMarginRight; }
    void SetMarginRight(double v) { SetProperty(v, FMarginRight, Notify::Change); }
    double MarginBottom() const { return FMarginBottom; }
    void SetMarginBottom(double v) { SetProperty(v, FMarginBottom, Notify::Change); }
    TColor GridBackGroundColor() const { return FGridBackGroundColor; }
    void SetGridBackGroundColor(TColor v) { SetProperty(v, FGridBackGroundColor, Notify::Change); }
    bool GridBackGroundTransparent() const { return FGridBackGroundTransparent; }
    void SetGridBackGroundTransparent(bool v) { SetProperty(v, FGridBackGroundTransparent, Notify::Change); }
    TColor GridLinesColor() const { return FGridLinesColor; }
    void SetGridLinesColor(TColor v) { SetProperty(v, FGridLinesColor, Notify::Change); }
    bool GridLinesShow() const { return FGridLinesShow; }
    void SetGridLinesShow(bool v) { SetProperty(v, FGridLinesShow, Notify::Change); }
    TiPlotFont& DataFont() { return FDataFont; }
    double ColumnSpacing() const { return FColumnSpacing; }
    void SetColumnSpacing(double v) { SetProperty(v, FColumnSpacing, Notify::Change); }
    double RowSpacing() const { return FRowSpacing; }
    void SetRowSpacing(double v) { SetProperty(v, FRowSpacing, Notify::Change); }
    int RowsMax() const { return FRowsMax; }
    void SetRowsMax(int v) { SetProperty(v, FRowsMax, Notify::Change); }
    bool ColumnTitlesVisible() const { return FColumnTitlesVisible; }
    void SetColumnTitlesVisible(bool v) { SetProperty(v, FColumnTitlesVisible, Notify::Change); }
    TiPlotFont& ColumnTitlesFont() { return FColumnTitlesFont; }

private:
    void ScrollUp();
    void ScrollDown();
    // The visible columns' left edges, in column order (hidden columns give -1).
    std::vector<int> ColumnLefts() const;

    std::unique_ptr<TiPlotTableButton> FUpButton, FDownButton;
    int FRequiredWidth = 0, FRequiredHeight = 0;
    std::vector<TiPlotTableColumn> FColumnList;
    QStringList FRowDataList;
    int FItemViewStartIndex = 0, FItemViewStopIndex = -1;
    int FRowHeight = 1;
    double FMarginLeft = 1, FMarginRight = 1, FMarginBottom = 1, FMarginTop = 1;
    bool FGridBackGroundTransparent = false;
    TColor FGridBackGroundColor = 0x808080;
    bool FGridLinesShow = true;
    TColor FGridLinesColor = 0xFFFFFF;
    double FColumnSpacing = 2, FRowSpacing = 0.5;
    int FRowsMax = 0;
    TiPlotFont FDataFont;
    TRect FGridRect, FTitleRect;
    bool FColumnTitlesVisible = true;
    TiPlotFont FColumnTitlesFont;
};
