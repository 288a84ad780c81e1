// The rating rules: aspect and latitude factors, date terms, sign boundaries, and how RateDay
// and RatePeriod combine them.
#include "engine/horoscope_scoring.h"

#include <gtest/gtest.h>

#include <climits>

#include "engine/period.h"
#include "sky/sky_scene.h"

namespace astrivo {
namespace {

TEST(HoroscopeScoringTest, AspectFactorLatitudeRatioAndClamp) {
  // The rating design's table of worked aspect values, printed there to four places.
  const std::pair<double, double> aspects[] = {
      {0, -1},   {7.5, -0.6667}, {15, -0.3333}, {20, 0.3333}, {22.5, 0.5}, {30, 1},
      {45, -1},  {60, 1},        {90, -1},      {120, 1},     {135, -1},   {150, 1},
      {180, -1}, {-30, 1},       {200, 0.3333},
  };
  for (const auto& [difference, factor] : aspects) {
    EXPECT_NEAR(AspectFactor(difference), factor, 5e-5) << difference;
  }
  const struct {
    double x, y, ratio;
  } ratios[] = {{2, 4, 0.5}, {4, 2, 0.5}, {-4, 2, -0.5}, {3, 3, 1},
                {-3, 3, -1}, {0, 5, 0},   {10, 0, 0.000001}, {0, 0, 0}};
  for (const auto& c : ratios) {
    EXPECT_NEAR(LatitudeRatio(c.x, c.y), c.ratio, 1e-15) << c.x << " / " << c.y;
  }
  const std::pair<int, int> clamps[] = {{-5, 0},     {0, 0},       {57, 57},    {100, 100},
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
      {16, 6, 2004, 67, 21},                   {16, 6, 2004, 57, 25},
      {16, 6, 2004, 41, 42},                   {15, 6, 1980, 15, 30},
      {15, 6, 1980, 73, 41},                   {15, 6, 1980, 23, 47},
      {INT_MIN, INT_MAX - 3, INT_MIN, 15, 45}, {INT_MAX, INT_MAX, INT_MAX, 73, 22},
      {INT_MIN, INT_MAX, INT_MAX, 23, -40},    {INT_MIN, INT_MIN, INT_MIN, 41, -49},
      {-31, 12, 2099, 67, -4},                 {7, 12, -2000000000, INT_MAX, -28},
      {INT_MAX, INT_MAX, INT_MAX, INT_MAX, 9}, {0, INT_MAX, INT_MAX, 15, 0},
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

TEST_F(RatingTest, EachRatingTakesItsOwnDateTerms) {
  // The sky is fixed, so changing only the birth date (or only the rated date) moves each
  // unclamped rating by exactly the change of its own term: Luck 15 / 67, Love 73 / 57,
  // Money 23 / 41. A swapped divisor or sign shows up here.
  scene.UpdatePlanets(static_cast<double>(day.GetDayNumber()));
  const Vec3 mars(scene.BodyAt(4)->Data());
  const CalendarDate otherBirth(3, 11, 1957);
  const CalendarDate otherDay(9, 2, 2031);
  int compared = 0;
  const auto check = [&](int a, int b, int expectedDifference) {
    for (int value : {a, b}) {
      ASSERT_GE(value, 0);
      ASSERT_LE(value, 100);
    }
    if (a == 0 || a == 100 || b == 0 || b == 100) return;
    ++compared;
    EXPECT_EQ(a - b, expectedDifference);
  };
  for (int sign = 0; sign < 12; ++sign) {
    SCOPED_TRACE(sign);
    const HoroscopeScores base = RateDay(scene, sign, birth, day);
    const HoroscopeScores b = RateDay(scene, sign, otherBirth, day);
    check(base.luck, b.luck, DateTerm(otherBirth, 15) - DateTerm(birth, 15));
    check(base.love, b.love, DateTerm(otherBirth, 73) - DateTerm(birth, 73));
    check(base.money, b.money, DateTerm(otherBirth, 23) - DateTerm(birth, 23));
    const HoroscopeScores d = RateDay(scene, sign, birth, otherDay);
    check(base.luck, d.luck, DateTerm(day, 67) - DateTerm(otherDay, 67));
    check(base.love, d.love, DateTerm(day, 57) - DateTerm(otherDay, 57));
    check(base.money, d.money, DateTerm(day, 41) - DateTerm(otherDay, 41));
  }
  EXPECT_GT(compared, 30);
  EXPECT_EQ(scene.BodyAt(4)->DistanceTo(mars), 0.0);  // rating a day leaves the sky alone
}

TEST_F(RatingTest, PeriodAveragesTheDaysWithFloor) {
  const int sign = SignForBirthDate(birth);
  const DateSpan week = SpanOfPeriod(Period::kThisWeek, day);
  int sums[3] = {0, 0, 0};
  for (CalendarDate d = week.first; d.GetDayNumber() <= week.last.GetDayNumber(); d.NextDay()) {
    scene.UpdatePlanets(static_cast<double>(d.GetDayNumber()));
    const HoroscopeScores s = RateDay(scene, sign, birth, d);
    sums[0] += s.luck;
    sums[1] += s.love;
    sums[2] += s.money;
  }
  scene.ClearTrails();
  const HoroscopeScores average = RatePeriod(scene, sign, birth, week.first, week.last);
  EXPECT_EQ(average.luck, sums[0] / 7);
  EXPECT_EQ(average.love, sums[1] / 7);
  EXPECT_EQ(average.money, sums[2] / 7);
  EXPECT_EQ(scene.BodyAt(3)->trail.Count(), 7);  // the loop's trail stays for the caller
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
