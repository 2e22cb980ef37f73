#include "base/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include "base/ApplicationTitle.h"

namespace base {
namespace {

// The platform appends " — " and the display name to every window title it shows; these
// boxes keep their exact captions while the display name is set aside.
class ExactCaption {
 public:
  ExactCaption() : name_(QGuiApplication::applicationDisplayName()) {
    QGuiApplication::setApplicationDisplayName(QString());
  }
  ~ExactCaption() { QGuiApplication::setApplicationDisplayName(name_); }
  ExactCaption(const ExactCaption&) = delete;
  ExactCaption& operator=(const ExactCaption&) = delete;

 private:
  QString name_;
};

class QtDialogs final : public Dialogs {
 public:
  int message(const QString& text, const QString& caption, MessageIcon icon,
              MessageButtons buttons) override {
    const ExactCaption exact;
    QMessageBox box(
        icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon, caption, text,
        buttons == MessageButtons::YesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok,
        QApplication::activeWindow());
    switch (box.exec()) {
      case QMessageBox::Yes:
        return vbYes;
      case QMessageBox::No:
        return vbNo;
      default:
        return vbOK;
    }
  }

  QString saveFileName(const QString& title, const QString& filter, const QString& initialName,
                       QString* chosenFilter) override {
    // The program asks its own overwrite question, so the dialog must not.
    const ExactCaption exact;
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, initialName,
                                        qtFilterFromPipes(filter), chosenFilter,
                                        QFileDialog::DontConfirmOverwrite);
  }
};

Dialogs*& installed() {
  static Dialogs* current = nullptr;
  return current;
}

}  // namespace

Dialogs& dialogs() {
  static QtDialogs qtDialogs;
  return installed() ? *installed() : qtDialogs;
}

ScopedDialogs::ScopedDialogs(Dialogs& replacement) : override_(installed(), &replacement) {}

int messageBox(const QString& text, MessageButtons buttons, MessageIcon icon) {
  return dialogs().message(text, applicationTitle(), icon, buttons);
}

QString qtFilterFromPipes(const QString& filter) {
  // "Description|pattern|Description|pattern" pairs become Qt's ";;"-separated list.
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList entries;
  for (int i = 0; i + 1 < parts.size(); i += 2) entries << parts[i];
  if (parts.size() % 2 == 1 && !parts.last().isEmpty()) entries << parts.last();
  return entries.join(QStringLiteral(";;"));
}

RecordedMessages::RecordedMessages() : shown_(dialogs()), installed_(*this) {}

int RecordedMessages::message(const QString& text, const QString& caption, MessageIcon icon,
                              MessageButtons buttons) {
  messages_ << caption + QStringLiteral(": ") + text;
  return shown_.message(text, caption, icon, buttons);
}

QString RecordedMessages::saveFileName(const QString& title, const QString& filter,
                                       const QString& initialName, QString* chosenFilter) {
  return shown_.saveFileName(title, filter, initialName, chosenFilter);
}

}  // namespace base
