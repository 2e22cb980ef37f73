// A whole generation run against the built-in engine, keeping hold of the plan document so
// that the test can read it: its structure just before the finish saves it, and the file.
#pragma once

#include <QTemporaryDir>
#include <optional>

#include "engine/Inspection.h"
#include "output/RunResult.h"
#include "support/ScriptedDialogs.h"
#include "word/ObjectRegistry.h"

namespace generator_test {

class EngineRun {
 public:
  EngineRun();
  ~EngineRun();
  void run();

  testing_support::ScriptedDialogs dialogs;
  // The plan as it stood before the finish began (or after the run, if it never saved).
  std::optional<engine::DocumentInfo> info;
  // The plan saved as a .docx package in a private folder ("" if it could not be saved).
  QString savedFile;

 private:
  word::RegistrySnapshot registry_;
  QTemporaryDir folder_;
  QByteArray previousTemp_;
  word::Ref<word::Document> plan_;
  output::RunResult result_;
};

}  // namespace generator_test
