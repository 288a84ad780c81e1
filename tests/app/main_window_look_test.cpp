// The main window as the screen shows it: which control lies on top of which, the pixels of
// the bars, pictures and frames in a grab of the whole window, the smallest size, and where a
// prompt raised during start-up appears. Runs on the offscreen platform, whose screen grab
// reads back what the window flushed to it.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <memory>

#include "app/horoscope_app.h"
#include "app/horoscope_dialog.h"
#include "app/main_dialog_layout.h"
#include "app/rating_bar.h"
#include "fixed_today.h"
#include "platform/picture_store.h"
#include "scoped_prompt_answer.h"
#include "scratch_app.h"

namespace astrivo {
namespace {

constexpr int kFortunePicture = 144;

QImage GrabWindow(QWidget& window) {
  return window.screen()
      ->grabWindow(window.winId())
      .toImage()
      .convertToFormat(QImage::Format_RGB32);
}

// The widget each layout row became, in layout order: by id, or else by its top-left corner.
QList<QWidget*> WidgetsInLayoutOrder(const HoroscopeDialog& dialog) {
  QList<QWidget*> widgets;
  for (const ControlTemplate& row : MainDialogLayout().controls) {
    QWidget* found = dialog.Control(row.id);
    const QPoint corner = dialog.Units().ToPixels(QRect(row.x, row.y, 1, 1)).topLeft();
    for (QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (found == nullptr && child->pos() == corner) found = child;
    }
    widgets << found;
  }
  return widgets;
}

QString Describe(const QWidget* widget) {
  if (const auto* box = qobject_cast<const QGroupBox*>(widget)) return box->title();
  return QString::asprintf("%s at (%d, %d)", widget->metaObject()->className(), widget->x(),
                           widget->y());
}

// The first pixel of `area` that is not `colour`, or an empty string when there is none.
QString StrayPixel(const QImage& image, const QRegion& area, const QColor& colour) {
  for (const QRect& rect : area) {
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
      for (int x = rect.left(); x <= rect.right(); ++x) {
        const QColor found = image.pixelColor(x, y);
        if (found != colour) {
          return QString::asprintf("(%d, %d) is (%d, %d, %d)", x, y, found.red(), found.green(),
                                   found.blue());
        }
      }
    }
  }
  return QString();
}

}  // namespace

class MainWindowLookTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { app_ = std::make_unique<ScratchApp>(); }

  void cleanup() { app_.reset(); }

  // As on the original platform, of two overlapping controls the one earlier in the layout
  // lies on top: the frames that come last lie beneath the bars and pictures they surround.
  void StacksEarlierLayoutControlsOnTop() {
    const FixedToday today({16, 6, 2004});
    HoroscopeDialog dialog(*app_);
    const QList<QWidget*> rows = WidgetsInLayoutOrder(dialog);
    QVERIFY(!rows.contains(nullptr));
    // A parent's children run from the bottom of the stack to the top.
    const QObjectList stack = dialog.children();
    int overlaps = 0;
    for (qsizetype upper = 0; upper < rows.size(); ++upper) {
      for (qsizetype lower = upper + 1; lower < rows.size(); ++lower) {
        if (!rows[upper]->geometry().intersects(rows[lower]->geometry())) continue;
        ++overlaps;
        QVERIFY2(stack.indexOf(rows[upper]) > stack.indexOf(rows[lower]),
                 qPrintable(Describe(rows[upper]) + " lies beneath " + Describe(rows[lower])));
      }
    }
    QVERIFY(overlaps >= 20);  // every frame over its contents, at the least
  }

  // The grab of the whole window: the bars exactly as they draw themselves, picture 144 as
  // built in, and every frame's inside the dialog's own background.
  void ShowsBarsPicturesAndFramesUncovered() {
    const FixedToday today({16, 6, 2004});
    HoroscopeDialog dialog(*app_);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.StopTrace();
    // A first SetRating(100) aims at level 300; a second one starts from level 100, which
    // shows the whole bar, at the phase each bar starts its ripple at after a Submit.
    const QList<std::pair<RatingBar*, double>> bars{
        {dialog.LuckBar(), 0.15}, {dialog.LoveBar(), 0.2}, {dialog.MoneyBar(), 0.25}};
    for (const auto& [bar, phase] : bars) {
      bar->SetRating(100, phase);
      bar->SetRating(100, phase);
      QCOMPARE(bar->ShownLength(), 100);
    }
    // Each bar repaints itself, with whatever lies above it painted over it again.
    for (const auto& [bar, phase] : bars) bar->repaint();
    const QImage screen = GrabWindow(dialog);

    // The outline's top row and left column, pure white.
    const QColor white(255, 255, 255);
    for (const auto& [bar, phase] : bars) {
      const QRect place = bar->geometry();
      const QRegion outline = QRegion(place.left(), place.top(), place.width(), 1) +
                              QRegion(place.left(), place.top(), 1, place.height());
      const QString stray = StrayPixel(screen, outline, white);
      QVERIFY2(stray.isEmpty(), qPrintable(stray));
    }

    // Stripes k = 2, 50 and 100 of each bar. A stripe ends (exclusive) at
    // trunc(k * 0.01 * (width - 6)) + 3 and fills rows 4 to height - 4. Colours worked out
    // with Python's math.sin: base + int(255 * (sin(0.2k + p + pi/3) + 1) / 2) for red,
    // sin(0.2k + 2pi/3 - p) for green, sin(0.2k + p + pi) for blue, each clamped to 0..255.
    struct Stripe {
      int bar;  // index into `bars`
      int k;
      QColor colour;
    };
    const Stripe stripes[] = {
        {0, 2, {255, 255, 60}}, {0, 50, {152, 203, 212}}, {0, 100, {255, 255, 4}},
        {1, 2, {255, 223, 55}}, {1, 50, {154, 48, 216}},  {1, 100, {255, 139, 3}},
        {2, 2, {253, 255, 50}}, {2, 50, {5, 193, 221}},   {2, 100, {209, 255, 1}},
    };
    for (const Stripe& stripe : stripes) {
      const QRect place = bars[stripe.bar].first->geometry();
      const int right = static_cast<int>(stripe.k * 0.01 * (place.width() - 6)) + 3;
      const QRect column(place.left() + right - 1, place.top() + 4, 1, place.height() - 7);
      const QString stray = StrayPixel(screen, column, stripe.colour);
      QVERIFY2(stray.isEmpty(),
               qPrintable(QStringLiteral("bar %1, k %2: ").arg(stripe.bar).arg(stripe.k) + stray));
    }

    // Picture 144, inside its frame, pixel for pixel.
    const QImage fortune = PictureImage(kFortunePicture).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!fortune.isNull());
    const QList<QWidget*> rows = WidgetsInLayoutOrder(dialog);
    const auto* picture = qobject_cast<QLabel*>(rows[4]);
    QVERIFY(picture != nullptr);
    const QRect inside = picture->contentsRect().translated(picture->pos());
    QCOMPARE(inside.size(), fortune.size());
    QVERIFY(screen.copy(inside) == fortune);

    // Inside each frame, wherever no other control lies, the background shows unchanged.
    const QColor background = dialog.palette().color(QPalette::Window);
    const int captionHeight = dialog.fontMetrics().height();
    const QList<QGroupBox*> frames = dialog.findChildren<QGroupBox*>();
    QCOMPARE(frames.size(), 5);
    for (const QGroupBox* frame : frames) {
      QRegion area(frame->geometry().adjusted(3, captionHeight, -3, -3));
      for (const QWidget* other : rows) {
        // Frames inside this one are checked on their own; the one around it is no cover.
        const bool around = other->geometry().contains(frame->geometry());
        if (!around) area -= other->geometry();
      }
      QVERIFY2(!area.isEmpty(), qPrintable(frame->title()));
      const QString stray = StrayPixel(screen, area, background);
      QVERIFY2(stray.isEmpty(), qPrintable(frame->title() + ": " + stray));
    }
    dialog.close();
  }

  // The window cannot be made smaller than 750 pixels by the height at which the Horoscope
  // frame is whole with the layout's margin below it: 359 dialog units at 13 pixels per 8
  // units (Liberation Sans at 11 pixels: ascent 10 + descent 3, each rounded up), 583.
  void StaysLargeEnoughForTheHoroscopeFrame() {
    const FixedToday today({16, 6, 2004});
    HoroscopeDialog dialog(*app_);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.resize(500, 350);
    QTRY_COMPARE(dialog.size(), QSize(750, 583));
    for (const QGroupBox* frame : dialog.findChildren<QGroupBox*>()) {
      QVERIFY2(dialog.rect().contains(frame->geometry()), qPrintable(frame->title()));
    }
    dialog.close();
  }

  // The program's window runs as an ordinary main window: neither typed as a dialog nor
  // modal, which window systems would announce to task bars.
  void RunsAsAnOrdinaryMainWindow() {
    const FixedToday today({16, 6, 2004});
    HoroscopeDialog dialog(*app_);
    bool shown = false;
    Qt::WindowModality modality = Qt::ApplicationModal;
    QTimer::singleShot(0, &dialog, [&] {
      shown = dialog.isVisible();
      modality = dialog.windowHandle()->modality();
      dialog.accept();
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY(shown);
    QCOMPARE(dialog.windowType(), Qt::Window);
    QCOMPARE(modality, Qt::NonModal);
  }

  // A stored month of 13 prompts while the window starts; the box waits until the window is
  // on screen and then stands over it, as its transient.
  void ShowsTheStartUpPromptOverTheShownWindow() {
    const FixedToday today({16, 6, 2004});
    app_->birthMonth = 13;
    QString text;
    bool windowExposed = false;
    bool transientForWindow = false;
    QPoint offCentre;
    QWidget* window = nullptr;
    QTimer closer;  // runs inside the box's own event loop
    connect(&closer, &QTimer::timeout, this, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr || !box->isVisible()) return;
      text = box->text();
      windowExposed = window != nullptr && window->windowHandle() != nullptr &&
                      window->windowHandle()->isExposed();
      transientForWindow =
          window != nullptr && box->windowHandle()->transientParent() == window->windowHandle();
      if (window != nullptr) {
        offCentre = box->frameGeometry().center() - window->frameGeometry().center();
      }
      box->accept();
    });
    closer.start(5);

    HoroscopeDialog dialog(*app_);
    window = &dialog;
    QCoreApplication::processEvents();
    QVERIFY(text.isEmpty());  // nothing before the window is shown
    dialog.show();
    QTRY_VERIFY(!text.isEmpty());
    QCOMPARE(text, QStringLiteral("Please enter an integer between 1 and 12."));
    QVERIFY(windowExposed);
    QVERIFY(transientForWindow);
    QVERIFY2(qAbs(offCentre.x()) <= 8 && qAbs(offCentre.y()) <= 8,
             qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
    dialog.close();
  }

 private:
  std::unique_ptr<ScratchApp> app_;
};

}  // namespace astrivo

QTEST_MAIN(astrivo::MainWindowLookTest)
#include "main_window_look_test.moc"
