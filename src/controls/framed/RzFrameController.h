#pragma once
// The frame controller: one set of frame and colour settings pushed into every framed
// control attached to it, so many controls share one look. Controls that implement
// IFrameControllerClient update themselves from it; the others get the matching published
// properties written, for the settings they accept (their FrameControllerNotifications).
// The settings can be saved to and loaded from a settings store.
#include "RzCommon.h"

#include "ui/LayoutProperties.h"
#include "RzRegIniFile.h"
#include "ui/TComponent.h"

#include <QObject>
#include <QPointer>

#include <stdexcept>
#include <vector>

class TRzRegIniFile;

enum TRzFrameControllerProperty {
    fcpColor, fcpFocusColor, fcpDisabledColor, fcpReadOnlyColor, fcpReadOnlyColorOnFocus, fcpParentColor,
    fcpFlatButtonColor, fcpFlatButtons, fcpFrameColor, fcpFrameHotColor, fcpFrameHotTrack, fcpFrameHotStyle,
    fcpFrameSides, fcpFrameStyle, fcpFrameVisible, fcpFramingPreference, fcpAll
};
// A set of the settings above, one bit each.
using TRzFrameControllerNotifications = unsigned;
constexpr TRzFrameControllerNotifications fcpBit(TRzFrameControllerProperty p) { return 1u << unsigned(p); }
// Every setting but fcpAll: what the framed controls accept at first.
constexpr TRzFrameControllerNotifications fcpAllSettings = (1u << unsigned(fcpAll)) - 1;

// Implemented by controls that take their settings from a controller themselves.
class IFrameControllerClient {
public:
    virtual ~IFrameControllerClient() = default;
    virtual void UpdateFromFrameController() = 0;
};

// Load and Save without a settings store.
class ENoRegIniFile : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TRzFrameController : public QObject, public TComponent, public IDefineProperties {
    Q_OBJECT
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(TColor FlatButtonColor READ FlatButtonColor WRITE SetFlatButtonColor)
    Q_PROPERTY(bool FlatButtons READ FlatButtons WRITE SetFlatButtons)
    Q_PROPERTY(TColor DisabledColor READ DisabledColor WRITE SetDisabledColor)
    Q_PROPERTY(TColor ReadOnlyColor READ ReadOnlyColor WRITE SetReadOnlyColor)
    Q_PROPERTY(bool ReadOnlyColorOnFocus READ ReadOnlyColorOnFocus WRITE SetReadOnlyColorOnFocus)
    Q_PROPERTY(TColor FocusColor READ FocusColor WRITE SetFocusColor)
    Q_PROPERTY(TColor FrameColor READ FrameColor WRITE SetFrameColor)
    Q_PROPERTY(TColor FrameHotColor READ FrameHotColor WRITE SetFrameHotColor)
    Q_PROPERTY(bool FrameHotTrack READ FrameHotTrack WRITE SetFrameHotTrack)
    Q_PROPERTY(int FrameHotStyle READ FrameHotStyle WRITE SetFrameHotStyleInt)
    Q_PROPERTY(unsigned FrameSides READ FrameSides WRITE SetFrameSides)
    Q_PROPERTY(int FrameStyle READ FrameStyle WRITE SetFrameStyleInt)
    Q_PROPERTY(bool FrameVisible READ FrameVisible WRITE SetFrameVisible)
    Q_PROPERTY(int FramingPreference READ FramingPreference WRITE SetFramingPreferenceInt)
public:
    explicit TRzFrameController(TComponent* owner);
    ~TRzFrameController() override;
    QObject* Object() override { return this; }

    // Attaches a control (sending it every setting) or detaches it.
    void AddControl(QObject* control);
    void RemoveControl(QObject* control);
    int ControlCount() const { return int(FFrameList.size()); }
    // Changes between BeginUpdate and EndUpdate reach the controls once, at the end.
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    void UpdateControls() { NotifyControls(fcpAll); }
    void Assign(const TRzFrameController& source);
    // Settings to and from the settings store (ENoRegIniFile without one).
    void Load(const QString& section);
    void Save(const QString& section);

    TColor Color() const { return FColor; }
    virtual void SetColor(TColor value);
    bool ParentColor() const { return FParentColor; }
    virtual void SetParentColor(bool value);
    TColor FlatButtonColor() const { return FFlatButtonColor; }
    virtual void SetFlatButtonColor(TColor value);
    bool FlatButtons() const { return FFlatButtons; }
    virtual void SetFlatButtons(bool value);
    TColor DisabledColor() const { return FDisabledColor; }
    virtual void SetDisabledColor(TColor value);
    TColor ReadOnlyColor() const { return FReadOnlyColor; }
    virtual void SetReadOnlyColor(TColor value);
    bool ReadOnlyColorOnFocus() const { return FReadOnlyColorOnFocus; }
    virtual void SetReadOnlyColorOnFocus(bool value);
    TColor FocusColor() const { return FFocusColor; }
    virtual void SetFocusColor(TColor value);
    TColor FrameColor() const { return FFrameColor; }
    virtual void SetFrameColor(TColor value);
    TColor FrameHotColor() const { return FFrameHotColor; }
    virtual void SetFrameHotColor(TColor value);
    bool FrameHotTrack() const { return FFrameHotTrack; }
    virtual void SetFrameHotTrack(bool value);
    TFrameStyle FrameHotStyle() const { return FFrameHotStyle; }
    virtual void SetFrameHotStyle(TFrameStyle value);
    TSides FrameSides() const { return FFrameSides; }
    virtual void SetFrameSides(TSides value);
    TFrameStyle FrameStyle() const { return FFrameStyle; }
    virtual void SetFrameStyle(TFrameStyle value);
    bool FrameVisible() const { return FFrameVisible; }
    virtual void SetFrameVisible(bool value);
    TFramingPreference FramingPreference() const { return FFramingPreference; }
    virtual void SetFramingPreference(TFramingPreference value);
    TRzRegIniFile* RegIniFile() const { return FRegIniFile; }
    virtual void SetRegIniFile(TRzRegIniFile* value);

    void DefineProperties(TFiler& filer) override;

protected:
    void Loaded() override { NotifyControls(fcpAll); }
    virtual void NotifyControl(QObject* control, TRzFrameControllerProperty setting);
    virtual void NotifyControls(TRzFrameControllerProperty setting);

private:
    void SetFrameHotStyleInt(int value) { SetFrameHotStyle(TFrameStyle(value)); }
    void SetFrameStyleInt(int value) { SetFrameStyle(TFrameStyle(value)); }
    void SetFramingPreferenceInt(int value) { SetFramingPreference(TFramingPreference(value)); }
    void ReadFrameFlat(bool value);

    TColor FColor = clWindow;
    bool FParentColor = false;
    std::vector<QPointer<QObject>> FFrameList;
    TColor FFlatButtonColor = clBtnFace;
    bool FFlatButtons = true;
    TColor FDisabledColor = clBtnFace;
    TColor FReadOnlyColor = clInfoBk;
    bool FReadOnlyColorOnFocus = false;
    TColor FFocusColor = clWindow;
    TColor FFrameColor = clBtnShadow;
    TColor FFrameHotColor = clBtnShadow;
    bool FFrameHotTrack = false;
    TFrameStyle FFrameHotStyle = fsFlatBold;
    TSides FFrameSides = sdAllSides;
    TFrameStyle FFrameStyle = fsFlat;
    bool FFrameVisible = false;
    TFramingPreference FFramingPreference = fpXPThemes;
    int FUpdateCount = 0;
    QPointer<TRzRegIniFile> FRegIniFile;
};

// Moves a control from the controller it has (kept in `current`) to `value`; either may be
// none. Detaching on destruction is the move to none.
void SwitchFrameController(QPointer<TRzFrameController>& current, TRzFrameController* value, QObject* control);

// What a framed label or panel takes from its controller while the controller's frames are
// visible, for the settings it accepts: frame style, sides and colour, colour or parent
// colour, and border colours derived from the colour; then it repaints.
template <class Control>
void ApplyFrameController(Control& control, const TRzFrameController* fc, TRzFrameControllerNotifications n) {
    if (!fc || !fc->FrameVisible()) return;
    if (n & fcpBit(fcpFrameStyle)) control.SetBorderOuter(fc->FrameStyle());
    if (n & fcpBit(fcpFrameSides)) control.SetBorderSides(fc->FrameSides());
    if (n & fcpBit(fcpFrameColor)) {
        control.SetFlatColor(fc->FrameColor());
        control.SetFlatColorAdjustment(0);
    }
    if (n & fcpBit(fcpColor)) control.SetColor(fc->Color());
    if (n & fcpBit(fcpParentColor)) control.SetParentColor(fc->ParentColor());
    if (n & fcpBit(fcpColor)) {
        control.SetBorderHighlight(LighterColor(control.Color(), 100));
        control.SetBorderShadow(DarkerColor(control.Color(), 50));
    }
    control.Invalidate();
}
