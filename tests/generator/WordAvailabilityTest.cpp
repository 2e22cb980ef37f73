// Whether the word processor can be used, and the question about one that is running.
#include <gtest/gtest.h>

#include "base/ApplicationTitle.h"
#include "base/ProgramExit.h"
#include "generator/Generator.h"
#include "generator/WordAvailability.h"
#include "shell/Form1.h"
#include "support/ScriptedDialogs.h"
#include "word/ObjectRegistry.h"

namespace {

using testing_support::ScriptedDialogs;

// A word processor stand-in that answers its name and counts Quit calls.
class NamedApplication : public word::Application {
 public:
  explicit NamedApplication(QString name) : name_(std::move(name)) {}
  QString Name() override { return name_; }
  void Quit() override { ++quits; }
  int quits = 0;

 private:
  QString name_;
};

class WordAvailability : public ::testing::Test {
 protected:
  void SetUp() override {
    word::registerFactory(QStringLiteral("Word.Application"), {});
    word::registerRunning(QStringLiteral("Word.Application"), {});
  }

  // Counts creations of "Word.Application".
  void installFactory() {
    word::registerFactory(QStringLiteral("Word.Application"), [this] {
      ++creations;
      created = std::make_shared<NamedApplication>(QStringLiteral("Halvenor Writer"));
      return word::Ref<word::Application>(created);
    });
  }

  word::RegistrySnapshot registry;
  ScriptedDialogs dialogs;
  int programEnds = 0;
  base::ScopedProgramEnder ender{[this] {
    ++programEnds;
    throw base::ProgramEnded{};
  }};
  int creations = 0;
  std::shared_ptr<NamedApplication> created;
};

TEST_F(WordAvailability, AdviceMessageIsExact) {
  const QString expected = QStringLiteral(
      "Error 842001. A normal instance of Word could not be created.\r\n\r\n"
      "1. Please make sure Word is installed on this computer.\r\n\r\n"
      "2. Please open Word normally and make sure a blank document opens immediately without "
      "any interrupting window (such as an Word file recovery window).\r\n\r\n"
      "3. Please make sure that when you double-click on a DOC or DOCX file that Word opens "
      "normally without any interrupting messages.\r\n\r\n"
      "4. All versions of Word are supported by this software except for the rare Word "
      "Starter and Student editions.");
  EXPECT_EQ(QString::fromLatin1(generator::kWordAdviceMessage), expected);
}

TEST_F(WordAvailability, NoWordShowsTheAdviceAndEndsBeforeTheMainWindowShows) {
  shell::Form1 form({&generator::VerifyWordInstalled, [] {}});
  EXPECT_THROW(form.Form_Load(), base::ProgramEnded);
  EXPECT_EQ(programEnds, 1);
  EXPECT_FALSE(form.isVisible());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, QString::fromLatin1(generator::kWordAdviceMessage));
  EXPECT_EQ(dialogs.messages[0].caption, base::applicationTitle());
  EXPECT_EQ(dialogs.messages[0].icon, base::MessageIcon::None);
  EXPECT_EQ(dialogs.messages[0].buttons, base::MessageButtons::Ok);
}

TEST_F(WordAvailability, AWordThatCanBeCreatedIsQuitAtOnceAndNothingIsShown) {
  installFactory();
  generator::VerifyWordInstalled();
  EXPECT_EQ(creations, 1);
  EXPECT_EQ(created->quits, 1);
  EXPECT_EQ(programEnds, 0);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(WordAvailability, RunningWordIsRecognisedOnlyByItsExactName) {
  EXPECT_FALSE(generator::IsWordRunning());
  auto running = std::make_shared<NamedApplication>(QStringLiteral("Microsoft Word"));
  word::registerRunning(QStringLiteral("Word.Application"), running);
  EXPECT_TRUE(generator::IsWordRunning());
  word::registerRunning(QStringLiteral("Word.Application"),
                        std::make_shared<NamedApplication>(QStringLiteral("Microsoft Word ")));
  EXPECT_FALSE(generator::IsWordRunning());
  // A running object that has no name at all counts as not running.
  word::registerRunning(QStringLiteral("Word.Application"), std::make_shared<word::Application>());
  EXPECT_FALSE(generator::IsWordRunning());
  EXPECT_EQ(running->quits, 0);  // the user's Word is left alone
}

TEST_F(WordAvailability, QuestionIsExactAndNoStopsTheRunBeforeAnythingIsCreated) {
  installFactory();
  word::registerRunning(QStringLiteral("Word.Application"),
                        std::make_shared<NamedApplication>(QStringLiteral("Microsoft Word")));
  dialogs.answerNext(base::vbNo);
  generator::GeneratePlan(shell::Form1::currentDetails());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            QStringLiteral("Word may be open. It is recommended that you close Word first. Use "
                           "Ctrl+Alt+Del > Task Manager > WINWORD.EXE if necessary.\r\n\r\n"
                           "Would you like to proceed anyway?"));
  EXPECT_EQ(dialogs.messages[0].buttons, base::MessageButtons::YesNo);
  EXPECT_EQ(dialogs.messages[0].icon, base::MessageIcon::None);
  EXPECT_EQ(dialogs.messages[0].caption, base::applicationTitle());
  EXPECT_EQ(creations, 0);
}

TEST_F(WordAvailability, YesOrNoRunningWordLetsTheRunGoOn) {
  word::registerRunning(QStringLiteral("Word.Application"),
                        std::make_shared<NamedApplication>(QStringLiteral("Microsoft Word")));
  dialogs.answerNext(base::vbYes);
  EXPECT_FALSE(generator::ConfirmWordClosed());
  word::registerRunning(QStringLiteral("Word.Application"),
                        std::make_shared<NamedApplication>(QStringLiteral("WordPerfect")));
  EXPECT_FALSE(generator::ConfirmWordClosed());
  EXPECT_EQ(dialogs.messages.size(), 1u);  // only the first asked
}

}  // namespace
