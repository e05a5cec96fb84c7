#pragma once
// The curve graph shared by LMyFFTDrawPhase and LMyFFTDraw: a paint box with a list of curves
// by id, linear or logarithmic axes, grid, ticks, axis labels, titles, 50 band markers with
// their parameter texts, the selected band's texts and translucent fill, a text overlay and a
// line overlay. Everything is drawn into nine off-screen pages, which are copied onto the
// control area by area. The subclasses decide the y-label texts, the marker kinds and which
// parameter lines a kind shows.
//
// Pointer operations (pan, stretch, rubber-band zoom, double-click autoscale) exist as
// MouseDown1, MouseMove1, MouseUp1 and DblClick1 but are not connected to the control's own
// mouse events: the control's mouse events reach only its On... handlers.
#include "FFTDrawTypes.h"
#include "TPaintPage.h"
#include "graphics/TFont.h"
#include "graphics/TSplinePath.h"
#include "graphics/Types.h"
#include "ui/TPaintBox.h"

#include <QString>

#include <array>
#include <vector>

class LCustomFFTDraw : public TPaintBox {
    Q_OBJECT
    Q_PROPERTY(bool AutoRedraw READ AutoRedraw WRITE SetAutoRedraw)
    Q_PROPERTY(TColor AxisColor READ AxisColor WRITE SetAxisColor)
    Q_PROPERTY(FFTDrawEnums::TMyAxisStyle AxisStyle READ AxisStyle WRITE SetAxisStyle)
    Q_PROPERTY(FFTDrawEnums::TMyAxisFormat XAxisFormat READ XAxisFormat WRITE SetXAxisFormat)
    Q_PROPERTY(FFTDrawEnums::TMyAxisFormat YAxisFormat READ YAxisFormat WRITE SetYAxisFormat)
    Q_PROPERTY(bool ShowXLabel READ ShowXLabel WRITE SetShowXLabel)
    Q_PROPERTY(bool ShowYLabel READ ShowYLabel WRITE SetShowYLabel)
    Q_PROPERTY(bool ShowCoordinates READ ShowCoordinates WRITE SetShowCoordinates)
    Q_PROPERTY(bool YAutoScale READ YAutoScale WRITE SetYAutoScale)
    Q_PROPERTY(bool XAutoScale READ XAutoScale WRITE SetXAutoScale)
    Q_PROPERTY(double YMax READ YMax WRITE SetYMax)
    Q_PROPERTY(double YMin READ YMin WRITE SetYMin)
    Q_PROPERTY(double XMax READ XMax WRITE SetXMax)
    Q_PROPERTY(double XMin READ XMin WRITE SetXMin)
    Q_PROPERTY(int PointSize READ PointSize WRITE SetPointSize)
    Q_PROPERTY(bool MouseControl READ MouseControl WRITE SetMouseControl)
    Q_PROPERTY(int XLabelPrecision READ XLabelPrecision WRITE SetXLabelPrecision)
    Q_PROPERTY(int YLabelPrecision READ YLabelPrecision WRITE SetYLabelPrecision)
    Q_PROPERTY(int XLabelDigits READ XLabelDigits WRITE SetXLabelDigits)
    Q_PROPERTY(int YLabelDigits READ YLabelDigits WRITE SetYLabelDigits)
    Q_PROPERTY(FFTDrawEnums::TStringFloatFormat XLabelFormat READ XLabelFormat WRITE SetXLabelFormat)
    Q_PROPERTY(FFTDrawEnums::TStringFloatFormat YLabelFormat READ YLabelFormat WRITE SetYLabelFormat)
    Q_PROPERTY(bool ShowHorzGrid READ ShowHorzGrid WRITE SetShowHorzGrid)
    Q_PROPERTY(bool ShowVertGrid READ ShowVertGrid WRITE SetShowVertGrid)
    Q_PROPERTY(bool ShowHorzTicks READ ShowHorzTicks WRITE SetShowHorzTicks)
    Q_PROPERTY(bool ShowVertTicks READ ShowVertTicks WRITE SetShowVertTicks)
    Q_PROPERTY(int HorzTickLength READ HorzTickLength WRITE SetHorzTickLength)
    Q_PROPERTY(int VertTickLength READ VertTickLength WRITE SetVertTickLength)
    Q_PROPERTY(int NumHorzGrid READ NumHorzGrid WRITE SetNumHorzGrid)
    Q_PROPERTY(int NumVertGrid READ NumVertGrid WRITE SetNumVertGrid)
    Q_PROPERTY(TColor GridColor READ GridColor WRITE SetGridColor)
    Q_PROPERTY(bool ShowXTitle READ ShowXTitle WRITE SetShowXTitle)
    Q_PROPERTY(bool ShowYTitle READ ShowYTitle WRITE SetShowYTitle)
    Q_PROPERTY(bool ShowPlotTitle READ ShowPlotTitle WRITE SetShowPlotTitle)
    Q_PROPERTY(QString XTitle READ XTitle WRITE SetXTitle)
    Q_PROPERTY(QString YTitle READ YTitle WRITE SetYTitle)
    Q_PROPERTY(QString PlotTitle READ PlotTitle WRITE SetPlotTitle)
    Q_PROPERTY(TFont PlotTitleFont READ PlotTitleFont WRITE SetPlotTitleFont)
    Q_PROPERTY(TFont AxisTitleFont READ AxisTitleFont WRITE SetAxisTitleFont)
    Q_PROPERTY(TFont AxisLabelFont READ AxisLabelFont WRITE SetAxisLabelFont)
    Q_PROPERTY(TFont MouseCoordFont READ MouseCoordFont WRITE SetMouseCoordFont)
    Q_PROPERTY(double MouseX READ MouseX)
    Q_PROPERTY(double MouseY READ MouseY)
    Q_PROPERTY(FFTDrawEnums::TFFTNumber FFTNuimber READ FFTNuimber WRITE SetFFTNuimber)
    Q_PROPERTY(FFTDrawEnums::TSampleRate SampleRate READ SampleRate WRITE SetSampleRate)

public:
    // The nine off-screen pages.
    enum TPageId {
        pgCurve, pgXLabel, pgYLabel, pgXTitle, pgYTitle, pgYTitleText, pgPlotTitle, pgRightMargin, pgMouseCoord,
        kPageCount
    };
    static constexpr int kMarkerCount = 50;
    static constexpr int kFillPoints = 4096;  // points of the selected band's curve copy

    // One band marker.
    struct TBlock {
        double dataX = 0, dataY = 0;      // curve point, dB
        double screenX = 0, screenY = 0;  // on the curve page
        TPoint screenPoint;               // the screen position truncated
        double frequency = 0, gain = 0, q = 0;
        double type = 0;  // engine type code of the band
        TColor colour = 0;
        int kind = 0;
        bool hidden = false;
    };

    ~LCustomFFTDraw() override;

    // ---- curves ----
    // Curve `id` gets the points (k, y[k]), k = 0 .. count - 1 (copied). A new id goes to the
    // head of the list with the colour and style given; an existing id keeps its colour and
    // style. Then autoscale and, with AutoRedraw, DrawPlotsAndLabelsNoUpdate. Returns
    // whether the id existed.
    bool FFTDraw(const double* y, int count, int id, TColor colour, TMyPlotStyle style);
    bool FFTDraw(const double* x, const double* y, int count, int id, TColor colour, TMyPlotStyle style);
    // x spread evenly from xFirst to xLast.
    bool FFTDraw(const double* y, int count, double xFirst, double xLast, int id, TColor colour, TMyPlotStyle style);
    // Removes curve `id`; when found, autoscale and, with AutoRedraw, redraw without update.
    bool RemovePlot(int id);

    bool GetPlotStyle(int id, TMyPlotStyle& style) const;
    bool GetPlotColor(int id, TColor& colour) const;
    bool GetPlotNumPoints(int id, int& count) const;
    bool GetPlotX(int id, std::vector<double>& x) const;
    bool GetPlotY(int id, std::vector<double>& y) const;
    bool SetPlotStyle(int id, TMyPlotStyle style);
    bool SetPlotColor(int id, TColor colour);

    // ---- drawing ----
    // DrawPlotsAndLabels, then DrawTitles.
    void Redraw();
    // DrawAllPlots, x and y labels, then the curve page to the screen.
    void DrawPlotsAndLabels();
    // The same without bringing the curve page to the screen.
    void DrawPlotsAndLabelsNoUpdate();
    // Paints the overlays onto the curve page, then copies `page` to the control.
    void UpdatePaintPage(TPageId page);
    // UpdatePaintPage of the curve page.
    void UpdateCurvePage() { UpdatePaintPage(pgCurve); }
    // Clears the curve page and draws grid, ticks, axis lines and every curve into it.
    void DrawAllPlots();
    void DrawXAxisLabels();
    void DrawYAxisLabels();
    void DrawTitles();
    void DrawAxis();
    // Copies every shown strip, the right margin and the curve page to the control.
    void RedrawScreen();
    // Fills every shown strip, the right margin and the curve page with the background.
    void ClearPlot();
    // Sets the width of the curve page's bitmap.
    void SetPlotWidth(int width);
    int GetPlotWidth() const { return FPages[pgCurve].Width(); }
    int GetPlotHeight() const { return FPages[pgCurve].Height(); }
    // Fires OnChange with the control as sender.
    void Change();

    // Data coordinates to curve-page pixels.
    double ScreenX(double x) const;
    double ScreenY(double y) const;
    double FFTScreenX(double x) const { return ScreenX(x); }
    double FFTScreenY(double y) const { return ScreenY(y); }
    // Curve-page... control pixels to data coordinates (relative to the curve page's origin).
    double PlotX(int px) const;
    double PlotY(int py) const;
    // Point of the frequency axis of a frequency (grid, ticks and x labels).
    double FrequencyToX(double frequency) const;

    // ---- overlays ----
    // Stores marker `index` (0 to 49) and draws it at once with pen width 1.
    void DrawBlock(double y, double x, TColor colour, int index, bool hidden, int kind);
    void SetBlockParameter(int index, double frequency, double gain, double q, int type);
    void SetBlockPosition(double screenX, double screenY, int index);
    // The marker's screen position on the curve page; (0, 0) for an index outside the table.
    TPoint GetBlockPos(int index) const;
    const TBlock& Block(int index) const;
    // Stores the selected band's display values and draws its texts at once.
    void DrawParam(int kind, double gain, double x, float frequency, double q, TColor colour);
    // Draws the parameter texts of a band without storing anything.
    void ShowParam(int kind, double gain, double x, float frequency, double q, TColor colour);
    // Copies up to 4096 values of the selected band's curve and draws its fill at once;
    // the closing lines follow the kind of the preceding DrawParam.
    void DrawCurveFill(int kind, const double* data, int count);
    void SetCurveDisplay(bool on) { FCurveShown = on; }
    bool CurveDisplay() const { return FCurveShown; }
    void SetParameterDisplay(bool on) { FParameterDisplay = on; }
    bool ParameterDisplay() const { return FParameterDisplay; }
    // Stores the text overlay and draws it at once (its colour applies from the next overlay
    // painting). An empty text removes an earlier one at the next curve redraw.
    void DrawTextA(int x, int y, int size, TColor colour, const QString& fontName, const QString& text);
    // Stores the line overlay and draws it: a red dashed vertical line at x, with a small
    // yellow square when asked.
    void DrawLine(double x, TColor colour, bool withSquare);

    // ---- pointer operations (not connected to the control's mouse events) ----
    void MouseDown1(TMouseButton button, TShiftState shift, int x, int y);
    void MouseMove1(TShiftState shift, int x, int y);
    void MouseUp1(TMouseButton button, TShiftState shift, int x, int y);
    void DblClick1();
    // Sets the four range ends, then logarithms, range check and, with AutoRedraw,
    // DrawPlotsAndLabels.
    void SetXYMinMax(double xMin, double xMax, double yMin, double yMax);
    void DrawMouseCoord();

    // ---- properties ----
    bool AutoRedraw() const { return FAutoRedraw; }
    // Drawing held: while a BeginUpdate has no EndUpdate yet, storing curves, markers, the
    // selected band's texts and fill, and page updates change only what is kept, not the
    // pages; the last EndUpdate draws the plots and labels once and updates the curve page
    // with its overlays (DrawPlotsAndLabels). For a run of changes whose intermediate
    // pictures nobody sees.
    void BeginUpdate() { ++FHoldCount; }
    void EndUpdate();
    void SetAutoRedraw(bool value);
    TColor AxisColor() const { return FAxisColor; }
    void SetAxisColor(TColor value);
    TMyAxisStyle AxisStyle() const { return FAxisStyle; }
    void SetAxisStyle(TMyAxisStyle value);
    TMyAxisFormat XAxisFormat() const { return FXAxisFormat; }
    void SetXAxisFormat(TMyAxisFormat value);
    TMyAxisFormat YAxisFormat() const { return FYAxisFormat; }
    void SetYAxisFormat(TMyAxisFormat value);
    bool ShowXLabel() const { return FShowXLabel; }
    void SetShowXLabel(bool value);
    bool ShowYLabel() const { return FShowYLabel; }
    void SetShowYLabel(bool value);
    bool ShowCoordinates() const { return FShowCoordinates; }
    void SetShowCoordinates(bool value);
    bool YAutoScale() const { return FYAutoScale; }
    void SetYAutoScale(bool value);
    bool XAutoScale() const { return FXAutoScale; }
    void SetXAutoScale(bool value);
    double YMax() const { return FYMax; }
    void SetYMax(double value);
    double YMin() const { return FYMin; }
    void SetYMin(double value);
    double XMax() const { return FXMax; }
    void SetXMax(double value);
    double XMin() const { return FXMin; }
    void SetXMin(double value);
    int PointSize() const { return FPointSize; }
    void SetPointSize(int value);
    bool MouseControl() const { return FMouseControl; }
    void SetMouseControl(bool value) { FMouseControl = value; }
    int XLabelPrecision() const { return FXLabelPrecision; }
    void SetXLabelPrecision(int value);
    int YLabelPrecision() const { return FYLabelPrecision; }
    void SetYLabelPrecision(int value);
    int XLabelDigits() const { return FXLabelDigits; }
    void SetXLabelDigits(int value);
    int YLabelDigits() const { return FYLabelDigits; }
    void SetYLabelDigits(int value);
    TStringFloatFormat XLabelFormat() const { return FXLabelFormat; }
    void SetXLabelFormat(TStringFloatFormat value);
    TStringFloatFormat YLabelFormat() const { return FYLabelFormat; }
    void SetYLabelFormat(TStringFloatFormat value);
    bool ShowHorzGrid() const { return FShowHorzGrid; }
    void SetShowHorzGrid(bool value);
    bool ShowVertGrid() const { return FShowVertGrid; }
    void SetShowVertGrid(bool value);
    bool ShowHorzTicks() const { return FShowHorzTicks; }
    void SetShowHorzTicks(bool value);
    bool ShowVertTicks() const { return FShowVertTicks; }
    void SetShowVertTicks(bool value);
    int HorzTickLength() const { return FHorzTickLength; }
    void SetHorzTickLength(int value);
    int VertTickLength() const { return FVertTickLength; }
    void SetVertTickLength(int value);
    int NumHorzGrid() const { return FNumHorzGrid; }
    void SetNumHorzGrid(int value);
    int NumVertGrid() const { return FNumVertGrid; }
    void SetNumVertGrid(int value);
    TColor GridColor() const { return FGridColor; }
    void SetGridColor(TColor value);
    bool ShowXTitle() const { return FShowXTitle; }
    void SetShowXTitle(bool value);
    bool ShowYTitle() const { return FShowYTitle; }
    void SetShowYTitle(bool value);
    bool ShowPlotTitle() const { return FShowPlotTitle; }
    void SetShowPlotTitle(bool value);
    QString XTitle() const { return FXTitle; }
    void SetXTitle(const QString& value);
    QString YTitle() const { return FYTitle; }
    void SetYTitle(const QString& value);
    QString PlotTitle() const { return FPlotTitle; }
    void SetPlotTitle(const QString& value);
    TFont PlotTitleFont() const { return FPlotTitleFont; }
    void SetPlotTitleFont(const TFont& value);
    TFont AxisTitleFont() const { return FAxisTitleFont; }
    void SetAxisTitleFont(const TFont& value);
    TFont AxisLabelFont() const { return FAxisLabelFont; }
    void SetAxisLabelFont(const TFont& value);
    TFont MouseCoordFont() const { return FMouseCoordFont; }
    void SetMouseCoordFont(const TFont& value);
    double MouseX() const { return FMouseX; }
    double MouseY() const { return FMouseY; }
    TFFTNumber FFTNuimber() const { return FFFTNuimber; }
    void SetFFTNuimber(TFFTNumber value) { FFFTNuimber = value; }
    TSampleRate SampleRate() const { return FSampleRate; }
    void SetSampleRate(TSampleRate value) { FSampleRate = value; }

    TNotifyEvent OnChange;

    // An off-screen page, for inspection; a graph not yet painted draws its pages first.
    const TPaintPage& Page(TPageId page) const;

protected:
    explicit LCustomFFTDraw(TComponent* owner);

    void Paint() override;

    // ---- what the variants decide ----
    // The number printed on a y label for axis value v, and for the decade label 10^d.
    virtual double YLabelNumber(double v) const = 0;
    virtual double YDecadeLabelNumber(int d) const = 0;
    // The text after every y label.
    virtual QString YLabelUnit() const = 0;

    enum TMarkerShape { msNone, msSquare, msCircle };
    struct TMarkerLook {
        TMarkerShape shape = msNone;
        QString label;
        int fontSize = 11;
        int dx = -3, dy = -23;      // label position relative to the marker
        bool restoreFontSize = false;  // back to the stored text size after the label
        bool showsParameters = false;  // parameter texts with the all-parameters display
    };
    virtual TMarkerLook MarkerLook(int kind, int index) const;
    // The parameter-display kind of a marker's band type code (all-parameters display).
    virtual int MarkerParameterKind(double type) const = 0;

    enum TParamLine { plQ, plFrequency, plGain };
    struct TParamLayout {
        int count = 0;
        std::array<TParamLine, 3> lines{};
        std::array<int, 3> above{};  // y offsets for a gain of 0 dB or less
        bool colourPen = false;      // the pen takes the text colour too (width 1)
    };
    // The parameter lines of a kind; `repaint` is set for the selected-band display
    // repainted with the overlays.
    virtual TParamLayout ParamLayout(int kind, bool repaint) const = 0;

    // Copies the published settings of another graph (the variants add their own).
    virtual void CopyProperties(const LCustomFFTDraw& source);
    void AssignPlotFrom(const LCustomFFTDraw& source);
    void AssignPlotDataFrom(const LCustomFFTDraw& source);
    void AppendPlotDataFrom(const LCustomFFTDraw& source);
    void AssignPlotPropertiesFrom(const LCustomFFTDraw& source);

    // Lays the pages out for the control's size.
    void ResizePaintPage();
    // The y label text for axis value v, with "+" in front when asked.
    QString YLabelText(double v, bool plus) const;
    QString FormatLabel(double v, TStringFloatFormat format, int precision, int digits) const;

private:
    void Initialize();
    TPlotListMember* FindPlot(int id);
    const TPlotListMember* FindPlot(int id) const;
    bool StorePlot(std::vector<double> x, const double* y, int count, int id, TColor colour, TMyPlotStyle style);
    void AutoScale();
    void FindXMaxMin();
    void FindYMaxMin();
    void CompareMaxMin();
    void CalculateLogMaxMin();
    void DrawGrid();
    void DrawTicks();
    void DrawOnePlot(const TPlotListMember& plot);
    void PaintOverlays();
    void BlockPaint();
    void PaintMarker(int index, int penWidth, bool withParameters);
    void LinePaint();
    void PaintLineOverlay(TPenStyle style);
    // Grid positions of the y axis (false) or the x axis (true) in data units.
    std::vector<double> GridValues(bool vertical) const;
    void TextPaint();
    void CuveDisplayPaint();
    void DrawParamTexts(int kind, double gain, double x, double frequency, double q, TColor colour, bool repaint);
    void PaintFill(bool outlineAfterClosing);
    void DrawRubberBand();
    void RangeChanged();
    bool ValidIndex(int index) const { return index >= 0 && index < kMarkerCount; }
    // Pages are drawn once the graph has been painted or its pages read; before that only
    // what they show is kept, so hidden graphs cost neither drawing nor pixels.
    bool Drawing() const { return FShown && FHoldCount == 0; }

    TPlotList FPlots;
    int FLastWidth = -1;
    int FLastHeight = -1;
    double FLogXMin = 0, FLogXMax = 0, FLogYMin = 0, FLogYMax = 0;
    std::array<TPaintPage, kPageCount> FPages;

    bool FAutoRedraw = true;
    int FHoldCount = 0;
    bool FShown = false;
    TColor FAxisColor = 0x8C00;
    TMyAxisStyle FAxisStyle = TMyAxisStyle::CenteredBox;
    TMyAxisFormat FXAxisFormat = TMyAxisFormat::Linear;
    TMyAxisFormat FYAxisFormat = TMyAxisFormat::Linear;
    bool FShowXLabel = true;
    bool FShowYLabel = true;
    bool FShowCoordinates = true;
    bool FYAutoScale = true;
    bool FXAutoScale = false;
    double FYMax = 18, FYMin = -18, FXMax = 4130, FXMin = 1030;
    int FPointSize = 2;
    bool FMouseControl = true;
    int FXLabelPrecision = 4, FYLabelPrecision = 5;
    int FXLabelDigits = 4, FYLabelDigits = 4;
    TStringFloatFormat FXLabelFormat = TStringFloatFormat::sffGeneral;
    TStringFloatFormat FYLabelFormat = TStringFloatFormat::sffGeneral;
    bool FShowHorzGrid = true, FShowVertGrid = true, FShowHorzTicks = true, FShowVertTicks = true;
    int FHorzTickLength = 0, FVertTickLength = 0;
    int FNumHorzGrid = 11, FNumVertGrid = 10;
    TColor FGridColor = 0x4800;
    bool FShowXTitle = false, FShowYTitle = false, FShowPlotTitle = false;
    QString FXTitle = QStringLiteral("Frequency ");
    QString FYTitle = QStringLiteral("dB");
    QString FPlotTitle = QStringLiteral("Frequency Response");
    TFont FPlotTitleFont, FAxisTitleFont, FAxisLabelFont, FMouseCoordFont;
    double FMouseX = 0, FMouseY = 0;
    TFFTNumber FFFTNuimber = TFFTNumber::n4096;
    TSampleRate FSampleRate = TSampleRate::n48000;

    // Overlays.
    std::array<TBlock, kMarkerCount> FBlocks{};
    bool FCurveShown = false;
    int FCurveKind = 0;
    double FCurveGain = 0;
    double FCurveX = 0;
    float FCurveFrequency = 0;
    double FCurveQ = 0;
    TColor FCurveColour = 0;
    std::vector<double> FCurveData = std::vector<double>(kFillPoints, 0.0);
    unsigned FCurveDataVersion = 0;
    // The fill's spline as last made, and what it was made from.
    struct TFillKey {
        int width = -1, height = -1;
        double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
        unsigned version = 0;
        bool operator==(const TFillKey&) const = default;
    };
    TFillKey FFillKey;
    TSplinePath FFillSpline;
    bool FParameterDisplay = false;
    int FTextX = 0, FTextY = 0, FTextSize = 0;
    TColor FTextColour = 0;
    QString FTextFont, FText;
    double FLineX = 0;
    bool FLineSquare = false;
    int FLineScreenX = 0;
    bool FLineSet = false;

    // Pointer state.
    TPoint FLastMouse, FZoomAnchor;
    bool FPanning = false, FStretching = false, FZooming = false;
    TRect FZoomRect;
};
