#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "base/ClipboardPicture.h"
#include "base/Guard.h"
#include "output/PageRendering.h"
#include "preview/StandInWord.h"
#include "support/ScopedEnv.h"
#include "support/ScriptedDialogs.h"
#include "word/ObjectRegistry.h"

namespace output {
namespace {

using preview_tests::pagePicture;
using preview_tests::StandInApplication;
using preview_tests::StandInState;
using testing_support::ScopedEnv;

class PageRenderingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    state = std::make_shared<StandInState>();
    word::registerFactory(QStringLiteral("Word.Application"), [this] {
      return word::Ref<word::Application>(word::makeRef<StandInApplication>(state));
    });
    docPath = folder.filePath(QStringLiteral("tovlan11111111.doc"));
    QFile file(docPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("document bytes");
  }

  bool render() { return RenderPages(docPath, pages); }

  QTemporaryDir folder;
  ScopedEnv bigTemp{"TEMP", QString()};
  std::shared_ptr<StandInState> state;
  QString docPath;
  std::vector<QPicture> pages;
  word::RegistrySnapshot registry;
  testing_support::ScriptedDialogs dialogs;
};

TEST_F(PageRenderingTest, ThreePagesGiveThreeEntriesAndPictures) {
  ScopedEnv temp("TEMP", folder.path());
  state->pages = {1, 2, 3};
  pages.resize(5);  // whatever was there goes
  EXPECT_TRUE(render());
  EXPECT_TRUE(dialogs.errorTexts().isEmpty()) << dialogs.errorTexts().join("\n").toStdString();
  ASSERT_EQ(pages.size(), 3u);
  for (int k = 1; k <= 3; ++k)
    EXPECT_EQ(pages[k - 1].boundingRect(), pagePicture(k).boundingRect()) << k;
  EXPECT_EQ(state->openedPath, docPath);
  // Two pages deleted in the open copy; the last pass deletes nothing.
  EXPECT_EQ(state->calls,
            QStringList({"Open", "Repaginate", "CopyAsPicture", "GoTo 1 2 2", "HomeKey 6 1",
                         "Delete 1 1", "CopyAsPicture", "GoTo 1 2 2", "HomeKey 6 1", "Delete 1 1",
                         "CopyAsPicture", "Close", "Quit"}));
  EXPECT_EQ(state->closeArgument, QVariant(0));
  // The page image file is gone and the file on disk is as it was.
  EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("temp.bmp"))));
  QFile doc(docPath);
  ASSERT_TRUE(doc.open(QIODevice::ReadOnly));
  EXPECT_EQ(doc.readAll(), QByteArray("document bytes"));
  // The picture clipboard, which held each page in turn, is emptied at the end.
  EXPECT_FALSE(base::GetClipboardPicture().has_value());
}

TEST_F(PageRenderingTest, OnePageMeansOnePassAndNoDeletion) {
  ScopedEnv temp("TEMP", folder.path());
  state->pages = {1};
  render();
  EXPECT_EQ(pages.size(), 1u);
  EXPECT_FALSE(state->calls.contains(QStringLiteral("Delete 1 1")));
  EXPECT_TRUE(state->quit);
}

// In a shared TEMP another local user can plant anything under a name known in advance:
// a link to a victim, or a file this user cannot remove (a folder stands in for it).
TEST_F(PageRenderingTest, APlantedPageImageFileIsNeitherFollowedNorInTheWay) {
  const QString victim = folder.filePath(QStringLiteral("victim.txt"));
  {
    QFile file(victim);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("keep me");
  }
  for (const bool asLink : {true, false}) {
    const QString shared = folder.filePath(asLink ? QStringLiteral("a") : QStringLiteral("b"));
    ASSERT_TRUE(QDir().mkpath(shared));
    const QString planted = shared + QStringLiteral("/temp.bmp");
    ASSERT_TRUE(asLink ? QFile::link(victim, planted) : QDir().mkdir(planted));
    ScopedEnv temp("TEMP", shared);
    state->pages = {1, 2, 3};
    EXPECT_TRUE(render());
    EXPECT_TRUE(dialogs.errorTexts().isEmpty()) << dialogs.errorTexts().join("\n").toStdString();
    EXPECT_EQ(pages.size(), 3u);
    // The planted file is left alone, and every page image of the rendering is gone.
    EXPECT_EQ(QDir(shared).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
              QStringList({"temp.bmp"}));
  }
  QFile file(victim);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("keep me"));
}

TEST_F(PageRenderingTest, WithoutTEMPThePrivateFolderIsUsed) {
  ScopedEnv runtime("XDG_RUNTIME_DIR", folder.path());
  state->pages = {1, 2};
  render();
  EXPECT_TRUE(dialogs.errorTexts().isEmpty());
  EXPECT_EQ(pages.size(), 2u);
  EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("halvenor/temp.bmp"))));
}

TEST_F(PageRenderingTest, WhoeverWaitsHearsOfEveryPage) {
  ScopedEnv temp("TEMP", folder.path());
  state->pages = {1, 2};
  int busy = 0;
  RenderPages(docPath, pages, [&busy] { ++busy; });
  EXPECT_EQ(busy, 2);
}

// No word processor, or a document it cannot open: one message, and the rendering ends
// (not one message for each of the steps that would fail after it).
TEST_F(PageRenderingTest, NoWordProcessorOrNoDocumentGivesOneReport) {
  ScopedEnv temp("TEMP", folder.path());
  base::ClearClipboardPicture();
  {
    word::ScopedCallHook hook([](const char* member) {
      if (QByteArray(member) == "Documents.Open")
        throw word::AutomationError(QStringLiteral("a paragraph is too long"));
    });
    EXPECT_FALSE(render());
  }
  word::registerFactory(QStringLiteral("Word.Application"), {});
  EXPECT_FALSE(render());
  QList<long> lines;
  for (const QString& text : dialogs.errorTexts()) {
    EXPECT_TRUE(text.contains(QString::fromLatin1(base::location::kSaveDocAsJpg)));
    const int at = text.indexOf(QStringLiteral("at line "));
    lines << text.mid(at + 8, 3).toLong();
  }
  EXPECT_EQ(lines, QList<long>({118, 116}));
  EXPECT_TRUE(state->quit);
  EXPECT_EQ(pages.size(), 0u);
}

TEST_F(PageRenderingTest, AFailingPageCopyStillListsEveryPage) {
  ScopedEnv temp("TEMP", folder.path());
  state->pages = {1, 2, 3};
  word::ScopedCallHook hook([](const char* member) {
    static int copies = 0;
    if (QByteArray(member) == "Range.CopyAsPicture" && ++copies == 2)
      throw word::AutomationError(QStringLiteral("Copy failed"));
  });
  base::ClearClipboardPicture();
  render();
  ASSERT_EQ(dialogs.errorTexts().size(), 1);
  EXPECT_TRUE(dialogs.errorTexts()[0].startsWith(QStringLiteral("Copy failed\r\n")));
  EXPECT_TRUE(dialogs.errorTexts()[0].contains(QStringLiteral("at line 132\r\r")));
  // The clipboard still held page 1, so the second element shows page 1 again, as the
  // clipboard dictates; the third is page 3.
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(pages[1].boundingRect(), pagePicture(1).boundingRect());
  EXPECT_EQ(pages[2].boundingRect(), pagePicture(3).boundingRect());
}

}  // namespace
}  // namespace output
