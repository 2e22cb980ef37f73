// Running outside programs for tests.
#include "support/ExternalProgram.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace testing_support {

ProgramOutput runProgram(const QString& program, const QStringList& arguments, int timeoutMs,
                         const QStringList& environment) {
  QProcess process;
  if (!environment.isEmpty()) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& entry : environment)
      env.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(env);
  }
  process.start(program, arguments);
  ProgramOutput result;
  if (!process.waitForStarted(10000)) {
    result.err = "could not start " + program.toUtf8();
    return result;
  }
  if (!process.waitForFinished(timeoutMs)) {
    process.kill();
    process.waitForFinished(5000);
    result.err = "timed out";
    return result;
  }
  result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  result.out = process.readAllStandardOutput();
  result.err = process.readAllStandardError();
  return result;
}

bool programAvailable(const QString& program) {
  if (program.contains(QLatin1Char('/'))) return QFileInfo(program).isExecutable();
  return !QStandardPaths::findExecutable(program).isEmpty();
}

}  // namespace testing_support
