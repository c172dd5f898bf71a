// Trims the statically linked C++ runtime. Nothing in the program catches an exception, so one
// that escapes ends the process; these replacements end it at the same point, without the parts
// of the runtime that would only describe it to nobody.
#include <cstdlib>

#if defined(__GLIBCXX__) && defined(__MINGW32__)
namespace __gnu_cxx {
// The default terminate handler demangles the type of an escaped exception to print it on
// stderr; a windowed program has no stderr to print to, and the demangler alone is a sixth of
// the exe.
void __verbose_terminate_handler() {
  std::abort();
}
}  // namespace __gnu_cxx

// The library's own versions build an exception object holding a message, which brings in a
// second string implementation and more (about a fifth of the 32-bit exe). Every one of them is
// replaced, or the library's file of them would be linked all the same.
namespace std {
[[noreturn]] void __throw_bad_exception() {
  std::abort();
}
[[noreturn]] void __throw_bad_alloc() {
  std::abort();
}
[[noreturn]] void __throw_bad_array_new_length() {
  std::abort();
}
[[noreturn]] void __throw_bad_cast() {
  std::abort();
}
[[noreturn]] void __throw_bad_typeid() {
  std::abort();
}
[[noreturn]] void __throw_logic_error(const char*) {
  std::abort();
}
[[noreturn]] void __throw_domain_error(const char*) {
  std::abort();
}
[[noreturn]] void __throw_invalid_argument(const char*) {
  std::abort();
}
[[noreturn]] void __throw_length_error(const char*) {
  std::abort();
}
[[noreturn]] void __throw_out_of_range(const char*) {
  std::abort();
}
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) {
  std::abort();
}
[[noreturn]] void __throw_runtime_error(const char*) {
  std::abort();
}
[[noreturn]] void __throw_range_error(const char*) {
  std::abort();
}
[[noreturn]] void __throw_overflow_error(const char*) {
  std::abort();
}
[[noreturn]] void __throw_underflow_error(const char*) {
  std::abort();
}
}  // namespace std
#endif

#if defined(__MINGW32__) && defined(__i386__)
// The C++ runtime's lock asks kernel32 for CreateSemaphoreW, which Windows 95, 98 and ME export
// only as a stub that fails. Its import slot is filled here from CreateSemaphoreA instead, so the
// lock gets a working semaphore on every Windows, and the exe imports no wide-character function.
#include <windows.h>

namespace {

HANDLE WINAPI semaphoreW(LPSECURITY_ATTRIBUTES attributes, LONG initial, LONG maximum,
                         LPCWSTR name) {
  char narrow[MAX_PATH] = {};
  if (name && !WideCharToMultiByte(CP_ACP, 0, name, -1, narrow, sizeof narrow, nullptr, nullptr))
    return nullptr;
  return CreateSemaphoreA(attributes, initial, maximum, name ? narrow : nullptr);
}

}  // namespace

extern "C" {
HANDLE(WINAPI* importedCreateSemaphoreW)
(LPSECURITY_ATTRIBUTES, LONG, LONG, LPCWSTR) __asm__("__imp__CreateSemaphoreW@16") = semaphoreW;
}
#endif

#if defined(__MINGW32__) && defined(__x86_64__)
// The 64-bit build keeps the POSIX-threads toolchain its tests need, and that thread library
// asks kernel32 for GetTickCount64, which 64-bit Windows XP and Server 2003 lack: the exe would
// not start there. Its import slot is filled here instead, from GetTickCount, widened past its
// 49-day wrap.
#include <windows.h>

namespace {

ULONGLONG WINAPI tickCount64() {
  static DWORD last = 0;
  static ULONGLONG high = 0;
  const DWORD now = GetTickCount();
  if (now < last)
    high += 0x100000000ULL;
  last = now;
  return high + now;
}

}  // namespace

extern "C" {
ULONGLONG(WINAPI* importedTickCount64)(void) __asm__("__imp_GetTickCount64") = tickCount64;
}
#endif
