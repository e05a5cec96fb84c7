#include "objects/iPlotToolBar.h"

#include "core/iPlotAxis.h"
#include "core/iPlotComponent.h"
#include "core/iPlotDrawing.h"
#include "objects/iPlotDataCursor.h"
#include "objects/iPlotToolBarImages.h"

// ---- buttons --------------------------------------------------------------------------

TiPlotToolBarButton::TiPlotToolBarButton(TiPlotToolBar* toolBar, TiPlotToolBarButtonStyle style, int number,
                                         const QString& imageName, const QString& hint, int groupIndex)
    : TiPlotButton(toolBar->Owner(), toolBar->OnChange, nullptr, nullptr, nullptr),
      FHint(hint),
      FStyle(style),
      FImageName(imageName),
      FToolBar(toolBar),
      FNumber(number) {
    FGroupIndex = groupIndex;
}

void TiPlotToolBarButton::Draw(TCanvas& canvas, TColor) {
    if (FStyle == iptbbsSpacer) return;
    TImageList& list = FToolBar->ImageList();
    if (FImageIndex == -1 && !FImageName.isEmpty()) {
        const QImage image = ToolBarImage(FImageName);
        if (!image.isNull()) FImageIndex = list.AddMasked(image, clTeal);
    }
    int x = FLeft + Width() / 2 - list.Width() / 2;
    int y = FTop + Height() / 2 - list.Height() / 2;
    const bool pressed = FMouseDown || FDown;
    auto edge = [&](TColor topLeft, TColor bottomRight) {
        const TPen saved = canvas.Pen;
        canvas.Pen.Style = psSolid;
        canvas.Pen.Width = 1;
        canvas.Pen.Color = topLeft;
        const TPoint a[] = {{FLeft, FBottom - 1}, {FLeft, FTop}, {FRight - 1, FTop}};
        canvas.Polyline(a, 3);
        canvas.Pen.Color = bottomRight;
        const TPoint b[] = {{FRight - 1, FTop}, {FRight - 1, FBottom - 1}, {FLeft, FBottom - 1}};
        canvas.Polyline(b, 3);
        canvas.Pen = saved;
    };
    canvas.Brush.Style = bsSolid;
    if (FFlat) {
        if (pressed && !FMouseOver) {
            canvas.Brush.Color = 0xEFEFEF;
            canvas.FillRect(DrawRect());
        }
        if (FEnabled) {
            if (pressed) {
                edge(clBtnShadow, clBtnHighlight);
                ++x, ++y;
            } else if (FMouseOver) {
                edge(clBtnHighlight, clBtnShadow);
            }
        }
    } else if (pressed) {
        canvas.Brush.Color = 0xEFEFEF;
        canvas.FillRect(DrawRect());
        DrawBorderStyle(canvas, DrawRect(), 0);
        ++x, ++y;
    } else {
        DrawBorderStyle(canvas, DrawRect(), 1);
    }
    list.Draw(canvas, x, y, FImageIndex, FEnabled);
}

void TiPlotToolBarButton::iMouseMove(TiHintData& hintData, TShiftState shift, int x, int y, int screenX, int screenY,
                                     bool dblClickActive) {
    TiPlotButton::iMouseMove(hintData, shift, x, y, screenX, screenY, dblClickActive);
    FMouseOver = true;
    if (FFlat) TriggerChange();
}

void TiPlotToolBarButton::DoMouseNotOver() {
    FMouseOver = false;
    TriggerChange();
}

void TiPlotToolBarButton::DoMouseHint(const TiPlotMouseData&, TiHintData& hint) {
    TiPlotComponent* plot = FToolBar->Plot();
    QString text = GetTranslation(FHint);
    TCanvas measure;
    if (plot) measure.Font = plot->HintsFont().Font();
    hint.Top = FBottom + 3;
    hint.Left = FLeft;
    hint.Width = MultiLineTextWidth(measure, text) + 4;
    hint.Height = TextHeightOf(measure, text) + 4;
    hint.Text = text;
    hint.Visible = true;
    if (plot) {
        plot->DoToolBarCustomizeHint(FToolBar, text);
        hint.Text = text;
    }
}

// ---- the toolbar ----------------------------------------------------------------------

const TiPublishedClass& TiPlotToolBar::Published() {
    using namespace published;
    using C = TiPlotToolBar;
    static const TiPublishedClass info(
        QStringLiteral("TiPlotToolBar"), &TiPlotLayoutObject::Published(),
        {
            Prop<C>("ShowResumeButton", &C::ShowResumeButton, &C::SetShowResumeButton, 1),
            Prop<C>("ShowPauseButton", &C::ShowPauseButton, &C::SetShowPauseButton, 1),
            Prop<C>("ShowAxesModeButtons", &C::ShowAxesModeButtons, &C::SetShowAxesModeButtons, 1),
            Prop<C>("ShowZoomInOutButtons", &C::ShowZoomInOutButtons, &C::SetShowZoomInOutButtons, 1),
            Prop<C>("ShowSelectButton", &C::ShowSelectButton, &C::SetShowSelectButton, 0),
            Prop<C>("ShowZoomBoxButton", &C::ShowZoomBoxButton, &C::SetShowZoomBoxButton, 1),
            Prop<C>("ShowCursorButton", &C::ShowCursorButton, &C::SetShowCursorButton, 1),
            Prop<C>("ShowEditButton", &C::ShowEditButton, &C::SetShowEditButton, 1),
            Prop<C>("ShowCopyButton", &C::ShowCopyButton, &C::SetShowCopyButton, 1),
            Prop<C>("ShowSaveButton", &C::ShowSaveButton, &C::SetShowSaveButton, 1),
            Prop<C>("ShowPrintButton", &C::ShowPrintButton, &C::SetShowPrintButton, 1),
            Prop<C>("ShowPreviewButton", &C::ShowPreviewButton, &C::SetShowPreviewButton, 0),
            Prop<C>("ZoomInOutFactor", &C::ZoomInOutFactor, &C::SetZoomInOutFactor),
            Prop<C>("FlatBorder", &C::FlatBorder, &C::SetFlatBorder, 0),
            Prop<C>("FlatButtons", &C::FlatButtons, &C::SetFlatButtons, 0),
            Prop<C>("SmallButtons", &C::SmallButtons, &C::SetSmallButtons, 0),
        });
    return info;
}

const TiPublishedClass& TiPlotToolBar::PublishedClass() const { return Published(); }

TiPlotToolBar::TiPlotToolBar(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                             TiNotifyEvent onRename)
    : TiPlotLayoutObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove), std::move(onRename)) {
    FHorizontal = true;
    struct Entry {
        int number;  // -1: a spacer
        const char* image;
        const char* hint;
        int group;
    };
    static constexpr Entry kButtons[] = {
        {tbResume, "AUTO", "Resume All (Tracking)", 0},  {tbPause, "PAUSE", "Pause All (Tracking)", 0},
        {-1, "", "", 0},                                  {tbScroll, "SCROLL", "Scroll (Axes)", 2},
        {tbZoom, "ZOOM", "Zoom (Axes)", 2},               {-1, "", "", 0},
        {tbZoomOut, "ZOOMOUT", "Zoom Out All Axes", 0},   {tbZoomIn, "ZOOMIN", "Zoom In All Axes", 0},
        {-1, "", "", 0},                                  {tbSelect, "SELECT", "Select", -1},
        {tbZoomBox, "SCROLLBOX", "Zoom Box", -1},         {tbCursor, "CURSOR", "Cursor", -2},
        {-1, "", "", 0},                                  {tbEdit, "PROPERTIES", "Properties", 0},
        {-1, "", "", 0},                                  {tbCopy, "COPY", "Copy to Clipboard", 0},
        {tbSave, "SAVE", "Save to File", 0},              {tbPrint, "PRINTER", "Print", 0},
        {tbPreview, "PREVIEW", "Preview", 0},
    };
    for (const Entry& e : kButtons) {
        auto button = std::make_unique<TiPlotToolBarButton>(this, e.number < 0 ? iptbbsSpacer : iptbbsButton, e.number,
                                                            QString::fromLatin1(e.image), QString::fromLatin1(e.hint),
                                                            e.group);
        TiPlotToolBarButton* b = button.get();
        button->OnInvalidate = [this](TObject*) { InvalidateNow(); };
        if (e.number >= 0) {
            button->OnClick = [this, number = e.number](TObject*) { DoButtonClick(Button(number)); };
            button->OnGroupClick = [this, b](TObject*) { GroupStep(b); };
        }
        FButtonList.push_back(std::move(button));
    }
    ButtonOf(tbScroll)->SetDown(true);
    ButtonOf(tbCursor)->OnDownChange = [this](TObject*) { CursorDownChanged(); };
    ButtonOf(tbSelect)->OnDownChange = [this](TObject*) { SelectDownChanged(); };
    ButtonOf(tbSelect)->SetVisible(false);
    ButtonOf(tbPreview)->SetVisible(false);
}

TiPlotToolBar::~TiPlotToolBar() = default;

TiPlotToolBarButton* TiPlotToolBar::ButtonOf(Button number) const {
    for (const auto& b : FButtonList)
        if (b->Number() == number) return b.get();
    return nullptr;
}

void TiPlotToolBar::SetShowAxesModeButtons(bool v) {
    ButtonOf(tbScroll)->SetVisible(v);
    ButtonOf(tbZoom)->SetVisible(v);
}

void TiPlotToolBar::SetShowZoomInOutButtons(bool v) {
    ButtonOf(tbZoomIn)->SetVisible(v);
    ButtonOf(tbZoomOut)->SetVisible(v);
}

void TiPlotToolBar::SetZoomInOutFactor(double v) { SetProperty(v >= 1 ? v : 1.0, FZoomInOutFactor, Notify::Change); }

void TiPlotToolBar::SetFlatButtons(bool v) {
    if (v == FFlatButtons) return;
    FFlatButtons = v;
    for (const auto& b : FButtonList) b->SetFlat(v);
    TriggerChange();
}

void TiPlotToolBar::SetSmallButtons(bool v) {
    if (v == FSmallButtons) return;
    FSmallButtons = v;
    for (const auto& b : FButtonList) {
        if (b->Style() == iptbbsSpacer) continue;
        QString name = b->ImageName();
        if (v && !name.startsWith(QLatin1String("SMALL"))) name = QStringLiteral("SMALL") + name;
        if (!v && name.startsWith(QLatin1String("SMALL"))) name = name.mid(5);
        b->SetImageName(name);
        b->SetImageIndex(-1);
    }
    FImageList.SetSize(v ? 16 : 24, v ? 16 : 24);
    TriggerChange();
}

// ---- clicks ---------------------------------------------------------------------------

void TiPlotToolBar::GroupStep(TiPlotToolBarButton* button) {
    if (button->GroupIndex() == 0) return;
    for (const auto& b : FButtonList)
        if (b.get() != button && b->GroupIndex() == button->GroupIndex()) b->SetDown(false);
}

void TiPlotToolBar::ClickButton(Button number) {
    TiPlotToolBarButton* b = ButtonOf(number);
    GroupStep(b);
    DoButtonClick(number);
}

void TiPlotToolBar::DoButtonClick(Button number) {
    bool cancel = false;
    if (FPlot) FPlot->DoBeforeToolBarButtonClick(this, number, cancel);
    if (cancel) return;
    Act(number);
    if (number != tbEdit && FPlot) FPlot->DoToolBarButtonClick(this, number);
}

void TiPlotToolBar::Act(Button number) {
    auto forAxes = [this](auto&& f) {
        if (!FPlot) return;
        for (int i = 0; i < FPlot->XAxisCount(); ++i) f(static_cast<TiPlotAxis*>(FPlot->XAxis(i)));
        for (int i = 0; i < FPlot->YAxisCount(); ++i) f(static_cast<TiPlotAxis*>(FPlot->YAxis(i)));
    };
    switch (number) {
    case tbResume:
        if (CursorActive()) DoButtonClick(tbCursor);
        if (SelectActive()) DoButtonClick(tbSelect);
        if (FPlot) {
            FPlot->GetPlotObjectManager()->ClearAllUserSelections();
            FPlot->EnableAllTracking();
        }
        break;
    case tbPause:
        if (FPlot) FPlot->DisableAllTracking();
        break;
    case tbScroll:
        ButtonOf(tbScroll)->SetDown(true);
        ButtonOf(tbZoom)->SetDown(false);
        forAxes([](TiPlotAxis* a) { a->SetMode(ipamScroll); });
        break;
    case tbZoom:
        ButtonOf(tbZoom)->SetDown(true);
        ButtonOf(tbScroll)->SetDown(false);
        forAxes([](TiPlotAxis* a) { a->SetMode(ipamZoom); });
        break;
    case tbSelect:
        ButtonOf(tbSelect)->SetDown(!ButtonOf(tbSelect)->Down());
        ButtonOf(tbZoomBox)->SetDown(false);
        break;
    case tbZoomBox:
        ButtonOf(tbSelect)->SetDown(false);
        ButtonOf(tbZoomBox)->SetDown(!ButtonOf(tbZoomBox)->Down());
        break;
    case tbZoomOut:
    case tbZoomIn: {
        DoButtonClick(tbPause);
        const bool in = number == tbZoomIn;
        forAxes([&](TiPlotAxis* a) {
            if (a->ScaleType() == ipstLinear)
                a->Zoom(in ? 1 / FZoomInOutFactor : FZoomInOutFactor);
            else if (a->ScaleType() == ipstLog10)
                a->Zoom(in ? -1 : 1);
        });
        break;
    }
    case tbCursor: ButtonOf(tbCursor)->SetDown(!ButtonOf(tbCursor)->Down()); break;
    case tbEdit:
        if (FPlot) FPlot->Master().EditProperties();
        break;
    case tbCopy:
        if (FPlot) FPlot->CopyToClipBoard();
        break;
    case tbSave:
        if (FPlot) FPlot->Save();
        break;
    case tbPrint:
        if (FPlot) FPlot->PrintChart();
        break;
    case tbPreview:
        if (FPlot) FPlot->PreviewChart();
        break;
    }
}

void TiPlotToolBar::TurnOffCursor() { ButtonOf(tbCursor)->SetDown(false); }

void TiPlotToolBar::CursorDownChanged() {
    if (!FPlot) return;
    const bool down = CursorActive();
    for (int i = 0; i < FPlot->DataCursorCount(); ++i) FPlot->DataCursor(i)->SetVisible(down);
    if (!down) return;
    FPlot->DisableAllTracking();
    if (FPlot->DataCursorCount() > 0) FPlot->DataCursor(0)->SetUserSelected(true);
}

void TiPlotToolBar::SelectDownChanged() {
    if (!FPlot) return;
    if (SelectActive()) {
        FPlot->DisableAllTracking();
        FPlot->SetSelectActive(true);
    } else {
        FPlot->SetSelectActive(false);
    }
}

// ---- drawing and mouse ----------------------------------------------------------------

void TiPlotToolBar::Draw(TCanvas& canvas, TColor) {
    if (!FVisible) return;
    const int s = FSmallButtons ? 22 : 30;
    // A spacer shows when a button of its group does.
    auto visible = [this](Button b) { return ButtonOf(b)->Visible(); };
    const bool spacers[] = {visible(tbResume) || visible(tbPause), visible(tbScroll) || visible(tbZoom),
                            visible(tbZoomOut) || visible(tbZoomIn), visible(tbZoomBox) || visible(tbCursor),
                            visible(tbEdit)};
    int spacer = 0;
    for (const auto& b : FButtonList)
        if (b->Style() == iptbbsSpacer) b->SetDrawnState(spacers[spacer++], true);
    bool anyTracking = false, anyPaused = false;
    if (FPlot) {
        for (int i = 0; i < FPlot->XAxisCount(); ++i)
            (FPlot->XAxis(i)->TrackingEnabled() ? anyTracking : anyPaused) = true;
        for (int i = 0; i < FPlot->YAxisCount(); ++i)
            (FPlot->YAxis(i)->TrackingEnabled() ? anyTracking : anyPaused) = true;
    }
    ButtonOf(tbResume)->SetDrawnState(ButtonOf(tbResume)->Visible(), anyPaused);
    ButtonOf(tbPause)->SetDrawnState(ButtonOf(tbPause)->Visible(), anyTracking);

    const TRect r = DrawRect();
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clBtnFace;
    canvas.Pen.Width = 1;
    canvas.FillRect({r.Left, r.Top, r.Right + 1, r.Bottom});
    if (!FFlatBorder) DrawBorderStyle(canvas, r, 1);
    int x = r.Left + 3;
    for (const auto& b : FButtonList) {
        if (!b->Visible()) continue;
        const int w = b->Style() == iptbbsSpacer ? 10 : s;
        b->SetDrawRect({x, r.Top + 3, x + w, r.Top + 3 + s});
        b->Draw(canvas, clBtnFace);
        x += w;
    }
}

TiPlotObject* TiPlotToolBar::GetMouseOverObject(int x, int y) {
    FMouseOverObject = this;
    for (const auto& b : FButtonList) {
        if (!b->Visible() || b->Style() == iptbbsSpacer) continue;
        const TRect r = b->DrawRect();
        if (x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom) {
            FMouseOverObject = b.get();
            break;
        }
    }
    return FMouseOverObject;
}

void TiPlotToolBar::NotificationSetFocus(TObject* sender) {
    auto* other = dynamic_cast<TiPlotObject*>(sender);
    if (other && other != this && other->UserSelected()) SetUserSelected(false);
}

void TiPlotToolBar::AddMenuItems(TPopupMenu* popupMenu) {
    TiPlotLayoutObject::AddMenuItems(popupMenu);
    AddEditMenuItem(popupMenu);
}
