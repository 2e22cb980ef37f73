#include "generator/Finish.h"

#include <unistd.h>

#include <QFile>
#include <QRandomGenerator>
#include <stdexcept>

#include "base/ProgramExit.h"
#include "preview/CompleteDocument.h"
#include "preview/PageRendering.h"
#include "preview/TempFiles.h"
#include "word/WordConstants.h"

namespace generator {
namespace {

// A free name is found long before this; past it the folder is taken to be unusable.
constexpr int kMaxNameDraws = 10000;

// Ends the word processor after a failed save without a message per step: the save's
// message has said what went wrong.
void endQuietly(word::Ref<word::Application>& app, word::Ref<word::Document>& plan) {
  try {
    app->SetDisplayAlerts(0);
    plan->Close(QVariant(word::wdDoNotSaveChanges));
  } catch (const std::exception&) {
  }
  try {
    app->Quit();
  } catch (const std::exception&) {
  }
  plan.release();
  app.release();
}

}  // namespace

void FinishRun(base::Guard& g, word::Ref<word::Application>& app, word::Ref<word::Document>& plan,
               preview::RunWindows& windows, Pages pages) {
  QString fileName, path;
  bool reserved = false, failed = false;
  for (int draws = 0; !reserved && draws < kMaxNameDraws; ++draws) {
    g.step(1756, [&] { fileName = QStringLiteral("tovlan"); });
    for (int digit = 1; digit <= 8; ++digit) {
      // 1760: the system generator needs no re-seeding between draws.
      g.step(1762,
             [&] { fileName += QString::number(QRandomGenerator::system()->bounded(1, 10)); });
    }
    g.step(1768, [&] {
      path = preview::temporaryDocumentFolder() + QStringLiteral("/") + fileName +
             QStringLiteral(".doc");
    });
    // The name is taken by creating the file exclusively, so no other process can slip
    // a file or a link in under it; a taken name is drawn again.
    const bool taken = g.test(1770, [&] {
      try {
        return !preview::reserveExclusive(path);
      } catch (...) {
        failed = true;
        throw;
      }
    });
    if (failed) break;  // reported
    reserved = !taken;
  }
  if (!reserved) {
    // Never save over a file this run did not create: without a name of its own the save
    // fails and says so.
    if (!failed)
      g.step(1770, [&] {
        throw std::runtime_error("No free name for the temporary document in " +
                                 preview::temporaryDocumentFolder().toStdString());
      });
    path.clear();
  } else {
    base::removeAtExit(path);  // holds the business details until the preview is left
  }
  // One message says why: a document that is not on disk in full is never rendered,
  // shown or offered for saving, and the main window stays as it was.
  const bool saved = reserved && g.step(1772, [&] {
    plan->SaveAs(path);
    preview::requireCompleteDocument(path);
  });
  if (!saved) {
    endQuietly(app, plan);
    if (reserved) {
      ::unlink(QFile::encodeName(path).constData());
      base::forgetAtExit(path);
    }
    return;
  }
  g.step(1774, [&] { app->SetDisplayAlerts(0); });
  g.step(1776, [&] { plan->Close(); });
  g.step(1778, [&] { app->Quit(); });
  g.step(1780, [&] { plan.release(); });
  g.step(1782, [&] { app.release(); });
  g.step(1784, [&] { windows.clearPages(); });
  if (pages == Pages::Draw) {
    bool rendered = false;
    g.step(1786, [&] { rendered = preview::RenderPages(path, windows); });
    if (!rendered) {
      // The rendering has said why; a preview without its pages would only mislead.
      windows.setDocument(path);
      windows.closePreview();  // removes the temporary document
      return;
    }
    if (g.test(1790, [&] { return windows.pageCount() > 0; }))
      g.step(1792, [&] { windows.showFirstPage(); });
  }
  g.step(1794, [&] { windows.setDocument(path); });
  g.step(1796, [&] { windows.showPreview(); });
  g.step(1798, [&] { windows.hideMainWindow(); });
}

}  // namespace generator
