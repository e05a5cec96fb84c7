#include "objects/iPlotTable.h"

#include "core/iPlotComponent.h"
#include "core/iPlotDrawing.h"
#include "rtl/Exception.h"
#include "rtl/RtlMath.h"

#include <algorithm>

namespace {

// Pixels from settings read from files: held to the drawable range, so no sum overflows.
int Pixels(double v) { return PixelFromDouble(v); }
int Pixels(std::int64_t v) { return ClampPixel(v); }

// A row's cells: the lines of its text, padded with empty lines to Count.
QStringList CellsOf(const QString& rowText, int count) {
    QStringList cells;
    int pos = 0;
    while (pos < rowText.size()) cells << NextTextLine(rowText, pos);
    while (cells.size() < count) cells << QString();
    return cells;
}

unsigned AlignmentFlags(TiAlignmentHorizontal a) {
    return a == iahLeft ? itfLeft : a == iahRight ? itfRight : itfCenter;
}

// A cell or title rectangle with its alignment margin applied.
TRect Aligned(TRect r, TiAlignmentHorizontal a, double margin, int zeroWidth) {
    if (a == iahLeft) r.Left += Pixels(margin * zeroWidth);
    if (a == iahRight) r.Right -= Pixels(margin * zeroWidth);
    return r;
}

}  // namespace

// ---- the scroll buttons ---------------------------------------------------------------

TiPlotTableButton::TiPlotTableButton(TObject* owner, bool up, TiPlotObject* table)
    : TiPlotScrollButton(owner, up, table) {
    SetName(up ? QStringLiteral("PlotTableUpButton") : QStringLiteral("PlotTableDownButton"));
}

// ---- the table ------------------------------------------------------------------------

const TiPublishedClass& TiPlotTable::Published() {
    using namespace published;
    using C = TiPlotTable;
    static const TiPublishedClass info(
        QStringLiteral("TiPlotTable"), &TiPlotLayoutObject::Published(),
        {
            Prop<C>("MarginLeft", &C::MarginLeft, &C::SetMarginLeft),
            Prop<C>("MarginTop", &C::MarginTop, &C::SetMarginTop),
            Prop<C>("MarginRight", &C::MarginRight, &C::SetMarginRight),
            Prop<C>("MarginBottom", &C::MarginBottom, &C::SetMarginBottom),
            Prop<C>("GridBackGroundColor", &C::GridBackGroundColor, &C::SetGridBackGroundColor, 0x808080),
            Prop<C>("GridBackGroundTransparent", &C::GridBackGroundTransparent, &C::SetGridBackGroundTransparent, 0),
            Prop<C>("GridLinesColor", &C::GridLinesColor, &C::SetGridLinesColor),
            Prop<C>("GridLinesShow", &C::GridLinesShow, &C::SetGridLinesShow),
            published::Object<C>("DataFont", &C::DataFont),
            Prop<C>("ColumnSpacing", &C::ColumnSpacing, &C::SetColumnSpacing),
            Prop<C>("RowSpacing", &C::RowSpacing, &C::SetRowSpacing),
            Prop<C>("RowsMax", &C::RowsMax, &C::SetRowsMax),
            // Declared with the value a new table has, so a stored "off" is written and read
            // back (a default of off would drop it and the table would come back with titles).
            Prop<C>("ColumnTitlesVisible", &C::ColumnTitlesVisible, &C::SetColumnTitlesVisible, 1),
            published::Object<C>("ColumnTitlesFont", &C::ColumnTitlesFont),
        });
    return info;
}

const TiPublishedClass& TiPlotTable::PublishedClass() const { return Published(); }

TiPlotTable::TiPlotTable(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                         TiNotifyEvent onRename)
    : TiPlotLayoutObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove), std::move(onRename)) {
    FHorizontal = false;
    TFont font;
    font.SetColor(clWhite);
    font.SetStyle(fsBold);
    FDataFont.Assign(font);
    font.SetColor(0xFFFF00);
    FColumnTitlesFont.Assign(font);
    for (TiPlotFont* f : {&FDataFont, &FColumnTitlesFont}) f->OnChange = [this] { TriggerChange(); };
    FUpButton = std::make_unique<TiPlotTableButton>(owner, true, this);
    FDownButton = std::make_unique<TiPlotTableButton>(owner, false, this);
    FUpButton->SetVisible(false);
    FDownButton->SetVisible(false);
    FUpButton->OnClick = [this](TObject*) { ScrollUp(); };
    FDownButton->OnClick = [this](TObject*) { ScrollDown(); };
}

TiPlotTable::~TiPlotTable() = default;

// ---- columns and rows -----------------------------------------------------------------

int TiPlotTable::AddColumn(const QString& title) {
    TiPlotTableColumn column;
    column.Title = title;
    column.TitleFontColor = FColumnTitlesFont.Color();
    column.DataFontColor = FDataFont.Color();
    FColumnList.push_back(column);
    return ColumnCount() - 1;
}

void TiPlotTable::DeleteColumn(int index) {
    if (index < 0 || index >= ColumnCount()) throw EListError::IndexOutOfBounds(index);
    FColumnList.erase(FColumnList.begin() + index);
}

void TiPlotTable::RemoveAllColumns() { FColumnList.clear(); }

const TiPlotTableColumn& TiPlotTable::Column(int index) const {
    if (index < 0 || index >= ColumnCount()) throw EListError::IndexOutOfBounds(index);
    return FColumnList[std::size_t(index)];
}

int TiPlotTable::AddRow() {
    FRowDataList << QString();
    TriggerChange();
    return RowCount() - 1;
}

void TiPlotTable::DeleteRow(int index) {
    if (index < 0 || index >= RowCount()) throw EListError::IndexOutOfBounds(index);
    FRowDataList.removeAt(index);
    TriggerChange();
}

void TiPlotTable::RemoveAllRows() {
    FRowDataList.clear();
    TriggerChange();
}

QString TiPlotTable::CellText(int row, int column) const {
    if (row < 0 || row >= RowCount()) throw EListError::IndexOutOfBounds(row);
    if (column < 0 || column >= ColumnCount()) throw EListError::IndexOutOfBounds(column);
    return CellsOf(FRowDataList[row], ColumnCount())[column];
}

void TiPlotTable::SetCellText(int row, int column, const QString& text) {
    if (row < 0 || row >= RowCount()) throw EListError::IndexOutOfBounds(row);
    if (column < 0 || column >= ColumnCount()) throw EListError::IndexOutOfBounds(column);
    QStringList cells = CellsOf(FRowDataList[row], ColumnCount());
    // A cell is one line: line breaks in the text would shift the cells after it.
    QString line = text;
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    cells[column] = line;
    FRowDataList[row] = cells.join(QStringLiteral("\r\n"));
    TriggerChange();
}

void TiPlotTable::ScrollUp() {
    if (FItemViewStartIndex > 0) --FItemViewStartIndex;
    InvalidateNow();
}

void TiPlotTable::ScrollDown() {
    if (FItemViewStartIndex < RowCount() - 1) ++FItemViewStartIndex;
    InvalidateNow();
}

// ---- layout ---------------------------------------------------------------------------

void TiPlotTable::CalcLayout(TCanvas& canvas) {
    if (RowCount() == 0 || ColumnCount() == 0) {
        FRequiredWidth = FRequiredHeight = 0;
        return;
    }
    canvas.Font = FColumnTitlesFont.Font();
    const int c = canvas.TextWidth(QStringLiteral("0")), h = canvas.TextHeight(QStringLiteral("0"));
    const int top = Pixels(h * FMarginTop), bottom = Pixels(h * FMarginBottom);
    const int left = Pixels(c * FMarginLeft), right = Pixels(c * FMarginRight);
    FGridRect = {FLeft + left, FTop + top, FRight - right, FBottom - bottom};
    const int titleHeight = FColumnTitlesVisible ? h : 0;
    FTitleRect = {FGridRect.Left, FGridRect.Top, FGridRect.Right, FGridRect.Top + titleHeight};

    canvas.Font = FDataFont.Font();
    const int d = canvas.TextWidth(QStringLiteral("0")), hd = canvas.TextHeight(QStringLiteral("0"));
    // At least one pixel: a negative row spacing must not fold the rows onto each other.
    FRowHeight = std::max(1, hd + Pixels(hd * FRowSpacing));

    int n = RowCount();
    if (FRowsMax > 0 && FRowsMax < n) n = FRowsMax;
    FGridRect.Bottom = Pixels(std::int64_t(FTitleRect.Bottom) + std::int64_t(n) * FRowHeight);
    FRequiredHeight = Pixels(std::int64_t(top) + bottom + titleHeight + std::int64_t(n) * FRowHeight);

    int sum = 0;
    for (TiPlotTableColumn& column : FColumnList) {
        if (!column.Visible) continue;
        if (column.AutoSize) {
            canvas.Font = FColumnTitlesFont.Font();
            int widest = canvas.TextWidth(column.Title) + Pixels(c * FColumnSpacing) + c;
            canvas.Font = FDataFont.Font();
            const int index = int(&column - FColumnList.data());
            for (const QString& row : FRowDataList)
                widest = std::max(widest, canvas.TextWidth(CellsOf(row, ColumnCount())[index]) +
                                              Pixels(d * FColumnSpacing) + d);
            column.WidthPixels = widest;
            column.Width = d > 0 ? widest / d : 0;
        } else {
            column.WidthPixels = Pixels(column.Width * d);
        }
        sum = Pixels(std::int64_t(sum) + column.WidthPixels);
    }
    FRequiredWidth = Pixels(std::int64_t(left) + right + sum);
    FGridRect.Right = FGridRect.Left + sum;

    if (FGridRect.Bottom > FBottom - bottom) {
        // No fewer than no rows where even the titles do not fit.
        n = std::max(0, (FBottom - bottom - FTitleRect.Bottom) / FRowHeight);
        FGridRect.Bottom = FTitleRect.Bottom + n * FRowHeight;
    }

    const bool scrolling = n < RowCount();
    // A disabled table shows no scroll buttons (they could not be pressed).
    const bool buttons = scrolling && FEnabled;
    FUpButton->SetVisible(buttons);
    FDownButton->SetVisible(buttons);
    if (buttons) {
        const int y1 = FTitleRect.Bottom + FRowHeight / 2;
        const int y2 = FGridRect.Bottom - FRowHeight / 2;
        FUpButton->SetDrawRect({FGridRect.Right + 5, y1 - 8, FGridRect.Right + 22, y1 + 9});
        FDownButton->SetDrawRect({FGridRect.Right + 5, y2 - 8, FGridRect.Right + 22, y2 + 9});
        FRequiredWidth = Pixels(std::int64_t(FRequiredWidth) + 17 + 5);
    }
    if (scrolling) {
        FItemViewStopIndex = FItemViewStartIndex + n - 1;
        if (FItemViewStopIndex > RowCount() - 1) {
            FItemViewStopIndex = RowCount() - 1;
            FItemViewStartIndex = RowCount() - n;
        }
        if (FItemViewStartIndex < 0) {
            FItemViewStartIndex = 0;
            FItemViewStopIndex = n - 1;
        }
    } else {
        FItemViewStartIndex = 0;
        FItemViewStopIndex = n - 1;
    }
    FUpButton->SetEnabled(FItemViewStartIndex > 0);
    FDownButton->SetEnabled(FItemViewStopIndex + 1 < RowCount());
}

int TiPlotTable::GetRequiredWidth(TCanvas& canvas) {
    CalcLayout(canvas);
    return FHorizontal ? FRequiredHeight : FRequiredWidth;
}

std::vector<int> TiPlotTable::ColumnLefts() const {
    std::vector<int> lefts;
    int x = FGridRect.Left;
    for (const TiPlotTableColumn& column : FColumnList) {
        lefts.push_back(column.Visible ? x : -1);
        if (column.Visible) x += column.WidthPixels;
    }
    return lefts;
}

// ---- drawing --------------------------------------------------------------------------

void TiPlotTable::Draw(TCanvas& canvas, TColor backGroundColor) {
    if (!FVisible) return;
    CalcLayout(canvas);
    if (RowCount() == 0 || ColumnCount() == 0) return;
    canvas.Brush.Style = bsSolid;
    canvas.Pen.Style = psSolid;
    if (!FGridBackGroundTransparent) {
        canvas.Brush.Color = FGridBackGroundColor;
        canvas.FillRect(FGridRect);
    }
    const std::vector<int> lefts = ColumnLefts();
    const int shown = std::max(0, FItemViewStopIndex - FItemViewStartIndex + 1);
    if (FGridLinesShow) {
        canvas.Pen.Width = 1;
        canvas.Pen.Color = FGridLinesColor;
        auto vertical = [&](int x) {
            canvas.MoveTo(x, FGridRect.Top);
            canvas.LineTo(x, FGridRect.Bottom);
        };
        for (int x : lefts)
            if (x >= 0) vertical(x);
        vertical(FGridRect.Right);
        auto horizontal = [&](int y) {
            canvas.MoveTo(FGridRect.Left, y);
            canvas.LineTo(FGridRect.Right + 1, y);
        };
        horizontal(FGridRect.Top);
        horizontal(FTitleRect.Bottom);
        for (int k = 1; k <= shown; ++k) horizontal(FTitleRect.Bottom + k * FRowHeight);
    }
    auto text = [&](const QString& t, TRect r, TiAlignmentHorizontal a, double margin, int zeroWidth) {
        r = Aligned(r, a, margin, zeroWidth);
        DrawTextFlags(canvas, t, r, backGroundColor, true, AlignmentFlags(a) | itfSingleLine | itfVCenter);
    };
    if (FColumnTitlesVisible) {
        canvas.Font = FColumnTitlesFont.Font();
        canvas.Brush.Style = bsClear;
        const int c0 = canvas.TextWidth(QStringLiteral("0"));
        for (std::size_t i = 0; i < FColumnList.size(); ++i) {
            const TiPlotTableColumn& column = FColumnList[i];
            if (!column.Visible) continue;
            canvas.Font.SetColor(column.TitleFontColor);
            text(column.Title, {lefts[i], FTitleRect.Top, lefts[i] + column.WidthPixels, FTitleRect.Bottom},
                 column.TitleAlignment, column.TitleAlignmentMargin, c0);
        }
    }
    canvas.Font = FDataFont.Font();
    canvas.Brush.Style = bsClear;
    const int d0 = canvas.TextWidth(QStringLiteral("0"));
    for (int k = 0; k < shown; ++k) {
        const int row = FItemViewStartIndex + k;
        if (row < 0 || row >= RowCount()) continue;
        const QStringList cells = CellsOf(FRowDataList[row], ColumnCount());
        const int y = FTitleRect.Bottom + k * FRowHeight;
        for (std::size_t i = 0; i < FColumnList.size(); ++i) {
            const TiPlotTableColumn& column = FColumnList[i];
            if (!column.Visible) continue;
            canvas.Font.SetColor(column.DataFontColor);
            text(cells[int(i)], {lefts[i], y, lefts[i] + column.WidthPixels, y + FRowHeight}, column.DataAlignment,
                 column.DataAlignmentMargin, d0);
        }
    }
    FUpButton->Draw(canvas, backGroundColor);
    FDownButton->Draw(canvas, backGroundColor);
    if (FUserSelected) {
        canvas.Font.SetColor(clWhite);
        canvas.Brush.Style = bsClear;
        TRect r = DrawRect();
        if (FHorizontal) r.Top += 2, r.Bottom -= 2;
        DrawFocusRectangle(canvas, r);
    }
}

// ---- mouse ----------------------------------------------------------------------------

TiPlotObject* TiPlotTable::GetMouseOverObject(int x, int y) {
    auto inside = [x, y](const TRect& r) { return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom; };
    if (FUpButton->Visible() && inside(FUpButton->DrawRect())) FMouseOverObject = FUpButton.get();
    else if (FDownButton->Visible() && inside(FDownButton->DrawRect())) FMouseOverObject = FDownButton.get();
    else FMouseOverObject = this;
    return FMouseOverObject;
}

void TiPlotTable::DoMouseUp(const TiPlotMouseData& d) {
    if (FMouseDown && d.X >= FLeft && d.X < FRight && d.Y >= FTop && d.Y < FBottom && FPlot) FPlot->DoObjectClick(this);
}

void TiPlotTable::NotificationSetFocus(TObject* sender) { DropSelectionFor(sender); }

void TiPlotTable::AddMenuItems(TPopupMenu* popupMenu) {
    TiPlotLayoutObject::AddMenuItems(popupMenu);
    AddEditMenuItem(popupMenu);
}
