// Built-in pictures turned into mipmapped GL textures.
#include "view/picture_texture.h"

#include <cstddef>

#include <GL/gl.h>
#include <GL/glu.h>

#include "sky/sky_scene.h"

namespace astrivo {
namespace {

constexpr int kComponents = 3;     // red, green and blue; the pictures carry no alpha
constexpr std::size_t kBytesPerPixel = 3;
constexpr std::size_t kRowAlignment = 4;  // bytes; GL's default unpack alignment

std::size_t RowBytes(int width) {
  return (static_cast<std::size_t>(width) * kBytesPerPixel + kRowAlignment - 1) /
         kRowAlignment * kRowAlignment;
}

}  // namespace

PictureTexture LoadPictureTexture(const Picture& picture) {
  if (picture.width <= 0 || picture.height <= 0 ||
      picture.bgrRows.size() < RowBytes(picture.width) * static_cast<std::size_t>(picture.height)) {
    return {};
  }
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  // GLU scales the picture to powers of two itself; it reads the rows with the unpack
  // alignment in force, which the padding to 4 bytes matches.
  gluBuild2DMipmaps(GL_TEXTURE_2D, kComponents, picture.width, picture.height, GL_BGR,
                    GL_UNSIGNED_BYTE, picture.bgrRows.data());
  return {name, picture.width, picture.height};
}

PictureTexture LoadPictureTexture(int pictureId) {
  Picture picture;
  if (!LoadPicture(pictureId, picture)) return {};
  return LoadPictureTexture(picture);
}

void LoadSceneTextures(SkyScene& scene) {
  for (int i = 0; i < scene.SignCount(); ++i) {
    ZodiacSign* sign = scene.SignAt(i);
    sign->bannerTexture = LoadPictureTexture(sign->bannerPicture).name;
  }
  for (int i = 0; i < scene.BodyCount(); ++i) {
    Planet* body = scene.BodyAt(i);
    if (body->pictureId != 0) body->textureName = LoadPictureTexture(body->pictureId).name;
  }
}

void ReleaseSceneTextures(SkyScene& scene, bool deleteTextures) {
  const auto release = [deleteTextures](unsigned int& name) {
    if (deleteTextures && name != 0) glDeleteTextures(1, &name);
    name = 0;
  };
  for (int i = 0; i < scene.SignCount(); ++i) release(scene.SignAt(i)->bannerTexture);
  for (int i = 0; i < scene.BodyCount(); ++i) release(scene.BodyAt(i)->textureName);
}

}  // namespace astrivo
