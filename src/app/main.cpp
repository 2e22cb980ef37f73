// Halvenor: writes a business-plan template for a start-up into the built-in word
// processor, previews its pages and saves it where the user chooses; with arguments it
// runs as a command that writes plans without a window.
#include <QApplication>

#include "base/ProgramExit.h"
#include "base/ShippedFonts.h"
#include "base/platform/Console.h"
#include "cli/CommandLine.h"
#include "engine/WordEngine.h"
#include "generator/WordAvailability.h"
#include "output/TempFiles.h"
#include "preview/RunPreview.h"
#include "shell/Form1.h"

int main(int argc, char** argv) {
  const bool commandLine = cli::wantsCommandLine(argc, argv);
  if (commandLine) cli::prepareHeadless();
  QApplication app(argc, argv);
  base::loadShippedFonts();
  engine::registerWordEngine();
  if (commandLine) {
    base::recordTerminationSignals();
    const int status = cli::runCommandLine(QApplication::arguments());
    if (const int signal = base::terminationSignal()) base::endBySignal(signal);
    return status;
  }
  base::platform::releaseOwnConsole();
  base::handleTerminationSignals();
  output::removeStaleTemporaryFiles();

  QApplication::setQuitOnLastWindowClosed(false);  // only closing the main window ends it
  shell::Form1 form1({&generator::VerifyWordInstalled, &preview::GenerateAndPreview});
  form1.Form_Load();
  form1.show();
  const int status = app.exec();
  base::removeFilesAtExit();  // a signal or a last window may end a run midway
  return status;
}
