// Esc leaves the preset, preset-name and test-signal windows as their Cancel or Exit button
// does, sending nothing.
#include "DialogTestSupport.h"

#include "FPresetGrid.h"
#include "FStoreName.h"
#include "FTest.h"

#include <QTest>

#include <gmock/gmock.h>

namespace {

using PresetDialogKeysTest = DialogTest;

TEST_F(PresetDialogKeysTest, EscLeavesAsCancelDoes) {
    struct Case {
        const char* name;
        TForm* (*form)();
    };
    const Case cases[] = {
        {"Recall preset", []() -> TForm* { return fmRecallPreset; }},
        {"Store preset", []() -> TForm* { return fmStorePreset; }},
        {"Preset name", []() -> TForm* { return fmStoreName; }},
        {"Test signal", []() -> TForm* { return fmTest; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TForm& form = *c.form();
        RunModal(form, [&] {
            QWidget* target = form.focusWidget() ? form.focusWidget() : &form;
            QTest::keyClick(target, Qt::Key_Escape);
        });
        EXPECT_FALSE(form.isVisible());
        EXPECT_THAT(host->Take(), ::testing::IsEmpty());
    }
}

}  // namespace
