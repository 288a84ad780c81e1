// Runs the view tests inside a Qt GUI application (they need a display: Xvfb in CI).
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "gl_frame.h"

int main(int argc, char* argv[]) {
  ::testing::InitGoogleTest(&argc, argv);
  // Listing the tests needs no display, so ctest can discover them anywhere.
  if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  astrivo::SkyView::SetDefaultSurfaceFormat();
  QGuiApplication app(argc, argv);
  const int result = RUN_ALL_TESTS();
  astrivo::test::SharedView().reset();
  return result;
}
