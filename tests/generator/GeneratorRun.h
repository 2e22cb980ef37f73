// Runs the whole generation against a chosen word processor, with scripted dialogs and a
// main window holding chosen business details, and reads back what the run reported.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "FirstHalfExpected.h"
#include "RecordingWord.h"
#include "output/RunResult.h"
#include "shell/Form1.h"
#include "support/ScriptedDialogs.h"
#include "word/ObjectRegistry.h"

// Readable QStrings in test failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace generator_test {

// One reported failure: the statement number and the description.
struct Failure {
  long line;
  QString description;
};

// The failures the generation run reported, from the "Application Error" texts.
std::vector<Failure> failures(const testing_support::ScriptedDialogs& dialogs);
// Only those reported before the finish of the run (statements below 1756).
std::vector<Failure> failuresBeforeFinish(const testing_support::ScriptedDialogs& dialogs);
std::string describe(const std::vector<Failure>& found);

// A main window with the given details typed in.
std::unique_ptr<shell::Form1> mainWindowWith(const expected::Business& business);

// A run against the recording word processor.
struct RecordingRun {
  word::RegistrySnapshot registry;
  testing_support::ScriptedDialogs dialogs;
  std::shared_ptr<recording::State> state = std::make_shared<recording::State>();
  output::RunResult result;

  RecordingRun();
  // The run for the details of the main window, if there is one.
  void run();
};

}  // namespace generator_test
