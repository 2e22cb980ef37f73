// Runs a program that no one here wrote (python-docx, the poppler tools, LibreOffice, our
// own command line) and collects what it printed, for tests that check files with them.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace testing_support {

struct ProgramOutput {
  int exitCode = -1;  // -1: did not start, crashed or timed out
  QByteArray out, err;
};

// `environment` adds NAME=value entries to this process's environment for the program.
ProgramOutput runProgram(const QString& program, const QStringList& arguments,
                         int timeoutMs = 120000, const QStringList& environment = {});

// Whether `program` can be found on the PATH (or is an executable path).
bool programAvailable(const QString& program);

}  // namespace testing_support
