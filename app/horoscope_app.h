// The application object: restores the last birth date, runs the main dialog and stores the
// birth date again when the dialog has closed. What the user types is also stored a moment
// after each change and when the desktop session saves, so it outlives an end the program
// cannot see coming (the display server going away, a kill, a power cut).
#pragma once

namespace astrivo {

class HoroscopeDialog;
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
  // Ends the program as the close box does, for a request from outside (a signal): an open
  // box or menu closes first, then the window with its closing read-back, and Run() returns.
  void End();

  // The birth date as stored, unchecked: the dialog shows it as it is and hands back whatever
  // its fields hold when it closes.
  int birthDay = 1;
  int birthMonth = 1;
  int birthYear = 2000;

 private:
  void CloseBoxesThenWindow(int boxesClosed);

  SettingsStore& settings_;
  const LocalClock& clock_;
  Prompter& prompter_;
  HoroscopeDialog* dialog_ = nullptr;  // while Run() runs it
};

}  // namespace astrivo
