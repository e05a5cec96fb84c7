// Texts by key and the language switch.
#include "MainWindowTestSupport.h"

#include "RzBmpBtn.h"
#include "RzLabel.h"
#include "VrButtons.h"
#include "ui/TMenu.h"

namespace {

using LanguageTest = MainWindowTest;

TEST_F(LanguageTest, LooksTextsUpByKey) {
    struct Case {
        const char* key;
        const char* english;
    };
    const Case cases[] = {
        {"sid_file", "File"},                 // letter case ignored
        {"SID_EXIT", "Exit"},                 // the first of two lines counts
        {"SID_INPUT_ID", " Input ID Number"}, // blanks kept
        {"SID_NO_SUCH_KEY", "//---------------------- Menu ------------------------"},
    };
    for (const Case& c : cases) EXPECT_EQ(form->LangText(QLatin1String(c.key)), QString::fromUtf8(c.english)) << c.key;
    UseChinese();
    EXPECT_EQ(form->LangText(QStringLiteral("SID_FILE")), QStringLiteral("文件"));
    EXPECT_EQ(form->LangText(QStringLiteral("SID_LANGUAGE")), QStringLiteral("Language"));
    EXPECT_EQ(form->LangText(QStringLiteral("SID_INFO_CON_FIRST")), QStringLiteral("请先连接机器 !!"));
}

TEST_F(LanguageTest, SwitchingChangesTheCaptionsAndBack) {
    form->Find<TRzBmpButton>(QStringLiteral("rzbPhaseInA"))->SetDown(true);
    UseChinese();
    EXPECT_TRUE(form->ChineseSimplified->Checked);
    EXPECT_FALSE(form->English->Checked);
    EXPECT_EQ(form->File->Caption, QStringLiteral("文件"));
    EXPECT_EQ(form->Connected->Caption, QStringLiteral("连接机器"));
    EXPECT_EQ(form->rzbMenuLink->Caption(), form->LangText(QStringLiteral("SID_OFFLINE")));
    EXPECT_EQ(form->Find<TControl>(QStringLiteral("rzbPhaseInA"))->Caption(), QStringLiteral("反相"));
    EXPECT_EQ(form->Find<TControl>(QStringLiteral("rzbPhaseInB"))->Caption(), QStringLiteral("正相"));
    EXPECT_EQ(form->Find<TControl>(QStringLiteral("lbCompRatioOut6"))->Caption(),
              form->LangText(QStringLiteral("SID_COMP_RATIO")));
    EXPECT_NE(form->Find<TControl>(QStringLiteral("vrbEqBypassOut3"))->Caption(), QStringLiteral("EQ Bypass"));
    // Page buttons and channel headings stay as they are.
    EXPECT_EQ(form->Find<TControl>(QStringLiteral("rzbMenuOut1"))->Caption(), QStringLiteral("Out1"));
    // The Matrix page's own headings and block labels, inputs and outputs alike.
    const std::pair<const char*, QString> matrix[] = {{"lbMatrixRouting", QStringLiteral("路由")},
                                                      {"lbMatrixInputs", QStringLiteral("输入 A / B")},
                                                      {"lbMatrixOutputs", QStringLiteral("输出 1 - 6")},
                                                      {"lbMatrixGateInB", QStringLiteral("噪声门")},
                                                      {"lbMatrixXoverOut6", QStringLiteral("分频")},
                                                      {"lbMatrixMuteOut1", QStringLiteral("静音")}};
    for (const auto& [name, text] : matrix)
        EXPECT_EQ(form->Find<TControl>(QLatin1String(name))->Caption(), text) << name;

    form->English->Click();
    EXPECT_EQ(form->Find<TControl>(QStringLiteral("lbMatrixRouting"))->Caption(), QStringLiteral("Routing"));
    EXPECT_EQ(form->Find<TControl>(QStringLiteral("lbMatrixHpLpInA"))->Caption(), QStringLiteral("HP/LP"));
    EXPECT_EQ(form->File->Caption, QStringLiteral("File"));
    EXPECT_EQ(form->Find<TControl>(QStringLiteral("rzbPhaseInA"))->Caption(), QStringLiteral("Inverse"));
    EXPECT_EQ(form->Find<TControl>(QStringLiteral("lbGainInput"))->Caption(), QStringLiteral("Input"));
    EXPECT_EQ(form->Find<TControl>(QStringLiteral("bStore"))->Caption(), QStringLiteral("Store"));
}

TEST_F(LanguageTest, ChoosingTheCurrentLanguageAgainChangesNothing) {
    UseChinese();
    auto* label = form->Find<TControl>(QStringLiteral("lbGainInput"));
    label->SetCaption(QStringLiteral("marker"));
    UseChinese();
    EXPECT_EQ(label->Caption(), QStringLiteral("marker"));
}

TEST_F(LanguageTest, DynamicsHeadingsKeepTheirChannel) {
    form->FCompChannel = 4;  // Out3
    form->FGateChannel = 1;  // InB
    UseChinese();
    EXPECT_EQ(form->Find<TControl>(QStringLiteral("lbCompName"))->Caption(),
              QStringLiteral("Out 3  ") + form->LangText(QStringLiteral("SID_COMP")));
    EXPECT_EQ(form->Find<TControl>(QStringLiteral("lbGateName"))->Caption(),
              QStringLiteral("In B  ") + form->LangText(QStringLiteral("SID_GATE")));
}

TEST_F(LanguageTest, AMissingControlEndsTheCaptionsThere) {
    delete form->Find<TControl>(QStringLiteral("lbDelayUnit"));
    UseChinese();
    EXPECT_EQ(form->Find<TControl>(QStringLiteral("lbDelayOutput"))->Caption(), form->LangText(QStringLiteral("SID_OUT")))
        << "captioned before the gap";
    EXPECT_EQ(form->Find<TControl>(QStringLiteral("lbFftDelayIn"))->Caption(), QStringLiteral("Input Delay"))
        << "left as it was after the gap";
}

}  // namespace
