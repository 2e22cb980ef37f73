// The main window: layout, the business record and its store, the start button, pointers.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "base/ApplicationTitle.h"
#include "shell/BusinessRecord.h"
#include "shell/BusinessRecordStore.h"
#include "shell/Form1.h"
#include "support/ScriptedDialogs.h"

namespace {

using shell::Form1;
using testing_support::ScriptedDialogs;

Form1::Hooks quietHooks() {
  return {[] {}, [] {}};
}

QStringList fieldTexts(const Form1& form) {
  QStringList texts;
  for (const auto& info : shell::kBusinessFields) texts << form.fieldOf(info.field)->text();
  return texts;
}

// A second process of this test program loads the main window from the store on disk and
// prints its eight fields, one per line, to the file named by HALVENOR_PROBE_OUT: a real
// restart, with nothing cached in memory.
TEST(RestartProbe, WriteLoadedFields) {
  const QByteArray out = qgetenv("HALVENOR_PROBE_OUT");
  if (out.isEmpty()) GTEST_SKIP() << "runs only as the child of a restart test";
  ScriptedDialogs dialogs;
  Form1 form(quietHooks());
  form.Form_Load();
  QFile file(QString::fromLocal8Bit(out));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  for (const QString& text : fieldTexts(form)) file.write((text + QLatin1Char('\n')).toUtf8());
  // The messages shown while loading, beside it.
  QFile messages(QString::fromLocal8Bit(out) + QStringLiteral(".messages"));
  ASSERT_TRUE(messages.open(QIODevice::WriteOnly));
  for (const auto& m : dialogs.messages) messages.write((m.text + QLatin1Char('\n')).toUtf8());
}

QStringList fieldsAfterRestart(QStringList* messages = nullptr) {
  QTemporaryDir dir;
  const QString out = dir.filePath(QStringLiteral("fields.txt"));
  QProcess child;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("HALVENOR_PROBE_OUT"), out);
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  child.setProcessEnvironment(env);
  child.start(QCoreApplication::applicationFilePath(),
              {QStringLiteral("--gtest_filter=RestartProbe.WriteLoadedFields")});
  EXPECT_TRUE(child.waitForFinished(60000));
  EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardOutput().toStdString();
  QFile shown(out + QStringLiteral(".messages"));
  if (messages && shown.open(QIODevice::ReadOnly))
    *messages = QString::fromUtf8(shown.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  QFile file(out);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
  lines.removeLast();  // after the final newline
  return lines;
}

TEST(MainWindow, LaysOutEveryElementInTwips) {
  Form1 form(quietHooks());
  EXPECT_EQ(form.size(), QSize(536, 319));  // 8040 x 4785 twips
  EXPECT_EQ(form.PushButton1->text(), QStringLiteral("Start Creating Template"));
  EXPECT_EQ(form.PushButton1->geometry(), QRect(8, 8, 520, 27));
  EXPECT_EQ(form.PushButton2->text(), QStringLiteral("Clear/Reset Data"));
  EXPECT_EQ(form.PushButton3->text(), QStringLiteral("Load Sample/Example Data"));
  EXPECT_EQ(form.PushButton3->geometry(), QRect(272, 42, 256, 27));
  EXPECT_EQ(form.Frame1->title(), QStringLiteral("Business Information"));
  EXPECT_EQ(form.txtZipCode->geometry(), QRect(427, 128, 76, 22));
  EXPECT_EQ(form.Label1[7]->text(), QStringLiteral("Street Address 2:"));
  EXPECT_EQ(form.Label1[2]->text(), QStringLiteral("City, State:"));
  EXPECT_EQ(form.Label1[6]->text(), QStringLiteral("Email:"));
  EXPECT_EQ(form.PushButton1->font().pointSizeF(), 11.25);
  EXPECT_TRUE(form.txtEmail->font().bold());
  EXPECT_EQ(form.palette().color(QPalette::Window), QColor(Qt::white));
}

TEST(MainWindow, TabOrderRunsThroughTheFieldsThenTheButtons) {
  Form1 form(quietHooks());
  const QWidget* expected[] = {form.txtBusinessName, form.txtStreetAddress1, form.txtStreetAddress2,
                               form.txtCity,         form.txtZipCode,        form.txtTelephone,
                               form.txtFax,          form.txtEmail,          form.PushButton1,
                               form.PushButton2,     form.PushButton3};
  // The next widget that the tab key reaches.
  auto nextTabStop = [](const QWidget* w) {
    QWidget* next = w->nextInFocusChain();
    while (!(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
    return next;
  };
  for (std::size_t i = 0; i + 1 < std::size(expected); ++i)
    EXPECT_EQ(nextTabStop(expected[i]), expected[i + 1]) << i;
  EXPECT_EQ(form.Label1[0]->focusPolicy(), Qt::NoFocus);
}

TEST(MainWindow, LoadingSetsCaptionTitleAndCallsTheAvailabilityCheckLast) {
  ScriptedDialogs dialogs;
  std::vector<QString> seenAtCheck;
  Form1* formPtr = nullptr;
  Form1 form({[&] { seenAtCheck = {formPtr->windowTitle(), formPtr->txtCity->text()}; }, [] {}});
  formPtr = &form;
  form.store().write(QStringLiteral("City"), QStringLiteral("Brookvale NJ"));
  form.Form_Load();
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Halvenor"));
  EXPECT_EQ(base::applicationTitle(), QStringLiteral("Halvenor"));
  // The fields are restored before the check runs.
  EXPECT_EQ(seenAtCheck,
            (std::vector<QString>{QStringLiteral("Halvenor"), QStringLiteral("Brookvale NJ")}));
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST(ApplicationTitle, IsCutBackAtBlanksToFortyCharacters) {
  EXPECT_EQ(base::cutTitleAtBlanks(QStringLiteral("Halvenor")), QStringLiteral("Halvenor"));
  const QString exactly40 = QStringLiteral("A title that is exactly forty characters");
  ASSERT_EQ(exactly40.size(), 40);
  EXPECT_EQ(base::cutTitleAtBlanks(exactly40), exactly40);
  EXPECT_EQ(base::cutTitleAtBlanks(
                QStringLiteral("The Halvenor business plan template writer for start-ups")),
            QStringLiteral("The Halvenor business plan template"));
  // No blank to cut at: cut at the limit rather than loop.
  EXPECT_EQ(base::cutTitleAtBlanks(QString(50, QLatin1Char('x'))).size(), 40);
}

TEST(BusinessRecord, EveryKeystrokeWritesTheWholeTextAndTheLastIsStored) {
  Form1 form(quietHooks());
  form.show();
  form.txtFax->setText(QString());
  form.txtFax->setFocus();
  QStringList stored;
  QObject::connect(form.txtFax, &QLineEdit::textChanged,
                   [&] { stored << form.store().read(QStringLiteral("Fax")); });
  QTest::keyClicks(form.txtFax, QStringLiteral("555"));
  EXPECT_EQ(stored,
            (QStringList{QStringLiteral("5"), QStringLiteral("55"), QStringLiteral("555")}));
  EXPECT_EQ(form.store().read(QStringLiteral("Fax")), QStringLiteral("555"));
}

TEST(BusinessRecord, FocusSelectsTheWholeTextSoTypingReplacesIt) {
  Form1 form(quietHooks());
  form.show();
  QApplication::setActiveWindow(&form);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  form.txtCity->setText(QStringLiteral("Old Town ME"));
  form.txtStreetAddress2->setFocus();
  QTest::keyClick(form.txtStreetAddress2, Qt::Key_Tab);  // into City, State
  ASSERT_TRUE(form.txtCity->hasFocus());
  EXPECT_EQ(form.txtCity->selectedText(), QStringLiteral("Old Town ME"));
  QTest::keyClicks(form.txtCity, QStringLiteral("Z"));
  EXPECT_EQ(form.txtCity->text(), QStringLiteral("Z"));

  // Focus given by the program or a click selects everything too.
  form.txtCity->setText(QStringLiteral("Old Town ME"));
  form.txtFax->setFocus();
  form.txtCity->setFocus(Qt::OtherFocusReason);
  EXPECT_EQ(form.txtCity->selectedText(), QStringLiteral("Old Town ME"));
  form.txtFax->setText(QStringLiteral("555-0100"));
  QTest::mouseClick(form.txtFax, Qt::LeftButton);
  QTest::qWait(20);
  EXPECT_EQ(form.txtFax->selectedText(), QStringLiteral("555-0100"));
}

TEST(BusinessRecord, UntrimmedAndLongValuesSurviveARestart) {
  Form1 form(quietHooks());
  const QString padded = QStringLiteral("  Blank-edged Name  ");
  const QString longStreet =
      QString(600, QLatin1Char('r')) + QStringLiteral(" Road; a=b [x] \"q\"");
  form.PushButton2_Click();
  form.txtBusinessName->setText(padded);
  form.txtStreetAddress1->setText(longStreet);
  const QStringList after = fieldsAfterRestart();
  ASSERT_EQ(after.size(), 8);
  EXPECT_EQ(after[0], padded);
  EXPECT_EQ(after[1], longStreet);
  // A paste past the longest detail a plan is made of stops there.
  form.txtCity->setText(QString(70000, QLatin1Char('c')));
  EXPECT_EQ(form.txtCity->text().size(), 65535);
}

TEST(BusinessRecord, ClearThenRestartGivesEightEmptyFields) {
  Form1 form(quietHooks());
  form.PushButton3_Click();
  form.PushButton2_Click();
  EXPECT_EQ(fieldTexts(form), QStringList(8, QString()));
  EXPECT_EQ(fieldsAfterRestart(), QStringList(8, QString()));
}

TEST(BusinessRecord, SampleThenRestartGivesTheSample) {
  Form1 form(quietHooks());
  form.PushButton2_Click();
  form.PushButton3_Click();
  const QStringList sample = fieldTexts(form);
  EXPECT_EQ(fieldsAfterRestart(), sample);
  // The sample's shapes: a city with a two-letter state and no comma, a zip beginning with
  // zero, telephone and fax as ddd-ddd-dddd, nothing empty.
  EXPECT_FALSE(sample.contains(QString()));
  EXPECT_TRUE(
      QRegularExpression(QStringLiteral("^[A-Za-z ]+ [A-Z]{2}$")).match(sample[3]).hasMatch());
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^0\\d{4}$")).match(sample[4]).hasMatch());
  const QRegularExpression phone(QStringLiteral("^\\d{3}-\\d{3}-\\d{4}$"));
  EXPECT_TRUE(phone.match(sample[5]).hasMatch());
  EXPECT_TRUE(phone.match(sample[6]).hasMatch());
  EXPECT_TRUE(sample[7].contains(QLatin1Char('@')));
}

// Store files that another program or a hand wrote: each is read as plain strings, with
// no warning, and starting the program leaves the file byte for byte as it was.
TEST(BusinessRecord, StoreFilesWrittenElsewhereReadPlainlyAndStartingChangesNothing) {
  const QString path = shell::BusinessRecordStore::userStorePath();
  // The file earlier versions kept the details in, through QSettings: an update finds them.
  EXPECT_EQ(
      path,
      QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Drennick")).fileName());
  ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));  // this test may run first, alone
  const QByteArray longValue(3 << 20, 'n');            // a paste of millions of characters
  const struct {
    const char* name;
    QByteArray bytes;
    QString businessName, city, fax;
    int messages;
  } cases[] = {
      {"byte-order mark and CRLF",
       "\xEF\xBB\xBF[Halvenor]\r\nBusiness%20Name=Acme Ltd\r\nCity=Brookvale NJ\r\nFax=5\r\n",
       "Acme Ltd", "Brookvale NJ", "5", 0},
      {"junk lines and other sections",
       "junk before\n[Other]\nCity=elsewhere\n[Halvenor]\nnot a pair\n=\n; a comment\n"
       "City = Brookvale NJ \nFax=\"  padded  \"\n[General]\nFax=9\n",
       "", "Brookvale NJ", "  padded  ", 0},
      {"commas are part of the value",
       "[Halvenor]\nBusiness%20Name=Acme, Inc.\nCity=\"Brookvale\", NJ\nFax=1,2,3\n", "Acme, Inc.",
       "Brookvale, NJ", "1,2,3", 0},
      {"over a megabyte",
       "[Halvenor]\nBusiness%20Name=Acme Ltd\nCity=Brookvale NJ\nFax=" + longValue + "\n",
       "Acme Ltd", "Brookvale NJ", "", 1},
  };
  QDir().mkpath(QFileInfo(path).path());  // a test run alone starts without one
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    {
      QFile file(path);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(c.bytes);
    }
    QStringList messages;
    const QStringList fields = fieldsAfterRestart(&messages);
    ASSERT_EQ(fields.size(), 8);
    EXPECT_EQ(fields[0], c.businessName);
    EXPECT_EQ(fields[3], c.city);
    EXPECT_EQ(fields[6], c.fax);
    ASSERT_EQ(messages.size(), c.messages) << messages.join(QLatin1Char('\n')).toStdString();
    if (c.messages) {
      EXPECT_TRUE(messages[0].contains(QStringLiteral("larger than 1 MB")));
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll() == c.bytes);

    // A write keeps every other line, and what QSettings reads back is the plain value.
    shell::BusinessRecordStore store;
    ASSERT_TRUE(store.write(QStringLiteral("Zip Code"), QStringLiteral("\"0,1\" \\ @x\n")));
    EXPECT_EQ(shell::BusinessRecordStore().read(QStringLiteral("Zip Code")),
              QStringLiteral("\"0,1\" \\ @x\n"));
    EXPECT_EQ(QSettings(path, QSettings::IniFormat).value(QStringLiteral("Halvenor/Zip Code")),
              QStringLiteral("\"0,1\" \\ @x\n"));
    EXPECT_EQ(shell::BusinessRecordStore().read(QStringLiteral("City")), c.city);
    if (c.messages) {  // the part that was not read is kept aside, not dropped
      QFile aside(path + QStringLiteral(".large"));
      ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
      EXPECT_TRUE(aside.readAll() == c.bytes);
      QFile::remove(path + QStringLiteral(".large"));
    }
  }
  // What QSettings writes reads the same here.
  QFile::remove(path);
  {
    QSettings written(path, QSettings::IniFormat);
    written.setValue(QStringLiteral("Halvenor/City"), QStringLiteral(" a, \"b\";c=d @e\t\u00e9 "));
    written.setValue(QStringLiteral("Halvenor/Fax"), QStringLiteral("@start"));
  }
  EXPECT_EQ(shell::BusinessRecordStore().read(QStringLiteral("City")),
            QStringLiteral(" a, \"b\";c=d @e\t\u00e9 "));
  EXPECT_EQ(shell::BusinessRecordStore().read(QStringLiteral("Fax")), QStringLiteral("@start"));
  QFile::remove(path);
}

// The store's file made unwritable for a while: a folder stands where the file belongs.
class BlockedStoreFile {
 public:
  BlockedStoreFile() : path_(shell::BusinessRecordStore::userStorePath()) {
    QFile::rename(path_, path_ + QStringLiteral(".aside"));
    QDir().mkpath(path_);
  }
  ~BlockedStoreFile() { unblock(); }
  void unblock() {
    if (!QFileInfo(path_).isDir()) return;
    QDir(path_).removeRecursively();
    QFile::rename(path_ + QStringLiteral(".aside"), path_);
  }

 private:
  QString path_;
};

TEST(BusinessRecord, AFailedWriteWarnsOnceAndAWriteAfterRecoveryCountsAsSaved) {
  ScriptedDialogs dialogs;
  Form1 form(quietHooks());
  auto warnings = [&dialogs] {
    int count = 0;
    for (const auto& m : dialogs.messages)
      count += m.text.startsWith(QStringLiteral("The business details could not be saved"));
    return count;
  };
  {
    BlockedStoreFile blocked;
    form.txtFax->setText(QStringLiteral("1"));
    form.txtFax->setText(QStringLiteral("12"));
    EXPECT_EQ(warnings(), 1);  // once, not at every keystroke
    blocked.unblock();
    form.txtFax->setText(QStringLiteral("123"));
    EXPECT_TRUE(form.store().write(QStringLiteral("Fax"), QStringLiteral("123")));
  }
  EXPECT_EQ(QSettings(form.store().location(), QSettings::IniFormat)
                .value(QStringLiteral("Halvenor/Fax"))
                .toString(),
            QStringLiteral("123"));
  // Failing again after a recovery is told again.
  BlockedStoreFile blockedAgain;
  form.txtFax->setText(QStringLiteral("1234"));
  EXPECT_EQ(warnings(), 2);
}

TEST(StartButton, ASecondClickDuringARunDoesNothing) {
  ScriptedDialogs dialogs;
  int runs = 0;
  Form1* formPtr = nullptr;
  Form1 form({[] {},
              [&] {
                ++runs;
                EXPECT_TRUE(formPtr->mBusy);
                EXPECT_EQ(formPtr->windowPointer(), shell::WindowPointer::Wait);
                formPtr->PushButton1->click();  // clicked again while the run works
              }});
  formPtr = &form;
  form.PushButton1->click();
  EXPECT_EQ(runs, 1);
  EXPECT_FALSE(form.mBusy);
  EXPECT_EQ(form.windowPointer(), shell::WindowPointer::Default);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST(StartButton, AFailedRunIsReportedAndStillRestoresPointerAndFlag) {
  ScriptedDialogs dialogs;
  Form1 form({[] {}, [] { throw std::runtime_error("Out of memory"); }});
  form.PushButton1_Click();
  EXPECT_FALSE(form.mBusy);
  EXPECT_EQ(form.windowPointer(), shell::WindowPointer::Default);
  ASSERT_EQ(dialogs.errorTexts().size(), 1);
  EXPECT_TRUE(dialogs.errorTexts()[0].startsWith(QStringLiteral(
      "Out of memory\r\nin Corvessa2021/08/31.Form1.PushButton1_Click at line 106\r\r")));
}

// The mouse moving over an element.
void moveOver(QWidget* element) {
  QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), element->mapToGlobal(QPointF(3, 3)),
                   Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(element, &move);
}

TEST(Pointer, HandOverButtonsDefaultElsewhereAndNeverWhileWaiting) {
  Form1 form(quietHooks());
  form.show();
  moveOver(form.PushButton2);
  EXPECT_EQ(form.windowPointer(), shell::WindowPointer::Hand);
  moveOver(form.txtEmail);
  EXPECT_EQ(form.windowPointer(), shell::WindowPointer::Default);
  moveOver(form.PushButton3);
  moveOver(form.Frame1);
  EXPECT_EQ(form.windowPointer(), shell::WindowPointer::Default);

  form.setWindowPointer(shell::WindowPointer::Wait);
  moveOver(form.PushButton1);
  EXPECT_EQ(form.windowPointer(), shell::WindowPointer::Wait);
  EXPECT_EQ(form.PushButton1->cursor().shape(), Qt::WaitCursor);
}

}  // namespace
