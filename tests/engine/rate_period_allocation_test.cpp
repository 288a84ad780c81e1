// A month's rating must not touch the heap once the scene is built: this executable counts
// every global operator new.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "engine/horoscope_scoring.h"
#include "engine/period.h"
#include "sky/sky_scene.h"

namespace {
long allocations = 0;
}  // namespace

void* operator new(std::size_t size) {
  ++allocations;
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace astrivo {
namespace {

TEST(RatePeriodAllocationTest, MonthRatingAllocatesNothing) {
  SkyScene scene;
  scene.Build();
  const CalendarDate birth(15, 6, 1980);
  const DateSpan month = SpanOfPeriod(Period::kThisMonth, CalendarDate(10, 12, 2004));
  const long before = allocations;
  for (int round = 0; round < 3; ++round) {  // later rounds run with full trails
    RatePeriod(scene, 4, birth, month.first, month.last);
  }
  scene.ShowDay(1000);
  scene.ClearTrails();
  EXPECT_EQ(allocations - before, 0);

  void* probe = ::operator new(16);  // the counter itself works (a call, so never elided)
  EXPECT_EQ(allocations - before, 1);
  ::operator delete(probe);
}

}  // namespace
}  // namespace astrivo
