// astrivo-viewer: shows the sky of today with the planets' trails of the four months before,
// in the view the main dialog will hold, with a tilt and a heading slider.
#include <QApplication>
#include <QDate>
#include <QGridLayout>
#include <QSlider>
#include <QWidget>

#include "view/sky_view.h"

namespace {

constexpr int kTraceDays = 120;  // days of trail behind today
constexpr int kTilt = 30;        // the dialog's starting tilt

// The program's day numbers count 1 January 2000 as day 1.
qint64 DayNumber(const QDate& date) { return QDate(1999, 12, 31).daysTo(date); }

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
  const qint64 today = DayNumber(QDate::currentDate());
  scene.ClearTrails();
  for (qint64 day = today - kTraceDays; day <= today; ++day) scene.ShowDay(day);
  scene.tilt = kTilt;
  tilt->setRange(0, 90);
  tilt->setInvertedAppearance(true);
  tilt->setValue(kTilt);
  heading->setRange(-180, 180);
  heading->setValue(-scene.heading);
  QObject::connect(tilt, &QSlider::valueChanged, [view](int value) {
    view->Scene().tilt = value;
    view->Repaint();
  });
  QObject::connect(heading, &QSlider::valueChanged, [view](int value) {
    view->Scene().heading = -value;
    view->Repaint();
  });
  window.resize(1000, 700);
  window.show();
  return app.exec();
}
