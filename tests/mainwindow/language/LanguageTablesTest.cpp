// The two language tables compiled into the program: their shape, their keys and the texts
// the windows and dialogs rely on.
#include "LanguageTable.h"
#include "ResourcePaths.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>

namespace {

const QString kHeading = "//---------------------- Menu ------------------------";

// Every key a window, a dialog or a message of the program looks up.
const char* const kUsedKeys[] = {
    "SID_ABOUT", "SID_ADDRESS", "SID_ANALOG_IN", "SID_AUTO_NETWORK", "SID_BLOCK", "SID_BT_RECALL",
    "SID_BT_STORE", "SID_BYPASS_EQ", "SID_CANCEL", "SID_CHINESE_SIMPLIFIED",
    "SID_CHINESE_TRODITIONAL", "SID_CH_NAME", "SID_CH_NAME_LIST", "SID_COMP", "SID_COMP_ATTACK",
    "SID_COMP_KNEE", "SID_COMP_RATIO", "SID_COMP_RELEASE", "SID_COMP_THRESHOLD", "SID_CONNECT",
    "SID_CONNECT_HELP", "SID_COPY", "SID_COPY_TITLE", "SID_DELAY_UNIT", "SID_DEMO",
    "SID_DISCONNECT", "SID_DOWNLOAD", "SID_DOWNLOAD_PARAMETER", "SID_DOWNLOAD_PRESET",
    "SID_ENGLISH", "SID_EQ_BW", "SID_EQ_BYPASS", "SID_EQ_FREQ", "SID_EQ_GAIN", "SID_EQ_PARAM",
    "SID_EQ_PARAM_TITLE", "SID_EQ_TYPE0", "SID_EQ_TYPE1", "SID_EQ_TYPE2", "SID_EQ_TYPE3",
    "SID_EQ_TYPE4", "SID_EQ_TYPE5", "SID_EQ_TYPE6", "SID_EXIT", "SID_EXIT_CANCEL", "SID_EXIT_OK",
    "SID_EXIT_QUIT", "SID_FACTORY_DEFAULT", "SID_FILE", "SID_GAIN", "SID_GATE", "SID_GATE_HOLD",
    "SID_HELP", "SID_HLP_BYPASS", "SID_HLP_SLOP", "SID_HPF", "SID_ID_NUMBER_ERROR", "SID_IN",
    "SID_INFO_CON_FIRST", "SID_INFO_ERROR_DOWNLAOD", "SID_INFO_ERROR_FILE", "SID_INFO_ERROR_UNIT",
    "SID_INFO_ERROR_VERSION", "SID_INFO_NO_SAVE_EXIST", "SID_INFO_TITLE", "SID_INPUT_ID",
    "SID_IN_DELAY", "SID_IP_ADDRESS", "SID_LANGUAGE", "SID_LINK", "SID_LINK_BROKEN",
    "SID_LINK_TITLE", "SID_LOAD_PRESET", "SID_LOCK", "SID_LOCK_PASSWORD", "SID_LOCK_SETUP",
    "SID_LOCK_TITLE", "SID_LPF", "SID_MANU_NETWORK", "SID_MUTE", "SID_NO_DEVICE", "SID_NUMBER",
    "SID_OFFLINE", "SID_ONLINE", "SID_OPEN", "SID_OUT", "SID_OUT_DELAY", "SID_PARAM_KEY",
    "SID_PEQRST", "SID_PEQRST_CANCEL", "SID_PEQRST_OK", "SID_PEQRST_RESET", "SID_PHASE_OFF",
    "SID_PHASE_ON", "SID_PINK_IN", "SID_PRESET", "SID_PROCESS", "SID_PST_NAME", "SID_PST_NUM",
    "SID_RECALL_PRESET", "SID_RESET_EQ", "SID_RETRUN_FACTORY", "SID_RS232_CODE", "SID_SAVE",
    "SID_SAVE_PRESET", "SID_SCAN", "SID_SCAN_NET", "SID_SCAN_USB", "SID_SET", "SID_SET_ID",
    "SID_SET_NETWORK", "SID_SHOW_ALL_EQ", "SID_SINE_IN", "SID_START_SCAN", "SID_STORE_PRESET",
    "SID_TEST_TITLE", "SID_TEST_TONE", "SID_UNIT_FT", "SID_UNIT_M", "SID_UNIT_MS",
    "SID_UNLOCK_PASSWORD", "SID_UNLOCK_TITLE", "SID_UPLOAD", "SID_UPLOAD_PARAMETER",
    "SID_UPLOAD_PRESET", "SID_WHITE_IN",
    // The Matrix page's own headings and block labels.
    "SID_UI_MATRIX_INPUTS", "SID_UI_MATRIX_OUTPUTS", "SID_UI_ROUTING", "SID_UI_BLOCK_GAIN", "SID_UI_BLOCK_GATE",
    "SID_UI_BLOCK_HPLP", "SID_UI_BLOCK_PEQ", "SID_UI_BLOCK_PHASE", "SID_UI_BLOCK_DELAY", "SID_UI_BLOCK_XOVER",
    "SID_UI_BLOCK_COMP", "SID_UI_BLOCK_MUTE",
    "SID_INFO_ERROR_SAVE", "SID_INFO_TRANSFER_BROKEN",
};

struct TextCase {
    const char* key;
    const char* text;
};

// Texts the windows show exactly as written, blanks and punctuation included.
const TextCase kEnglishTexts[] = {
    {"SID_FILE", "File"},
    {"SID_EXIT", "Exit"},
    {"SID_NUMBER", "Number :"},
    {"SID_INPUT_ID", " Input ID Number"},
    {"SID_IP_ADDRESS", " Input IP Address"},
    {"SID_PARAM_KEY", "Frequency  ( ← / → )      Q(＋/－)     Gain (  ↑ / ↓  )"},
    {"SID_EQ_PARAM_TITLE",
     " PEQ       Frequency              Q                    Gain                 Type"
     "                Bypass"},
    {"SID_LANGUAGE", "语言"},
    {"SID_CHINESE_SIMPLIFIED", "中文"},
    {"SID_CHINESE_TRODITIONAL", "Troditional Chinese"},
    {"SID_PHASE_ON", "Inverse"},
    {"SID_PHASE_OFF", "Normal"},
    {"SID_ONLINE", "OnLine"},
    {"SID_COMP", "Compressor"},
    {"SID_GATE", "Gate"},
    {"SID_EQ_TYPE5", "Allpass1"},
    {"SID_SCAN", "Scaning"},
    {"SID_UPLOAD_PARAMETER", "Upload parameters now , please wait..."},
    {"SID_INFO_ERROR_UNIT", "Unit's Type Error !!"},
    {"SID_FACTORY_DEFAULT", "Are you Sure to Return Factory Default?"},
};

const TextCase kChineseTexts[] = {
    {"SID_FILE", "文件"},
    {"SID_EXIT", "退出"},
    {"SID_NUMBER", "ID 编号:"},
    {"SID_INPUT_ID", " 输入 ID"},
    {"SID_CONNECT", "连接机器"},
    {"SID_PHASE_ON", "反相"},
    {"SID_PHASE_OFF", "正相"},
    {"SID_LANGUAGE", "Language"},
    {"SID_CHINESE_SIMPLIFIED", "中文"},
    {"SID_CHINESE_TRODITIONAL", "繁體中文"},
    {"SID_ENGLISH", "English"},
    {"SID_SET", "设定"},
    {"SID_NO_DEVICE", "未发现机器。"},
    {"SID_LINK_BROKEN", "连接已断开"},
    {"SID_IP_ADDRESS", " 输入 IP 地址"},
    {"SID_INFO_TITLE", "信息"},
    {"SID_INFO_CON_FIRST", "请先连接机器 !!"},
    {"SID_STORE_PRESET", "存储预设中 , 请稍候..."},
};

// Chinese texts that stay as they are in English on purpose: the language menu's own name and
// the English item (shown so that a reader of the other language finds them), the Q symbol
// and the delay units.
const TextCase kUntranslated[] = {
    {"SID_LANGUAGE", "Language"}, {"SID_ENGLISH", "English"}, {"SID_EQ_BW", "Q"},
    {"SID_UNIT_MS", "ms"},        {"SID_UNIT_M", "m"},
    {"SID_UNIT_FT", "ft"},
};

bool IsKeyLine(const QString& line) {
    static const QRegularExpression key("^SID_[A-Z0-9_]+$");
    return key.match(line).hasMatch();
}

// The key lines in order, checking on the way that each is followed by a text line and that
// every other line is a comment or such a text line.
QStringList KeysOf(const LanguageTable& table, const char* name) {
    QStringList keys;
    const QStringList& lines = table.Lines();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].startsWith("//")) continue;
        if (!IsKeyLine(lines[i])) {
            ADD_FAILURE() << name << " line " << i + 1 << " is neither comment nor key: "
                          << lines[i].toStdString();
            continue;
        }
        keys.append(lines[i]);
        if (i + 1 == lines.size()) {
            ADD_FAILURE() << name << " ends with the key " << lines[i].toStdString();
        } else if (IsKeyLine(lines[i + 1]) || lines[i + 1].startsWith("//")) {
            ADD_FAILURE() << name << ": no text line after " << lines[i].toStdString();
        }
        ++i;  // the text line
    }
    return keys;
}

bool HasHan(const QString& text) {
    for (QChar c : text) {
        if (c.script() == QChar::Script_Han) return true;
    }
    return false;
}

class LanguageTables : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(english.Load(kEnglishLanguageTable));
        ASSERT_TRUE(chinese.Load(kChineseGbLanguageTable));
    }
    LanguageTable english;
    LanguageTable chinese;
};

TEST_F(LanguageTables, BothHoldTheSameKeysInTheSameOrderEachWithItsText) {
    EXPECT_EQ(english.Lines().value(0), kHeading);
    EXPECT_EQ(chinese.Lines().value(0), kHeading);
    const QStringList keys = KeysOf(english, "English");
    EXPECT_EQ(KeysOf(chinese, "ChineseGB"), keys);

    std::set<QString> used;
    for (const char* key : kUsedKeys) used.insert(key);
    for (const QString& key : used) {
        EXPECT_TRUE(keys.contains(key)) << key.toStdString() << " missing";
    }
    for (const QString& key : keys) {
        EXPECT_TRUE(used.count(key)) << key.toStdString() << " is not a key the program uses";
    }
    // Only these two keys stand twice; their first lines are the ones shown.
    EXPECT_EQ(keys.size(), qsizetype(used.size()) + 2);
    EXPECT_EQ(keys.count("SID_EXIT"), 2);
    EXPECT_EQ(keys.count("SID_NUMBER"), 2);
}

TEST_F(LanguageTables, TextsAreExactlyAsTheWindowsShowThem) {
    for (const TextCase& c : kEnglishTexts) {
        EXPECT_EQ(english.Text(c.key), QString::fromUtf8(c.text)) << c.key;
    }
    for (const TextCase& c : kChineseTexts) {
        EXPECT_EQ(chinese.Text(c.key), QString::fromUtf8(c.text)) << c.key;
    }
    EXPECT_EQ(english.Text("sid_file"), "File");
    EXPECT_EQ(english.Text("SID_NO_SUCH_KEY"), kHeading);
    EXPECT_EQ(chinese.Text("SID_NO_SUCH_KEY"), kHeading);
}

TEST_F(LanguageTables, EveryChineseTextIsTranslatedUnlessKeptOnPurpose) {
    for (const char* key : kUsedKeys) {
        const QString zh = chinese.Text(key);
        EXPECT_FALSE(english.Text(key).trimmed().isEmpty()) << key;
        const auto kept = std::find_if(std::begin(kUntranslated), std::end(kUntranslated),
                                       [&](const TextCase& c) { return qstrcmp(c.key, key) == 0; });
        if (kept != std::end(kUntranslated)) {
            EXPECT_EQ(zh, kept->text) << key;
        } else {
            EXPECT_TRUE(HasHan(zh)) << key << ": " << zh.toStdString();
        }
    }
}

}  // namespace
