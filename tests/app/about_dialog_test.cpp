// The About box built from layout 100: its texts, its picture, its link and how it closes.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/about_dialog.h"
#include "app/about_layout.h"

namespace astrivo {

class AboutDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void ShowsProductVersionPictureAndLink() {
    AboutDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("About Astrivo"));
    QCOMPARE(dialog.size(), QSize(dialog.Units().ToPixelsX(199), dialog.Units().ToPixelsY(231)));
    QStringList texts;
    QList<QSize> pictures;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
      texts.append(label->text());
      if (!label->pixmap().isNull()) pictures.append(label->pixmap().size());
    }
    QVERIFY2(texts.contains(QStringLiteral("Astrivo Version 1.1")), qPrintable(texts.join('|')));
    QCOMPARE(pictures, QList<QSize>{QSize(299, 212)});  // picture 176 at its natural size
    CHyperLink* link = dialog.Link();
    QVERIFY(link != nullptr);
    QCOMPARE(link->url, QStringLiteral("https://astrivo.example/"));
    QCOMPARE(link->text(), link->url);
    QCOMPARE(link->pos(), dialog.Units().ToPixels(QRect(60, 35, 101, 8)).topLeft());
  }

  void OpensWithOkFocusedAndCloses_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("result");
    QTest::newRow("click OK") << "click" << int{QDialog::Accepted};
    QTest::newRow("Enter") << "enter" << int{QDialog::Accepted};
    QTest::newRow("Escape") << "escape" << int{QDialog::Rejected};
  }
  void OpensWithOkFocusedAndCloses() {
    QFETCH(QString, how);
    QFETCH(int, result);
    AboutDialog dialog;
    int opened = 0;
    dialog.Link()->SetOpener([&](const QString&) { ++opened; });
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* ok = dialog.ControlAs<QPushButton>(kIdOk);
    QCOMPARE(QApplication::focusWidget(), ok);
    if (how == u"click") QTest::mouseClick(ok, Qt::LeftButton);
    if (how == u"enter") QTest::keyClick(ok, Qt::Key_Return);
    if (how == u"escape") QTest::keyClick(&dialog, Qt::Key_Escape);
    QCOMPARE(dialog.result(), result);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(opened, 0);
  }
};

}  // namespace astrivo

QTEST_MAIN(astrivo::AboutDialogTest)
#include "about_dialog_test.moc"
