// The main() of every test program: a QApplication on the offscreen platform, with the
// settings store and temporary files kept in a private folder of the run.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  // Offscreen unless a test runs a child on a real display (HALVENOR_TEST_PLATFORM=xcb).
  const QByteArray platform = qgetenv("HALVENOR_TEST_PLATFORM");
  qputenv("QT_QPA_PLATFORM", platform.isEmpty() ? QByteArray("offscreen") : platform);
  // A child test process (a restart) shares its parent's private home.
  QTemporaryDir home;
  if (qEnvironmentVariableIsEmpty("HALVENOR_TEST_HOME"))
    qputenv("HALVENOR_TEST_HOME", home.path().toLocal8Bit());
  const QString testHome = qEnvironmentVariable("HALVENOR_TEST_HOME");
  qputenv("XDG_CONFIG_HOME", (testHome + QStringLiteral("/config")).toLocal8Bit());
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
