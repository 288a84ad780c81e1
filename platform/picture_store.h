// The program's built-in pictures, compiled in with Qt's resource system and read by id
// (":/pictures/<id>").
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include <QImage>

namespace astrivo {

// Pixel rows as GL's default unpack alignment expects them: bottom row first, 3 bytes a pixel
// in blue-green-red order, each row padded to a multiple of 4 bytes.
struct Picture {
  static constexpr int kBytesPerPixel = 3;  // blue, green, red
  static constexpr int kRowAlignment = 4;   // bytes; GL's default unpack alignment

  // Bytes of one padded row of a picture `width` pixels wide.
  static constexpr std::size_t RowBytes(int width) {
    return (static_cast<std::size_t>(width) * kBytesPerPixel + kRowAlignment - 1) / kRowAlignment *
           kRowAlignment;
  }

  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> bgrRows;
};

// False, with `picture` untouched, when there is no picture of that id.
bool LoadPicture(int id, Picture& picture);
// The picture as an image for widgets; a null image when there is none.
QImage PictureImage(int id);

}  // namespace astrivo
