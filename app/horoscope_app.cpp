// Start-up and exit of the program around its one dialog.
#include "app/horoscope_app.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>

#include "app/horoscope_dialog.h"
#include "app/main_dialog_layout.h"
#include "platform/settings_store.h"

namespace astrivo {
namespace {

const QString kSection = QStringLiteral("user");
const QString kDayName = QStringLiteral("start day");
const QString kMonthName = QStringLiteral("start month");
const QString kYearName = QStringLiteral("start year");

// ms after the last change to a field before the fields are stored: a pause in typing, not
// every key.
constexpr int kStoreDelay = 500;
// Boxes closed one after another before the window closes regardless.
constexpr int kMostBoxesClosed = 20;

// Closes the box or menu on top. False when none is open.
bool CloseTopBox() {
  if (QWidget* menu = QApplication::activePopupWidget()) {
    menu->close();
    return true;
  }
  if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
    box->done(QDialog::Rejected);
    return true;
  }
  return false;
}

}  // namespace

HoroscopeApp::HoroscopeApp(SettingsStore& settings, const LocalClock& clock, Prompter& prompter)
    : settings_(settings), clock_(clock), prompter_(prompter) {}

int HoroscopeApp::Run() {
  ReadSettings();
  {
    HoroscopeDialog dialog(*this);
    dialog_ = &dialog;
    QTimer storeTimer;
    storeTimer.setSingleShot(true);
    storeTimer.setInterval(kStoreDelay);
    const auto store = [this, &dialog] {
      dialog.HandBack();
      WriteSettings();
    };
    QObject::connect(&storeTimer, &QTimer::timeout, &dialog, store);
    for (int id : {kIdBirthMonth, kIdBirthDay, kIdBirthYear}) {
      QObject::connect(dialog.ControlAs<QLineEdit>(id), &QLineEdit::textChanged, &storeTimer,
                       qOverload<>(&QTimer::start));
    }
    // The session may end the program after this without closing the window.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &dialog, store);
    dialog.exec();
    dialog_ = nullptr;
  }
  WriteSettings();
  return 0;
}

void HoroscopeApp::End() { CloseBoxesThenWindow(0); }

void HoroscopeApp::CloseBoxesThenWindow(int boxesClosed) {
  if (dialog_ == nullptr) return;
  // A box runs an event loop of its own; the window closes once the box has been taken down
  // and its loop has returned, so nothing the box's caller does afterwards outlives the window.
  if (boxesClosed < kMostBoxesClosed && CloseTopBox()) {
    QTimer::singleShot(0, dialog_, [this, boxesClosed] { CloseBoxesThenWindow(boxesClosed + 1); });
    return;
  }
  dialog_->close();
}

void HoroscopeApp::ReadSettings() {
  const std::vector<int> stored =
      settings_.ReadInts(kSection, {{kDayName, 1}, {kMonthName, 1}, {kYearName, 2000}});
  birthDay = stored[0];
  birthMonth = stored[1];
  birthYear = stored[2];
}

void HoroscopeApp::WriteSettings() {
  // All three in one replacement of the file, so the date is never stored half-way. A failed
  // write leaves the previous file in place; there is nobody to tell at exit.
  settings_.WriteInts(kSection,
                      {{kDayName, birthDay}, {kMonthName, birthMonth}, {kYearName, birthYear}});
}

}  // namespace astrivo
