#include <windows.h>

#include "base/platform/Console.h"

namespace base::platform {

void releaseOwnConsole() {
  DWORD processes[2];
  if (::GetConsoleProcessList(processes, 2) == 1) ::FreeConsole();  // this program's alone
}

}  // namespace base::platform
