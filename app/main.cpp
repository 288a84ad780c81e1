// Astrivo: a desktop horoscope with a 3D view of the zodiac and the planets.
#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <optional>

#include "app/command_line.h"
#include "app/horoscope_app.h"
#include "astrivo/build_facts.h"
#include "engine/local_clock.h"
#include "platform/prompt.h"
#include "platform/quit_signals.h"
#include "platform/settings_store.h"
#include "view/frame_memory.h"
#include "view/sky_view.h"

namespace {

// Decoding the icon's seven drawings and handing them to the window system takes a few
// milliseconds, so the icon is set once the sky has been painted the first time (or found
// unable to paint): every window, the dialogs opened later too, takes the application's icon.
class IconAfterFirstFrame : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if ((type == QEvent::UpdateRequest || type == QEvent::Expose) &&
        dynamic_cast<astrivo::SkyView*>(watched) != nullptr) {
      qApp->removeEventFilter(this);
      // Queued, so it runs after the paint this event starts.
      QTimer::singleShot(0, qApp, [] {
        QIcon icon;
        for (int size : astrivo::kIconSizes) {
          icon.addFile(QStringLiteral(":/icons/astrivo-%1.png").arg(size), QSize(size, size));
        }
        QApplication::setWindowIcon(icon);
      });
    }
    return false;
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  if (const std::optional<int> status = astrivo::AnswerCommandLine(argc, argv)) return *status;
  astrivo::QuitSignals::Catch();  // before the application object starts any thread
  astrivo::KeepFrameMemoryForReuse();
  astrivo::SkyView::SetDefaultSurfaceFormat();
  QApplication application(argc, argv);
  IconAfterFirstFrame icon;
  application.installEventFilter(&icon);
  astrivo::SettingsStore settings;
  const astrivo::SystemClock clock{};
  astrivo::HoroscopeApp app(settings, clock, astrivo::MessageBoxes());
  const astrivo::QuitSignals quitSignals([&app] { app.End(); });
  return app.Run();
}
