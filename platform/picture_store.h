// The program's built-in pictures, compiled in with Qt's resource system and read by id
// (":/pictures/<id>").
#pragma once

#include <cstdint>
#include <vector>

#include <QImage>

namespace astrivo {

// Pixel rows as GL's default unpack alignment expects them: bottom row first, 3 bytes a pixel
// in blue-green-red order, each row padded to a multiple of 4 bytes.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> bgrRows;
};

// False, with `picture` untouched, when there is no picture of that id.
bool LoadPicture(int id, Picture& picture);
// The picture as an image for widgets; a null image when there is none.
QImage PictureImage(int id);

}  // namespace astrivo
