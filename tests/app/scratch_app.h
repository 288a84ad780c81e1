// The application object over a settings file of its own in a scratch folder, so that each
// test case starts from empty settings and leaves the user's alone.
#pragma once

#include <QTemporaryDir>

#include "app/horoscope_app.h"
#include "fixed_today.h"
#include "platform/settings_store.h"
#include "scoped_prompt_answer.h"

namespace astrivo {

struct ScratchSettings {
  QTemporaryDir folder;
  SettingsStore store{folder.filePath("astrivo.ini")};
};

// The settings come first among the bases, so they outlive the application object.
class ScratchApp : private ScratchSettings, public HoroscopeApp {
 public:
  ScratchApp() : HoroscopeApp(store, kTestClock, TestPrompts()) {}
};

}  // namespace astrivo
