#pragma once
// What the parameter image needs of the main window: its updating flag and unit ID, the
// send operation, the curve mark, the rows of the preset dialogs and the unit-file save
// dialog. The main window implements it; tests put a recording fake in its place.
#include <QString>

#include <cstdint>

class LCmd;

class UnitHost {
 public:
  virtual ~UnitHost() = default;

  // True while the main window itself writes values into its controls.
  virtual bool IsUpdating() const = 0;
  virtual std::uint8_t GetDeviceId() const = 0;
  // Frames the command and queues it on the open link (dropped when none is open);
  // `append` forces appending instead of replacing a queued frame of the same code.
  virtual void SendCmd(const LCmd& cmd, bool append) = 0;
  // Every overlay view is to redraw channel ch's response.
  virtual void MarkCurveDirty(int ch) = 0;
  // Replace the 14 name characters of a row of the recall list (rows 0 to 30) or of the
  // store list (rows 0 to 29).
  virtual void SetRecallPresetRow(int row, const QString& name) = 0;
  virtual void SetStorePresetRow(int row, const QString& name) = 0;
  // Asks for the name of a whole-unit file to write; empty when cancelled.
  virtual QString AskUnitFileName() = 0;
};
