#include "DialogTestSupport.h"

#include "Dialogs.h"
#include "ResourcePaths.h"
#include "ui/MessageBoxes.h"
#include "ui/TForm.h"

#include <QDir>
#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdio>

#include "BoundedWait.h"

FakeHost::FakeHost(bool chinese) { table.Load(chinese ? kChineseGbLanguageTable : kEnglishLanguageTable); }

void FakeHost::Record(const std::string& line) {
    const TimerClock* clock = TimerClock::Current();
    log.push_back(stamp && clock ? std::to_string(clock->Now()) + " " + line : line);
}

std::vector<std::string> FakeHost::Take() {
    std::vector<std::string> taken;
    taken.swap(log);
    return taken;
}

namespace {

// Bytes as "0A 1B ...".
template <class Bytes>
std::string Hex(const Bytes& data) {
    std::string bytes;
    for (std::uint8_t b : data) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%s%02X", bytes.empty() ? "" : " ", b);
        bytes += hex;
    }
    return bytes;
}

}  // namespace

void FakeHost::SendCmd(const LCmd& cmd, bool append) {
    const std::string bytes = Hex(cmd.GetPayload());
    Record("SendCmd " + std::to_string(cmd.GetDeviceId()) + ":" + std::to_string(cmd.GetCode()) + " [" + bytes +
           "] " + (append ? "append" : "replace"));
}

void FakeHost::SetDeviceId(int id) {
    Record("SetDeviceId " + std::to_string(id));
    if (id >= 1 && id <= 254) deviceId = std::uint8_t(id);
}

void FakeHost::SetUnitAddress(std::uint32_t a) {
    char text[16];
    std::snprintf(text, sizeof text, "%08X", unsigned(a));
    Record(std::string("SetUnitAddress ") + text);
    address = a;
}

void FakeHost::SetLinkMask(int ch, std::uint16_t mask) {
    Record("SetLinkMask " + std::to_string(ch) + " " + std::to_string(mask));
    masks[std::size_t(ch)] = mask;
}

void FakeHost::CopyChannel(int source, int destination, bool refresh) {
    Record("CopyChannel " + std::to_string(source) + " " + std::to_string(destination) + " " + std::to_string(refresh));
}

void FakeHost::ShowOverlayToggles(int ch, bool visible) {
    Record("ShowOverlayToggles " + std::to_string(ch) + " " + std::to_string(visible));
}

void FakeHost::SetPageButtonCaption(int master, int member) {
    Record("SetPageButtonCaption " + std::to_string(master) + " " + std::to_string(member));
}

void FakeHost::SetChannelName(int ch, const std::array<std::uint8_t, 8>& name) {
    Record("SetChannelName " + std::to_string(ch) + " [" + Hex(name) + "]");
    names[std::size_t(ch)] = name;
}

void DialogTest::SetUp() {
    clock = std::make_unique<TimerClock>();
    SetMainHost(host.get());
    SetMessageBoxHook([this](const QString& text, const QString& caption, unsigned) {
        boxes.push_back((caption + ": " + text).toStdString());
        return IDOK;
    });
    CreateDialogs();
}

void DialogTest::TearDown() {
    DestroyDialogs();
    SetMessageBoxHook(nullptr);
    SetMainHost(nullptr);
    clock.reset();
}

void DialogTest::UseChinese() {
    host->table.Load(kChineseGbLanguageTable);
}

void WhileModal(TForm& form, std::function<void()> body) {
    QPointer<TForm> alive(&form);
    QTimer::singleShot(0, &form, [alive, body = std::move(body)] {
        if (alive) body();
    });
}

int RunModal(TForm& form, std::function<void()> body) {
    bool ended = false;
    WhileModal(form, [&] {
        body();
        ended = true;
    });
    // A body that leaves the dialog open would hang the test: end it after the limit.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &form, [&form] { form.SetModalResult(mrAbort); });
    guard.start(int(std::chrono::milliseconds(kWaitLimit).count()));
    const int result = form.ShowModal();
    EXPECT_TRUE(ended) << "the test's steps did not run inside the dialog";
    EXPECT_NE(result, mrAbort) << "the dialog stayed open after the test's steps";
    return result;
}

QImage SaveGrab(QWidget& widget, const QString& fileName) {
    const QImage image = widget.grab().toImage();
    QDir().mkpath(Q7K_TEST_OUTPUT_DIR);
    image.save(QStringLiteral(Q7K_TEST_OUTPUT_DIR "/") + fileName);
    return image;
}
