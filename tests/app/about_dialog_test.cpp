// The About box built from layout 100: its texts, its link and how it closes.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/about_dialog.h"
#include "app/about_layout.h"

namespace astrivo {

class AboutDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void ShowsProductVersionAndLink() {
    AboutDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("About Astrivo"));
    QCOMPARE(dialog.size(), QSize(dialog.Units().ToPixelsX(199), dialog.Units().ToPixelsY(231)));
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) texts.append(label->text());
    QVERIFY2(texts.contains(QStringLiteral("Astrivo Version 1.1")), qPrintable(texts.join('|')));
    QList<QSize> pictures;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
      if (!label->pixmap().isNull()) pictures.append(label->pixmap().size());
    }
    QCOMPARE(pictures, QList<QSize>{QSize(299, 212)});  // picture 176 at its natural size
    CHyperLink* link = dialog.Link();
    QVERIFY(link != nullptr);
    QCOMPARE(link->url, QStringLiteral("https://astrivo.example/"));
    QCOMPARE(link->text(), link->url);
    QCOMPARE(link->pos(), dialog.Units().ToPixels(QRect(60, 35, 101, 8)).topLeft());
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
  }

  void OpensWithOkFocusedAndClosesWithIt_data() {
    QTest::addColumn<bool>("byKey");
    QTest::newRow("click OK") << false;
    QTest::newRow("Enter") << true;
  }
  void OpensWithOkFocusedAndClosesWithIt() {
    QFETCH(bool, byKey);
    AboutDialog dialog;
    int opened = 0;
    dialog.Link()->SetOpener([&](const QString&) { ++opened; });
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* ok = dialog.ControlAs<QPushButton>(kIdOk);
    QCOMPARE(QApplication::focusWidget(), ok);
    QVERIFY(!dialog.Link()->armed);
    if (byKey) {
      QTest::keyClick(ok, Qt::Key_Return);
    } else {
      QTest::mouseClick(ok, Qt::LeftButton);
    }
    QCOMPARE(dialog.result(), int{QDialog::Accepted});
    QVERIFY(!dialog.isVisible());
    QCOMPARE(opened, 0);
  }

  void EscapeClosesWithoutAccepting() {
    AboutDialog dialog;
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int{QDialog::Rejected});
  }
};

}  // namespace astrivo

QTEST_MAIN(astrivo::AboutDialogTest)
#include "about_dialog_test.moc"
