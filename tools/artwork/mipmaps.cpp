// astrivo-mipmaps writes the mipmap chains of the textured pictures (the star glow and the
// sign banners) into a folder as <id>.mip, exactly as gluBuild2DMipmaps builds them: each
// picture is built with GLU in a real GL context and every level read back. The program
// uploads these levels as they are. Run after changing the pictures, under a display:
//   xvfb-run -a astrivo-mipmaps res/mipmaps
#include <GL/gl.h>
#include <GL/glu.h>

#include <QFile>
#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "platform/picture_store.h"
#include "res/picture_ids.h"
#include "sky/sky_scene.h"

namespace {

constexpr int kComponents = 3;

bool WriteLevels(int id, const QString& folder) {
  astrivo::Picture picture;
  if (!astrivo::LoadPicture(id, picture)) return false;
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  if (gluBuild2DMipmaps(GL_TEXTURE_2D, kComponents, picture.width, picture.height, GL_BGR,
                        GL_UNSIGNED_BYTE, picture.bgrRows.data()) != 0) {
    return false;
  }
  GLint width = 0;
  GLint height = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
  const std::int32_t header[4] = {picture.width, picture.height, width, height};
  QByteArray data(reinterpret_cast<const char*>(header), sizeof header);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  for (int level = 0;; ++level) {
    GLint w = 0;
    GLint h = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &w);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &h);
    std::vector<char> rows(astrivo::Picture::RowBytes(w) * static_cast<std::size_t>(h));
    glGetTexImage(GL_TEXTURE_2D, level, GL_BGR, GL_UNSIGNED_BYTE, rows.data());
    data.append(rows.data(), static_cast<qsizetype>(rows.size()));
    if (w == 1 && h == 1) break;
  }
  glDeleteTextures(1, &name);
  QFile file(QStringLiteral("%1/%2.mip").arg(folder).arg(id));
  return glGetError() == GL_NO_ERROR && file.open(QIODevice::WriteOnly) &&
         file.write(data) == data.size();
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  QOffscreenSurface surface;
  surface.create();
  QOpenGLContext context;
  if (!context.create() || !context.makeCurrent(&surface)) {
    std::fprintf(stderr, "no OpenGL context\n");
    return 1;
  }
  astrivo::SkyScene scene;
  scene.Build();
  std::vector<int> ids = {astrivo::kStarGlowPicture};
  for (int i = 0; i < scene.SignCount(); ++i) ids.push_back(scene.SignAt(i)->bannerPicture);
  const QString folder = QString::fromLocal8Bit(argv[1]);
  for (int id : ids) {
    if (!WriteLevels(id, folder)) {
      std::fprintf(stderr, "picture %d: no mipmaps written\n", id);
      return 1;
    }
  }
  std::printf("%zu mipmap chains written to %s\n", ids.size(), argv[1]);
  return 0;
}
