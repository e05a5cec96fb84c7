#pragma once
// The texts the channel controls show for their values: channel gain, cut frequency,
// compressor and gate settings, delay, and the selected EQ band's sliders. Numbers are
// printed in the "C" numeric locale.
#include <QString>

// Channel gain of a slider position -280 to 120: 0.1 dB steps from -20 dB up, 0.5 dB steps
// below ("+0.0dB", "-20.5dB", "-60.0dB").
QString GainText(int position);
// A cut frequency in Hz: "19.7Hz", "1.00KHz", "20.16KHz".
QString CutFreqText(double hz);
// Compressor or gate threshold of a slider position in half dB: "-90.0dB", "+0.0dB".
QString ThresholdText(int position);
// A threshold fader position is stored in the unit's record as position + 180.
inline constexpr int kThresholdOffset = 180;
// Gate times "%dms" and compressor times "%3dms" of a slider position (position + 1 ms).
QString GateTimeText(int position);
QString CompTimeText(int position);
// Compressor ratio of a ratio index: "1:1.5", "1:10", "Limit" (index 15).
QString CompRatioText(int ratioIndex);
// Compressor knee: "12dB".
QString KneeText(int knee);
// A delay in samples in the display unit (0 ms, 1 m, 2 ft): "1.000ms", "0.344m", "1.127ft".
QString DelayText(int samples, int unit);
// The dash line of a delay picture at `pictureLeft`: one dash per 6 pixels right of the
// line's start at 40, at most 132.
QString DelayLineText(int pictureLeft);
// Where a delay picture stands on its line: position x (line width - 90) / fader max + 40, in
// integer arithmetic (40 at 0, width - 50 at the top); 40 while the fader has no range.
int DelayPictureLeft(int position, int max, int lineWidth);
// The selected EQ band's boxes: frequency (" 19.7Hz", "1.00KHz"), gain code ("-12.0dB",
// "+0.0dB") and Q index ("0.40").
QString EqFreqText(double hz);
QString EqGainText(int gainCode);
QString EqQText(int qIndex);
