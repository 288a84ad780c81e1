// The cost of one sky frame (render, flush, swap, finish) next to the cheapest presented
// frame (one clear of colour, depth and stencil, swap, finish) in the same window. The two
// alternate within one loop, so drift on a noisy machine moves both alike; the ratio is the
// median of the per-pair ratios.
#include <GL/gl.h>

#include <QGuiApplication>
#include <QOpenGLContext>
#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench_view.h"
#include "view/frame_memory.h"
#include "view/sky_view.h"

namespace {

constexpr int kDay = 9300;  // 18 June 2025
constexpr int kTraceDays = 120;
constexpr int kWarmUpPairs = 20;
constexpr int kDefaultPairs = 500;

// The value below which `fraction` of the samples lie (0.5: the median).
double Quantile(std::vector<double> samples, double fraction) {
  const auto k = static_cast<std::ptrdiff_t>(fraction * static_cast<double>(samples.size() - 1));
  std::nth_element(samples.begin(), samples.begin() + k, samples.end());
  return samples[static_cast<std::size_t>(k)];
}

double Median(const std::vector<double>& samples) { return Quantile(samples, 0.5); }

template <typename Frame>
double Milliseconds(Frame frame) {
  const auto start = std::chrono::steady_clock::now();
  frame();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

}  // namespace

int main(int argc, char* argv[]) {
  astrivo::KeepFrameMemoryForReuse();  // as the program's main() does
  astrivo::SkyView::SetDefaultSurfaceFormat();
  QGuiApplication app(argc, argv);
  const int pairs = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultPairs;
  astrivo::SkyView view;
  if (!astrivo::OpenBenchView(view)) return 1;
  astrivo::SkyScene& scene = view.Scene();
  for (int day = kDay - kTraceDays; day <= kDay; ++day) scene.ShowDay(day);

  const auto full = [&] {
    view.Renderer().Render(scene);
    glFlush();
    view.Context()->swapBuffers(&view);
    glFinish();
  };
  const auto empty = [&] {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    view.Context()->swapBuffers(&view);
    glFinish();
  };
  std::vector<double> fullTimes, emptyTimes, ratios;
  for (int i = -kWarmUpPairs; i < pairs; ++i) {
    // Alternate which frame goes first, so neither always follows the other.
    double f = 0, e = 0;
    if (i % 2 == 0) {
      f = Milliseconds(full);
      e = Milliseconds(empty);
    } else {
      e = Milliseconds(empty);
      f = Milliseconds(full);
    }
    if (i < 0) continue;
    fullTimes.push_back(f);
    emptyTimes.push_back(e);
    ratios.push_back(f / e);
  }
  std::printf("%d alternating pairs at %dx%d on %s\n", pairs, view.DevicePixelSize().width(),
              view.DevicePixelSize().height(),
              reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
  std::printf(
      "median full frame %.3f ms, empty frame %.3f ms, ratio %.2f (quartiles %.2f to %.2f)\n",
      Median(fullTimes), Median(emptyTimes), Median(ratios), Quantile(ratios, 0.25),
      Quantile(ratios, 0.75));
  return 0;
}
