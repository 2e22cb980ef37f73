// A stand-in for one of the program's replaceable services (its dialogs, the way it ends,
// its folder, the automation call hook, the print dialog) for the life of a scope. The
// value in force before comes back on every way out, so no test or batch run can leave
// its stand-in behind for the next.
#pragma once

#include <utility>

namespace base {

template <class T>
class ScopedOverride {
 public:
  ScopedOverride(T& slot, T value)
      : slot_(slot), previous_(std::exchange(slot, std::move(value))) {}
  ~ScopedOverride() { slot_ = std::move(previous_); }
  ScopedOverride(const ScopedOverride&) = delete;
  ScopedOverride& operator=(const ScopedOverride&) = delete;

 private:
  T& slot_;
  T previous_;
};

}  // namespace base
