// The application object: restores the last birth date, runs the main dialog and stores the
// birth date again when the dialog has closed.
#pragma once

namespace astrivo {

class LocalClock;
class Prompter;
class SettingsStore;

class HoroscopeApp {
 public:
  // None is owned; all outlive the application object. The dialog reads today from `clock`
  // and raises its prompts through `prompter`.
  HoroscopeApp(SettingsStore& settings, const LocalClock& clock, Prompter& prompter);

  // Reads the birth date (defaults 1 January 2000), runs the main dialog modally, writes the
  // birth date the dialog handed back. Returns the exit code.
  int Run();
  const LocalClock& Clock() const { return clock_; }
  Prompter& Prompts() const { return prompter_; }
  void ReadSettings();
  void WriteSettings();

  // The birth date as stored, unchecked: the dialog shows it as it is and hands back whatever
  // its fields hold when it closes.
  int birthDay = 1;
  int birthMonth = 1;
  int birthYear = 2000;

 private:
  SettingsStore& settings_;
  const LocalClock& clock_;
  Prompter& prompter_;
};

}  // namespace astrivo
