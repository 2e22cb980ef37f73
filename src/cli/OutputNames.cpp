// Safe and distinct file names for the plans of a batch.
#include "cli/OutputNames.h"

#include <cstring>

namespace cli {
namespace {

bool unsafe(char32_t c) {
  switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:  // e.g. right-to-left overrides that disguise an extension
    case QChar::Other_Surrogate:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
      return true;
    default:
      break;
  }
  // Separators and the characters other systems refuse, so the files travel well.
  return c < 0x80 && c != 0 && std::strchr("/\\:*?\"<>|", static_cast<int>(c)) != nullptr;
}

QString trimmed(QString text) {
  // Leading dots would hide the file; trailing dots and blanks confuse other systems.
  while (!text.isEmpty() && (text.front() == QLatin1Char('.') || text.front().isSpace()))
    text.remove(0, 1);
  while (!text.isEmpty() && (text.back() == QLatin1Char('.') || text.back().isSpace()))
    text.chop(1);
  return text;
}

}  // namespace

QString safeBaseName(const QString& businessName) {
  QString name;
  bool lastWasDot = false, lastWasSpace = false;
  for (char32_t c : businessName.toUcs4()) {
    if (unsafe(c)) c = U'_';
    const bool dot = c == U'.';
    const bool space = QChar::isSpace(c);
    if ((dot && lastWasDot) || (space && lastWasSpace)) continue;  // no "..", no runs
    lastWasDot = dot;
    lastWasSpace = space;
    const char32_t one[] = {space ? U' ' : c};
    const QString piece = QString::fromUcs4(one, 1);
    if ((name + piece).toUtf8().size() > kMaxBaseNameBytes) break;
    name += piece;
  }
  name = trimmed(name);
  return name.isEmpty() ? QStringLiteral("plan") : name;
}

QString OutputNames::claim(const QString& baseName) {
  QString name = baseName;
  for (int counter = 2; taken_.contains(name.toCaseFolded()); ++counter)
    name = baseName + QStringLiteral(" (%1)").arg(counter);
  taken_.insert(name.toCaseFolded());
  return name;
}

}  // namespace cli
