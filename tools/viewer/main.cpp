// astrivo-viewer: shows the sky of today with the planets' trails of the four months before,
// in the main dialog's view alone, with a tilt and a heading slider.
#include <QApplication>
#include <QGridLayout>
#include <QSlider>
#include <QWidget>

#include "engine/calendar_date.h"
#include "sky/sky_scene.h"
#include "view/sky_view.h"

namespace {

constexpr int kTraceDays = 120;  // days of trail behind today: about the dialog's four months
constexpr int kWindowWidth = 1000, kWindowHeight = 700;  // pixels, a comfortable first size

}  // namespace

int main(int argc, char* argv[]) {
  astrivo::SkyView::SetDefaultSurfaceFormat();
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Astrivo sky"));
  auto* view = new astrivo::SkyView;
  auto* tilt = new QSlider(Qt::Vertical);
  auto* heading = new QSlider(Qt::Horizontal);
  auto* layout = new QGridLayout(&window);
  layout->addWidget(QWidget::createWindowContainer(view, &window), 0, 0);
  layout->addWidget(tilt, 0, 1);
  layout->addWidget(heading, 1, 0);
  view->InitGL();

  astrivo::SkyScene& scene = view->Scene();
  const astrivo::DayNumber today = astrivo::CalendarDate().GetDayNumber();
  scene.ClearTrails();
  for (astrivo::DayNumber day = today - kTraceDays; day <= today; ++day) scene.ShowDay(day);
  scene.tilt = astrivo::kTiltStart;
  tilt->setRange(astrivo::kTiltMin, astrivo::kTiltMax);
  tilt->setInvertedAppearance(true);
  tilt->setValue(astrivo::kTiltStart);
  heading->setRange(astrivo::kHeadingMin, astrivo::kHeadingMax);
  heading->setValue(-scene.heading);
  QObject::connect(tilt, &QSlider::valueChanged, [view](int value) {
    view->Scene().tilt = value;
    view->Repaint();
  });
  QObject::connect(heading, &QSlider::valueChanged, [view](int value) {
    view->Scene().heading = -value;
    view->Repaint();
  });
  window.resize(kWindowWidth, kWindowHeight);
  window.show();
  return app.exec();
}
