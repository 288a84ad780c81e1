// The sky view taken with the pointer, through the window system: a drag turns and tilts the
// view through its sliders, a click does nothing, the wheel steps the heading, a turn toward
// a sign gives way to a drag, and a bad field gives one real prompt for one drag. Run on
// X11 and, through weston's X11 backend, on Wayland, at any scale.
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QMouseEvent>
#include <QMessageBox>
#include <QSlider>
#include <QStyleHints>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

#include "app/horoscope_dialog.h"
#include "app/main_dialog_layout.h"
#include "fixed_today.h"
#include "scratch_app.h"
#include "sky/sky_scene.h"
#include "view/sky_view.h"
#include "x_input.h"

namespace astrivo {
namespace {

// The window in logical pixels. Above 750 x 500 the view spans from x 390 to 35 short of the
// right edge and from y 10 to 35 short of the bottom: 360 x 540. Across it one degree of
// heading is 360 / 180 = 2 pixels and one degree of tilt 540 / 90 = 6 pixels.
constexpr QSize kWindow{785, 585};
constexpr QSize kView{360, 540};
constexpr int kLeo = 6;  // its centre lies at longitude 149.2 (tools/reference): a long turn

// One use of the view from heading `from` (the slider's position) and tilt 30. Steps, in the
// view's logical pixels: press:x,y and move:x,y (the left button), release, wheel:away or
// wheel:toward at the pointer, cursor (notes the view's pointer shape), Escape (the key).
struct Use {
  const char* name;
  int from;
  bool turning;  // a turn toward Leo runs when the steps begin
  bool badDay;   // the day field holds 40
  const char* steps;
  int heading;  // the slider's position after the steps; kTurned: where the turn had got to
  int tilt;
  const char* cursors;  // what each cursor step saw
  bool turnsOn;         // the turn still runs after the steps
  int prompts;
  bool closed;
};
constexpr int kTurned = 1000;
// Expected positions by hand: 2 pixels a degree of heading (a move right adds), 6 pixels a
// degree of tilt (a move down adds); the heading runs -180..180 and comes back in at the
// other end, the tilt stops at 0 and 90. A wheel notch is 3 steps, away from the user down.
// clang-format off
constexpr Use kUses[] = {
  {"drag right: thumb right", 0, false, false, "press:100,270 move:200,270 cursor release cursor",
   50, 30, "closed open", false, 0, false},
  {"drag left: thumb left", 0, false, false, "press:300,270 move:160,270 release", -70, 30, "",
   false, 0, false},
  {"drag down: tilt up", 0, false, false, "press:180,100 move:180,280 release", 0, 60, "",
   false, 0, false},
  {"diagonal in steps", 0, false, false, "press:100,100 move:120,130 move:140,160 release", 20,
   40, "", false, 0, false},
  {"past 180 wraps", 170, false, false, "press:100,270 move:140,270 release", -170, 30, "",
   false, 0, false},
  {"past -180 wraps", -170, false, false, "press:140,270 move:100,270 release", 170, 30, "",
   false, 0, false},
  {"on beyond the view's edge", 0, false, false, "press:300,270 move:390,270 release", 45, 30,
   "", false, 0, false},
  {"tilt held at 0, back at once", 0, false, false,
   "press:180,400 move:180,100 move:180,160 release", 0, 10, "", false, 0, false},
  {"click: nothing, Escape closes", 0, false, false, "press:180,270 move:185,272 cursor release "
   "Escape", 0, 30, "open", false, 0, true},
  {"wheel away", 0, false, false, "move:180,270 wheel:away", -3, 30, "", false, 0, false},
  {"wheel toward", 0, false, false, "move:180,270 wheel:toward", 3, 30, "", false, 0, false},
  {"a drag stops the turn", 0, true, false, "press:100,270 move:200,270 release", kTurned, 30, "",
   false, 0, false},
  {"a click leaves the turn", 0, true, false, "press:180,270 release", kTurned, 30, "", true, 0,
   false},
  // The first move turns by 10 and prompts, which ends the drag before its 2 of tilt.
  {"bad field: one prompt", 0, false, true,
   "press:100,270 move:120,282 cursor move:160,300 move:200,330 release", 10, 30, "open", false,
   1, false},
  {"bad field: each drag prompts", 0, false, true,
   "press:100,270 move:120,270 move:140,270 release press:100,270 move:120,270 release", 20, 30,
   "", false, 2, false},
  {"bad field: the wheel prompts", 0, false, true, "move:180,270 wheel:away", -3, 30, "", false,
   1, false},
};
// clang-format on

// Counts the pointer events that reach the view, so that each step waits until the window
// system has delivered it: through a compositor that is later than the X server's answer.
class Delivered : public QObject {
 public:
  explicit Delivered(QObject& view) : QObject(&view) { view.installEventFilter(this); }
  int Count(QEvent::Type type) const { return counts_.value(type); }
  QPointF LastMove() const { return lastMove_; }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    ++counts_[event->type()];
    // The pointer may come in at a place without a move there.
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
      lastMove_ = static_cast<QSinglePointEvent*>(event)->position();
    return false;
  }

 private:
  QHash<QEvent::Type, int> counts_;
  QPointF lastMove_;
};

QString ReadValue(QWidget* slider) {
  return QAccessible::queryAccessibleInterface(slider)->text(QAccessible::Value);
}

}  // namespace

class ViewDragTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY2(input_.Available(), "needs an X server with the XTest extension");
    // The click row moves 5 + 2 pixels, which must stay a click.
    QVERIFY(QGuiApplication::styleHints()->startDragDistance() > 7);
    connect(&boxWatch_, &QTimer::timeout, this, [this] {  // runs inside the box's own loop
      // Answered once it has the keyboard, as a user answers it.
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box != nullptr && QApplication::activeWindow() == box) {
        ++prompts_;
        box->done(QMessageBox::Ok);
      }
    });
    boxWatch_.start(10);
  }
  void cleanup() {
    dialog_.reset();
    app_.reset();
    prompts_ = 0;
  }

  void TakesTheSky_data() {
    QTest::addColumn<int>("use");
    for (const Use& u : kUses) QTest::newRow(u.name) << int(&u - kUses);
  }
  void TakesTheSky() {
    QFETCH(int, use);
    const Use& u = kUses[use];
    Open(u.from);
    auto* heading = dialog_->ControlAs<QSlider>(kIdHeadingSlider);
    auto* tilt = dialog_->ControlAs<QSlider>(kIdTiltSlider);
    QWidget* day = dialog_->Control(kIdBirthDay);
    if (u.badDay) qobject_cast<QLineEdit*>(day)->setText("40");
    day->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), day);
    if (u.turning) {
      dialog_->ControlAs<QComboBox>(kIdSignList)->setCurrentIndex(kLeo);
      dialog_->OnSignChanged();
    }

    QStringList cursors, lost;
    Run(QString::fromLatin1(u.steps), cursors, lost);
    QVERIFY2(lost.isEmpty(), qPrintable("never reached the view: " + lost.join(u' ')));

    QCOMPARE(cursors.join(u' '), QString(u.cursors));
    QCOMPARE(dialog_->IsTimerRunning(HoroscopeDialog::kTurnTimer), u.turnsOn);
    if (u.heading == kTurned) {
      // A running turn goes on toward Leo's 149 (the thumb to the left); a stopped one stays.
      const int reached = heading->value();
      QTest::qWait(100);
      if (u.turnsOn) QVERIFY(heading->value() < reached);
      if (!u.turnsOn) QCOMPARE(heading->value(), reached);
    } else {
      QCOMPARE(heading->value(), u.heading);
    }
    QCOMPARE(tilt->value(), u.tilt);
    QCOMPARE(prompts_, u.prompts);
    QTRY_COMPARE(dialog_->isVisible(), !u.closed);
    if (u.closed) return;
    // The dialog saw each move as a user's slider move, and so does a screen reader.
    QCOMPARE(dialog_->Scene().heading, -heading->value());
    QCOMPARE(dialog_->Scene().tilt, tilt->value());
    QCOMPARE(ReadValue(heading), QString::number(heading->value()));
    QCOMPARE(ReadValue(tilt), QString::number(tilt->value()));
    // Without a window manager nothing hands the keyboard back once a box has closed.
    if (u.prompts == 0) QCOMPARE(QApplication::focusWidget(), day);
  }

 private:
  void Open(int from) {
    app_ = std::make_unique<ScratchApp>();
    dialog_ = std::make_unique<HoroscopeDialog>(*app_);
    // The start's trace and turn are run out at once.
    while (dialog_->IsTimerRunning(HoroscopeDialog::kTraceTimer)) dialog_->AdvanceTrace();
    while (dialog_->IsTimerRunning(HoroscopeDialog::kTurnTimer)) dialog_->OnTurnTick();
    dialog_->ControlAs<QSlider>(kIdHeadingSlider)->setValue(from);
    dialog_->Scene().heading = -from;
    dialog_->resize(kWindow);  // on Wayland the compositor gives it the output's size
    dialog_->show();
    dialog_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
    QTRY_COMPARE(dialog_->View()->size(), kView);
    delivered_ = new Delivered(*dialog_->View());
    // Off the view, so that the first step's move is one; a compositor that is sent two moves
    // at once may pass on the last only.
    const Delivered* window = new Delivered(*dialog_->windowHandle());
    const QPoint corner(5, 5);
    input_.MoveTo(dialog_->mapToGlobal(corner) * dialog_->devicePixelRatio());
    QTRY_COMPARE(window->LastMove(), QPointF(corner));
  }

  // Runs the steps, noting what the cursor steps saw and the steps that never reached the view.
  void Run(const QString& steps, QStringList& cursors, QStringList& lost) {
    const QWidget* view = dialog_->Control(kIdSkyView);
    // XTest places the pointer in the screen's device pixels.
    const qreal scale = dialog_->devicePixelRatio();
    for (const QString& step : steps.split(u' ', Qt::SkipEmptyParts)) {
      const QString verb = step.section(u':', 0, 0), target = step.section(u':', 1);
      std::function<bool()> reached = [] { return true; };
      if (verb == u"press" || verb == u"move") {
        const QPoint at(target.section(u',', 0, 0).toInt(), target.section(u',', 1).toInt());
        input_.MoveTo(view->mapToGlobal(at) * scale);
        reached = [this, at] { return delivered_->LastMove() == QPointF(at); };
      }
      if (verb == u"press" || verb == u"release" || verb == u"wheel") {
        if (!QTest::qWaitFor(reached)) lost << step;
        const QEvent::Type type = verb == u"press"     ? QEvent::MouseButtonPress
                                  : verb == u"release" ? QEvent::MouseButtonRelease
                                                       : QEvent::Wheel;
        const int before = delivered_->Count(type);
        const int button = verb != u"wheel" ? 1 : target == u"away" ? 4 : 5;
        if (verb != u"release") input_.Button(button, true);
        if (verb != u"press") input_.Button(button, false);
        reached = [this, type, before] { return delivered_->Count(type) > before; };
      }
      if (verb == u"cursor") {
        const Qt::CursorShape shape = dialog_->View()->cursor().shape();
        cursors << (shape == Qt::OpenHandCursor     ? "open"
                    : shape == Qt::ClosedHandCursor ? "closed"
                                                    : "other");
      }
      if (verb == u"Escape") {
        input_.Key("Escape", true, 30);
        input_.Key("Escape", false);
      }
      if (!QTest::qWaitFor(reached)) lost << step;
    }
  }

  XInput input_;
  const FixedToday today_{{16, 6, 2004}};
  std::unique_ptr<ScratchApp> app_;
  std::unique_ptr<HoroscopeDialog> dialog_;
  Delivered* delivered_ = nullptr;  // owned by the view
  int prompts_ = 0;                 // message boxes that came up
  QTimer boxWatch_;
};

}  // namespace astrivo

QTEST_MAIN(astrivo::ViewDragTest)
#include "view_drag_test.moc"
