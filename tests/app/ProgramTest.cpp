// The program as a user runs it: a confirmed exit ends it, and its windows' titles are their
// captions alone.
#include <gmock/gmock.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <chrono>
#include <string>
#include <vector>

#include "BoundedWait.h"
#include "CommandCode.h"
#include "EditorApplication.h"
#include "SimUnit.h"
#include "SimUnitTcpServer.h"

namespace {

// The unit's requests, without keep-alive and level polls.
std::vector<int> Requests(const SimUnit& unit) {
  std::vector<int> codes;
  for (const SimUnitFrame& f : unit.Frames())
    if (f.Code() != CMD_POLL && f.Code() != CMD_LEVELS) codes.push_back(f.Code());
  return codes;
}

class ConfirmedExit : public ::testing::TestWithParam<const char*> {};

// The editor connects to the unit by itself and reads it; the user then quits (window close
// or File > Exit) and confirms with OK: the links close and the process ends with 0 (a
// process left running with its link would hold the unit's connection).
TEST_P(ConfirmedExit, EndsTheProgram) {
  SimUnit unit;
  SimUnitTcpServer tcp(unit, "192.168.1.101", SimUnitTcpServer::kDefaultPort);
  QTemporaryDir instanceDir;  // the running-instance socket of this start only
  ASSERT_TRUE(instanceDir.isValid());
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(USER_DRIVER_FILE));
  env.insert(QStringLiteral("Q7K_DRIVE_EXIT"), QLatin1String(GetParam()));
  env.insert(QStringLiteral("Q7K_HID_NO_MONITOR"), QStringLiteral("1"));
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("TMPDIR"), instanceDir.path());
  // A sanitizer runtime loaded as a library must not object to the preloaded driver.
  const QString asan = env.value(QStringLiteral("ASAN_OPTIONS"));
  env.insert(QStringLiteral("ASAN_OPTIONS"), asan + (asan.isEmpty() ? "" : ":") + "verify_asan_link_order=0");

  QProcess editor;
  editor.setProcessEnvironment(env);
  editor.setProcessChannelMode(QProcess::ForwardedChannels);
  editor.start(QStringLiteral(EDITOR_FILE), {});
  ASSERT_TRUE(editor.waitForStarted());
  // Start-up, the read and the exit take well under a second each.
  const int limitMs = int(std::chrono::milliseconds(3 * kWaitLimit).count());
  const bool ended = editor.waitForFinished(limitMs);
  if (!ended) {
    editor.kill();
    editor.waitForFinished();
  }
  ASSERT_TRUE(ended) << "the editor still ran " << limitMs << " ms after it started";
  EXPECT_EQ(editor.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(editor.exitCode(), 0);
  const std::vector<int> requests = Requests(unit);
  ASSERT_FALSE(requests.empty());
  EXPECT_EQ(requests.front(), CMD_CONNECT) << "the editor started and connected";
  EXPECT_THAT(requests, ::testing::Contains(CMD_READ_IMAGE_PIECE));
}

INSTANTIATE_TEST_SUITE_P(Program, ConfirmedExit, ::testing::Values("window", "menu"),
                         [](const auto& info) { return std::string(info.param); });

// The window system shows a window's title with the application's display name appended once
// one is set: the program sets none, so each window's title is its caption alone.
TEST(Program, WindowTitlesAreTheCaptionsAlone) {
  SetUpApplication();
  EXPECT_EQ(QGuiApplication::applicationName(), "Q7K DSP Processor Editor V1.03");
  const QString name = QGuiApplication::applicationName();
  QGuiApplication::setApplicationName(QStringLiteral("probe"));
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), "probe") << "a display name of its own is set";
  QGuiApplication::setApplicationName(name);
}

}  // namespace
