#include "generator/Generator.h"

#include "shell/ErrorReport.h"
#include "word/WordAvailability.h"

namespace generator {

void GenerateRideduvaZovezuzIvuzuzo() {
  shell::Guard g(QString::fromLatin1(shell::location::kGenerate));
  bool declined = false;
  g.step(100, [&] { declined = word::ConfirmWordClosed(); });
  if (declined) return;
}

}  // namespace generator
