#pragma once
// The program's splash screen as the main window's layout stores it: the artwork, the
// program name and version, and the loading line.
#include "splash/AdvSmoothSplashScreen.h"

#include <QFile>

inline void SetUpProgramSplash(TAdvSmoothSplashScreen& s) {
    s.TimeOut = 100;
    s.DisplayStyle = dsNormal;
    TGDIPFill& f = s.Fill();
    f.SetColor(clNone);
    f.SetColorTo(clNone);
    f.SetColorMirror(clNone);
    f.SetColorMirrorTo(clNone);
    QFile artwork(QStringLiteral(":/styled/SplashArtwork.png"));
    if (artwork.open(QIODevice::ReadOnly)) f.Picture().LoadFromStream(&artwork);
    f.SetPicturePosition(ppBottomCenter);
    f.SetOpacity(249);
    f.SetBorderColor(clNone);
    f.SetRounding(0);
    f.SetShadowOffset(0);
    f.SetGlow(gmNone);
    TBasicProgramInfo& info = s.BasicProgramInfo();
    TSplashHeadingText& name = info.ProgramName();
    name.SetText(QStringLiteral("Q7K DSP Processor Editor"));
    name.Font.SetName(QStringLiteral("Tahoma"));
    name.Font.SetHeight(-29);
    name.Font.SetStyle(fsBold);
    name.Font.SetColor(clWhite);
    name.Location = ilCustom;
    name.PosX = 85;
    name.PosY = 130;
    name.HatchStyle = HatchStyleDivot;
    name.ColorStart = name.ColorEnd = clWhite;
    TSplashHeadingText& version = info.ProgramVersion();
    version.SetText(QStringLiteral("V1.03"));
    version.Font.SetName(QStringLiteral("Tahoma"));
    version.Font.SetHeight(-19);
    version.Font.SetColor(clWindowText);
    version.Location = ilCustom;
    version.PosX = 475;
    version.PosY = 140;
    version.HatchStyle = HatchStyleDivot;
    version.ColorStart = version.ColorEnd = clWhite;
    info.CopyRightFont.SetName(QStringLiteral("MS Sans Serif"));
    info.CopyRightFont.SetHeight(-11);
    info.CopyRightFont.SetColor(0x000262C1);
    info.CopyRightLocation = ilCustom;
    info.CopyRightPosX = 340;
    info.CopyRightPosY = 340;
    TGDIPSplashProgress& bar = s.ProgressBar();
    bar.BackGroundFill().SetColor(clNone);
    bar.BackGroundFill().SetColorTo(clNone);
    bar.BackGroundFill().SetBorderColor(clGray);
    bar.ProgressFill().SetColor(clWhite);
    bar.ProgressFill().SetColorTo(0x00FFCC99);
    bar.ProgressFill().SetColorMirror(clNone);
    bar.ProgressFill().SetColorMirrorTo(clNone);
    bar.ProgressFill().SetBorderColor(clNone);
    bar.SetLeft(160);
    bar.SetTop(220);
    bar.SetHeight(12);
    s.ListItems().Add()->HTMLText = QStringLiteral("<FONT size=\"20\" color=\"clWhite\">Loading Program....</FONT><br>");
    s.ListItemsSettings().Rect = TListItemsRect{250, 180, 500, 210};
    s.ListItemsSettings().HTMLFont.SetHeight(-11);
}
