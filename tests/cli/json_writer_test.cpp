// JsonWriter: separators, escapes, and numbers that read back bit for bit.
#include "tools/cli/json_writer.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace astrivo {
namespace {

TEST(JsonWriterTest, NestingAndEscapes) {
  JsonWriter json;
  json.BeginObject()
      .Key("a").Integer(-3)
      .Key("list").BeginArray().Integer(1).BeginObject().EndObject().BeginArray().EndArray()
      .EndArray()
      .Key("say \"hi\"\\").String("tab\there\nnew\x01")
      .EndObject();
  EXPECT_EQ(json.Text(),
            R"({"a":-3,"list":[1,{},[]],"say \"hi\"\\":"tab\there\nnew\u0001"})");
}

TEST(JsonWriterTest, NumbersRoundTrip) {
  const double values[] = {0.1,     1.0 / 3.0, -0.0,    1e-300, 5e-324, DBL_MAX,
                           -27.99038105676658, 123456789.125, 4.0, -1.0000000000000002};
  for (double value : values) {
    SCOPED_TRACE(value);
    JsonWriter json;
    json.Number(value);
    const double back = std::strtod(json.Text().c_str(), nullptr);
    EXPECT_EQ(back, value);
    EXPECT_EQ(std::signbit(back), std::signbit(value));
  }
  JsonWriter json;
  json.BeginArray()
      .Number(std::numeric_limits<double>::quiet_NaN())
      .Number(-std::numeric_limits<double>::infinity())
      .EndArray();
  EXPECT_EQ(json.Text(), "[null,null]");  // JSON has no NaN or infinity
}

}  // namespace
}  // namespace astrivo
