// The rating rules: aspect and latitude factors, date terms, sign boundaries, and how RateDay
// and RatePeriod combine them.
#include "engine/horoscope_scoring.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>

#include "sky/sky_scene.h"

namespace astrivo {
namespace {

TEST(HoroscopeScoringTest, AspectFactorLatitudeRatioAndClamp) {
  // The rating design's table of worked aspect values, printed there to four places.
  const std::pair<double, double> aspects[] = {
      {0, -1},   {7.5, -0.6667}, {15, -0.3333}, {20, 0.3333}, {22.5, 0.5},
      {30, 1},   {45, -1},       {60, 1},       {90, -1},     {120, 1},
      {135, -1}, {150, 1},       {180, -1},     {-30, 1},     {200, 0.3333},
  };
  for (const auto& [difference, factor] : aspects) {
    EXPECT_NEAR(AspectFactor(difference), factor, 5e-5) << difference;
  }
  const struct {
    double x, y, ratio;
  } ratios[] = {{2, 4, 0.5}, {4, 2, 0.5}, {-4, 2, -0.5},     {3, 3, 1},
                {-3, 3, -1}, {0, 5, 0},   {10, 0, 0.000001}, {0, 0, 0}};
  for (const auto& c : ratios) {
    EXPECT_NEAR(LatitudeRatio(c.x, c.y), c.ratio, 1e-15) << c.x << " / " << c.y;
  }
  const std::pair<int, int> clamps[] = {{-5, 0},    {0, 0},       {57, 57},      {100, 100},
                                        {101, 100}, {INT_MIN, 0}, {INT_MAX, 100}};
  for (auto [raw, clamped] : clamps) {
    ClampRating(raw);
    EXPECT_EQ(raw, clamped);
  }
}

TEST(HoroscopeScoringTest, DateTerms) {
  // First the rating design's worked example, rated day 16 June 2004 (product 192384) with the
  // day terms 21, 25, 42, and birth 15 June 1980 (product 178200) whose terms 30, 41, 47 enter
  // negated. Then products beyond 64 bits; expected: trunc(trunc(P / k) rem 50) in exact
  // integer arithmetic (Python, truncating division and remainder).
  const struct {
    int day, month, year, divisor, term;
  } cases[] = {
      {16, 6, 2004, 67, 21},
      {16, 6, 2004, 57, 25},
      {16, 6, 2004, 41, 42},
      {15, 6, 1980, 15, 30},
      {15, 6, 1980, 73, 41},
      {15, 6, 1980, 23, 47},
      {INT_MIN, INT_MAX - 3, INT_MIN, 15, 45},
      {INT_MAX, INT_MAX, INT_MAX, 73, 22},
      {INT_MIN, INT_MAX, INT_MAX, 23, -40},
      {INT_MIN, INT_MIN, INT_MIN, 41, -49},
      {-31, 12, 2099, 67, -4},
      {7, 12, -2000000000, INT_MAX, -28},
      {INT_MAX, INT_MAX, INT_MAX, INT_MAX, 9},
      {0, INT_MAX, INT_MAX, 15, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.day << "." << c.month << "." << c.year);
    EXPECT_EQ(DateTerm(CalendarDate(c.day, c.month, c.year), c.divisor), c.term);
  }
}

TEST(HoroscopeScoringTest, SignBoundaries) {
  // The boundary table: each left-hand day of a pair is the last day of its sign.
  const struct {
    int day, month, year, sign;
  } cases[] = {
      {1, 1, 2004, 11},   {20, 1, 2004, 11},  {21, 1, 2004, 0},   {18, 2, 2004, 0},
      {19, 2, 2004, 1},   {29, 2, 2004, 1},   {20, 3, 2003, 1},   {21, 3, 2003, 2},
      {19, 4, 1950, 2},   {20, 4, 1950, 3},   {20, 6, 1980, 4},   {21, 6, 1980, 5},
      {22, 7, 2099, 5},   {23, 7, 2099, 6},   {22, 9, 1901, 7},   {23, 9, 1901, 8},
      {21, 11, 2000, 9},  {22, 11, 2000, 10}, {21, 12, 2004, 10}, {22, 12, 2004, 11},
      {31, 12, 2004, 11}, {45, 1, 2004, 0},   {1, 13, 2004, 11},  {INT_MAX, INT_MAX, INT_MAX, 11},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.day << "." << c.month << "." << c.year);
    EXPECT_EQ(SignForBirthDate(CalendarDate(c.day, c.month, c.year)), c.sign);
  }
}

class RatingTest : public ::testing::Test {
 protected:
  void SetUp() override { scene.Build(); }
  SkyScene scene;
  const CalendarDate birth{15, 6, 1980};
  const CalendarDate day{16, 6, 2004};
};

TEST_F(RatingTest, RatePeriodMatchesTheIndependentReference) {
  // Expected values from tools/reference/sky_reference.py, a separate model of the orbits,
  // the catalogue and the rating rules that shares no code with the engine. Each planet's
  // term and the Sun's change at least one row; the rows cover sign boundaries on both sides,
  // leap days, single days, weeks and months, and the first and last supported years.
  struct Day {
    int day, month, year;
  };
  const struct {
    Day birth, first, last;
    int sign, luck, love, money;
  } cases[] = {
      {{15, 6, 1980}, {16, 6, 2004}, {16, 6, 2004}, 4, 48, 52, 81},
      {{15, 6, 1980}, {14, 6, 2004}, {20, 6, 2004}, 4, 24, 23, 41},
      {{20, 1, 1990}, {1, 2, 2024}, {29, 2, 2024}, 11, 16, 21, 36},
      {{21, 1, 1990}, {1, 2, 2024}, {29, 2, 2024}, 0, 23, 29, 22},
      {{18, 2, 1975}, {29, 2, 2000}, {29, 2, 2000}, 0, 67, 76, 56},
      {{19, 2, 1975}, {1, 3, 2000}, {1, 3, 2000}, 1, 100, 27, 100},
      {{29, 2, 1996}, {1, 12, 2026}, {31, 12, 2026}, 1, 60, 32, 37},
      {{1, 1, 1901}, {1, 1, 1901}, {1, 1, 1901}, 11, 11, 59, 51},
      {{31, 12, 2099}, {25, 12, 2099}, {31, 12, 2099}, 11, 63, 21, 30},
      {{21, 12, 1969}, {7, 12, 2026}, {7, 12, 2026}, 10, 53, 0, 0},
      {{22, 12, 1969}, {8, 12, 2026}, {8, 12, 2026}, 11, 20, 75, 96},
      {{9, 7, 1975}, {1, 1, 2010}, {31, 1, 2010}, 5, 24, 64, 23},
      {{30, 4, 1955}, {3, 3, 2031}, {9, 3, 2031}, 3, 37, 23, 71},
      {{23, 8, 2001}, {10, 10, 2050}, {10, 10, 2050}, 7, 26, 17, 39},
      {{22, 10, 1988}, {1, 9, 1999}, {30, 9, 1999}, 8, 51, 22, 64},
      {{23, 10, 1988}, {1, 11, 2075}, {30, 11, 2075}, 9, 37, 60, 40},
      {{22, 11, 1944}, {4, 7, 1969}, {20, 7, 1969}, 10, 26, 38, 55},
  };
  for (const auto& c : cases) {
    const CalendarDate birth(c.birth.day, c.birth.month, c.birth.year);
    const CalendarDate first(c.first.day, c.first.month, c.first.year);
    const CalendarDate last(c.last.day, c.last.month, c.last.year);
    SCOPED_TRACE(testing::Message()
                 << "born " << c.birth.day << "." << c.birth.month << "." << c.birth.year
                 << ", from day " << first.GetDayNumber() << " to " << last.GetDayNumber());
    scene.ClearTrails();
    const int sign = SignForBirthDate(birth);
    EXPECT_EQ(sign, c.sign);
    const HoroscopeScores s = RatePeriod(scene, sign, birth, first, last);
    EXPECT_EQ(s.luck, c.luck);
    EXPECT_EQ(s.love, c.love);
    EXPECT_EQ(s.money, c.money);
    // The loop leaves one trail point per day for the caller to clear.
    EXPECT_EQ(scene.BodyAt(3)->trail.Count(),
              std::min<std::int64_t>(last.GetDayNumber() - first.GetDayNumber() + 1, 200));
  }
}

TEST_F(RatingTest, NothingToRateGivesZeros) {
  SkyScene unbuilt;  // what a view without GL used to leave behind
  const CalendarDate before(15, 6, 2004);
  int row = 0;
  for (const HoroscopeScores& s :
       {RatePeriod(scene, 4, birth, day, before), RatePeriod(scene, -1, birth, day, day),
        RatePeriod(scene, 12, birth, day, day), RatePeriod(scene, INT_MAX, birth, day, day),
        RatePeriod(unbuilt, 4, birth, day, day), RateDay(unbuilt, 4, birth, day)}) {
    EXPECT_EQ(s.luck + s.love + s.money, 0) << "row " << row++;
  }
  EXPECT_EQ(scene.BodyAt(0)->Length(), 0.0);  // the bodies were not moved
}

}  // namespace
}  // namespace astrivo
