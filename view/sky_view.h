// The native GL child window in which the sky is drawn. It owns the GL context and the scene;
// the dialog places it with QWidget::createWindowContainer, drives the scene and asks for
// repaints. It has no animation and no input of its own.
#pragma once

#include <memory>

#include <QSurfaceFormat>
#include <QWindow>

#include "sky/sky_scene.h"
#include "view/scene_renderer.h"

class QOpenGLContext;

namespace astrivo {

class SkyView : public QWindow {
  Q_OBJECT

 public:
  explicit SkyView(QWindow* parent = nullptr);
  ~SkyView() override;
  SkyView(const SkyView&) = delete;
  SkyView& operator=(const SkyView&) = delete;

  // What the view asks of the window system: double-buffered RGBA 8/8/8 with no alpha,
  // depth 32 (the system falls back to the deepest it offers), stencil 8, desktop OpenGL
  // with the compatibility profile. Qt has no way to ask for an accumulation buffer.
  static QSurfaceFormat RequestedFormat();
  // Makes RequestedFormat the application's default. Call before the QApplication exists,
  // so that no platform (Wayland's EGL in particular) hands out a context in which GLU and
  // the fixed-function calls fail.
  static void SetDefaultSurfaceFormat();

  // Creates the native window and the context, sets the fixed GL state and makes the star
  // texture and the scene's textures (the scene itself is built with the view, so that the
  // ratings work without OpenGL). Runs synchronously, before or after the window is shown.
  // 1 on success; 0 at the first step that fails (no OpenGL on this platform, no context,
  // cannot make it current), leaving the view without a sky.
  // Runs once; a second call returns the first call's result without doing anything.
  int InitGL();

  SkyScene& Scene() { return scene_; }
  const SkyScene& Scene() const { return scene_; }
  // Schedules one paint; several requests before it runs give one paint.
  void Repaint();
  // Makes the context current, renders, flushes, swaps and makes no context current. Does
  // nothing without a context or while the window is not exposed.
  void Paint();

  // Null until InitGL has created a context, and again after the native window is gone.
  QOpenGLContext* Context() const { return context_.get(); }
  SceneRenderer& Renderer() { return renderer_; }
  // The star glow texture; 0 until InitGL made it.
  unsigned int StarTexture() const { return renderer_.Signs().starTexture; }
  // The window size in device pixels, which is what the viewport covers.
  QSize DevicePixelSize() const;

 protected:
  bool event(QEvent* event) override;
  void exposeEvent(QExposeEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Sets the viewport and the scene's camera for the current size; the context is left
  // current when there is one.
  void ApplySize();
  void ReleaseContext();

  SkyScene scene_;
  SceneRenderer renderer_;
  std::unique_ptr<QOpenGLContext> context_;
  int initResult_ = -1;  // -1 until InitGL has run
};

}  // namespace astrivo
