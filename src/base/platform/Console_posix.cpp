#include "base/platform/Console.h"

namespace base::platform {

void releaseOwnConsole() {}

}  // namespace base::platform
