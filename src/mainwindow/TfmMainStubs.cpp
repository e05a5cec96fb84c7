// Image display, response curves, overlay curves and the channel strip.
#include "TfmMain.h"

void TfmMain::ShowUnitImage(LUnitControl&) {}
void TfmMain::MarkCurveDirty(int) {}
void TfmMain::RefreshGainOverlays() {}
void TfmMain::RefreshPageOverlays(int) {}
void TfmMain::vrbShowAGainClick(TComponent*) {}
void TfmMain::vrbShow1GainClick(TComponent*) {}
void TfmMain::vrbShowBInAClick(TComponent*) {}
void TfmMain::vrbShowAInBClick(TComponent*) {}
void TfmMain::vrbShow2Out1Click(TComponent*) {}
void TfmMain::vrbShow1Out2Click(TComponent*) {}
void TfmMain::vrbShow1Out3Click(TComponent*) {}
void TfmMain::vrbShow1Out4Click(TComponent*) {}
void TfmMain::vrbShow1Out5Click(TComponent*) {}
void TfmMain::vrbShow1Out6Click(TComponent*) {}
void TfmMain::CalcCutCurve(int, int, double, int, int) {}
void TfmMain::CalcPeqCurve(TComponent*) {}
void TfmMain::CalcLowCutCurve(TComponent*) {}
void TfmMain::CalcHighCutCurve(TComponent*) {}
void TfmMain::ShowCompCurve(int) {}
void TfmMain::ShowGateCurve(int) {}
void TfmMain::DeselectEqBands() {}
void TfmMain::SelectFirstEqBands() {}
void TfmMain::PlaceDelayIndicator(int) {}
void TfmMain::rzbUnit0Click(TComponent*) {}
std::uint16_t TfmMain::GetLinkGroup(int) const { return 0; }
void TfmMain::MirrorGain(int, int) {}
void TfmMain::MirrorPhase(int, bool) {}
void TfmMain::MirrorMute(int, bool) {}
void TfmMain::isGainInAChange(TComponent*) {}
void TfmMain::isGainBackupInAChange(TComponent*) {}
void TfmMain::rzbMuteInAClick(TComponent*) {}
void TfmMain::rzbMuteBackupInAClick(TComponent*) {}
void TfmMain::rzbPhaseInAClick(TComponent*) {}
void TfmMain::rzbPhaseBackupInAClick(TComponent*) {}
