#pragma once
// The splash screen's texts and items: the program's name, version and copyright line
// (TBasicProgramInfo with two TSplashHeadingText), free items (text with an optional
// picture), and the painters of one heading text and of an item picture.
#include "AdvGDIP.h"
#include "GDIPicture.h"

#include "splash/SplashCollection.h"

#include "graphics/TFont.h"
#include "ui/TComponent.h"

#include <QSize>

#include <functional>
#include <memory>
#include <vector>

enum TItemLocation { ilTopLeft, ilTopCenter, ilTopRight, ilBottomLeft, ilBottomCenter, ilBottomRight, ilCustom };
enum TAdvSmoothSplashScreenTextRenderingHint { tAntiAlias, tAntiAliasGridFit, tClearType };

TextRenderingHint RenderingHintOf(TAdvSmoothSplashScreenTextRenderingHint hint);

class TSplashHeadingText {
public:
    TSplashHeadingText();
    TSplashHeadingText(const TSplashHeadingText&) = delete;
    TSplashHeadingText& operator=(const TSplashHeadingText&) = delete;
    // Copies every value but the event, without notifying.
    void Assign(const TSplashHeadingText& source);

    QString Text() const { return FText; }
    // A different text is stored and announced.
    void SetText(const QString& text);
    std::uint8_t OpacityStart = 255, OpacityEnd = 255;
    int PosY = 100, PosX = 10;
    TAdvGradientType GradientType = gtVertical;
    TColor ColorEnd = clNone, ColorStart = clBlack;
    TFont Font;
    ::HatchStyle HatchStyle = HatchStyleHorizontal;
    TItemLocation Location = ilTopLeft;
    int Angle = 0;
    TAdvGDIPPicture& Picture() { return FPicture; }
    std::function<void(TSplashHeadingText* sender)> OnChange;

private:
    QString FText;
    TAdvGDIPPicture FPicture;
};

class TBasicProgramInfo {
public:
    TBasicProgramInfo();
    TBasicProgramInfo(const TBasicProgramInfo&) = delete;
    TBasicProgramInfo& operator=(const TBasicProgramInfo&) = delete;
    void Assign(const TBasicProgramInfo& source);

    bool AutoLoad = true;
    TFont CopyRightFont;
    int CopyRightPosX = 10, CopyRightPosY = 130;
    QString CopyRight;
    TItemLocation CopyRightLocation = ilTopLeft;
    TSplashHeadingText& ProgramName() { return FProgramName; }
    TSplashHeadingText& ProgramVersion() { return FProgramVersion; }
    std::function<void(TBasicProgramInfo* sender)> OnChange;

private:
    TSplashHeadingText FProgramName, FProgramVersion;
};

class TSplashItems;

class TSplashItem {
public:
    explicit TSplashItem(TSplashItems* collection);
    ~TSplashItem();
    TSplashItem(const TSplashItem&) = delete;
    TSplashItem& operator=(const TSplashItem&) = delete;
    // Copies text, tag, image index, picture and position (not the font).
    void Assign(const TSplashItem& source);
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    // Repaints the splash window that shows this item.
    void Refresh();

    QString Text;
    int ImageIndex = -1;
    int Tag = 0;
    int PosY = 130, PosX = 80;
    TFont Font;
    bool Visible = true;
    TAdvGDIPPicture& Picture() { return FPicture; }
    TSplashItems* Collection() const { return FCollection; }

private:
    TSplashItems* FCollection;
    TAdvGDIPPicture FPicture;
    int FUpdateCount = 0;
};

class TAdvSmoothSplashScreen;

class TSplashItems : public TSplashCollection<TSplashItems, TSplashItem> {
public:
    explicit TSplashItems(TAdvSmoothSplashScreen* owner) : FOwner(owner) {}
    TAdvSmoothSplashScreen* Owner() const { return FOwner; }

private:
    TAdvSmoothSplashScreen* FOwner;
};

// Measures and, unless measureOnly, draws one text; returns its size in whole pixels
// ((0, 0) for an empty text or no surface).
QSize DrawHeadingText(TGPGraphics* g, const QString& text, QPointF point, const TFont& font,
                      TAdvGradientType gradientType, TAdvGDIPPicture* picture, ::HatchStyle hatch,
                      std::uint8_t opacityStart, std::uint8_t opacityEnd, TColor colorStart, TColor colorEnd,
                      bool measureOnly, int angle, TAdvSmoothSplashScreenTextRenderingHint rendering);
// Draws a picture at its natural size: a PNG with its own alpha, any other format with its
// bottom-left colour keyed out. Undecodable pictures draw nothing.
void DrawItemPicture(TGPGraphics* g, QPoint point, TAdvGDIPPicture& picture);
