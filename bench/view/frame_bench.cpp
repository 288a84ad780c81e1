// The cost of one sky frame (render, flush, swap, finish) next to an empty frame (clear,
// swap, finish) in the same window, so that the ratio shows what the scene itself costs.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QOpenGLContext>
#include <QTest>

#include "view/sky_view.h"

namespace {

constexpr int kWidth = 1280;   // pixels
constexpr int kHeight = 800;   // pixels
constexpr int kDay = 9300;     // 18 June 2025
constexpr int kTraceDays = 120;
constexpr std::size_t kMaxSamples = 100000;

astrivo::SkyView* view = nullptr;
std::vector<double> fullSamples;   // milliseconds per frame
std::vector<double> emptySamples;  // milliseconds per frame

double Median(std::vector<double> samples) {
  if (samples.empty()) return 0.0;
  std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
  return samples[samples.size() / 2];
}

template <typename Frame>
void TimeFrames(benchmark::State& state, std::vector<double>& samples, Frame frame) {
  if (view == nullptr) {
    state.SkipWithError("no OpenGL view");
    return;
  }
  view->Context()->makeCurrent(view);
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    frame();
    const auto end = std::chrono::steady_clock::now();
    if (samples.size() < kMaxSamples) {
      samples.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
  }
}

void BM_FullFrame(benchmark::State& state) {
  TimeFrames(state, fullSamples, [] {
    view->Renderer().Render(view->Scene());
    glFlush();
    view->Context()->swapBuffers(view);
    glFinish();
  });
}

void BM_EmptyFrame(benchmark::State& state) {
  TimeFrames(state, emptySamples, [] {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    view->Context()->swapBuffers(view);
    glFinish();
  });
}

BENCHMARK(BM_FullFrame)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_EmptyFrame)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace

int main(int argc, char* argv[]) {
  astrivo::SkyView::SetDefaultSurfaceFormat();
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  astrivo::SkyView sky;
  sky.resize(kWidth, kHeight);
  if (sky.InitGL() == 1) {
    sky.show();
    if (QTest::qWaitForWindowExposed(&sky)) view = &sky;
  }
  if (view != nullptr) {
    astrivo::SkyScene& scene = sky.Scene();
    for (int day = kDay - kTraceDays; day <= kDay; ++day) scene.ShowDay(day);
    fullSamples.reserve(kMaxSamples);
    emptySamples.reserve(kMaxSamples);
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  const double full = Median(fullSamples);
  const double empty = Median(emptySamples);
  if (full > 0.0 && empty > 0.0) {
    sky.Context()->makeCurrent(&sky);
    std::printf("median full frame %.3f ms, empty frame %.3f ms, ratio %.2f (%dx%d, %s)\n",
                full, empty, full / empty, sky.DevicePixelSize().width(),
                sky.DevicePixelSize().height(),
                reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
  }
  return view != nullptr ? 0 : 1;
}
