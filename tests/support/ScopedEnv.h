// An environment variable set (or, with a null value, unset) for a scope.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace testing_support {

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

}  // namespace testing_support
