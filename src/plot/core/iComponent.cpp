#include "core/iComponent.h"

#include "core/iPlotDrawing.h"
#include "core/iPropertyText.h"
#include "rtl/Exception.h"
#include "text/AnsiCodec.h"

#include <QFile>
#include <QPainter>

struct TiComponent::UserInput {
    explicit UserInput(TiComponent& c) : control(c) { control.FUserGenerated = true; }
    ~UserInput() { control.FUserGenerated = false; }
    TiComponent& control;
};

const TiPublishedClass& TiComponent::Published() {
    using namespace published;
    using C = TiComponent;
    // The framework's published properties of a control.
    static const TiPublishedClass control(
        QStringLiteral("TCustomControl"), nullptr,
        {Prop<C>("Name", &C::Name, &C::SetName), Prop<C>("Tag", &C::Tag, &C::SetTag, 0),
         Prop<C>("Left", &C::Left, &C::SetLeft), Prop<C>("Top", &C::Top, &C::SetTop),
         Prop<C>("Width", &C::Width, &C::SetWidth), Prop<C>("Height", &C::Height, &C::SetHeight),
         Prop<C>("Cursor", &C::Cursor, &C::SetCursor, 0)});
    static const TiPublishedClass info(
        QStringLiteral("TiComponent"), &control,
        {Prop<C>("OptionSaveAllProperties", &C::OptionSaveAllProperties, &C::SetOptionSaveAllProperties, 0),
         Prop<C>("AutoFrameRate", &C::AutoFrameRate, &C::SetAutoFrameRate, 0),
         Prop<C>("UpdateFrameRate", &C::UpdateFrameRate, &C::SetUpdateFrameRate, 60),
         Prop<C>("Visible", &C::Visible, &C::SetVisible, 1), Prop<C>("Enabled", &C::Enabled, &C::SetEnabled, 1),
         Prop<C>("ShowHint", &C::ShowHint, &C::SetShowHint)});
    return info;
}

const TiPublishedClass& TiComponent::PublishedClass() const { return Published(); }

TiComponent::TiComponent(TComponent* owner) : TCustomControl(owner) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    SetClickFocus(true);
    FLastUpdate = TiUpdateObject::Global().Now();
    TFont errorFont = FErrorFont.Font();
    errorFont.SetColor(255);
    errorFont.SetStyle(fsBold);
    FErrorFont.Assign(errorFont);
    FErrorFont.OnChange = [this] { InvalidateChange(); };
    TiUpdateObject::Global().AddUpdateControl(this);
}

TiComponent::~TiComponent() { TiUpdateObject::Global().RemoveUpdateControl(this); }

void TiComponent::SetAutoFrameRate(bool value) {
    if (value == FAutoFrameRate) return;
    FAutoFrameRate = value;
    if (value)
        BackGroundChange();
    else
        EndUpdate();  // also ends an open bracket and flushes a pending repaint
}

void TiComponent::SetUpdateFrameRate(int value) { SetIntegerProperty(value, FUpdateFrameRate, 1); }

void TiComponent::SetEnabled(bool value) {
    TCustomControl::SetEnabled(value);
    BackGroundChange();
}

void TiComponent::SetBackGroundColor(TColor value) {
    if (value == FBackGroundColor) return;
    FBackGroundColor = value;
    BackGroundChange();
}

void TiComponent::SetBorderStyle(TiBevelStyle value) {
    if (value == FBorderStyle) return;
    FBorderStyle = value;
    BackGroundChange();
}

void TiComponent::SetCachedDrawing(bool value) {
    if (value == FCachedDrawing) return;
    FCachedDrawing = value;
    if (!value) FBackGroundBitmap.reset();
    BackGroundChange();
}

TBitmap& TiComponent::GetBackGroundBitmap() {
    if (!FBackGroundBitmap) {
        FBackGroundBitmap = std::make_unique<TBitmap>();
        FBackGroundBitmap->SetSize(Width(), Height());
    }
    return *FBackGroundBitmap;
}

void TiComponent::SetBackGroundPicture(const QImage& picture) {
    FBackGroundPicture = picture;
    BackGroundChange();
}

void TiComponent::SetErrorActive(bool value) {
    if (value == FErrorActive) return;
    FErrorActive = value;
    BackGroundChange();
}

void TiComponent::InvalidateChange() {
    if (FUpdateActive) {
        FNeedsRepaint = true;
    } else if (FAutoFrameRate) {
        FNeedsRepaint = true;
        InvalidateRateLimited();
    } else {
        DoInvalidateNow();
    }
}

void TiComponent::BackGroundChange() {
    FBackGroundChanged = true;
    InvalidateChange();
}

void TiComponent::DoInvalidateNow() {
    FNeedsRepaint = false;
    FLastUpdate = TiUpdateObject::Global().Now();
    InvalidateWindow();
}

void TiComponent::InvalidateNow() { DoInvalidateNow(); }

void TiComponent::InvalidateRateLimited() {
    if (FAutoFrameRate && FUpdateFrameRate != 0) {
        const double interval = 1.0 / (FUpdateFrameRate * 86400.0);
        if (TiUpdateObject::Global().Now() <= FLastUpdate + interval) return;
    }
    DoInvalidateNow();
}

void TiComponent::BeginUpdate() { FUpdateActive = true; }

void TiComponent::EndUpdate() {
    FUpdateActive = false;
    if (FNeedsRepaint) InvalidateRateLimited();
}

void TiComponent::RepaintAll() { BackGroundChange(); }

void TiComponent::InvalidateWindow() { update(); }

void TiComponent::SetBooleanProperty(bool value, bool& field, int changeKind) {
    if (value == field) return;
    field = value;
    if (changeKind == 0) InvalidateChange();
    else if (changeKind == 1) BackGroundChange();
}

void TiComponent::SetIntegerProperty(int value, int& field, int changeKind) {
    if (value == field) return;
    field = value;
    if (changeKind == 0) InvalidateChange();
    else if (changeKind == 1) BackGroundChange();
}

void TiComponent::SetColorProperty(TColor value, TColor& field, int changeKind) {
    if (value == field) return;
    field = value;
    if (changeKind == 0) InvalidateChange();
    else if (changeKind == 1) BackGroundChange();
}

TPoint TiComponent::GetCenterPoint() const { return {Width() / 2 + FOffsetX, Height() / 2 + FOffsetY}; }

void TiComponent::DrawBackGround(TCanvas& canvas, TColor color) {
    FBackGroundChanged = false;
    if (FBackGroundPicture.width() > 0) {
        if (QPainter* p = canvas.Painter()) {
            p->drawImage(QRect(0, 0, Width(), Height()), FBackGroundPicture);
            canvas.Changed(QRect(0, 0, Width(), Height()));
        }
        return;
    }
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = color;
    canvas.FillRect({0, 0, Width(), Height()});
    DrawBorder(canvas);
}

void TiComponent::DrawBorder(TCanvas& canvas) {
    if (FBorderStyle == ibsRaised) DrawBorderStyle(canvas, {0, 0, Width(), Height()}, 1);
    else if (FBorderStyle == ibsLowered) DrawBorderStyle(canvas, {0, 0, Width(), Height()}, 0);
}

QImage TiComponent::PaintOffScreen() {
    // The lock and the off-screen bitmap are released however the pass ends.
    struct Pass {
        explicit Pass(TiComponent& c) : control(c) {
            control.Lock();
            control.FOffScreenBitmap = &bitmap;
        }
        ~Pass() {
            control.FOffScreenBitmap = nullptr;
            control.Unlock();
        }
        TiComponent& control;
        TBitmap bitmap;
    } pass(*this);
    pass.bitmap.SetSize(Width(), Height());
    TCanvas& canvas = pass.bitmap.Canvas();
    try {
        canvas.Brush.Style = bsSolid;
        canvas.Pen.Style = psSolid;
        try {
            iPaintToCanvas(canvas);
        } catch (const Exception& e) {
            canvas.ClearClipRect();
            canvas.Brush.Style = bsSolid;
            canvas.Brush.Color = clBlack;
            canvas.FillRect({0, 0, Width(), Height()});
            canvas.Brush.Style = bsClear;
            canvas.Font.SetColor(clWhite);
            TRect r{0, 0, Width(), Height()};
            DrawTextFlags(canvas, e.Message(), r, clBlack, true, itfCenter | itfVCenter | itfSingleLine | itfNoClip);
        }
        if (OnPaint) OnPaint(this, canvas);
    } catch (const Exception&) {
        // A failure of the paint event itself leaves the frame as drawn.
    }
    canvas.ClearClipRect();
    return pass.bitmap.Image();
}

void TiComponent::paintEvent(QPaintEvent*) {
    const QImage image = PaintOffScreen();
    QPainter painter(this);
    painter.drawImage(0, 0, image);
}

void TiComponent::SaveImageToBitmap(const QString& fileName) {
    const QImage image = PaintOffScreen();
    if (!image.save(fileName, "BMP")) throw Exception(QStringLiteral("Cannot create file \"%1\"").arg(fileName));
}

QStringList TiComponent::LayoutPropertyNames() {
    return {QStringLiteral("Left"),      QStringLiteral("Top"),     QStringLiteral("Width"),
            QStringLiteral("Height"),    QStringLiteral("Align"),   QStringLiteral("Cursor"),
            QStringLiteral("ShowHint"),  QStringLiteral("Tag"),     QStringLiteral("Visible"),
            QStringLiteral("Enabled"),   QStringLiteral("Hint"),    QStringLiteral("HelpContext")};
}

void TiComponent::WriteLines(const QString& fileName, const QStringList& lines) { WriteTextLines(fileName, lines); }

QStringList TiComponent::ReadLines(const QString& fileName) { return ReadTextLines(fileName); }

void TiComponent::SavePropertiesToFile(const QString& fileName) {
    try {
        QStringList lines = {QStringLiteral("File Type = ") + PublishedClass().ClassName()};
        QStringList exclusions = {QStringLiteral("Name")};
        if (!FOptionSaveAllProperties) exclusions << LayoutPropertyNames();
        SavePropertiesToList(*this, QString(), lines, false, &exclusions);
        WriteLines(fileName, lines);
    } catch (const Exception& e) {
        throw Exception(QStringLiteral("Error Saving Properties - ") + e.Message());
    }
}

void TiComponent::LoadPropertiesFromFile(const QString& fileName) {
    try {
        QStringList lines = ReadLines(fileName);
        BeginUpdate();
        try {
            LoadPropertiesFromList(*this, QString(), lines);
        } catch (...) {
            // A failed load still closes its update bracket.
            EndUpdate();
            throw;
        }
        EndUpdate();
    } catch (const Exception& e) {
        throw Exception(QStringLiteral("Error Loading Properties - ") + e.Message());
    }
}

namespace {

int FindKind(const TiPersistent& object, const QString& prefix, const QString& path) {
    for (const TiPublishedProperty* p : object.PublishedClass().Properties()) {
        const QString name = prefix.isEmpty() ? p->Name : prefix + QLatin1Char('.') + p->Name;
        if (p->Kind == tkClass) {
            if (auto* sub = std::get<TiPersistent*>(p->Get(object)))
                if (const int kind = FindKind(*sub, name, path)) return kind;
            if (name.compare(path, Qt::CaseInsensitive) == 0) return tkClass;
            continue;
        }
        if (p->Writable() && name.compare(path, Qt::CaseInsensitive) == 0) return p->Kind;
    }
    return 0;
}

}  // namespace

int TiComponent::GetPropertyKind(const QString& path) const { return FindKind(*this, QString(), path); }

void TiComponent::iDoSetFocus() {
    FHasFocus = true;
    update();
}

void TiComponent::iDoKillFocus() {
    FHasFocus = false;
    try {
        iMouseUp(mbLeft, 0, 0, 0);
    } catch (const Exception&) {
    }
    update();
}

void TiComponent::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    UserInput input(*this);
    iMouseDown(button, shift, x, y);
    TCustomControl::MouseDown(button, shift, x, y);
}

void TiComponent::MouseMove(TShiftState shift, int x, int y) {
    UserInput input(*this);
    iMouseMove(shift, x, y);
    TCustomControl::MouseMove(shift, x, y);
}

void TiComponent::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    UserInput input(*this);
    iMouseUp(button, shift, x, y);
    TCustomControl::MouseUp(button, shift, x, y);
}

void TiComponent::DblClick() {
    UserInput input(*this);
    iDoubleClick();
    TCustomControl::DblClick();
}

void TiComponent::KeyDown(TKey& key, TShiftState shift) {
    UserInput input(*this);
    // The framework's handler (the application's OnKeyDown) first, then the hook.
    TCustomControl::KeyDown(key, shift);
    int code = key;
    try {
        iKeyDown(code, shift);
    } catch (const Exception&) {
    }
    key = TKey(code);
}

void TiComponent::KeyUp(TKey& key, TShiftState shift) {
    UserInput input(*this);
    // The framework's handler (the application's OnKeyUp) first, then the hook.
    TCustomControl::KeyUp(key, shift);
    int code = key;
    try {
        iKeyUp(code, shift);
    } catch (const Exception&) {
    }
    key = TKey(code);
}

void TiComponent::KeyPress(QChar& key) {
    UserInput input(*this);
    TCustomControl::KeyPress(key);
    try {
        iKeyPress(key);
    } catch (const Exception&) {
    }
}

void TiComponent::focusInEvent(QFocusEvent* event) {
    TCustomControl::focusInEvent(event);
    iDoSetFocus();
}

void TiComponent::focusOutEvent(QFocusEvent* event) {
    TCustomControl::focusOutEvent(event);
    iDoKillFocus();
}
