#include "generator/Finish.h"

#include <QRandomGenerator>
#include <stdexcept>
#include <utility>

#include "output/CompleteDocument.h"
#include "output/PageRendering.h"
#include "output/TempFiles.h"
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

output::RunResult FinishRun(base::Guard& g, word::Ref<word::Application>& app,
                            word::Ref<word::Document>& plan, Pages pages,
                            const std::function<void()>& showBusy) {
  output::RunResult result;
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
      path = output::temporaryDocumentFolder() + QStringLiteral("/") + fileName +
             QStringLiteral(".doc");
    });
    // The name is taken by creating the file exclusively, so no other process can slip
    // a file or a link in under it; a taken name is drawn again.
    const bool taken = g.test(1770, [&] {
      try {
        return !output::reserveExclusive(path);
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
                                 output::temporaryDocumentFolder().toStdString());
      });
    path.clear();
  }
  // Holds the business details: removed when the result goes, unless the preview takes it.
  output::OwnedFile document(reserved ? path : QString());
  // One message says why: a document that is not on disk in full is never rendered,
  // shown or offered for saving, and the main window stays as it was.
  const bool saved = reserved && g.step(1772, [&] {
    plan->SaveAs(path);
    output::requireCompleteDocument(path);
  });
  if (!saved) {
    endQuietly(app, plan);
    return result;  // the document, if reserved, goes with `document`
  }
  g.step(1774, [&] { app->SetDisplayAlerts(0); });
  g.step(1776, [&] { plan->Close(); });
  g.step(1778, [&] { app->Quit(); });
  g.step(1780, [&] { plan.release(); });
  g.step(1782, [&] { app.release(); });
  if (pages == Pages::Draw) {
    bool rendered = false;
    g.step(1786, [&] { rendered = output::RenderPages(path, result.pages, showBusy); });
    // The rendering has said why; a preview without its pages would only mislead.
    if (!rendered) {
      result.pages.clear();
      return result;
    }
  }
  result.document = std::move(document);
  return result;
}

}  // namespace generator
