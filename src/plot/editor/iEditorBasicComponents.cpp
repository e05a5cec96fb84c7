#include "editor/iEditorBasicComponents.h"

#include "core/iPlotDrawing.h"
#include "core/iPlotObjects.h"
#include "editor/iCommonDialogs.h"
#include "editor/iValueConverterEditForm.h"
#include "graphics/TCanvas.h"
#include "ui/TLabel.h"

#include <QPalette>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>

#include <algorithm>

TiCustomEditorForm::TiCustomEditorForm(TComponent* owner) : TForm(owner) {
    SetColor(PaletteColor(*this, QPalette::Window));
}

TLabel* TiCustomEditorForm::AddLabel(TWinControl* parent, const QString& caption, int left, int top, bool bold) {
    auto* label = new TLabel(this);
    label->SetParent(parent);
    TFont font = label->Font();
    font.SetColor(PaletteColor(*this, QPalette::WindowText));
    if (bold) font.SetStyle(fsBold);
    label->SetFont(font);
    label->SetColor(PaletteColor(*this, QPalette::Window));
    label->SetCaption(caption);
    label->SetLeft(left);
    label->SetTop(top);
    return label;
}

void NotifyUserChange(TComponent* control, bool blocking) {
    if (blocking || !control) return;
    if (auto* form = dynamic_cast<TiCustomEditorForm*>(control->Owner())) form->UserChange();
}

namespace {

// Runs a setter with the change event detached and the blocking flag raised, restoring both
// however the setter ends.
template <class Event, class Body> void Silently(Event& event, bool& blocking, Body body) {
    Event saved = event;
    event = nullptr;
    const bool wasBlocking = blocking;
    blocking = true;
    struct Restore {
        Event& e;
        Event s;
        bool& b;
        bool w;
        ~Restore() { e = s, b = w; }
    } restore{event, saved, blocking, wasBlocking};
    body();
}

}  // namespace

// ---- Edit ----

TiComponentEditorEdit::TiComponentEditorEdit(TComponent* owner) : TEdit(owner) { SetHeight(21); }

void TiComponentEditorEdit::SetSilently(const QString& text) {
    Silently(OnChange, FBlockingEvents, [&] {
        SetText(text);
        FOriginalText = text;
    });
}

void TiComponentEditorEdit::SetAsString(const QString& value) { SetSilently(value); }

int TiComponentEditorEdit::AsInteger() const {
    bool ok = false;
    const int v = Text().trimmed().toInt(&ok);
    return ok ? v : 0;
}

void TiComponentEditorEdit::SetAsInteger(int value) { SetSilently(QString::number(value)); }

double TiComponentEditorEdit::AsFloat() const {
    bool ok = false;
    const double v = Text().trimmed().toDouble(&ok);
    return ok ? v : 0.0;
}

void TiComponentEditorEdit::SetAsFloat(double value) { SetSilently(QString::number(value, 'g', 15)); }

void TiComponentEditorEdit::Enable() {
    SetEnabled(true);
    SetColor(clWindow);
}

void TiComponentEditorEdit::Disable() {
    Silently(OnChange, FBlockingEvents, [&] {
        SetEnabled(false);
        SetText(QString());
        FOriginalText.clear();
        SetColor(clBtnFace);
    });
}

void TiComponentEditorEdit::DisableNoClear() {
    Silently(OnChange, FBlockingEvents, [&] {
        SetEnabled(false);
        SetColor(clBtnFace);
    });
}

void TiComponentEditorEdit::SetStringWithEvent(const QString& value) {
    SetText(value);
    NotifyUserChange(this, FBlockingEvents);
    Commit();
}

void TiComponentEditorEdit::SetIntegerWithEvent(int value) { SetStringWithEvent(QString::number(value)); }

void TiComponentEditorEdit::SetDoubleWithEvent(double value) { SetStringWithEvent(QString::number(value, 'g', 15)); }

void TiComponentEditorEdit::Commit() {
    if (Text() == FOriginalText) return;
    FOriginalText = Text();
    if (OnUpdate) OnUpdate(this);
    NotifyUserChange(this, FBlockingEvents);
}

void TiComponentEditorEdit::KeyPress(QChar& key) {
    switch (key.unicode()) {
    case 13:
        Commit();
        key = QChar(0);
        SelectAll();
        return;
    case 10: key = QChar(0); return;
    case 27:
        key = QChar(0);
        SetSilently(FOriginalText);
        SelectAll();
        return;
    default: TEdit::KeyPress(key);
    }
}

void TiComponentEditorEdit::DoExit() {
    Commit();
    TEdit::DoExit();
}

// ---- Combo box ----

TiComponentEditorComboBox::TiComponentEditorComboBox(TComponent* owner) : TComboBox(owner) {
    SetStyle(csDropDownList);
    SetHeight(21);
}

void TiComponentEditorComboBox::SetAsInteger(int value) {
    Silently(OnChange, FBlockingEvents, [&] { SetItemIndex(value); });
}

void TiComponentEditorComboBox::SetAsString(const QString& value) {
    Silently(OnChange, FBlockingEvents, [&] {
        if (EditStyle()) SetText(value);
        else SetItemIndex(ItemsIndexOf(value));
    });
}

void TiComponentEditorComboBox::Enable() {
    SetEnabled(true);
    SetColor(clWindow);
}

void TiComponentEditorComboBox::Disable() {
    Silently(OnChange, FBlockingEvents, [&] {
        SetEnabled(false);
        SetColor(clBtnFace);
        SetItemIndex(-1);
        if (EditStyle()) SetText(QString());
    });
}

void TiComponentEditorComboBox::Change() {
    TComboBox::Change();
    NotifyUserChange(this, FBlockingEvents);
}

// ---- Check box and radio group ----

TiComponentEditorCheckBox::TiComponentEditorCheckBox(TComponent* owner) : TiCheckBox(owner) {}

void TiComponentEditorCheckBox::SetAsBoolean(bool value) {
    Silently(OnClick, FBlockingEvents, [&] { SetChecked(value); });
}

void TiComponentEditorCheckBox::Disable() {
    Silently(OnClick, FBlockingEvents, [&] {
        SetEnabled(false);
        SetChecked(false);
    });
}

void TiComponentEditorCheckBox::DoChange() {
    TiCheckBox::DoChange();
    NotifyUserChange(this, FBlockingEvents);
    if (OnClick) OnClick(this);
}

TiComponentEditorRadioGroup::TiComponentEditorRadioGroup(TComponent* owner) : TiRadioGroup(owner) {}

void TiComponentEditorRadioGroup::SetAsInteger(int value) {
    Silently(OnClick, FBlockingEvents, [&] { Silently(OnChange, FBlockingEvents, [&] { SetItemIndex(value); }); });
}

void TiComponentEditorRadioGroup::Disable() {
    Silently(OnClick, FBlockingEvents, [&] {
        SetEnabled(false);
        SetItemIndex(-1);
    });
}

void TiComponentEditorRadioGroup::iMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    const int before = ItemIndex();
    TiRadioGroup::iMouseUp(button, shift, x, y);
    if (ItemIndex() != before) {
        if (OnClick) OnClick(this);
        NotifyUserChange(this, FBlockingEvents);
    }
}

void TiComponentEditorRadioGroup::iKeyDown(int& key, TShiftState shift) {
    const int before = ItemIndex();
    TiRadioGroup::iKeyDown(key, shift);
    if (ItemIndex() != before) {
        if (OnClick) OnClick(this);
        NotifyUserChange(this, FBlockingEvents);
    }
}

// ---- Button ----

TiComponentEditorButton::TiComponentEditorButton(TComponent* owner) : TWinControl(owner), FButton(new QPushButton(this)) {
    SetTabStop(true);
    FButton->setFocusPolicy(Qt::StrongFocus);
    QObject::connect(FButton, &QPushButton::clicked, FButton, [this] { Click(); });
    SetBounds(0, 0, 75, 25);
}

void TiComponentEditorButton::SetCaption(const QString& caption) {
    TWinControl::SetCaption(caption);
    FButton->setText(caption);
}

void TiComponentEditorButton::SetFont(const TFont& font) {
    TWinControl::SetFont(font);
    FButton->setFont(font.ToQFont());
}

void TiComponentEditorButton::SetBounds(int left, int top, int width, int height) {
    TWinControl::SetBounds(left, top, width, height);
    FButton->setGeometry(0, 0, width, height);
}

// ---- List box ----

TiComponentEditorListBox::TiComponentEditorListBox(TComponent* owner) : TCustomControl(owner) {
    SetTabStop(true);
    SetColor(clWindow);
}

void TiComponentEditorListBox::AddObject(TObject* object) {
    FObjects.push_back(object);
    Invalidate();
}

void TiComponentEditorListBox::Clear() {
    FObjects.clear();
    FItemIndex = -1;
    Invalidate();
}

void TiComponentEditorListBox::SetItemIndex(int index) {
    FItemIndex = (index >= 0 && index < Count()) ? index : -1;
    Invalidate();
}

int TiComponentEditorListBox::IndexOfObject(TObject* object) const {
    const auto it = std::find(FObjects.begin(), FObjects.end(), object);
    return it == FObjects.end() ? -1 : int(it - FObjects.begin());
}

void TiComponentEditorListBox::DeleteSelectedObject() {
    if (FItemIndex < 0) return;
    const int i = FItemIndex;
    TObject* object = FObjects[std::size_t(i)];
    FObjects.erase(FObjects.begin() + i);
    FItemIndex = -1;
    if (auto* plotObject = dynamic_cast<TiPlotObject*>(object)) TiPlotObject::Free(plotObject);
    else delete object;
    if (!FObjects.empty()) SetItemIndex(i < Count() ? i : i - 1);
    Invalidate();
}

void TiComponentEditorListBox::DeleteObjectIndex(TObject* object) {
    const int at = IndexOfObject(object);
    if (at < 0) return;
    const int s = FItemIndex;
    FObjects.erase(FObjects.begin() + at);
    FItemIndex = -1;
    if (!FObjects.empty()) SetItemIndex(s >= 0 && s < Count() ? s : Count() - 1);
    Invalidate();
}

void TiComponentEditorListBox::Paint() {
    TCanvas& c = Canvas();
    c.Brush.Style = bsSolid;
    c.Brush.Color = PaletteColor(*this, QPalette::Base);
    c.FillRect(Rect(0, 0, Width(), Height()));
    c.Font = Font();
    for (int i = 0; i < Count(); ++i) {
        const TRect r = Rect(1, 1 + i * kItemHeight, Width() - 1, 1 + (i + 1) * kItemHeight);
        if (r.Top >= Height()) break;
        bool drawBox = true;
        TColor color = 255;
        QString text;
        if (OnGetData) OnGetData(this, i, drawBox, color, text);
        const bool selected = i == FItemIndex;
        c.Brush.Color = selected ? TColor(0x808000) : PaletteColor(*this, QPalette::Base);
        c.FillRect(r);
        c.Font.SetColor(selected ? clWhite : PaletteColor(*this, QPalette::Text));
        c.Brush.Style = bsClear;
        const int ty = r.Top + (kItemHeight - c.TextHeight(text)) / 2;
        c.TextOut(r.Left + (drawBox ? 22 : 2), ty, text);
        c.Brush.Style = bsSolid;
        if (drawBox) {
            c.Pen.Color = clBlack;
            c.Brush.Color = color;
            c.Rectangle(r.Left + 2, r.Top + 1, r.Left + 18, r.Bottom - 1);
        }
    }
    c.Brush.Style = bsClear;
    c.Pen.Color = clBtnShadow;
    c.Rectangle(0, 0, Width(), Height());
}

void TiComponentEditorListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft) return;
    const int i = (y - 1) / kItemHeight;
    if (i < 0 || i >= Count() || i == FItemIndex) return;
    SetItemIndex(i);
    if (OnClick) OnClick(this);
}

// ---- Page control ----

TiComponentEditorPageControl::TiComponentEditorPageControl(TComponent* owner)
    : TWinControl(owner), FTabs(new QTabBar(this)) {
    SetColor(PaletteColor(*this, QPalette::Window));
    FTabs->setDrawBase(true);
    FTabs->setExpanding(false);
    FTabs->setUsesScrollButtons(true);
    QObject::connect(FTabs, &QTabBar::currentChanged, FTabs, [this](int) { ShowActive(); });
}

TWinControl* TiComponentEditorPageControl::AddPage(const QString& name, const QString& caption) {
    auto* page = new TWinControl(Owner());
    page->SetName(name);
    page->SetParent(this);
    page->SetCaption(caption);
    page->SetColor(PaletteColor(*this, QPalette::Window));
    page->SetBounds(0, kTabHeight, Width(), std::max(0, Height() - kTabHeight));
    FPages.push_back(page);
    FTabs->addTab(caption);
    ShowActive();
    return page;
}

int TiComponentEditorPageControl::IndexOfPage(const QString& caption) const {
    for (int i = 0; i < PageCount(); ++i)
        if (FPages[std::size_t(i)]->Caption() == caption) return i;
    return -1;
}

int TiComponentEditorPageControl::ActivePageIndex() const { return FTabs->currentIndex(); }

void TiComponentEditorPageControl::SetActivePageIndex(int index) {
    if (index >= 0 && index < PageCount()) FTabs->setCurrentIndex(index);
}

void TiComponentEditorPageControl::SetPageVisible(int index, bool visible) {
    FTabs->setTabVisible(index, visible);
    ShowActive();
}

bool TiComponentEditorPageControl::PageVisible(int index) const { return FTabs->isTabVisible(index); }

void TiComponentEditorPageControl::SetPageCaption(int index, const QString& caption) {
    FPages.at(std::size_t(index))->SetCaption(caption);
    FTabs->setTabText(index, caption);
}

QString TiComponentEditorPageControl::PageCaption(int index) const { return FPages.at(std::size_t(index))->Caption(); }

void TiComponentEditorPageControl::SetBounds(int left, int top, int width, int height) {
    TWinControl::SetBounds(left, top, width, height);
    FTabs->setGeometry(0, 0, width, kTabHeight);
    for (TWinControl* p : FPages) p->SetBounds(0, kTabHeight, width, std::max(0, height - kTabHeight));
}

void TiComponentEditorPageControl::ShowActive() {
    const int active = FTabs->currentIndex();
    for (int i = 0; i < PageCount(); ++i) FPages[std::size_t(i)]->SetVisible(i == active);
}

// ---- Group box ----

TiComponentEditorGroupBox::TiComponentEditorGroupBox(TComponent* owner) : TCustomControl(owner) {}

void TiComponentEditorGroupBox::Paint() {
    TCanvas& c = Canvas();
    const TColor win = PaletteColor(*this, QPalette::Window), text = PaletteColor(*this, QPalette::WindowText);
    c.Brush.Style = bsSolid;
    c.Brush.Color = win;
    c.FillRect(Rect(0, 0, Width(), Height()));
    c.Font = Font();
    const int th = c.TextHeight(QStringLiteral("Ag"));
    c.Brush.Style = bsClear;
    c.Pen.Color = PaletteColor(*this, QPalette::Mid);
    c.Rectangle(0, th / 2, Width(), Height());
    if (!Caption().isEmpty()) {
        c.Brush.Style = bsSolid;
        c.Brush.Color = win;
        c.FillRect(Rect(6, 0, 10 + c.TextWidth(Caption()), th));
        c.Font.SetColor(text);
        c.Brush.Style = bsClear;
        c.TextOut(8, 0, Caption());
    }
}

// ---- Colour picker ----

TiComponentEditorColorPicker::TiComponentEditorColorPicker(TComponent* owner)
    : TCustomControl(owner), FButton(new TiComponentEditorButton(owner)) {
    FButton->SetParent(this);
    TFont bold = FButton->Font();
    bold.SetStyle(fsBold);
    FButton->SetFont(bold);
    FButton->SetCaption(QStringLiteral("..."));
    FButton->OnClick = [this](TComponent*) { Pick(); };
    SetBounds(0, 0, 47, 21);
}

void TiComponentEditorColorPicker::SetBounds(int left, int top, int width, int height) {
    TCustomControl::SetBounds(left, top, width, height);
    FButton->SetBounds(width - 21, 0, 21, height);
}

void TiComponentEditorColorPicker::SetColorValue(TColor value) {
    if (value == FColorValue) return;
    FColorValue = value;
    Invalidate();
}

void TiComponentEditorColorPicker::Enable() {
    SetEnabled(true);
    Invalidate();
}

void TiComponentEditorColorPicker::Disable() {
    SetEnabled(false);
    Invalidate();
}

void TiComponentEditorColorPicker::Pick() {
    TiColorDialog dialog(this);
    dialog.SetColor(FColorValue);
    if (!dialog.Execute()) return;
    FColorValue = dialog.Color();
    NotifyUserChange(this, false);
    Invalidate();
    if (OnChange) OnChange(this);
}

void TiComponentEditorColorPicker::DblClick() {
    TCustomControl::DblClick();
    Pick();
}

void TiComponentEditorColorPicker::Paint() {
    TCanvas& c = Canvas();
    c.Brush.Style = bsSolid;
    c.Brush.Color = clBtnFace;
    c.FillRect(Rect(0, 0, Width(), Height()));
    c.Pen.Color = clBlack;
    c.Brush.Color = Enabled() ? FColorValue : clBtnFace;
    c.Rectangle(0, 0, Width() - 21 - 1, Height());
}

// ---- Font, open and save pickers ----

TiComponentEditorFontPicker::TiComponentEditorFontPicker(TComponent* owner) : TiComponentEditorButton(owner) {
    SetCaption(QStringLiteral("Font"));
}

void TiComponentEditorFontPicker::Click() {
    TiComponentEditorButton::Click();
    TiFontDialog dialog(this);
    dialog.SetFont(FPicked);
    if (!dialog.Execute()) return;
    FPicked = dialog.Font();
    NotifyUserChange(this, false);
    if (OnChange) OnChange(this);
}

namespace {

QString StartName(const QString& fileName) {
    return fileName.endsWith(QLatin1Char('/')) || fileName.endsWith(QLatin1Char('\\')) ? fileName + QStringLiteral("Untitled")
                                                                                       : fileName;
}

}  // namespace

TiComponentEditorOpenPicker::TiComponentEditorOpenPicker(TComponent* owner) : TiComponentEditorButton(owner) {
    SetCaption(QStringLiteral("Open"));
}

void TiComponentEditorOpenPicker::Click() {
    TiComponentEditorButton::Click();
    TiOpenDialog dialog(this);
    dialog.FileName = StartName(FileName);
    dialog.Filter = Filter;
    dialog.DefaultExt = DefaultExt;
    dialog.DefaultDir = DefaultDir;
    dialog.FileMustExist = FileMustExist;
    dialog.AllowMultiSelect = AllowMultiSelect;
    FDefaultDirUsed = true;
    if (!dialog.Execute()) return;
    FileName = dialog.FileName;
    Files = dialog.Files;
    NotifyUserChange(this, false);
    if (OnChange) OnChange(this);
}

TiComponentEditorSavePicker::TiComponentEditorSavePicker(TComponent* owner) : TiComponentEditorButton(owner) {
    SetCaption(QStringLiteral("Save"));
}

bool TiComponentEditorSavePicker::Execute() {
    TiSaveDialog dialog(this);
    dialog.FileName = StartName(FileName);
    dialog.Filter = Filter;
    dialog.FilterIndex = FilterIndex;
    dialog.DefaultExt = DefaultExt;
    // The default folder only on the first pick; later picks start where the dialog says.
    if (!FDefaultDirUsed) dialog.DefaultDir = DefaultDir;
    FDefaultDirUsed = true;
    if (!dialog.Execute()) return false;
    FileName = dialog.FileName;
    NotifyUserChange(this, false);
    if (OnChange) OnChange(this);
    return true;
}

void TiComponentEditorSavePicker::Click() {
    TiComponentEditorButton::Click();
    Execute();
}

// ---- Value converter picker ----

TiComponentEditorValueConverterPicker::TiComponentEditorValueConverterPicker(TComponent* owner)
    : TiComponentEditorButton(owner) {
    SetCaption(QStringLiteral("..."));
    SetBounds(0, 0, 21, 21);
}

void TiComponentEditorValueConverterPicker::SetAssociate(TiComponentEditorEdit* edit) {
    FAssociate = edit;
    if (edit) SetBounds(edit->Left() + edit->Width(), edit->Top(), Width(), edit->Height());
}

void TiComponentEditorValueConverterPicker::Click() {
    TiComponentEditorButton::Click();
    TiValueConverterEditForm form(nullptr);
    form.SelectPage(DefaultPage);
    if (TranslationMethod) TranslationMethod(&form);
    form.SetValue(FAssociate ? FAssociate->AsFloat() : DateTime);
    if (form.ShowModal() != mrOk) return;
    DateTime = form.Value();
    if (FAssociate) FAssociate->SetDoubleWithEvent(DateTime);
    if (OnChange) OnChange(this);
}

// ---- Spinner ----

TiUpDown::TiUpDown(TComponent* owner) : TCustomControl(owner), FTimer(std::make_unique<QTimer>()) {
    SetBounds(0, 0, 15, 21);
    QObject::connect(FTimer.get(), &QTimer::timeout, FTimer.get(), [this] { Tick(); });
}

TiUpDown::~TiUpDown() = default;

void TiUpDown::SetAssociate(TiComponentEditorEdit* edit) {
    FAssociate = edit;
    if (edit) SetBounds(edit->Left() + edit->Width(), edit->Top(), Width(), edit->Height());
}

int TiUpDown::AsInteger() const { return FAssociate ? FAssociate->AsInteger() : 0; }

int TiUpDown::Limited(int value) const {
    if (Max != 0 || Min != 0) value = std::max(Min, std::min(Max, value));
    return value;
}

void TiUpDown::SetAsInteger(int value) {
    if (FAssociate) FAssociate->SetAsInteger(Limited(value));
}

void TiUpDown::StepUser(bool up) {
    if (!FAssociate) return;
    FAssociate->SetIntegerWithEvent(Limited(FAssociate->AsInteger() + (up ? Increment : -Increment)));
}

void TiUpDown::Enable() {
    SetEnabled(true);
    if (FAssociate) FAssociate->Enable();
    Invalidate();
}

void TiUpDown::Disable() {
    SetEnabled(false);
    if (FAssociate) FAssociate->Disable();
    Invalidate();
}

TRect TiUpDown::UpRect() const { return Rect(0, 0, Width(), (Height() - 1) / 2); }
TRect TiUpDown::DownRect() const { return Rect(0, Height() - (Height() - 1) / 2, Width(), Height()); }

void TiUpDown::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft) return;
    FPressed = true;
    FMousePos = {x, y};
    const TRect u = UpRect();
    FUpPressed = y >= u.Top && y < u.Bottom;
    FFirstTick = true;
    FTimer->start(500);
    StepUser(FUpPressed);
    Invalidate();
}

void TiUpDown::MouseMove(TShiftState shift, int x, int y) {
    TCustomControl::MouseMove(shift, x, y);
    if (!FPressed) return;
    FMousePos = {x, y};
    Invalidate();
}

void TiUpDown::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseUp(button, shift, x, y);
    FTimer->stop();
    FPressed = false;
    Invalidate();
}

void TiUpDown::Tick() {
    if (FFirstTick) {
        FFirstTick = false;
        FTimer->setInterval(50);
    }
    StepUser(FUpPressed);
}

void TiUpDown::Paint() {
    TCanvas& c = Canvas();
    c.Brush.Style = bsSolid;
    c.Brush.Color = clBtnFace;
    c.FillRect(Rect(0, 0, Width(), Height()));
    const int s = std::max(1, std::min(Height() / 2, Width()) / 7);
    for (const bool up : {true, false}) {
        const TRect r = up ? UpRect() : DownRect();
        const bool pressed = FPressed && FUpPressed == up && FMousePos.Y >= r.Top && FMousePos.Y < r.Bottom;
        DrawBorderStyle(c, r, pressed ? 0 : 1);
        const int x = (r.Left + r.Right) / 2, y = (r.Top + r.Bottom) / 2;
        c.Brush.Color = Enabled() ? clBlack : TColor(0x808080);
        c.Pen.Color = c.Brush.Color;
        if (up) {
            const TPoint p[3] = {{x - 2 * s, y + s}, {x, y - s}, {x + 2 * s, y + s}};
            c.Polygon(p, 3);
        } else {
            const TPoint p[3] = {{x - 2 * s, y - s}, {x + 2 * s, y - s}, {x, y + s}};
            c.Polygon(p, 3);
        }
    }
}
