// Trims the statically linked C++ runtime. Its default terminate handler demangles the type
// of an escaped exception to print it on stderr; a windowed program has no stderr to print to,
// and the demangler alone is a sixth of the exe.
#include <cstdlib>

#if defined(__GLIBCXX__) && defined(__MINGW32__)
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
#endif
