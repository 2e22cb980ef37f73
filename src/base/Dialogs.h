// Every message box and the save dialog go through this one interface: the Qt
// implementation shows real, modal ones; tests install a scripted one that records what
// was asked and answers as told.
#pragma once

#include <QString>
#include <QStringList>

#include "base/ScopedOverride.h"

namespace base {

enum class MessageIcon { None, Warning };
enum class MessageButtons { Ok, YesNo };

// The answers, with the standard message-box answer codes.
enum MessageAnswer { vbOK = 1, vbYes = 6, vbNo = 7 };

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Shows a modal message box and returns the button pressed.
  virtual int message(const QString& text, const QString& caption, MessageIcon icon,
                      MessageButtons buttons) = 0;
  // Shows a modal save dialog; returns the chosen name exactly as given, or "" on cancel.
  // `chosenFilter`, when given, receives the description of the filter the user left
  // selected (the first one unless another was picked).
  virtual QString saveFileName(const QString& title, const QString& filter,
                               const QString& initialName, QString* chosenFilter = nullptr) = 0;
};

// The dialogs in force (the Qt ones unless a test installed others).
Dialogs& dialogs();
// Puts `replacement` (not owned) in place of the dialogs in force while it lives.
class ScopedDialogs {
 public:
  explicit ScopedDialogs(Dialogs& replacement);

 private:
  ScopedOverride<Dialogs*> override_;
};

// Keeps the text of every message shown while it lives, each still shown by the dialogs
// that were in force.
class RecordedMessages final : public Dialogs {
 public:
  RecordedMessages();
  int message(const QString& text, const QString& caption, MessageIcon icon,
              MessageButtons buttons) override;
  QString saveFileName(const QString& title, const QString& filter, const QString& initialName,
                       QString* chosenFilter = nullptr) override;
  const QStringList& messages() const { return messages_; }

 private:
  Dialogs& shown_;
  QStringList messages_;
  ScopedDialogs installed_;
};

// Shows a message box whose caption is the application title (boxes that name none).
int messageBox(const QString& text, MessageButtons buttons = MessageButtons::Ok,
               MessageIcon icon = MessageIcon::None);

// Turns a "Word Files (*.doc)|*.doc" filter into Qt's "Word Files (*.doc)" form.
QString qtFilterFromPipes(const QString& filter);

}  // namespace base
