// The eight values the user edits, with the rules every writer obeys.
//
// All of the program's knowledge about a field (its name, its line in a setting file, the rule
// that decides which values it takes, its initial value and the registry value it feeds) lives
// in one table, kFields, which the patch builder, the setting-file writer and reader and the
// tests all walk.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace morvane {

// 0 unchecked, 1 checked, 2 grayed. Only 1 counts as "on".
using CheckState = std::int16_t;
inline bool isOn(CheckState state) {
  return state == 1;
}

enum class Field : int {
  doNotWaitAfter3DOps,
  pageFlipping,
  useFastColorFill,
  texPerspLevel,
  quad2Linear,
  subDivideBoost,
  settingName,
  applicationPath,
};

enum class Rule { checkState, slider, text };

// How a driver field is written into the registry patch.
enum class PatchForm {
  none,           // not a driver option
  switchDword,    // dword:<onValue as 8 hex digits> when on, else dword:00000000
  decimalString,  // "<decimal>"
  hexDword,       // dword:<value as 8 hex digits>
};

struct FieldInfo {
  Field field;
  const char* name;
  int fileLine;  // 1-based line in a setting file
  Rule rule;
  int maximum;  // sliders only
  std::int16_t initialNumber;
  const char* initialText;
  // Registry patch: 1-based line, the driver's value name and how the value is printed.
  int patchLine;
  const char* registryValue;
  PatchForm patchForm;
  unsigned onValue;  // switchDword only
};

constexpr int kFieldCount = 8;
// In field order, which is also the order of lines 4 to 11 of a setting file.
extern const std::array<FieldInfo, kFieldCount> kFields;

const FieldInfo& fieldInfo(Field field);
inline bool isNumber(Field field) {
  return fieldInfo(field).rule != Rule::text;
}

// Whether a number field's rule takes this value (0..2 for a CheckState, 0..maximum for a slider).
bool accepts(Field field, int value);

// The eight values. A write either stores the value or refuses it, leaving the field as it was;
// a refused write returns false. Nothing here assumes where the values live: the main window
// implements this over its controls, MemorySettings over plain members.
class DriverSettings {
 public:
  virtual ~DriverSettings() = default;
  virtual std::int16_t number(Field field) const = 0;
  virtual std::string text(Field field) const = 0;
  virtual bool setNumber(Field field, std::int16_t value) = 0;
  virtual bool setText(Field field, const std::string& value) = 0;
};

// Writes text that must first become a 16-bit integer (a setting-file line, the number box):
// fails when the text does not convert or the field refuses the number.
bool setNumberFromText(DriverSettings& settings, Field field, const std::string& text);

class MemorySettings final : public DriverSettings {
 public:
  MemorySettings();
  std::int16_t number(Field field) const override;
  std::string text(Field field) const override;
  bool setNumber(Field field, std::int16_t value) override;
  bool setText(Field field, const std::string& value) override;

 private:
  std::array<std::int16_t, kFieldCount> numbers_{};
  std::array<std::string, kFieldCount> texts_{};
};

}  // namespace morvane
