// The GL view window: surface request, context, start-up, paint and resize.
#include "view/sky_view.h"

#include <GL/gl.h>

#include <QEvent>
#include <QExposeEvent>
#include <QOpenGLContext>
#include <QPlatformSurfaceEvent>
#include <QResizeEvent>

#include "platform/first_frame_probe.h"
#include "view/gl_check.h"
#include "view/picture_texture.h"

namespace astrivo {
namespace {

constexpr int kColourBits = 8;    // per channel, red, green and blue
constexpr int kAlphaBits = 0;
constexpr int kDepthBits = 32;    // Qt falls back to the deepest buffer the system has
constexpr int kStencilBits = 8;
constexpr int kStarGlowPicture = 149;
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
  ReleaseContext();
}

QSurfaceFormat SkyView::RequestedFormat() {
  QSurfaceFormat format;
  format.setRenderableType(QSurfaceFormat::OpenGL);
  format.setProfile(QSurfaceFormat::CompatibilityProfile);
  format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
  format.setRedBufferSize(kColourBits);
  format.setGreenBufferSize(kColourBits);
  format.setBlueBufferSize(kColourBits);
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
  auto context = std::make_unique<QOpenGLContext>();
  context->setFormat(requestedFormat());
  if (!context->create()) return 0;
  // From here the context is kept even if making it current fails; it goes with the window.
  context_ = std::move(context);
  if (!context_->makeCurrent(this)) return 0;
  SceneRenderer::SetUpFixedState();
  renderer_.Signs().starTexture = LoadPictureTexture(kStarGlowPicture).name;
  LoadSceneTextures(scene_);
  scene_.ClearTrails();
  // A resize that came before the context had nothing to set the viewport on.
  ApplySize();
  CheckGlErrors("InitGL");
  initResult_ = 1;
  return 1;
}

void SkyView::Repaint() { requestUpdate(); }

void SkyView::Paint() {
  if (!context_ || !isExposed()) return;
  if (!context_->makeCurrent(this)) return;
  renderer_.Render(scene_);
  glFlush();
  context_->swapBuffers(this);
  context_->doneCurrent();
  NoteFramePresented();
}

QSize SkyView::DevicePixelSize() const { return size() * devicePixelRatio(); }

bool SkyView::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::UpdateRequest:
      Paint();
      return true;
    case QEvent::PlatformSurface:
      // The native window is about to go: release the context while its surface exists.
      if (static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
          QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed) {
        ReleaseContext();
      }
      break;
    default:
      break;
  }
  return QWindow::event(event);
}

void SkyView::exposeEvent(QExposeEvent*) {
  if (isExposed()) Paint();
}

void SkyView::resizeEvent(QResizeEvent*) {
  ApplySize();
  Repaint();
}

void SkyView::ApplySize() {
  const QSize pixels = DevicePixelSize();
  // A window without height has no shape to project; keep the last one.
  if (pixels.width() <= 0 || pixels.height() <= 0) return;
  if (context_ && context_->makeCurrent(this)) {
    glViewport(0, 0, pixels.width(), pixels.height());
  }
  const double ratio = static_cast<double>(pixels.width()) / pixels.height();
  scene_.Resize(ratio, kVisibleWidth / ratio);
}

void SkyView::ReleaseContext() {
  if (!context_) return;
  if (QOpenGLContext::currentContext() == context_.get()) context_->doneCurrent();
  context_.reset();
}

}  // namespace astrivo
