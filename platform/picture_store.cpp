// Reads the built-in pictures from the resource system and hands them out either as GL-ready
// rows or as images for widgets.
#include "platform/picture_store.h"

#include <cstring>
#include <utility>

#include <QImageReader>
#include <QString>

namespace astrivo {
namespace {

QString PicturePath(int id) { return QStringLiteral(":/pictures/%1").arg(id); }

}  // namespace

bool LoadPicture(int id, Picture& picture) {
  QImage bgr = PictureImage(id);
  if (bgr.isNull()) return false;
  // Blue-green-red, bottom row first, converted and flipped in place where QImage can, so
  // that no second copy of a large picture raises the peak memory. QImage pads its rows to
  // 4 bytes as GL does, but leaves the padding uninitialised, so the rows are copied into
  // zeroed ones.
  bgr = std::move(bgr).convertToFormat(QImage::Format_BGR888).mirrored();
  const int width = bgr.width();
  const int height = bgr.height();
  const std::size_t rowBytes = Picture::RowBytes(width);
  const std::size_t pixelBytes = static_cast<std::size_t>(width) * Picture::kBytesPerPixel;
  std::vector<std::uint8_t> rows(rowBytes * static_cast<std::size_t>(height), 0);
  for (int y = 0; y < height; ++y) {
    std::memcpy(rows.data() + rowBytes * static_cast<std::size_t>(y), bgr.constScanLine(y),
                pixelBytes);
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
