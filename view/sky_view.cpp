// The GL view window: surface request, context, start-up, paint and resize.
#include "view/sky_view.h"

#include <GL/gl.h>

#include <QEvent>
#include <QExposeEvent>
#include <QOpenGLContext>
#include <QPlatformSurfaceEvent>
#include <QResizeEvent>
#include <QShowEvent>

#include "res/picture_ids.h"
#include "view/frame_memory.h"
#include "view/gl_check.h"
#include "view/picture_texture.h"

namespace astrivo {
namespace {

constexpr int kColorBits = 8;  // per channel, red, green and blue
constexpr int kAlphaBits = 0;
// The deepest depth buffer Mesa and most drivers offer. Asked for 32, Qt's GLX back-end
// gives up double buffering before depth and lands on a single-buffered config that draws
// to the front buffer (and crashes Mesa's softpipe), while still reporting double buffering.
constexpr int kDepthBits = 24;
constexpr int kStencilBits = 8;
constexpr double kVisibleWidth = 15.0;  // scene units across the window through the origin

}  // namespace

SkyView::SkyView(QWindow* parent) : QWindow(parent) {
  setSurfaceType(QSurface::OpenGLSurface);
  setFormat(RequestedFormat());
  // A picture, not a control: a click into it leaves the keyboard focus where it was, so
  // Enter, Escape and typing still reach the dialog.
  setFlag(Qt::WindowDoesNotAcceptFocus);
  // The scene is built here, not in InitGL: the ratings read its bodies and signs, and they
  // must work on a machine where OpenGL cannot be set up.
  scene_.Build();
}

SkyView::~SkyView() {
  // The context goes before the native window; the scene after it, and its destruction
  // makes no GL calls.
  ReleaseGl();
}

QSurfaceFormat SkyView::RequestedFormat() {
  QSurfaceFormat format;
  format.setRenderableType(QSurfaceFormat::OpenGL);
  format.setProfile(QSurfaceFormat::CompatibilityProfile);
  format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
  format.setRedBufferSize(kColorBits);
  format.setGreenBufferSize(kColorBits);
  format.setBlueBufferSize(kColorBits);
  format.setAlphaBufferSize(kAlphaBits);
  format.setDepthBufferSize(kDepthBits);
  format.setStencilBufferSize(kStencilBits);
  return format;
}

void SkyView::SetDefaultSurfaceFormat() { QSurfaceFormat::setDefaultFormat(RequestedFormat()); }

int SkyView::InitGL() {
  if (initResult_ >= 0) return initResult_;
  initResult_ = 0;
  // The surface and its format: a platform without OpenGL windows ends here.
  create();
  if (handle() == nullptr || !supportsOpenGL()) return 0;
  // From here the context is kept even if making it current fails; it goes with the surface.
  if (!CreateContext()) return 0;
  scene_.ClearTrails();
  initResult_ = 1;
  if (OnScreen() && !MakeCurrent()) initResult_ = 0;
  return initResult_;
}

void SkyView::Repaint() { requestUpdate(); }

void SkyView::Paint() {
  if (!OnScreen() || !MakeCurrent()) return;
  renderer_.Render(scene_);
  glFlush();
  context_->swapBuffers(this);
  context_->doneCurrent();
}

QSize SkyView::DevicePixelSize() const { return size() * devicePixelRatio(); }

bool SkyView::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::UpdateRequest:
      Paint();
      return true;
    case QEvent::PlatformSurface:
      // The native window is about to go: release the GL resources while its surface exists.
      if (static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
          QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed) {
        ReleaseGl();
      }
      break;
    default:
      break;
  }
  return QWindow::event(event);
}

bool SkyView::eventFilter(QObject* watched, QEvent* event) {
  // The parent's expose may be the only one this window gets.
  if (watched == parent() && event->type() == QEvent::Expose && isVisible()) Repaint();
  return QWindow::eventFilter(watched, event);
}

void SkyView::exposeEvent(QExposeEvent*) {
  if (isExposed()) Paint();
}

void SkyView::resizeEvent(QResizeEvent*) {
  ApplySize();
  Repaint();
}

void SkyView::showEvent(QShowEvent*) {
  if (watchedParent_ == parent()) return;
  if (watchedParent_ != nullptr) watchedParent_->removeEventFilter(this);
  watchedParent_ = parent();
  if (watchedParent_ != nullptr) watchedParent_->installEventFilter(this);
}

bool SkyView::OnScreen() const {
  if (!isVisible() || handle() == nullptr) return false;
  return isExposed() || (parent() != nullptr && parent()->isExposed());
}

bool SkyView::CreateContext() {
  auto context = std::make_unique<QOpenGLContext>();
  context->setFormat(requestedFormat());
  if (!context->create()) return false;
  context_ = std::move(context);
  return true;
}

bool SkyView::MakeCurrent() {
  if (initResult_ != 1 || handle() == nullptr) return false;
  if (!context_ && !CreateContext()) return false;
  if (!context_->makeCurrent(this)) return false;
  renderer_.SetDrawBuffer(context_->defaultFramebufferObject() != 0 ? GL_COLOR_ATTACHMENT0
                                                                    : GL_BACK);
  if (!glReady_) {
    SceneRenderer::SetUpFixedState();
    renderer_.Signs().starTexture = LoadPictureTexture(kStarGlowPicture).name;
    LoadSceneTextures(scene_);
    ReturnFreedMemory();
    CheckGlErrors("GL set-up");
    glReady_ = true;
    viewport_ = QSize();
  }
  if (DevicePixelSize() != viewport_ || devicePixelRatio() != viewportRatio_) ApplySize();
  return true;
}

void SkyView::ApplySize() {
  const QSize pixels = DevicePixelSize();
  // A window without height has no shape to project; keep the last one.
  if (pixels.width() <= 0 || pixels.height() <= 0) return;
  const double ratio = static_cast<double>(pixels.width()) / pixels.height();
  scene_.Resize(ratio, kVisibleWidth / ratio);
  // Before the GL state exists the window may not be on screen yet; the first MakeCurrent
  // sets the viewport then.
  if (!glReady_ || !context_->makeCurrent(this)) return;
  glViewport(0, 0, pixels.width(), pixels.height());
  renderer_.SetPixelRatio(devicePixelRatio());
  viewport_ = pixels;
  viewportRatio_ = devicePixelRatio();
}

void SkyView::ReleaseGl() {
  if (!context_) return;
  // Textures belong to the context, so they go with it; they are deleted first while the
  // context can still be made current on the surface.
  const bool current = glReady_ && context_->makeCurrent(this);
  ReleaseSceneTextures(scene_, current);
  unsigned int& star = renderer_.Signs().starTexture;
  if (current && star != 0) glDeleteTextures(1, &star);
  star = 0;
  if (QOpenGLContext::currentContext() == context_.get()) context_->doneCurrent();
  context_.reset();
  glReady_ = false;
  viewport_ = QSize();
}

}  // namespace astrivo
