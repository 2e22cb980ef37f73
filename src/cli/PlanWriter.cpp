// One plan from details to files, through the same generation run the main window uses.
#include "cli/PlanWriter.h"

#include <QFile>
#include <QFileInfo>
#include <optional>
#include <stdexcept>

#include "base/ProgramExit.h"
#include "base/WholeFile.h"
#include "generator/Generator.h"
#include "output/PdfExport.h"

namespace cli {
namespace {

[[noreturn]] void fail(const QString& text) { throw std::runtime_error(text.toStdString()); }

QString oneLine(QString text) {
  text.replace(QLatin1Char('\n'), QLatin1Char(' '));
  text.replace(QLatin1Char('\r'), QLatin1Char(' '));
  return text.simplified();
}

}  // namespace

int UnattendedDialogs::message(const QString&, const QString&, base::MessageIcon,
                               base::MessageButtons buttons) {
  return buttons == base::MessageButtons::YesNo ? base::vbNo : base::vbOK;
}

QString UnattendedDialogs::saveFileName(const QString&, const QString&, const QString&, QString*) {
  return QString();
}

namespace {

void requireFreeName(const QString& target) {
  const QFileInfo info(target);
  if (info.exists() || info.isSymLink())
    fail(QStringLiteral("\"") + target + QStringLiteral("\" already exists (--force replaces it)"));
}

}  // namespace

QString writePlan(const shell::BusinessDetails& details, const PlanTargets& targets) {
  try {
    if (!targets.replace) {
      requireFreeName(targets.wordFile);
      if (!targets.pdfFile.isEmpty()) requireFreeName(targets.pdfFile);
    }
    // Pages are drawn only for a PDF.
    const output::RunResult run = generator::GeneratePlan(
        details, targets.pdfFile.isEmpty() ? generator::Pages::Skip : generator::Pages::Draw);
    // Any message fails the plan: its files would not be what the details ask for.
    if (!run.problems.isEmpty() || !run.madeDocument()) fail(run.failure());

    // Both files are written whole beside their targets before either takes its name, so
    // a file that cannot be written leaves both targets as they were.
    base::StagedFile wordFile(targets.wordFile);
    wordFile.copyFrom(run.document.path());
    wordFile.finish();
    std::optional<base::StagedFile> pdfFile;
    if (!targets.pdfFile.isEmpty()) {
      if (run.pages.empty()) fail(QStringLiteral("the plan has no pages"));
      pdfFile.emplace(targets.pdfFile);
      pdfFile->write(output::pdfBytes(
          run.pages, details[static_cast<size_t>(shell::BusinessField::BusinessName)]));
      pdfFile->finish();
    }
    if (base::terminationRequested()) fail(QStringLiteral("interrupted"));
    const base::Placing placing =
        targets.replace ? base::Placing::ReplaceExisting : base::Placing::KeepExisting;
    if (pdfFile)
      base::placeBoth(wordFile, *pdfFile, placing);
    else
      wordFile.place(placing);
    return QString();
  } catch (const std::exception& error) {
    return oneLine(QString::fromStdString(error.what()));
  }
}

}  // namespace cli
