// The error message's exact bytes and the continuation rule of guarded procedures.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QProcess>
#include <QTimer>
#include <QWidget>
#include <stdexcept>

#include "base/Dialogs.h"
#include "base/Guard.h"
#include "support/ScriptedDialogs.h"

namespace {

using base::Guard;
using testing_support::ScriptedDialogs;

void fail(const char* description) { throw std::runtime_error(description); }

TEST(ErrorMessage, IsBuiltByteForByte) {
  const QString text = base::errorMessageText(QStringLiteral("Overflow"), 106,
                                              QString::fromLatin1(base::location::kForm1Start));
  const QByteArray expected =
      "Overflow\r\nin Corvessa2021/08/31.Form1.PushButton1_Click at line 106\r\r"
      "Please email screenshot of this message to support@halvenor.example";
  EXPECT_EQ(text.toLatin1(), expected);
}

TEST(ErrorMessage, EmptyDescriptionStartsWithTheLineBreak) {
  const QString text = base::errorMessageText(QString(), 100, QStringLiteral("in X.Y.Z "));
  EXPECT_TRUE(text.startsWith(QStringLiteral("\r\nin X.Y.Z at line 100\r\r")));
}

TEST(ErrorMessage, ShowsAsWarningWithOneOkButtonAndItsCaption) {
  ScriptedDialogs dialogs;
  base::Report(QStringLiteral("Disk full"), 130, QString::fromLatin1(base::location::kForm2Save));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Application Error"));
  EXPECT_EQ(dialogs.messages[0].icon, base::MessageIcon::Warning);
  EXPECT_EQ(dialogs.messages[0].buttons, base::MessageButtons::Ok);
  EXPECT_TRUE(dialogs.messages[0].text.contains(
      QStringLiteral("in Corvessa2021/08/31.Form2.PushButton6_Click at line 130")));
}

// The window manager shows a window's title with " — " and the application's display
// name appended unless the title already ends with that name (Qt's platform rule); the
// error message and the save dialog must show their captions exactly. Under X11
// (-platform xcb) the test reads the title the window manager is given.
TEST(ErrorMessage, RealDialogsShowTheirCaptionsExactly) {
  const auto shownTitle = [](QWidget* box) {
    const QString title = box->windowTitle();
    if (QGuiApplication::platformName() == QStringLiteral("xcb")) {
      QProcess xprop;
      xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(box->winId()),
                                            QStringLiteral("_NET_WM_NAME")});
      xprop.waitForFinished();
      const QString out = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
      return out.mid(out.indexOf(u'"') + 1).chopped(1);
    }
    const QString name = QGuiApplication::applicationDisplayName();
    return name.isEmpty() || title.endsWith(name) ? title
                                                  : title + QStringLiteral(" \u2014 ") + name;
  };
  QGuiApplication::setApplicationDisplayName(QStringLiteral("Halvenor"));
  QStringList shown;
  const auto closeWhenShown = [&] {
    QTimer::singleShot(50, [&] {
      QWidget* box = QApplication::activeModalWidget();
      ASSERT_NE(box, nullptr);
      shown << shownTitle(box);
      QMetaObject::invokeMethod(box, "reject", Qt::QueuedConnection);
    });
  };
  closeWhenShown();
  base::Report(QStringLiteral("Disk full"), 130, QString::fromLatin1(base::location::kForm2Save));
  closeWhenShown();
  base::dialogs().saveFileName(QStringLiteral("Save File"),
                               QStringLiteral("Word Files (*.doc)|*.doc"), QString());
  EXPECT_EQ(shown, QStringList({"Application Error", "Save File"}));
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("Halvenor"));
}

TEST(ErrorMessage, LocationTextsAreExact) {
  using namespace base::location;
  const char* const all[] = {kForm1Load,      kForm1QueryUnload, kForm1Start,   kForm1Clear,
                             kForm1Sample,    kGenerate,         kSaveDocAsJpg, kForm2Activate,
                             kForm2Load,      kForm2ZoomIn,      kForm2ZoomOut, kForm2Redraw,
                             kForm2MouseDown, kForm2MouseMove,   kForm2MouseUp, kForm2QueryUnload,
                             kForm2Save,      kForm2Back};
  EXPECT_EQ(std::size(all), 18u);
  for (const char* text : all) {
    const QString location = QString::fromLatin1(text);
    EXPECT_TRUE(location.startsWith(QStringLiteral("in Corvessa2021/08/31."))) << text;
    EXPECT_TRUE(location.endsWith(QLatin1Char(' '))) << text;
    EXPECT_FALSE(location.endsWith(QStringLiteral("  "))) << text;
  }
  EXPECT_STREQ(kForm2MouseDown, "in Corvessa2021/08/31.Form2.picture1_MouseDown ");
  EXPECT_STREQ(kForm2MouseMove, "in Corvessa2021/08/31.Form2.picture1_MouseMove ");
  EXPECT_STREQ(kForm2MouseUp, "in Corvessa2021/08/31.Form2.Picture1_MouseUp ");
  EXPECT_STREQ(kGenerate,
               "in Corvessa2021/08/31.RideduvaZovezuzIvuzuzo.GenerateRideduvaZovezuzIvuzuzo ");
}

TEST(GuardedProcedure, GoesOnAfterOneFailure) {
  ScriptedDialogs dialogs;
  Guard g(QStringLiteral("in P.Q.R "));
  std::vector<int> ran;
  g.step(100, [&] { ran.push_back(100); });
  g.step(102, [&] {
    fail("Type mismatch");
    ran.push_back(-1);
  });
  g.step(104, [&] { ran.push_back(104); });
  EXPECT_EQ(ran, (std::vector<int>{100, 104}));
  ASSERT_EQ(dialogs.errorTexts().size(), 1);
  EXPECT_TRUE(dialogs.errorTexts()[0].startsWith(
      QStringLiteral("Type mismatch\r\nin P.Q.R at line 102\r\r")));
}

TEST(GuardedProcedure, ThreeConsecutiveFailuresGiveThreeMessagesInOrder) {
  ScriptedDialogs dialogs;
  Guard g(QStringLiteral("in P.Q.R "));
  bool restored = false;
  g.step(100, [&] { fail("first"); });
  g.step(102, [&] { fail("second"); });
  g.step(104, [&] { fail("third"); });
  g.step(106, [&] { restored = true; });
  EXPECT_TRUE(restored);
  const QStringList texts = dialogs.errorTexts();
  ASSERT_EQ(texts.size(), 3);
  EXPECT_TRUE(texts[0].startsWith(QStringLiteral("first\r\nin P.Q.R at line 100")));
  EXPECT_TRUE(texts[1].startsWith(QStringLiteral("second\r\nin P.Q.R at line 102")));
  EXPECT_TRUE(texts[2].startsWith(QStringLiteral("third\r\nin P.Q.R at line 104")));
}

TEST(GuardedProcedure, AFailingConditionalTestEntersItsBody) {
  ScriptedDialogs dialogs;
  Guard g(QStringLiteral("in P.Q.R "));
  bool bodyRan = false;
  if (g.test(106, [&]() -> bool {
        fail("Invalid procedure call");
        return false;
      }))
    g.step(108, [&] { bodyRan = true; });
  EXPECT_TRUE(bodyRan);
  ASSERT_EQ(dialogs.errorTexts().size(), 1);
  EXPECT_TRUE(dialogs.errorTexts()[0].contains(QStringLiteral("at line 106")));

  // A test that answers false without failing skips the body and says nothing.
  bodyRan = false;
  if (g.test(110, [] { return false; })) bodyRan = true;
  EXPECT_FALSE(bodyRan);
  EXPECT_EQ(dialogs.errorTexts().size(), 1);
}

TEST(GuardedProcedure, AFailureInsideACalledRoutineAbandonsOnlyThatRoutine) {
  ScriptedDialogs dialogs;
  Guard g(QStringLiteral("in P.Q.R "));
  int reached = 0;
  auto unguardedRoutine = [&] {
    reached = 1;
    fail("inner");
    reached = 2;
  };
  g.step(120, unguardedRoutine);
  g.step(122, [&] { reached += 10; });
  EXPECT_EQ(reached, 11);
  EXPECT_TRUE(dialogs.errorTexts()[0].contains(QStringLiteral("at line 120")));
}

}  // namespace
