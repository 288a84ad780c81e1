// Reads the built-in pictures from the resource system and hands them out either as GL-ready
// rows or as images for widgets.
#include "platform/picture_store.h"

#include <utility>

#include <QImageReader>
#include <QString>

namespace astrivo {
namespace {

constexpr int kBytesPerPixel = Picture::kBytesPerPixel;

QString PicturePath(int id) { return QStringLiteral(":/pictures/%1").arg(id); }

}  // namespace

bool LoadPicture(int id, Picture& picture) {
  const QImage image = PictureImage(id);
  if (image.isNull()) return false;
  // RGB888 gives exactly three bytes a pixel in red-green-blue order whatever the file held.
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  const int width = rgb.width();
  const int height = rgb.height();
  const std::size_t rowBytes = Picture::RowBytes(width);
  std::vector<std::uint8_t> rows(rowBytes * static_cast<std::size_t>(height), 0);
  for (int y = 0; y < height; ++y) {
    // The bottom row of the picture comes first.
    const uchar* source = rgb.constScanLine(height - 1 - y);
    std::uint8_t* target = rows.data() + rowBytes * static_cast<std::size_t>(y);
    for (int x = 0; x < width; ++x) {
      target[x * kBytesPerPixel + 0] = source[x * kBytesPerPixel + 2];
      target[x * kBytesPerPixel + 1] = source[x * kBytesPerPixel + 1];
      target[x * kBytesPerPixel + 2] = source[x * kBytesPerPixel + 0];
    }
  }
  picture.width = width;
  picture.height = height;
  picture.bgrRows = std::move(rows);
  return true;
}

// The program's pictures are PNGs. Naming the format spares the reader probing every image
// plugin (and loading each, with its codec library) on names that carry no suffix; a picture
// in another format is still found by probing.
QImage PictureImage(int id) {
  const QString path = PicturePath(id);
  QImageReader png(path, "png");
  // Given a format, the reader would still ask every plugin first unless told not to.
  png.setAutoDetectImageFormat(false);
  QImage image = png.read();
  if (image.isNull()) image.load(path);
  return image;
}

}  // namespace astrivo
