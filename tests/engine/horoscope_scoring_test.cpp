// The rating rules: aspect and latitude factors, date terms, sign boundaries, and how RateDay
// and RatePeriod combine them.
#include "engine/horoscope_scoring.h"

#include <gtest/gtest.h>

#include <climits>

#include "engine/period.h"
#include "sky/sky_scene.h"

namespace astrivo {
namespace {

TEST(HoroscopeScoringTest, AspectFactor) {
  // The rating design's table of worked values, printed there to four places.
  const std::pair<double, double> cases[] = {
      {0, -1},    {7.5, -0.6667}, {15, -0.3333}, {20, 0.3333}, {22.5, 0.5},
      {30, 1},    {45, -1},       {60, 1},       {90, -1},     {120, 1},
      {135, -1},  {150, 1},       {180, -1},     {-30, 1},     {200, 0.3333},
  };
  for (const auto& [difference, factor] : cases) {
    SCOPED_TRACE(difference);
    EXPECT_NEAR(AspectFactor(difference), factor, 5e-5);
  }
}

TEST(HoroscopeScoringTest, LatitudeRatioAndClamp) {
  struct Case {
    double x, y, ratio;
  };
  const Case ratios[] = {{2, 4, 0.5},  {4, 2, 0.5},  {-4, 2, -0.5}, {3, 3, 1},
                         {-3, 3, -1},  {0, 5, 0},    {10, 0, 0.000001}, {0, 0, 0}};
  for (const Case& c : ratios) {
    SCOPED_TRACE(testing::Message() << c.x << " / " << c.y);
    EXPECT_NEAR(LatitudeRatio(c.x, c.y), c.ratio, 1e-15);
  }
  const std::pair<int, int> clamps[] = {{-5, 0}, {0, 0}, {57, 57}, {100, 100}, {101, 100},
                                        {INT_MIN, 0}, {INT_MAX, 100}};
  for (auto [raw, clamped] : clamps) {
    ClampRating(raw);
    EXPECT_EQ(raw, clamped);
  }
}

// trunc(trunc(P / k) rem 50) with P in 128 bits, the reference for any triple of ints.
int WideDateTerm(int day, int month, int year, int divisor) {
  const __int128 product = static_cast<__int128>(year) * month * day;
  return static_cast<int>((product / divisor) % 50);
}

TEST(HoroscopeScoringTest, DateTerms) {
  // Birth 15 June 1980 and rated day 16 June 2004: the rating design's worked example gives the
  // day terms 21, 25, 42 and the birth terms (of Q = -178200) -30, -41, -47.
  const CalendarDate rated(16, 6, 2004);
  const CalendarDate birth(15, 6, 1980);
  EXPECT_EQ(rated.DateProduct(), 192384);
  EXPECT_EQ(birth.DateProduct(), 178200);
  EXPECT_EQ(DateTerm(rated, 67), 21);
  EXPECT_EQ(DateTerm(rated, 57), 25);
  EXPECT_EQ(DateTerm(rated, 41), 42);
  EXPECT_EQ(-DateTerm(birth, 15), -30);
  EXPECT_EQ(-DateTerm(birth, 73), -41);
  EXPECT_EQ(-DateTerm(birth, 23), -47);

  const int values[] = {INT_MIN, -2000000000, -31, -1, 0, 7, 2099, 2000000000, INT_MAX};
  for (int day : values) {
    for (int year : values) {
      for (int divisor : {15, 23, 41, 57, 67, 73, INT_MAX}) {
        SCOPED_TRACE(testing::Message() << day << "." << year << " / " << divisor);
        const int month = day == 7 ? 12 : INT_MAX - 3;
        EXPECT_EQ(DateTerm(CalendarDate(day, month, year), divisor),
                  WideDateTerm(day, month, year, divisor));
      }
    }
  }
}

TEST(HoroscopeScoringTest, SignBoundaries) {
  struct Case {
    int day, month, year, sign;
  };
  // The boundary table: each listed day is the last day of its sign.
  const Case cases[] = {
      {1, 1, 2004, 11},  {20, 1, 2004, 11}, {21, 1, 2004, 0},  {18, 2, 2004, 0},
      {19, 2, 2004, 1},  {29, 2, 2004, 1},  {20, 3, 2003, 1},  {21, 3, 2003, 2},
      {19, 4, 1950, 2},  {20, 4, 1950, 3},  {20, 6, 1980, 4},  {21, 6, 1980, 5},
      {22, 7, 2099, 5},  {23, 7, 2099, 6},  {22, 9, 1901, 7},  {23, 9, 1901, 8},
      {21, 11, 2000, 9}, {22, 11, 2000, 10}, {21, 12, 2004, 10}, {22, 12, 2004, 11},
      {31, 12, 2004, 11}, {45, 1, 2004, 0}, {1, 13, 2004, 11}, {INT_MAX, INT_MAX, INT_MAX, 11},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.day << "." << c.month << "." << c.year);
    EXPECT_EQ(SignForBirthDate(CalendarDate(c.day, c.month, c.year)), c.sign);
  }
}

class RatingTest : public ::testing::Test {
 protected:
  void SetUp() override { scene.Build(); }
  SkyScene scene;
};

TEST_F(RatingTest, DateTermsPairWithTheirRatings) {
  // Same sky, two birth dates: where neither rating is clamped, each rating moves by exactly
  // the difference of its own birth term (Luck 15, Love 73, Money 23).
  const CalendarDate day(16, 6, 2004);
  scene.UpdatePlanets(static_cast<double>(day.GetDayNumber()));
  int compared = 0;
  for (int sign = 0; sign < 12; ++sign) {
    const CalendarDate a(15, 6, 1980);
    const CalendarDate b(3, 11, 1957);
    const HoroscopeScores ra = RateDay(scene, sign, a, day);
    const HoroscopeScores rb = RateDay(scene, sign, b, day);
    const auto check = [&](int scoreA, int scoreB, int divisor) {
      if (scoreA <= 0 || scoreA >= 100 || scoreB <= 0 || scoreB >= 100) return;
      ++compared;
      EXPECT_EQ(scoreA - scoreB, DateTerm(b, divisor) - DateTerm(a, divisor)) << divisor;
    };
    check(ra.luck, rb.luck, 15);
    check(ra.love, rb.love, 73);
    check(ra.money, rb.money, 23);
  }
  EXPECT_GT(compared, 10);
}

TEST_F(RatingTest, RatingsStayInRangeAndLeaveTheSceneAlone) {
  const CalendarDate birth(15, 6, 1980);
  for (CalendarDate day(1, 1, 2004); day.Year() == 2004; day.NextDay(), day.NextDay()) {
    scene.UpdatePlanets(static_cast<double>(day.GetDayNumber()));
    const Vec3 mars(scene.BodyAt(4)->Data());
    for (int sign = 0; sign < 12; ++sign) {
      const HoroscopeScores s = RateDay(scene, sign, birth, day);
      for (int value : {s.luck, s.love, s.money}) {
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 100);
      }
    }
    ASSERT_EQ(scene.BodyAt(4)->DistanceTo(mars), 0.0);
  }
}

TEST_F(RatingTest, PeriodAveragesTheDaysWithFloor) {
  const CalendarDate birth(15, 6, 1980);
  const int sign = SignForBirthDate(birth);
  const DateSpan week = SpanOfPeriod(Period::kThisWeek, CalendarDate(16, 6, 2004));
  long sums[3] = {0, 0, 0};
  for (CalendarDate day = week.first; day.GetDayNumber() <= week.last.GetDayNumber();
       day.NextDay()) {
    scene.UpdatePlanets(static_cast<double>(day.GetDayNumber()));
    const HoroscopeScores s = RateDay(scene, sign, birth, day);
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
  const CalendarDate birth(15, 6, 1980);
  const CalendarDate first(16, 6, 2004);
  const CalendarDate before(15, 6, 2004);
  const HoroscopeScores empty = RatePeriod(scene, 4, birth, first, before);
  EXPECT_EQ(empty.luck + empty.love + empty.money, 0);
  EXPECT_EQ(scene.BodyAt(0)->Length(), 0.0);  // the bodies were not moved

  for (int badSign : {-1, 12, INT_MAX}) {
    const HoroscopeScores s = RatePeriod(scene, badSign, birth, first, first);
    EXPECT_EQ(s.luck + s.love + s.money, 0) << badSign;
  }
  SkyScene unbuilt;  // what a view without GL used to leave behind
  const HoroscopeScores s = RatePeriod(unbuilt, 4, birth, first, first);
  EXPECT_EQ(s.luck + s.love + s.money, 0);
  const HoroscopeScores d = RateDay(unbuilt, 4, birth, first);
  EXPECT_EQ(d.luck + d.love + d.money, 0);
}

}  // namespace
}  // namespace astrivo
