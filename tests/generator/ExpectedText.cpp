#include "ExpectedText.h"

namespace expected {

bool isBold(Kind kind) {
  return kind == Kind::Title || kind == Kind::Heading || kind == Kind::Sub || kind == Kind::Minor ||
         kind == Kind::Cell;
}

int pointSize(Kind kind) {
  switch (kind) {
    case Kind::Title:
      return 20;
    case Kind::Heading:
      return 16;
    case Kind::Sub:
      return 14;
    default:
      return 11;
  }
}

int alignment(Kind kind) { return kind == Kind::Title || kind == Kind::Heading ? 1 : 0; }

QString mismatch(const Text& want, const QString& typed) {
  if (want.length == kWhole) {
    if (typed != want.text)
      return QStringLiteral("expected \"%1\", got \"%2\"").arg(want.text, typed);
    return {};
  }
  if (!typed.startsWith(want.text))
    return QStringLiteral("expected a text beginning \"%1\", got \"%2\"").arg(want.text, typed);
  if (typed.size() != want.length)
    return QStringLiteral("expected %1 characters, got %2: \"%3\"")
        .arg(want.length)
        .arg(typed.size())
        .arg(typed);
  if (!want.contains.isEmpty() && !typed.contains(want.contains))
    return QStringLiteral("expected \"%1\" in \"%2\"").arg(want.contains, typed);
  return {};
}

}  // namespace expected
