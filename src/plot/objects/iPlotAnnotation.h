#pragma once
// A note drawn on the data view: a text, a line, a rectangle or ellipse, a text in a box, an
// image or a polygon. Each of its four coordinates (position X and Y, size X and Y) is in
// percent of the data view or in the units of a channel's axes, chosen by Reference and the
// four individual references. Box-like notes can be moved and resized with the mouse when
// UserCanMove and UserCanSize allow it; the plot hears of every coordinate change.
#include "core/iPlotFont.h"
#include "core/iPlotObjects.h"

#include <QImage>

#include <array>
#include <vector>

class TiPlotChannelCustom;
class TiPlotDataView;
class TiPlotAxis;

enum TiPlotAnnotationStyle {
    ipasText, ipasLine, ipasRectangle, ipasLineX, ipasLineY, ipasImage, ipasTextRectangle, ipasEllipse,
    ipasTextBox, ipasEllipse2, ipasPolygon, ipasRectangle2
};
enum TiPlotAnnotationSelectStyle {
    ipassNone, ipassMove, ipassSizeTopLeft, ipassSizeTopRight, ipassSizeBottomLeft, ipassSizeBottomRight
};

class TiPlotAnnotation : public TiPlotObject {
public:
    TiPlotAnnotation(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                     TiNotifyEvent onRename);

    const TiPublishedClass& PublishedClass() const override;
    static const TiPublishedClass& Published();
    TiPlotObjectKind Kind() const override { return TiPlotObjectKind::Annotation; }

    // Coordinate conversions by the references: positions to client pixels along the X and
    // Y axis and back; 0 when the reference object is missing.
    int PositionXToPixels(double value) { return ToPixels(0, value); }
    int PositionYToPixels(double value) { return ToPixels(1, value); }
    double PixelsXToPosition(int value) { return FromPixels(0, value); }
    double PixelsYToPosition(int value) { return FromPixels(1, value); }
    // Lengths in pixels of a width and a height.
    int SizeXToPixels(double value) { return SizeToPixels(2, value); }
    int SizeYToPixels(double value) { return SizeToPixels(3, value); }

    // Polygon points; neither call repaints (the application does).
    int PolyPointAdd(double x, double y);
    void PolyPointsClear() { FPolyPoints.clear(); }
    int PolyPointsCount() const { return int(FPolyPoints.size()); }

    // The picture drawn by the image style; a null image removes it.
    const QImage& Image() const { return FImage; }
    void SetImage(const QImage& image);
    void ImageClear();
    // "Cannot open file ..." when the file is no picture; the old picture stays then.
    void ImageLoadFromFile(const QString& fileName);

    // The channel named ChannelName (looked up once, null when not found).
    TiPlotChannelCustom* GetChannel();
    TiPlotDataView* DataView() const { return FDataView; }
    // Shown in the last paint: only then can the annotation be hit.
    bool Showing() const { return FShowing; }
    TRect ClickRect() const { return FClickRect; }
    TRect DrawRect() const { return FDrawRect; }

    void SetPaintDataView(TiPlotDataView* dataView, bool xyAxesReversed) override;
    void NotificationRemove(TObject* sender) override;
    void NotificationRename(TObject* sender) override;
    void NotificationSetFocus(TObject* sender) override;
    void Draw(TCanvas& canvas, TColor backGroundColor) override;
    bool iMouseHitTest(const TiPlotMouseData& mouseData) override;
    void DoMouseLeft(const TiPlotMouseData& mouseData) override;
    void DoMouseMove(const TiPlotMouseData& mouseData) override;
    void DoMouseUp(const TiPlotMouseData& mouseData) override;
    TCursor GetMouseCursor(const TPoint& point) override;

    // Published. Enumerations read from a file outside their values are refused.
    TiPlotAnnotationStyle Style() const { return FStyle; }
    void SetStyle(TiPlotAnnotationStyle v) { SetProperty(v, FStyle, Notify::Change); }
    TiPlotReferenceType Reference() const { return FReference; }
    void SetReference(TiPlotReferenceType v) { SetProperty(v, FReference, Notify::Change); }
    TiPlotReferenceIndividual ReferencePositionX() const { return FReferences[0]; }
    void SetReferencePositionX(TiPlotReferenceIndividual v) { SetProperty(v, FReferences[0], Notify::Change); }
    TiPlotReferenceIndividual ReferencePositionY() const { return FReferences[1]; }
    void SetReferencePositionY(TiPlotReferenceIndividual v) { SetProperty(v, FReferences[1], Notify::Change); }
    TiPlotReferenceIndividual ReferenceSizeX() const { return FReferences[2]; }
    void SetReferenceSizeX(TiPlotReferenceIndividual v) { SetProperty(v, FReferences[2], Notify::Change); }
    TiPlotReferenceIndividual ReferenceSizeY() const { return FReferences[3]; }
    void SetReferenceSizeY(TiPlotReferenceIndividual v) { SetProperty(v, FReferences[3], Notify::Change); }
    double X() const { return FX; }
    void SetX(double v) { SetCoordinate(v, FX); }
    double Y() const { return FY; }
    void SetY(double v) { SetCoordinate(v, FY); }
    double X2() const { return FX2; }
    void SetX2(double v) { SetCoordinate(v, FX2); }
    double Y2() const { return FY2; }
    void SetY2(double v) { SetCoordinate(v, FY2); }
    double Width() const { return FWidth; }
    void SetWidth(double v) { SetCoordinate(v, FWidth); }
    double Height() const { return FHeight; }
    void SetHeight(double v) { SetCoordinate(v, FHeight); }
    TColor PenColor() const { return FPenColor; }
    void SetPenColor(TColor v) { SetProperty(v, FPenColor, Notify::Change); }
    int PenWidth() const { return FPenWidth; }
    void SetPenWidth(int v) { SetProperty(v, FPenWidth, Notify::Change); }
    TPenStyle PenStyle() const { return FPenStyle; }
    void SetPenStyle(TPenStyle v) { SetProperty(v, FPenStyle, Notify::Change); }
    TColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(TColor v) { SetProperty(v, FBrushColor, Notify::Change); }
    TBrushStyle BrushStyle() const { return FBrushStyle; }
    void SetBrushStyle(TBrushStyle v) { SetProperty(v, FBrushStyle, Notify::Change); }
    const QString& Text() const { return FText; }
    void SetText(const QString& v) { SetProperty(v, FText, Notify::Change); }
    TiPlotFont& Font() { return FFont; }
    const QString& ChannelName() const { return FChannelName; }
    void SetChannelName(const QString& v);
    TiRotationAngle TextRotation() const { return FTextRotation; }
    void SetTextRotation(TiRotationAngle v) { SetProperty(v, FTextRotation, Notify::Change); }
    bool UserCanMove() const { return FUserCanMove; }
    void SetUserCanMove(bool v) { FUserCanMove = v; }
    bool UserCanSize() const { return FUserCanSize; }
    void SetUserCanSize(bool v) { FUserCanSize = v; }
    bool SelectModeOnlyInteraction() const { return FSelectModeOnlyInteraction; }
    void SetSelectModeOnlyInteraction(bool v) { FSelectModeOnlyInteraction = v; }
    bool ClipToAxes() const { return FClipToAxes; }
    void SetClipToAxes(bool v) { SetProperty(v, FClipToAxes, Notify::Change); }
    int ImageListIndex() const { return FImageListIndex; }
    void SetImageListIndex(int v) { SetProperty(v, FImageListIndex, Notify::Change); }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int v) { SetProperty(v, FImageIndex, Notify::Change); }
    TiAlignmentHorizontal TextHorzAlignment() const { return FTextHorzAlignment; }
    void SetTextHorzAlignment(TiAlignmentHorizontal v) { SetProperty(v, FTextHorzAlignment, Notify::Change); }
    TiAlignmentVertical TextVertAlignment() const { return FTextVertAlignment; }
    void SetTextVertAlignment(TiAlignmentVertical v) { SetProperty(v, FTextVertAlignment, Notify::Change); }
    TiAlignmentHorizontal TextLineAlignment() const { return FTextLineAlignment; }
    void SetTextLineAlignment(TiAlignmentHorizontal v) { SetProperty(v, FTextLineAlignment, Notify::Change); }
    double TextHorzMargin() const { return FTextHorzMargin; }
    void SetTextHorzMargin(double v) { SetProperty(v, FTextHorzMargin, Notify::Change); }
    double TextVertMargin() const { return FTextVertMargin; }
    void SetTextVertMargin(double v) { SetProperty(v, FTextVertMargin, Notify::Change); }
    bool ShowFocusRect() const { return FShowFocusRect; }
    void SetShowFocusRect(bool v) { SetProperty(v, FShowFocusRect, Notify::Change); }
    int OuterMargin() const { return FOuterMargin; }
    void SetOuterMargin(int v) { SetProperty(v, FOuterMargin, Notify::Change); }

private:
    // Which of the four coordinates (position X, position Y, size X, size Y) are in channel
    // units.
    bool InChannelUnits(int coordinate) const;
    bool AnyInChannelUnits() const;
    // The channel's X axis (coordinates 0 and 2) or Y axis (1 and 3); null unless the
    // channel exists with both axes.
    TiPlotAxis* ChannelAxis(int coordinate);
    int ToPixels(int coordinate, double value);
    double FromPixels(int coordinate, int value);
    int SizeToPixels(int coordinate, double value);
    void SetCoordinate(double value, double& field);
    bool IsSizable() const;
    void SetHandles(TCanvas& canvas, const TRect& box);
    void SetFromPixelRect(int left, int top, int right, int bottom);
    void FireCoordinatesChange();
    // The text's extent in the annotation's font, exchanged for quarter turns.
    void TextExtent(TCanvas& canvas, int& w, int& h) const;
    // A rectangle of w x h on the anchor placed by the text alignments and margins.
    TRect PlaceOnAnchor(TCanvas& canvas, TPoint anchor, int w, int h) const;
    void DrawText(TCanvas& canvas, const TRect& rect, TColor backGroundColor);
    void DrawImage(TCanvas& canvas, TPoint anchor, const TRect& view);
    void DrawPolygon(TCanvas& canvas, const TRect& view);

    TiPlotAnnotationStyle FStyle = ipasText;
    TiPlotReferenceType FReference = iprtDataView;
    std::array<TiPlotReferenceIndividual, 4> FReferences = {ipriAuto, ipriAuto, ipriAuto, ipriAuto};
    TiPlotAnnotationSelectStyle FSelectStyle = ipassNone;
    // The four sizing handles of the last drawn box: top-left, top-right, bottom-left,
    // bottom-right.
    std::array<TRect, 4> FHandles{};
    std::vector<std::pair<double, double>> FPolyPoints;
    double FX = 0, FY = 0, FY2 = 0, FX2 = 0, FWidth = 0, FHeight = 0;
    TColor FPenColor = 0xFFFFFF;
    int FPenWidth = 0;
    TPenStyle FPenStyle = psSolid;
    TColor FBrushColor = 0xFFFFFF;
    TBrushStyle FBrushStyle = bsSolid;
    QString FText;
    TiPlotFont FFont;
    QString FChannelName;
    TiPlotDataView* FDataView = nullptr;
    TiPlotChannelCustom* FChannel = nullptr;
    TiRotationAngle FTextRotation = ira000;
    bool FShowing = false;
    TRect FDrawRect{};
    TRect FClickRect{};
    bool FRectChange = false;
    bool FUserCanMove = false, FUserCanSize = false, FSelectModeOnlyInteraction = true, FClipToAxes = false;
    // A left press on the annotation is in progress (apart from the base's pressed state,
    // which decides the plot's mouse-up event).
    bool FLeftDown = false;
    int FMouseDownX = 0, FMouseDownY = 0;
    int FMouseDownPositionPixelsX = 0, FMouseDownPositionPixelsY = 0;
    TRect FMouseDownRect{};
    QImage FImage;
    int FImageListIndex = 0, FImageIndex = 0;
    TiAlignmentHorizontal FTextHorzAlignment = iahCenter;
    TiAlignmentVertical FTextVertAlignment = iavCenter;
    TiAlignmentHorizontal FTextLineAlignment = iahCenter;
    double FTextHorzMargin = 1, FTextVertMargin = 1;
    bool FShowFocusRect = true;
    double FMouseDownXValue = 0, FMouseDownYValue = 0, FMouseDownX2Value = 0, FMouseDownY2Value = 0;
    int FOuterMargin = 0;
};
