// File names for a batch of plans: a business name made safe to stand as one file name in
// the output folder (no folder separators, no "..", no control or format characters, a
// bounded length), and names kept distinct within one batch.
#pragma once

#include <QSet>
#include <QString>

namespace cli {

// The longest base name, in UTF-8 bytes; with a counter and an extension it stays far
// below the 255 bytes a file name may have.
inline constexpr int kMaxBaseNameBytes = 120;

// A base name (no extension) for the plan of `businessName`; "plan" when nothing usable
// is left of it.
QString safeBaseName(const QString& businessName);

// Hands out base names no earlier plan of the batch has: the second "Acme" becomes
// "Acme (2)". Names differing only in case count as the same, for case-blind disks.
class OutputNames {
 public:
  QString claim(const QString& baseName);

 private:
  QSet<QString> taken_;
};

}  // namespace cli
