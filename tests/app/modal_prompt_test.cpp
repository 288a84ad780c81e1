// Sequences across the main window that bring up the real modal box, driven through the X
// server as a user drives them, on X11 and on Wayland (through weston's seat): one action
// gives one box, a press the box interrupts stays ended, the key that raised the box repeats
// into nothing, and the field that failed has the focus from the moment the box closes, also
// while the trace keeps it disabled. The About box, reached by F1 and by either menu, is such
// a box too: it ends a press, and the window it stood over has the keyboard back after it.
#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <utility>

#include "app/horoscope_dialog.h"
#include "fixed_today.h"
#include "named_controls.h"
#include "run_out_start.h"
#include "scratch_app.h"
#include "x_input.h"

namespace astrivo {
namespace {

// One sequence from a freshly opened window. Steps: a key by its X name, tapped ("A-" holds
// Alt, "S-" Shift); hold:KEY:MS holds a key that long with the server repeating it; down:KEY
// and up:KEY press and release one (repeating while down); press:C, release, click:C, move:C:DX
// (DX pixels right of C's centre); groove:C a left click seven eighths along C, beyond its thumb,
// mgroove:C the same with the middle button; wheel:C a notch away from the user over C;
// rclick:C a right click on C, menu waits for the menu it opens; opens:KEY taps a key that
// opens a box (the box comes at the press, so which window gets the release is up to the
// window system); ok waits for the box (a prompt or the About box) and answers it with
// Return, clickok with a click on its OK button; still:
// the sliders stay where they are from here to the end; trace waits for the trace to end,
// runout ticks it to its end at once;
// wait:MS; look: what a screen reader finds focused, as "control[ unavailable] 'text'
// [selected]".
struct Sequence {
  const char* name;
  // The stored birth day. With 1 the start's trace and turn are run out first, so that the
  // fields take typing at once; with 32 the window starts as the program does.
  int storedDay;
  const char* steps;
  int boxes;          // how many boxes came up
  const char* looks;  // each look, joined by " | "
  const char* shown;  // at the end, "control=value": a field's text, a slider's position
};
// The window opens with the focus on the tilt slider; Tab, Tab reaches the Day field and
// selects its text. Track bars: tilt 0..90 from 30, a page 18, a wheel notch 3 steps; heading
// -180..180 from 0, a page 72. Today is Wednesday 16 June 2004.
// clang-format off
constexpr Sequence kSequences[] = {
  {"groove click: one box, then the slider stops", 1,
   "Tab Tab 3 2 groove:heading ok still wait:1500 look", 1, "day '32' [32]", "heading=72"},
  {"middle click on the groove: one box", 1,
   "Tab Tab 3 2 mgroove:heading ok still wait:1000 look", 1, "day '32' [32]", ""},
  {"thumb drag: one box, the thumb let go", 1,
   "Tab Tab 3 2 press:heading move:heading:40 ok still move:heading:150 release wait:500", 1,
   "", ""},
  {"wheel: one box", 1, "Tab Tab 3 2 wheel:tilt ok still wait:500 look", 1, "day '32' [32]",
   "tilt=27"},
  {"held Enter: one box, kept open", 1, "Tab Tab 3 2 hold:Return:1500 ok look", 1,
   "day '32' [32]", ""},
  {"held Page Down, box clicked away", 1,
   "Tab Tab 3 2 S-Tab S-Tab down:Page_Down clickok still wait:1000 up:Page_Down wait:300", 1, "",
   "tilt=48"},
  {"Submit clicked", 1, "Tab Tab 3 2 click:submit ok look trace look 7", 1,
   "day unavailable '32' [32] | day '32' [32]", "day=7"},
  {"Submit by Space", 1, "Tab Tab 3 2 Tab Tab space ok look", 1, "day unavailable '32' [32]", ""},
  {"Alt+S, typing in the trace dropped", 1, "Tab Tab 3 2 A-s ok look 9 t runout look 7", 1,
   "day unavailable '32' [32] | day '32' [32]", "day=7"},
  {"focus moved in the trace stays", 1, "Tab Tab 3 2 A-s ok Tab look runout look", 1,
   "today | today", ""},
  {"period button clicked", 1, "Tab Tab 3 2 click:thismonth ok look", 1,
   "day unavailable '32' [32]", ""},
  {"bare letter on the slider", 1, "Tab Tab 3 2 S-Tab S-Tab m ok look", 1,
   "day unavailable '32' [32]", ""},
  {"sign list and turn: no box", 1, "Tab Tab 3 2 Tab Tab Tab Tab Tab Tab Tab Down wait:2500 look",
   0, "signs", "day=32"},
  {"stored day 32: focus after the box", 32, "ok look runout look 5", 1,
   "day unavailable '32' [32] | day '32' [32]", "day=5"},
  // Every way to the About box; the field keeps the focus and its selection behind it.
  {"F1: About box, focus back", 1, "Tab Tab opens:F1 ok look", 1, "day '1' [1]", ""},
  {"window menu: About box", 1, "Tab Tab rclick:banner menu Down opens:Return ok look", 1,
   "day '1' [1]", ""},
  {"view menu: About box", 1, "Tab Tab rclick:view menu Down opens:Return clickok look", 1,
   "day '1' [1]", ""},
  {"F1 in a thumb drag: the thumb let go", 1,
   "press:heading move:heading:40 opens:F1 ok still move:heading:150 release wait:500", 1, "", ""},
};
// clang-format on

constexpr int kPauseMs = 60;         // after each input, for the program to take it in
constexpr int kWaitForBoxMs = 5000;  // for a box to come, or the window to be active again
constexpr int kWaitForTraceMs = 20000;

QDialog* OpenBox() {
  auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
  return box != nullptr && box->isVisible() ? box : nullptr;
}

}  // namespace

class ModalPromptTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY2(input_.Available(), "needs an X server with the XTest extension");
    qApp->installEventFilter(this);
    connect(&tick_, &QTimer::timeout, this, [this] { Step(); });
  }
  void cleanup() {
    tick_.stop();
    dialog_.reset();
    app_.reset();
  }

  void RunsTheSequence_data() {
    QTest::addColumn<int>("sequence");
    for (const Sequence& s : kSequences) QTest::newRow(s.name) << int(&s - kSequences);
  }
  void RunsTheSequence() {
    QFETCH(int, sequence);
    const Sequence& s = kSequences[sequence];
    Open(s.storedDay);
    Start(QString::fromLatin1(s.steps));
    // Boxes the steps did not answer are closed here, so that the loop they run ends.
    QTRY_VERIFY_WITH_TIMEOUT(done_ && OpenBox() == nullptr, 60000);
    QTest::qWait(500);  // time for one box too many to come up
    QTRY_VERIFY(OpenBox() == nullptr);
    QCOMPARE(errors_.join(u' '), QString());
    QCOMPARE(boxes_, s.boxes);
    QCOMPARE(looks_.join(" | "), QString(s.looks));
    QStringList shown;
    for (const QString& item : QString(s.shown).split(u' ', Qt::SkipEmptyParts)) {
      shown << item.section(u'=', 0, 0) + "=" + Value(item.section(u'=', 0, 0));
    }
    QCOMPARE(shown.join(u' '), QString(s.shown));
    // Still means still, and no thumb is left held down by a press that a box ended.
    for (const QString& still : stills_) {
      QCOMPARE(Sliders(), still);
      QVERIFY2(!still.contains("held"), qPrintable(still));
    }
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && qobject_cast<QDialog*>(watched) != nullptr &&
        static_cast<QDialog*>(watched)->isModal()) {
      ++boxes_;
    }
    // Each key's release as the window system hands it to the program, once.
    if (event->type() == QEvent::KeyRelease && watched->isWindowType() && event->spontaneous() &&
        !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
      ++releasesSeen_;
    }
    return false;
  }

 private:
  void Open(int storedDay) {
    app_ = std::make_unique<ScratchApp>();
    app_->birthDay = storedDay;
    dialog_ = std::make_unique<HoroscopeDialog>(*app_);
    if (storedDay == 1) {
      QVERIFY(RunOutStart(*dialog_));
      dialog_->ControlAs<QSlider>(kIdHeadingSlider)->setValue(0);
    }
    ShowForInput(*dialog_, storedDay == 1);
  }

  QWidget* Control(const QString& name) const { return NamedControl(*dialog_, name); }

  QString Value(const QString& name) const {
    QWidget* control = Control(name);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
    if (auto* slider = qobject_cast<QSlider*>(control)) return QString::number(slider->value());
    return QStringLiteral("?");
  }
  // The sliders' positions, and "held" for a thumb the slider takes as held down.
  QString Sliders() const {
    QString sliders;
    for (const char* name : {"tilt", "heading"}) {
      sliders += QStringLiteral("%1=%2%3 ")
                     .arg(name, Value(name),
                          qobject_cast<QSlider*>(Control(name))->isSliderDown() ? " held" : "");
    }
    return sliders.trimmed();
  }

  // What a screen reader finds focused among the window's controls.
  QString Look() const {
    for (const auto& [name, id] : kNamedControls) {
      QAccessibleInterface* read = QAccessible::queryAccessibleInterface(dialog_->Control(id));
      if (read == nullptr || !read->state().focused) continue;
      QString seen = QString::fromLatin1(name);
      if (read->state().disabled) seen += " unavailable";
      if (QAccessibleTextInterface* text = read->textInterface()) {
        int start = 0, end = 0;
        if (text->selectionCount() > 0) text->selection(0, &start, &end);
        seen += QStringLiteral(" '%1' [%2]")
                    .arg(text->text(0, text->characterCount()), text->text(start, end));
      }
      return seen;
    }
    return QStringLiteral("nothing");
  }

  // The steps run from a timer, never from inside a call that waits: a box runs its own event
  // loop inside the handler that raised it, and the timer goes on ticking in there.
  void Start(const QString& steps) {
    steps_ = steps.split(u' ', Qt::SkipEmptyParts);
    next_ = 0;
    done_ = false;
    boxes_ = 0;
    looks_.clear();
    stills_.clear();
    errors_.clear();
    releasesSent_ = releasesSeen_ = 0;
    buttonHeld_ = backAfterRelease_ = false;
    until_ = nullptr;
    tick_.start(5);
  }

  // Goes on with the next step once `condition` holds, or gives up after `ms`.
  void Until(std::function<bool()> condition, int ms, const QString& what) {
    until_ = std::move(condition);
    untilWhat_ = what;
    untilClock_.start();
    untilMs_ = ms;
  }
  void Pause(int ms) {
    QElapsedTimer clock;
    clock.start();
    Until([clock, ms] { return clock.elapsed() >= ms; }, ms + 1000, QString());
  }
  // A pause that also waits for the program to have the keys released so far: on Wayland they
  // come through the compositor, later than the X server has them.
  void Settle() {
    QElapsedTimer clock;
    clock.start();
    Until([this, clock] { return clock.elapsed() >= kPauseMs && releasesSeen_ >= releasesSent_; },
          kWaitForBoxMs, "the program to take the keys");
  }
  void KeyUp(const QString& key) {
    input_.Key(key, false);
    ++releasesSent_;
  }

  void Step() {
    if (done_) {
      if (QDialog* box = OpenBox()) box->reject();
      return;
    }
    if (until_) {
      if (!until_()) {
        if (untilClock_.elapsed() < untilMs_) return;
        const QWidget* active = QApplication::activeWindow();
        errors_ << QStringLiteral("timed out waiting for %1 (active window: %2)")
                       .arg(untilWhat_,
                            active != nullptr ? active->metaObject()->className() : "none");
        done_ = true;
        return;
      }
      until_ = nullptr;
    }
    if (next_ >= steps_.size()) {
      done_ = true;
      return;
    }
    Act(steps_[next_++]);
  }

  void Tap(const QString& key) {
    // 30 ms after the last release, as a finger comes back: a press in the same millisecond
    // as a release looks like auto-repeat.
    input_.Key(key, true, 30);
    KeyUp(key);
  }

  void Act(const QString& step) {
    const QStringList parts = step.split(u':');
    const QString& verb = parts[0];
    const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
    QWidget* control = parts.size() > 1 ? Control(parts[1]) : nullptr;
    const auto moveTo = [&](QPoint local) { input_.MoveTo(XInput::OnScreen(control, local)); };
    if (verb == u"ok" || verb == u"clickok") {
      Until([] { return OpenBox() != nullptr && QApplication::activeWindow() == OpenBox(); },
            kWaitForBoxMs, step + ": no box");
      steps_.insert(next_, verb == u"ok" ? "answer:return" : "answer:click");
    } else if (verb == u"answer") {
      if (parts[1] == u"return") {
        // The box closes at the press; which window then gets the release is up to the
        // window system, so the release is not waited for.
        input_.Key("Return", true, 30);
        input_.Key("Return", false);
      } else {
        const QPushButton* ok = OpenBox()->findChild<QPushButton*>();
        input_.MoveTo(XInput::OnScreen(ok, ok->rect().center()));
        input_.Button(1, true);
        input_.Button(1, false);
      }
      Until([] { return OpenBox() == nullptr; }, kWaitForBoxMs, "the box closed");
      // A click needs the button free; a drag gets the window back once it is released.
      steps_.insert(next_, buttonHeld_ ? "then-back" : "back");
    } else if (verb == u"then-back") {
      backAfterRelease_ = true;
    } else if (verb == u"back") {
      // weston's kiosk shell gives the keyboard to no window once the box has gone, and a
      // Wayland program may not take it: the user clicks the window's date banner, which takes
      // no focus of its own.
      if (!x11 && QApplication::activeWindow() != dialog_.get()) {
        const QWidget* banner = dialog_->Control(kIdDateBanner);
        input_.MoveTo(XInput::OnScreen(banner, banner->rect().center()));
        input_.Button(1, true);
        input_.Button(1, false);
      }
      Until([this] { return QApplication::activeWindow() == dialog_.get(); }, kWaitForBoxMs,
            "the window active again");
    } else if (verb == u"look") {
      looks_ << Look();
    } else if (verb == u"still") {
      stills_ << Sliders();
    } else if (verb == u"runout") {
      if (TimerPeer::RunOut(*dialog_, HoroscopeDialog::kTraceTimer, 50) < 0) errors_ << step;
    } else if (verb == u"trace") {
      Until([this] { return !dialog_->IsTimerRunning(HoroscopeDialog::kTraceTimer); },
            kWaitForTraceMs, step);
    } else if (verb == u"wait") {
      Pause(parts[1].toInt());
    } else if (verb == u"hold" || verb == u"down" || verb == u"up") {
      if (verb != u"up") {
        if (x11) input_.AutoRepeat(true);
        input_.Key(parts[1], true, 30);
      }
      if (verb == u"hold") {
        // Released once the time is up; the steps go on after that.
        steps_.insert(next_, "up:" + parts[1]);
        Pause(parts[2].toInt());
        return;
      }
      if (verb == u"up") {
        KeyUp(parts[1]);
        if (x11) input_.AutoRepeat(false);
      }
      Settle();
    } else if (verb == u"press" || verb == u"click") {
      moveTo(control->rect().center());
      input_.Button(1, true);
      buttonHeld_ = verb == u"press";
      if (!buttonHeld_) input_.Button(1, false);
      Pause(kPauseMs);
    } else if (verb == u"release") {
      input_.Button(1, false);
      buttonHeld_ = false;
      if (backAfterRelease_) steps_.insert(next_, "back");
      backAfterRelease_ = false;
      Pause(kPauseMs);
    } else if (verb == u"move") {
      moveTo(control->rect().center() + QPoint(parts[2].toInt(), 0));
      Pause(kPauseMs);
    } else if (verb == u"groove" || verb == u"mgroove") {
      moveTo(QPoint(control->width() * 7 / 8, control->height() / 2));
      const int button = verb == u"groove" ? 1 : 2;
      input_.Button(button, true);
      input_.Button(button, false);
      Pause(kPauseMs);
    } else if (verb == u"opens") {
      input_.Key(parts[1], true, 30);
      input_.Key(parts[1], false);
      Pause(kPauseMs);
    } else if (verb == u"rclick") {
      moveTo(control->rect().center());
      input_.Button(3, true);
      input_.Button(3, false);
      Pause(kPauseMs);
    } else if (verb == u"menu") {
      Until([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr; },
            kWaitForBoxMs, step);
    } else if (verb == u"wheel") {
      moveTo(control->rect().center());
      input_.Button(4, true);
      input_.Button(4, false);
      Pause(kPauseMs);
    } else {
      const QString modifier = verb.startsWith(u"A-")   ? "Alt_L"
                               : verb.startsWith(u"S-") ? "Shift_L"
                                                        : QString();
      if (!modifier.isEmpty()) input_.Key(modifier, true, 30);
      Tap(modifier.isEmpty() ? verb : verb.mid(2));
      if (!modifier.isEmpty()) KeyUp(modifier);
      Settle();
    }
  }

  XInput input_{false};
  const FixedToday today_{{16, 6, 2004}};
  std::unique_ptr<ScratchApp> app_;
  std::unique_ptr<HoroscopeDialog> dialog_;
  QTimer tick_;
  QStringList steps_;
  qsizetype next_ = 0;
  bool done_ = false;
  std::function<bool()> until_;
  QString untilWhat_;
  QElapsedTimer untilClock_;
  int untilMs_ = 0;
  int boxes_ = 0;
  int releasesSent_ = 0, releasesSeen_ = 0;
  bool buttonHeld_ = false, backAfterRelease_ = false;
  QStringList looks_, stills_, errors_;
};

}  // namespace astrivo

QTEST_MAIN(astrivo::ModalPromptTest)
#include "modal_prompt_test.moc"
