#pragma once
// The real main window for the image, curve and strip tests: made afresh for each test on a
// test clock (the automatic connect never fires), under an instance key of its own, with
// every command the window would send recorded instead of dropped.
#include "LCmd.h"
#include "LUnitControl.h"
#include "TfmMain.h"
#include "UpdatingScope.h"
#include "timer/TimerClock.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

class RecordingMain : public TfmMain {
public:
    using TfmMain::TfmMain;
    void SendCmd(const LCmd& cmd, bool append) override
    {
        sent.push_back(cmd.Serialise());
        (void)append;
    }
    std::vector<ByteArray> sent;
};

class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        clock = std::make_unique<TimerClock>();
        TfmMain::InstanceKey() = QStringLiteral("q7k-image-test-%1").arg(QCoreApplication::applicationPid());
        form = new RecordingMain(nullptr);
        form->sent.clear();
    }
    void TearDown() override
    {
        delete form;
        clock.reset();
    }

    LUnitControl& Unit() { return form->UnitControl(); }

    // Changes the image as the unit or a file would: written, nothing sent.
    template <class F>
    void EditImage(F&& edit)
    {
        UpdatingScope updating(form->FUpdating);
        edit(Unit());
    }

    // Puts a whole image into the window's image as the unit's 15 pieces would.
    void Load(const UnitImage& image)
    {
        const ImageBytes bytes = ToBytes(image);
        for (int piece = 0; piece < LUnitControl::kPieceCount; ++piece) {
            ByteArray payload{std::uint8_t(piece)};
            const std::size_t at = std::size_t(piece) * LUnitControl::kPieceSize;
            payload.insert(payload.end(), bytes.begin() + std::ptrdiff_t(at),
                           bytes.begin() + std::ptrdiff_t(std::min(at + LUnitControl::kPieceSize, bytes.size())));
            Unit().ReceiveImagePiece(payload);
        }
    }

    template <class T>
    T* Control(const QString& name)
    {
        T* control = form->Find<T>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }

    // The frame the window sends to unit 1 for a command code and payload:
    // 10 02 00 id len code payload 10 03 xor.
    static ByteArray Frame(std::uint8_t code, ByteArray payload)
    {
        ByteArray out{0x10, 0x02, 0x00, 0x01, std::uint8_t(payload.size() + 1), code};
        out.insert(out.end(), payload.begin(), payload.end());
        out.insert(out.end(), {0x10, 0x03});
        std::uint8_t x = 0;
        for (std::uint8_t b : out)
            x ^= b;
        out.push_back(x);
        return out;
    }

    static void Settle()
    {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    }

    std::unique_ptr<TimerClock> clock;
    RecordingMain* form = nullptr;
};
