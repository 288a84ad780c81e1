// Built-in pictures turned into mipmapped GL textures.
#include "view/picture_texture.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

#include <GL/gl.h>
#include <GL/glu.h>

#include <QByteArray>
#include <QResource>
#include <QString>

#include "sky/sky_scene.h"

namespace astrivo {
namespace {

constexpr int kComponents = 3;  // red, green and blue; the pictures carry no alpha

std::size_t LevelBytes(int width, int height) {
  return Picture::RowBytes(width) * static_cast<std::size_t>(height);
}

// The mipmap chain GLU builds from a picture (scaled to powers of two, then halved down to
// 1 x 1) is the same on every run, so the textured pictures carry it ready-made: tools/artwork
// writes it, and the texture is then uploaded level by level without GLU's scaling. The file
// holds four little-endian 32-bit integers (picture width and height, level 0 width and
// height), then every level's rows as the picture's: bottom row first, blue-green-red, padded
// to 4 bytes.
bool UploadStoredLevels(int pictureId, PictureTexture& texture) {
  const QResource resource(QStringLiteral(":/mipmaps/%1").arg(pictureId));
  if (!resource.isValid()) return false;
  const QByteArray data = resource.uncompressedData();
  constexpr std::size_t kHeaderBytes = 4 * sizeof(std::int32_t);
  if (static_cast<std::size_t>(data.size()) < kHeaderBytes) return false;
  std::int32_t header[4];
  std::memcpy(header, data.constData(), kHeaderBytes);
  const int width = header[2];
  const int height = header[3];
  if (header[0] <= 0 || header[1] <= 0 || width <= 0 || height <= 0) return false;
  std::size_t total = kHeaderBytes;
  for (int w = width, h = height;; w = w > 1 ? w / 2 : 1, h = h > 1 ? h / 2 : 1) {
    total += LevelBytes(w, h);
    if (w == 1 && h == 1) break;
  }
  if (static_cast<std::size_t>(data.size()) != total) return false;
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  const char* level = data.constData() + kHeaderBytes;
  for (int index = 0, w = width, h = height;; ++index) {
    glTexImage2D(GL_TEXTURE_2D, index, kComponents, w, h, 0, GL_BGR, GL_UNSIGNED_BYTE, level);
    if (w == 1 && h == 1) break;
    level += LevelBytes(w, h);
    w = w > 1 ? w / 2 : 1;
    h = h > 1 ? h / 2 : 1;
  }
  texture = {name, header[0], header[1]};
  return true;
}

}  // namespace

PictureTexture LoadPictureTexture(const Picture& picture) {
  if (picture.width <= 0 || picture.height <= 0 ||
      picture.bgrRows.size() <
          Picture::RowBytes(picture.width) * static_cast<std::size_t>(picture.height)) {
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
  PictureTexture texture;
  if (UploadStoredLevels(pictureId, texture)) return texture;
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
