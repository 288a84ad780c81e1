// A dialog with one OpenGL child window that clears to black: the baseline that measure.sh
// compares Astrivo against.
#include <GL/gl.h>

#include <QApplication>
#include <QDialog>
#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <QVBoxLayout>
#include <QWindow>

namespace {

class ClearWindow : public QWindow {
 public:
  ClearWindow() { setSurfaceType(QWindow::OpenGLSurface); }

 protected:
  void exposeEvent(QExposeEvent*) override {
    if (!isExposed()) return;
    if (!context_.isValid()) {
      context_.setFormat(requestedFormat());
      if (!context_.create()) return;
    }
    if (!context_.makeCurrent(this)) return;
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    glFlush();
    context_.swapBuffers(this);
    context_.doneCurrent();
  }

 private:
  QOpenGLContext context_;
};

}  // namespace

int main(int argc, char* argv[]) {
  QSurfaceFormat format;
  format.setRenderableType(QSurfaceFormat::OpenGL);
  format.setProfile(QSurfaceFormat::CompatibilityProfile);
  format.setDepthBufferSize(24);
  QSurfaceFormat::setDefaultFormat(format);

  QApplication app(argc, argv);
  QDialog dialog;
  dialog.setWindowTitle("Minimal GL dialog");
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(QWidget::createWindowContainer(new ClearWindow, &dialog));
  dialog.resize(963, 583);
  dialog.show();
  return app.exec();
}
