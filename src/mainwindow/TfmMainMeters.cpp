// Level meters: the 300 ms poll, the level reply shown on every meter and limiter lamp, and
// clearing them all.
#include "TfmMain.h"

#include "CommandCode.h"
#include "LProgressBar.h"
#include "LevelCodec.h"
#include "McsCommands.h"
#include "ui/TUpDown.h"

#include <vector>

namespace {
constexpr int kInputs = 2;

// The letter (inputs) or digit (outputs) that ends a channel's meter names.
QString MeterSuffix(int ch) { return QString(ch < kInputs ? QChar('A' + ch) : QChar('0' + ch - 1)); }
}  // namespace

void TfmMain::tmInLevelDetTimer(QObject*) {
  // Replaceable: a poll still waiting in the link's queue gives way to this one.
  SendCode(CMD_LEVELS, false);
}

bool TfmMain::SetMeter(const QString& name, int segments) {
  auto* meter = Find<LProgressBar>(name);
  if (!meter) return false;
  meter->SetPosition(segments);
  return true;
}

void TfmMain::OnLevelReply(const LCmd& reply) {
  const std::optional<LevelReply> levels = DecodeLevelReply(reply.GetPayload());
  if (!levels) return;
  for (int ch = 0; ch < kChannels; ++ch) {
    const QString suffix = MeterSuffix(ch);
    if (ch < kInputs) {
      const int k = LevelSegments(levels->levels[kLevelInputFirst + ch], true);
      for (const char* stem : {"pbLevelBackupIn", "pbLevelIn", "pbLevelGateIn"})
        if (!SetMeter(QLatin1String(stem) + suffix, k)) return;
      if (FGateChannel == ch && !SetMeter(QStringLiteral("pbLevelGateIn"), k)) return;
      continue;
    }
    const int out = ch - kInputs;
    const int k = LevelSegments(levels->levels[kLevelOutputFirst + out], false);
    for (const char* stem : {"pbLevelCompOut", "pbLevelBackupOut", "pbLevelOut"})
      if (!SetMeter(QLatin1String(stem) + suffix, k)) return;
    auto* ratio = Find<TUpDown>(QStringLiteral("udCompRatioOut") + suffix);
    if (!ratio) return;
    const int lamp = (levels->limiterBits >> out & 1) && ratio->Position() != 0 ? 1 : 0;
    for (const char* stem : {"pbLimitCompOut", "pbLimitBackupOut"})
      if (!SetMeter(QLatin1String(stem) + suffix, lamp)) return;
    if (FCompChannel == ch) {
      if (!SetMeter(QStringLiteral("pbLimitCompOut"), lamp)) return;
      if (!SetMeter(QStringLiteral("pbLevelCompOut"), k)) return;
    }
  }
}

void TfmMain::ClearLevelMeters() {
  for (int ch = 0; ch < kChannels; ++ch) {
    const QString suffix = MeterSuffix(ch);
    static const std::vector<const char*> inputStems{"pbLevelIn", "pbLevelBackupIn", "pbLevelGateIn"};
    static const std::vector<const char*> outputStems{"pbLevelOut", "pbLevelBackupOut", "pbLevelCompOut",
                                                      "pbLimitOut", "pbLimitBackupOut", "pbLimitCompOut"};
    for (const char* stem : ch < kInputs ? inputStems : outputStems)
      if (!SetMeter(QLatin1String(stem) + suffix, 0)) return;
  }
  for (const char* name : {"pbLevelCompOut", "pbLimitCompOut", "pbLevelGateIn"})
    if (!SetMeter(QLatin1String(name), 0)) return;
}
