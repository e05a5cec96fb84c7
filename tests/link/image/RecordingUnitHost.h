#pragma once
// Stands in for the main window: records what the parameter image sends and shows.
#include "LCmd.h"
#include "UnitHost.h"

#include <map>
#include <vector>

struct SentCommand {
  std::uint8_t id;
  std::uint8_t code;
  ByteArray payload;
  bool append;
};

class RecordingUnitHost : public UnitHost {
 public:
  bool IsUpdating() const override { return updating; }
  std::uint8_t GetDeviceId() const override { return deviceId; }
  void SendCmd(const LCmd& cmd, bool append) override {
    sent.push_back({cmd.GetDeviceId(), cmd.GetCode(), cmd.GetPayload(), append});
  }
  void MarkCurveDirty(int ch) override { dirty.push_back(ch); }
  void SetRecallPresetRow(int row, const QString& name) override { recallRows[row] = name; }
  void SetStorePresetRow(int row, const QString& name) override { storeRows[row] = name; }
  QString AskUnitFileName() override { return fileName; }

  bool updating = false;
  std::uint8_t deviceId = 1;
  std::vector<SentCommand> sent;
  std::vector<int> dirty;
  std::map<int, QString> recallRows;
  std::map<int, QString> storeRows;
  QString fileName;  // empty: the dialog is cancelled
};
