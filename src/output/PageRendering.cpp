#include "output/PageRendering.h"

#include <optional>

#include "base/ClipboardPicture.h"
#include "base/Guard.h"
#include "base/ProgramExit.h"
#include "base/SharedRoutines.h"
#include "output/TempFiles.h"
#include "word/ObjectRegistry.h"

namespace output {
namespace {

int pageCountFrom(const QVariant& value) {
  bool ok = false;
  const int count = value.toInt(&ok);
  if (!ok) throw word::AutomationError(QStringLiteral("Type mismatch"));
  return count;
}

}  // namespace

bool RenderPages(const QString& path, std::vector<QPicture>& pages,
                 const std::function<void()>& showBusy) {
  pages.clear();
  base::Guard g(QString::fromLatin1(base::location::kSaveDocAsJpg));
  const QString documentPath = path;
  QString imagePath;
  bool complete = true;
  word::Ref<word::Application> app;
  word::Ref<word::Document> document;
  short pagesPerPass = 0;
  int pageCount = 0, n = 0, consumed = 0;
  bool done = false;

  g.step(114, [&] { pagesPerPass = 1; });
  // Without a word processor or the document every later step would fail in its turn:
  // the one message stands for the rendering, which ends here.
  if (!g.step(116, [&] { app = word::CreateObject(QStringLiteral("Word.Application")); }))
    return false;
  if (!g.step(118, [&] { document = app->Documents()->Open(documentPath); })) {
    try {
      app->Quit();
    } catch (const std::exception&) {
    }
    return false;
  }
  g.step(120, [&] { app->ActiveDocument()->Repaginate(); });
  g.step(122,
         [&] { pageCount = pageCountFrom(app->ActiveDocument()->BuiltInDocumentProperties(14)); });
  g.step(124, [&] { done = false; });
  g.step(126, [&] { n = 0; });
  for (;;) {
    if (g.test(128, [&] { return done; })) break;
    g.step(130, [&] {
      if (showBusy) showBusy();
    });
    g.step(132, [&] { document->Range()->CopyAsPicture(); });
    g.step(134, [&] { ++n; });
    if (g.test(136, [&] { return pagesPerPass >= pageCount - consumed; })) {
      g.step(138, [&] { done = true; });
    } else {
      g.step(142, [&] {
        app->Selection()->GoTo(word::wdGoToPage, word::wdGoToNext, QVariant(), QVariant(2));
      });
      g.step(144, [&] { app->Selection()->HomeKey(word::wdStory, word::wdExtend); });
      g.step(146, [&] { app->Selection()->Delete(word::wdCharacter, 1); });
    }
    bool pictureTaken = false, imageWritten = false;
    imagePath.clear();
    g.step(148, [&] {
      const std::optional<QPicture> picture = base::GetClipboardPicture(0);
      if (!picture) throw word::AutomationError(QStringLiteral("Invalid picture"));
      pictureTaken = true;
      // Each page gets a fresh name that nobody can plant a file under in advance;
      // without a usable folder pageImagePath() throws the reason.
      imagePath = pageImagePath();
      base::removeAtExit(imagePath);
      writePictureFile(imagePath, *picture);
      imageWritten = true;
    });
    if (pictureTaken && !imageWritten) {
      // No folder or no space: every later page would fail the same way, so the one
      // message stands for the rest of the rendering.
      base::RemoveFile(imagePath);
      complete = false;
      break;
    }
    // Page n's entry, empty until its picture is read: page 1's at 154, a later page's,
    // whose element 156 loads, at 158.
    g.step(150, [&] { pages.resize(static_cast<size_t>(n)); });
    g.step(n == 1 ? 154 : 158,
           [&] { pages.at(static_cast<size_t>(n - 1)) = readPictureFile(imagePath); });
    g.step(162, [&] { base::RemoveFile(imagePath); });
    g.step(164, [&] { consumed += pagesPerPass; });
  }
  g.step(166, [&] { app->ActiveDocument()->Close(QVariant(word::wdDoNotSaveChanges)); });
  g.step(168, [&] { app->Quit(); });
  base::ClearClipboardPicture();  // the last page holds the business's details
  return complete;
}

}  // namespace output
