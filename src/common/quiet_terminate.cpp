// libstdc++'s default terminate handler prints the uncaught exception's demangled type to stderr,
// which links the whole demangler into every exe (about a fifth of Shortex.exe). A GUI program has
// no stderr to print to: this handler ends the program without the message.
#include <cstdlib>  // defines __GLIBCXX__ under libstdc++

#if defined(__GLIBCXX__)
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
#endif
