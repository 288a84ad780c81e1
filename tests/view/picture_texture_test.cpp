// LoadPictureTexture: sizes, names, the rows' layout and what a missing picture gives.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <vector>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <QImage>
#include <QOpenGLContext>

#include "gl_frame.h"
#include "platform/picture_store.h"
#include "view/picture_texture.h"

namespace astrivo {
namespace {

struct PictureSize {
  int id;
  int width;
  int height;
};

// The star glow and the twelve banners, at the sizes of the sign table.
constexpr PictureSize kPictureSizes[] = {
    {149, 200, 200}, {150, 476, 83}, {151, 360, 79}, {152, 313, 76}, {163, 362, 73},
    {156, 360, 76},  {158, 365, 79}, {157, 193, 74}, {162, 311, 75}, {159, 314, 76},
    {153, 422, 73},  {164, 653, 79}, {161, 539, 77},
};

class PictureTextureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::getenv("ASTRIVO_EXPECT_NO_GL") != nullptr) GTEST_SKIP() << "run without OpenGL";
    view_ = test::ShownView(64, 64);
    ASSERT_NE(view_, nullptr);
    view_->Context()->makeCurrent(view_.get());
  }

  // Level 0 of the bound texture as red-green-blue rows, bottom row first.
  static QImage TextureImage() {
    GLint width = 0;
    GLint height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    QImage image(width, height, QImage::Format_RGBA8888);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
    return image.mirrored();  // GL's first row is the bottom one
  }

  std::unique_ptr<SkyView> view_;
};

TEST_F(PictureTextureTest, EveryPictureGivesItsSizeAndANewBoundName) {
  std::set<unsigned int> names;
  for (const PictureSize& expected : kPictureSizes) {
    const PictureTexture texture = LoadPictureTexture(expected.id);
    EXPECT_EQ(texture.width, expected.width) << "picture " << expected.id;
    EXPECT_EQ(texture.height, expected.height) << "picture " << expected.id;
    EXPECT_NE(texture.name, 0u) << "picture " << expected.id;
    EXPECT_TRUE(names.insert(texture.name).second) << "picture " << expected.id;
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<unsigned int>(bound), texture.name) << "left bound";
    GLint filter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    EXPECT_EQ(filter, GL_NEAREST_MIPMAP_LINEAR) << "no parameter is set on a new texture";
  }
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(PictureTextureTest, MissingOrShortPicturesMakeNoTexture) {
  GLint before = 0;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &before);
  const PictureTexture missing = LoadPictureTexture(9999);
  EXPECT_EQ(missing.name, 0u);
  EXPECT_EQ(missing.width, 0);
  Picture shortRows;
  shortRows.width = 653;
  shortRows.height = 2;
  shortRows.bgrRows.resize(1959 * 2);  // unpadded: 1960 a row is needed
  EXPECT_EQ(LoadPictureTexture(shortRows).name, 0u);
  GLint after = 0;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &after);
  EXPECT_EQ(after, before) << "nothing was bound";
}

TEST_F(PictureTextureTest, OddWidthRowsKeepTheirPaddingWithoutShear) {
  // 653 pixels make 1959 bytes a row, padded to 1960: a vertical blue line at the middle
  // column must stay one column in every row, and the top rows (red) must land on top.
  // The Sagittarius banner's size, which GLU scales on both axes.
  constexpr int kWidth = 653;
  constexpr int kHeight = 79;
  constexpr int kRedRows = 4;
  constexpr int kLine = 326;
  Picture picture;
  picture.width = kWidth;
  picture.height = kHeight;
  const std::size_t rowBytes = 1960;
  picture.bgrRows.assign(rowBytes * kHeight, 0);
  for (int y = 0; y < kHeight; ++y) {
    std::uint8_t* row = picture.bgrRows.data() + rowBytes * y;
    for (int dx = -3; dx <= 3; ++dx) row[(kLine + dx) * 3 + 0] = 255;  // blue
    if (y >= kHeight - kRedRows) {
      for (int x = 0; x < kWidth; ++x) row[x * 3 + 2] = 255;  // red, the picture's top row
    }
  }
  ASSERT_NE(LoadPictureTexture(picture).name, 0u);
  const QImage texture = TextureImage();
  ASSERT_FALSE(texture.isNull());
  const int expectedColumn = kLine * texture.width() / kWidth;
  for (int y = 0; y < texture.height(); ++y) {
    int brightest = 0;
    for (int x = 1; x < texture.width(); ++x) {
      if (qBlue(texture.pixel(x, y)) > qBlue(texture.pixel(brightest, y))) brightest = x;
    }
    EXPECT_NEAR(brightest, expectedColumn, 1) << "row " << y << " is sheared";
  }
  EXPECT_GT(qRed(texture.pixel(texture.width() / 4, 0)), 100) << "the top rows are on top";
  EXPECT_EQ(qRed(texture.pixel(texture.width() / 4, texture.height() - 1)), 0);
}

TEST_F(PictureTextureTest, TheSagittariusBannerMatchesItsPicture) {
  const PictureTexture texture = LoadPictureTexture(164);
  ASSERT_EQ(texture.width, 653);
  const QImage level0 = TextureImage();
  const QImage picture = PictureImage(164).scaled(level0.size(), Qt::IgnoreAspectRatio,
                                                  Qt::SmoothTransformation);
  // Compare the yellow (red) channel; a one-byte slip per row would drift the letters.
  double difference = 0.0;
  for (int y = 0; y < level0.height(); ++y) {
    for (int x = 0; x < level0.width(); ++x) {
      difference += std::abs(qRed(level0.pixel(x, y)) - qRed(picture.pixel(x, y)));
      EXPECT_EQ(qBlue(level0.pixel(x, y)), 0) << "the letters have no blue";
      if (HasFailure()) return;
    }
  }
  EXPECT_LT(difference / (level0.width() * level0.height()), 12.0);
}

}  // namespace
}  // namespace astrivo
