// SPDX-License-Identifier: GPL-3.0-or-later
// Test entry: a QApplication on Qt's offscreen platform, then GoogleTest.
#include <QApplication>
#include <gtest/gtest.h>
#include <unistd.h>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The page preview's web engine needs shared graphics contexts, and no
  // sandbox when the tests run as root.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  if (geteuid() == 0 && !qgetenv("QTWEBENGINE_CHROMIUM_FLAGS").contains("--no-sandbox"))
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") + " --no-sandbox");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
