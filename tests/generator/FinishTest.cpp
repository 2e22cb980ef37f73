// The end of a run: the plan saved under a fresh temporary name, the word processor closed,
// the pages drawn, and all of it handed back as the run's result.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include "base/Guard.h"
#include "base/ProgramExit.h"
#include "generator/Finish.h"
#include "preview/StandInWord.h"
#include "support/ScopedEnv.h"
#include "support/ScriptedDialogs.h"
#include "word/ObjectRegistry.h"

namespace generator {
namespace {

using preview_tests::StandInApplication;
using preview_tests::StandInDocument;
using preview_tests::StandInState;
using testing_support::ScopedEnv;

class FinishTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    renderState = std::make_shared<StandInState>();
    renderState->pages = {1, 2, 3};
    word::registerFactory(QStringLiteral("Word.Application"), [this] {
      return word::Ref<word::Application>(word::makeRef<StandInApplication>(renderState));
    });
  }

  // Runs the finish with a fresh generator instance and plan document; its result is kept
  // in `result` (the one before goes, and its document with it).
  void finish(Pages pages = Pages::Draw) {
    runState = std::make_shared<StandInState>();
    app = word::makeRef<StandInApplication>(runState);
    plan = word::makeRef<StandInDocument>(runState);
    base::Guard g(QString::fromLatin1(base::location::kGenerate));
    result = FinishRun(g, app, plan, pages, [this] { ++busy; });
  }

  QList<long> reportedLines() const {
    QList<long> lines;
    for (const QString& text : dialogs.errorTexts()) {
      EXPECT_TRUE(text.contains(QString::fromLatin1(base::location::kGenerate)));
      const int at = text.indexOf(QStringLiteral("at line "));
      lines << text.mid(at + 8, 4).toLong();
    }
    return lines;
  }

  QTemporaryDir folder;
  ScopedEnv runtime{"XDG_RUNTIME_DIR", folder.path()};
  ScopedEnv bigTemp{"TEMP", folder.path()};
  std::shared_ptr<StandInState> runState, renderState;
  word::Ref<word::Application> app;
  word::Ref<word::Document> plan;
  output::RunResult result;
  int busy = 0;
  word::RegistrySnapshot registry;
  testing_support::ScriptedDialogs dialogs;
};

TEST_F(FinishTest, SavesClosesAndDrawsThePagesIntoTheResult) {
  ScopedEnv temp("temp", folder.path());
  finish();
  EXPECT_TRUE(dialogs.errorTexts().isEmpty()) << dialogs.errorTexts().join("\n").toStdString();

  const QString path = runState->savedPath;
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^") + QRegularExpression::escape(folder.path()) +
                                 QStringLiteral("/tovlan[1-9]{8}\\.doc$"))
                  .match(path)
                  .hasMatch())
      << path.toStdString();
  EXPECT_EQ(runState->calls, QStringList({"SaveAs", "DisplayAlerts 0", "Close", "Quit"}));
  EXPECT_FALSE(runState->closeArgument.isValid());
  EXPECT_TRUE(app.isNothing());
  EXPECT_TRUE(plan.isNothing());

  struct stat info {};
  ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);

  EXPECT_EQ(renderState->openedPath, path);
  EXPECT_EQ(result.document.path(), path);
  EXPECT_TRUE(result.problems.isEmpty());
  ASSERT_EQ(result.pages.size(), 3u);
  EXPECT_EQ(result.pages[2].boundingRect(), preview_tests::pagePicture(3).boundingRect());
  EXPECT_EQ(busy, 3);

  // The result owns the document: when it goes, so does the file with the details.
  result = output::RunResult();
  EXPECT_FALSE(QFile::exists(path));

  // A run whose pages nobody needs (a Word file alone) saves the plan and draws nothing:
  // the word processor is not even started for the rendering.
  renderState->calls.clear();
  finish(Pages::Skip);
  EXPECT_TRUE(dialogs.errorTexts().isEmpty()) << dialogs.errorTexts().join("\n").toStdString();
  EXPECT_TRUE(result.pages.empty());
  EXPECT_EQ(renderState->calls, QStringList());
  EXPECT_EQ(result.document.path(), runState->savedPath);
  EXPECT_TRUE(QFile::exists(runState->savedPath));
}

TEST_F(FinishTest, WithoutTempThePrivateFolderHoldsTheDocument) {
  ScopedEnv temp("temp", QString());
  finish();
  EXPECT_TRUE(dialogs.errorTexts().isEmpty());
  EXPECT_EQ(QFileInfo(runState->savedPath).absolutePath(), folder.path() + "/halvenor");
  EXPECT_TRUE(QFile::exists(runState->savedPath));
}

TEST_F(FinishTest, EveryRunTakesAFreshNameOfNonZeroDigits) {
  ScopedEnv temp("temp", folder.path());
  QSet<QString> names;
  for (int run = 0; run < 12; ++run) {
    finish();
    const QString name = QFileInfo(runState->savedPath).fileName();
    EXPECT_EQ(name.size(), 18);
    EXPECT_FALSE(name.contains(QLatin1Char('0')));
    names.insert(name);
  }
  EXPECT_EQ(names.size(), 12);
  EXPECT_TRUE(dialogs.errorTexts().isEmpty());
}

TEST_F(FinishTest, AFailedSaveIsReportedOnceAndMakesNoDocument) {
  ScopedEnv temp("temp", folder.path());
  word::ScopedCallHook hook([](const char* member) {
    if (QByteArray(member) == "Document.SaveAs")
      throw word::AutomationError(QStringLiteral("Disk full"));
  });
  finish();
  EXPECT_EQ(reportedLines(), QList<long>({1772}));
  EXPECT_TRUE(runState->quit);
  EXPECT_TRUE(app.isNothing());
  EXPECT_TRUE(plan.isNothing());
  EXPECT_FALSE(result.madeDocument());
  // The reserved empty name is gone again: nothing is left to render or to save.
  EXPECT_TRUE(QDir(folder.path()).entryList({QStringLiteral("tovlan*")}, QDir::Files).isEmpty());
}

// A full disk under a writer that does not notice: the document on disk is cut short.
TEST_F(FinishTest, ADocumentCutShortByAFullDiskIsNeverPreviewedOrSaved) {
  ScopedEnv temp("temp", folder.path());
  // What a writer that misses a failed write leaves behind: the head of the file only.
  struct CutShort : StandInDocument {
    using StandInDocument::StandInDocument;
    void SaveAs(const QString& path) override {
      StandInDocument::SaveAs(path);
      QFile::resize(path, 5);
    }
  };
  runState = std::make_shared<StandInState>();
  app = word::makeRef<StandInApplication>(runState);
  plan = word::makeRef<CutShort>(runState);
  base::Guard g(QString::fromLatin1(base::location::kGenerate));
  EXPECT_FALSE(FinishRun(g, app, plan).madeDocument());
  ASSERT_EQ(dialogs.errorTexts().size(), 1);
  EXPECT_TRUE(dialogs.errorTexts()[0].startsWith(QStringLiteral("The document \"") + folder.path()))
      << dialogs.errorTexts()[0].toStdString();
  EXPECT_TRUE(dialogs.errorTexts()[0].contains(QStringLiteral("not written completely")));
  EXPECT_FALSE(QFile::exists(runState->savedPath));
}

// Closing the main window while the pages are rendered ends the program at once; the
// temporary document with the business details must not stay behind.
TEST_F(FinishTest, EndingTheProgramMidRunLeavesNoFileBehind) {
  ScopedEnv temp("temp", folder.path());
  base::ScopedProgramEnder ender([] { throw base::ProgramEnded{}; });
  int copies = 0;
  word::ScopedCallHook hook([&](const char* member) {
    if (QByteArray(member) == "Range.CopyAsPicture" && ++copies == 2) base::EndProgram();
  });
  EXPECT_THROW(finish(), base::ProgramEnded);
  EXPECT_EQ(copies, 2);
  EXPECT_FALSE(runState->savedPath.isEmpty());
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

// A "temp" that is missing, a file, or too long a name: one message that names the
// path and the system's reason, and the run ends in the main window.
TEST_F(FinishTest, AnUnusableFolderIsReportedOnceAndNothingElseHappens) {
  const QString file = folder.filePath(QStringLiteral("a-file"));
  QFile(file).open(QIODevice::WriteOnly);
  const struct {
    QString temp;
    const char* reason;
  } cases[] = {
      {folder.filePath(QStringLiteral("missing")), "No such file or directory"},
      {file, "Not a directory"},
      {folder.filePath(QString(300, QLatin1Char('t'))), "File name too long"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reason);
    ScopedEnv temp("temp", c.temp);
    dialogs.messages.clear();
    finish();
    EXPECT_EQ(reportedLines(), QList<long>({1770}));
    ASSERT_EQ(dialogs.errorTexts().size(), 1);
    EXPECT_TRUE(dialogs.errorTexts()[0].contains(c.temp));
    EXPECT_TRUE(dialogs.errorTexts()[0].contains(QLatin1String(c.reason)))
        << dialogs.errorTexts()[0].toStdString();
    EXPECT_TRUE(runState->savedPath.isEmpty());
    EXPECT_TRUE(runState->quit);
    EXPECT_FALSE(result.madeDocument());
  }
  EXPECT_FALSE(QDir(folder.filePath(QStringLiteral("missing"))).exists());
}

// TEMP on a full disk: the page image file cannot be written; one message, no preview, and
// the temporary document does not stay behind.
TEST_F(FinishTest, APageImageThatCannotBeWrittenIsReportedOnce) {
  ScopedEnv temp("temp", folder.path());
  ScopedEnv full("TEMP", folder.filePath(QStringLiteral("gone")));
  finish();
  ASSERT_EQ(dialogs.errorTexts().size(), 1) << dialogs.errorTexts().join("\n").toStdString();
  EXPECT_TRUE(dialogs.errorTexts()[0].contains(QString::fromLatin1(base::location::kSaveDocAsJpg)));
  EXPECT_TRUE(dialogs.errorTexts()[0].contains(QStringLiteral("No such file or directory")));
  EXPECT_FALSE(result.madeDocument());
  EXPECT_TRUE(result.pages.empty());
  EXPECT_FALSE(QFile::exists(runState->savedPath));
}

}  // namespace
}  // namespace generator
