// The link control driven by pointer and keyboard: attaching, hover and focus states, and
// opening its address on click and on the space bar.
#include <QEnterEvent>
#include <QTest>

#include "app/hyper_link.h"
#include "platform/link_cursor.h"

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

// A window holding one attached link whose openings are counted instead of run.
struct LinkFixture {
  explicit LinkFixture(const QString& caption, const QString& url = QString()) {
    window.resize(400, 100);
    link = new CHyperLink(&window);
    link->setText(caption);
    link->setGeometry(90, 52, 151, 13);
    link->url = url;
    link->SetOpener([this](const QString& address) { opened.append(address); });
    link->Attach();
  }
  void Show() {
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
  }

  QWidget window;
  CHyperLink* link;
  QStringList opened;
};

void SendKey(QWidget* widget, Qt::Key key, bool autoRepeat) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), autoRepeat);
  QApplication::sendEvent(widget, &press);
}

}  // namespace

class HyperLinkTest : public QObject {
  Q_OBJECT

 private slots:
  void AttachFillsInUrlAndCaption_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("shownText");
    QTest::addColumn<QString>("openedUrl");
    QTest::addColumn<QString>("toolTip");
    const QString address = QString::fromLatin1(kAddress);
    QTest::newRow("caption and url") << "Our page" << address << "Our page" << address
                                     << "Our page";
    QTest::newRow("empty url opens the caption") << address << "" << address << address
                                                 << address;
    QTest::newRow("empty caption shows the url") << "" << address << address << address << "";
  }
  void AttachFillsInUrlAndCaption() {
    QFETCH(QString, caption);
    QFETCH(QString, url);
    QFETCH(QString, shownText);
    QFETCH(QString, openedUrl);
    QFETCH(QString, toolTip);
    LinkFixture fixture(caption, url);
    QCOMPARE(fixture.link->text(), shownText);
    QCOMPARE(fixture.link->url, openedUrl);
    QCOMPARE(fixture.link->toolTip(), toolTip);
    QCOMPARE(fixture.link->accessibleDescription(), openedUrl);
  }

  void LooksLikeALinkAndFitsItsText() {
    LinkFixture fixture(QString::fromLatin1(kAddress));
    CHyperLink* link = fixture.link;
    QVERIFY(link->font().underline());
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(&LinkCursor(), &LinkCursor());  // made once, shared by every link
    const QFontMetrics metrics(link->font());
    // Left-aligned and not centred: the top-left corner stays and the size shrinks to the text.
    QCOMPARE(link->geometry(), QRect(90, 52, metrics.horizontalAdvance(link->text()),
                                     metrics.height()));

    QImage image(link->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    link->render(&image);
    int blue = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y) == QColor(0, 0, 255)) ++blue;
      }
    }
    QVERIFY2(blue >= image.width() / 2, "blue text with a blue underline");
  }

  void CentredTextShrinksEquallyOnBothSides() {
    QWidget window;
    auto* link = new CHyperLink(&window);
    link->setText(QString::fromLatin1(kAddress));
    link->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    link->setGeometry(10, 10, 301, 41);
    link->Attach();
    const QFontMetrics metrics(link->font());
    const int shrinkX = (301 - metrics.horizontalAdvance(link->text())) / 2;
    const int shrinkY = (41 - metrics.height()) / 2;
    QCOMPARE(link->geometry(), QRect(10 + shrinkX, 10 + shrinkY, 301 - 2 * shrinkX,
                                     41 - 2 * shrinkY));
  }

  void SizeToTextCanBeSwitchedOff() {
    QWidget window;
    auto* link = new CHyperLink(&window);
    link->setText(QString::fromLatin1(kAddress));
    link->setGeometry(10, 10, 300, 40);
    link->options &= ~CHyperLink::kSizeToText;
    link->Attach();
    QCOMPARE(link->geometry(), QRect(10, 10, 300, 40));
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

  void FocusArmsAndLosingItClearsBothStates() {
    LinkFixture fixture(QString::fromLatin1(kAddress));
    fixture.Show();
    CHyperLink* link = fixture.link;
    link->clearFocus();
    QVERIFY(!link->armed);
    link->setFocus();
    QVERIFY(link->armed);
    link->hovering = true;
    link->clearFocus();
    QVERIFY(!link->armed);
    QVERIFY(!link->hovering);
    QVERIFY(fixture.opened.isEmpty());
  }

  void ClickOpensAndStaysArmed() {
    LinkFixture fixture(QString::fromLatin1(kAddress));
    fixture.Show();
    QTest::mouseClick(fixture.link, Qt::RightButton);
    QVERIFY(fixture.opened.isEmpty());
    QTest::mouseClick(fixture.link, Qt::LeftButton);
    QCOMPARE(fixture.opened, QStringList{QString::fromLatin1(kAddress)});
    QVERIFY(fixture.link->hasFocus());
    QVERIFY(fixture.link->armed);
    QTest::mouseClick(fixture.link, Qt::LeftButton);
    QCOMPARE(fixture.opened.size(), 2);
  }

  void KeysOnTheFocusedLink_data() {
    QTest::addColumn<QList<int>>("keys");  // Qt::Key, negative for a key-repeat press
    QTest::addColumn<int>("openings");
    QTest::newRow("space opens") << QList<int>{Qt::Key_Space} << 1;
    QTest::newRow("holding space opens once")
        << QList<int>{Qt::Key_Space, -Qt::Key_Space, -Qt::Key_Space, -Qt::Key_Space} << 1;
    QTest::newRow("two presses open twice") << QList<int>{Qt::Key_Space, Qt::Key_Space} << 2;
    QTest::newRow("Return does nothing special") << QList<int>{Qt::Key_Return} << 0;
    QTest::newRow("a letter does nothing") << QList<int>{Qt::Key_A} << 0;
  }
  void KeysOnTheFocusedLink() {
    QFETCH(QList<int>, keys);
    QFETCH(int, openings);
    LinkFixture fixture(QString::fromLatin1(kAddress));
    fixture.Show();
    fixture.link->setFocus();
    for (int key : keys) {
      SendKey(fixture.link, static_cast<Qt::Key>(std::abs(key)), key < 0);
    }
    QCOMPARE(fixture.opened.size(), openings);
  }

  void TabReachesTheLink() {
    LinkFixture fixture(QString::fromLatin1(kAddress));
    auto* before = new QWidget(&fixture.window);
    before->setFocusPolicy(Qt::StrongFocus);
    before->stackUnder(fixture.link);
    QWidget::setTabOrder(before, fixture.link);
    fixture.Show();
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    QVERIFY(fixture.link->hasFocus());
    QTest::keyClick(fixture.link, Qt::Key_Space);
    QCOMPARE(fixture.opened.size(), 1);
  }
};

}  // namespace astrivo

QTEST_MAIN(astrivo::HyperLinkTest)
#include "hyper_link_test.moc"
