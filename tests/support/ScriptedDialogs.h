// Dialogs that tests answer: every message box and save dialog is recorded and answered
// from a script, so no test ever blocks on a real modal dialog.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

#include "base/Dialogs.h"

namespace testing_support {

struct ShownMessage {
  QString text;
  QString caption;
  base::MessageIcon icon;
  base::MessageButtons buttons;
};

class ScriptedDialogs : public base::Dialogs {
 public:
  // Stands in for the dialogs in force while it lives.
  ScriptedDialogs() = default;

  // Answers for the next YES/NO questions, in order; when none is queued, Yes.
  void answerNext(int answer) { answers_.push_back(answer); }
  // Names the next save dialogs return, in order; when none is queued, "" (cancel).
  void saveNameNext(const QString& name) { saveNames_.push_back(name); }
  // The filter descriptions the next save dialogs report as chosen, in order; when none
  // is queued, the filter's first entry, as a real dialog leaves it.
  void saveFilterNext(const QString& description) { saveFilters_.push_back(description); }

  std::vector<ShownMessage> messages;
  QStringList saveDialogTitles;
  QStringList saveDialogFilters;

  // The texts of the shown messages whose caption is "Application Error".
  QStringList errorTexts() const;

  int message(const QString& text, const QString& caption, base::MessageIcon icon,
              base::MessageButtons buttons) override;
  QString saveFileName(const QString& title, const QString& filter, const QString& initialName,
                       QString* chosenFilter) override;

 private:
  std::deque<int> answers_;
  std::deque<QString> saveNames_;
  std::deque<QString> saveFilters_;
  base::ScopedDialogs installed_{*this};
};

}  // namespace testing_support
