#include "shell/ProgramExit.h"

#include <cstdio>
#include <cstdlib>

namespace shell {
namespace {
ProgramEnder& ender() {
  static ProgramEnder current;
  return current;
}
}  // namespace

void setProgramEnder(ProgramEnder replacement) { ender() = std::move(replacement); }

void EndProgram() {
  if (ender()) {
    ender()();
    throw ProgramEnded{};  // a replacement that returned still must not continue
  }
  std::fflush(nullptr);
  std::_Exit(0);
}

}  // namespace shell
