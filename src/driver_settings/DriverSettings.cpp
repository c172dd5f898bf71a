#include "driver_settings/DriverSettings.h"

#include "driver_settings/Number.h"

namespace morvane {

const std::array<FieldInfo, kFieldCount> kFields = {{
    {Field::doNotWaitAfter3DOps, "doNotWaitAfter3DOps", 4, Rule::checkState, 2, 0, "", 11,
     "DoNotWaitAfter3DOps", PatchForm::switchDword, 1},
    {Field::pageFlipping, "pageFlipping", 5, Rule::checkState, 2, 0, "", 12, "PageFlipping",
     PatchForm::switchDword, 1},
    {Field::useFastColorFill, "useFastColorFill", 6, Rule::checkState, 2, 0, "", 13,
     "UseFastColorFill", PatchForm::switchDword, 1},
    {Field::texPerspLevel, "texPerspLevel", 7, Rule::slider, 10, 10, "", 7, "u32TexPerspLevel",
     PatchForm::decimalString, 0},
    {Field::quad2Linear, "quad2Linear", 8, Rule::slider, 256, 0, "", 8, "u32Quad2Linear",
     PatchForm::hexDword, 0},
    {Field::subDivideBoost, "subDivideBoost", 9, Rule::checkState, 2, 0, "", 6, "u32SubDivide",
     PatchForm::switchDword, 15},
    {Field::settingName, "settingName", 10, Rule::text, 0, 0, "Your Changed Settings", 0, "",
     PatchForm::none, 0},
    {Field::applicationPath, "applicationPath", 11, Rule::text, 0, 0, "", 0, "", PatchForm::none,
     0},
}};

const FieldInfo& fieldInfo(Field field) {
  return kFields[static_cast<int>(field)];
}

bool accepts(Field field, int value) {
  const FieldInfo& info = fieldInfo(field);
  return info.rule != Rule::text && value >= 0 && value <= info.maximum;
}

bool setNumberFromText(DriverSettings& settings, Field field, const std::string& text) {
  std::int16_t value = 0;
  return toInt16(text, value) && settings.setNumber(field, value);
}

MemorySettings::MemorySettings() {
  for (const FieldInfo& info : kFields) {
    numbers_[static_cast<int>(info.field)] = info.initialNumber;
    texts_[static_cast<int>(info.field)] = info.initialText;
  }
}

std::int16_t MemorySettings::number(Field field) const {
  return numbers_[static_cast<int>(field)];
}

std::string MemorySettings::text(Field field) const {
  return texts_[static_cast<int>(field)];
}

bool MemorySettings::setNumber(Field field, std::int16_t value) {
  if (!accepts(field, value))
    return false;
  numbers_[static_cast<int>(field)] = value;
  return true;
}

bool MemorySettings::setText(Field field, const std::string& value) {
  if (isNumber(field))
    return false;
  texts_[static_cast<int>(field)] = value;
  return true;
}

}  // namespace morvane
