// The sky view taken with the pointer, through the window system: a drag turns and tilts the
// view through its sliders, a click does nothing, the wheel steps the heading, a turn toward
// a sign gives way to a drag, and a bad field gives one real prompt for one drag. Run on
// X11 and, through weston's X11 backend, on Wayland, at any scale.
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QSlider>
#include <QStyleHints>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

#include "app/horoscope_dialog.h"
#include "app/main_dialog_layout.h"
#include "dialog_peer.h"
#include "fixed_today.h"
#include "run_out_start.h"
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

// One use of the view, from heading 0 (the slider's position) and tilt 30, or as `start`
// says: "from N" (heading N), "turning" (a turn toward Leo runs), "bad day" (the day field
// holds 40). Steps, in the view's logical pixels: press:x,y and move:x,y (the left button),
// release, wheel:away or wheel:toward at the pointer, cursor:open or cursor:closed (the
// view's pointer shape then), ended (a release with no button held, as a modal box sends
// before it opens), Escape. `heading` is the slider's position after the steps, kTurned where
// a turn had got to; `after` the prompts that came up, "turning" if the turn runs on,
// "closed" if the window closed.
struct Use {
  const char* name;
  const char* start;
  const char* steps;
  int heading, tilt;
  const char* after;
};
constexpr int kTurned = 1000;
// Expected positions by hand: 2 pixels a degree of heading (a move right adds), 6 pixels a
// degree of tilt (a move down adds); the heading runs -180..180 and comes back in at the
// other end, the tilt stops at 0 and 90. A wheel notch is 3 steps, away from the user down.
// clang-format off
constexpr Use kUses[] = {
  {"drag right: thumb right", "", "press:100,270 move:200,270 cursor:closed release cursor:open",
   50, 30, ""},
  {"drag left: thumb left", "", "press:300,270 move:160,270 release", -70, 30, ""},
  {"drag down: tilt up", "", "press:180,100 move:180,280 release", 0, 60, ""},
  {"diagonal in steps", "", "press:100,100 move:120,130 move:140,160 release", 20, 40, ""},
  {"past 180 wraps", "from 170", "press:100,270 move:140,270 release", -170, 30, ""},
  {"past -180 wraps", "from -170", "press:140,270 move:100,270 release", 170, 30, ""},
  {"on beyond the view's edge", "", "press:300,270 move:390,270 release", 45, 30, ""},
  {"tilt held at 0, back at once", "", "press:180,400 move:180,100 move:180,160 release", 0, 10,
   ""},
  {"a release without buttons ends it", "", "press:100,270 move:120,270 ended move:200,270 release",
   10, 30, ""},
  {"click: nothing, Escape closes", "", "press:180,270 move:185,272 cursor:open release Escape", 0,
   30, "closed"},
  {"wheel away", "", "move:180,270 wheel:away", -3, 30, ""},
  {"wheel toward", "", "move:180,270 wheel:toward", 3, 30, ""},
  {"a drag stops the turn", "turning", "press:100,270 move:200,270 release", kTurned, 30, ""},
  {"a click leaves the turn", "turning", "press:180,270 release", kTurned, 30, "turning"},
  // The first move turns by 10 and prompts, which ends the drag before its 2 of tilt.
  {"bad field: one prompt", "bad day",
   "press:100,270 move:120,282 cursor:open move:160,300 move:200,330 release", 10, 30, "prompts:1"},
  {"bad field: each drag prompts", "bad day",
   "press:100,270 move:120,270 move:140,270 release press:100,270 move:120,270 release", 20, 30,
   "prompts:2"},
  {"bad field: the wheel prompts", "bad day", "move:180,270 wheel:away", -3, 30, "prompts:1"},
};
// clang-format on

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
    delivered_.clear();
  }

  void TakesTheSky_data() {
    QTest::addColumn<int>("use");
    for (const Use& u : kUses) QTest::newRow(u.name) << int(&u - kUses);
  }
  void TakesTheSky() {
    QFETCH(int, use);
    const Use& u = kUses[use];
    const QString start = QString::fromLatin1(u.start);
    Open(start.startsWith(u"from ") ? start.mid(5).toInt() : 0);
    auto* heading = dialog_->ControlAs<QSlider>(kIdHeadingSlider);
    auto* tilt = dialog_->ControlAs<QSlider>(kIdTiltSlider);
    QWidget* day = dialog_->Control(kIdBirthDay);
    if (start == u"bad day") qobject_cast<QLineEdit*>(day)->setText("40");
    day->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), day);
    if (start == u"turning") {
      dialog_->ControlAs<QComboBox>(kIdSignList)->setCurrentIndex(kLeo);
      HoroscopeDialogPeer::OnSignChanged(*dialog_);
    }

    const QStringList wrong = Run(QString::fromLatin1(u.steps));
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u' ')));
    QTRY_COMPARE(Happened(), QString(u.after));
    if (u.heading == kTurned) {
      // A running turn goes on toward Leo's 149 (the thumb to the left); a stopped one stays.
      const int reached = heading->value();
      QTest::qWait(100);
      if (*u.after != 0) QVERIFY(heading->value() < reached);
      if (*u.after == 0) QCOMPARE(heading->value(), reached);
    } else {
      QCOMPARE(heading->value(), u.heading);
    }
    QCOMPARE(tilt->value(), u.tilt);
    if (!dialog_->isVisible()) return;
    // The dialog saw each move as a user's slider move, and so does a screen reader.
    QCOMPARE(HoroscopeDialogPeer::Scene(*dialog_).heading, -heading->value());
    QCOMPARE(HoroscopeDialogPeer::Scene(*dialog_).tilt, tilt->value());
    QCOMPARE(ReadValue(heading), QString::number(heading->value()));
    QCOMPARE(ReadValue(tilt), QString::number(tilt->value()));
    // Without a window manager nothing hands the keyboard back once a box has closed.
    if (prompts_ == 0) QCOMPARE(QApplication::focusWidget(), day);
  }

 private:
  void Open(int from) {
    app_ = std::make_unique<ScratchApp>();
    dialog_ = std::make_unique<HoroscopeDialog>(*app_);
    QVERIFY(RunOutStart(*dialog_));
    dialog_->ControlAs<QSlider>(kIdHeadingSlider)->setValue(from);
    HoroscopeDialogPeer::Scene(*dialog_).heading = -from;
    dialog_->resize(kWindow);  // on Wayland the compositor gives it the output's size
    dialog_->show();
    dialog_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
    QTRY_COMPARE(HoroscopeDialogPeer::View(*dialog_)->size(), kView);
    HoroscopeDialogPeer::View(*dialog_)->installEventFilter(this);
    dialog_->windowHandle()->installEventFilter(this);
    // Off the view, so that the first step's move is one; a compositor that is sent two moves
    // at once may pass on the last only.
    const QPoint corner(5, 5);
    input_.MoveTo(dialog_->mapToGlobal(corner) * dialog_->devicePixelRatio());
    QTRY_COMPARE(windowAt_, QPointF(corner));
  }

  // Runs the steps; returns those that never reached the view and the cursors not as said.
  QStringList Run(const QString& steps) {
    const QWidget* view = dialog_->Control(kIdSkyView);
    const qreal scale = dialog_->devicePixelRatio();  // XTest takes the screen's device pixels
    QStringList wrong;
    for (const QString& step : steps.split(u' ', Qt::SkipEmptyParts)) {
      const QString verb = step.section(u':', 0, 0), target = step.section(u':', 1);
      std::function<bool()> reached = [] { return true; };
      if (verb == u"press" || verb == u"move") {
        const QPoint at(target.section(u',', 0, 0).toInt(), target.section(u',', 1).toInt());
        input_.MoveTo(view->mapToGlobal(at) * scale);
        reached = [this, at] { return viewAt_ == QPointF(at); };
      }
      if (verb == u"press" || verb == u"release" || verb == u"wheel") {
        if (!QTest::qWaitFor(reached)) wrong << step;
        const QEvent::Type type = verb == u"press"     ? QEvent::MouseButtonPress
                                  : verb == u"release" ? QEvent::MouseButtonRelease
                                                       : QEvent::Wheel;
        const int before = delivered_.value(type);
        const int button = verb != u"wheel" ? 1 : target == u"away" ? 4 : 5;
        if (verb != u"release") input_.Button(button, true);
        if (verb != u"press") input_.Button(button, false);
        reached = [this, type, before] { return delivered_.value(type) > before; };
      }
      const Qt::CursorShape shape = HoroscopeDialogPeer::View(*dialog_)->cursor().shape();
      if (verb == u"cursor" &&
          shape != (target == u"open" ? Qt::OpenHandCursor : Qt::ClosedHandCursor))
        wrong << step;
      if (verb == u"ended") {
        const QPointF at = viewAt_;
        QMouseEvent ended(QEvent::MouseButtonRelease, at, view->mapToGlobal(at), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(HoroscopeDialogPeer::View(*dialog_), &ended);
      }
      if (verb == u"Escape") {
        input_.Key("Escape", true, 30);
        input_.Key("Escape", false);
      }
      if (!QTest::qWaitFor(reached)) wrong << step;
    }
    return wrong;
  }

  QString Happened() const {
    QStringList happened;
    if (prompts_ > 0) happened << QStringLiteral("prompts:%1").arg(prompts_);
    if (dialog_->IsTimerRunning(HoroscopeDialog::kTurnTimer)) happened << "turning";
    if (!dialog_->isVisible()) happened << "closed";
    return happened.join(u' ');
  }

  // Notes the pointer events that reach the view and the window, so that each step waits
  // until the window system has delivered it: a compositor passes them on later than the X
  // server answers.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!dialog_) return false;  // going
    if (watched == HoroscopeDialogPeer::View(*dialog_)) ++delivered_[event->type()];
    // The pointer may come in at a place without a move there.
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
      (watched == HoroscopeDialogPeer::View(*dialog_) ? viewAt_ : windowAt_) =
          static_cast<QSinglePointEvent*>(event)->position();
    return false;
  }

  XInput input_;
  const FixedToday today_{{16, 6, 2004}};
  std::unique_ptr<ScratchApp> app_;
  std::unique_ptr<HoroscopeDialog> dialog_;
  QHash<QEvent::Type, int> delivered_;  // to the view
  QPointF viewAt_, windowAt_;           // where the pointer was seen last
  int prompts_ = 0;                     // message boxes that came up
  QTimer boxWatch_;
};

}  // namespace astrivo

QTEST_MAIN(astrivo::ViewDragTest)
#include "view_drag_test.moc"
