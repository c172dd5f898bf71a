#include <gtest/gtest.h>

#include "driver_settings/DriverSettings.h"
#include "driver_settings/Number.h"
#include "text/Digits.h"

namespace morvane {
namespace {

TEST(DriverSettings, FreshSettingsHoldTheInitialValues) {
  MemorySettings settings;
  const int expected[] = {0, 0, 0, 10, 0, 0};
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(settings.number(kFields[i].field), expected[i]) << i;
  EXPECT_EQ(settings.text(Field::settingName), "Your Changed Settings");
  EXPECT_EQ(settings.text(Field::applicationPath), "");
}

struct WriteCase {
  Field field;
  int value;
  bool accepted;
};

TEST(DriverSettings, WritesObeyEachFieldsRule) {
  const WriteCase cases[] = {
      {Field::doNotWaitAfter3DOps, 2, true}, {Field::doNotWaitAfter3DOps, 3, false},
      {Field::pageFlipping, 1, true},        {Field::useFastColorFill, -1, false},
      {Field::subDivideBoost, 3, false},     {Field::subDivideBoost, 2, true},
      {Field::texPerspLevel, 0, true},       {Field::texPerspLevel, 10, true},
      {Field::texPerspLevel, 11, false},     {Field::quad2Linear, 256, true},
      {Field::quad2Linear, 257, false},      {Field::quad2Linear, -1, false},
  };
  for (const WriteCase& c : cases) {
    SCOPED_TRACE(std::string(fieldInfo(c.field).name) + " <- " + std::to_string(c.value));
    MemorySettings settings;
    const std::int16_t before = settings.number(c.field);
    EXPECT_EQ(settings.setNumber(c.field, static_cast<std::int16_t>(c.value)), c.accepted);
    EXPECT_EQ(settings.number(c.field), c.accepted ? c.value : before);
  }
}

TEST(DriverSettings, TextFieldsTakeAnyTextAndNumberFieldsNone) {
  MemorySettings settings;
  EXPECT_TRUE(settings.setText(Field::settingName, " a, \"b\" "));
  EXPECT_EQ(settings.text(Field::settingName), " a, \"b\" ");
  EXPECT_FALSE(settings.setText(Field::quad2Linear, "5"));
  EXPECT_FALSE(settings.setNumber(Field::applicationPath, 0));
}

struct ConversionCase {
  const char* text;
  bool converts;
  int value;
};

TEST(Number, ConvertsToInt16WithBankersRounding) {
  const ConversionCase cases[] = {
      {"0", true, 0},           {"  128  ", true, 128},   {"\t7\t", true, 7},
      {"-5", true, -5},         {"+5", true, 5},          {"2.5", true, 2},
      {"3.5", true, 4},         {"2.51", true, 3},        {"2.4999", true, 2},
      {"-2.5", true, -2},       {"-3.5", true, -4},       {".5", true, 0},
      {"1.", true, 1},          {"0.6", true, 1},         {"32767", true, 32767},
      {"-32768", true, -32768}, {"32767.4", true, 32767}, {"32767.5", false, 0},
      {"32768", false, 0},      {"-32769", false, 0},     {"99999999999999999999", false, 0},
      {"", false, 0},           {"   ", false, 0},        {"abc", false, 0},
      {"12abc", false, 0},      {"1 2", false, 0},        {"-", false, 0},
      {".", false, 0},          {"1.2.3", false, 0},      {"1e3", false, 0},
      {"0x10", false, 0},       {"- 5", false, 0},
  };
  for (const ConversionCase& c : cases) {
    SCOPED_TRACE(std::string("\"") + c.text + "\"");
    std::int16_t value = 1234;
    ASSERT_EQ(toInt16(c.text, value), c.converts);
    EXPECT_EQ(value, c.converts ? c.value : 1234);
  }
}

TEST(Number, PrintsPlainDigits) {
  EXPECT_EQ(printInteger(0), "0");
  EXPECT_EQ(printInteger(256), "256");
  EXPECT_EQ(printInteger(-12), "-12");
}

TEST(DriverSettings, SetNumberFromTextFailsOnTextOrRefusedValue) {
  MemorySettings settings;
  EXPECT_TRUE(setNumberFromText(settings, Field::quad2Linear, " 128 "));
  EXPECT_FALSE(setNumberFromText(settings, Field::quad2Linear, "300"));
  EXPECT_FALSE(setNumberFromText(settings, Field::quad2Linear, "lots"));
  EXPECT_EQ(settings.number(Field::quad2Linear), 128);
}

}  // namespace
}  // namespace morvane
