// Helpers shared by the preview's tests: scoped environment variables and unloading the
// preview window between tests.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QString>

#include "preview/Form2.h"

namespace preview_tests {

// Sets (or, with a null value, unsets) an environment variable for the scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const QString& value) : name_(name) {
    had_ = qEnvironmentVariableIsSet(name);
    old_ = qgetenv(name);
    if (value.isNull())
      qunsetenv(name);
    else
      qputenv(name, QFile::encodeName(value));
  }
  ~ScopedEnv() {
    if (had_)
      qputenv(name_, old_);
    else
      qunsetenv(name_);
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  bool had_ = false;
  QByteArray old_;
};

// Closes the preview window, if loaded, and lets it be deleted.
inline void unloadForm2() {
  if (preview::Form2* form = preview::Form2::loaded()) form->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace preview_tests
