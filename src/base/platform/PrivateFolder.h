// The folder where this user's private temporary files live: readable by this user only,
// never a link planted by someone else.
#pragma once

#include <QString>

namespace base::platform {

// The folder, made when missing and checked when present; throws std::runtime_error saying
// why it cannot be used. POSIX: $XDG_RUNTIME_DIR/halvenor when the runtime folder is
// usable, else $XDG_CACHE_HOME (~/.cache)/halvenor/tmp, mode 0700. Windows: the user's
// %TEMP%\halvenor, which takes the per-user access rules of %TEMP%.
QString privateTempFolder();

}  // namespace base::platform
