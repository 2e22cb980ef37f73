// Halvenor: writes a business-plan template for a start-up into the built-in word
// processor, previews its pages and saves it where the user chooses.
#include <QApplication>

#include "engine/WordEngine.h"
#include "generator/Generator.h"
#include "preview/TempFiles.h"
#include "shell/Form1.h"
#include "shell/ProgramExit.h"
#include "word/WordAvailability.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);  // only closing the main window ends it
  engine::registerWordEngine();
  shell::handleTerminationSignals();
  preview::removeStaleTemporaryFiles();

  shell::Form1 form1({&word::VerifyWordInstalled, &generator::GenerateRideduvaZovezuzIvuzuzo});
  form1.Form_Load();
  form1.show();
  const int status = app.exec();
  shell::removeFilesAtExit();  // a signal or a last window may end a run midway
  return status;
}
