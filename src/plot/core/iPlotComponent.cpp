#include "core/iPlotComponent.h"

#include "core/iPlotAxis.h"
#include "core/iPlotChannelCustom.h"
#include "objects/iPlotAnnotation.h"
#include "objects/iPlotDataCursor.h"
#include "objects/iPlotDataView.h"
#include "objects/iPlotLabel.h"
#include "objects/iPlotLegend.h"
#include "objects/iPlotLimit.h"
#include "objects/iPlotTable.h"
#include "objects/iPlotToolBar.h"
#include "rtl/Exception.h"
#include "rtl/TDateTime.h"

#include <initializer_list>
#include <utility>

const TiPublishedClass& TiPlotComponent::Published() {
    using namespace published;
    using C = TiPlotComponent;
    static const TiPublishedClass info(
        QStringLiteral("TiPlotComponent"), &TiComponent::Published(),
        {
            Prop<C>("XYAxesReverse", &C::XYAxesReverse, &C::SetXYAxesReverse, 0),
            Prop<C>("UserCanEditObjects", &C::UserCanEditObjects, &C::SetUserCanEditObjects, 1),
            Prop<C>("UserCanAddRemoveChannels", &C::UserCanAddRemoveChannels, &C::SetUserCanAddRemoveChannels, 0),
            Prop<C>("TitleText", &C::TitleText, &C::SetTitleText),
            Prop<C>("TitleVisible", &C::TitleVisible, &C::SetTitleVisible),
            Prop<C>("TitleMargin", &C::TitleMargin, &C::SetTitleMargin),
            published::Object<C>("TitleFont", &C::TitleFont),
            Prop<C>("HintsShow", &C::HintsShow, &C::SetHintsShow, 1),
            Prop<C>("HintsPause", &C::HintsPause, &C::SetHintsPause, 500),
            Prop<C>("HintsHidePause", &C::HintsHidePause, &C::SetHintsHidePause, 2500),
            published::Object<C>("HintsFont", &C::HintsFont),
            Prop<C>("EditorFormStyle", &C::EditorFormStyle, &C::SetEditorFormStyle, ipfsModal),
            Prop<C>("CopyToClipBoardFormat", &C::CopyToClipBoardFormat, &C::SetCopyToClipBoardFormat, ipefMetaFile),
            published::Object<C>("AnnotationDefaultFont", &C::AnnotationDefaultFont),
            Prop<C>("AnnotationDefaultBrushStlye", &C::AnnotationDefaultBrushStlye, &C::SetAnnotationDefaultBrushStlye,
                    bsSolid),
            Prop<C>("AnnotationDefaultBrushColor", &C::AnnotationDefaultBrushColor, &C::SetAnnotationDefaultBrushColor,
                    std::int32_t(clWhite)),
            Prop<C>("AnnotationDefaultPenStlye", &C::AnnotationDefaultPenStlye, &C::SetAnnotationDefaultPenStlye,
                    psSolid),
            Prop<C>("AnnotationDefaultPenColor", &C::AnnotationDefaultPenColor, &C::SetAnnotationDefaultPenColor,
                    std::int32_t(clWhite)),
            Prop<C>("AnnotationDefaultPenWidth", &C::AnnotationDefaultPenWidth, &C::SetAnnotationDefaultPenWidth, 1),
            Prop<C>("AnnotationDefaultReference", &C::AnnotationDefaultReference, &C::SetAnnotationDefaultReference,
                    iprtDataView),
            Prop<C>("AnnotationDefaultReferencePositionX", &C::AnnotationDefaultReferencePositionX,
                    &C::SetAnnotationDefaultReferencePositionX, ipriAuto),
            Prop<C>("AnnotationDefaultReferencePositionY", &C::AnnotationDefaultReferencePositionY,
                    &C::SetAnnotationDefaultReferencePositionY, ipriAuto),
            Prop<C>("AnnotationDefaultReferenceSizeX", &C::AnnotationDefaultReferenceSizeX,
                    &C::SetAnnotationDefaultReferenceSizeX, ipriAuto),
            Prop<C>("AnnotationDefaultReferenceSizeY", &C::AnnotationDefaultReferenceSizeY,
                    &C::SetAnnotationDefaultReferenceSizeY, ipriAuto),
            Prop<C>("ClipAnnotationsToAxes", &C::ClipAnnotationsToAxes, &C::SetClipAnnotationsToAxes, 1),
            Prop<C>("DefaultSaveImageDirectory", &C::DefaultSaveImageDirectory, &C::SetDefaultSaveImageDirectory),
            Prop<C>("DefaultPropertyDirectory", &C::DefaultPropertyDirectory, &C::SetDefaultPropertyDirectory),
            Prop<C>("DefaultDataDirectory", &C::DefaultDataDirectory, &C::SetDefaultDataDirectory),
            Prop<C>("DefaultAnnotationDirectory", &C::DefaultAnnotationDirectory, &C::SetDefaultAnnotationDirectory),
            Prop<C>("DefaultSaveImageFormat", &C::DefaultSaveImageFormat, &C::SetDefaultSaveImageFormat, ipifBitmap),
            Prop<C>("DifferentialPropertySave", &C::DifferentialPropertySave, &C::SetDifferentialPropertySave, 0),
            Prop<C>("DataFileColumnSeparator", &C::DataFileColumnSeparator, &C::SetDataFileColumnSeparator, ipdfcsTab),
            Prop<C>("DataFileFormat", &C::DataFileFormat, &C::SetDataFileFormat, ipdffText),
            Prop<C>("LogFileName", &C::LogFileName, &C::SetLogFileName),
            Prop<C>("LogBufferSize", &C::LogBufferSize, &C::SetLogBufferSize, 0),
            Prop<C>("PrintOrientation", &C::PrintOrientation, &C::SetPrintOrientation, poLandscape),
            Prop<C>("PrintMarginLeft", &C::PrintMarginLeft, &C::SetPrintMarginLeft),
            Prop<C>("PrintMarginTop", &C::PrintMarginTop, &C::SetPrintMarginTop),
            Prop<C>("PrintMarginRight", &C::PrintMarginRight, &C::SetPrintMarginRight),
            Prop<C>("PrintMarginBottom", &C::PrintMarginBottom, &C::SetPrintMarginBottom),
            Prop<C>("PrintShowDialog", &C::PrintShowDialog, &C::SetPrintShowDialog, 1),
            Prop<C>("PrintDocumentName", &C::PrintDocumentName, &C::SetPrintDocumentName),
            Prop<C>("OuterMarginLeft", &C::OuterMarginLeft, &C::SetOuterMarginLeft, 5),
            Prop<C>("OuterMarginTop", &C::OuterMarginTop, &C::SetOuterMarginTop, 5),
            Prop<C>("OuterMarginRight", &C::OuterMarginRight, &C::SetOuterMarginRight, 5),
            Prop<C>("OuterMarginBottom", &C::OuterMarginBottom, &C::SetOuterMarginBottom, 5),
            Prop<C>("BackGroundColor", &C::BackGroundColor, &C::SetBackGroundColor, std::int32_t(clBlack)),
            Prop<C>("BorderStyle", &C::BorderStyle, &C::SetBorderStyle, ibsLowered),
            Prop<C>("BackGroundGradientEnabled", &C::BackGroundGradientEnabled, &C::SetBackGroundGradientEnabled, 0),
            Prop<C>("BackGroundGradientStartColor", &C::BackGroundGradientStartColor,
                    &C::SetBackGroundGradientStartColor, std::int32_t(clBlue)),
            Prop<C>("BackGroundGradientStopColor", &C::BackGroundGradientStopColor,
                    &C::SetBackGroundGradientStopColor, std::int32_t(clBlack)),
            Prop<C>("BackGroundGradientDirection", &C::BackGroundGradientDirection,
                    &C::SetBackGroundGradientDirection, ifdTopBottom),
            Prop<C>("DataViewZHorz", &C::DataViewZHorz, &C::SetDataViewZHorz),
            Prop<C>("DataViewZVert", &C::DataViewZVert, &C::SetDataViewZVert),
            Prop<C>("TabStop", &C::TabStop, &C::SetTabStop, 0),
            Prop<C>("TabOrder", &C::TabOrder, &C::SetTabOrder, -1),
        });
    return info;
}

const TiPublishedClass& TiPlotComponent::PublishedClass() const { return Published(); }

TiPlotComponent::TiPlotComponent(TComponent* owner) : TiCustomComponent(owner) {
    SetBounds(Left(), Top(), 500, 200);
    SetBackGroundColor(clBlack);
    SetBorderStyle(ibsLowered);
    SetUpdateFrameRate(60);
    SetAutoFrameRate(true);

    FMaster = std::make_unique<TiPlotMasterManager>(this);
    FMaster->OnChange = [this](TObject* s) { ObjectChange(s); };
    FMaster->OnRemove = [this](TObject* s) { DoObjectRemoved(s); };
    FMaster->OnInsert = [this](TObject* s) { DoObjectInserted(s); };
    FMaster->OnInvalidateNow = [this](TObject*) { InvalidateNow(); };

    FPopupMenu = std::make_unique<TPopupMenu>();
    for (TImageList& list : FImageLists) list.SetSize(24, 24);
    FHintsFont.OnChange = [this] { InvalidateChange(); };
    FOnInternalTimer = [this] { HintTimer(); };
    FOwnTitleFont.Assign(Font());
    TFont annotationFont;
    annotationFont.SetColor(clWhite);
    FAnnotationDefaultFont.Assign(annotationFont);
}

TiPlotComponent::~TiPlotComponent() {
    FMouseDownObject = nullptr;
    FAxesCollisionList.clear();
    FMaster->ObjectManager()->ShutDownSetup();
    FMaster.reset();
}

QString TiPlotComponent::Translate(const QString& text) const {
    const TiPlotTranslationManager* t = FMaster ? FMaster->TranslationManager() : nullptr;
    return t ? t->FindReplacement(text) : text;
}

TPoint TiPlotComponent::ClientToScreen(const TPoint& point) const {
    const QPoint p = mapToGlobal(QPoint(point.X, point.Y));
    return {p.x(), p.y()};
}

// ---- collections ----------------------------------------------------------------------

int TiPlotComponent::AddChannel() { return FMaster->AddChannel(); }
int TiPlotComponent::AddXAxis() { return FMaster->AddXAxis(); }
int TiPlotComponent::AddYAxis() { return FMaster->AddYAxis(); }
int TiPlotComponent::AddToolBar() { return FMaster->AddToolBar(); }
int TiPlotComponent::AddLegend() { return FMaster->AddLegend(); }
int TiPlotComponent::AddTable() { return FMaster->AddTable(); }
int TiPlotComponent::AddLabel() { return FMaster->AddLabel(); }
int TiPlotComponent::AddDataView() { return FMaster->AddDataView(); }
int TiPlotComponent::AddDataCursor() { return FMaster->AddDataCursor(); }
int TiPlotComponent::AddLimit() { return FMaster->AddLimit(); }
int TiPlotComponent::AddAnnotation() {
    const int index = FMaster->AddAnnotation();
    auto* a = static_cast<TiPlotAnnotation*>(Annotation(index));
    a->SetBrushStyle(FAnnotationDefaultBrushStyle);
    a->SetBrushColor(FAnnotationDefaultBrushColor);
    a->SetPenStyle(FAnnotationDefaultPenStyle);
    a->SetPenColor(FAnnotationDefaultPenColor);
    a->SetPenWidth(FAnnotationDefaultPenWidth);
    a->SetReference(FAnnotationDefaultReference);
    a->SetReferencePositionX(FAnnotationDefaultRefPosX);
    a->SetReferencePositionY(FAnnotationDefaultRefPosY);
    a->SetReferenceSizeX(FAnnotationDefaultRefSizeX);
    a->SetReferenceSizeY(FAnnotationDefaultRefSizeY);
    a->Font().Assign(FAnnotationDefaultFont.Font());
    return index;
}

int TiPlotComponent::AddTranslation(const QString& originalString, const QString& replacementString) {
    const int index = FMaster->AddTranslation();
    TiPlotTranslationObject* entry = FMaster->TranslationManager()->Items(index);
    entry->SetOriginalString(originalString);
    entry->SetReplacementString(replacementString);
    return index;
}

void TiPlotComponent::DeleteObject(TiPlotObjectManagerCustom* manager, int index) {
    TiPlotObject::Free(manager->GetItem(index));
    InvalidateNow();
}

void TiPlotComponent::DeleteChannel(int index) { DeleteObject(FMaster->ChannelManager(), index); }
void TiPlotComponent::DeleteXAxis(int index) { DeleteObject(FMaster->XAxisManager(), index); }
void TiPlotComponent::DeleteYAxis(int index) { DeleteObject(FMaster->YAxisManager(), index); }
void TiPlotComponent::DeleteToolBar(int index) { DeleteObject(FMaster->ToolBarManager(), index); }
void TiPlotComponent::DeleteLegend(int index) { DeleteObject(FMaster->LegendManager(), index); }
void TiPlotComponent::DeleteTable(int index) { DeleteObject(FMaster->TableManager(), index); }
void TiPlotComponent::DeleteDataView(int index) { DeleteObject(FMaster->DataViewManager(), index); }
void TiPlotComponent::DeleteDataCursor(int index) { DeleteObject(FMaster->DataCursorManager(), index); }
void TiPlotComponent::DeleteLimit(int index) { DeleteObject(FMaster->LimitManager(), index); }
void TiPlotComponent::DeleteAnnotation(int index) { DeleteObject(FMaster->AnnotationManager(), index); }

void TiPlotComponent::DeleteLabel(int index) {
    if (index == 0) throw Exception(QStringLiteral("Label Index 0 can not be Deleted (Resevered for Title)"));
    TiPlotObject::Free(FMaster->LabelManager()->GetItem(index));
}

void TiPlotComponent::DeleteTranslation(int index) {
    FMaster->TranslationManager()->Delete(index);
    InvalidateNow();
}

void TiPlotComponent::RemoveAll(TiPlotObjectManagerCustom* manager) {
    manager->Clear();
    InvalidateNow();
}

void TiPlotComponent::RemoveAllChannels() { RemoveAll(FMaster->ChannelManager()); }
void TiPlotComponent::RemoveAllXAxes() { RemoveAll(FMaster->XAxisManager()); }
void TiPlotComponent::RemoveAllYAxes() { RemoveAll(FMaster->YAxisManager()); }
void TiPlotComponent::RemoveAllToolBars() { RemoveAll(FMaster->ToolBarManager()); }
void TiPlotComponent::RemoveAllLegends() { RemoveAll(FMaster->LegendManager()); }
void TiPlotComponent::RemoveAllTables() { RemoveAll(FMaster->TableManager()); }
void TiPlotComponent::RemoveAllDataViews() { RemoveAll(FMaster->DataViewManager()); }
void TiPlotComponent::RemoveAllDataCursors() { RemoveAll(FMaster->DataCursorManager()); }
void TiPlotComponent::RemoveAllLimits() { RemoveAll(FMaster->LimitManager()); }
void TiPlotComponent::RemoveAllAnnotations() { RemoveAll(FMaster->AnnotationManager()); }

void TiPlotComponent::RemoveAllTranslations() {
    FMaster->TranslationManager()->Clear();
    InvalidateNow();
}

void TiPlotComponent::RemoveAllLabels() {
    while (LabelCount() > 1) TiPlotObject::Free(FMaster->LabelManager()->GetItem(1));
}

template <class T> T* TiPlotComponent::Typed(TiPlotObjectManagerCustom* manager, int index) const {
    TiPlotObject* object = manager->GetItem(index);
    auto* typed = dynamic_cast<T*>(object);
    if (!typed) throw EInvalidCast();
    return typed;
}

template <class T> T* TiPlotComponent::TypedByName(TiPlotObjectManagerCustom* manager, const QString& name) const {
    TiPlotObject* object = manager->GetObjectByName(name);
    if (!object) return nullptr;
    auto* typed = dynamic_cast<T*>(object);
    if (!typed) throw EInvalidCast();
    return typed;
}

TiPlotChannelCustom* TiPlotComponent::ChannelObject(int index) const {
    return Typed<TiPlotChannelCustom>(FMaster->ChannelManager(), index);
}
TiPlotXAxis* TiPlotComponent::XAxis(int index) const { return Typed<TiPlotXAxis>(FMaster->XAxisManager(), index); }
TiPlotYAxis* TiPlotComponent::YAxis(int index) const { return Typed<TiPlotYAxis>(FMaster->YAxisManager(), index); }
TiPlotToolBar* TiPlotComponent::ToolBar(int index) const {
    return Typed<TiPlotToolBar>(FMaster->ToolBarManager(), index);
}
TiPlotLegend* TiPlotComponent::Legend(int index) const { return Typed<TiPlotLegend>(FMaster->LegendManager(), index); }
TiPlotLabel* TiPlotComponent::Label(int index) const { return Typed<TiPlotLabel>(FMaster->LabelManager(), index); }
TiPlotDataView* TiPlotComponent::DataView(int index) const {
    return Typed<TiPlotDataView>(FMaster->DataViewManager(), index);
}
TiPlotDataCursor* TiPlotComponent::DataCursor(int index) const {
    return Typed<TiPlotDataCursor>(FMaster->DataCursorManager(), index);
}
TiPlotTable* TiPlotComponent::Table(int index) const { return Typed<TiPlotTable>(FMaster->TableManager(), index); }
TiPlotLimit* TiPlotComponent::Limit(int index) const { return Typed<TiPlotLimit>(FMaster->LimitManager(), index); }

QString TiPlotComponent::GetTranslationOriginalString(int index) const {
    return FMaster->TranslationManager()->Items(index)->OriginalString();
}

QString TiPlotComponent::GetTranslationReplacementString(int index) const {
    return FMaster->TranslationManager()->Items(index)->ReplacementString();
}

TiPlotChannelCustom* TiPlotComponent::GetChannelByName(const QString& name) const {
    return TypedByName<TiPlotChannelCustom>(FMaster->ChannelManager(), name);
}
TiPlotXAxis* TiPlotComponent::GetXAxisByName(const QString& name) const {
    return TypedByName<TiPlotXAxis>(FMaster->XAxisManager(), name);
}
TiPlotYAxis* TiPlotComponent::GetYAxisByName(const QString& name) const {
    return TypedByName<TiPlotYAxis>(FMaster->YAxisManager(), name);
}
TiPlotToolBar* TiPlotComponent::GetToolBarByName(const QString& name) const {
    return TypedByName<TiPlotToolBar>(FMaster->ToolBarManager(), name);
}
TiPlotLegend* TiPlotComponent::GetLegendByName(const QString& name) const {
    return TypedByName<TiPlotLegend>(FMaster->LegendManager(), name);
}
TiPlotLabel* TiPlotComponent::GetLabelByName(const QString& name) const {
    return TypedByName<TiPlotLabel>(FMaster->LabelManager(), name);
}
TiPlotDataView* TiPlotComponent::GetDataViewByName(const QString& name) const {
    return TypedByName<TiPlotDataView>(FMaster->DataViewManager(), name);
}
TiPlotDataCursor* TiPlotComponent::GetDataCursorByName(const QString& name) const {
    return TypedByName<TiPlotDataCursor>(FMaster->DataCursorManager(), name);
}
TiPlotTable* TiPlotComponent::GetTableByName(const QString& name) const {
    return TypedByName<TiPlotTable>(FMaster->TableManager(), name);
}
TiPlotLimit* TiPlotComponent::GetLimitByName(const QString& name) const {
    return TypedByName<TiPlotLimit>(FMaster->LimitManager(), name);
}
TiPlotObject* TiPlotComponent::GetAnnotationByName(const QString& name) const {
    return FMaster->AnnotationManager()->GetObjectByName(name);
}

int TiPlotComponent::GetChannelIndexByName(const QString& n) const { return FMaster->ChannelManager()->GetIndexByName(n); }
int TiPlotComponent::GetXAxisIndexByName(const QString& n) const { return FMaster->XAxisManager()->GetIndexByName(n); }
int TiPlotComponent::GetYAxisIndexByName(const QString& n) const { return FMaster->YAxisManager()->GetIndexByName(n); }
int TiPlotComponent::GetToolBarIndexByName(const QString& n) const { return FMaster->ToolBarManager()->GetIndexByName(n); }
int TiPlotComponent::GetLegendIndexByName(const QString& n) const { return FMaster->LegendManager()->GetIndexByName(n); }
int TiPlotComponent::GetTableIndexByName(const QString& n) const { return FMaster->TableManager()->GetIndexByName(n); }
int TiPlotComponent::GetLabelIndexByName(const QString& n) const { return FMaster->LabelManager()->GetIndexByName(n); }
int TiPlotComponent::GetDataViewIndexByName(const QString& n) const {
    return FMaster->DataViewManager()->GetIndexByName(n);
}
int TiPlotComponent::GetDataCursorIndexByName(const QString& n) const {
    return FMaster->DataCursorManager()->GetIndexByName(n);
}
int TiPlotComponent::GetLimitIndexByName(const QString& n) const { return FMaster->LimitManager()->GetIndexByName(n); }
int TiPlotComponent::GetAnnotationIndexByName(const QString& n) const {
    return FMaster->AnnotationManager()->GetIndexByName(n);
}

int TiPlotComponent::IndexOfObject(const TiPlotObject* object) const {
    const TiPlotObjectManagerCustom* m = object ? FMaster->ManagerOf(object->Kind()) : nullptr;
    return m ? m->GetIndex(object) : -1;
}

void TiPlotComponent::ClearAllData() { FMaster->ClearAllData(); }

void TiPlotComponent::DisableAllTracking() {
    for (TiPlotObject* o : FMaster->XAxisManager()->Objects()) static_cast<TiPlotAxis*>(o)->SetTrackingEnabled(false);
    for (TiPlotObject* o : FMaster->YAxisManager()->Objects()) static_cast<TiPlotAxis*>(o)->SetTrackingEnabled(false);
}

void TiPlotComponent::EnableAllTracking() {
    for (TiPlotObject* o : FMaster->XAxisManager()->Objects()) static_cast<TiPlotAxis*>(o)->SetTrackingEnabled(true);
    for (TiPlotObject* o : FMaster->YAxisManager()->Objects()) static_cast<TiPlotAxis*>(o)->SetTrackingEnabled(true);
}

double TiPlotComponent::GetNow() const { return Now(); }

void TiPlotComponent::DisableLayoutManager() { FMaster->LayoutManager()->SetEnabled(false); }
void TiPlotComponent::EnableLayoutManager() { FMaster->LayoutManager()->SetEnabled(true); }
void TiPlotComponent::RefreshLayoutManager() {
    DisableLayoutManager();
    EnableLayoutManager();
}

void TiPlotComponent::BeginLoad() {
    SetLoading(true);
    DisableLayoutManager();
    BeginUpdate();
}

void TiPlotComponent::Loaded() {
    SetLoading(false);
    EnableLayoutManager();
    EndUpdate();
}

// ---- title ----------------------------------------------------------------------------

TiPlotLabel* TiPlotComponent::TitleLabel() const {
    return LabelCount() > 0 ? static_cast<TiPlotLabel*>(FMaster->LabelManager()->GetItem(0)) : nullptr;
}

QString TiPlotComponent::TitleText() const { return TitleLabel() ? TitleLabel()->Caption() : QString(); }

void TiPlotComponent::SetTitleText(const QString& value) {
    if (TiPlotLabel* l = TitleLabel()) l->SetCaption(value);
}

bool TiPlotComponent::TitleVisible() const { return TitleLabel() && TitleLabel()->Visible(); }

void TiPlotComponent::SetTitleVisible(bool value) {
    if (TiPlotLabel* l = TitleLabel()) l->SetVisible(value);
}

double TiPlotComponent::TitleMargin() const { return TitleLabel() ? TitleLabel()->MarginBottom() : 0; }

void TiPlotComponent::SetTitleMargin(double value) {
    if (TiPlotLabel* l = TitleLabel()) l->SetMarginBottom(value);
}

TiPlotFont& TiPlotComponent::TitleFont() { return TitleLabel() ? TitleLabel()->Font() : FOwnTitleFont; }

// ---- property setters -----------------------------------------------------------------

void TiPlotComponent::SetClipAnnotationsToAxes(bool value) { SetBooleanProperty(value, FClipAnnotationsToAxes, 0); }

void TiPlotComponent::SetBackGroundGradientDirection(TiFillDirection value) {
    if (value == FBackGroundGradientDirection) return;
    FBackGroundGradientDirection = value;
    InvalidateChange();
}

int TiPlotComponent::DataViewZHorz() const { return FMaster->LayoutManager()->DataViewHorz()->ZOrder(); }
void TiPlotComponent::SetDataViewZHorz(int value) { FMaster->LayoutManager()->DataViewHorz()->SetZOrder(value); }
int TiPlotComponent::DataViewZVert() const { return FMaster->LayoutManager()->DataViewVert()->ZOrder(); }
void TiPlotComponent::SetDataViewZVert(int value) { FMaster->LayoutManager()->DataViewVert()->SetZOrder(value); }

// ---- object events --------------------------------------------------------------------

namespace {

using Kind = TiPlotObjectKind;

// The event of an object's kind from a table of (kind, event) pairs; null for other kinds.
template <class E> E* Pick(Kind kind, std::initializer_list<std::pair<Kind, E*>> table) {
    for (const auto& [k, e] : table)
        if (k == kind) return e;
    return nullptr;
}

}  // namespace

// The (kind, event) pairs every event family has: Family##Channel, Family##XAxis, ... for the
// kinds all objects share; a family adds its Limit and Table events where it has them.
#define Q7K_KIND_EVENTS(Family)                                                                                  \
    {Kind::Channel, &Family##Channel}, {Kind::XAxis, &Family##XAxis}, {Kind::YAxis, &Family##YAxis},             \
        {Kind::DataCursor, &Family##DataCursor}, {Kind::DataView, &Family##DataView}, {Kind::Legend, &Family##Legend}, \
        {Kind::Annotation, &Family##Annotation}

void TiPlotComponent::ObjectChange(TObject*) { InvalidateChange(); }

void TiPlotComponent::DoObjectInserted(TObject* object) {
    auto* o = dynamic_cast<TiPlotObject*>(object);
    if (!o) return;
    if (auto* e = Pick<TiPlotObjectEvent>(o->Kind(),
                                          {Q7K_KIND_EVENTS(OnAdd),
                                           {Kind::Limit, &OnAddLimit},
                                           {Kind::Table, &OnAddTable}});
        e && *e)
        (*e)(this, IndexOfObject(o));
}

void TiPlotComponent::DoObjectRemoved(TObject* object) {
    if (FMouseDownObject == object) FMouseDownObject = nullptr;
    if (FLastMouseOverObject == object) FLastMouseOverObject = nullptr;
    if (FLastMouseClickObject == object) FLastMouseClickObject = nullptr;
    auto* o = dynamic_cast<TiPlotObject*>(object);
    if (!o) return;
    if (auto* e = Pick<TiPlotObjectEvent>(o->Kind(),
                                          {Q7K_KIND_EVENTS(OnRemove),
                                           {Kind::Limit, &OnRemoveLimit},
                                           {Kind::Table, &OnRemoveTable}});
        e && *e)
        (*e)(this, IndexOfObject(o));
}

void TiPlotComponent::DoObjectClick(TiPlotObject* o) {
    if (IsLoading()) return;
    const Kind k = o->Kind();
    TiPlotObjectEvent* e = FDBLClickActive
                               ? Pick<TiPlotObjectEvent>(k,
                                                         {Q7K_KIND_EVENTS(OnDblClick), {Kind::Limit, &OnDblClickLimit}})
                               : Pick<TiPlotObjectEvent>(k, {Q7K_KIND_EVENTS(OnClick), {Kind::Limit, &OnClickLimit}});
    if (e && *e) (*e)(this, IndexOfObject(o));
    FDBLClickActive = false;
}

void TiPlotComponent::DoObjectMouseDown(TiPlotObject* o, TMouseButton button, TShiftState shift, int x, int y) {
    if (IsLoading()) return;
    if (auto* e = Pick<TiPlotObjectMouseEvent>(o->Kind(),
                                               {Q7K_KIND_EVENTS(OnMouseDown), {Kind::Limit, &OnMouseDownLimit}});
        e && *e)
        (*e)(this, IndexOfObject(o), button, shift, x, y);
}

void TiPlotComponent::DoObjectMouseMove(TiPlotObject* o, TShiftState shift, int x, int y) {
    if (IsLoading()) return;
    if (auto* e = Pick<TiPlotObjectMouseMoveEvent>(o->Kind(),
                                                   {Q7K_KIND_EVENTS(OnMouseMove), {Kind::Limit, &OnMouseMoveLimit}});
        e && *e)
        (*e)(this, IndexOfObject(o), shift, x, y);
}

void TiPlotComponent::DoObjectMouseUp(TiPlotObject* o, TMouseButton button, TShiftState shift, int x, int y) {
    if (IsLoading()) return;
    if (auto* e = Pick<TiPlotObjectMouseEvent>(o->Kind(), {Q7K_KIND_EVENTS(OnMouseUp), {Kind::Limit, &OnMouseUpLimit}});
        e && *e)
        (*e)(this, IndexOfObject(o), button, shift, x, y);
}

void TiPlotComponent::DoObjectMouseWheel(TiPlotObject* o, int wheelDelta, TShiftState shift, int x, int y) {
    if (IsLoading()) return;
    if (auto* e = Pick<TiPlotObjectMouseWheelEvent>(o->Kind(),
                                                    {Q7K_KIND_EVENTS(OnMouseWheel), {Kind::Limit, &OnMouseWheelLimit}});
        e && *e)
        (*e)(this, IndexOfObject(o), wheelDelta, shift, x, y);
}

void TiPlotComponent::DoGetMouseCursor(TiPlotObject* o, TCursor& cursor) {
    if (IsLoading()) return;
    if (auto* e = Pick<TiPlotObjectGetMouseCursorEvent>(o->Kind(),
                                                        {Q7K_KIND_EVENTS(OnGetMouseCursor),
                                                         {Kind::Limit, &OnGetMouseCursorLimit},
                                                         {Kind::Table, &OnGetMouseCursorTable}});
        e && *e)
        (*e)(this, IndexOfObject(o), cursor);
}

void TiPlotComponent::DoObjectGotFocus(TiPlotObject* o) {
    if (IsLoading()) return;
    if (auto* e = Pick<TiPlotObjectEvent>(o->Kind(), {Q7K_KIND_EVENTS(OnGotFocus)});
        e && *e)
        (*e)(this, IndexOfObject(o));
}

void TiPlotComponent::DoObjectLostFocus(TiPlotObject* o) {
    if (IsLoading()) return;
    if (auto* e = Pick<TiPlotObjectEvent>(o->Kind(), {Q7K_KIND_EVENTS(OnLostFocus)});
        e && *e)
        (*e)(this, IndexOfObject(o));
}

void TiPlotComponent::DoObjectPopupMenu(TiPlotObject* o, bool& cancel, int screenX, int screenY) {
    if (IsLoading()) return;
    if (auto* e = Pick<TiPlotPopupMenuEvent>(o->Kind(),
                                             {Q7K_KIND_EVENTS(OnPopupMenu), {Kind::Limit, &OnPopupMenuLimit}});
        e && *e)
        (*e)(this, IndexOfObject(o), cancel, screenX, screenY);
}

void TiPlotComponent::DoDataPointClick(TiPlotObject* channel, int dataIndex) {
    if (IsLoading()) return;
    auto& e = FDBLClickActive ? OnDblClickDataPoint : OnClickDataPoint;
    if (e) e(this, IndexOfObject(channel), dataIndex);
}

void TiPlotComponent::DoDataPointMouseDown(TiPlotObject* channel, int dataIndex, TMouseButton button,
                                           TShiftState shift, int x, int y) {
    if (!IsLoading() && OnMouseDownDataPoint)
        OnMouseDownDataPoint(this, IndexOfObject(channel), dataIndex, button, shift, x, y);
}

void TiPlotComponent::DoDataPointMouseMove(TiPlotObject* channel, int dataIndex, TShiftState shift, int x, int y) {
    if (!IsLoading() && OnMouseMoveDataPoint) OnMouseMoveDataPoint(this, IndexOfObject(channel), dataIndex, shift, x, y);
}

void TiPlotComponent::DoDataPointMouseUp(TiPlotObject* channel, int dataIndex, TMouseButton button, TShiftState shift,
                                         int x, int y) {
    if (!IsLoading() && OnMouseUpDataPoint)
        OnMouseUpDataPoint(this, IndexOfObject(channel), dataIndex, button, shift, x, y);
}

void TiPlotComponent::DoDataPointMoved(TiPlotObject* channel, int dataIndex, double oldX, double oldY, double newX,
                                       double newY) {
    if (!IsLoading() && OnDataPointMoved)
        OnDataPointMoved(this, IndexOfObject(channel), dataIndex, oldX, oldY, newX, newY);
}

void TiPlotComponent::DoDataPointCustomizeHint(TiPlotObject* channel, int dataIndex, QString& text) {
    if (!IsLoading() && OnDataPointCustomizeHint) OnDataPointCustomizeHint(this, IndexOfObject(channel), dataIndex, text);
}

void TiPlotComponent::DoAxisMinChange(TiPlotObject* axis, double oldValue, double newValue) {
    if (IsLoading()) return;
    auto& e = axis->Kind() == Kind::XAxis ? OnXAxisMinChange : OnYAxisMinChange;
    if (e) e(this, IndexOfObject(axis), oldValue, newValue);
}

void TiPlotComponent::DoAxisSpanChange(TiPlotObject* axis, double oldValue, double newValue) {
    if (IsLoading()) return;
    auto& e = axis->Kind() == Kind::XAxis ? OnXAxisSpanChange : OnYAxisSpanChange;
    if (e) e(this, IndexOfObject(axis), oldValue, newValue);
}

void TiPlotComponent::DoAxisMinSpanChange(TiPlotObject* axis, double oldMin, double oldSpan, double newMin,
                                          double newSpan) {
    if (IsLoading()) return;
    auto& e = axis->Kind() == Kind::XAxis ? OnXAxisMinSpanChange : OnYAxisMinSpanChange;
    if (e) e(this, IndexOfObject(axis), oldMin, oldSpan, newMin, newSpan);
}

void TiPlotComponent::DoAxisCustomizeLabel(TiPlotObject* axis, QString& text, double value) {
    if (IsLoading()) return;
    FTempCustomLabel = text;
    auto& e = axis->Kind() == Kind::XAxis ? OnXAxisCustomizeLabel : OnYAxisCustomizeLabel;
    if (e) e(this, IndexOfObject(axis), value, FTempCustomLabel);
    text = FTempCustomLabel;
}

void TiPlotComponent::DoLimitLine1PositionChange(TiPlotObject* limit, double oldValue, double newValue) {
    if (!IsLoading() && OnLimitLine1PositionChange) OnLimitLine1PositionChange(this, IndexOfObject(limit), oldValue, newValue);
}

void TiPlotComponent::DoLimitLine2PositionChange(TiPlotObject* limit, double oldValue, double newValue) {
    if (!IsLoading() && OnLimitLine2PositionChange) OnLimitLine2PositionChange(this, IndexOfObject(limit), oldValue, newValue);
}

void TiPlotComponent::DoDataCursorChange(TiPlotObject* cursor) {
    if (OnDataCursorChange) OnDataCursorChange(this, IndexOfObject(cursor));
}

void TiPlotComponent::DoAnnotationCoordinatesChange(TiPlotObject* annotation) {
    if (!IsLoading() && OnAnnotationCoordinatesChange) OnAnnotationCoordinatesChange(this, IndexOfObject(annotation));
}

void TiPlotComponent::DoAnnotationMoveUser(TiPlotObject* annotation) {
    if (!IsLoading() && OnAnnotationMoveUser) OnAnnotationMoveUser(this, IndexOfObject(annotation));
}

void TiPlotComponent::DoAnnotationResizeUser(TiPlotObject* annotation) {
    if (!IsLoading() && OnAnnotationResizeUser) OnAnnotationResizeUser(this, IndexOfObject(annotation));
}

void TiPlotComponent::DoAnnotationCoordinatesChangeFinished(TiPlotObject* annotation) {
    if (!IsLoading() && OnAnnotationCoordinatesChangeFinished)
        OnAnnotationCoordinatesChangeFinished(this, IndexOfObject(annotation));
}

void TiPlotComponent::DoBeforeDataCursorUpdate(TiPlotObject* cursor) {
    if (!IsLoading() && OnBeforeDataCursorUpdate) OnBeforeDataCursorUpdate(this, IndexOfObject(cursor));
}

void TiPlotComponent::DoDataCursorCustomizeHint(TiPlotObject* cursor, QString& text) {
    if (!IsLoading() && OnDataCursorCustomizeHint) OnDataCursorCustomizeHint(this, IndexOfObject(cursor), text);
}

void TiPlotComponent::DoToolBarButtonClick(TiPlotObject* toolBar, int button) {
    if (!IsLoading() && OnToolBarButtonClick) OnToolBarButtonClick(this, IndexOfObject(toolBar), button);
}

void TiPlotComponent::DoBeforeToolBarButtonClick(TiPlotObject* toolBar, int button, bool& cancel) {
    if (!IsLoading() && OnBeforeToolBarButtonClick) OnBeforeToolBarButtonClick(this, IndexOfObject(toolBar), button, cancel);
}

void TiPlotComponent::DoToolBarCustomizeHint(TiPlotObject* toolBar, QString& text) {
    if (!IsLoading() && OnToolBarCustomizeHint) OnToolBarCustomizeHint(this, IndexOfObject(toolBar), text);
}

void TiPlotComponent::DoBeforeZoomBox(TRect& zoomRect, bool& cancel) {
    if (!IsLoading() && OnBeforeZoomBox) OnBeforeZoomBox(this, zoomRect, cancel);
}

bool TiPlotComponent::GetSelectActive() const { return ToolBarCount() > 0 && ToolBar(0)->SelectActive(); }

void TiPlotComponent::SetSelectActive(bool value) {
    if (ToolBarCount() > 0 && ToolBar(0)->SelectActive() != value) ToolBar(0)->ClickButton(TiPlotToolBar::tbSelect);
}

void TiPlotComponent::AddDefaultObjects() {
    DisableLayoutManager();
    struct Enable {
        TiPlotComponent& plot;
        ~Enable() { plot.EnableLayoutManager(); }
    } enable{*this};
    ToolBar(AddToolBar())->SetZOrder(3);
    Legend(AddLegend())->SetZOrder(2);
    AddXAxis();
    AddYAxis();
    AddChannel();
    AddDataView();
    AddDataCursor();
    TiPlotLabel* title = Label(AddLabel());
    title->SetZOrder(2);
    title->SetName(QStringLiteral("Title"));
    title->SetCaption(QStringLiteral("Untitled"));
    title->SetMarginBottom(0);
}
