#include "base/Guard.h"

#include "base/Dialogs.h"

namespace base {

QString errorMessageText(const QString& description, long lineNumber, const QString& location) {
  return description + QStringLiteral("\r\n") + location + QStringLiteral("at line ") +
         QString::number(lineNumber) + QStringLiteral("\r\r") +
         QStringLiteral("Please email screenshot of this message to ") +
         QString::fromLatin1(kSupportAddress);
}

void Report(const QString& description, long lineNumber, const QString& location) {
  dialogs().message(errorMessageText(description, lineNumber, location),
                    QStringLiteral("Application Error"), MessageIcon::Warning, MessageButtons::Ok);
}

QString describeCurrentException() {
  try {
    throw;
  } catch (const std::exception& e) {
    return QString::fromUtf8(e.what());
  } catch (...) {
    return QStringLiteral("Unknown error");
  }
}

}  // namespace base
