#include "output/RunResult.h"

#include <QFile>
#include <utility>

#include "base/ProgramExit.h"

namespace output {

OwnedFile::OwnedFile(QString path) : path_(std::move(path)) {
  if (!path_.isEmpty()) base::removeAtExit(path_);
}

OwnedFile::OwnedFile(OwnedFile&& other) noexcept : path_(other.take()) {}

OwnedFile& OwnedFile::operator=(OwnedFile&& other) noexcept {
  if (this != &other) {
    remove();
    path_ = other.take();
  }
  return *this;
}

OwnedFile::~OwnedFile() { remove(); }

QString OwnedFile::take() { return std::exchange(path_, QString()); }

void OwnedFile::remove() {
  if (path_.isEmpty()) return;
  QFile::remove(path_);
  base::forgetAtExit(path_);
  path_.clear();
}

QString RunResult::failure() const {
  if (!problems.isEmpty()) return problems.first();
  return madeDocument() ? QString() : QStringLiteral("the run made no plan");
}

}  // namespace output
