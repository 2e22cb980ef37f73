// Makes one plan without a window: the generation run the main window uses, then the Word
// file and, when asked, the PDF put in place from the run's result.
#pragma once

#include <QString>

#include "base/Dialogs.h"
#include "shell/BusinessRecord.h"

namespace cli {

// Dialogs for a run without a user: nothing is shown (the run's result keeps every
// message), and a question is answered No (the cautious answer).
class UnattendedDialogs final : public base::Dialogs {
 public:
  // Stands in for the dialogs in force while it lives.
  UnattendedDialogs() = default;

  int message(const QString& text, const QString& caption, base::MessageIcon icon,
              base::MessageButtons buttons) override;
  QString saveFileName(const QString& title, const QString& filter, const QString& initialName,
                       QString* chosenFilter) override;

 private:
  base::ScopedDialogs installed_{*this};
};

struct PlanTargets {
  QString wordFile;      // required
  QString pdfFile;       // empty: no PDF
  bool replace = false;  // replace existing files (else an existing file fails the plan)
};

// Generates the plan for `details` and writes the targets. Returns "" on success, or why
// the plan failed. A failed plan leaves both targets as they were.
// Needs UnattendedDialogs (or others that never wait for a user) in force.
QString writePlan(const shell::BusinessDetails& details, const PlanTargets& targets);

}  // namespace cli
