// LoadPictureTexture: every built-in picture's size and mipmap levels byte for byte what GLU
// builds; what a missing or short picture gives.
#include <cstdint>
#include <vector>

#include "gl_frame.h"
#include "platform/picture_store.h"
#include "view/picture_texture.h"

namespace astrivo {
namespace {

using PictureTextureTest = test::GlTest;

// Every level of the bound texture as blue-green-red rows padded to 4 bytes, one guard byte
// past the end, then the level's width and height.
std::vector<std::vector<std::uint8_t>> Levels() {
  std::vector<std::vector<std::uint8_t>> levels;
  for (int level = 0;; ++level) {
    GLint width = 0;
    GLint height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &height);
    if (width == 0 || height == 0) break;
    std::vector<std::uint8_t> rows((width * 3 + 3) / 4 * 4 * height + 1, 0xAB);
    glGetTexImage(GL_TEXTURE_2D, level, GL_BGR, GL_UNSIGNED_BYTE, rows.data());
    rows.push_back(static_cast<std::uint8_t>(width));
    rows.push_back(static_cast<std::uint8_t>(height));
    levels.push_back(std::move(rows));
  }
  return levels;
}

TEST_F(PictureTextureTest, EveryPictureGivesItsSizeAndGlusMipmaps) {
  // The star glow and the twelve banners at the sizes of the sign table. They carry their
  // mipmap chains ready-made; every level must be what gluBuild2DMipmaps makes of the
  // picture's own pixels (the Sagittarius banner's 653 pixels make rows padded by a byte).
  const struct {
    int id, width, height;
  } pictures[] = {
      {149, 200, 200}, {150, 476, 83}, {151, 360, 79}, {152, 313, 76}, {163, 362, 73},
      {156, 360, 76},  {158, 365, 79}, {157, 193, 74}, {162, 311, 75}, {159, 314, 76},
      {153, 422, 73},  {164, 653, 79}, {161, 539, 77},
  };
  for (const auto& expected : pictures) {
    SCOPED_TRACE(testing::Message() << "picture " << expected.id);
    Picture picture;
    ASSERT_TRUE(LoadPicture(expected.id, picture));
    GLuint reference = 0;
    glGenTextures(1, &reference);
    glBindTexture(GL_TEXTURE_2D, reference);
    ASSERT_EQ(gluBuild2DMipmaps(GL_TEXTURE_2D, 3, picture.width, picture.height, GL_BGR,
                                GL_UNSIGNED_BYTE, picture.bgrRows.data()),
              0);
    const auto gluLevels = Levels();
    const PictureTexture texture = LoadPictureTexture(expected.id);
    EXPECT_EQ(texture.width, expected.width);
    EXPECT_EQ(texture.height, expected.height);
    EXPECT_NE(texture.name, 0u);
    // At least the power of two nearest 73 pixels in height down to 1 x 1: 7 levels.
    EXPECT_GE(gluLevels.size(), 7u);
    EXPECT_TRUE(Levels() == gluLevels);
    glDeleteTextures(1, &reference);
  }
  EXPECT_EQ(LoadPictureTexture(9999).name, 0u) << "no such picture";
  // Rows one byte short of the 4-byte padding would be read past their end.
  Picture shortRows;
  shortRows.width = 653;
  shortRows.height = 2;
  shortRows.bgrRows.resize(1959 * 2);
  EXPECT_EQ(LoadPictureTexture(shortRows).name, 0u);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
}  // namespace astrivo
