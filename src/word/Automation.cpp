#include "word/Automation.h"

namespace word {
namespace {
CallHook& currentHook() {
  static CallHook hook;
  return hook;
}
}  // namespace

void announceCall(const char* member) {
  if (currentHook()) currentHook()(member);
}

ScopedCallHook::ScopedCallHook(CallHook hook) : override_(currentHook(), std::move(hook)) {}

void notSupported(const char* member) {
  throw AutomationError(QStringLiteral("Object doesn't support this property or method (%1)")
                            .arg(QString::fromLatin1(member)));
}

}  // namespace word
