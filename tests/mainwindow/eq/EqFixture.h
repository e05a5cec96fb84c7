#pragma once
// The real main window with the EQ editor's controls at hand: band tables, faders, boxes,
// the cut panels and the response graphs, and the frames of the EQ and cut commands.
#include "MainWindowFixture.h"

#include "AdvTrackBar.h"
#include "CommandCode.h"
#include "CurvyControls.h"
#include "LMyFFTDrawPhase.h"
#include "MyPEQAllpass.h"
#include "RzBmpBtn.h"
#include "RzComboBox.h"
#include "ValueCodecs.h"
#include "VrButtons.h"

#include <QTest>

class EqFixture : public MainWindowFixture {
protected:
    TMyPEQAllpass* Table(int ch) { return Control<TMyPEQAllpass>("peqPeq" + TfmMain::Suffix(ch)); }
    TAdvTrackBar* Bar(const QString& stem, int ch) { return Control<TAdvTrackBar>(stem + TfmMain::Suffix(ch)); }
    TCurvyEdit* Box(const QString& stem, int ch) { return Control<TCurvyEdit>(stem + TfmMain::Suffix(ch)); }
    std::string Text(const QString& stem, int ch) { return Box(stem, ch)->Text().toStdString(); }
    TRzBmpButton* BandButton(int ch, int band)
    {
        return Control<TRzBmpButton>(QStringLiteral("rzbEq%1").arg(band + 1) + TfmMain::Suffix(ch));
    }
    LMyFFTDrawPhase* Graph(int ch) { return Control<LMyFFTDrawPhase>("fftDraw" + TfmMain::Suffix(ch)); }

    // Sets the link masks of the image (InA, InB, Out1 to Out6).
    void Masks(std::initializer_list<int> masks)
    {
        EditImage([&](LUnitControl& unit) {
            int ch = 0;
            for (int m : masks)
                unit.SetLinkMask(ch++, std::uint16_t(m));
        });
    }

    // Runs the 1 ms curve timers.
    void Tick() { clock->Advance(2); }

    static ByteArray Peq(int ch, int band, int gain, int freq, int q, int type, int bypass)
    {
        return Frame(CMD_PEQ, {std::uint8_t(ch), std::uint8_t(band), std::uint8_t(gain & 0xFF), std::uint8_t(gain >> 8),
                               std::uint8_t(freq & 0xFF), std::uint8_t(freq >> 8), std::uint8_t(q), std::uint8_t(type),
                               std::uint8_t(bypass)});
    }
    static ByteArray Cut(std::uint8_t code, int ch, int freq, int slope)
    {
        return Frame(code, {std::uint8_t(ch), std::uint8_t(freq & 0xFF), std::uint8_t(freq >> 8), std::uint8_t(slope)});
    }

    // The pane pixel of a handle's marker (the curve page sits at 42, 7 in the pane).
    QPoint MarkerPoint(int ch, int handle)
    {
        const TPoint p = Graph(ch)->GetBlockPos(handle);
        return {p.X + 42, p.Y + 7};
    }
    // The pane pixel of a level in dB at a pane x.
    int LevelY(int ch, double dB)
    {
        LMyFFTDrawPhase* g = Graph(ch);
        return int(7 + (-dB - g->YMin()) / (g->YMax() - g->YMin()) * g->GetPlotHeight());
    }
};
