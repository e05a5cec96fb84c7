#include "objects/iPlotLegend.h"

#include "core/iPlotAxis.h"
#include "core/iPlotChannelCustom.h"
#include "core/iPlotComponent.h"
#include "core/iPlotDrawing.h"
#include "rtl/RtlMath.h"

#include <algorithm>
#include <cmath>

// ---- the legend -----------------------------------------------------------------------

const TiPublishedClass& TiPlotLegend::Published() {
    using namespace published;
    using C = TiPlotLegend;
    static const TiPublishedClass info(
        QStringLiteral("TiPlotLegend"), &TiPlotLayoutObject::Published(),
        {
            Prop<C>("MarginLeft", &C::MarginLeft, &C::SetMarginLeft),
            Prop<C>("MarginTop", &C::MarginTop, &C::SetMarginTop),
            Prop<C>("MarginRight", &C::MarginRight, &C::SetMarginRight),
            Prop<C>("MarginBottom", &C::MarginBottom, &C::SetMarginBottom),
            Prop<C>("BackGroundColor", &C::BackGroundColor, &C::SetBackGroundColor, 0x808080),
            Prop<C>("BackGroundTransparent", &C::BackGroundTransparent, &C::SetBackGroundTransparent, 1),
            Prop<C>("SelectedItemBackGroundColor", &C::SelectedItemBackGroundColor,
                    &C::SetSelectedItemBackGroundColor, 0x00FFFF),
            published::Object<C>("SelectedItemFont", &C::SelectedItemFont),
            Prop<C>("ShowColumnLine", &C::ShowColumnLine, &C::SetShowColumnLine, 1),
            Prop<C>("ShowColumnMarker", &C::ShowColumnMarker, &C::SetShowColumnMarker, 0),
            Prop<C>("ShowColumnXAxisTitle", &C::ShowColumnXAxisTitle, &C::SetShowColumnXAxisTitle, 0),
            Prop<C>("ShowColumnYAxisTitle", &C::ShowColumnYAxisTitle, &C::SetShowColumnYAxisTitle, 0),
            Prop<C>("ShowColumnXValue", &C::ShowColumnXValue, &C::SetShowColumnXValue, 0),
            Prop<C>("ShowColumnYValue", &C::ShowColumnYValue, &C::SetShowColumnYValue, 0),
            Prop<C>("ShowColumnYMax", &C::ShowColumnYMax, &C::SetShowColumnYMax, 0),
            Prop<C>("ShowColumnYMin", &C::ShowColumnYMin, &C::SetShowColumnYMin, 0),
            Prop<C>("ShowColumnYMean", &C::ShowColumnYMean, &C::SetShowColumnYMean, 0),
            Prop<C>("CaptionColumnTitle", &C::CaptionColumnTitle, &C::SetCaptionColumnTitle),
            Prop<C>("CaptionColumnXAxisTitle", &C::CaptionColumnXAxisTitle, &C::SetCaptionColumnXAxisTitle),
            Prop<C>("CaptionColumnYAxisTitle", &C::CaptionColumnYAxisTitle, &C::SetCaptionColumnYAxisTitle),
            Prop<C>("CaptionColumnXValue", &C::CaptionColumnXValue, &C::SetCaptionColumnXValue),
            Prop<C>("CaptionColumnYValue", &C::CaptionColumnYValue, &C::SetCaptionColumnYValue),
            Prop<C>("CaptionColumnYMax", &C::CaptionColumnYMax, &C::SetCaptionColumnYMax),
            Prop<C>("CaptionColumnYMin", &C::CaptionColumnYMin, &C::SetCaptionColumnYMin),
            Prop<C>("CaptionColumnYMean", &C::CaptionColumnYMean, &C::SetCaptionColumnYMean),
            published::Object<C>("Font", &C::Font),
            Prop<C>("ColumnSpacing", &C::ColumnSpacing, &C::SetColumnSpacing),
            Prop<C>("RowSpacing", &C::RowSpacing, &C::SetRowSpacing),
            Prop<C>("WrapRowSpacingMin", &C::RowSpacing, &C::SetRowSpacing),
            Prop<C>("WrapColDesiredCount", &C::WrapColDesiredCount, &C::SetWrapColDesiredCount, 1),
            Prop<C>("WrapRowDesiredCount", &C::WrapRowDesiredCount, &C::SetWrapRowDesiredCount, 5),
            Prop<C>("WrapColAutoCountEnabled", &C::WrapColAutoCountEnabled, &C::SetWrapColAutoCountEnabled, 0),
            Prop<C>("WrapRowAutoCountEnabled", &C::WrapRowAutoCountEnabled, &C::SetWrapRowAutoCountEnabled, 1),
            Prop<C>("WrapColAutoCountMax", &C::WrapColAutoCountMax, &C::SetWrapColAutoCountMax, 100),
            Prop<C>("WrapRowAutoCountMax", &C::WrapRowAutoCountMax, &C::SetWrapRowAutoCountMax, 100),
            Prop<C>("WrapColSpacingMin", &C::WrapColSpacingMin, &C::SetWrapColSpacingMin),
            Prop<C>("WrapColSpacingAuto", &C::WrapColSpacingAuto, &C::SetWrapColSpacingAuto, 1),
            Prop<C>("WrapRowSpacingAuto", &C::WrapRowSpacingAuto, &C::SetWrapRowSpacingAuto, 0),
            Prop<C>("ColumnTitlesVisible", &C::ColumnTitlesVisible, &C::SetColumnTitlesVisible, 0),
            published::Object<C>("ColumnTitlesFont", &C::ColumnTitlesFont),
            Prop<C>("ChannelNameMaxWidth", &C::ChannelNameMaxWidth, &C::SetChannelNameMaxWidth),
            Prop<C>("ChannelNameColorStyle", &C::ChannelNameColorStyle, &C::SetChannelNameColorStyle, iplcncsFont),
            Prop<C>("LineColumnWidth", &C::LineColumnWidth, &C::SetLineColumnWidth, 13),
            Prop<C>("LineColumnHeight", &C::LineColumnHeight, &C::SetLineColumnHeight, 3),
        });
    return info;
}

const TiPublishedClass& TiPlotLegend::PublishedClass() const { return Published(); }

TiPlotLegend::TiPlotLegend(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                           TiNotifyEvent onRename)
    : TiPlotLayoutObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove), std::move(onRename)) {
    FHorizontal = false;
    TFont font;
    font.SetColor(0xFFFFFF);
    FFont.Assign(font);
    font.SetColor(0x000000);
    FSelectedItemFont.Assign(font);
    font.SetColor(0xFFFF00);
    font.SetStyle(fsBold);
    FColumnTitlesFont.Assign(font);
    for (TiPlotFont* f : {&FFont, &FSelectedItemFont, &FColumnTitlesFont}) f->OnChange = [this] { TriggerChange(); };
    FUpButton = std::make_unique<TiPlotLegendButton>(owner, true, this);
    FDownButton = std::make_unique<TiPlotLegendButton>(owner, false, this);
    FUpButton->OnClick = [this](TObject*) { ScrollUp(); };
    FDownButton->OnClick = [this](TObject*) { ScrollDown(); };
}

TiPlotLegend::~TiPlotLegend() = default;

void TiPlotLegend::ScrollUp() {
    if (FItemViewStartIndex > 0) --FItemViewStartIndex;
}

void TiPlotLegend::ScrollDown() {
    if (FItemViewStartIndex < ItemCount() - 1) ++FItemViewStartIndex;
}

// ---- column texts ---------------------------------------------------------------------

QString TiPlotLegend::TitleOf(const TiPlotChannelCustom* c) const {
    return c->TitleText().trimmed().isEmpty() ? c->Name() : c->TitleText();
}

QString TiPlotLegend::XAxisTitleOf(const TiPlotChannelCustom* c) const {
    const TiPlotAxis* a = c->XAxis();
    if (!a) return GetTranslation(QStringLiteral("None"));
    return a->Title().trimmed().isEmpty() ? a->Name() : a->Title();
}

QString TiPlotLegend::YAxisTitleOf(const TiPlotChannelCustom* c) const {
    const TiPlotAxis* a = c->YAxis();
    if (!a) return GetTranslation(QStringLiteral("None"));
    return a->Title().trimmed().isEmpty() ? a->Name() : a->Title();
}

QString TiPlotLegend::XValueOf(const TiPlotChannelCustom* c) const {
    if (c->Count() == 0) return GetTranslation(QStringLiteral("Empty"));
    if (!c->XAxis()) return GetTranslation(QStringLiteral("N/A"));
    return static_cast<TiPlotAxis*>(c->XAxis())->GetLegendText(c->XLast());
}

QString TiPlotLegend::YValueOf(const TiPlotChannelCustom* c) const {
    if (c->Count() == 0) return GetTranslation(QStringLiteral("Empty"));
    if (!c->YAxis()) return GetTranslation(QStringLiteral("N/A"));
    return static_cast<TiPlotAxis*>(c->YAxis())->GetLegendText(c->YLast());
}

QString TiPlotLegend::YStatisticOf(const TiPlotChannelCustom* c, int which) const {
    if (c->Count() == 0) return GetTranslation(QStringLiteral("Empty"));
    if (!c->YAxis()) return GetTranslation(QStringLiteral("N/A"));
    const double v = which == 0 ? c->RunningYMax() : which == 1 ? c->RunningYMin() : c->RunningYMean();
    return static_cast<TiPlotAxis*>(c->YAxis())->GetLegendText(v);
}

// ---- layout ---------------------------------------------------------------------------

void TiPlotLegend::CalcLayout(TCanvas& canvas) {
    canvas.Font = FFont.Font();
    const int w0 = canvas.TextWidth(QStringLiteral("0")), h0 = canvas.TextHeight(QStringLiteral("0"));
    const TRect r = DrawRect();
    const int mTop = int(Round(h0 * FMarginTop)), mBottom = int(Round(h0 * FMarginBottom));
    const int mLeft = int(Round(w0 * FMarginLeft)), mRight = int(Round(w0 * FMarginRight));
    FInnerRect = {r.Left + mLeft, r.Top + mTop, r.Right - mRight, r.Bottom - mBottom};
    FColumnSpacingPixels = int(Round(w0 * FColumnSpacing));
    FRowSpacingPixels = int(Round(h0 * FWrapRowSpacingMin));
    FWrapSpacingPixels = int(Round(h0 * FWrapColSpacingMin));
    FItemHeight = h0;
    FMaxItemHeight = 0;
    FColumnTitlesHeightPixels = FColumnTitlesMarginPixels = 0;
    FMaxWidthLine = FMaxWidthMarker = FMaxWidthChannelLabel = FMaxWidthXName = FMaxWidthYName = 0;
    FMaxWidthXValue = FMaxWidthYValue = FMaxWidthYMax = FMaxWidthYMin = FMaxWidthYMean = 0;
    FShowColumnXValue2 = FShowColumnXValue || FCursorAllChannels;
    FShowColumnYValue2 = FShowColumnYValue || FCursorAllChannels;
    FColumnList.clear();

    FItemList.clear();
    if (FPlot)
        for (int i = 0; i < FPlot->ChannelCount(); ++i) {
            TiPlotChannelCustom* c = FPlot->ChannelObject(i);
            if (c->VisibleInLegend()) FItemList.push_back({c});
        }
    const int n = ItemCount();
    if (n == 0) return;
    FItemViewStartIndex = std::clamp(FItemViewStartIndex, 0, n - 1);

    // The channel column.
    for (TiPlotLegendItem& item : FItemList) {
        const QString title = TitleOf(item.Channel);
        if (FChannelNameMaxWidth != 0) {
            FMaxWidthChannelLabel = int(Round(w0 * FChannelNameMaxWidth));
            canvas.Font = FFont.Font();
            const int normal = WrappedTextHeight(canvas, title, FMaxWidthChannelLabel);
            canvas.Font = FSelectedItemFont.Font();
            const int selected = WrappedTextHeight(canvas, title, FMaxWidthChannelLabel);
            item.MaxHeight = std::max(normal, selected);
        } else {
            item.MaxHeight = h0;
            canvas.Font = FFont.Font();
            FMaxWidthChannelLabel = std::max(FMaxWidthChannelLabel, MultiLineTextWidth(canvas, title));
            canvas.Font = FSelectedItemFont.Font();
            FMaxWidthChannelLabel = std::max(FMaxWidthChannelLabel, MultiLineTextWidth(canvas, title));
        }
        FMaxItemHeight = std::max(FMaxItemHeight, item.MaxHeight);
    }

    // Column titles.
    if (FColumnTitlesVisible) {
        canvas.Font = FColumnTitlesFont.Font();
        FColumnTitlesHeightPixels = canvas.TextHeight(QStringLiteral("0"));
        FColumnTitlesMarginPixels = FColumnTitlesHeightPixels / 4;
        auto atLeast = [&](int& width, bool shown, const QString& caption) {
            if (shown) width = std::max(width, canvas.TextWidth(GetTranslation(caption)));
        };
        atLeast(FMaxWidthChannelLabel, true, FCaptionColumnTitle);
        atLeast(FMaxWidthXName, FShowColumnXName, FCaptionColumnXName);
        atLeast(FMaxWidthYName, FShowColumnYName, FCaptionColumnYName);
        atLeast(FMaxWidthXValue, FShowColumnXValue2, FCaptionColumnXValue);
        atLeast(FMaxWidthYValue, FShowColumnYValue2, FCaptionColumnYValue);
        atLeast(FMaxWidthYMax, FShowColumnYMax, FCaptionColumnYMax);
        atLeast(FMaxWidthYMin, FShowColumnYMin, FCaptionColumnYMin);
        atLeast(FMaxWidthYMean, FShowColumnYMean, FCaptionColumnYMean);
    }
    if (FShowColumnLine) FMaxWidthLine = std::max(FMaxWidthLine, FLineColumnWidth + 3);
    if (FShowColumnMarker) FMaxWidthMarker = std::max(FMaxWidthMarker, FLineColumnWidth + 3);

    // The other columns, entry by entry.
    canvas.Font = FFont.Font();
    for (const TiPlotLegendItem& item : FItemList) {
        TiPlotChannelCustom* c = item.Channel;
        auto* xAxis = static_cast<TiPlotAxis*>(c->XAxis());
        auto* yAxis = static_cast<TiPlotAxis*>(c->YAxis());
        auto width = [&](const QString& text) {
            canvas.Font = FFont.Font();
            return MultiLineTextWidth(canvas, text);
        };
        if (FShowColumnXName) FMaxWidthXName = std::max(FMaxWidthXName, width(XAxisTitleOf(c)));
        if (FShowColumnYName) FMaxWidthYName = std::max(FMaxWidthYName, width(YAxisTitleOf(c)));
        auto valueColumn = [&](int& column, TiPlotAxis* axis, const QString& cursorText, const QString& value,
                               bool shown) {
            if (FCursorAllChannels) {
                if (axis) column = std::max(column, axis->CursorMinWidth(canvas, FFont.Font()));
                column = std::max(column, w0 * int(cursorText.size()));
            } else {
                if (axis) column = std::max(column, axis->LegendMinWidth(canvas, FFont.Font()));
                if (shown) column = std::max(column, width(value));
            }
        };
        if (FShowColumnXValue2) valueColumn(FMaxWidthXValue, xAxis, c->DataCursorXText(), XValueOf(c), true);
        if (FShowColumnYValue2) valueColumn(FMaxWidthYValue, yAxis, c->DataCursorYText(), YValueOf(c), true);
        if (FShowColumnYMax) FMaxWidthYMax = std::max(FMaxWidthYMax, width(YStatisticOf(c, 0)));
        if (FShowColumnYMin) FMaxWidthYMin = std::max(FMaxWidthYMin, width(YStatisticOf(c, 1)));
        if (FShowColumnYMean) FMaxWidthYMean = std::max(FMaxWidthYMean, width(YStatisticOf(c, 2)));
    }
    canvas.Font = FFont.Font();

    // Column offsets within an entry.
    int pos = 0;
    bool any = false;
    auto place = [&](int& start, bool shown, int width) {
        start = pos;
        if (!shown) return;
        pos = start + width + FColumnSpacingPixels;
        any = true;
    };
    place(FColumnStartLine, FShowColumnLine, FMaxWidthLine);
    place(FColumnStartMarker, FShowColumnMarker, FMaxWidthMarker);
    place(FColumnStartChannel, true, FMaxWidthChannelLabel);
    place(FColumnStartXName, FShowColumnXName, FMaxWidthXName);
    place(FColumnStartYName, FShowColumnYName, FMaxWidthYName);
    place(FColumnStartXValue, FShowColumnXValue2, FMaxWidthXValue);
    place(FColumnStartYValue, FShowColumnYValue2, FMaxWidthYValue);
    place(FColumnStartYMax, FShowColumnYMax, FMaxWidthYMax);
    place(FColumnStartYMin, FShowColumnYMin, FMaxWidthYMin);
    place(FColumnStartYMean, FShowColumnYMean, FMaxWidthYMean);
    FItemWidth = any ? pos - FColumnSpacingPixels : 0;

    FColumnTitlesRect = {FInnerRect.Left, FInnerRect.Top, FInnerRect.Right, FInnerRect.Top + FColumnTitlesHeightPixels};
    FItemsRect = {FInnerRect.Left, FColumnTitlesRect.Bottom + FColumnTitlesMarginPixels, FInnerRect.Right,
                  FInnerRect.Bottom};

    // Capacity. At least one column and one row, so that the layout always has a place.
    const int wi = FItemsRect.Width(), hi = FItemsRect.Height();
    const int cf = std::max(1, ((FHorizontal ? wi - 25 : wi) + FWrapSpacingPixels) /
                                   std::max(1, FItemWidth + FWrapSpacingPixels));
    const int rf = std::max(1, (hi + FRowSpacingPixels) / std::max(1, FMaxItemHeight + FRowSpacingPixels));
    int c = FWrapColAutoCountEnabled ? FWrapColAutoCountMax : FWrapColDesiredCount;
    const int j = FWrapRowAutoCountEnabled ? FWrapRowAutoCountMax : FWrapRowDesiredCount;
    auto ceilDiv = [](int a, int b) { return b <= 0 ? a : (a + b - 1) / b; };
    int k = 0;
    if (FHorizontal) {
        c = std::max(1, std::min(c, cf));
        k = FWrapRowAutoCountEnabled ? ceilDiv(n, c) : j;
        k = std::min(k, j);
        if (k < 3 && k * c < n) k = 3;
        if (k == 0)
            c = 0;
        else if (FWrapColAutoCountEnabled)
            c = std::min(c, ceilDiv(n, k));
    } else {
        if (FWrapColAutoCountEnabled) c = ceilDiv(n, rf);
        c = std::min(c, FWrapColAutoCountMax);
        k = std::min({rf, n, j});
        if (k < 3 && k * c < n) k = 3;
    }
    c = std::max(1, c);
    k = std::max(1, k);
    FActualWrapColCount = c;
    FActualWrapRowCount = j;

    // Placement.
    FItemViewStopIndex = n - 1;
    int column = 1, row = 0;
    FColumnList.push_back(FInnerRect.Left);
    for (int i = FItemViewStartIndex; i < n; ++i) {
        if (row == k) {
            if (column + 1 > c) {
                FItemViewStopIndex = i - 1;
                break;
            }
            ++column;
            row = 0;
            FColumnList.push_back(FInnerRect.Left + (FItemWidth + FWrapSpacingPixels) * (column - 1));
        }
        TiPlotLegendItem& item = FItemList[std::size_t(i)];
        item.ARow = row + 1;
        item.ACol = column;
        item.ALeft = FColumnList.back();
        item.ATop = FItemsRect.Top + row * (FMaxItemHeight + FRowSpacingPixels);
        ++row;
    }

    FRequiredWidth = c * FItemWidth + (c - 1) * FWrapSpacingPixels + mLeft + mRight;
    FRequiredHeight = mTop + FColumnTitlesHeightPixels + FColumnTitlesMarginPixels +
                      (FMaxItemHeight + FRowSpacingPixels) * k - FRowSpacingPixels + mBottom;

    // Scroll buttons.
    if (k * c < n && FEnabled) {
        FUpButton->SetVisible(true);
        FDownButton->SetVisible(true);
        FUpButton->SetDrawRect({FItemsRect.Right - 17, FItemsRect.Top, FItemsRect.Right, FItemsRect.Top + 17});
        FDownButton->SetDrawRect(
            {FItemsRect.Right - 17, FItemsRect.Bottom - 17, FItemsRect.Right, FItemsRect.Bottom});
        FRequiredWidth += 25;
    } else {
        FUpButton->SetVisible(false);
        FDownButton->SetVisible(false);
        FItemViewStartIndex = 0;
    }

    // Spreading.
    if (FWrapColSpacingAuto && FHorizontal && c > 1) {
        const int gap = int(Trunc(double(wi - 25 - c * FItemWidth) / (c - 1)));
        for (std::size_t col = 0; col < FColumnList.size(); ++col)
            FColumnList[col] = FInnerRect.Left + (FItemWidth + gap) * int(col);
        for (TiPlotLegendItem& item : FItemList)
            if (item.ACol > 0) item.ALeft = FColumnList[std::size_t(item.ACol - 1)];
    } else if (FWrapRowSpacingAuto && !FHorizontal) {
        int rows = 0;
        for (const TiPlotLegendItem& item : FItemList)
            if (item.ACol == 1) ++rows;
        if (rows > 1) {
            FRowSpacingPixels = int(Trunc(double(hi - FMaxItemHeight * rows) / (rows - 1)));
            for (TiPlotLegendItem& item : FItemList) {
                if (item.ARow == 0) continue;
                item.ATop = FInnerRect.Top + (item.ARow - 1) * (FMaxItemHeight + FRowSpacingPixels);
                if (FColumnTitlesVisible) item.ATop += FColumnTitlesHeightPixels + FColumnTitlesMarginPixels;
            }
        }
    }
    FUpButton->SetEnabled(FItemViewStartIndex > 0);
    FDownButton->SetEnabled(FItemViewStopIndex < n - 1);
}

int TiPlotLegend::GetRequiredWidth(TCanvas& canvas) {
    CalcLayout(canvas);
    return FHorizontal ? FRequiredHeight : FRequiredWidth;
}

// ---- drawing --------------------------------------------------------------------------

void TiPlotLegend::DrawLineSample(TCanvas& canvas, const TiPlotChannelCustom* c, int x, int y) {
    canvas.Pen.Color = c->Color();
    canvas.Pen.Width = 1;
    const int h = FLineColumnHeight;
    for (int dy = -(h / 2); dy <= h - h / 2; ++dy) {
        auto segment = [&](int from, int to) {
            const TPoint pts[] = {{x + from, y + dy}, {x + to, y + dy}};
            canvas.Polyline(pts, 2);
        };
        if (FLineColumnWidth == 13) {
            canvas.Pen.Style = psSolid;
            switch (c->TraceLineStyle()) {
            case iplsSolid: segment(0, 13); break;
            case iplsDash: segment(0, 5), segment(8, 13); break;
            case iplsDot: segment(0, 2), segment(4, 6), segment(8, 10); break;
            case iplsDashDot: segment(0, 5), segment(7, 9); break;
            case iplsDashDotDot: segment(0, 5), segment(7, 9), segment(11, 13); break;
            }
        } else {
            canvas.Pen.Style = TPenStyle(c->TraceLineStyle());
            segment(0, FLineColumnWidth);
        }
    }
    canvas.Pen.Style = psSolid;
}

void TiPlotLegend::Draw(TCanvas& canvas, TColor backGroundColor) {
    if (!FVisible) return;
    CalcLayout(canvas);
    if (FItemList.empty()) return;
    if (!FBackGroundTransparent) {
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = FBackGroundColor;
        canvas.FillRect(DrawRect());
    }
    auto text = [&](const QString& t, TRect r, unsigned flags) {
        DrawTextFlags(canvas, t, r, backGroundColor, true, flags | itfSingleLine | itfVCenter);
    };
    if (FColumnTitlesVisible) {
        canvas.Font = FColumnTitlesFont.Font();
        canvas.Brush.Style = bsClear;
        const int top = FColumnTitlesRect.Top, bottom = FColumnTitlesRect.Bottom;
        for (int left : FColumnList) {
            auto title = [&](bool shown, int start, int width, const QString& caption, unsigned align) {
                if (shown) text(GetTranslation(caption), {left + start, top, left + start + width, bottom}, align);
            };
            title(true, FColumnStartChannel, FMaxWidthChannelLabel, FCaptionColumnTitle, itfLeft);
            title(FShowColumnXName, FColumnStartXName, FMaxWidthXName, FCaptionColumnXName, itfCenter);
            title(FShowColumnYName, FColumnStartYName, FMaxWidthYName, FCaptionColumnYName, itfCenter);
            title(FShowColumnXValue2, FColumnStartXValue, FMaxWidthXValue, FCaptionColumnXValue, itfRight);
            title(FShowColumnYValue2, FColumnStartYValue, FMaxWidthYValue, FCaptionColumnYValue, itfRight);
            title(FShowColumnYMax, FColumnStartYMax, FMaxWidthYMax, FCaptionColumnYMax, itfRight);
            title(FShowColumnYMin, FColumnStartYMin, FMaxWidthYMin, FCaptionColumnYMin, itfRight);
            title(FShowColumnYMean, FColumnStartYMean, FMaxWidthYMean, FCaptionColumnYMean, itfRight);
        }
    }
    for (TiPlotLegendItem& item : FItemList) item.Channel->SetLegendRect({});
    for (int i = FItemViewStartIndex; i <= FItemViewStopIndex && i < ItemCount(); ++i) {
        const TiPlotLegendItem& item = FItemList[std::size_t(i)];
        TiPlotChannelCustom* c = item.Channel;
        const TRect legendRect{item.ALeft + FColumnStartChannel, item.ATop,
                               item.ALeft + FColumnStartChannel + FMaxWidthChannelLabel + 1, item.ATop + item.MaxHeight};
        c->SetLegendRect(legendRect);
        const int middle = item.ATop + FItemHeight / 2;
        if (FShowColumnLine) DrawLineSample(canvas, c, item.ALeft + FColumnStartLine, middle);
        if (FShowColumnMarker)
            c->DrawMarker(canvas, -1, backGroundColor, {item.ALeft + FColumnStartMarker + FMaxWidthMarker / 2, middle});
        if (c->UserSelected()) {
            canvas.Brush.Style = bsSolid;
            canvas.Brush.Color = FSelectedItemBackGroundColor;
            canvas.FillRect(legendRect);
            canvas.Font = FSelectedItemFont.Font();
        } else {
            canvas.Brush.Style = bsClear;
            canvas.Font = FFont.Font();
        }
        if (FChannelNameColorStyle == iplcncsChannelColor) {
            canvas.Font.SetColor(c->Color());
        } else if (FChannelNameColorStyle == iplcncsXAxisFontColor && c->XAxis()) {
            canvas.Font.SetColor(static_cast<TiPlotAxis*>(c->XAxis())->LabelsFont().Color());
        } else if (FChannelNameColorStyle == iplcncsYAxisFontColor && c->YAxis()) {
            canvas.Font.SetColor(static_cast<TiPlotAxis*>(c->YAxis())->LabelsFont().Color());
        }
        TRect titleRect = legendRect;
        DrawTextFlags(canvas, TitleOf(c), titleRect, backGroundColor, true,
                      itfLeft | itfTop | itfWordBreak | itfEndEllipsis);
        canvas.Brush.Style = bsClear;
        canvas.Font = FFont.Font();
        auto cell = [&](bool shown, int start, int width, const QString& t, unsigned align) {
            if (shown)
                text(t, {item.ALeft + start, item.ATop, item.ALeft + start + width, item.ATop + FItemHeight}, align);
        };
        cell(FShowColumnXName, FColumnStartXName, FMaxWidthXName, XAxisTitleOf(c), itfLeft);
        cell(FShowColumnYName, FColumnStartYName, FMaxWidthYName, YAxisTitleOf(c), itfLeft);
        cell(FShowColumnXValue2, FColumnStartXValue, FMaxWidthXValue,
             FCursorAllChannels ? c->DataCursorXText() : XValueOf(c), itfRight);
        cell(FShowColumnYValue2, FColumnStartYValue, FMaxWidthYValue,
             FCursorAllChannels ? c->DataCursorYText() : YValueOf(c), itfRight);
        cell(FShowColumnYMax, FColumnStartYMax, FMaxWidthYMax, YStatisticOf(c, 0), itfRight);
        cell(FShowColumnYMin, FColumnStartYMin, FMaxWidthYMin, YStatisticOf(c, 1), itfRight);
        cell(FShowColumnYMean, FColumnStartYMean, FMaxWidthYMean, YStatisticOf(c, 2), itfRight);
    }
    FUpButton->Draw(canvas, clBtnFace);
    FDownButton->Draw(canvas, clBtnFace);
    if (FUserSelected) {
        canvas.Font.SetColor(clWhite);
        canvas.Brush.Style = bsClear;
        TRect r = DrawRect();
        if (FHorizontal)
            r.Top += 2, r.Bottom -= 2;
        else
            r.Left += 2, r.Right -= 2;
        DrawFocusRectangle(canvas, r);
    }
}

// ---- mouse ----------------------------------------------------------------------------

TiPlotObject* TiPlotLegend::GetMouseOverObject(int x, int y) {
    auto inside = [x, y](const TRect& r) { return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom; };
    if (FUpButton->Visible() && inside(FUpButton->DrawRect())) FMouseOverObject = FUpButton.get();
    else if (FDownButton->Visible() && inside(FDownButton->DrawRect())) FMouseOverObject = FDownButton.get();
    else {
        FMouseOverObject = this;
        for (int i = FItemViewStartIndex; i <= FItemViewStopIndex && i < ItemCount(); ++i)
            if (inside(FItemList[std::size_t(i)].Channel->LegendRect())) {
                FMouseOverObject = FItemList[std::size_t(i)].Channel;
                break;
            }
    }
    return FMouseOverObject;
}

TCursor TiPlotLegend::GetMouseCursor(const TPoint& point) {
    TCursor cursor = TiPlotLayoutObject::GetMouseCursor(point);
    if (FPlot) FPlot->DoGetMouseCursor(this, cursor);
    return cursor;
}

void TiPlotLegend::DoMouseUp(const TiPlotMouseData& d) {
    if (FMouseDown && d.X >= FLeft && d.X < FRight && d.Y >= FTop && d.Y < FBottom && FPlot) FPlot->DoObjectClick(this);
}

void TiPlotLegend::NotificationSetFocus(TObject* sender) { DropSelectionFor(sender); }

void TiPlotLegend::AddMenuItems(TPopupMenu* popupMenu) {
    TiPlotLayoutObject::AddMenuItems(popupMenu);
    AddEditMenuItem(popupMenu);
}
