// The main window and the About box as the screen shows them at 100, 125, 150 and 200 %.
// Each scale runs this program again as a child on a screen of its own, 1920 x 1080 device
// pixels: an Xvfb with QT_SCALE_FACTOR, or a weston at output scale 2. The child shows the
// window, drives it with real input (XTest), reads the screen back and prints what it
// measured; the table here holds the values worked out by hand.
#include <QApplication>
#include <QGroupBox>
#include <QMap>
#include <QProcess>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QStandardPaths>
#include <QTest>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <utility>

#include "app/about_dialog.h"
#include "app/horoscope_dialog.h"
#include "app/main_dialog_layout.h"
#include "app/rating_bar.h"
#include "dialog_peer.h"
#include "fixed_today.h"
#include "scratch_app.h"
#include "x_input.h"

namespace astrivo {
namespace {

constexpr const char* kChildFlag = "--child";

// ---- The child: the window on its screen -------------------------------------------------

// The whole screen as the X server holds it (under weston, its output window).
QImage Screen() {
  QProcess grab;
  grab.start(QStringLiteral("import"), {"-window", "root", "png:-"});
  grab.waitForFinished(20000);
  return QImage::fromData(grab.readAllStandardOutput(), "PNG")
      .convertToFormat(QImage::Format_RGB32);
}

// What a window at the screen's top left shows, in device pixels. (kiosk-shell puts the
// window there; on X11 the child moves it there, so that no rounding of its position can
// shift what is read.)
struct Shown {
  QImage screen;
  double scale;
  QPoint Device(const QWidget& widget, QPointF logical) const {
    const QPointF inWindow = widget.mapTo(widget.window(), QPoint(0, 0)) + logical;
    return (inWindow * scale).toPoint();
  }
};

// The screen once it has settled: two reads a moment apart alike. A compositor under load
// can take seconds to show a client's last frames.
Shown Look(QWidget& window) {
  QImage last;
  for (int read = 0; read < 60; ++read) {
    QTest::qWait(400);
    QImage now = Screen();
    if (!now.isNull() && now == last) break;
    last = std::move(now);
  }
  return {last, window.devicePixelRatioF()};
}

// The etched line across one side of a frame, read outward-in from `from` in `step`s: "D" and
// the run's length for each run of the dark colour, "L" for the light one; other colours are
// left out. "" when the side is off the screen.
QString Etch(const Shown& shown, QPoint from, QPoint step, int count, const QPalette& colors) {
  QString runs;
  QChar last;
  int length = 0;
  const auto flush = [&] {
    if (length > 0) runs += last + QString::number(length);
    length = 0;
  };
  for (int i = 0; i < count; ++i) {
    const QPoint p = from + i * step;
    if (!shown.screen.rect().contains(p)) return QString();
    // By 8-bit value: a palette's derived colours keep 16 bits per channel.
    const QRgb c = shown.screen.pixel(p);
    const QChar kind = c == colors.color(QPalette::Dark).rgb()    ? u'D'
                       : c == colors.color(QPalette::Light).rgb() ? u'L'
                                                                  : u'-';
    if (kind != last) flush();
    last = kind;
    if (kind != u'-') ++length;
  }
  flush();
  return runs;
}

// The four sides of a group box, top, left, right, bottom, each read at its middle.
QStringList Sides(const Shown& shown, const QGroupBox& box, int windowHeight) {
  const int w = box.width(), h = box.height();
  const int lineY = box.fontMetrics().height() / 2 - 1;                // the frame's top, logical
  const int n = std::max(1, static_cast<int>(shown.scale + 0.5)) * 8;  // scan length, device
  const auto side = [&](QPointF logical, QPoint step) {
    const QPoint at = shown.Device(box, logical) - step * (n / 2);
    const int bottom = box.mapTo(box.window(), QPoint(0, h)).y();
    if (box.mapTo(box.window(), QPoint()).y() + lineY < 0 || bottom > windowHeight) {
      return QString();  // scrolled off the window
    }
    return Etch(shown, at, step, n, box.palette());
  };
  return {side({w / 2.0, lineY + 0.5}, {0, 1}), side({0.5, h / 2.0}, {1, 0}),
          side({w - 1.0, h / 2.0}, {1, 0}), side({w / 2.0, h - 1.0}, {0, 1})};
}

// The Luck bar's middle row from its left edge: each stripe's width and each gap's.
void Stripes(const Shown& shown, const RatingBar& bar, QMap<QString, QString>& out) {
  const QPoint start = shown.Device(bar, {0.0, bar.height() / 2.0});
  const int end = shown.Device(bar, {bar.width() - 1.0, 0.0}).x();
  QList<std::pair<bool, int>> runs;  // lit or black, and how many pixels
  for (int x = start.x(); x < end; ++x) {
    const bool lit = shown.screen.pixelColor(x, start.y()) != Qt::black;
    if (runs.isEmpty() || runs.last().first != lit) runs.append({lit, 0});
    ++runs.last().second;
  }
  // Outline, inset, then stripe, gap, stripe ... stripe and the black margin at the right.
  if (runs.size() < 4) return;
  int minimum = INT_MAX, maximum = 0, stripes = 0, x = start.x();
  QStringList gaps;
  for (int i = 0; i < runs.size(); x += runs[i].second, ++i) {
    if (i < 2) continue;
    if (runs[i].first) {
      if (stripes == 0) out["first"] = QString::number(x);
      ++stripes;
      minimum = std::min(minimum, runs[i].second);
      maximum = std::max(maximum, runs[i].second);
      out["last"] = QString::number(x + runs[i].second);
    } else if (i + 1 < runs.size() && !gaps.contains(QString::number(runs[i].second))) {
      gaps << QString::number(runs[i].second);
    }
  }
  out["stripes"] = QStringLiteral("%1 from %2 to %3").arg(stripes).arg(minimum).arg(maximum);
  out["gaps"] = gaps.join(u' ');
}

// The About box's link before and after Tab gives it the focus: the frame is what changed
// round it. Reports whether the frame rings the link, how many of its pixels lie inside the
// link, and how many clear pixels it leaves, at the least, beside the text and underline.
void FocusFrame(XInput& input, HoroscopeDialog& dialog, QMap<QString, QString>& out) {
  AboutDialog about(&dialog);
  about.show();
  if (!QTest::qWaitForWindowExposed(&about)) return;
  about.move(0, 0);
  about.activateWindow();
  QTest::qWait(200);
  const Shown before = Look(about);
  input.Key("Tab", true, 30);
  input.Key("Tab", false);
  if (!about.Link()->hasFocus()) return;
  const Shown after = Look(about);
  const CHyperLink& link = *about.Link();
  const QRect box(before.Device(link, {0, 0}),
                  before.Device(link, {link.width() + 0.0, link.height() + 0.0}) - QPoint(1, 1));
  const QRect near = box.adjusted(-12, -12, 12, 12);
  const QRgb background = about.palette().color(QPalette::Window).rgb();
  QList<QPoint> frame, ink;
  for (int y = near.top(); y <= near.bottom(); ++y) {
    for (int x = near.left(); x <= near.right(); ++x) {
      const QRgb was = before.screen.pixel(x, y);
      if (was != after.screen.pixel(x, y)) frame << QPoint(x, y);
      if (box.contains(x, y) && was != background) ink << QPoint(x, y);
    }
  }
  int inside = 0, clear = INT_MAX;
  QRect ring;
  for (const QPoint& f : frame) {
    ring |= QRect(f, QSize(1, 1));
    if (box.contains(f)) ++inside;
    for (const QPoint& i : ink) {
      clear = std::min(clear, std::max(std::abs(f.x() - i.x()), std::abs(f.y() - i.y())) - 1);
    }
  }
  out["focus frame rings the link"] = (ring.contains(box) && ring != box) ? "yes" : "no";
  out["focus frame pixels in the link"] = QString::number(inside);
  out["clear pixels"] = QString::number(clear);
  out["ink pixels"] = QString::number(ink.size());
  out["link box pixels"] = QString::number(box.width() * box.height());
  about.close();
}

int RunChild(int argc, char** argv) {
  QApplication application(argc, argv);
  XInput input;  // after the application, which names the platform
  ScratchApp app;
  const FixedToday today({16, 6, 2004});
  HoroscopeDialog dialog(app);
  dialog.show();
  if (!input.Available()) {
    std::fprintf(stderr, "no X server with XTest for the input\n");
    return 2;
  }
  if (!QTest::qWaitForWindowExposed(&dialog, 20000)) {
    std::fprintf(stderr, "the window was never shown\n");
    return 2;
  }
  HoroscopeDialogPeer::StopTrace(dialog);
  for (RatingBar* bar : HoroscopeDialogPeer::Bars(dialog)) {
    bar->SetRating(100, 0.15);
    while (bar->StepAnimation() == 1) {
    }
  }
  QMap<QString, QString> out;
  const double scale = dialog.devicePixelRatioF();
  const QList<QGroupBox*> frames = dialog.findChildren<QGroupBox*>();
  QMap<QString, QStringList> sides;
  const auto readFrames = [&](const Shown& shown) {
    for (const QGroupBox* box : frames) {
      const QStringList read = Sides(shown, *box, dialog.height());
      QStringList& kept = sides[box->title()];
      if (kept.isEmpty()) kept = read;
      for (int i = 0; i < 4; ++i) {
        if (kept[i].isEmpty()) kept[i] = read[i];
      }
    }
  };
  // Where the window opened, in logical pixels of the screen.
  const QRect opened(dialog.mapToGlobal(QPoint()), dialog.size());
  const QRect screen(QPoint(), dialog.screen()->size());
  out["window opened on the screen"] = screen.contains(opened) ? "yes" : "no";
  const bool wayland = QGuiApplication::platformName() == QLatin1String("wayland");
  if (!wayland) dialog.move(0, 0);

  const Shown top = Look(dialog);
  readFrames(top);
  Stripes(top, *HoroscopeDialogPeer::LuckBar(dialog), out);
  const QRect window(QPoint(), (QSizeF(dialog.size()) * scale).toSize());
  const auto onScreen = [&](const QWidget* w) {
    const QRect place(top.Device(*w, {0, 0}), (QSizeF(w->size()) * scale).toSize());
    return window.contains(place) && top.screen.rect().contains(window) ? "yes" : "no";
  };
  out["heading slider shown"] = onScreen(dialog.Control(kIdHeadingSlider));
  const auto* bar = dialog.findChild<QScrollBar*>(QStringLiteral("leftColumnScrollBar"));
  out["column scrolls"] = bar != nullptr && bar->isVisible() ? "yes" : "no";

  // Three turns of the wheel over the Fortune frame's empty bottom strip scroll the column
  // to its end; the Wealth frame and the Money bar then show whole.
  const QWidget* fortune = dialog.Control(kIdLuckBar);
  const QPoint wheelAt = top.Device(*fortune, {fortune->width() / 2.0, fortune->height() + 12.0});
  input.MoveTo(wheelAt);
  for (int turn = 0; turn < 3; ++turn) {
    input.Button(5, true);
    input.Button(5, false);
  }
  const Shown end = Look(dialog);
  readFrames(end);
  out["money bar shown"] = onScreen(HoroscopeDialogPeer::MoneyBar(dialog));
  for (const QGroupBox* box : frames) {
    if (box->title() == QLatin1String("Wealth")) out["wealth frame shown"] = onScreen(box);
  }
  for (auto it = sides.cbegin(); it != sides.cend(); ++it)
    out["frame " + it.key()] = it->join(u' ');
  // On Wayland the About box goes where the compositor puts it; X11 reads it at every scale.
  if (!wayland) FocusFrame(input, dialog, out);
  for (auto it = out.cbegin(); it != out.cend(); ++it) {
    std::printf("%s: %s\n", qPrintable(it.key()), qPrintable(it.value()));
  }
  return 0;
}

// ---- The test: the table of what each scale must show --------------------------------------

QMap<QString, QString> RunOnScreen(const QString& platform, const QString& scale) {
  const QString self = QCoreApplication::applicationFilePath();
  QProcess child;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove("QT_SCALE_FACTOR");
  if (platform == QLatin1String("xcb")) {
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("QT_SCALE_FACTOR", scale);
    child.setProcessEnvironment(env);
    child.start("xvfb-run", {"-a", "-s", "-noreset -screen 0 1920x1080x24", self, kChildFlag});
  } else {
    child.setProcessEnvironment(env);
    child.start(QStringLiteral(ASTRIVO_SOURCE_DIR "/tools/wayland_seat.sh"),
                {"--size", "960x540", "--scale", scale, self, kChildFlag});
  }
  QMap<QString, QString> read;
  if (!child.waitForFinished(120000)) {
    child.kill();
    child.waitForFinished();
  }
  for (const QString& line : QString::fromUtf8(child.readAllStandardOutput()).split(u'\n')) {
    const int colon = line.indexOf(QLatin1String(": "));
    if (colon > 0) read[line.left(colon)] = line.mid(colon + 2);
  }
  if (read.isEmpty()) qWarning().noquote() << child.readAllStandardError();
  return read;
}

}  // namespace

class ScaledWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // Worked by hand for the Luck bar, 240 x 24 logical pixels at x 98 (160 and 65 dialog units
  // at 6 pixels per 4): at scale s its device pixels run from ceil(98 s) to floor(338 s),
  // w of them; a line is n = round(s) pixels; the stripe span is S = w - 6n, stripe k ends at
  // trunc(k / 100 * S) + 3n from the bar's left, and the first begins at 4n, each next one a
  // gap of n after the one before. 100 %: w 240, S 234, stripes 3 to 4 wide, 98 + 4 = 102 to
  // 98 + 234 + 3 = 335. 125 %: 123 to 422, w 299, S 293: 4 to 5, 127 to 419. 150 %: 147 to
  // 507, w 360, S 348: 4 to 5, 155 to 501. 200 %: 196 to 676, w 480, S 468: 7 to 8, 204 to 670.
  // The etched frames: a dark line of n and a light one of n on every side.
  // The window's 583 logical pixels of height fit the screen's 1080 / s up to 150 %; at
  // 200 % (540) the left column scrolls.
  void ShownAtEveryScale_data() {
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("scale");
    QTest::addColumn<QString>("etch");
    QTest::addColumn<QString>("stripes");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("scrolls");
    QTest::newRow("X11 100 %") << "xcb"
                               << "1"
                               << "D1L1"
                               << "50 from 3 to 4"
                               << "102"
                               << "335"
                               << "no";
    QTest::newRow("X11 125 %") << "xcb"
                               << "1.25"
                               << "D1L1"
                               << "50 from 4 to 5"
                               << "127"
                               << "419"
                               << "no";
    QTest::newRow("X11 150 %") << "xcb"
                               << "1.5"
                               << "D2L2"
                               << "50 from 4 to 5"
                               << "155"
                               << "501"
                               << "no";
    QTest::newRow("X11 200 %") << "xcb"
                               << "2"
                               << "D2L2"
                               << "50 from 7 to 8"
                               << "204"
                               << "670"
                               << "yes";
    QTest::newRow("Wayland 200 %") << "wayland"
                                   << "2"
                                   << "D2L2"
                                   << "50 from 7 to 8"
                                   << "204"
                                   << "670"
                                   << "yes";
  }
  void ShownAtEveryScale() {
    QFETCH(QString, platform);
    QFETCH(QString, scale);
    QFETCH(QString, etch);
    if (platform == QLatin1String("wayland") &&
        QStandardPaths::findExecutable("weston").isEmpty()) {
      QSKIP("no weston");
    }
    const QMap<QString, QString> shown = RunOnScreen(platform, scale);
    QVERIFY2(!shown.isEmpty(), "the child showed nothing");
    for (const char* frame : {"Input", "Horoscope", "Fortune", "Romance", "Wealth"}) {
      QCOMPARE(shown["frame " + QString(frame)], QStringList(4, etch).join(u' '));
    }
    QTEST(shown["stripes"], "stripes");
    QCOMPARE(shown["gaps"], etch.mid(1, 1));
    QTEST(shown["first"], "first");
    QTEST(shown["last"], "last");
    QTEST(shown["column scrolls"], "scrolls");
    for (const char* shows : {"window opened on the screen", "heading slider shown",
                              "money bar shown", "wealth frame shown"}) {
      QCOMPARE(shown[shows], QString("yes"));
    }
    if (platform == QLatin1String("wayland")) return;
    QCOMPARE(shown["focus frame rings the link"], QString("yes"));
    QCOMPARE(shown["focus frame pixels in the link"], QString("0"));
    // Text and underline fill some of the link's box, not all of it, and one device pixel at
    // least lies clear between them and the frame.
    const int ink = shown["ink pixels"].toInt();
    QVERIFY2(ink > 50 && ink < shown["link box pixels"].toInt(), qPrintable(shown["ink pixels"]));
    QVERIFY2(shown["clear pixels"].toInt() >= 1, qPrintable(shown["clear pixels"]));
  }
};

}  // namespace astrivo

int main(int argc, char** argv) {
  if (argc > 1 && qstrcmp(argv[1], astrivo::kChildFlag) == 0) return astrivo::RunChild(1, argv);
  QCoreApplication application(argc, argv);
  astrivo::ScaledWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "scaled_window_test.moc"
