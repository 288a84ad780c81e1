// The application object: restores the last birth date, runs the main dialog and stores the
// birth date again when the dialog has closed.
#pragma once

namespace astrivo {

class SettingsStore;

class HoroscopeApp {
 public:
  explicit HoroscopeApp(SettingsStore& settings);

  // Reads the birth date (defaults 1 January 2000), runs the main dialog modally, writes the
  // birth date the dialog handed back. Returns the exit code.
  int Run();
  void ReadSettings();
  void WriteSettings();

  // The birth date as stored, unchecked: the dialog shows it as it is and hands back whatever
  // its fields hold when it closes.
  int birthDay = 1;
  int birthMonth = 1;
  int birthYear = 2000;

 private:
  SettingsStore& settings_;
};

}  // namespace astrivo
