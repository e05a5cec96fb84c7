// Presets and files end to end against the simulated unit: store, recall and factory
// default through the preset dialogs, ".prs" files saved and loaded, the whole unit uploaded
// into a ".unt" file and downloaded from it, transfers broken off by a lost link, and the
// test-signal commands, each checked frame by frame as the unit received it.
#include "ConnectionTestSupport.h"

#include <gmock/gmock.h>

#include "AdvProgressBar.h"
#include "CommandCode.h"
#include "FFactory.h"
#include "FInformation.h"
#include "FNetWorkScan.h"
#include "FPresetGrid.h"
#include "FProcess.h"
#include "FStoreName.h"
#include "FTest.h"
#include "LUnitControl.h"
#include "RzBmpBtn.h"
#include "RzLabel.h"
#include "TempTree.h"
#include "TfmMain.h"
#include "UnitFiles.h"
#include "ui/TComboBox.h"
#include "ui/TEdit.h"
#include "ui/TLabel.h"
#include "ui/TRadioButton.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

using ::testing::ElementsAreArray;

ByteArray ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return ByteArray(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const std::filesystem::path& path, const ByteArray& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

class PresetsUnit : public ConnectionTest {
 protected:
  void SetUp() override {
    ConnectionTest::SetUp();
    Attach(Transport::Tcp);
  }
  // Starts the editor, waits for the read and answers the file dialogs with `files`' paths.
  void Connect() {
    StartEditor();
    window->AskFileName = [this](TfmMain::FileDialog kind) { return answers[int(kind)]; };
    ASSERT_TRUE(WaitForRead());
    ASSERT_TRUE(Until([&] { return !fmProcess->isVisible(); }, "the read's progress window closes"));
    unit.ClearFrames();
  }
  // The frames after the handshake and read, without level polls unless asked for.
  std::vector<SimUnitFrame> Frames(bool withLevels = false) const {
    std::vector<SimUnitFrame> out;
    for (const SimUnitFrame& f : unit.Frames())
      if (withLevels || f.Code() != CMD_LEVELS) out.push_back(f);
    return out;
  }
  // The requests beside keep-alive and level polls.
  std::vector<std::string> Sent() const {
    std::vector<std::string> out = Requests();
    out.erase(std::remove(out.begin(), out.end(), "18"), out.end());
    return out;
  }
  // Answers the next information window with OK and keeps its message.
  void AnswerMessage() {
    WhenShown(*fmInformation, [this] {
      messages.push_back(fmInformation->lbMessage->Caption().toStdString());
      fmInformation->btnOK->Click();
    });
  }
  ByteArray ImageFile() const {
    ByteArray bytes = window->UnitControl().SerialiseImage();
    bytes.push_back('\r');
    bytes.push_back('\n');
    return bytes;
  }

  TempTree files;
  QString answers[4];
  std::vector<std::string> messages;
};

std::string Text(const SimBytes& bytes, std::size_t from, std::size_t count) {
  return std::string(bytes.begin() + std::ptrdiff_t(from), bytes.begin() + std::ptrdiff_t(from + count));
}

TEST_F(PresetsUnit, StoreRecallAndFactoryDefault) {
  Connect();
  // Store: grid row U05, a four-letter name, OK.
  fmStorePreset->vledPresetNameSelectCell(5);
  EXPECT_EQ(fmStoreName->lTitle->Caption(), "U05 : ");
  fmStoreName->edName->SetText("Demo");
  fmStoreName->btnOK->Click();  // returns once the unit has stored it
  std::vector<SimUnitFrame> f;
  for (const SimUnitFrame& x : Frames())
    if (x.Code() != CMD_POLL) f.push_back(x);
  ASSERT_EQ(f.size(), 2u);
  EXPECT_EQ(f[0].Code(), CMD_PRESET_NAME);
  EXPECT_EQ(Text(f[0].Payload(), 0, 14), "Demo          ");
  EXPECT_EQ(Describe(f[1]), "33:5");
  EXPECT_EQ(unit.PresetNumber(), 5);
  EXPECT_TRUE(window->UnitControl().IsPresetUsed(4));
  EXPECT_EQ(window->Find<TRzLabel>("lbPstNum")->Caption(), "U05");
  EXPECT_EQ(fmRecallPreset->RowText(5), "     U05=  Demo          ");
  EXPECT_EQ(fmStorePreset->RowText(4), "     U05=  Demo          ");
  EXPECT_FALSE(fmProcess->isVisible());

  // Recall the factory preset: code 32 with 0, then the 15 image pieces.
  unit.ClearFrames();
  fmRecallPreset->vledPresetNameSelectCell(1);
  EXPECT_EQ(fmStoreName->lTitle->Caption(), "F00 : ");
  EXPECT_FALSE(fmStoreName->edName->Enabled());
  fmStoreName->btnOK->Click();
  ASSERT_TRUE(Until([&] { return Sent().size() >= 16; }, "the recalled image read"));
  std::vector<std::string> recall{"32:0"};
  for (int p = 0; p < 15; ++p) recall.push_back("39:" + std::to_string(p));
  std::vector<std::string> got = Sent();
  got.resize(recall.size());
  EXPECT_THAT(got, ElementsAreArray(recall));
  EXPECT_EQ(window->FCurrentPreset, 0);
  EXPECT_EQ(window->Find<TRzLabel>("lbPstNum")->Caption(), "F00");

  // Factory default from its dialog: code 35, then the full read.
  unit.ClearFrames();
  WhenShown(*fmFactory, [] { fmFactory->btnOK->Click(); });
  window->FactoryDefaultClick(nullptr);  // connected: the dialog, answered with OK
  std::vector<std::string> factory{"35"};
  for (const std::string& s : FullReadRequests())
    if (s != "18") factory.push_back(s);
  ASSERT_TRUE(Until([&] { return Sent().size() >= factory.size(); }, "the re-read"));
  got = Sent();
  got.resize(factory.size());
  EXPECT_THAT(got, ElementsAreArray(factory));
}

TEST_F(PresetsUnit, PresetFileRoundTripAndLoadWhileConnected) {
  Connect();
  // A file whose body is a distinctive image, loaded while connected.
  const ImageBytes pattern = PatternImage();
  ByteArray file(LUnitControl::kFileMagic, LUnitControl::kFileMagic + 16);
  file.insert(file.end(), pattern.begin() + 2, pattern.begin() + 708);
  file.push_back('\r');
  file.push_back('\n');
  ASSERT_EQ(file.size(), 724u);
  WriteAll(files.Path("in.prs"), file);
  answers[int(TfmMain::FileDialog::OpenPreset)] = QString::fromStdString(files.Path("in.prs").string());
  window->OpenClick(nullptr);  // returns when the reply to the closing code 64 has come
  const std::vector<SimUnitFrame> f = Frames(true);
  std::vector<SimUnitFrame> sent;
  for (const SimUnitFrame& x : f)
    if (x.Code() != CMD_POLL) sent.push_back(x);
  ASSERT_GE(sent.size(), 150u);
  EXPECT_EQ(sent[0].Code(), CMD_PRESET_NAME);
  EXPECT_EQ(sent[149].Code(), CMD_LEVELS);
  for (int i = 0; i < 149; ++i) EXPECT_NE(sent[std::size_t(i)].Code(), CMD_LEVELS) << i;
  EXPECT_EQ(window->FFileOperation, 0);
  EXPECT_FALSE(fmProcess->isVisible());

  // Saved again: the same 724 bytes; a name ending in ".PRS" is kept as it is.
  answers[int(TfmMain::FileDialog::SavePreset)] = QString::fromStdString(files.Path("out.PRS").string());
  window->SaveClick(nullptr);
  EXPECT_EQ(ReadAll(files.Path("out.PRS")), file);
  EXPECT_FALSE(std::filesystem::exists(files.Path("out.prs")));
  answers[int(TfmMain::FileDialog::SavePreset)] = QString::fromStdString(files.Path("plain").string());
  window->SaveClick(nullptr);
  EXPECT_EQ(ReadAll(files.Path("plain.prs")), file);
}

TEST_F(PresetsUnit, BadPresetFilesAreRefusedAndLeaveTheImage) {
  Connect();
  const ByteArray good = ImageFile();
  ByteArray longer = good;
  longer.push_back(0);
  ByteArray shorter(good.begin(), good.end() - 1);
  ByteArray magic = good;
  magic[7] ^= 1;
  std::filesystem::create_directory(files.Path("folder.prs"));
  const struct {
    const char* name;
    ByteArray bytes;
  } cases[] = {{"empty.prs", {}}, {"short.prs", shorter}, {"long.prs", longer}, {"magic.prs", magic}, {"folder.prs", {}}};
  const ByteArray before = ImageFile();
  for (const auto& c : cases) {
    if (std::string(c.name) != "folder.prs") WriteAll(files.Path(c.name), c.bytes);
    answers[int(TfmMain::FileDialog::OpenPreset)] = QString::fromStdString(files.Path(c.name).string());
    messages.clear();
    AnswerMessage();
    window->OpenClick(nullptr);
    EXPECT_THAT(messages, ElementsAreArray({"Open File Error !!"})) << c.name;
    EXPECT_EQ(ImageFile(), before) << c.name;
  }
  EXPECT_TRUE(Sent().empty());

  // A save that cannot be written says so and leaves nothing behind.
  answers[int(TfmMain::FileDialog::SavePreset)] = QString::fromStdString(files.Path("no/such/dir/x").string());
  messages.clear();
  AnswerMessage();
  window->SaveClick(nullptr);
  EXPECT_THAT(messages, ElementsAreArray({"Save File Error !!"}));
  EXPECT_FALSE(std::filesystem::exists(files.Path("no")));
}

ImageBytes StoredImage(std::uint8_t seed) {
  ImageBytes image{};
  for (std::size_t i = 0; i < image.size(); ++i) image[i] = std::uint8_t(seed + i * 7);
  image[0] = 0xFF;  // a stored preset
  return image;
}

TEST_F(PresetsUnit, UploadPresetsTwoAndSevenThenDownloadThatFile) {
  unit.SetStoredPreset(2, StoredImage(3));
  unit.SetStoredPreset(7, StoredImage(90));
  unit.SetEeprom(0, SimBytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18});
  Connect();
  answers[int(TfmMain::FileDialog::SaveUnit)] = QString::fromStdString(files.Path("whole").string());
  window->UploadClick(nullptr);  // returns when the last piece has come
  EXPECT_EQ(fmProcess->ProgressBar->Max(), 2);
  ASSERT_TRUE(Until([&] { return std::filesystem::exists(files.Path("whole.unt")); }, "the file is written"));
  std::vector<std::string> upload{"25:0", "36:2"};
  for (int p = 0; p < 15; ++p) upload.push_back("40:" + std::to_string(p));
  upload.push_back("36:7");
  for (int p = 0; p < 15; ++p) upload.push_back("40:" + std::to_string(p));
  upload.push_back("18");
  std::vector<std::string> got = Requests();
  // A keep-alive (18) that went out before the upload began is not part of it.
  got.erase(got.begin(), std::find_if(got.begin(), got.end(), [](const std::string& r) { return r != "18"; }));
  got.resize(upload.size());
  EXPECT_THAT(got, ElementsAreArray(upload));

  const ByteArray file = ReadAll(files.Path("whole.unt"));
  ASSERT_EQ(file.size(), 21634u);
  EXPECT_EQ(ByteArray(file.begin() + 16, file.begin() + 34), ByteArray({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}));
  for (int slot = 1; slot <= 30; ++slot) {
    const auto record = file.begin() + 34 + (slot - 1) * 720;
    if (slot == 2 || slot == 7) {
      const ImageBytes image = StoredImage(slot == 2 ? 3 : 90);
      EXPECT_EQ(record[0], slot);
      EXPECT_TRUE(std::equal(image.begin(), image.begin() + 717, record + 1)) << slot;
    } else {
      EXPECT_TRUE(std::all_of(record, record + 718, [](std::uint8_t b) { return b == 0x64; })) << slot;
    }
    EXPECT_EQ(record[718], '\r');
    EXPECT_EQ(record[719], '\n');
  }

  // Download of that file into a unit that holds none of them.
  unit.SetStoredPreset(2, StoredImage(0), false);
  unit.SetStoredPreset(7, StoredImage(0), false);
  unit.ClearFrames();
  answers[int(TfmMain::FileDialog::OpenUnit)] = QString::fromStdString(files.Path("whole.unt").string());
  window->DownloadClick(nullptr);
  EXPECT_FALSE(window->Enabled());
  ASSERT_TRUE(Until([&] { return !window->IsConnected(); }, "the restart and disconnect"));
  const std::vector<SimUnitFrame> f = Frames();
  std::vector<std::string> codes;
  for (const SimUnitFrame& x : f)
    if (x.Code() != CMD_POLL) codes.push_back(std::to_string(x.Code()));
  std::vector<std::string> download{"35", "26"};
  for (int i = 0; i < 30; ++i) download.push_back("37");
  download.push_back("4");
  codes.resize(std::min(codes.size(), download.size()));
  EXPECT_THAT(codes, ElementsAreArray(download));
  // Pieces: (piece, preset, 50 bytes); the first names preset 1 (slot 2) and preset 6.
  std::vector<SimUnitFrame> pieces;
  for (const SimUnitFrame& x : f)
    if (x.Code() == CMD_DOWNLOAD) pieces.push_back(x);
  ASSERT_EQ(pieces.size(), 30u);
  for (int i = 0; i < 30; ++i) {
    const SimBytes p = pieces[std::size_t(i)].Payload();
    ASSERT_EQ(p.size(), 52u);
    EXPECT_EQ(p[0], i % 15);
    EXPECT_EQ(p[1], i < 15 ? 1 : 6);
  }
  // Piece 14: image bytes 700 to 716, the record's CR LF, then zeros.
  const SimBytes last = pieces[14].Payload();
  const ImageBytes two = StoredImage(3);
  EXPECT_TRUE(std::equal(two.begin() + 700, two.begin() + 717, last.begin() + 2));
  EXPECT_EQ(last[2 + 17], '\r');
  EXPECT_EQ(last[2 + 18], '\n');
  EXPECT_TRUE(std::all_of(last.begin() + 2 + 19, last.end(), [](std::uint8_t b) { return b == 0; }));
  const SimBytes info = f[1].Payload();
  EXPECT_EQ(SimBytes(info.begin(), info.begin() + 3), SimBytes({1, 0, 17}));
  EXPECT_EQ(SimBytes(info.begin() + 3, info.end()), SimBytes({2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}));
  EXPECT_TRUE(unit.IsSlotUsed(2));
  EXPECT_TRUE(unit.IsSlotUsed(7));
  const ImageBytes back = unit.GetStoredPreset(7);
  const ImageBytes seven = StoredImage(90);
  EXPECT_TRUE(std::equal(seven.begin(), seven.begin() + 717, back.begin()));
  EXPECT_TRUE(window->Enabled());
  EXPECT_FALSE(fmProcess->isVisible());
}

TEST_F(PresetsUnit, UnitFilesOfTheWrongSizeOrMagicAreRefused) {
  Connect();
  ByteArray good(21634, 0x64);
  std::copy(LUnitControl::kFileMagic, LUnitControl::kFileMagic + 16, good.begin());
  ByteArray shorter(good.begin(), good.end() - 1);
  ByteArray magic = good;
  magic[0] = 'x';
  for (const ByteArray& bytes : {shorter, magic}) {
    WriteAll(files.Path("bad.unt"), bytes);
    answers[int(TfmMain::FileDialog::OpenUnit)] = QString::fromStdString(files.Path("bad.unt").string());
    messages.clear();
    AnswerMessage();
    window->DownloadClick(nullptr);
    EXPECT_THAT(messages, ElementsAreArray({"Download File Error !!"}));
  }
  EXPECT_TRUE(Sent().empty());
  // A file with no stored record still resets the unit, writes the information and ends.
  WriteAll(files.Path("none.unt"), good);
  answers[int(TfmMain::FileDialog::OpenUnit)] = QString::fromStdString(files.Path("none.unt").string());
  window->DownloadClick(nullptr);
  ASSERT_TRUE(Until([&] { return !window->IsConnected(); }, "the restart and disconnect"));
  std::vector<std::string> got = Requests();
  got.erase(std::remove(got.begin(), got.end(), "18"), got.end());
  EXPECT_THAT(got, ElementsAreArray({"35", "26:1", "4"}));
}

// A transfer broken off halfway by a lost link: the progress window goes, the window is
// usable and a message says so; the image stays as it was and no file is written.
class BrokenTransfer : public PresetsUnit, public ::testing::WithParamInterface<bool> {};

TEST_P(BrokenTransfer, EndsWithAMessage) {
  const bool download = GetParam();
  unit.SetStoredPreset(2, StoredImage(3));
  unit.SetStoredPreset(7, StoredImage(9));
  Connect();
  const ByteArray before = ImageFile();
  ByteArray file(21634, 0x64);
  std::copy(LUnitControl::kFileMagic, LUnitControl::kFileMagic + 16, file.begin());
  for (int slot : {2, 7}) {
    const auto record = file.begin() + 34 + (slot - 1) * 720;
    const ImageBytes image = StoredImage(std::uint8_t(slot));
    record[0] = std::uint8_t(slot);
    std::copy(image.begin(), image.begin() + 717, record + 1);
  }
  WriteAll(files.Path("in.unt"), file);
  answers[int(TfmMain::FileDialog::OpenUnit)] = QString::fromStdString(files.Path("in.unt").string());
  answers[int(TfmMain::FileDialog::SaveUnit)] = QString::fromStdString(files.Path("never").string());
  // The link drops halfway: once the unit has had the first preset's pieces (its replies
  // paced so that the drop comes before the second preset is through).
  unit.SetPaceBaud(9600);
  const std::uint8_t code = download ? CMD_DOWNLOAD : CMD_READ_PRESET_PIECE;
  When(
      [&] {
        int n = 0;
        for (const SimUnitFrame& f : unit.Frames()) n += f.Code() == code ? 1 : 0;
        return n >= 15;
      },
      [&] {
        unit.Disconnect();
        window->CloseLink();  // as the link's failure handling does once it notices
      });
  AnswerMessage();
  if (download)
    window->DownloadClick(nullptr);
  else
    window->UploadClick(nullptr);
  ASSERT_TRUE(Until([&] { return !messages.empty(); }, "the message"));
  EXPECT_THAT(messages, ElementsAreArray({"Transfer broken off: the link to the unit was lost !!"}));
  EXPECT_FALSE(fmProcess->isVisible());
  EXPECT_TRUE(window->Enabled());
  EXPECT_EQ(window->FTransfer, TfmMain::Transfer::None);
  EXPECT_EQ(ImageFile(), before);
  EXPECT_FALSE(std::filesystem::exists(files.Path("never.unt")));
  EXPECT_GE(unit.Frames().size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(UploadAndDownload, BrokenTransfer, ::testing::Values(true),
                         [](const auto& info) { return info.param ? "Download" : "Upload"; });

TEST_F(PresetsUnit, TestSignalCommandsAndTheUnitsSignalAfterARead) {
  ImageBytes image = PatternImage();
  image[offsetof(UnitImage, workMode)] = 3;
  image[offsetof(UnitImage, workMode) + 1] = 0;
  image[offsetof(UnitImage, sineIndex)] = 17;
  image[offsetof(UnitImage, sineIndex) + 1] = 0;
  unit.SetImage(image);
  Connect();
  // The read showed the unit's sine at 1 kHz and sent nothing for it.
  EXPECT_TRUE(fmTest->rbSineWave->Checked());
  EXPECT_EQ(fmTest->cbSineFreq->ItemIndex(), 17);
  fmTest->rbPinkNoise->SetChecked(true);
  fmTest->rbWhiteNoise->SetChecked(true);
  fmTest->cbSineFreq->SetItemIndex(30);
  fmTest->cbSineFreqSelect(fmTest->cbSineFreq);  // from white noise: two commands
  ASSERT_TRUE(Until(
      [&] {
        const std::vector<std::string> sent = Sent();
        return std::count_if(sent.begin(), sent.end(), [](const std::string& r) { return r.rfind("57", 0) == 0; }) >= 4;
      },
      "four commands"));
  std::vector<std::string> got;
  for (const SimUnitFrame& f : Frames()) {
    if (f.Code() != CMD_WORK_MODE) continue;
    const SimBytes p = f.Payload();
    got.push_back(std::to_string(p[0]) + "," + std::to_string(p[1]));
  }
  EXPECT_THAT(got, ElementsAreArray({"1,17", "2,17", "3,30", "3,30"}));
  EXPECT_EQ(unit.GetImage()[offsetof(UnitImage, workMode)], 3);
}

}  // namespace
