// The main window and the About box driven through the X server as keyboard, mouse and
// screen-reader users meet them: where the focus goes, what Enter presses, the sliders' keys
// and wheel, mnemonics, the link, the menu, and what assistive technology reads.
#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMetaEnum>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <memory>

#include "app/about_dialog.h"
#include "app/horoscope_dialog.h"
#include "dialog_peer.h"
#include "fixed_today.h"
#include "named_controls.h"
#include "run_out_start.h"
#include "scoped_prompt_answer.h"
#include "scratch_app.h"
#include "sky/sky_scene.h"
#include "view/sky_view.h"
#include "x_input.h"

namespace astrivo {
namespace {

// One user session from a freshly opened window. Steps: keys by their X names ("S-" holds
// Shift); click:, rclick:, press: and move: a control's centre ("off": the window's centre);
// release; wheel:away or wheel:toward over the focused control; wait for the trace to end;
// replay: space bar events as X delivers them to the focused control, "+" a press, "-" a
// release at a timestamp in ms, "*" flagged as auto-repeat; toview: the same delivered to the
// sky view's window, as a window system that lets a click give the view the keyboard does (Qt flags a repeat only when it saw its release and press in
// time; the server sends each repeat as a release and a press with one timestamp).
// `shown` is "control=what it shows": a
// field's text, a slider's position, a list's entry, else the control's name, with "checked"
// or "default" where that applies. `happened`: "" nothing, "rated" (the trace runs),
// "opened N" (the link's address), "menu ..." or "closed R" (the dialog's result).
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
  {"opens on tilt, no default button", false, "", "", "tilt", "submit=Submit", ""},
  {"view click keeps the focus", false, "day", "click:view End 5 Escape", "", "day=15", "closed 0"},
  {"view click, Space on Submit", false, "submit", "click:view space", "submit", "", "rated"},
  {"Space that reaches the view", false, "submit", "toview:+1,-2", "submit", "", "rated"},
  {"right click on the view", false, "", "rclick:view", "tilt", "", "menu &About Astrivo..."},
  {"Enter in a field runs OK", false, "year", "Return", "", "", "closed 1"},
  {"Enter on Submit", false, "year", "Tab Return", "submit", "submit=Submit default", "rated"},
  {"Shift+Tab leaves Submit plain", false, "submit", "S-Tab", "year", "submit=Submit", ""},
  {"disabled Submit keeps focus", false, "submit", "Return Down Return", "submit", "tilt=30",
   "rated"},
  {"Tab leaves a disabled Submit", false, "submit", "Return Tab", "today", "", "rated"},
  {"enabled again, Enter presses it", false, "submit", "Return wait Return", "submit",
   "trace=Trace Date: June 20, 2004", "rated"},
  {"Space on a period button", false, "tomorrow", "space", "tomorrow", "tomorrow=Tomorrow checked",
   "rated"},
  {"tilt decreasing", false, "tilt", "Up Left Page_Up wheel:away", "tilt", "tilt=7", ""},
  {"tilt increasing", false, "tilt", "Down Right Page_Down wheel:toward", "tilt", "tilt=53", ""},
  {"tilt Home", false, "tilt", "Home Down", "tilt", "tilt=1", ""},
  {"heading decreasing", false, "heading", "Up Left Page_Up wheel:away", "heading", "heading=-77",
   ""},
  {"heading increasing", false, "heading", "Down Right Page_Down wheel:toward", "heading",
   "heading=77", ""},
  {"heading End", false, "heading", "End Up", "heading", "heading=179", ""},
  {"slider, bare M", false, "tilt", "m", "thismonth", "thismonth=This Month checked", "rated"},
  {"Submit, bare T", false, "submit", "t", "today", "today=Today checked", "rated"},
  {"radio button, bare O", false, "week", "o", "tomorrow", "tomorrow=Tomorrow checked", "rated"},
  {"field takes the M", false, "month", "m", "month", "month=1m", ""},
  {"sign list takes the T", false, "signs", "t", "signs", "signs=TAURUS ", ""},
  {"About opens on OK", true, "", "", "ok", "ok=OK default", ""},
  {"link focused, OK default", true, "", "S-Tab", "link", "ok=OK default", ""},
  {"Enter on the link presses OK", true, "link", "Return", "", "", "closed 1"},
  {"link: Space", true, "link", "space", "link", "", "opened 1"},
  {"link: repeats flagged", true, "link", "replay:+1,-7*,+7*,-8*,+8*,-9", "link", "", "opened 1"},
  {"link: repeats unflagged", true, "link", "replay:+1,-7,+7,-8,+8,-9", "link", "", "opened 1"},
  {"link: repeats as presses", true, "link", "replay:+1,+7,+8,-9", "link", "", "opened 1"},
  {"link: two presses", true, "link", "replay:+1,-2,+3,-4", "link", "", "opened 2"},
  {"link: dragged off", true, "", "press:link move:off release", "link", "", ""},
  {"link: dragged back, clicked", true, "", "press:link move:off move:link release click:link",
   "link", "", "opened 2"},
  {"link: right click", true, "", "rclick:link", "ok", "", ""},
};
// clang-format on

// What a control shows, as a reader reads it: its value, else its name, and whether it is
// checked or the default button.
QString Shown(QWidget* control) {
  const QAccessibleInterface* read = QAccessible::queryAccessibleInterface(control);
  const QString value = read->text(QAccessible::Value);
  return (value.isEmpty() ? read->text(QAccessible::Name) : value) +
         (read->state().checked ? " checked" : "") +
         (read->state().defaultButton ? " default" : "");
}

// As a screen reader says it: role, name and value, or "skipped" for what it passes by.
QString Read(QWidget* control) {
  const QAccessibleInterface* read = QAccessible::queryAccessibleInterface(control);
  if (read->state().invisible) return QStringLiteral("skipped");
  return QStringLiteral("%1 '%2' %3")
      .arg(QMetaEnum::fromType<QAccessible::Role>().valueToKey(read->role()),
           read->text(QAccessible::Name), read->text(QAccessible::Value))
      .trimmed();
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
    for (const Session& s : kSessions) QTest::newRow(s.name) << int(&s - kSessions);
  }
  void DrivesTheWindow() {
    QFETCH(int, session);
    const Session& s = kSessions[session];
    Open(s.about);
    if (*s.start != 0) Control(s.start)->setFocus();
    Run(QString::fromLatin1(s.steps));
    if (*s.focus != 0) QTRY_COMPARE(Name(QApplication::focusWidget()), QString(s.focus));
    const QStringList shown = QString::fromLatin1(s.shown).split(u'=');
    if (shown.size() == 2) QTRY_COMPARE(Shown(Control(shown[0])), shown[1]);
    QTRY_COMPARE(Happened(), QString(s.happened));
    // A slider moved by the user turns the view with it.
    if (shown[0] == u"tilt")
      QCOMPARE(QString::number(HoroscopeDialogPeer::Scene(*main_).tilt), shown[1]);
    if (shown[0] == u"heading")
      QCOMPARE(QString::number(-HoroscopeDialogPeer::Scene(*main_).heading), shown[1]);
  }

  // Tab runs through every control a keyboard user can reach, back to the tilt slider where
  // the focus starts, and a screen reader names each one; then the controls it only reads.
  // Written out by hand: the stored default birth date, 1 January 2000, is a Capricorn, which
  // the view faces after the first rating; Fortune's 29 for the week of 14 to 20 June 2004 is
  // tools/reference/sky_reference.py's `rate 1 1 2000 14 6 2004 20 6 2004`.
  void TabReachesEveryControlAndEachIsNamed() {
    Open(false);
    QStringList heard{Read(QApplication::focusWidget())};
    for (int stop = 0; stop < 11; ++stop) {
      const QWidget* before = QApplication::focusWidget();
      Run("Tab");
      QTRY_VERIFY(QApplication::focusWidget() != before);
      heard << Read(QApplication::focusWidget());
    }
    for (int id : {kIdSkyView, kIdTraceMonth, kIdTraceDay, kIdTraceYear, kIdLuckBar}) {
      heard << Read(main_->Control(id));
    }
    QCOMPARE(heard.join(" | "),
             "Slider 'Tilt' 30 | EditableText 'Birth Date: Month' 1 | EditableText 'Birth Date: "
             "Day' 1 | EditableText 'Birth Date: Year' 2000 | Button 'Submit' | RadioButton "
             "'Today' | RadioButton 'Tomorrow' | RadioButton 'This Week' | RadioButton 'This "
             "Month' | ComboBox 'Sign shown in the view' CAPRICORN | Slider 'Heading' 0 | "
             "Slider 'Tilt' 30 | Graphic 'Sky view facing Capricorn' | StaticText 'Trace Date: "
             "June 20, 2004' | skipped | skipped | ProgressBar 'Fortune rating' 29");
  }

  // The box names the program's version (1.1, the release); the window as the screen shows it
  // changes at the link and at OK when the focus moves between them.
  void AboutBoxShowsTheVersionAndTheFocus() {
    Open(true);
    QStringList texts;
    for (const QLabel* label : dialog_->findChildren<QLabel*>()) texts << label->text();
    QVERIFY2(texts.contains(QStringLiteral("Astrivo Version 1.1")), qPrintable(texts.join('|')));
    const QImage onOk = dialog_->grab().toImage();
    Run("S-Tab");
    QTRY_COMPARE(QApplication::focusWidget(), Control("link"));
    const QImage onLink = dialog_->grab().toImage();
    // The link's focus frame lies round it, outside the control that its text fills.
    const QRect linkFrame = static_cast<AboutDialog*>(dialog_.get())->Link()->FocusFrame();
    for (const QRect& place : {linkFrame, Control("ok")->geometry()}) {
      QVERIFY2(onOk.copy(place) != onLink.copy(place), place == linkFrame ? "link" : "OK");
    }
  }

 private:
  void Open(bool about) {
    app_ = std::make_unique<ScratchApp>();
    main_ = about ? nullptr : new HoroscopeDialog(*app_);
    dialog_.reset(about ? static_cast<Dialog*>(new AboutDialog) : main_);
    if (about) {
      static_cast<AboutDialog*>(dialog_.get())->Link()->SetOpener([this](const QString&) {
        ++openings_;
      });
    } else {
      // The start's trace and turn are run out at once; the sessions run the timers for real.
      QVERIFY(RunOutStart(*main_));
      main_->ControlAs<QSlider>(kIdHeadingSlider)->setValue(0);
    }
    ShowForInput(*dialog_);
  }

  QWidget* Control(const QString& name) const {
    return name == u"off" ? dialog_.get() : NamedControl(*dialog_, name);
  }
  QString Name(const QWidget* widget) const { return ControlName(*dialog_, widget); }

  void Run(const QString& steps) {
    for (const QString& step : steps.split(u' ', Qt::SkipEmptyParts)) {
      const QString verb = step.section(u':', 0, 0), target = step.section(u':', 1);
      QWidget* at = verb == u"wheel" ? QApplication::focusWidget() : Control(target);
      if (at != nullptr) {
        input_.MoveTo(XInput::OnScreen(at, at->rect().center()));
        // A Wayland compositor may place a new window after its first frame, and the program
        // learns where the pointer is only from the compositor. (The view is a window of its
        // own, which the pointer enters instead.)
        if (QGuiApplication::platformName() == QLatin1String("wayland") && target != u"view") {
          QTRY_VERIFY2(at->underMouse(), qPrintable(step));
        }
      }
      const int button = verb == u"rclick" ? 3 : verb != u"wheel" ? 1 : target == u"away" ? 4 : 5;
      if (verb == u"press" || verb.endsWith(u"click") || verb == u"wheel")
        input_.Button(button, true);
      if (verb == u"release" || verb.endsWith(u"click") || verb == u"wheel")
        input_.Button(button, false);
      if (verb == u"wait") {
        // A trace of four months lasts about 6 s.
        QTRY_VERIFY_WITH_TIMEOUT(!dialog_->IsTimerRunning(HoroscopeDialog::kTraceTimer), 20000);
      } else if (verb == u"replay" || verb == u"toview") {
        QObject* receiver = verb == u"replay"
                                ? static_cast<QObject*>(QApplication::focusWidget())
                                : static_cast<QObject*>(HoroscopeDialogPeer::View(*main_));
        for (QString event : target.split(u',')) {
          QKeyEvent key(event[0] == u'+' ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_Space,
                        Qt::NoModifier, " ", event.endsWith(u'*'));
          key.setTimestamp(event.remove(u'*').mid(1).toULongLong());
          QApplication::sendEvent(receiver, &key);
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
