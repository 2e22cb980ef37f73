// What the whole-program benchmarks share: a private folder for the run's temporary files
// and settings, the offscreen platform, the built-in engine, and dialogs that answer every
// message without showing it.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <optional>

#include "base/Dialogs.h"
#include "engine/WordEngine.h"

namespace bench {

// Answers every message without showing it, and counts the error messages.
class SilentDialogs : public base::Dialogs {
 public:
  int message(const QString&, const QString& caption, base::MessageIcon,
              base::MessageButtons buttons) override {
    if (caption == QStringLiteral("Application Error")) ++errors;
    return buttons == base::MessageButtons::YesNo ? base::vbYes : base::vbOK;
  }
  QString saveFileName(const QString&, const QString&, const QString&, QString*) override {
    return {};
  }
  int errors = 0;
};

// The private folder of the running benchmark program (null outside `runBenchmarks`).
inline QTemporaryDir*& privateFolder() {
  static QTemporaryDir* folder = nullptr;
  return folder;
}

// Runs the benchmarks named on the command line with `temp`, `TEMP` and the settings in a
// private folder, so runs leave nothing behind and never touch the user's own settings.
inline int runBenchmarks(int argc, char** argv, base::Dialogs* dialogs = nullptr) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir folder;
  privateFolder() = &folder;
  qputenv("temp", QFile::encodeName(folder.path()));
  qputenv("TEMP", QFile::encodeName(folder.path()));
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path() + QStringLiteral("/config")));
  QApplication app(argc, argv);
  engine::registerWordEngine();
  std::optional<base::ScopedDialogs> standIn;
  if (dialogs) standIn.emplace(*dialogs);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  privateFolder() = nullptr;
  return 0;
}

}  // namespace bench
