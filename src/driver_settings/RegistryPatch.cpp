#include "driver_settings/RegistryPatch.h"

#include <array>

#include "text/Digits.h"

namespace morvane {
namespace {

constexpr int kPatchLines = 13;

std::string dword(unsigned value) {
  return "dword:" + printHex8(value);
}

std::string valueLine(const FieldInfo& info, std::int16_t value) {
  std::string line = std::string("\"") + info.registryValue + "\"=";
  switch (info.patchForm) {
    case PatchForm::switchDword:
      return line + dword(isOn(value) ? info.onValue : 0u);
    case PatchForm::decimalString:
      return line + "\"" + printInteger(value) + "\"";
    case PatchForm::hexDword:
      // The importer reads the digits after "dword:" as hexadecimal, so the position is written
      // in hexadecimal too; decimal digits would reach the driver as another number.
      return line + dword(static_cast<unsigned>(static_cast<int>(value)));
    case PatchForm::none:
      break;
  }
  return line;
}

}  // namespace

std::string registryPatch(const DriverSettings& settings) {
  std::array<std::string, kPatchLines + 1> lines;  // 1-based
  lines[1] = "REGEDIT4";
  lines[3] = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ATI Technologies\\3D]";
  lines[5] = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ATI Technologies\\3D\\ATID3D]";
  lines[9] = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ATI Technologies\\DDHAL]";
  for (const FieldInfo& info : kFields) {
    if (info.patchForm != PatchForm::none) {
      lines[info.patchLine] = valueLine(info, settings.number(info.field));
    }
  }
  std::string text;
  for (int line = 1; line <= kPatchLines; ++line)
    text += lines[line] + "\r\n";
  return text;
}

}  // namespace morvane
