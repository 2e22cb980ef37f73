#include "word/Automation.h"

namespace word {
namespace {
CallHook& currentHook() {
  static CallHook hook;
  return hook;
}
}  // namespace

void setCallHook(CallHook hook) { currentHook() = std::move(hook); }

void announceCall(const char* member) {
  if (currentHook()) currentHook()(member);
}

ScopedCallHook::ScopedCallHook(CallHook hook) : previous_(currentHook()) {
  currentHook() = std::move(hook);
}
ScopedCallHook::~ScopedCallHook() { currentHook() = std::move(previous_); }

void notSupported(const char* member) {
  throw AutomationError(QStringLiteral("Object doesn't support this property or method (%1)")
                            .arg(QString::fromLatin1(member)));
}

}  // namespace word
