// The main window and the About box driven through the X server as keyboard, mouse and
// screen-reader users meet them: where the focus goes, what Enter presses, the sliders' keys
// and wheel, mnemonics, the link, the menu, and what assistive technology reads.
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMetaEnum>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <iterator>
#include <memory>

#include "app/about_dialog.h"
#include "app/about_layout.h"
#include "app/horoscope_dialog.h"
#include "app/main_dialog_layout.h"
#include "engine/local_clock.h"
#include "platform/prompt.h"
#include "scratch_app.h"
#include "sky/sky_scene.h"
#include "x_input.h"

namespace astrivo {
namespace {

constexpr int kTraceTimeout = 20000;  // ms; a trace of four months lasts about 6 s

struct Named {
  const char* name;
  int id;
};
// clang-format off
constexpr Named kControls[] = {
    {"tilt", kIdTiltSlider}, {"heading", kIdHeadingSlider}, {"month", kIdBirthMonth},
    {"day", kIdBirthDay}, {"year", kIdBirthYear}, {"submit", kIdSubmit}, {"today", kIdToday},
    {"tomorrow", kIdTomorrow}, {"week", kIdThisWeek}, {"thismonth", kIdThisMonth},
    {"signs", kIdSignList}, {"view", kIdSkyView}, {"trace", kIdTraceMonth}, {"link", kIdLink},
    {"ok", kIdOk}};
// clang-format on

// One user session from a freshly opened window. Steps: keys by their X names ("S-" holds
// Shift); click:, rclick:, press: and move: a control's centre ("off": the window's centre);
// release; wheel:away or wheel:toward over the focused control; hold:space with the server's
// auto-repeat; wait for the trace to end; replay: space bar events as X delivers them, "+" a
// press, "-" a release at a timestamp in ms, "*" flagged as auto-repeat (Qt flags a repeat
// only when it saw its release and press in time). `shown` is "control=what it shows": a
// field's text, a slider's position, a push button "default" or "plain", a radio button
// "checked" or "unchecked", anything else its accessible name. `happened`: "" nothing,
// "rated" (the trace runs), "opened N" (the link's address), "menu ..." or "closed R".
struct Session {
  const char* name;
  bool about;         // the About box, else the main window
  const char* start;  // the control given the focus first, or "" where the window puts it
  const char* steps;
  const char* focus;  // "" when the window closed
  const char* shown;
  const char* happened;
};
// Track bars: tilt 0..90 from 30, a page 90 / 5 = 18; heading -180..180 from 0, a page 72; a
// wheel notch 3 steps. Today is Wednesday 16 June 2004, so This Week ends on Sunday 20 June.
// clang-format off
constexpr Session kSessions[] = {
  {"opens on tilt, no default button", false, "", "", "tilt", "submit=plain", ""},
  {"view click keeps the focus", false, "day", "click:view End 5 Escape", "", "day=15", "closed 0"},
  {"right click on the view", false, "", "rclick:view", "tilt", "", "menu &About Astrivo..."},
  {"Enter in a field runs OK", false, "year", "Return", "", "", "closed 1"},
  {"Tab to Submit, Enter presses it", false, "year", "Tab Return", "submit", "submit=default", "rated"},
  {"Shift+Tab leaves Submit plain", false, "submit", "S-Tab", "year", "submit=plain", ""},
  {"disabled Submit keeps the focus", false, "submit", "Return Down Return", "submit", "tilt=30", "rated"},
  {"Tab leaves a disabled Submit", false, "submit", "Return Tab", "today", "", "rated"},
  {"enabled again, Enter presses it", false, "submit", "Return wait Return", "submit",
   "trace=Trace Date: June 20, 2004", "rated"},
  {"Space on a period button rates", false, "tomorrow", "space", "tomorrow", "tomorrow=checked", "rated"},
  {"tilt Up Left Page_Up, wheel away", false, "tilt", "Up Left Page_Up wheel:away", "tilt", "tilt=7", ""},
  {"tilt Down Right Page_Down, wheel toward", false, "tilt", "Down Right Page_Down wheel:toward",
   "tilt", "tilt=53", ""},
  {"tilt Home Down", false, "tilt", "Home Down", "tilt", "tilt=1", ""},
  {"tilt End Up", false, "tilt", "End Up", "tilt", "tilt=89", ""},
  {"heading Up Left Page_Up, wheel away", false, "heading", "Up Left Page_Up wheel:away",
   "heading", "heading=-77", ""},
  {"heading Down Right Page_Down, wheel toward", false, "heading",
   "Down Right Page_Down wheel:toward", "heading", "heading=77", ""},
  {"heading Home", false, "heading", "Home", "heading", "heading=-180", ""},
  {"heading End", false, "heading", "End", "heading", "heading=180", ""},
  {"slider, bare M: This Month", false, "tilt", "m", "thismonth", "thismonth=checked", "rated"},
  {"slider, bare O: Tomorrow", false, "tilt", "o", "tomorrow", "tomorrow=checked", "rated"},
  {"Submit, bare T: Today", false, "submit", "t", "today", "today=checked", "rated"},
  {"radio button, bare M", false, "week", "m", "thismonth", "thismonth=checked", "rated"},
  {"field takes the M", false, "month", "m", "month", "month=1m", ""},
  {"sign list takes the T", false, "signs", "t", "signs", "signs=TAURUS ", ""},
  {"About opens on OK", true, "", "", "ok", "ok=default", ""},
  {"About: link focused, OK default", true, "", "S-Tab", "link", "ok=default", ""},
  {"About: Enter on the link presses OK", true, "link", "Return", "", "", "closed 1"},
  {"About: click OK", true, "", "click:ok", "", "", "closed 1"},
  {"About: Escape", true, "", "Escape", "", "", "closed 0"},
  {"link: Space opens", true, "link", "space", "link", "", "opened 1"},
  {"link: held Space opens once", true, "link", "hold:space space", "link", "", "opened 2"},
  {"link: repeats flagged", true, "link", "replay:+100,-760*,+760*,-800*,+800*,-900", "link", "", "opened 1"},
  {"link: repeats taken for presses", true, "link", "replay:+100,-760,+760,-800,+800,-900", "link", "",
   "opened 1"},
  {"link: repeats as presses only", true, "link", "replay:+100,+760,+800,-900", "link", "", "opened 1"},
  {"link: two presses", true, "link", "replay:+100,-200,+300,-400", "link", "", "opened 2"},
  {"link: dragged off opens nothing", true, "", "press:link move:off release", "link", "", ""},
  {"link: dragged back, clicked again", true, "",
   "press:link move:off move:link release click:link", "link", "", "opened 2"},
  {"link: right click opens nothing", true, "", "rclick:link", "ok", "", ""},
};
// clang-format on

// Counts the space bar's presses as the control receives them, repeats included.
struct SpaceCounter : QObject {
  int count = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    count +=
        event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space;
    return false;
  }
};

QPoint CentreOf(const QWidget* widget) { return widget->mapToGlobal(widget->rect().center()); }

QString Shown(QWidget* control) {
  if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
  if (auto* slider = qobject_cast<QSlider*>(control)) return QString::number(slider->value());
  if (auto* list = qobject_cast<QComboBox*>(control)) return list->currentText();
  if (auto* push = qobject_cast<QPushButton*>(control))
    return push->isDefault() ? "default" : "plain";
  if (auto* radio = qobject_cast<QAbstractButton*>(control))
    return radio->isChecked() ? "checked" : "unchecked";
  return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

// As a screen reader says it: role and name, or "skipped" for what it passes by.
QString Read(QWidget* control) {
  const QAccessibleInterface* read = QAccessible::queryAccessibleInterface(control);
  if (read->state().invisible) return QStringLiteral("skipped");
  return QString::fromLatin1(QMetaEnum::fromType<QAccessible::Role>().valueToKey(read->role())) +
         ": " + read->text(QAccessible::Name);
}

}  // namespace

class UserInputTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY2(input_.Available(), "needs an X server with the XTest extension");
    connect(&menuWatch_, &QTimer::timeout, this, [this] {  // runs inside the menu's own loop
      if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        for (const QAction* action : menu->actions()) menu_ << action->text();
        menu->close();
      }
    });
    menuWatch_.start(10);
  }
  void cleanup() {
    dialog_.reset();
    app_.reset();
    openings_ = 0;
    menu_.clear();
  }

  void DrivesTheWindow_data() {
    QTest::addColumn<int>("session");
    for (std::size_t i = 0; i < std::size(kSessions); ++i)
      QTest::newRow(kSessions[i].name) << int(i);
  }
  void DrivesTheWindow() {
    QFETCH(int, session);
    const Session& s = kSessions[session];
    Open(s.about);
    if (*s.start != 0) Control(s.start)->setFocus();
    Run(QString::fromLatin1(s.steps));
    if (QTest::currentTestFailed()) return;
    if (*s.focus != 0) QTRY_COMPARE(Name(QApplication::focusWidget()), QString(s.focus));
    const QStringList shown = QString::fromLatin1(s.shown).split(u'=');
    if (shown.size() == 2) QTRY_COMPARE(Shown(Control(shown[0])), shown[1]);
    QTRY_COMPARE(Happened(), QString(s.happened));
    // A slider moved by the user turns the view with it.
    if (shown[0] == u"tilt") QCOMPARE(QString::number(main_->Scene().tilt), shown[1]);
    if (shown[0] == u"heading") QCOMPARE(QString::number(-main_->Scene().heading), shown[1]);
  }

  void TabReachesEveryControl() {
    Open(false);
    QStringList order{Name(QApplication::focusWidget())};
    for (int stop = 0; stop < 11; ++stop) {
      Run("Tab");
      order << Name(QApplication::focusWidget());
    }
    QCOMPARE(order.join(u' '),
             "tilt month day year submit today tomorrow week thismonth signs heading tilt");
  }

  // Names and roles written out by hand. The stored default birth date, 1 January 2000, is a
  // Capricorn, which the view faces after the first rating.
  void ScreenReaderNamesAndRoles() {
    Open(false);
    QStringList read;
    for (const char* name : {"month", "day", "year", "heading", "tilt", "today", "tomorrow", "week",
                             "thismonth", "view", "trace"}) {
      read << Read(Control(name));
    }
    read << Read(main_->Control(kIdTraceDay)) << Read(main_->Control(kIdTraceYear))
         << Shown(main_->Control(kIdLuckBar));
    QCOMPARE(read,
             (QStringList{"EditableText: Birth Date: Month", "EditableText: Birth Date: Day",
                          "EditableText: Birth Date: Year", "Slider: Heading", "Slider: Tilt",
                          "RadioButton: Today", "RadioButton: Tomorrow", "RadioButton: This Week",
                          "RadioButton: This Month", "Graphic: Sky view facing Capricorn",
                          "StaticText: Trace Date: June 20, 2004", "skipped", "skipped", "Luck"}));
  }

  // Layout 100 at base units 6 x 13 (x * 6 / 4, y * 13 / 8, rounded half away from zero): the
  // link's corner (60, 35) is (90, 57) px. Picture 176 keeps its own 299 x 212 px. The link
  // shrinks to its caption, blue and underlined, and the window as the screen shows it
  // changes at the link and at OK when the focus moves between them.
  void AboutBoxShowsItsPartsAndTheFocus() {
    Open(true);
    QStringList texts;
    for (const QLabel* label : dialog_->findChildren<QLabel*>()) {
      texts << label->text() + QString::number(label->pixmap().width());
    }
    QVERIFY2(texts.contains("Astrivo Version 1.10") && texts.contains("299"),
             qPrintable(texts.join(u'|')));
    QWidget* link = Control("link");
    const QFontMetrics metrics(link->font());
    QCOMPARE(link->geometry(), QRect(90, 57, metrics.horizontalAdvance("https://astrivo.example/"),
                                     metrics.height()));
    const QImage onOk = dialog_->grab().toImage().copy(link->geometry()),
                 okOnOk = dialog_->grab().toImage().copy(Control("ok")->geometry());
    int blue = 0;
    for (int y = 0; y < onOk.height(); ++y) {
      for (int x = 0; x < onOk.width(); ++x) blue += onOk.pixel(x, y) == qRgb(0, 0, 255);
    }
    QVERIFY2(blue >= link->width(), "blue text over a blue underline");
    Run("S-Tab");
    QCOMPARE(QApplication::focusWidget(), link);
    QVERIFY2(dialog_->grab().toImage().copy(link->geometry()) != onOk, "the link shows its focus");
    QVERIFY2(dialog_->grab().toImage().copy(Control("ok")->geometry()) != okOnOk,
             "OK shows its focus");
  }

 private:
  void Open(bool about) {
    app_ = std::make_unique<ScratchApp>();
    if (about) {
      auto* box = new AboutDialog;
      box->Link()->SetOpener([this](const QString&) { ++openings_; });
      dialog_.reset(box);
    } else {
      main_ = new HoroscopeDialog(*app_);
      dialog_.reset(main_);
      // The start's trace and turn are run out at once; the sessions run the timers for real.
      while (main_->IsTimerRunning(HoroscopeDialog::kTraceTimer)) main_->AdvanceTrace();
      while (main_->IsTimerRunning(HoroscopeDialog::kTurnTimer)) main_->OnTurnTick();
      main_->ControlAs<QSlider>(kIdHeadingSlider)->setValue(0);
    }
    dialog_->show();
    dialog_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
    input_.SetAutoRepeat(false);
  }

  QWidget* Control(const QString& name) const {
    for (const Named& control : kControls) {
      if (name == QLatin1String(control.name)) return dialog_->Control(control.id);
    }
    return name == u"off" ? dialog_.get() : nullptr;
  }
  QString Name(const QWidget* widget) const {
    for (const Named& control : kControls) {
      if (widget != nullptr && dialog_->Control(control.id) == widget) return control.name;
    }
    return widget == nullptr ? "nothing" : widget->metaObject()->className();
  }

  void Run(const QString& steps) {
    for (const QString& step : steps.split(u' ', Qt::SkipEmptyParts)) {
      const QString verb = step.section(u':', 0, 0), target = step.section(u':', 1);
      QWidget* at = verb == u"wheel" ? QApplication::focusWidget() : Control(target);
      if (at != nullptr) input_.MoveTo(CentreOf(at));
      const int button = verb == u"rclick" ? 3 : verb != u"wheel" ? 1 : target == u"away" ? 4 : 5;
      if (verb == u"press" || verb.endsWith(u"click") || verb == u"wheel")
        input_.Button(button, true);
      if (verb == u"release" || verb.endsWith(u"click") || verb == u"wheel")
        input_.Button(button, false);
      if (verb == u"hold") {
        SpaceCounter presses;
        QApplication::focusWidget()->installEventFilter(&presses);
        input_.SetAutoRepeat(true);
        input_.Key(target, true);
        QTRY_VERIFY_WITH_TIMEOUT(presses.count >= 8, 10000);  // the press and seven repeats
        input_.Key(target, false);
        input_.SetAutoRepeat(false);
      } else if (verb == u"wait") {
        QTRY_VERIFY_WITH_TIMEOUT(!dialog_->IsTimerRunning(HoroscopeDialog::kTraceTimer),
                                 kTraceTimeout);
      } else if (verb == u"replay") {
        for (QString event : target.split(u',')) {
          QKeyEvent key(event[0] == u'+' ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_Space,
                        Qt::NoModifier, " ", event.endsWith(u'*'));
          key.setTimestamp(event.remove(u'*').mid(1).toULongLong());
          QApplication::sendEvent(QApplication::focusWidget(), &key);
        }
      } else if (target.isEmpty() && verb != u"release") {
        const bool shifted = verb.startsWith(u"S-");
        if (shifted) input_.Key("Shift_L", true);
        // 30 ms after the last release, as a finger comes back: a press in the same
        // millisecond as a release looks like auto-repeat.
        input_.Key(verb.mid(shifted ? 2 : 0), true, 30);
        input_.Key(verb.mid(shifted ? 2 : 0), false);
        if (shifted) input_.Key("Shift_L", false);
      }
    }
  }

  QString Happened() const {
    if (!dialog_->isVisible()) return QStringLiteral("closed %1").arg(dialog_->result());
    if (!menu_.isEmpty()) return "menu " + menu_.join(u'|');
    if (openings_ > 0) return QStringLiteral("opened %1").arg(openings_);
    return dialog_->IsTimerRunning(HoroscopeDialog::kTraceTimer) ? "rated" : "";
  }

  XInput input_;
  const FixedToday today_{{16, 6, 2004}};
  const ScopedPromptAnswer prompts_{[](QWidget*, const QString&) {}};
  std::unique_ptr<ScratchApp> app_;
  std::unique_ptr<Dialog> dialog_;
  HoroscopeDialog* main_ = nullptr;  // dialog_ when it is the main window
  int openings_ = 0;
  QStringList menu_;
  QTimer menuWatch_;
};

}  // namespace astrivo

QTEST_MAIN(astrivo::UserInputTest)
#include "user_input_test.moc"
