// The automation vocabulary shared by every object of the Word contract: the error a
// failing call throws, the handle through which objects are reached, and the call hook
// that lets tests watch or fail individual members.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <stdexcept>

#include "base/ScopedOverride.h"

namespace word {

// A failed automation call. `what()` is the description that the error message shows.
class AutomationError : public std::runtime_error {
 public:
  explicit AutomationError(const QString& description)
      : std::runtime_error(description.toStdString()) {}
  QString description() const { return QString::fromUtf8(what()); }
};

// The description of a call through a reference that was never obtained (or was released).
inline const char* const kObjectNotSet = "Object variable not set";

// A reference to an automation object. An empty reference never crashes: any use throws
// "Object variable not set", as a late-bound call on Nothing would.
template <class T>
class Ref {
 public:
  Ref() = default;
  Ref(std::shared_ptr<T> object) : object_(std::move(object)) {}  // NOLINT: implicit by design
  template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
  Ref(std::shared_ptr<U> object) : object_(std::move(object)) {}  // NOLINT
  template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
  Ref(const Ref<U>& other) : object_(other.shared()) {}  // NOLINT

  T* operator->() const {
    if (!object_) throw AutomationError(QString::fromLatin1(kObjectNotSet));
    return object_.get();
  }
  T& operator*() const { return *operator->(); }
  explicit operator bool() const { return object_ != nullptr; }
  bool isNothing() const { return object_ == nullptr; }
  // `Set x = Nothing`.
  void release() { object_.reset(); }
  const std::shared_ptr<T>& shared() const { return object_; }
  T* get() const { return object_.get(); }

 private:
  std::shared_ptr<T> object_;
};

template <class T, class... Args>
Ref<T> makeRef(Args&&... args) {
  return Ref<T>(std::make_shared<T>(std::forward<Args>(args)...));
}

// Every member of an implementation announces itself here before it acts, by its
// qualified name ("Selection.TypeText"). Tests install a hook to record the calls or to
// make a chosen one fail by throwing; production runs have none.
using CallHook = std::function<void(const char* member)>;
void announceCall(const char* member);

// Installs a call hook while it lives (the one before comes back after).
class ScopedCallHook {
 public:
  explicit ScopedCallHook(CallHook hook);

 private:
  base::ScopedOverride<CallHook> override_;
};

// Thrown by default for a member an object does not implement (late binding's error 438).
[[noreturn]] void notSupported(const char* member);

}  // namespace word
