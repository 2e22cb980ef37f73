// Makes one plan without a window: the generation run the main window uses, fed the
// business details as values, then the Word file and, when asked, the PDF put in place.
#pragma once

#include <QString>
#include <QStringList>

#include "base/Dialogs.h"
#include "shell/BusinessRecord.h"

namespace cli {

// Dialogs for a run without a user: every message is collected instead of shown, and a
// question is answered No (the cautious answer).
class CollectingDialogs final : public base::Dialogs {
 public:
  // Stands in for the dialogs in force while it lives.
  CollectingDialogs() = default;

  int message(const QString& text, const QString& caption, base::MessageIcon icon,
              base::MessageButtons buttons) override;
  QString saveFileName(const QString& title, const QString& filter, const QString& initialName,
                       QString* chosenFilter) override;

  QStringList messages;  // each as "caption: text" on one line

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
QString writePlan(const shell::BusinessDetails& details, const PlanTargets& targets,
                  CollectingDialogs& dialogs);

}  // namespace cli
