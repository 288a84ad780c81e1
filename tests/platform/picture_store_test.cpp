// Checks the row layout that GL's texture upload relies on, using a 3 x 2 test picture whose
// rows need padding, the image that widgets show, and a picture that is missing.
#include <QTest>

#include "platform/picture_store.h"

namespace astrivo {
namespace {

constexpr int kTestPicture = 9001;     // tests/platform/data/three_by_two.ppm
constexpr int kMissingPicture = 9999;  // no picture has this id

}  // namespace

class PictureStoreTest : public QObject {
  Q_OBJECT

 private slots:
  void LaysOutRowsBottomFirstInBgrPaddedToFourBytes() {
    Picture picture;
    QVERIFY(LoadPicture(kTestPicture, picture));
    QCOMPARE(picture.width, 3);
    QCOMPARE(picture.height, 2);
    const QByteArray rows(reinterpret_cast<const char*>(picture.bgrRows.data()),
                          static_cast<qsizetype>(picture.bgrRows.size()));
    // Bottom row white, black, (10, 20, 30); top row red, green, blue; each pixel blue, green,
    // red and each row padded with zeros to 12 bytes.
    QCOMPARE(rows.toHex(' '), QByteArray("ff ff ff 00 00 00 1e 14 0a 00 00 00 "
                                         "00 00 ff 00 ff 00 ff 00 00 00 00 00"));
    // The image for widgets keeps the top row on top.
    const QImage image = PictureImage(kTestPicture);
    QCOMPARE(image.size(), QSize(3, 2));
    QCOMPARE(image.pixelColor(0, 0), QColor(255, 0, 0));
    QCOMPARE(image.pixelColor(2, 1), QColor(10, 20, 30));
    // A missing picture leaves the target untouched.
    QVERIFY(!LoadPicture(kMissingPicture, picture));
    QCOMPARE(picture.bgrRows.size(), std::size_t{24});
    QVERIFY(PictureImage(kMissingPicture).isNull());
  }
};

}  // namespace astrivo

QTEST_GUILESS_MAIN(astrivo::PictureStoreTest)
#include "picture_store_test.moc"
