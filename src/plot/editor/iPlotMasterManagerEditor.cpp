// The master manager's side of the run-time editor: creating, filling and showing the form,
// keeping its lists in step with the plot, writing its Control page back, and translating.
#include "core/iPlotComponent.h"
#include "core/iPlotMasterManager.h"
#include "editor/iPlotEditor.h"
#include "ui/TLabel.h"
#include "ui/TMenu.h"

#include <QGuiApplication>
#include <QScreen>

bool TiPlotMasterManager::EditorOpen() const { return FEditorForm && !FEditorForm->Closing(); }

void TiPlotMasterManager::DestroyEditorForm(bool notify) {
    TiPlotEditorForm* form = FEditorForm;
    FEditorForm = nullptr;
    if (form && !notify) form->OnDestroyed = nullptr;
    delete form;
}

void TiPlotMasterManager::CreateEditorForm() {
    if (FEditorForm) return;
    auto* plot = dynamic_cast<TiPlotComponent*>(FOwner);
    if (!plot) return;
    FEditorForm = new TiPlotEditorForm(plot, this);
    FEditorForm->OnDestroyed = [this, plot](TiPlotEditorForm* form) {
        if (FEditorForm == form) FEditorForm = nullptr;
        if (plot->OnAfterCloseEditor) plot->OnAfterCloseEditor(this);
    };
    FEditorForm->OnClose = [this](TComponent*, TCloseAction& action) {
        FEditorForm->SetClosing(true);
        // A stay-on-top editor is released once its close has completed.
        if (auto* p = dynamic_cast<TiPlotComponent*>(FOwner); p && p->EditorFormStyle() == ipfsStayOnTop) {
            StorePageIndexes();
            action = caFree;
            // Released now: the form no longer reports to this manager, which may be gone
            // before the form is.
            FEditorForm->OnDestroyed = nullptr;
            FEditorForm = nullptr;
            if (p->OnAfterCloseEditor) p->OnAfterCloseEditor(this);
        }
    };
    FEditorForm->FillLists();
    const auto controls = FEditorForm->RememberedPageControls();
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (controls[i] && FPageControlIndexes[i] >= 0 && FPageControlIndexes[i] < controls[i]->PageCount())
            controls[i]->SetActivePageIndex(FPageControlIndexes[i]);
    TranslateForm(FEditorForm);
}

void TiPlotMasterManager::StorePageIndexes() {
    if (!FEditorForm) return;
    const auto controls = FEditorForm->RememberedPageControls();
    for (std::size_t i = 0; i < controls.size(); ++i) FPageControlIndexes[i] = controls[i] ? controls[i]->ActivePageIndex() : -1;
}

void TiPlotMasterManager::EditProperties() {
    auto* plot = dynamic_cast<TiPlotComponent*>(FOwner);
    if (!plot) return;
    CreateEditorForm();
    TiPlotEditorForm* form = FEditorForm;
    form->UpdateAll();
    form->SetPlot(plot);
    form->FillControlPage();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        form->move(s.width() / 2 - form->width() / 2, s.height() / 2 - form->height() / 2);
    }
    if (plot->OnAfterOpenEditor) plot->OnAfterOpenEditor(this);
    if (plot->EditorFormStyle() == ipfsModal) {
        struct Release {
            TiPlotMasterManager* m;
            ~Release() {
                m->StorePageIndexes();
                m->DestroyEditorForm();
            }
        } release{this};
        form->ShowModal();
    } else {
        form->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        form->Show();
        StorePageIndexes();
    }
}

void TiPlotMasterManager::BasicPropertyChanged() {
    if (!EditorOpen() || !dynamic_cast<TiPlotComponent*>(FOwner)) return;
    FEditorForm->WriteControlPage();
}

void TiPlotMasterManager::TranslateForm(TForm* form) {
    if (!form || (form == FEditorForm && FEditorForm->Closing())) return;
    if (!FTranslationManager || FTranslationManager->Count() == 0) return;
    auto tr = [this](const QString& s) { return FTranslationManager->FindReplacement(s); };
    form->SetCaption(tr(form->Caption()));
    for (int i = 0; i < form->ComponentCount(); ++i) {
        TComponent* c = form->Components(i);
        if (auto* group = dynamic_cast<TiComponentEditorRadioGroup*>(c)) {
            group->SetCaption(tr(group->Caption()));
            QStringList items = group->Items();
            for (QString& item : items) item = tr(item);
            const int index = group->ItemIndex();
            group->SetItems(items);
            group->SetAsInteger(index);
        } else if (auto* combo = dynamic_cast<TiComponentEditorComboBox*>(c)) {
            QStringList items;
            for (int k = 0; k < combo->Count(); ++k) items << tr(combo->Item(k));
            const int index = combo->ItemIndex();
            combo->SetItems(items);
            combo->SetAsInteger(index);
        } else if (auto* pages = dynamic_cast<TiComponentEditorPageControl*>(c)) {
            for (int k = 0; k < pages->PageCount(); ++k) pages->SetPageCaption(k, tr(pages->PageCaption(k)));
        } else if (auto* control = dynamic_cast<TControl*>(c)) {
            if (!control->Caption().isEmpty()) control->SetCaption(tr(control->Caption()));
        }
    }
    // The top-level items of the form's popup menu.
    if (auto* editor = dynamic_cast<TiPlotEditorForm*>(form)) {
        TMenuItem& items = editor->LayoutPopupMenu().Items();
        for (int i = 0; i < items.Count(); ++i)
            if (items.Items(i)->Caption != QLatin1String("-")) items.Items(i)->Caption = tr(items.Items(i)->Caption);
    }
}

void TiPlotMasterManager::EditorObjectInserted(TiPlotObject* object) { FEditorForm->ObjectInserted(object); }
void TiPlotMasterManager::EditorObjectRemoved(TiPlotObject* object) { FEditorForm->ObjectRemoved(object); }
void TiPlotMasterManager::EditorObjectRenamed(TiPlotObject* object) { FEditorForm->ObjectRenamed(object); }

void TiPlotMasterManager::EditorSelect(TiPlotObject* object) {
    CreateEditorForm();
    if (!FEditorForm) return;
    if (object->Kind() == TiPlotObjectKind::Label) return;
    FEditorForm->SelectObject(object);
}
