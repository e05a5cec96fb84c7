#include "CommandCode.h"
#include "LUnitControl.h"
#include "McsCommands.h"
#include "SimUnitTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using namespace std::chrono_literals;

// The editor's side: its own image, whose setters hand their frames to the unit.
struct EditorHost : UnitHost {
  SimUnitPort* port = nullptr;
  bool IsUpdating() const override { return false; }
  std::uint8_t GetDeviceId() const override { return 1; }
  void SendCmd(const LCmd& cmd, bool) override { port->Receive(cmd.Serialise()); }
  void MarkCurveDirty(int) override {}
  void SetRecallPresetRow(int, const QString&) override {}
  void SetStorePresetRow(int, const QString&) override {}
  QString AskUnitFileName() override { return {}; }
};

struct SimUnitImage : ::testing::Test {
  SimUnit unit;
  SimUnitPort port{unit};
  EditorHost host;
  LUnitControl editor{host};

  SimUnitImage() { host.port = &port; }

  // Sends one request and returns the payloads of the replies, in order.
  std::vector<SimBytes> Ask(uint8_t code, const SimBytes& payload = {}) {
    port.Receive(EditorFrame(1, code, payload));
    return Replies();
  }
  std::vector<SimBytes> Replies() {
    std::vector<SimBytes> out;
    for (SimUnitChunk& c : port.TakeOutput(SimClock::now() + 1h))
      out.push_back(SimUnitFrame{c.bytes, {}, true}.Payload());
    return out;
  }
  // The unit's current image as the editor reads it: pieces 0 to 14 by code 39.
  void ReadImageInto(LUnitControl& target) {
    for (uint8_t piece = 0; piece < 15; ++piece) {
      const auto replies = Ask(CMD_READ_IMAGE_PIECE, {piece});
      ASSERT_EQ(replies.size(), 1u);
      target.ReceiveImagePiece(replies[0]);
    }
  }
  static SimBytes Name14(const char* text) {
    SimBytes name(kPresetNameSize, ' ');
    std::memcpy(name.data(), text, std::strlen(text));
    return name;
  }
};

// The unit applies each parameter command the way the editor's setters change its own image,
// link groups included, so both images stay equal byte for byte.
TEST_F(SimUnitImage, ParameterCommandsChangeTheImageLikeTheEditorsSetters) {
  EXPECT_EQ(unit.GetImage(), ToBytes(DefaultUnitImage()));
  editor.SetLinkMask(0, 3);  // InA and InB linked
  editor.SetLinkMask(1, 0);
  editor.SetLinkMask(2, 7);  // Out1 to Out3 linked
  editor.SetLinkMask(3, 0);
  editor.SetLinkMask(4, 0);
  editor.SetGain(1, 300);
  editor.SetDelay(3, 1234);
  editor.SetPolarity(2, 1);
  editor.SetMute(4, 1);
  editor.SetMute(0, 1);
  editor.SetPeqBand(1, 3, 130, 150, 40, 2, 1);
  editor.SetPeqBand(7, 8, 100, 290, 90, 6, 0);
  editor.SetHighPass(5, CrossoverRecord{100, 999, 12, 7});
  editor.SetLowPass(6, CrossoverRecord{1, 250, 3, 9});
  editor.SetGate(0, GateRecord{4, 5, 6, 170});
  editor.SetComp(7, CompRecord{15, 12, 9, 99, 200});
  editor.SetMatrix(3, 3);
  const uint8_t name[kChannelNameSize] = {'S', 'u', 'b', 0, 0, 0, 0, 0};
  editor.SetChannelName(6, name);
  editor.SetDelayUnit(2);
  EXPECT_EQ(unit.Frames().size(), 19u);
  EXPECT_EQ(Replies().size(), 19u);  // every one acknowledged
  EXPECT_EQ(unit.GetImage(), ToBytes(editor.Image()));

  // What the editor reads back is the same image.
  LUnitControl readBack(host);
  ReadImageInto(readBack);
  EXPECT_EQ(ToBytes(readBack.Image()), ToBytes(editor.Image()));
}

TEST_F(SimUnitImage, CommandsWithoutSetterChangeTheImageToo) {
  editor.SetLinkMask(2, 7);
  editor.SetLinkMask(3, 0);
  editor.SetLinkMask(4, 0);
  editor.SetGain(2, 10);
  Replies();

  Ask(CMD_EQ_BYPASS, {3, 1});  // the whole EQ of Out1 to Out3
  Ask(CMD_EQ_BYPASS, {1, 1});
  Ask(CMD_WORK_MODE, {3, 17});
  Ask(CMD_COPY_CHANNEL, {2, 5});  // Out1 onto Out4
  Ask(CMD_PRESET_NAME, Name14("Club"));

  const UnitImage image = ImageFromBytes(unit.GetImage());
  EXPECT_EQ(image.outputEqBypass, 15);  // Out1 to Out3, and Out4 by the copy
  EXPECT_EQ(image.inputEqBypass, 2);
  EXPECT_EQ(image.workMode, 3);
  EXPECT_EQ(image.sineIndex, 17);
  EXPECT_EQ(image.outputs[3].gain, 10);
  EXPECT_EQ(image.outputs[3].linkMask, 8);  // copying leaves the link mask alone
  EXPECT_EQ(SimBytes(image.presetName, image.presetName + kPresetNameSize), Name14("Club"));

  // Out of range: no reply, no change.
  const ImageBytes before = unit.GetImage();
  EXPECT_TRUE(Ask(CMD_GATE, {2, 0, 0, 0, 0, 0, 0, 0, 0}).empty());
  EXPECT_TRUE(Ask(CMD_COMP, {1, 0, 0, 0, 0, 0, 0, 0, 0}).empty());
  EXPECT_TRUE(Ask(CMD_PEQ, {0, 8, 0, 0, 0, 0, 0, 0, 0}).empty());
  EXPECT_TRUE(Ask(CMD_GAIN, {8, 0, 0}).empty());
  EXPECT_TRUE(Ask(CMD_COPY_CHANNEL, {0, 2}).empty());
  EXPECT_EQ(unit.GetImage(), before);
}

TEST_F(SimUnitImage, StoresRecallsAndReportsPresets) {
  Ask(CMD_PRESET_NAME, Name14("Vocals"));
  port.Receive(CM_MCS_GAIN(1, 2, 111).Serialise());
  Replies();
  ASSERT_EQ(Ask(CMD_STORE_PRESET, {5}), std::vector<SimBytes>{{}});  // one ACK
  EXPECT_TRUE(unit.IsSlotUsed(5));
  EXPECT_EQ(unit.GetStoredPreset(5)[0], 0xFF);

  SimBytes flags(30, 0);
  flags[4] = 0xFF;
  EXPECT_EQ(Ask(CMD_PRESET_FLAGS), std::vector<SimBytes>{flags});
  EXPECT_EQ(Ask(CMD_PRESET_NUMBER), std::vector<SimBytes>{{5}});
  SimBytes name{4};
  const SimBytes vocals = Name14("Vocals");
  name.insert(name.end(), vocals.begin(), vocals.end());
  EXPECT_EQ(Ask(CMD_READ_PRESET_NAME, {4}), std::vector<SimBytes>{name});
  const SimBytes unset = Ask(CMD_READ_PRESET_NAME, {0}).at(0);
  EXPECT_EQ(std::string(unset.begin() + 1, unset.end()), "Default Preset");

  port.Receive(CM_MCS_GAIN(1, 2, 5).Serialise());
  Ask(CMD_RECALL_PRESET, {5});
  EXPECT_EQ(ImageFromBytes(unit.GetImage()).outputs[0].gain, 111);
  Ask(CMD_RECALL_PRESET, {0});  // the factory preset
  const ImageBytes recalled = unit.GetImage(), defaults = ToBytes(DefaultUnitImage());
  EXPECT_TRUE(std::equal(recalled.begin() + 2, recalled.end(), defaults.begin() + 2));
  EXPECT_EQ(unit.PresetNumber(), 0);

  // The stored preset as the whole-unit upload reads it: select, then pieces by code 40.
  ASSERT_EQ(Ask(CMD_SELECT_PRESET, {5}).size(), 1u);
  for (uint8_t piece = 0; piece < 15; ++piece) editor.ReceivePresetPiece(5, Ask(CMD_READ_PRESET_PIECE, {piece}).at(0));
  EXPECT_EQ(ToBytes(editor.GetStoredPreset(5).image), unit.GetStoredPreset(5));

  Ask(CMD_FACTORY_DEFAULT);
  EXPECT_FALSE(unit.IsSlotUsed(5));
  EXPECT_EQ(Ask(CMD_PRESET_FLAGS), std::vector<SimBytes>{SimBytes(30, 0)});
}

// The whole-unit download sends a ".unt" record in 15 pieces: image bytes 0 to 716, then the
// record's CR, then filler.
TEST_F(SimUnitImage, DownloadPiecesFillAStoredPreset) {
  UnitImage image = DefaultUnitImage();
  image.reserved[0] = 0xFF;
  image.outputs[5].delay = 4321;
  SimBytes record(ByteView(image), ByteView(image) + 717);
  record.push_back(0x0D);
  record.resize(750, 0xEE);
  for (int piece = 0; piece < 15; ++piece) {
    EXPECT_FALSE(unit.IsSlotUsed(3));
    const std::span<const uint8_t> data(record.data() + 50 * piece, 50);
    port.Receive(CM_MCS_DOWNLOAD(1, 2, piece, data).Serialise());
    EXPECT_EQ(Replies(), std::vector<SimBytes>{SimBytes({uint8_t(piece), 2})});
  }
  EXPECT_TRUE(unit.IsSlotUsed(3));
  const ImageBytes stored = unit.GetStoredPreset(3);
  EXPECT_TRUE(std::equal(stored.begin(), stored.end(), record.begin()));
  EXPECT_EQ(stored[717], 0x0D);
}

TEST_F(SimUnitImage, UnlocksWithTheEditorsPasswordCommands) {
  port.Receive(CM_MCS_SET_LOCK(1, "4711").Serialise());
  EXPECT_EQ(Replies(), std::vector<SimBytes>{{}});
  Ask(CMD_CONNECT);
  EXPECT_EQ(Ask(CMD_LOCK_STATE).at(0).at(5), 1);
  port.Receive(CM_MCS_PASS_SUBMIT(1, "4711").Serialise());
  EXPECT_EQ(Replies(), std::vector<SimBytes>{SimBytes({0, 1})});
  EXPECT_EQ(Ask(CMD_LOCK_STATE).at(0).at(5), 0);
}

}  // namespace
