// The engine's hot paths: rating a 31-day month and moving the six bodies to one day.
#include <benchmark/benchmark.h>

#include "engine/horoscope_scoring.h"
#include "engine/period.h"
#include "sky/sky_scene.h"

namespace astrivo {
namespace {

void BM_RatePeriodMonth(benchmark::State& state) {
  SkyScene scene;
  scene.Build();
  const CalendarDate birth(15, 6, 1980);
  const DateSpan month = SpanOfPeriod(Period::kThisMonth, CalendarDate(10, 12, 2004));
  for (auto _ : state) {
    benchmark::DoNotOptimize(RatePeriod(scene, 4, birth, month.first, month.last));
  }
}
BENCHMARK(BM_RatePeriodMonth);

void BM_UpdatePlanets(benchmark::State& state) {
  SkyScene scene;
  scene.Build();
  double day = 1629.0;
  for (auto _ : state) {
    scene.UpdatePlanets(day);
    day += 1.0;
    benchmark::DoNotOptimize(scene.BodyAt(5)->Data());
  }
}
BENCHMARK(BM_UpdatePlanets);

}  // namespace
}  // namespace astrivo

BENCHMARK_MAIN();
