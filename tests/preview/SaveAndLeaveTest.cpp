#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "StandInWord.h"
#include "TestEnvironment.h"
#include "base/ApplicationTitle.h"
#include "base/Guard.h"
#include "base/WholeFile.h"
#include "preview/Form2.h"
#include "shell/Form1.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

namespace preview {
namespace {

using testing_support::contentsOf;
using testing_support::writeFile;

class SaveAndLeaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    tempDoc = folder.filePath(QStringLiteral("tovlan12345678.doc"));
    // Bytes of every value, so a copy that alters any byte shows.
    for (int i = 0; i < 70000; ++i) docBytes.append(static_cast<char>(i * 7 % 256));
    docBytes.append(QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0'));  // a complete package
    writeFile(tempDoc, docBytes);
    Form2& form = Form2::instance();
    form.mWordFile = tempDoc;
  }
  void TearDown() override { preview_tests::unloadForm2(); }

  QString target(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
  QStringList plainMessages() const {
    QStringList texts;
    for (const auto& m : dialogs.messages) {
      EXPECT_EQ(m.caption, base::applicationTitle());
      EXPECT_EQ(m.icon, base::MessageIcon::None);
      texts << m.text;
    }
    return texts;
  }

  QTemporaryDir folder;
  QString tempDoc;
  QByteArray docBytes;
  testing_support::ScriptedDialogs dialogs;
};

TEST_F(SaveAndLeaveTest, SavingToANewNameCopiesByteForByte) {
  const QString first = target("plan.doc");
  const QString second = target("second copy.doc");
  dialogs.saveNameNext(first);
  dialogs.saveNameNext(second);
  Form2::instance().PushButton6_Click();
  Form2::instance().PushButton6_Click();
  EXPECT_EQ(contentsOf(first), docBytes);
  EXPECT_EQ(contentsOf(second), docBytes);
  EXPECT_EQ(contentsOf(tempDoc), docBytes);  // the temporary document stays
  ASSERT_EQ(dialogs.saveDialogTitles, QStringList({"Save File", "Save File"}));
  EXPECT_EQ(dialogs.saveDialogFilters.value(0),
            QStringLiteral("Word Files (*.doc)|*.doc|PDF Files (*.pdf)|*.pdf"));
  EXPECT_EQ(plainMessages(), QStringList({"Done.", "Done."}));
  // No stray temporary copies are left beside the targets.
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

TEST_F(SaveAndLeaveTest, ANameWithoutExtensionIsWrittenExactly) {
  const QString name = target("my plan");
  dialogs.saveNameNext(name);
  Form2::instance().PushButton6_Click();
  EXPECT_EQ(contentsOf(name), docBytes);
  EXPECT_FALSE(QFile::exists(name + QStringLiteral(".doc")));
}

TEST_F(SaveAndLeaveTest, TheLongestNameTheFolderAllowsIsSavedToo) {
  // 255 bytes: the longest file name the file system takes.
  const QString name = target("p") + QString(250, QLatin1Char('x')) + QStringLiteral(".doc");
  ASSERT_EQ(QFileInfo(name).fileName().size(), 255);
  writeFile(name, "the old plan");
  dialogs.saveNameNext(name);
  dialogs.answerNext(base::vbYes);
  Form2::instance().PushButton6_Click();
  EXPECT_EQ(contentsOf(name), docBytes);
  EXPECT_TRUE(dialogs.errorTexts().isEmpty())
      << dialogs.errorTexts().join(QLatin1Char('\n')).toStdString();
  EXPECT_EQ(plainMessages().value(1), QStringLiteral("Done."));
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST_F(SaveAndLeaveTest, OverwritingAReadOnlyFileAfterYes) {
  const QString name = target("old.doc");
  writeFile(name, "the old plan");
  ASSERT_EQ(::chmod(QFile::encodeName(name).constData(), 0444), 0);
  dialogs.saveNameNext(name);
  dialogs.answerNext(base::vbYes);
  Form2::instance().PushButton6_Click();
  EXPECT_EQ(contentsOf(name), docBytes);
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[0].text,
            QStringLiteral("Are you sure you wish to overwrite ") + name + QStringLiteral(" ?"));
  EXPECT_EQ(dialogs.messages[0].buttons, base::MessageButtons::YesNo);
  EXPECT_EQ(plainMessages().value(1), QStringLiteral("Done."));
}

TEST_F(SaveAndLeaveTest, AnsweringNoLeavesTheFile) {
  const QString name = target("old.doc");
  writeFile(name, "the old plan");
  dialogs.saveNameNext(name);
  dialogs.answerNext(base::vbNo);
  Form2::instance().PushButton6_Click();
  EXPECT_EQ(contentsOf(name), QByteArray("the old plan"));
  EXPECT_EQ(plainMessages().value(1), QStringLiteral("Done."));
}

TEST_F(SaveAndLeaveTest, CancelWritesNothing) {
  Form2::instance().PushButton6_Click();  // no name queued: the dialog is cancelled
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
  EXPECT_EQ(plainMessages(), QStringList({"Done."}));
}

TEST_F(SaveAndLeaveTest, AFailedCopyIsReportedAndNotCalledDone) {
  // The target's folder does not exist.
  dialogs.saveNameNext(target("missing/plan.doc"));
  Form2::instance().PushButton6_Click();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Application Error"));
  EXPECT_TRUE(dialogs.messages[0].text.contains(QString::fromLatin1(base::location::kForm2Save) +
                                                QStringLiteral("at line 130\r\r")));

  // The temporary document is gone: the existing target survives untouched.
  dialogs.messages.clear();
  const QString name = target("old.doc");
  writeFile(name, "the old plan");
  ASSERT_TRUE(QFile::remove(tempDoc));
  dialogs.saveNameNext(name);
  dialogs.answerNext(base::vbYes);
  Form2::instance().PushButton6_Click();
  EXPECT_EQ(contentsOf(name), QByteArray("the old plan"));
  EXPECT_EQ(dialogs.errorTexts().size(), 1);
  for (const auto& m : dialogs.messages) EXPECT_NE(m.text, QStringLiteral("Done."));

  // A PDF that cannot be made (here: no pages listed) leaves an existing PDF as it was.
  dialogs.messages.clear();
  const QString pdf = target("old.pdf");
  writeFile(pdf, "the old PDF");
  dialogs.saveNameNext(pdf);
  dialogs.saveFilterNext(QStringLiteral("PDF Files (*.pdf)"));
  dialogs.answerNext(base::vbYes);
  Form2::instance().PushButton6_Click();
  EXPECT_EQ(contentsOf(pdf), QByteArray("the old PDF"));
  ASSERT_EQ(dialogs.errorTexts().size(), 1);
  EXPECT_TRUE(dialogs.errorTexts()[0].contains(QStringLiteral("at line 130")));
  for (const auto& m : dialogs.messages) EXPECT_NE(m.text, QStringLiteral("Done."));
}

// Answering Yes over an existing plan never leaves less than the old file: a private file
// stays private, a disk that fills part-way is named by its reason, and a temporary
// document that is not complete (a run cut short by a full disk) is never copied.
TEST_F(SaveAndLeaveTest, ReplacingKeepsModeAndRefusesWhatCannotBeWhole) {
  const QString name = target("old.doc");
  for (const mode_t mode : {0600, 0640, 0444}) {
    writeFile(name, "the old plan");
    ASSERT_EQ(::chmod(QFile::encodeName(name).constData(), mode), 0);
    dialogs.saveNameNext(name);
    Form2::instance().PushButton6_Click();
    EXPECT_EQ(contentsOf(name), docBytes);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(name).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, mode);
    ::chmod(QFile::encodeName(name).constData(), 0644);
  }
  EXPECT_TRUE(dialogs.errorTexts().isEmpty());

  // The disk fills part-way through the copy (a file size limit stands in for it).
  writeFile(name, "the old plan");
  dialogs.messages.clear();
  {
    const testing_support::ScopedFileSizeLimit full(4096);
    dialogs.saveNameNext(name);
    Form2::instance().PushButton6_Click();
  }
  ASSERT_EQ(dialogs.messages.size(), 2u);  // the question, then one error; no "Done."
  EXPECT_TRUE(dialogs.messages[1].text.startsWith(QStringLiteral("Cannot write \"") + name +
                                                  QStringLiteral("\": File too large\r\n")))
      << dialogs.messages[1].text.toStdString();
  EXPECT_EQ(contentsOf(name), QByteArray("the old plan"));
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);

  // An empty or cut-short temporary document.
  for (const QByteArray& partial : {QByteArray(), docBytes.left(5000)}) {
    writeFile(tempDoc, partial);
    dialogs.messages.clear();
    dialogs.saveNameNext(name);
    Form2::instance().PushButton6_Click();
    EXPECT_EQ(contentsOf(name), QByteArray("the old plan"));
    ASSERT_EQ(dialogs.errorTexts().size(), 1);
    EXPECT_TRUE(dialogs.errorTexts()[0].contains(QStringLiteral("not written completely")));
    for (const auto& m : dialogs.messages) EXPECT_NE(m.text, QStringLiteral("Done."));
  }
}

TEST_F(SaveAndLeaveTest, CopyingOntoALinkReplacesTheLinkNotItsTarget) {
  const QString victim = target("victim.txt");
  writeFile(victim, "keep me");
  const QString link = target("link.doc");
  ASSERT_TRUE(QFile::link(victim, link));
  base::copyFileReplacing(tempDoc, link);
  EXPECT_EQ(contentsOf(victim), QByteArray("keep me"));
  EXPECT_FALSE(QFileInfo(link).isSymLink());
  EXPECT_EQ(contentsOf(link), docBytes);
  EXPECT_THROW(base::copyFileReplacing(tempDoc, folder.path()), std::runtime_error);
  EXPECT_THROW(base::copyFileReplacing(QString(), target("x.doc")), std::runtime_error);
}

TEST_F(SaveAndLeaveTest, BackDeletesTheTemporaryDocumentAndShowsTheMainWindow) {
  shell::Form1 form1({[] {}, [] {}});
  form1.hide();
  Form2::instance().show();
  Form2::instance().PushButton8_Click();
  EXPECT_FALSE(QFile::exists(tempDoc));
  EXPECT_TRUE(form1.isVisible());
  EXPECT_EQ(Form2::loaded(), nullptr);  // unloaded: the next touch loads afresh
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  Form2& fresh = Form2::instance();
  EXPECT_TRUE(fresh.mFirstActivate);
  EXPECT_TRUE(fresh.mWordFile.isEmpty());
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SaveAndLeaveTest, ASecondBackClickWhileTheFirstIsLeavingIsHarmless) {
  shell::Form1 form1({[] {}, [] {}});
  form1.hide();
  Form2& form = Form2::instance();
  form.show();
  QPointer<Form2> alive(&form);
  // A quick second click, handled while the first one lets window events through.
  QTimer::singleShot(0, form.PushButton8, [&form] { form.PushButton8->click(); });
  // The first click, delivered as the event loop delivers it.
  QTimer::singleShot(0, form.PushButton8, [&form] { form.PushButton8->click(); });
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(QFile::exists(tempDoc));
  EXPECT_TRUE(form1.isVisible());
  EXPECT_EQ(Form2::loaded(), nullptr);
  EXPECT_TRUE(alive.isNull());
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SaveAndLeaveTest, ClosingTheWindowDoesTheSame) {
  shell::Form1 form1({[] {}, [] {}});
  form1.hide();
  Form2::instance().show();
  EXPECT_TRUE(Form2::instance().close());
  EXPECT_FALSE(QFile::exists(tempDoc));
  EXPECT_TRUE(form1.isVisible());
  EXPECT_EQ(Form2::loaded(), nullptr);
  EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace preview
