// Trims the statically linked C++ runtime. Its default terminate handler demangles the type
// of an escaped exception to print it on stderr; a windowed program has no stderr to print to,
// and the demangler alone is a sixth of the exe.
#include <cstdlib>

#if defined(__GLIBCXX__) && defined(__MINGW32__)
namespace __gnu_cxx {
void __verbose_terminate_handler() {
  std::abort();
}
}  // namespace __gnu_cxx
#endif

#if defined(__MINGW32__) && defined(__i386__)
// The thread library the C++ runtime brings along asks kernel32 for GetTickCount64, which
// Windows XP does not have: the 32-bit exe would not even start there. Its import slot is
// filled here instead, from GetTickCount, widened past its 49-day wrap.
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
ULONGLONG(WINAPI* importedTickCount64)(void) __asm__("__imp__GetTickCount64@0") = tickCount64;
}
#endif
