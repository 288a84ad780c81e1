// Astrivo: a desktop horoscope with a 3D view of the zodiac and the planets.
#include <QApplication>

#include "app/horoscope_app.h"
#include "platform/settings_store.h"
#include "view/sky_view.h"

int main(int argc, char* argv[]) {
  astrivo::SkyView::SetDefaultSurfaceFormat();
  QApplication application(argc, argv);
  astrivo::SettingsStore settings;
  astrivo::HoroscopeApp app(settings);
  return app.Run();
}
