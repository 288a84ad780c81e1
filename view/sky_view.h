// The native GL child window in which the sky is drawn. It owns the GL context and the scene;
// the dialog places it with QWidget::createWindowContainer, drives the scene and asks for
// repaints. It has no animation and no input of its own: the dialog's filters take the
// pointer and the keys that reach it.
#pragma once

#include <memory>

#include <QPointer>
#include <QSize>
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
  // depth 24 (not 32: Qt's GLX fallback from 32 gives up double buffering), stencil 8,
  // desktop OpenGL with the compatibility profile. Qt has no way to ask for an
  // accumulation buffer.
  static QSurfaceFormat RequestedFormat();
  // Makes RequestedFormat the application's default. Call before the QApplication exists,
  // so that no platform (Wayland's EGL in particular) hands out a context in which GLU and
  // the fixed-function calls fail.
  static void SetDefaultSurfaceFormat();

  // Creates the native window and the context and clears the trails (the scene itself is
  // built with the view, so that the ratings work without OpenGL). The fixed GL state, the
  // star texture and the scene's textures follow as soon as the window is on screen: at
  // once if it already is, else at its first expose, since a context made current on a
  // window not yet mapped crashes some drivers (Mesa's softpipe) at the first clear.
  // 1 on success; 0 at the first step that fails (no OpenGL on this platform, no context,
  // cannot make it current), leaving the view without a sky.
  // Runs once; a second call returns the first call's result without doing anything.
  int InitGL();

  SkyScene& Scene() { return scene_; }
  const SkyScene& Scene() const { return scene_; }
  // Schedules one paint; several requests before it runs give one paint.
  void Repaint();
  // Makes the context current, renders, flushes, swaps and makes no context current. Does
  // nothing without OpenGL or while the window is not on screen.
  void Paint();

  // The context and the textures live as long as the native surface: they go when it is
  // about to be destroyed (a re-parent, a screen change) and are made anew at the next
  // expose. The scene, with its heading, tilt and trails, is kept.
  // Null until InitGL has created a context, and again while there is no native surface.
  QOpenGLContext* Context() const { return context_.get(); }
  SceneRenderer& Renderer() { return renderer_; }
  // The star glow texture; 0 until InitGL made it.
  unsigned int StarTexture() const { return renderer_.Signs().starTexture; }
  // The window size in device pixels, which is what the viewport covers.
  QSize DevicePixelSize() const;

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void exposeEvent(QExposeEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // Shown and exposed, or shown inside an exposed window: Qt 6.4's Wayland backend exposes
  // only the top-level surface on its first configure and sends a child surface no expose
  // of its own until the window is activated, which may never happen.
  bool OnScreen() const;
  // A new context for the window's format; false if the system gives none.
  bool CreateContext();
  // Makes the context current on the window, first creating the context, the fixed state
  // and the textures if the surface has none yet, and following a change of size or device
  // pixel ratio. False without OpenGL.
  bool MakeCurrent();
  // Sets the scene's camera for the current size and, once the GL state exists, the
  // viewport and the line widths; the context is then left current.
  void ApplySize();
  // Deletes the textures and the context while the surface still exists.
  void ReleaseGl();

  SkyScene scene_;
  SceneRenderer renderer_;
  std::unique_ptr<QOpenGLContext> context_;
  bool glReady_ = false;      // the context has its fixed state and textures
  QSize viewport_;            // device pixels the viewport was last set to
  double viewportRatio_ = 0;  // the device pixel ratio the line widths were last set for
  QPointer<QWindow> watchedParent_;
  int initResult_ = -1;  // -1 until InitGL has run
};

}  // namespace astrivo
