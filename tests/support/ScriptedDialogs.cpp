#include "support/ScriptedDialogs.h"

namespace testing_support {

ScriptedDialogs::ScriptedDialogs() { shell::setDialogs(this); }
ScriptedDialogs::~ScriptedDialogs() { shell::setDialogs(nullptr); }

QStringList ScriptedDialogs::errorTexts() const {
  QStringList texts;
  for (const auto& m : messages)
    if (m.caption == QStringLiteral("Application Error")) texts << m.text;
  return texts;
}

int ScriptedDialogs::message(const QString& text, const QString& caption, shell::MessageIcon icon,
                             shell::MessageButtons buttons) {
  messages.push_back({text, caption, icon, buttons});
  if (buttons == shell::MessageButtons::Ok) return shell::vbOK;
  if (answers_.empty()) return shell::vbYes;
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
