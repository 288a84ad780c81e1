// Runs the view tests inside a Qt GUI application (they need a display: Xvfb in CI).
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "view/sky_view.h"

int main(int argc, char* argv[]) {
  astrivo::SkyView::SetDefaultSurfaceFormat();
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
