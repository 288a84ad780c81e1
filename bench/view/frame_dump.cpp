// Writes the sky's frames, read back from the back buffer, at a spread of days, tilts and
// headings as raw RGBA files into a folder, so that two builds' frames can be compared byte
// for byte (tools/compare_frames.sh). Usage: astrivo_frame_dump FOLDER
#include <GL/gl.h>

#include <QFile>
#include <QGuiApplication>
#include <QOpenGLContext>
#include <cstdio>
#include <vector>

#include "bench_view.h"
#include "view/sky_view.h"

namespace {

constexpr int kTraceDays = 120;
constexpr int kDays[] = {0, 9300};         // the first day and 18 June 2025
constexpr int kTilts[] = {0, 30, 61, 90};  // the slider's ends, the default and one between
constexpr int kHeadings[] = {-180, -97, 0, 45, 149};

}  // namespace

int main(int argc, char* argv[]) {
  astrivo::SkyView::SetDefaultSurfaceFormat();
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  astrivo::SkyView view;
  if (!astrivo::OpenBenchView(view)) return 1;
  astrivo::SkyScene& scene = view.Scene();
  const QSize size = view.DevicePixelSize();
  std::vector<unsigned char> pixels(static_cast<std::size_t>(size.width()) * size.height() * 4);
  const GLenum buffer =
      view.Context()->defaultFramebufferObject() != 0 ? GL_COLOR_ATTACHMENT0 : GL_BACK;
  int frames = 0;
  for (int day : kDays) {
    scene.ClearTrails();
    for (int d = day - kTraceDays; d <= day; ++d) scene.ShowDay(d);
    for (int tilt : kTilts) {
      for (int heading : kHeadings) {
        scene.tilt = tilt;
        scene.heading = heading;
        view.Renderer().Render(scene);
        glFinish();
        glReadBuffer(buffer);
        glReadPixels(0, 0, size.width(), size.height(), GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        QFile file(QStringLiteral("%1/day%2-tilt%3-heading%4.rgba")
                       .arg(folder)
                       .arg(day)
                       .arg(tilt)
                       .arg(heading));
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char*>(pixels.data()),
                       static_cast<qint64>(pixels.size())) != static_cast<qint64>(pixels.size())) {
          std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
          return 1;
        }
        ++frames;
      }
    }
  }
  std::printf("%d frames of %dx%d written to %s\n", frames, size.width(), size.height(),
              qPrintable(folder));
  return 0;
}
