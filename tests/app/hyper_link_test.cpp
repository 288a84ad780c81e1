// The link control driven by pointer and keyboard: attaching, sizing, hover and focus states,
// and opening its address on click and on the space bar.
#include <QEnterEvent>
#include <QTest>

#include "app/hyper_link.h"

namespace astrivo {
namespace {

constexpr const char* kAddress = "https://astrivo.example/";

struct PaintCounter : QObject {
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

// A window holding one link whose openings are counted instead of run.
struct LinkFixture {
  explicit LinkFixture(const QString& caption, const QString& url = QString(),
                       Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop,
                       int options = CHyperLink::kUnderline | CHyperLink::kSizeToText |
                                     CHyperLink::kFocusOnPress) {
    window.resize(400, 100);
    link = new CHyperLink(&window);
    link->setText(caption);
    link->setAlignment(alignment);
    link->options = options;
    link->setGeometry(kPlace);
    link->url = url;
    link->SetOpener([this](const QString& address) { opened.append(address); });
    link->Attach();
  }
  void Show() {
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
  }

  static constexpr QRect kPlace{10, 10, 301, 41};
  QWidget window;
  CHyperLink* link;
  QStringList opened;
};

}  // namespace

class HyperLinkTest : public QObject {
  Q_OBJECT

 private slots:
  void AttachFillsInUrlAndCaption_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("shownText");
    const QString address = QString::fromLatin1(kAddress);
    QTest::newRow("caption and url") << "Our page" << address << "Our page";
    QTest::newRow("empty url opens the caption") << address << "" << address;
    QTest::newRow("empty caption shows the url") << "" << address << address;
  }
  void AttachFillsInUrlAndCaption() {
    QFETCH(QString, caption);
    QFETCH(QString, url);
    QFETCH(QString, shownText);
    LinkFixture fixture(caption, url);
    QCOMPARE(fixture.link->text(), shownText);
    QCOMPARE(fixture.link->url, QString::fromLatin1(kAddress));
    QCOMPARE(fixture.link->toolTip(), caption);
    QCOMPARE(fixture.link->accessibleDescription(), fixture.link->url);
    QVERIFY(fixture.link->font().underline());
    QCOMPARE(fixture.link->cursor().shape(), Qt::PointingHandCursor);
  }

  void SizesToItsText_data() {
    QTest::addColumn<int>("alignment");
    QTest::addColumn<bool>("sizeToText");
    QTest::newRow("left: top left corner stays") << int{Qt::AlignLeft | Qt::AlignTop} << true;
    QTest::newRow("centred: shrinks equally") << int{Qt::AlignCenter} << true;
    QTest::newRow("switched off: place stays") << int{Qt::AlignLeft | Qt::AlignTop} << false;
  }
  void SizesToItsText() {
    QFETCH(int, alignment);
    QFETCH(bool, sizeToText);
    LinkFixture fixture(
        QString::fromLatin1(kAddress), QString(), Qt::Alignment(alignment),
        sizeToText ? CHyperLink::kUnderline | CHyperLink::kSizeToText : CHyperLink::kUnderline);
    const QRect place = LinkFixture::kPlace;
    const QFontMetrics metrics(fixture.link->font());
    const QSize text(metrics.horizontalAdvance(fixture.link->text()), metrics.height());
    const QRect shown = fixture.link->geometry();
    QImage image(shown.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    fixture.link->render(&image);
    int blue = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) blue += image.pixelColor(x, y) == Qt::blue;
    }
    QVERIFY2(blue >= text.width() / 2, "blue text with a blue underline");
    if (!sizeToText) {
      QCOMPARE(shown, place);
    } else if ((alignment & Qt::AlignHCenter) == 0) {
      QCOMPARE(shown, QRect(place.topLeft(), text));
    } else {
      // Both sides move in by half the slack, rounded down, so the centre stays.
      QCOMPARE(shown.center(), place.center());
      QVERIFY(shown.width() - text.width() <= 1 && shown.height() - text.height() <= 1);
    }
  }

  void RepaintsOnceOnEnteringAndOnceOnLeaving() {
    LinkFixture fixture(QString::fromLatin1(kAddress));
    fixture.Show();
    CHyperLink* link = fixture.link;
    QTest::qWait(50);
    PaintCounter counter;
    link->installEventFilter(&counter);

    const QPointF inside(5, 5);
    QEnterEvent enter(inside, link->mapToGlobal(inside), link->mapToGlobal(inside));
    QApplication::sendEvent(link, &enter);
    QVERIFY(link->hovering);
    QTRY_COMPARE(counter.paints, 1);

    QTest::mouseMove(link, QPoint(8, 6));
    QTest::mouseMove(link, QPoint(12, 4));
    QTest::qWait(50);
    QVERIFY(link->hovering);
    QCOMPARE(counter.paints, 1);

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(link, &leave);
    QVERIFY(!link->hovering);
    QTRY_COMPARE(counter.paints, 2);
    QTest::qWait(50);
    QCOMPARE(counter.paints, 2);
  }

  void ClickOpensFocusArmsAndLosingItClearsBothStates() {
    LinkFixture fixture(QString::fromLatin1(kAddress));
    fixture.Show();
    fixture.link->clearFocus();
    QVERIFY(!fixture.link->armed);
    QTest::mouseClick(fixture.link, Qt::RightButton);
    QVERIFY(fixture.opened.isEmpty());
    QTest::mouseClick(fixture.link, Qt::LeftButton);
    QCOMPARE(fixture.opened, QStringList{QString::fromLatin1(kAddress)});
    QVERIFY(fixture.link->hasFocus());
    QVERIFY(fixture.link->armed);
    fixture.link->hovering = true;
    fixture.link->clearFocus();
    QVERIFY(!fixture.link->armed);
    QVERIFY(!fixture.link->hovering);
  }

  // Key events as the X platform delivers them: auto-repeat comes as release and press pairs
  // with one timestamp, flagged as repeats only when Qt saw both in time.
  void KeysOnTheLinkReachedWithTab_data() {
    QTest::addColumn<QStringList>("events");  // "press" or "release", ms, "repeat" if flagged
    QTest::addColumn<int>("openings");
    QTest::newRow("held space, repeats flagged")
        << QStringList{"press 100",          "release 760 repeat", "press 760 repeat",
                       "release 800 repeat", "press 800 repeat",   "release 900"}
        << 1;
    QTest::newRow("held space, repeats taken for presses on a busy machine")
        << QStringList{"press 100",   "release 760", "press 760",
                       "release 800", "press 800",   "release 900"}
        << 1;
    QTest::newRow("held space, repeats as presses only")
        << QStringList{"press 100", "press 760", "press 800", "release 900"} << 1;
    QTest::newRow("two presses open twice")
        << QStringList{"press 100", "release 200", "press 300", "release 400"} << 2;
  }
  void KeysOnTheLinkReachedWithTab() {
    QFETCH(QStringList, events);
    QFETCH(int, openings);
    LinkFixture fixture(QString::fromLatin1(kAddress));
    auto* before = new QWidget(&fixture.window);
    before->setFocusPolicy(Qt::StrongFocus);
    QWidget::setTabOrder(before, fixture.link);
    fixture.Show();
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    QVERIFY(fixture.link->hasFocus());
    for (const QString& event : events) {
      const QStringList parts = event.split(u' ');
      QKeyEvent key(parts[0] == u"press" ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_Space,
                    Qt::NoModifier, QStringLiteral(" "), parts.size() > 2);
      key.setTimestamp(parts[1].toULongLong());
      QApplication::sendEvent(fixture.link, &key);
    }
    QTest::keyClick(fixture.link, Qt::Key_Return);  // not the link's key
    QCOMPARE(fixture.opened.size(), openings);
  }
};

}  // namespace astrivo

QTEST_MAIN(astrivo::HyperLinkTest)
#include "hyper_link_test.moc"
