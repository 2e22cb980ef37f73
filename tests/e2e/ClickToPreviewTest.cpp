// Whole runs through the real windows, the built-in engine and the real generator: from
// "Start Creating Template" to the preview, saving, going back and running again.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <optional>

#include "engine/Docx.h"
#include "engine/Inspection.h"
#include "engine/PageLayout.h"
#include "engine/WordEngine.h"
#include "generator/Generator.h"
#include "preview/Form2.h"
#include "preview/PagePicture.h"
#include "preview/RunPreview.h"
#include "preview/TestEnvironment.h"
#include "shell/Form1.h"
#include "support/ExternalProgram.h"
#include "support/FileSizeLimit.h"
#include "support/ForwardingWord.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"
#include "word/Automation.h"
#include "word/ObjectRegistry.h"

namespace {

using testing_support::contentsOf;
using testing_support::ScopedFileSizeLimit;
using testing_support::writeFile;

using preview_tests::clickItem;
using preview_tests::pressKey;
using preview_tests::ScopedEnv;

// The page count of a saved document, asked of a word-processor instance of its own.
int pageCountOf(const QString& path) {
  word::Ref<word::Application> app = word::CreateObject(QStringLiteral("Word.Application"));
  word::Ref<word::Document> doc = app->Documents()->Open(path);
  doc->Repaginate();
  const int count = doc->BuiltInDocumentProperties(14).toInt();
  doc->Close(QVariant(0));
  app->Quit();
  return count;
}

class ClickToPreviewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    engine::registerWordEngine();
  }
  void TearDown() override {
    if (preview::Form2* form = preview::Form2::loaded()) form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  QTemporaryDir folder;
  ScopedEnv temp{"temp", folder.path()};
  ScopedEnv bigTemp{"TEMP", folder.path()};
  word::RegistrySnapshot registry;
  testing_support::ScriptedDialogs dialogs;
};

TEST_F(ClickToPreviewTest, RunPreviewSaveBackAndRunAgain) {
  shell::Form1 form1({[] {}, &preview::GenerateAndPreview});
  form1.Form_Load();
  form1.show();
  form1.PushButton3_Click();  // the sample business
  const QString businessName = form1.txtBusinessName->text();
  ASSERT_FALSE(businessName.isEmpty());

  form1.PushButton1->click();
  // A run that reports failures still ends in the preview; the failures fail the test.
  EXPECT_TRUE(dialogs.errorTexts().isEmpty()) << dialogs.errorTexts().join("\n").toStdString();
  EXPECT_FALSE(form1.mBusy);
  EXPECT_EQ(form1.windowPointer(), shell::WindowPointer::Default);
  EXPECT_FALSE(form1.isVisible());

  preview::Form2* form = preview::Form2::loaded();
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(form->isVisible());
  const QString tempDoc = form->mWordFile;
  ASSERT_TRUE(QFile::exists(tempDoc));
  EXPECT_TRUE(QFileInfo(tempDoc).fileName().startsWith(QStringLiteral("tovlan")));

  // One entry and one picture per page, page 1 on show.
  const int pages = pageCountOf(tempDoc);
  ASSERT_GE(pages, 3);
  ASSERT_EQ(form->ListView1->topLevelItemCount(), pages);
  for (int k = 1; k <= pages; ++k)
    EXPECT_EQ(form->ListView1->topLevelItem(k - 1)->text(0), QStringLiteral("Page %1").arg(k));
  ASSERT_EQ(form->Image1.size(), static_cast<size_t>(pages));
  for (const QPicture& page : form->Image1) EXPECT_FALSE(page.isNull());
  EXPECT_EQ(form->Picture1->picture().size(), form->Image1[0].size());
  // A US Letter page, 816 x 1056 px.
  EXPECT_EQ(form->Zoom_Ori->widthTwips(), 12240);
  EXPECT_EQ(form->Zoom_Ori->heightTwips(), 15840);
  EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("temp.bmp"))));

  // Page 3 by a click, page 4 by the arrow key.
  clickItem(*form, 2);
  EXPECT_EQ(form->Picture1->picture().size(), form->Image1[2].size());
  EXPECT_EQ(QByteArray(form->Picture1->picture().data(), form->Picture1->picture().size()),
            QByteArray(form->Image1[2].data(), form->Image1[2].size()));
  form->ListView1->setFocus();
  pressKey(form->ListView1, Qt::Key_Down);
  EXPECT_EQ(QByteArray(form->Picture1->picture().data(), form->Picture1->picture().size()),
            QByteArray(form->Image1[3].data(), form->Image1[3].size()));

  // Zoom in and out.
  const long base = form->mBaseWidth;
  form->PushButton1->click();
  form->PushButton1->click();
  EXPECT_FLOAT_EQ(form->mZoom, 1.5f);
  EXPECT_EQ(form->Picture1->widthTwips(), static_cast<long>(1.5 * base));
  form->PushButton2->click();
  EXPECT_FLOAT_EQ(form->mZoom, 1.25f);

  // Save under a new name: the same bytes as the temporary document.
  const QString saved = folder.filePath(QStringLiteral("My Plan.doc"));
  dialogs.saveNameNext(saved);
  form->PushButton6->click();
  EXPECT_EQ(contentsOf(saved), contentsOf(tempDoc));
  EXPECT_FALSE(contentsOf(saved).isEmpty());
  EXPECT_EQ(dialogs.messages.back().text, QStringLiteral("Done."));

  // Back: the temporary document goes, the main window returns with its fields.
  form->PushButton8->click();
  EXPECT_FALSE(QFile::exists(tempDoc));
  EXPECT_TRUE(form1.isVisible());
  EXPECT_EQ(form1.txtBusinessName->text(), businessName);
  EXPECT_EQ(preview::Form2::loaded(), nullptr);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

  // And again.
  dialogs.messages.clear();
  form1.PushButton1->click();
  EXPECT_TRUE(dialogs.errorTexts().isEmpty()) << dialogs.errorTexts().join("\n").toStdString();
  preview::Form2* again = preview::Form2::loaded();
  ASSERT_NE(again, nullptr);
  EXPECT_NE(again->mWordFile, tempDoc);
  EXPECT_EQ(again->ListView1->topLevelItemCount(), pages);
  EXPECT_TRUE(again->isVisible());
  EXPECT_FALSE(form1.isVisible());
}

// A temporary folder others can write in, and one that fills up: a link planted at the
// document's name is replaced, never written through; a page image that cannot be written
// whole ends the run with one message naming the folder, no preview and nothing left.
TEST_F(ClickToPreviewTest, AHostileOrFullTemporaryFolderNeitherRedirectsNorCascades) {
  shell::Form1 form1({[] {}, &preview::GenerateAndPreview});
  form1.Form_Load();
  form1.show();
  form1.PushButton3_Click();
  QTemporaryDir elsewhere;
  const QString victim = elsewhere.filePath(QStringLiteral("victim.txt"));
  writeFile(victim, "keep me");
  {
    word::ScopedCallHook hook([&](const char* member) {
      if (qstrcmp(member, "Document.SaveAs") != 0) return;
      for (const QFileInfo& entry : QDir(folder.path()).entryInfoList({QStringLiteral("tovlan*")}))
        ASSERT_TRUE(QFile::remove(entry.filePath()) && QFile::link(victim, entry.filePath()));
    });
    form1.PushButton1->click();
  }
  EXPECT_EQ(contentsOf(victim), QByteArray("keep me"));
  EXPECT_TRUE(dialogs.errorTexts().isEmpty()) << dialogs.errorTexts().join("\n").toStdString();
  preview::Form2* form = preview::Form2::loaded();
  ASSERT_NE(form, nullptr);
  EXPECT_FALSE(QFileInfo(form->mWordFile).isSymLink());
  EXPECT_GE(form->ListView1->topLevelItemCount(), 3);
  form->PushButton8->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

  {
    std::optional<ScopedFileSizeLimit> full;  // from the first page image on
    word::ScopedCallHook hook([&](const char* member) {
      if (qstrcmp(member, "Range.CopyAsPicture") == 0 && !full) full.emplace(1024);
    });
    form1.PushButton1->click();
  }
  ASSERT_EQ(dialogs.errorTexts().size(), 1) << dialogs.errorTexts().join("\n").toStdString();
  EXPECT_TRUE(dialogs.errorTexts()[0].contains(folder.path() + QStringLiteral("/temp")));
  EXPECT_TRUE(dialogs.errorTexts()[0].contains(QStringLiteral("File too large")));
  EXPECT_TRUE(preview::Form2::loaded() == nullptr || !preview::Form2::loaded()->isVisible());
  EXPECT_TRUE(form1.isVisible());
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList());
}

// Hands out built-in instances made beforehand, and notes for each document opened whether
// it is the very document the run typed (taken from memory) rather than one read anew.
class WatchingDocuments : public testing_support::ForwardingDocuments {
 public:
  struct Seen {
    std::vector<word::Ref<word::Document>> added;  // held, so no new one takes their place
    std::vector<const QTextDocument*> typed;
    int openedFromMemory = 0, opened = 0;
  };
  WatchingDocuments(word::Ref<word::Documents> inner, Seen& seen)
      : ForwardingDocuments(std::move(inner)), seen_(seen) {}
  word::Ref<word::Document> Add() override {
    word::Ref<word::Document> added = inner_->Add();
    seen_.added.push_back(added);
    seen_.typed.push_back(engine::documentModel(added).text());
    return added;
  }
  word::Ref<word::Document> Open(const QString& name) override {
    word::Ref<word::Document> opened = inner_->Open(name);
    ++seen_.opened;
    const QTextDocument* text = engine::documentModel(opened).text();
    if (std::find(seen_.typed.begin(), seen_.typed.end(), text) != seen_.typed.end())
      ++seen_.openedFromMemory;
    return opened;
  }

 private:
  Seen& seen_;
};

class WatchingApplication : public testing_support::ForwardingApplication {
 public:
  WatchingApplication(word::Ref<word::Application> inner, WatchingDocuments::Seen& seen)
      : ForwardingApplication(std::move(inner)), seen_(seen) {}
  word::Ref<word::Documents> Documents() override {
    return word::makeRef<WatchingDocuments>(inner_->Documents(), seen_);
  }

 private:
  WatchingDocuments::Seen& seen_;
};

// The preview draws the pages of the document it has just saved from memory; they must be
// the pages of the saved file, read back and laid out anew: for the sample business and for
// details that the file cannot hold as typed (characters XML forbids, lone surrogates),
// that need escaping, or that run to the longest field.
TEST_F(ClickToPreviewTest, PagesDrawnFromMemoryAreThePagesOfTheSavedFile) {
  shell::BusinessDetails sample;
  for (const shell::BusinessFieldInfo& field : shell::kBusinessFields)
    sample[static_cast<size_t>(field.field)] = QString::fromUtf8(field.sampleValue);
  shell::BusinessDetails hostile = sample;
  hostile[0] = QStringLiteral("A\u0001B\u0007C") + QChar(0xFFFE) + QChar(0xD800) +
               QStringLiteral("\u202E<b>&amp;\"'\tD\u00A0e\u0301\U0001F600");
  hostile[1] = QStringLiteral("line\rbreak\nand\r\nmore") + QChar(0xFDD0) + QChar(0xFFFF);
  hostile[5] = QStringLiteral("\t\t\t");
  shell::BusinessDetails longest = sample;
  longest[0] = longest[3] = QString(65535, QLatin1Char('W'));
  for (const shell::BusinessDetails& details : {sample, hostile, longest}) {
    SCOPED_TRACE(details[0].left(40).toStdString());
    WatchingDocuments::Seen seen;
    output::RunResult run;
    {
      const word::RegistrySnapshot restore;
      std::vector<word::Ref<word::Application>> instances;
      for (int i = 0; i < 4; ++i)
        instances.push_back(word::CreateObject(QStringLiteral("Word.Application")));
      word::registerFactory(QStringLiteral("Word.Application"), [&]() {
        word::Ref<word::Application> next = instances.back();
        instances.pop_back();
        return word::makeRef<WatchingApplication>(next, seen);
      });
      run = generator::GeneratePlan(details);
    }
    EXPECT_TRUE(dialogs.errorTexts().isEmpty()) << dialogs.errorTexts().join("\n").toStdString();
    ASSERT_EQ(seen.opened, 1);
    EXPECT_EQ(seen.openedFromMemory, 1);
    ASSERT_TRUE(run.madeDocument());
    const engine::DocumentModel reread = engine::loadDocx(run.document.path());
    ASSERT_EQ(run.pages.size(), static_cast<size_t>(engine::pageCount(reread)));
    for (size_t page = 0; page < run.pages.size(); ++page) {
      const QPicture fromFile = engine::drawPage(reread, static_cast<int>(page));
      const QPicture& fromMemory = run.pages[page];
      EXPECT_EQ(QByteArray(fromMemory.data(), fromMemory.size()),
                QByteArray(fromFile.data(), fromFile.size()))
          << "page " << page + 1;
    }
  }
}

// On a real X display, text the user copied in another program is still on the clipboard
// after a run: the pages travel inside the program, never through the system clipboard.
TEST(ClipboardUnderX, TheUsersClipboardSurvivesARun) {
  using testing_support::programAvailable;
  using testing_support::runProgram;
  if (!programAvailable(QStringLiteral("Xvfb")) || !programAvailable(QStringLiteral("xclip")))
    GTEST_SKIP() << "Xvfb and xclip are needed";
  QProcess server;
  server.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                        QStringLiteral("-nolisten"), QStringLiteral("tcp")});
  ASSERT_TRUE(server.waitForReadyRead(20000));
  const QString display = QStringLiteral(":") + QString::fromLatin1(server.readLine().trimmed());
  const QStringList environment = {QStringLiteral("DISPLAY=") + display};

  QProcess copy;  // xclip serves the selection from the background, as a user's program does
  QProcessEnvironment copyEnvironment = QProcessEnvironment::systemEnvironment();
  copyEnvironment.insert(QStringLiteral("DISPLAY"), display);
  copy.setProcessEnvironment(copyEnvironment);
  copy.start(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard")});
  ASSERT_TRUE(copy.waitForStarted());
  copy.write("the user's own text");
  copy.closeWriteChannel();
  ASSERT_TRUE(copy.waitForFinished(20000));

  // A whole run, saved and run again, in a test program of its own on that display.
  const testing_support::ProgramOutput run = runProgram(
      QCoreApplication::applicationFilePath(),
      {QStringLiteral("--gtest_filter=ClickToPreviewTest.RunPreviewSaveBackAndRunAgain")}, 300000,
      environment + QStringList{QStringLiteral("HALVENOR_TEST_PLATFORM=xcb")});
  EXPECT_EQ(run.exitCode, 0) << run.out.right(2000).toStdString();
  EXPECT_TRUE(run.out.contains("[  PASSED  ] 1 test.")) << run.out.right(2000).toStdString();
  const testing_support::ProgramOutput pasted =
      runProgram(QStringLiteral("xclip"),
                 {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")},
                 20000, environment);
  EXPECT_EQ(pasted.out, QByteArray("the user's own text")) << pasted.err.toStdString();
  server.terminate();
  server.waitForFinished(10000);
}

}  // namespace
