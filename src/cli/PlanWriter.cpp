// One plan from details to files, through the window's own generation run.
#include "cli/PlanWriter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <optional>
#include <stdexcept>

#include "base/ProgramExit.h"
#include "base/WholeFile.h"
#include "generator/Generator.h"
#include "preview/Form2.h"
#include "preview/PdfExport.h"

namespace cli {
namespace {

[[noreturn]] void fail(const QString& text) { throw std::runtime_error(text.toStdString()); }

QString oneLine(QString text) {
  text.replace(QLatin1Char('\n'), QLatin1Char(' '));
  text.replace(QLatin1Char('\r'), QLatin1Char(' '));
  return text.simplified();
}

// The preview window the run leaves behind goes, and with it the temporary document.
void closePreview() {
  if (preview::Form2* form = preview::Form2::loaded()) form->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

int CollectingDialogs::message(const QString& text, const QString& caption, base::MessageIcon,
                               base::MessageButtons buttons) {
  messages << oneLine(caption + QStringLiteral(": ") + text);
  return buttons == base::MessageButtons::YesNo ? base::vbNo : base::vbOK;
}

QString CollectingDialogs::saveFileName(const QString&, const QString&, const QString&, QString*) {
  return QString();
}

namespace {

void requireFreeName(const QString& target) {
  const QFileInfo info(target);
  if (info.exists() || info.isSymLink())
    fail(QStringLiteral("\"") + target + QStringLiteral("\" already exists (--force replaces it)"));
}

}  // namespace

QString writePlan(const shell::BusinessDetails& details, const PlanTargets& targets,
                  CollectingDialogs& dialogs) {
  dialogs.messages.clear();
  closePreview();
  try {
    if (!targets.replace) {
      requireFreeName(targets.wordFile);
      if (!targets.pdfFile.isEmpty()) requireFreeName(targets.pdfFile);
    }
    // Pages are drawn only for a PDF.
    generator::GeneratePlanFor(
        details, preview::programWindows(),
        targets.pdfFile.isEmpty() ? generator::Pages::Skip : generator::Pages::Draw);
    preview::Form2* form = preview::Form2::loaded();
    if (!dialogs.messages.isEmpty()) fail(dialogs.messages.first());
    if (!form) fail(QStringLiteral("the run made no plan"));

    // Both files are written whole beside their targets before either takes its name, so
    // a file that cannot be written leaves both targets as they were.
    base::StagedFile wordFile(targets.wordFile);
    wordFile.copyFrom(form->document());
    wordFile.finish();
    std::optional<base::StagedFile> pdfFile;
    if (!targets.pdfFile.isEmpty()) {
      const std::vector<QPicture> pages = form->pagePictures();
      if (pages.empty()) fail(QStringLiteral("the plan has no pages"));
      pdfFile.emplace(targets.pdfFile);
      pdfFile->write(preview::pdfBytes(
          pages, details[static_cast<size_t>(shell::BusinessField::BusinessName)]));
      pdfFile->finish();
    }
    if (base::terminationRequested()) fail(QStringLiteral("interrupted"));
    const base::Placing placing =
        targets.replace ? base::Placing::ReplaceExisting : base::Placing::KeepExisting;
    if (pdfFile)
      base::placeBoth(wordFile, *pdfFile, placing);
    else
      wordFile.place(placing);
    closePreview();
    return QString();
  } catch (const std::exception& error) {
    closePreview();
    return oneLine(QString::fromStdString(error.what()));
  }
}

}  // namespace cli
