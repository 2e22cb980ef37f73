#include "base/ApplicationTitle.h"

#include <QGuiApplication>

namespace base {
namespace {
QString& storedTitle() {
  static QString title = QString::fromLatin1(kProductTitle);
  return title;
}
}  // namespace

QString cutTitleAtBlanks(QString title, int limit) {
  while (title.size() > limit) {
    const int blank = title.lastIndexOf(QLatin1Char(' '));
    // A long title without blanks cannot be cut at one: keep its first `limit` characters.
    title = blank >= 0 ? title.left(blank) : title.left(limit);
  }
  return title;
}

void SetApplicationTitle() {
  storedTitle() = cutTitleAtBlanks(QString::fromLatin1(kProductTitle));
  QGuiApplication::setApplicationDisplayName(storedTitle());
}

QString applicationTitle() { return storedTitle(); }

}  // namespace base
