#include <gtest/gtest.h>

#include <QCoreApplication>

// The hand-overs need an event loop on the thread that runs the tests.
int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
