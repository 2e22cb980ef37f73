#include "generator/WordAvailability.h"

#include "base/Dialogs.h"
#include "base/ProgramExit.h"
#include "word/ObjectRegistry.h"

namespace generator {

const char* const kWordAdviceMessage =
    "Error 842001. A normal instance of Word could not be created.\r\n\r\n"
    "1. Please make sure Word is installed on this computer.\r\n\r\n"
    "2. Please open Word normally and make sure a blank document opens immediately without "
    "any interrupting window (such as an Word file recovery window).\r\n\r\n"
    "3. Please make sure that when you double-click on a DOC or DOCX file that Word opens "
    "normally without any interrupting messages.\r\n\r\n"
    "4. All versions of Word are supported by this software except for the rare Word Starter "
    "and Student editions.";

const char* const kWordOpenQuestion =
    "Word may be open. It is recommended that you close Word first. Use Ctrl+Alt+Del > Task "
    "Manager > WINWORD.EXE if necessary.\r\n\r\nWould you like to proceed anyway?";

void VerifyWordInstalled() {
  // Every failure but the creation itself is ignored.
  word::Ref<word::Application> app;
  try {
    app = word::CreateObject(QStringLiteral("Word.Application"));
  } catch (const std::exception&) {
  }
  if (!app) {
    base::messageBox(QString::fromLatin1(kWordAdviceMessage));
    base::EndProgram();
  }
  try {
    app->Quit();
  } catch (const std::exception&) {
  }
  app.release();
}

bool IsWordRunning() {
  try {
    word::Ref<word::Application> running =
        word::GetObject(QString(), QStringLiteral("Word.Application"));
    return running->Name() == QStringLiteral("Microsoft Word");
  } catch (const std::exception&) {
    return false;
  }
}

bool ConfirmWordClosed() {
  if (!IsWordRunning()) return false;
  return base::messageBox(QString::fromLatin1(kWordOpenQuestion), base::MessageButtons::YesNo) !=
         base::vbYes;
}

}  // namespace generator
