// Checks the row layout that GL's texture upload relies on, using a 3 x 2 test picture whose
// rows need padding.
#include <QTest>

#include "platform/picture_store.h"

namespace astrivo {
namespace {

constexpr int kTestPicture = 9001;     // tests/platform/data/three_by_two.ppm
constexpr int kMissingPicture = 9999;  // no picture has this id
constexpr int kPaddedRowBytes = 12;    // 3 pixels x 3 bytes, padded to a multiple of 4

}  // namespace

class PictureStoreTest : public QObject {
  Q_OBJECT

 private slots:
  void LaysOutRowsBottomFirstInBgr_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("rowFromBottom");
    QTest::addColumn<QColor>("colour");
    // Distinct channels catch RGB order; the top row's offset catches missing row padding.
    QTest::newRow("bottom right mixed") << 2 << 0 << QColor(10, 20, 30);
    QTest::newRow("top left red") << 0 << 1 << QColor(255, 0, 0);
    QTest::newRow("top right blue") << 2 << 1 << QColor(0, 0, 255);
  }
  void LaysOutRowsBottomFirstInBgr() {
    QFETCH(int, x);
    QFETCH(int, rowFromBottom);
    QFETCH(QColor, colour);
    Picture picture;
    QVERIFY(LoadPicture(kTestPicture, picture));
    QCOMPARE(picture.width, 3);
    QCOMPARE(picture.height, 2);
    QCOMPARE(picture.bgrRows.size(), std::size_t{kPaddedRowBytes * 2});
    const std::size_t at = static_cast<std::size_t>(rowFromBottom * kPaddedRowBytes + x * 3);
    QCOMPARE(int{picture.bgrRows[at + 0]}, colour.blue());
    QCOMPARE(int{picture.bgrRows[at + 1]}, colour.green());
    QCOMPARE(int{picture.bgrRows[at + 2]}, colour.red());
  }

  void MissingPictureLeavesTargetUntouched() {
    Picture picture;
    picture.width = 7;
    picture.bgrRows = {1, 2, 3};
    QVERIFY(!LoadPicture(kMissingPicture, picture));
    QCOMPARE(picture.width, 7);
    QCOMPARE(picture.bgrRows.size(), std::size_t{3});
    QVERIFY(PictureImage(kMissingPicture).isNull());
  }

  void ImageKeepsTopRowOnTop() {
    const QImage image = PictureImage(kTestPicture);
    QCOMPARE(image.size(), QSize(3, 2));
    QCOMPARE(image.pixelColor(0, 0), QColor(255, 0, 0));
    QCOMPARE(image.pixelColor(2, 1), QColor(10, 20, 30));
  }
};

}  // namespace astrivo

QTEST_GUILESS_MAIN(astrivo::PictureStoreTest)
#include "picture_store_test.moc"
