#pragma once
// The windowed control base of the plot library. It paints every frame double-buffered
// through one abstract paint-to-canvas operation, owns the background colour, border style
// and error-display settings of its descendants, runs input hooks of its own around the
// framework's mouse and keyboard handling, and decides when a change becomes a repaint: at
// once, at the end of an update bracket, or limited to a frame rate with the process-wide
// scheduler catching up what the limit held back.
#include "core/iPlotFont.h"
#include "core/iPlotTypes.h"
#include "core/iPublishedClass.h"
#include "core/iUpdateObject.h"
#include "graphics/TBitmap.h"
#include "ui/TCustomControl.h"

#include <QImage>

#include <functional>
#include <memory>

class TCanvas;

using TiPaintEvent = std::function<void(TObject* Sender, TCanvas& Canvas)>;
using TiChangeProtectedEvent = std::function<void(TObject* Sender, const QString& PropertyName)>;
using TiRequestEditEvent = std::function<void(TObject* Sender, const QString& PropertyName, bool& Allowed)>;

class TiComponent : public TCustomControl, public TiPersistent, public IiUpdateClient {
public:
    explicit TiComponent(TComponent* owner);
    ~TiComponent() override;

    const TiPublishedClass& PublishedClass() const override;
    static const TiPublishedClass& Published();

    // Published settings.
    bool OptionSaveAllProperties() const { return FOptionSaveAllProperties; }
    void SetOptionSaveAllProperties(bool value) { FOptionSaveAllProperties = value; }
    bool AutoFrameRate() const { return FAutoFrameRate; }
    void SetAutoFrameRate(bool value);
    int UpdateFrameRate() const override { return FUpdateFrameRate; }
    void SetUpdateFrameRate(int value);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value) { FShowHint = value; }
    // The framework setter, then a background change.
    void SetEnabled(bool value);

    TColor BackGroundColor() const { return FBackGroundColor; }
    virtual void SetBackGroundColor(TColor value);
    TiBevelStyle BorderStyle() const { return FBorderStyle; }
    virtual void SetBorderStyle(TiBevelStyle value);
    bool CachedDrawing() const { return FCachedDrawing; }
    virtual void SetCachedDrawing(bool value);
    // The control-sized bitmap, made on first request.
    TBitmap& GetBackGroundBitmap();
    bool HasBackGroundBitmap() const { return bool(FBackGroundBitmap); }
    // An optional picture stretched over the background (a null image removes it).
    void SetBackGroundPicture(const QImage& picture);

    // Error display of descendants.
    bool ErrorActive() const { return FErrorActive; }
    void SetErrorActive(bool value);
    const QString& ErrorText() const { return FErrorText; }
    void SetErrorText(const QString& value) { FErrorText = value; }
    TColor ErrorBackGroundColor() const { return FErrorBackGroundColor; }
    void SetErrorBackGroundColor(TColor value) { FErrorBackGroundColor = value; }
    TiPlotFont& ErrorFont() { return FErrorFont; }

    int OffsetX() const { return FOffsetX; }
    int OffsetY() const { return FOffsetY; }
    void SetOffsets(int x, int y) { FOffsetX = x, FOffsetY = y; }
    bool HasFocus() const { return FHasFocus; }
    bool UserGenerated() const { return FUserGenerated; }
    // True while loading: set by descendants, or while the framework reads a window layout.
    bool IsLoading() const { return FLoading || Loading(); }

    // Repaint requests.
    void InvalidateChange();
    void BackGroundChange();
    void DoInvalidateNow() override;
    void InvalidateNow();
    void InvalidateRateLimited();
    virtual void BeginUpdate();
    virtual void EndUpdate();
    virtual void RepaintAll();

    // IiUpdateClient.
    bool UpdateActive() const override { return FUpdateActive; }
    bool NeedsRepaint() const override { return FNeedsRepaint; }
    double LastUpdate() const override { return FLastUpdate; }

    // Property-setter helpers: store a changed value, then act by change kind: 0 repaint
    // (InvalidateChange), 1 background change, anything else nothing.
    void SetBooleanProperty(bool value, bool& field, int changeKind);
    void SetIntegerProperty(int value, int& field, int changeKind);
    void SetColorProperty(TColor value, TColor& field, int changeKind);

    virtual TPoint GetCenterPoint() const;
    virtual void DrawBackGround(TCanvas& canvas, TColor color);
    virtual void DrawBorder(TCanvas& canvas);
    // Draws the whole control onto a canvas of Width x Height.
    virtual void iPaintToCanvas(TCanvas& canvas) = 0;
    // One paint pass into an off-screen bitmap, as a screen paint does; a failure of the
    // paint-to-canvas operation is drawn as its message, white on black.
    QImage PaintOffScreen();
    virtual void Lock() = 0;
    virtual void Unlock() = 0;

    // Paints the control into a bitmap of Width x Height and saves it as a BMP file.
    void SaveImageToBitmap(const QString& fileName);
    // The text property file: "File Type = <class name>", then every stored property.
    virtual void SavePropertiesToFile(const QString& fileName);
    // Applies every line of a property file inside an update bracket, which is closed also
    // when the load fails.
    virtual void LoadPropertiesFromFile(const QString& fileName);
    // The type-kind code of the writable published property at Path (a name or a dotted
    // path, letter case ignored); 0 when there is none.
    int GetPropertyKind(const QString& path) const;

    TiPaintEvent OnPaint;
    TiChangeProtectedEvent OnChangeProtected;
    TiRequestEditEvent OnRequestEdit;

protected:
    void SetLoading(bool value) { FLoading = value; }
    // Tells the window system to repaint the control (descendants' tests watch this).
    virtual void InvalidateWindow();
    // The names a property file leaves out unless OptionSaveAllProperties.
    static QStringList LayoutPropertyNames();
    void WriteLines(const QString& fileName, const QStringList& lines);
    QStringList ReadLines(const QString& fileName);

    // Input hooks: the base versions do nothing.
    virtual void iDoSetFocus();
    virtual void iDoKillFocus();
    virtual void iKeyUp(int& key, TShiftState shift) {}
    virtual void iKeyDown(int& key, TShiftState shift) {}
    virtual void iKeyPress(QChar& key) {}
    virtual void iMouseDown(TMouseButton button, TShiftState shift, int x, int y) {}
    virtual void iMouseUp(TMouseButton button, TShiftState shift, int x, int y) {}
    virtual void iMouseMove(TShiftState shift, int x, int y) {}
    virtual void iDoubleClick() {}
    virtual bool iMouseWheel(int wheelDelta, TShiftState shift, const TPoint& mousePos) { return false; }
    virtual bool iWantSpecialKey(int key) { return false; }

    // The framework's handlers, wrapped by the hooks.
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DblClick() override;
    void KeyDown(TKey& key, TShiftState shift) override;
    void KeyUp(TKey& key, TShiftState shift) override;
    void KeyPress(QChar& key) override;

    // Paints through PaintOffScreen (the control's own pass, not the canvas's Paint).
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    TBitmap* FOffScreenBitmap = nullptr;  // only during a paint pass
    bool FBackGroundChanged = true;

private:
    // Clears the user-input flag when a handler ends, however it ends.
    struct UserInput;

    bool FOptionSaveAllProperties = false;
    bool FAutoFrameRate = false;
    int FUpdateFrameRate = 60;
    bool FShowHint = false;
    bool FUpdateActive = false;
    double FLastUpdate = 0;
    bool FNeedsRepaint = false;
    std::unique_ptr<TBitmap> FBackGroundBitmap;
    QImage FBackGroundPicture;
    TColor FBackGroundColor = clBtnFace;
    TiBevelStyle FBorderStyle = ibsNone;
    int FOffsetX = 0;
    int FOffsetY = 0;
    bool FHasFocus = false;
    bool FLoading = false;
    bool FCachedDrawing = true;
    bool FUserGenerated = false;
    bool FErrorActive = false;
    QString FErrorText = QStringLiteral("Error");
    TColor FErrorBackGroundColor = clBlack;
    TiPlotFont FErrorFont;
};
