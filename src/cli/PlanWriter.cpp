// One plan from details to files, through the window's own generation run.
#include "cli/PlanWriter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <stdexcept>

#include "generator/Generator.h"
#include "preview/Form2.h"
#include "preview/PdfExport.h"
#include "preview/SafeCopy.h"

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

void placeFile(const QString& source, const QString& target, bool replace) {
  if (replace) return preview::copyFileReplacing(source, target);
  QFile in(source);
  if (!in.open(QIODevice::ReadOnly))
    fail(QStringLiteral("cannot read \"") + source + QStringLiteral("\": ") + in.errorString());
  QFile out(target);
  // Created exclusively: an existing file, or a link, is never written through.
  if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
    fail(QFileInfo::exists(target) || QFileInfo(target).isSymLink()
             ? QStringLiteral("\"") + target +
                   QStringLiteral("\" already exists (--force replaces it)")
             : QStringLiteral("cannot write \"") + target + QStringLiteral("\": ") +
                   out.errorString());
  const QByteArray bytes = in.readAll();
  if (in.error() != QFileDevice::NoError || out.write(bytes) != bytes.size() || !out.flush()) {
    const QString reason = out.errorString();
    out.remove();
    fail(QStringLiteral("cannot write \"") + target + QStringLiteral("\": ") + reason);
  }
}

QString writePlan(const shell::BusinessDetails& details, const PlanTargets& targets,
                  CollectingDialogs& dialogs) {
  dialogs.messages.clear();
  closePreview();
  try {
    generator::GeneratePlanFor(details);
    preview::Form2* form = preview::Form2::loaded();
    if (!dialogs.messages.isEmpty()) fail(dialogs.messages.first());
    if (!form) fail(QStringLiteral("the run made no plan"));
    const std::vector<QPicture> pages = form->pagePictures();
    if (pages.empty()) fail(QStringLiteral("the plan has no pages"));

    // Drawn first, so a PDF that cannot be made leaves both targets untouched.
    QTemporaryDir scratch;
    QString pdf;
    if (!targets.pdfFile.isEmpty()) {
      if (!scratch.isValid()) fail(QStringLiteral("cannot make a scratch folder"));
      pdf = scratch.filePath(QStringLiteral("plan.pdf"));
      preview::writePdf(pages, pdf,
                        details[static_cast<size_t>(shell::BusinessField::BusinessName)]);
    }
    placeFile(form->document(), targets.wordFile, targets.replace);
    if (!pdf.isEmpty()) {
      try {
        placeFile(pdf, targets.pdfFile, targets.replace);
      } catch (const std::exception&) {
        // One plan is both files or neither: a new Word file goes again.
        if (!targets.replace) QFile::remove(targets.wordFile);
        throw;
      }
    }
    closePreview();
    return QString();
  } catch (const std::exception& error) {
    closePreview();
    return oneLine(QString::fromStdString(error.what()));
  }
}

}  // namespace cli
