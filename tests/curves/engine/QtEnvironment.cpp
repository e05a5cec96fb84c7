// One QApplication for the tests that draw on a graph (offscreen platform).
#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { app.reset(); }

private:
    int argc = 1;
    char arg0[16] = "test_curves";
    char* argv[2] = {arg0, nullptr};
    std::unique_ptr<QApplication> app;
};

[[maybe_unused]] const auto* const environment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
