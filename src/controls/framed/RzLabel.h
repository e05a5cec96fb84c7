#pragma once
// The framed label: the framework label with the panels' borders, 3-D text styles, text
// turned by any angle or written along a circle, a colour that blinks (with every other
// label, on one shared timer), a colour that changes while the mouse is over it, ellipsis
// condensing and a text margin.
#include "RzCommon.h"
#include "RzFrameController.h"

#include "ui/LayoutProperties.h"
#include "ui/TLabel.h"

#include <QPointer>

enum TCenterPoint {
    cpUpperLeft, cpUpperCenter, cpUpperRight, cpLeftCenter, cpCenter, cpRightCenter, cpLowerLeft, cpLowerCenter, cpLowerRight
};
enum TRotation { roNone, roFlat, roCurve };
enum TRzCondenseCaption { ccNone, ccAtEnd, ccWithinPath };

class TRzLabel : public TCustomLabel, public IFrameControllerClient, public IDefineProperties {
    Q_OBJECT
    Q_PROPERTY(int Angle READ Angle WRITE SetAngle)
    Q_PROPERTY(bool Blinking READ Blinking WRITE SetBlinking)
    Q_PROPERTY(TColor BlinkColor READ BlinkColor WRITE SetBlinkColor)
    Q_PROPERTY(int BlinkIntervalOff READ BlinkIntervalOff WRITE SetBlinkIntervalOff)
    Q_PROPERTY(int BlinkIntervalOn READ BlinkIntervalOn WRITE SetBlinkIntervalOn)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(TColor BorderHighlight READ BorderHighlight WRITE SetBorderHighlight)
    Q_PROPERTY(int BorderInner READ BorderInner WRITE SetBorderInnerInt)
    Q_PROPERTY(int BorderOuter READ BorderOuter WRITE SetBorderOuterInt)
    Q_PROPERTY(TColor BorderShadow READ BorderShadow WRITE SetBorderShadow)
    Q_PROPERTY(unsigned BorderSides READ BorderSides WRITE SetBorderSides)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
    Q_PROPERTY(int CenterPoint READ CenterPoint WRITE SetCenterPointInt)
    Q_PROPERTY(int CondenseCaption READ CondenseCaption WRITE SetCondenseCaptionInt)
    Q_PROPERTY(TColor FlatColor READ FlatColor WRITE SetFlatColor)
    Q_PROPERTY(int FlatColorAdjustment READ FlatColorAdjustment WRITE SetFlatColorAdjustment)
    Q_PROPERTY(TColor FlyByColor READ FlyByColor WRITE SetFlyByColor)
    Q_PROPERTY(bool FlyByEnabled READ FlyByEnabled WRITE SetFlyByEnabled)
    Q_PROPERTY(unsigned FrameControllerNotifications READ FrameControllerNotifications WRITE SetFrameControllerNotifications)
    Q_PROPERTY(TColor HighlightColor READ HighlightColor WRITE SetHighlightColor)
    Q_PROPERTY(bool LightTextStyle READ LightTextStyle WRITE SetLightTextStyle)
    Q_PROPERTY(int Rotation READ Rotation WRITE SetRotationInt)
    Q_PROPERTY(TColor ShadowColor READ ShadowColor WRITE SetShadowColor)
    Q_PROPERTY(int ShadowDepth READ ShadowDepth WRITE SetShadowDepth)
    Q_PROPERTY(int TextMargin READ TextMargin WRITE SetTextMargin)
    Q_PROPERTY(int TextStyle READ TextStyle WRITE SetTextStyleInt)
public:
    explicit TRzLabel(TComponent* owner);
    ~TRzLabel() override;

    int Angle() const { return FAngle; }
    virtual void SetAngle(int value);
    bool Blinking() const { return FBlinking; }
    virtual void SetBlinking(bool value);
    TColor BlinkColor() const { return FBlinkColor; }
    virtual void SetBlinkColor(TColor value);
    // Shared by every label (the blinking list's intervals).
    int BlinkIntervalOff() const;
    void SetBlinkIntervalOff(int ms);
    int BlinkIntervalOn() const;
    void SetBlinkIntervalOn(int ms);
    int BevelWidth() const { return FBevelWidth; }
    virtual void SetBevelWidth(int value);
    TColor BorderColor() const { return FBorderColor; }
    virtual void SetBorderColor(TColor value);
    TColor BorderHighlight() const { return FBorderHighlight; }
    virtual void SetBorderHighlight(TColor value);
    TFrameStyleEx BorderInner() const { return FBorderInner; }
    virtual void SetBorderInner(TFrameStyleEx value);
    TFrameStyleEx BorderOuter() const { return FBorderOuter; }
    virtual void SetBorderOuter(TFrameStyleEx value);
    TColor BorderShadow() const { return FBorderShadow; }
    virtual void SetBorderShadow(TColor value);
    TSides BorderSides() const { return FBorderSides; }
    virtual void SetBorderSides(TSides value);
    int BorderWidth() const { return FBorderWidth; }
    virtual void SetBorderWidth(int value);
    TCenterPoint CenterPoint() const { return FCenterPoint; }
    virtual void SetCenterPoint(TCenterPoint value);
    TRzCondenseCaption CondenseCaption() const { return FCondenseCaption; }
    virtual void SetCondenseCaption(TRzCondenseCaption value);
    TColor FlatColor() const { return FFlatColor; }
    virtual void SetFlatColor(TColor value);
    int FlatColorAdjustment() const { return FFlatColorAdjustment; }
    virtual void SetFlatColorAdjustment(int value);
    TColor FlyByColor() const { return FFlyByColor; }
    virtual void SetFlyByColor(TColor value);
    bool FlyByEnabled() const { return FFlyByEnabled; }
    virtual void SetFlyByEnabled(bool value);
    TRzFrameController* FrameController() const { return FFrameController; }
    virtual void SetFrameController(TRzFrameController* value);
    TRzFrameControllerNotifications FrameControllerNotifications() const { return FFrameControllerNotifications; }
    void SetFrameControllerNotifications(TRzFrameControllerNotifications v) { FFrameControllerNotifications = v; }
    TColor HighlightColor() const { return FHighlightColor; }
    virtual void SetHighlightColor(TColor value);
    bool LightTextStyle() const { return FLightTextStyle; }
    virtual void SetLightTextStyle(bool value);
    TRotation Rotation() const { return FRotation; }
    virtual void SetRotation(TRotation value);
    TColor ShadowColor() const { return FShadowColor; }
    virtual void SetShadowColor(TColor value);
    int ShadowDepth() const { return FShadowDepth; }
    virtual void SetShadowDepth(int value);
    int TextMargin() const { return FTextMargin; }
    virtual void SetTextMargin(int value);
    TTextStyle TextStyle() const { return FTextStyle; }
    virtual void SetTextStyle(TTextStyle value);

    void SetFont(const TFont& font) override;
    void SetCaption(const QString& caption) override;
    // The colour the caption is drawn in now (the font colour, or the blink colour).
    TColor CurrentColor() const { return FCurrentColor; }

    void UpdateFromFrameController() override;
    void DefineProperties(TFiler& filer) override;
    virtual void AdjustRectForBorders(TRect& rect, bool includeBorderWidth) const;

protected:
    virtual void SetBlinkState(TBlinkState listPhase);
    virtual void AdjustSizeForBorders(int& width, int& height) const;
    void AdjustBounds() override;
    void Loaded() override;
    void Paint() override;
    void MouseEnter() override;
    void MouseLeave() override;
    void WndProc(TMessage& message) override;
    void ParentColorChanged() override;

private:
    void SetBorderInnerInt(int v) { SetBorderInner(TFrameStyleEx(v)); }
    void SetBorderOuterInt(int v) { SetBorderOuter(TFrameStyleEx(v)); }
    void SetCenterPointInt(int v) { SetCenterPoint(TCenterPoint(v)); }
    void SetCondenseCaptionInt(int v) { SetCondenseCaption(TRzCondenseCaption(v)); }
    void SetRotationInt(int v) { SetRotation(TRotation(v)); }
    void SetTextStyleInt(int v) { SetTextStyle(TTextStyle(v)); }
    void FontColorChanged();
    void CheckTrueType();
    unsigned TextFlags() const;
    void DrawStraightText(TCanvas& c);
    void DrawTurnedText(TCanvas& c);
    void DrawCurvedText(TCanvas& c);
    // The 3-D passes and the caption at (dx, dy) offsets through `draw`.
    void DrawPasses(TCanvas& c, int shadowOffset, const std::function<void(int dx, int dy, TColor color)>& draw);

    int FAngle = 0;
    TColor FBlinkColor = clHighlight;
    TBlinkState FBlinkState = bsOff;
    bool FBlinking = false;
    int FBevelWidth = 1;
    TFrameStyleEx FBorderInner = fsNone;
    TFrameStyleEx FBorderOuter = fsNone;
    TSides FBorderSides = sdAllSides;
    TColor FBorderColor = clBtnFace;
    TColor FBorderHighlight = clBtnHighlight;
    TColor FBorderShadow = clBtnShadow;
    int FBorderWidth = 0;
    TColor FFlatColor = clBtnShadow;
    int FFlatColorAdjustment = 30;
    TColor FFontColor = clWindowText;
    QPointer<TRzFrameController> FFrameController;
    TRzFrameControllerNotifications FFrameControllerNotifications = fcpAllSettings;
    TCenterPoint FCenterPoint = cpCenter;
    TColor FOrigColor = clBlack;
    bool FOrigColorSaved = false;
    bool FInitColor = false;
    bool FFlyByEnabled = false;
    TColor FFlyByColor = clHighlight;
    bool FLightTextStyle = false;
    TTextStyle FTextStyle = tsNormal;
    TRotation FRotation = roNone;
    TColor FHighlightColor = clBtnHighlight;
    TColor FShadowColor = clBtnShadow;
    int FShadowDepth = 2;
    int FTextMargin = 0;
    TRzCondenseCaption FCondenseCaption = ccNone;
    TColor FCurrentColor = clWindowText;
};
