// Textures made from the built-in pictures: one procedure, always the same way.
#pragma once

#include "platform/picture_store.h"

namespace astrivo {

class SkyScene;

struct PictureTexture {
  unsigned int name = 0;  // GL texture name; 0 when no texture was made
  int width = 0;          // pixels
  int height = 0;         // pixels
};

// Makes a new mipmapped texture from built-in picture `pictureId` and leaves it bound to
// GL_TEXTURE_2D. No texture parameter is set, so a new texture object's defaults apply.
// A picture that does not exist gives {0, 0, 0} and creates no texture. Needs a current
// GL context.
PictureTexture LoadPictureTexture(int pictureId);
// The same from pixel rows already in memory (bottom row first, blue-green-red, rows padded
// to 4 bytes); {0, 0, 0} when the rows are too short for the stated size.
PictureTexture LoadPictureTexture(const Picture& picture);

// Gives every sign its banner texture and every body with a picture its texture. Called
// once, after SkyScene::Build, with the view's context current.
void LoadSceneTextures(SkyScene& scene);
// Sets every texture name LoadSceneTextures gave back to 0, deleting the textures when
// `deleteTextures` is set, which needs the context that made them to be current. A context
// going away takes its textures with it; the names must still be forgotten, since a new
// context would not know them.
void ReleaseSceneTextures(SkyScene& scene, bool deleteTextures);

}  // namespace astrivo
