// The files beside the program that dress the main window: the skin and the hand pointer.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include "base/SharedRoutines.h"
#include "shell/Form1.h"
#include "support/CursorFileBytes.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

namespace {

using testing_support::cursorFileBytes;
using testing_support::writeFile;

// Files beside the program, in a program folder of the test's own.
class FilesBesideProgram : public ::testing::Test {
 protected:
  QTemporaryDir folder_;
  base::ScopedProgramFolder programFolder_{folder_.path()};
  void put(const QString& relative, const QByteArray& bytes) {
    const QString path = base::programFolder() + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(path).path());
    writeFile(path, bytes);
  }
};

TEST_F(FilesBesideProgram, SkinFileRecoloursTheWindowAndAppliesItsStyle) {
  testing_support::ScriptedDialogs dialogs;
  put(QStringLiteral("x/o.cjs"), "QPushButton { color: rgb(1, 2, 3); }");
  shell::Form1 form({[] {}, [] {}});
  form.Form_Load();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(form.styleSheet(), QStringLiteral("QPushButton { color: rgb(1, 2, 3); }"));
  EXPECT_EQ(form.palette().color(QPalette::Window), form.palette().color(QPalette::Button));
  // The frame and the labels inside it take the face colour too.
  EXPECT_EQ(form.Frame1->palette().color(QPalette::Window),
            form.Frame1->palette().color(QPalette::Button));
  EXPECT_EQ(form.Label1[6]->palette().color(QPalette::Window),
            form.Label1[6]->palette().color(QPalette::Button));
  EXPECT_NE(form.Frame1->palette().color(QPalette::Window), QColor(Qt::white));
  EXPECT_EQ(form.txtCity->palette().color(QPalette::Base), QColor(Qt::white));
}

TEST_F(FilesBesideProgram, WithoutSkinTheWindowStaysWhite) {
  shell::Form1 form({[] {}, [] {}});
  form.Form_Load();
  EXPECT_TRUE(form.styleSheet().isEmpty());
  EXPECT_EQ(form.palette().color(QPalette::Window), QColor(Qt::white));
}

TEST_F(FilesBesideProgram, AnUnreadableSkinIsReportedAsStatement100AndLoadingGoesOn) {
  testing_support::ScriptedDialogs dialogs;
  put(QStringLiteral("x/o.cjs"), QByteArray(2 << 20, 'x'));  // far too large for a skin
  bool checked = false;
  shell::Form1 form({[&] { checked = true; }, [] {}});
  form.Form_Load();
  ASSERT_EQ(dialogs.errorTexts().size(), 1);
  EXPECT_TRUE(dialogs.errorTexts()[0].contains(
      QStringLiteral("in Corvessa2021/08/31.Form1.Form_Load at line 100")));
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Halvenor"));
  EXPECT_TRUE(checked);
}

TEST_F(FilesBesideProgram, CursorFileBecomesTheHandAndABrokenOneIsReportedAs108) {
  testing_support::ScriptedDialogs dialogs;
  put(QStringLiteral("HAND-M.CUR"), cursorFileBytes(2, 1));
  {
    shell::Form1 form({[] {}, [] {}});
    form.Form_Load();
    form.setWindowPointer(shell::WindowPointer::Hand);
    EXPECT_EQ(form.PushButton1->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(form.PushButton1->cursor().hotSpot(), QPoint(2, 1));
  }
  EXPECT_TRUE(dialogs.messages.empty());
  put(QStringLiteral("HAND-M.CUR"), "not a cursor");
  shell::Form1 form({[] {}, [] {}});
  form.Form_Load();
  ASSERT_EQ(dialogs.errorTexts().size(), 1);
  EXPECT_TRUE(dialogs.errorTexts()[0].contains(QStringLiteral("at line 108")));
  form.setWindowPointer(shell::WindowPointer::Hand);
  EXPECT_EQ(form.PushButton1->cursor().shape(), Qt::PointingHandCursor);
}

}  // namespace
