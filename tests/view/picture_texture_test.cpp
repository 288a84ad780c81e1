// LoadPictureTexture: sizes, names, the rows' layout and what a missing picture gives.
#include <algorithm>
#include <cstdint>
#include <set>

#include <QImage>
#include <QResource>
#include <utility>
#include <vector>

#include "gl_frame.h"
#include "platform/picture_store.h"
#include "view/picture_texture.h"

namespace astrivo {
namespace {

using PictureTextureTest = test::GlTest;

TEST_F(PictureTextureTest, EveryPictureGivesItsSizeAndANewName) {
  struct PictureSize {
    int id;
    int width;
    int height;
  };
  // The star glow and the twelve banners at the sizes of the sign table; then no picture.
  constexpr PictureSize kPictures[] = {
      {149, 200, 200}, {150, 476, 83}, {151, 360, 79}, {152, 313, 76}, {163, 362, 73},
      {156, 360, 76},  {158, 365, 79}, {157, 193, 74}, {162, 311, 75}, {159, 314, 76},
      {153, 422, 73},  {164, 653, 79}, {161, 539, 77}, {9999, 0, 0},
  };
  std::set<unsigned int> names;
  for (const PictureSize& expected : kPictures) {
    const PictureTexture texture = LoadPictureTexture(expected.id);
    EXPECT_EQ(texture.width, expected.width) << "picture " << expected.id;
    EXPECT_EQ(texture.height, expected.height) << "picture " << expected.id;
    EXPECT_EQ(texture.name != 0, expected.width != 0) << "picture " << expected.id;
    if (texture.name == 0) continue;
    EXPECT_TRUE(names.insert(texture.name).second) << "picture " << expected.id;
    GLint filter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    EXPECT_EQ(filter, GL_NEAREST_MIPMAP_LINEAR) << "no parameter is set on a new texture";
  }
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  // Rows one byte short of the 4-byte padding would be read past their end.
  Picture shortRows;
  shortRows.width = 653;
  shortRows.height = 2;
  shortRows.bgrRows.resize(1959 * 2);
  EXPECT_EQ(LoadPictureTexture(shortRows).name, 0u);
}

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

TEST_F(PictureTextureTest, StoredMipmapsAreTheLevelsGluBuilds) {
  // The textured pictures carry their mipmap chains ready-made; every level, byte for byte,
  // must be what gluBuild2DMipmaps makes of the picture's own pixels.
  for (int id : {149, 150, 151, 152, 153, 156, 157, 158, 159, 161, 162, 163, 164}) {
    EXPECT_TRUE(QResource(QStringLiteral(":/mipmaps/%1").arg(id)).isValid()) << "picture " << id;
    Picture picture;
    ASSERT_TRUE(LoadPicture(id, picture)) << "picture " << id;
    GLuint reference = 0;
    glGenTextures(1, &reference);
    glBindTexture(GL_TEXTURE_2D, reference);
    ASSERT_EQ(gluBuild2DMipmaps(GL_TEXTURE_2D, 3, picture.width, picture.height, GL_BGR,
                                GL_UNSIGNED_BYTE, picture.bgrRows.data()),
              0);
    const auto expected = Levels();
    const PictureTexture texture = LoadPictureTexture(id);
    ASSERT_NE(texture.name, 0u);
    const auto levels = Levels();
    // A 1 x 1 last level and at least the power of two nearest 73 pixels in height: 7 levels.
    EXPECT_GE(expected.size(), 7u) << "picture " << id;
    EXPECT_EQ(levels.size(), expected.size()) << "picture " << id;
    for (std::size_t i = 0; i < std::min(levels.size(), expected.size()); ++i) {
      EXPECT_TRUE(levels[i] == expected[i]) << "picture " << id << " level " << i;
    }
    glDeleteTextures(1, &reference);
    glDeleteTextures(1, &texture.name);
  }
}

TEST_F(PictureTextureTest, OddWidthRowsKeepTheirPaddingWithoutShear) {
  // The Sagittarius banner's size: 653 pixels make 1959 bytes a row, padded to 1960. A
  // vertical blue line at the middle column must stay one column in every row, and the top
  // rows (red, last in the picture) must land on top.
  constexpr int kWidth = 653;
  constexpr int kHeight = 79;
  constexpr int kLine = 326;
  constexpr std::size_t kRowBytes = 1960;
  Picture picture;
  picture.width = kWidth;
  picture.height = kHeight;
  picture.bgrRows.assign(kRowBytes * kHeight, 0);
  for (int y = 0; y < kHeight; ++y) {
    std::uint8_t* row = picture.bgrRows.data() + kRowBytes * y;
    for (int dx = -3; dx <= 3; ++dx) row[(kLine + dx) * 3 + 0] = 255;  // blue
    if (y < kHeight - 4) continue;
    for (int x = 0; x < kWidth; ++x) row[x * 3 + 2] = 255;  // red
  }
  ASSERT_NE(LoadPictureTexture(picture).name, 0u);
  // Level 0 of the texture GLU scaled to powers of two, top row first.
  GLint width = 0;
  GLint height = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
  QImage level0(width, height, QImage::Format_RGBA8888);
  ASSERT_FALSE(level0.isNull());
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, level0.bits());
  level0 = level0.mirrored();
  for (int y = 0; y < height; ++y) {
    int brightest = 0;
    for (int x = 1; x < width; ++x) {
      if (qBlue(level0.pixel(x, y)) > qBlue(level0.pixel(brightest, y))) brightest = x;
    }
    EXPECT_NEAR(brightest, kLine * width / kWidth, 1) << "row " << y << " is sheared";
  }
  EXPECT_GT(qRed(level0.pixel(width / 4, 0)), 100) << "the top rows are on top";
  EXPECT_EQ(qRed(level0.pixel(width / 4, height - 1)), 0);
}

}  // namespace
}  // namespace astrivo
