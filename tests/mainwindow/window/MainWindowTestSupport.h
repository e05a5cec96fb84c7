#pragma once
// The main window made afresh for each test, on a test clock (so the automatic connect 300 ms
// after creation waits until a test moves the clock) and under a key of its own for the
// running-instance test, with the dialogs beside it.
#include "TfmMain.h"
#include "timer/TimerClock.h"

#include <QImage>
#include <QString>
#include <gtest/gtest.h>

#include <memory>

// The mean of a pixel's red, green and blue (dark faces stay well under 110).
inline int Lightness(QRgb c) { return (qRed(c) + qGreen(c) + qBlue(c)) / 3; }

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Switches the language through its menu item.
    void UseChinese();
    // Clicks the page button of that page (it goes down as under the mouse).
    void ShowPage(int page);
    // Lets queued paints and layouts run.
    static void Settle();
    // Grabs the window into the build tree under `name` and returns the picture.
    QImage SaveGrab(const QString& name);

    std::unique_ptr<TimerClock> clock;
    TfmMain* form = nullptr;
};
