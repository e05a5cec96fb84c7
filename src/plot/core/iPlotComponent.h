#pragma once
// The common body of the plot controls. It owns one master manager, which owns the object
// managers and through them every plot object; it adds, deletes, counts and finds objects,
// reports inserted and removed objects through its events, lays its objects out in rings
// around the data view and paints them by layer. The objects never call application
// handlers themselves: they ask the plot to fire its events.
#include "core/iPlotFont.h"
#include "core/iPlotMasterManager.h"
#include "core/iPlotObjects.h"
#include "core/iVCLComponent.h"
#include "graphics/TImageList.h"
#include "ui/LayoutProperties.h"
#include "ui/TMenu.h"

#include <QPicture>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class TiPlotAxis;
class TiPlotXAxis;
class TiPlotYAxis;
class TiPlotChannelCustom;
class TiPlotDataCursor;
class TiPlotDataView;
class TiPlotLabel;
class TiPlotLegend;
class TiPlotLimit;
class TiPlotTable;
class TiPlotToolBar;
class TiPlotPreviewForm;
class QPrinter;

// Event types: Sender is the plot; object events pass the object's index in its manager.
using TiPlotObjectEvent = std::function<void(TObject* Sender, int Index)>;
using TiPlotObjectMouseEvent =
    std::function<void(TObject* Sender, int Index, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TiPlotObjectMouseMoveEvent = std::function<void(TObject* Sender, int Index, TShiftState Shift, int X, int Y)>;
using TiPlotObjectMouseWheelEvent =
    std::function<void(TObject* Sender, int Index, int WheelDelta, TShiftState Shift, int X, int Y)>;
using TiPlotObjectGetMouseCursorEvent = std::function<void(TObject* Sender, int Index, TCursor& MouseCursor)>;
using TiPlotPopupMenuEvent =
    std::function<void(TObject* Sender, int Index, bool& Cancel, int ScreenX, int ScreenY)>;
using TiPlotDataPointMouseEvent = std::function<void(TObject* Sender, int ChannelIndex, int DataIndex,
                                                     TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TiPlotDataPointMouseMoveEvent =
    std::function<void(TObject* Sender, int ChannelIndex, int DataIndex, TShiftState Shift, int X, int Y)>;
using TiPlotClickDataPointEvent = std::function<void(TObject* Sender, int ChannelIndex, int DataIndex)>;
using TiPlotDataPointMovedEvent = std::function<void(TObject* Sender, int ChannelIndex, int DataIndex, double OldX,
                                                     double OldY, double NewX, double NewY)>;
using TiPlotObjectDoubleValueChangeEvent =
    std::function<void(TObject* Sender, int Index, double OldValue, double NewValue)>;
using TiPlotAxesMinSpanChangeEvent =
    std::function<void(TObject* Sender, int Index, double OldMin, double OldSpan, double NewMin, double NewSpan)>;
using TiPlotAxesCustomizeLabelEvent =
    std::function<void(TObject* Sender, int Index, double Value, QString& ALabel)>;
using TiPlotObjectCustomizeTextEvent = std::function<void(TObject* Sender, int Index, QString& AText)>;
using TiPlotDataPointCustomizeTextEvent =
    std::function<void(TObject* Sender, int ChannelIndex, int DataPointIndex, QString& AText)>;
using TiPlotToolBarButtonEvent = std::function<void(TObject* Sender, int Index, int ButtonType)>;
using TiPlotToolBarButtonBeforeEvent = std::function<void(TObject* Sender, int Index, int ButtonType, bool& Cancel)>;
using TiPlotZoomBoxEvent = std::function<void(TObject* Sender, TRect& ZoomRect, bool& Cancel)>;

class TiPlotComponent : public TiCustomComponent, public IDefineProperties {
public:
    explicit TiPlotComponent(TComponent* owner);
    ~TiPlotComponent() override;

    const TiPublishedClass& PublishedClass() const override;
    static const TiPublishedClass& Published();

    TiPlotMasterManager& Master() const { return *FMaster; }
    TiPlotObjectManager* GetPlotObjectManager() const { return FMaster->ObjectManager(); }
    TiPlotTranslationManager* GetTranslationManager() const { return FMaster->TranslationManager(); }
    // A text of the plot's user interface through its translation table.
    QString Translate(const QString& text) const;
    TPopupMenu* PopupMenu() const { return FPopupMenu.get(); }
    TPoint ClientToScreen(const TPoint& point) const;
    TImageList& ImageList(int index) { return FImageLists[std::size_t(index)]; }

    // ---- collections --------------------------------------------------------------------
    int AddChannel();
    int AddXAxis();
    int AddYAxis();
    int AddToolBar();
    int AddLegend();
    int AddTable();
    int AddLabel();
    int AddDataView();
    int AddDataCursor();
    int AddLimit();
    int AddAnnotation();
    int AddTranslation(const QString& originalString, const QString& replacementString);

    void DeleteChannel(int index);
    void DeleteXAxis(int index);
    void DeleteYAxis(int index);
    void DeleteToolBar(int index);
    void DeleteLegend(int index);
    void DeleteTable(int index);
    void DeleteDataView(int index);
    void DeleteDataCursor(int index);
    void DeleteLimit(int index);
    void DeleteAnnotation(int index);
    // Label 0 is the title: "Label Index 0 can not be Deleted (Resevered for Title)".
    void DeleteLabel(int index);
    void DeleteTranslation(int index);

    void RemoveAllChannels();
    void RemoveAllXAxes();
    void RemoveAllYAxes();
    void RemoveAllToolBars();
    void RemoveAllLegends();
    void RemoveAllTables();
    void RemoveAllDataViews();
    void RemoveAllDataCursors();
    void RemoveAllLimits();
    void RemoveAllAnnotations();
    void RemoveAllTranslations();
    // Every label but the title.
    void RemoveAllLabels();

    int ChannelCount() const { return FMaster->ChannelManager()->Count(); }
    int XAxisCount() const { return FMaster->XAxisManager()->Count(); }
    int YAxisCount() const { return FMaster->YAxisManager()->Count(); }
    int ToolBarCount() const { return FMaster->ToolBarManager()->Count(); }
    int LegendCount() const { return FMaster->LegendManager()->Count(); }
    int TableCount() const { return FMaster->TableManager()->Count(); }
    int LabelCount() const { return FMaster->LabelManager()->Count(); }
    int DataViewCount() const { return FMaster->DataViewManager()->Count(); }
    int DataCursorCount() const { return FMaster->DataCursorManager()->Count(); }
    int LimitCount() const { return FMaster->LimitManager()->Count(); }
    int AnnotationCount() const { return FMaster->AnnotationManager()->Count(); }
    int TranslationCount() const { return FMaster->TranslationManager()->Count(); }

    // Typed access by index ("List index out of bounds (%d)" outside the list).
    TiPlotChannelCustom* ChannelObject(int index) const;
    TiPlotXAxis* XAxis(int index) const;
    TiPlotYAxis* YAxis(int index) const;
    TiPlotToolBar* ToolBar(int index) const;
    TiPlotLegend* Legend(int index) const;
    TiPlotLabel* Label(int index) const;
    TiPlotDataView* DataView(int index) const;
    TiPlotDataCursor* DataCursor(int index) const;
    TiPlotTable* Table(int index) const;
    TiPlotLimit* Limit(int index) const;
    TiPlotObject* Annotation(int index) const { return FMaster->AnnotationManager()->GetItem(index); }
    QString GetTranslationOriginalString(int index) const;
    QString GetTranslationReplacementString(int index) const;

    // By name (the letters a to z compared without regard to case): null or -1 when none.
    TiPlotChannelCustom* GetChannelByName(const QString& name) const;
    TiPlotXAxis* GetXAxisByName(const QString& name) const;
    TiPlotYAxis* GetYAxisByName(const QString& name) const;
    TiPlotToolBar* GetToolBarByName(const QString& name) const;
    TiPlotLegend* GetLegendByName(const QString& name) const;
    TiPlotLabel* GetLabelByName(const QString& name) const;
    TiPlotDataView* GetDataViewByName(const QString& name) const;
    TiPlotDataCursor* GetDataCursorByName(const QString& name) const;
    TiPlotTable* GetTableByName(const QString& name) const;
    TiPlotLimit* GetLimitByName(const QString& name) const;
    TiPlotObject* GetAnnotationByName(const QString& name) const;
    int GetChannelIndexByName(const QString& name) const;
    int GetXAxisIndexByName(const QString& name) const;
    int GetYAxisIndexByName(const QString& name) const;
    int GetToolBarIndexByName(const QString& name) const;
    int GetLegendIndexByName(const QString& name) const;
    int GetTableIndexByName(const QString& name) const;
    int GetLabelIndexByName(const QString& name) const;
    int GetDataViewIndexByName(const QString& name) const;
    int GetDataCursorIndexByName(const QString& name) const;
    int GetLimitIndexByName(const QString& name) const;
    int GetAnnotationIndexByName(const QString& name) const;
    // The index of an object in its kind's manager, -1 when not listed.
    int IndexOfObject(const TiPlotObject* object) const;

    void ClearAllData();
    void DisableAllTracking();
    void EnableAllTracking();
    // The current date-time (days).
    double GetNow() const;

    // ---- data file (all channels; text or compact by DataFileFormat) ----------------------
    // Failures raise "Error Saving Data - " / "Error Loading Data - " and the message.
    void SaveDataToFile(const QString& fileName);
    // Appends the file's points to the channels, inside an update bracket.
    void LoadDataFromFile(const QString& fileName);
    QString LastDataFileName() const { return FLastDataFileName; }
    TiNotifyEvent OnAfterSaveData, OnAfterLoadData;

    // ---- configuration file (iPlotConfigFile.cpp) -----------------------------------------
    // "File Type = Plot Config", the object counts, one section per object (Channel0, ...,
    // Limit0) and the plot's own properties; annotations, translations and data are not in
    // it. Failures raise "Error Saving Properties - " / "Error Loading Properties - ".
    void SavePropertiesToFile(const QString& fileName) override;
    // Replaces the objects (toolbars stay) by the file's and applies its sections in order.
    void LoadPropertiesFromFile(const QString& fileName) override;
    QString LastPropertiesFileName() const { return FLastPropertiesFileName; }
    TiNotifyEvent OnBeforeLoadProperties, OnAfterLoadProperties, OnAfterSaveProperties;

    // ---- annotation, translation files and the data log (iPlotDataLog.cpp) --------------
    void SaveAnnotationsToFile(const QString& fileName);
    // Removes every annotation, then adds and sets up those of the file.
    void LoadAnnotationsFromFile(const QString& fileName);
    void SaveTranslationsToFile(const QString& fileName);
    void LoadTranslationsFromFile(const QString& fileName);
    // Starts logging rows to LogFileName: Append opens the existing file (it must exist);
    // otherwise the file is created or emptied and gets the header of DataFileFormat.
    void LogActivate(bool append);
    // Stops logging and writes the buffered rows.
    void LogDeactivate();
    // Adds one row per channel (a list of numbers: Null and Empty marks by their tiny
    // codes) at XValue, or rows of a list of per-channel lists, each point XValue after its
    // channel's last; logs the rows when the buffer is full.
    void AddDataArray(double xValue, const QVariant& data);
    // Appends source points StartIndex..StopIndex to the destination with their marks.
    void TransferChannelData(int sourceChannelIndex, int destinationChannelIndex, int startIndex, int stopIndex);

    // ---- layout and painting ------------------------------------------------------------
    void iPaintToCanvas(TCanvas& canvas) override;
    // One paint pass into a discarded bitmap, so every object's rectangle is current.
    void ReCalcLayout();
    void DisableLayoutManager();
    void EnableLayoutManager();
    void RefreshLayoutManager();
    void AddCollisionRect(const TRect& rect);
    // Reserves R unless it overlaps an earlier reservation or leaves data view 0.
    bool CheckCollisionRect(const TRect& rect);
    bool PaintingActive() const { return FPaintingActive; }
    // Reading a stored layout: loading set, the layout manager off and an update bracket
    // open; Loaded closes all three.
    void BeginLoad();
    void Loaded() override;
    // The layout data beside the published properties (iPlotComponentStream.cpp): the data
    // view placeholders' ZOrder, the image lists, the object collections and the
    // translation table. DefineProperties gives their readers; LayoutDefinedProperties the
    // values a layout stores, in the same order, each only when it holds something. Both
    // keep toolbar 0 off the title's ring.
    void DefineProperties(TFiler& filer) override;
    std::vector<std::pair<QString, QVariant>> LayoutDefinedProperties();

    // ---- object events (the objects call these; they do nothing while loading) ----------
    void DoObjectInserted(TObject* object);
    void DoObjectRemoved(TObject* object);
    void ObjectChange(TObject* sender);
    void DoObjectClick(TiPlotObject* object);
    void DoObjectMouseDown(TiPlotObject* object, TMouseButton button, TShiftState shift, int x, int y);
    void DoObjectMouseMove(TiPlotObject* object, TShiftState shift, int x, int y);
    void DoObjectMouseUp(TiPlotObject* object, TMouseButton button, TShiftState shift, int x, int y);
    void DoObjectMouseWheel(TiPlotObject* object, int wheelDelta, TShiftState shift, int x, int y);
    void DoGetMouseCursor(TiPlotObject* object, TCursor& cursor);
    void DoObjectGotFocus(TiPlotObject* object);
    void DoObjectLostFocus(TiPlotObject* object);
    void DoObjectPopupMenu(TiPlotObject* object, bool& cancel, int screenX, int screenY);
    void DoDataPointClick(TiPlotObject* channel, int dataIndex);
    void DoDataPointMouseDown(TiPlotObject* channel, int dataIndex, TMouseButton button, TShiftState shift, int x,
                              int y);
    void DoDataPointMouseMove(TiPlotObject* channel, int dataIndex, TShiftState shift, int x, int y);
    void DoDataPointMouseUp(TiPlotObject* channel, int dataIndex, TMouseButton button, TShiftState shift, int x,
                            int y);
    void DoDataPointMoved(TiPlotObject* channel, int dataIndex, double oldX, double oldY, double newX, double newY);
    void DoDataPointCustomizeHint(TiPlotObject* channel, int dataIndex, QString& text);
    void DoAxisMinChange(TiPlotObject* axis, double oldValue, double newValue);
    void DoAxisSpanChange(TiPlotObject* axis, double oldValue, double newValue);
    void DoAxisMinSpanChange(TiPlotObject* axis, double oldMin, double oldSpan, double newMin, double newSpan);
    void DoAxisCustomizeLabel(TiPlotObject* axis, QString& text, double value);
    void SetCustomizeLabelText(const QString& value) { FTempCustomLabel = value; }
    void DoDataCursorChange(TiPlotObject* cursor);
    // An annotation's coordinates changed; the user moved or resized it; a drag that changed
    // its coordinates ended.
    void DoAnnotationCoordinatesChange(TiPlotObject* annotation);
    void DoAnnotationMoveUser(TiPlotObject* annotation);
    void DoAnnotationResizeUser(TiPlotObject* annotation);
    void DoAnnotationCoordinatesChangeFinished(TiPlotObject* annotation);
    void DoBeforeDataCursorUpdate(TiPlotObject* cursor);
    void DoDataCursorCustomizeHint(TiPlotObject* cursor, QString& text);
    void DoToolBarButtonClick(TiPlotObject* toolBar, int button);
    void DoBeforeToolBarButtonClick(TiPlotObject* toolBar, int button, bool& cancel);
    void DoToolBarCustomizeHint(TiPlotObject* toolBar, QString& text);
    void DoBeforeZoomBox(TRect& zoomRect, bool& cancel);
    // Whether the plot's channels are time series kept in X order (the time-series plot
    // answers true; the data cursor snaps and interpolates only there).
    virtual bool IsTimeSeriesPlot() const { return false; }
    // Toolbar 0's Select button (the data view's select mode).
    bool GetSelectActive() const;
    void SetSelectActive(bool value);
    void DoAxisMinSpanChangeFinished(TiPlotObject* axis, double oldMin, double oldSpan, double newMin,
                                     double newSpan);
    // The X or Y axis customize-hint event by the axis' kind.
    void DoAxisCustomizeHint(TiPlotObject* axis, QString& text);
    // A limit's line moved (old and new position in axis units).
    void DoLimitLine1PositionChange(TiPlotObject* limit, double oldValue, double newValue);
    void DoLimitLine2PositionChange(TiPlotObject* limit, double oldValue, double newValue);

    // ---- input (iPlotComponentInput.cpp) ------------------------------------------------
    // The object under the mouse: selected objects first, then the others, then data views
    // and legends; null when none.
    TiPlotObject* GetObjectAtPoint(const TiPlotMouseData& mouseData);
    void HideHint();
    // The hint timer's tick: shows a waiting hint, hides a shown one.
    void HintTimer();
    // An axis with MasterUIInput repeats its input on every other axis of its kind.
    void MasterAxisMouseLeft(TiPlotAxis* axis, const TiPlotMouseData& mouseData);
    void MasterAxisMouseMove(TiPlotAxis* axis, const TiPlotMouseData& mouseData);
    void MasterAxisMouseUp(TiPlotAxis* axis, const TiPlotMouseData& mouseData);
    void MasterAxisMouseWheel(TiPlotAxis* axis, int wheelDelta, TShiftState shift, int x, int y);
    void MasterAxisKeyDown(TiPlotAxis* axis, int key, TShiftState shift);
    // The mouse capture went to another window: the hint goes, the mouse-over object hears.
    void CaptureLost();
    bool SelectingActive() const { return FSelectingActive; }

    // ---- clipboard, images and printing (iPlotPrinting.cpp) -----------------------------
    // Puts the plot (toolbars hidden) on the clipboard in CopyToClipBoardFormat.
    virtual void CopyToClipBoard();
    // The plot's picture (Width x Height) recorded as a drawing that the plot owns; the next
    // call replaces it. The print preview draws it scaled onto its sheet.
    const QPicture& GetSnapShotPicture();
    // Asks for a file name and saves the picture by its ending (SaveImageByName).
    virtual void Save();
    // "bmp", "emf" (the PDF picture), "jpg" or "png", compared with exact case; any other
    // ending saves nothing. False when nothing was saved.
    bool SaveImageByName(const QString& fileName);
    // Prints X axis 0's range one span per page, after the print dialog when
    // PrintShowDialog; "Error Printing : <message>" on failure.
    virtual void PrintChart();
    // The same onto a printer the caller set up (no dialog).
    void PrintToPrinter(QPrinter& printer);
    // The print preview window with the plot's print settings, shown modally.
    virtual void PreviewChart();
    void PrintSizeToFillPage();
    void PrintAdjustXSpanToMinutesPerMillimeter(double minutesPerMillimeter);
    QString PrinterName() const { return FPrinterName; }
    void SetPrinterName(const QString& v) { FPrinterName = v; }
    double PrinterPaperWidthInches() const { return FPrinterPaperWidthInches; }
    double PrinterPaperHeightInches() const { return FPrinterPaperHeightInches; }
    // The three image lists ("ImageList Index must be 0-2" for another index): the first
    // picture sets a list's size; a smaller one is centred on it, one of another shape
    // fails with "Image Width and Height must be the same as other images, or both
    // smaller, or both larger". Resource names are Qt resource paths.
    void ImageListAdd(int imageListIndex, const QImage& bitmap);
    void ImageListLoadFromResourceName(int imageListIndex, const QString& resName);
    void ImageListClear(int imageListIndex);
    // Opens the modal preview (the test replaces it to see the window without showing it).
    std::function<void(TiPlotPreviewForm& preview)> OnShowPreview;
    TiNotifyEvent OnBeforePrint, OnAfterPrint;
    std::function<void(TObject* Sender, int Page, bool LastPage)> OnBeforePrintPage;

    // ---- published properties -----------------------------------------------------------
    bool XYAxesReverse() const { return FMaster->XYAxesReverse(); }
    void SetXYAxesReverse(bool value) { FMaster->SetXYAxesReverse(value); }
    bool UserCanEditObjects() const { return FMaster->UserCanEditObjects(); }
    void SetUserCanEditObjects(bool value) { FMaster->SetUserCanEditObjects(value); }
    bool UserCanAddRemoveChannels() const { return FUserCanAddRemoveChannels; }
    void SetUserCanAddRemoveChannels(bool value) { FUserCanAddRemoveChannels = value; }
    QString TitleText() const;
    void SetTitleText(const QString& value);
    bool TitleVisible() const;
    void SetTitleVisible(bool value);
    double TitleMargin() const;
    void SetTitleMargin(double value);
    TiPlotFont& TitleFont();
    bool HintsShow() const { return FHintsShow; }
    void SetHintsShow(bool value) { FHintsShow = value; }
    int HintsPause() const { return FHintsPause; }
    void SetHintsPause(int value) { FHintsPause = value; }
    int HintsHidePause() const { return FHintsHidePause; }
    void SetHintsHidePause(int value) { FHintsHidePause = value; }
    TiPlotFont& HintsFont() { return FHintsFont; }
    TiPlotFormStyle EditorFormStyle() const { return FEditorFormStyle; }
    void SetEditorFormStyle(TiPlotFormStyle value) { FEditorFormStyle = value; }
    TiPlotExportFormat CopyToClipBoardFormat() const { return FCopyToClipBoardFormat; }
    void SetCopyToClipBoardFormat(TiPlotExportFormat value) { FCopyToClipBoardFormat = value; }
    TiPlotFont& AnnotationDefaultFont() { return FAnnotationDefaultFont; }
    TBrushStyle AnnotationDefaultBrushStlye() const { return FAnnotationDefaultBrushStyle; }
    void SetAnnotationDefaultBrushStlye(TBrushStyle value) { FAnnotationDefaultBrushStyle = value; }
    TColor AnnotationDefaultBrushColor() const { return FAnnotationDefaultBrushColor; }
    void SetAnnotationDefaultBrushColor(TColor value) { FAnnotationDefaultBrushColor = value; }
    TPenStyle AnnotationDefaultPenStlye() const { return FAnnotationDefaultPenStyle; }
    void SetAnnotationDefaultPenStlye(TPenStyle value) { FAnnotationDefaultPenStyle = value; }
    TColor AnnotationDefaultPenColor() const { return FAnnotationDefaultPenColor; }
    void SetAnnotationDefaultPenColor(TColor value) { FAnnotationDefaultPenColor = value; }
    int AnnotationDefaultPenWidth() const { return FAnnotationDefaultPenWidth; }
    void SetAnnotationDefaultPenWidth(int value) { FAnnotationDefaultPenWidth = value; }
    TiPlotReferenceType AnnotationDefaultReference() const { return FAnnotationDefaultReference; }
    void SetAnnotationDefaultReference(TiPlotReferenceType value) { FAnnotationDefaultReference = value; }
    TiPlotReferenceIndividual AnnotationDefaultReferencePositionX() const { return FAnnotationDefaultRefPosX; }
    void SetAnnotationDefaultReferencePositionX(TiPlotReferenceIndividual v) { FAnnotationDefaultRefPosX = v; }
    TiPlotReferenceIndividual AnnotationDefaultReferencePositionY() const { return FAnnotationDefaultRefPosY; }
    void SetAnnotationDefaultReferencePositionY(TiPlotReferenceIndividual v) { FAnnotationDefaultRefPosY = v; }
    TiPlotReferenceIndividual AnnotationDefaultReferenceSizeX() const { return FAnnotationDefaultRefSizeX; }
    void SetAnnotationDefaultReferenceSizeX(TiPlotReferenceIndividual v) { FAnnotationDefaultRefSizeX = v; }
    TiPlotReferenceIndividual AnnotationDefaultReferenceSizeY() const { return FAnnotationDefaultRefSizeY; }
    void SetAnnotationDefaultReferenceSizeY(TiPlotReferenceIndividual v) { FAnnotationDefaultRefSizeY = v; }
    bool ClipAnnotationsToAxes() const { return FClipAnnotationsToAxes; }
    void SetClipAnnotationsToAxes(bool value);
    QString DefaultSaveImageDirectory() const { return FDefaultSaveImageDirectory; }
    void SetDefaultSaveImageDirectory(const QString& v) { FDefaultSaveImageDirectory = v; }
    QString DefaultPropertyDirectory() const { return FDefaultPropertyDirectory; }
    void SetDefaultPropertyDirectory(const QString& v) { FDefaultPropertyDirectory = v; }
    QString DefaultDataDirectory() const { return FDefaultDataDirectory; }
    void SetDefaultDataDirectory(const QString& v) { FDefaultDataDirectory = v; }
    QString DefaultAnnotationDirectory() const { return FDefaultAnnotationDirectory; }
    void SetDefaultAnnotationDirectory(const QString& v) { FDefaultAnnotationDirectory = v; }
    TiPlotImageFormatStyle DefaultSaveImageFormat() const { return FDefaultSaveImageFormat; }
    void SetDefaultSaveImageFormat(TiPlotImageFormatStyle v) { FDefaultSaveImageFormat = v; }
    bool DifferentialPropertySave() const { return FDifferentialPropertySave; }
    void SetDifferentialPropertySave(bool v) { FDifferentialPropertySave = v; }
    TiPlotDataFileColumnSeparator DataFileColumnSeparator() const { return FDataFileColumnSeparator; }
    // Refused while logging ("Data File Column Seperator can not be changed while logging active").
    void SetDataFileColumnSeparator(TiPlotDataFileColumnSeparator v);
    TiPlotDataFileFormat DataFileFormat() const { return FDataFileFormat; }
    // Refused while logging ("Data File Format can not be changed while logging active").
    void SetDataFileFormat(TiPlotDataFileFormat v);
    QString LogFileName() const { return FLogFileName; }
    // Refused while logging ("Log File Name can not be changed while logging is active.").
    void SetLogFileName(const QString& v);
    int LogBufferSize() const { return FLogBufferSize; }
    void SetLogBufferSize(int v) { FLogBufferSize = v; }
    bool LoggingActive() const { return FLoggingActive; }
    TPrinterOrientation PrintOrientation() const { return FPrintOrientation; }
    void SetPrintOrientation(TPrinterOrientation v) { FPrintOrientation = v; }
    double PrintMarginLeft() const { return FPrintMarginLeft; }
    void SetPrintMarginLeft(double v) { FPrintMarginLeft = v; }
    double PrintMarginTop() const { return FPrintMarginTop; }
    void SetPrintMarginTop(double v) { FPrintMarginTop = v; }
    double PrintMarginRight() const { return FPrintMarginRight; }
    void SetPrintMarginRight(double v) { FPrintMarginRight = v; }
    double PrintMarginBottom() const { return FPrintMarginBottom; }
    void SetPrintMarginBottom(double v) { FPrintMarginBottom = v; }
    bool PrintShowDialog() const { return FPrintShowDialog; }
    void SetPrintShowDialog(bool v) { FPrintShowDialog = v; }
    QString PrintDocumentName() const { return FPrintDocumentName; }
    void SetPrintDocumentName(const QString& v) { FPrintDocumentName = v; }
    int OuterMarginLeft() const { return FOuterMarginLeft; }
    void SetOuterMarginLeft(int v) { SetIntegerProperty(v, FOuterMarginLeft, 0); }
    int OuterMarginTop() const { return FOuterMarginTop; }
    void SetOuterMarginTop(int v) { SetIntegerProperty(v, FOuterMarginTop, 0); }
    int OuterMarginRight() const { return FOuterMarginRight; }
    void SetOuterMarginRight(int v) { SetIntegerProperty(v, FOuterMarginRight, 0); }
    int OuterMarginBottom() const { return FOuterMarginBottom; }
    void SetOuterMarginBottom(int v) { SetIntegerProperty(v, FOuterMarginBottom, 0); }
    bool BackGroundGradientEnabled() const { return FBackGroundGradientEnabled; }
    void SetBackGroundGradientEnabled(bool v) { SetBooleanProperty(v, FBackGroundGradientEnabled, 0); }
    TColor BackGroundGradientStartColor() const { return FBackGroundGradientStartColor; }
    void SetBackGroundGradientStartColor(TColor v) { SetColorProperty(v, FBackGroundGradientStartColor, 0); }
    TColor BackGroundGradientStopColor() const { return FBackGroundGradientStopColor; }
    void SetBackGroundGradientStopColor(TColor v) { SetColorProperty(v, FBackGroundGradientStopColor, 0); }
    TiFillDirection BackGroundGradientDirection() const { return FBackGroundGradientDirection; }
    void SetBackGroundGradientDirection(TiFillDirection v);
    int DataViewZHorz() const;
    void SetDataViewZHorz(int value);
    int DataViewZVert() const;
    void SetDataViewZVert(int value);
    int TabOrder() const { return FTabOrder; }
    void SetTabOrder(int v) { FTabOrder = v; }

    // ---- events -------------------------------------------------------------------------
    TiPlotObjectEvent OnAddChannel, OnAddXAxis, OnAddYAxis, OnAddDataCursor, OnAddDataView, OnAddLegend,
        OnAddLimit, OnAddTable, OnAddAnnotation;
    TiPlotObjectEvent OnRemoveChannel, OnRemoveXAxis, OnRemoveYAxis, OnRemoveDataCursor, OnRemoveDataView,
        OnRemoveLegend, OnRemoveLimit, OnRemoveTable, OnRemoveAnnotation;
    TiPlotObjectMouseEvent OnMouseDownXAxis, OnMouseDownYAxis, OnMouseDownDataView, OnMouseDownLegend,
        OnMouseDownChannel, OnMouseDownLimit, OnMouseDownDataCursor, OnMouseDownAnnotation;
    TiPlotObjectMouseEvent OnMouseUpXAxis, OnMouseUpYAxis, OnMouseUpDataView, OnMouseUpLegend, OnMouseUpChannel,
        OnMouseUpLimit, OnMouseUpDataCursor, OnMouseUpAnnotation;
    TiPlotObjectMouseMoveEvent OnMouseMoveXAxis, OnMouseMoveYAxis, OnMouseMoveDataView, OnMouseMoveLegend,
        OnMouseMoveChannel, OnMouseMoveLimit, OnMouseMoveDataCursor, OnMouseMoveAnnotation;
    TiPlotObjectEvent OnClickXAxis, OnClickYAxis, OnClickDataView, OnClickLegend, OnClickChannel, OnClickLimit,
        OnClickDataCursor, OnClickAnnotation;
    TiPlotObjectEvent OnDblClickXAxis, OnDblClickYAxis, OnDblClickDataView, OnDblClickLegend, OnDblClickChannel,
        OnDblClickLimit, OnDblClickDataCursor, OnDblClickAnnotation;
    TiPlotObjectMouseWheelEvent OnMouseWheelXAxis, OnMouseWheelYAxis, OnMouseWheelDataView, OnMouseWheelLegend,
        OnMouseWheelChannel, OnMouseWheelLimit, OnMouseWheelDataCursor, OnMouseWheelAnnotation;
    TiPlotObjectEvent OnGotFocusChannel, OnGotFocusXAxis, OnGotFocusYAxis, OnGotFocusDataCursor,
        OnGotFocusDataView, OnGotFocusLegend, OnGotFocusAnnotation;
    TiPlotObjectEvent OnLostFocusChannel, OnLostFocusXAxis, OnLostFocusYAxis, OnLostFocusDataCursor,
        OnLostFocusDataView, OnLostFocusLegend, OnLostFocusAnnotation;
    TiPlotObjectGetMouseCursorEvent OnGetMouseCursorChannel, OnGetMouseCursorXAxis, OnGetMouseCursorYAxis,
        OnGetMouseCursorDataCursor, OnGetMouseCursorDataView, OnGetMouseCursorLegend, OnGetMouseCursorLimit,
        OnGetMouseCursorTable, OnGetMouseCursorAnnotation;
    TiPlotPopupMenuEvent OnPopupMenuChannel, OnPopupMenuXAxis, OnPopupMenuYAxis, OnPopupMenuDataCursor,
        OnPopupMenuDataView, OnPopupMenuLegend, OnPopupMenuLimit, OnPopupMenuAnnotation;
    TiPlotDataPointMouseEvent OnMouseDownDataPoint, OnMouseUpDataPoint;
    TiPlotDataPointMouseMoveEvent OnMouseMoveDataPoint;
    TiPlotClickDataPointEvent OnClickDataPoint, OnDblClickDataPoint;
    TiPlotDataPointMovedEvent OnDataPointMoved;
    TiPlotObjectDoubleValueChangeEvent OnXAxisMinChange, OnXAxisSpanChange, OnYAxisMinChange, OnYAxisSpanChange;
    TiPlotObjectDoubleValueChangeEvent OnLimitLine1PositionChange, OnLimitLine2PositionChange;
    TiPlotAxesMinSpanChangeEvent OnXAxisMinSpanChange, OnYAxisMinSpanChange;
    TiPlotAxesMinSpanChangeEvent OnXAxisMinSpanChangeFinished, OnYAxisMinSpanChangeFinished;
    TiPlotObjectCustomizeTextEvent OnXAxisCustomizeHint, OnYAxisCustomizeHint;
    TiPlotAxesCustomizeLabelEvent OnXAxisCustomizeLabel, OnYAxisCustomizeLabel;
    TiPlotObjectCustomizeTextEvent OnDataCursorCustomizeHint, OnToolBarCustomizeHint;
    TiPlotDataPointCustomizeTextEvent OnDataPointCustomizeHint;
    TiPlotObjectEvent OnDataCursorChange, OnBeforeDataCursorUpdate;
    TiPlotObjectEvent OnAnnotationCoordinatesChange, OnAnnotationMoveUser, OnAnnotationResizeUser,
        OnAnnotationCoordinatesChangeFinished;
    TiPlotToolBarButtonEvent OnToolBarButtonClick;
    TiPlotToolBarButtonBeforeEvent OnBeforeToolBarButtonClick;
    TiPlotZoomBoxEvent OnBeforeZoomBox;
    TiNotifyEvent OnAfterPaint;
    // The run-time editor opened or closed (Sender: the master manager).
    TiNotifyEvent OnAfterOpenEditor, OnAfterCloseEditor;

    // State read by the input handling and the hint box.
    TiHintData& HintData() { return FHintData; }
    bool HintShowing() const { return FHintShowing; }
    TiPlotObject* MouseDownObject() const { return FMouseDownObject; }
    TiPlotObject* LastMouseOverObject() const { return FLastMouseOverObject; }
    TiPlotObject* LastMouseClickObject() const { return FLastMouseClickObject; }
    bool DblClickActive() const { return FDBLClickActive; }
    void SetDblClickActive(bool value) { FDBLClickActive = value; }

protected:
    // The objects a plot control starts with, in this order: toolbar, legend, X axis, Y axis,
    // channel (of the channel class), data view, data cursor and the title label; the layout
    // manager is off meanwhile and on again afterwards, also when an addition fails.
    void AddDefaultObjects();
    // Input hooks of the control (iPlotComponentInput.cpp).
    void iMouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void iMouseMove(TShiftState shift, int x, int y) override;
    void iMouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void iDoubleClick() override;
    bool iMouseWheel(int wheelDelta, TShiftState shift, const TPoint& mousePos) override;
    void iKeyDown(int& key, TShiftState shift) override;
    bool iWantSpecialKey(int key) override;
    void MouseCaptureLost() override { CaptureLost(); }
    void SetMouseObjects(TiPlotObject* down, TiPlotObject* over, TiPlotObject* click) {
        FMouseDownObject = down, FLastMouseOverObject = over, FLastMouseClickObject = click;
    }

private:
    template <class T> T* Typed(TiPlotObjectManagerCustom* manager, int index) const;
    template <class T> T* TypedByName(TiPlotObjectManagerCustom* manager, const QString& name) const;
    void DeleteObject(TiPlotObjectManagerCustom* manager, int index);
    void RemoveAll(TiPlotObjectManagerCustom* manager);
    TiPlotLabel* TitleLabel() const;
    // Layout (run twice by each paint pass).
    void CalcLayout(TCanvas& canvas);

    std::unique_ptr<TiPlotMasterManager> FMaster;
    std::unique_ptr<TPopupMenu> FPopupMenu;
    TiPlotFont FHintsFont;
    TiPlotFont FOwnTitleFont;
    std::array<TImageList, 3> FImageLists;
    TiPlotFont FAnnotationDefaultFont;
    TBrushStyle FAnnotationDefaultBrushStyle = bsSolid;
    TColor FAnnotationDefaultBrushColor = clWhite;
    TPenStyle FAnnotationDefaultPenStyle = psSolid;
    TColor FAnnotationDefaultPenColor = clWhite;
    int FAnnotationDefaultPenWidth = 1;
    TiPlotReferenceType FAnnotationDefaultReference = iprtDataView;
    TiPlotReferenceIndividual FAnnotationDefaultRefPosX = ipriAuto;
    TiPlotReferenceIndividual FAnnotationDefaultRefPosY = ipriAuto;
    TiPlotReferenceIndividual FAnnotationDefaultRefSizeX = ipriAuto;
    TiPlotReferenceIndividual FAnnotationDefaultRefSizeY = ipriAuto;
    TiPlotObject* FMouseDownObject = nullptr;
    TiPlotObject* FLastMouseOverObject = nullptr;
    TiPlotObject* FLastMouseClickObject = nullptr;
    bool FDBLClickActive = false;
    QString FTempCustomLabel;
    TiHintData FHintData;
    bool FHintShowing = false;
    // Input state.
    TiPlotMouseData BuildMouseData(TShiftState shift, int x, int y) const;
    void ResetHintTimer(int interval);
    TShiftState FShiftState = 0;
    bool FMouseDown = false;
    bool FSelectingActive = false;
    TMouseButton FLastMouseClickButton = mbLeft;
    TShiftState FLastMouseClickShift = 0;
    int FLastMouseClickX = 0, FLastMouseClickY = 0, FLastMouseClickScreenX = 0, FLastMouseClickScreenY = 0;
    int FLastHintX = 0, FLastHintY = 0;
    TRect FLastHintShowRect;
    TiPlotObject* FLastHintObject = nullptr;
    bool FJustReleasedCapture = false;
    bool FMasterAxisBlock = false;
    TImageList& CheckedImageList(int index);
    QPicture FSnapShotPicture;
    // Printing.
    void PrintPages(QPrinter& printer);
    QString FPrinterName;
    double FPrinterPaperWidthInches = 0, FPrinterPaperHeightInches = 0;
    double FPrinterPaperWidthCentimeters = 0, FPrinterPaperHeightCentimeters = 0;
    int FPrinterPaperWidthPixels = 0, FPrinterPaperHeightPixels = 0;
    double FPrintXStart = 0, FPrintXStop = 0;
    bool FUserCanAddRemoveChannels = false;
    bool FHintsShow = true;
    int FHintsPause = 500;
    int FHintsHidePause = 2500;
    TiPlotFormStyle FEditorFormStyle = ipfsModal;
    TiPlotExportFormat FCopyToClipBoardFormat = ipefMetaFile;
    bool FClipAnnotationsToAxes = true;
    QString FDefaultSaveImageDirectory, FDefaultPropertyDirectory, FDefaultDataDirectory, FDefaultAnnotationDirectory;
    TiPlotImageFormatStyle FDefaultSaveImageFormat = ipifBitmap;
    bool FDifferentialPropertySave = false;
    TiPlotDataFileColumnSeparator FDataFileColumnSeparator = ipdfcsTab;
    TiPlotDataFileFormat FDataFileFormat = ipdffText;
    TPrinterOrientation FPrintOrientation = poLandscape;
    double FPrintMarginLeft = 1.0, FPrintMarginTop = 1.0, FPrintMarginRight = 1.0, FPrintMarginBottom = 1.0;
    bool FPrintShowDialog = true;
    QString FPrintDocumentName = QStringLiteral("Untitled");
    int FOuterMarginLeft = 5, FOuterMarginTop = 5, FOuterMarginRight = 5, FOuterMarginBottom = 5;
    bool FBackGroundGradientEnabled = false;
    TColor FBackGroundGradientStartColor = clBlue;
    TColor FBackGroundGradientStopColor = clBlack;
    TiFillDirection FBackGroundGradientDirection = ifdTopBottom;
    int FTabOrder = 0;
    QString FLastDataFileName;
    QString FLastPropertiesFileName;
    QString FLogFileName;
    int FLogBufferSize = 0;
    bool FLoggingActive = false;
    int FLogBufferCount = 0;
    // Rows in the log file, so the compact log writes X only in the file's first two rows.
    int FLogFileRows = 0;
    void FlushLogBuffer();

    // Paint-pass state: the visible side lists, the layer list and the collision list.
    std::vector<TiPlotLayoutObject*> FVisibleListLeft, FVisibleListRight, FVisibleListTop, FVisibleListBottom;
    std::vector<std::pair<QString, TiPlotObject*>> FLayerList;
    std::vector<TRect> FAxesCollisionList;
    bool FPaintingActive = false;
};
