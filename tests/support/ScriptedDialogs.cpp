#include "support/ScriptedDialogs.h"

namespace testing_support {

QStringList ScriptedDialogs::errorTexts() const {
  QStringList texts;
  for (const auto& m : messages)
    if (m.caption == QStringLiteral("Application Error")) texts << m.text;
  return texts;
}

int ScriptedDialogs::message(const QString& text, const QString& caption, base::MessageIcon icon,
                             base::MessageButtons buttons) {
  messages.push_back({text, caption, icon, buttons});
  if (buttons == base::MessageButtons::Ok) return base::vbOK;
  if (answers_.empty()) return base::vbYes;
  const int answer = answers_.front();
  answers_.pop_front();
  return answer;
}

QString ScriptedDialogs::saveFileName(const QString& title, const QString& filter,
                                      const QString& /*initialName*/, QString* chosenFilter) {
  saveDialogTitles << title;
  saveDialogFilters << filter;
  QString chosen = filter.section(QLatin1Char('|'), 0, 0);
  if (!saveFilters_.empty()) {
    chosen = saveFilters_.front();
    saveFilters_.pop_front();
  }
  if (chosenFilter) *chosenFilter = chosen;
  if (saveNames_.empty()) return {};
  const QString name = saveNames_.front();
  saveNames_.pop_front();
  return name;
}

}  // namespace testing_support
