#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QWheelEvent>

#include "StandInWord.h"
#include "TestEnvironment.h"
#include "preview/Form2.h"
#include "preview/PagePicture.h"
#include "preview/RunPreview.h"
#include "preview/ScrollMath.h"
#include "shell/Form1.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

namespace preview {
namespace {

using preview_tests::clickItem;
using preview_tests::pagePicture;
using preview_tests::pressKey;

// A page of the test document, in points: page k is (600 + 10k) x (780 + 10k) pt.
QPicture testPage(int k) { return pagePicture(k, 600 + 10 * k, 780 + 10 * k); }

long pageWidthTwips(int k) { return (600 + 10 * k) * 20L; }
long pageHeightTwips(int k) { return (780 + 10 * k) * 20L; }

class Form2Test : public ::testing::Test {
 protected:
  void TearDown() override { preview_tests::unloadForm2(); }

  // The preview as the finish leaves it: `pages` pages listed, page 1 on show.
  Form2& openWithPages(int pages) {
    Form2& form = Form2::instance();
    for (int k = 1; k <= pages; ++k) {
      form.imageElement(k - 1) = testPage(k);
      auto* item = new QTreeWidgetItem(form.ListView1);
      item->setText(0, QStringLiteral("Page %1").arg(k));
    }
    if (pages > 0) form.setPicture1Picture(form.Image1.at(0));
    form.show();
    return form;
  }

  // Sends a mouse event to the page picture at a point given in twips of the picture.
  static void mouseOnPicture(Form2& form, QEvent::Type type, double xTwips, double yTwips,
                             Qt::MouseButton button, Qt::MouseButtons held) {
    const QPointF at(xTwips / 15.0, yTwips / 15.0);
    QMouseEvent event(type, at, form.Picture1->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(form.Picture1, &event);
  }

  testing_support::ScriptedDialogs dialogs;
};

// A run's result takes the main window's place: its pages listed, page 1 on show, and the
// preview owning the document. A result without a document shows nothing.
TEST_F(Form2Test, ARunsResultIsShownInPlaceOfTheMainWindow) {
  QTemporaryDir folder;
  shell::Form1 form1({[] {}, [] {}});
  form1.show();
  ShowRun(output::RunResult());
  EXPECT_EQ(Form2::loaded(), nullptr);
  EXPECT_TRUE(form1.isVisible());

  const QString path = folder.filePath(QStringLiteral("plan.doc"));
  testing_support::writeFile(path, "plan");
  output::RunResult result;
  result.document = output::OwnedFile(path);
  result.pages = {testPage(1), testPage(2), testPage(3)};
  ShowRun(std::move(result));
  EXPECT_TRUE(dialogs.errorTexts().isEmpty()) << dialogs.errorTexts().join("\n").toStdString();
  Form2* form = Form2::loaded();
  ASSERT_NE(form, nullptr);
  ASSERT_EQ(form->ListView1->topLevelItemCount(), 3);
  EXPECT_EQ(form->ListView1->topLevelItem(2)->text(0), QStringLiteral("Page 3"));
  EXPECT_EQ(form->mWordFile, path);
  EXPECT_TRUE(QFile::exists(path));  // the preview has it now
  EXPECT_TRUE(form->isVisible());
  EXPECT_FALSE(form1.isVisible());
  EXPECT_EQ(form->Picture1->picture().boundingRect(), testPage(1).boundingRect());
  EXPECT_FALSE(form->mFirstActivate);
}

TEST_F(Form2Test, LoadLaysOutTheWindow) {
  Form2& form = Form2::instance();
  EXPECT_EQ(&Form2::instance(), &form);  // touching it again loads nothing new
  EXPECT_TRUE(form.mFirstActivate);
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Halvenor"));
  EXPECT_EQ(form.size(), QSize(656, 730));
  ASSERT_EQ(form.ListView1->columnCount(), 1);
  EXPECT_EQ(form.ListView1->headerItem()->text(0), QStringLiteral("Page(s)"));
  EXPECT_EQ(form.ListView1->columnWidth(0), 500);
  EXPECT_EQ(form.ListView1->geometry(), QRect(8, 8, 640, 105));
  EXPECT_EQ(form.Picture2->geometry(), QRect(8, 122, 622, 487));
  EXPECT_EQ(form.VScroll1->geometry(), QRect(630, 120, 17, 487));
  EXPECT_EQ(form.HScroll1->geometry(), QRect(8, 607, 622, 17));
  EXPECT_EQ(form.Frame1->title(), QStringLiteral("Zoom:"));
  EXPECT_EQ(form.PushButton1->text(), QStringLiteral("Zoom In"));
  EXPECT_EQ(form.PushButton2->text(), QStringLiteral("Zoom Out"));
  EXPECT_EQ(form.PushButton8->text(), QStringLiteral("< Back"));
  EXPECT_EQ(form.PushButton6->text(), QStringLiteral("Save Results To Word File"));
  EXPECT_EQ(form.PushButton6->geometry(), QRect(328, 694, 320, 27));
  EXPECT_FALSE(form.Zoom_Ori->isVisible());
  EXPECT_EQ(form.Image1.size(), 1u);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Form2Test, FirstActivationLaysOutThePageAndSetsUpTheBars) {
  Form2& form = openWithPages(3);
  EXPECT_FALSE(form.mFirstActivate);
  EXPECT_FLOAT_EQ(form.mZoom, 1.0f);
  EXPECT_EQ(form.mBaseWidth, pageWidthTwips(1) - 2);
  EXPECT_EQ(form.mBaseHeight, pageHeightTwips(1) - 2);
  EXPECT_EQ(form.mZoomWidth, form.mBaseWidth);
  EXPECT_EQ(form.Picture1->widthTwips(), form.mBaseWidth);
  // 12198 - 9330 = 2868 twips of travel: 287 units of ten.
  EXPECT_TRUE(form.HScroll1->isEnabled());
  EXPECT_EQ(form.HScroll1->maximum(), 287);
  EXPECT_EQ(form.mHStep, 10);
  // 15798 - 7305 = 8493: 849 units.
  EXPECT_EQ(form.VScroll1->maximum(), 849);
  EXPECT_EQ(form.mVStep, 10);
  EXPECT_EQ(form.Picture1->leftTwips(), 0);
  EXPECT_EQ(form.Picture1->topTwips(), 0);
  // Later activations change nothing.
  form.mZoom = 2.0f;
  form.Form_Activate();
  EXPECT_FLOAT_EQ(form.mZoom, 2.0f);
  EXPECT_TRUE(dialogs.errorTexts().isEmpty());
}

TEST_F(Form2Test, PageSelectionByClickAndByKey) {
  Form2& form = openWithPages(4);
  form.SetZoom(2.0);
  clickItem(form, 2);
  EXPECT_EQ(form.Picture1->picture().boundingRect(), testPage(3).boundingRect());
  EXPECT_FLOAT_EQ(form.mZoom, 1.0f);
  EXPECT_EQ(form.mBaseWidth, pageWidthTwips(3) - 2);
  EXPECT_EQ(form.Zoom_Ori->widthTwips(), pageWidthTwips(3));
  EXPECT_EQ(form.windowPointer(), shell::WindowPointer::Default);

  // Up arrow in the list: page 2 loads when the key is released.
  form.ListView1->setFocus();
  pressKey(form.ListView1, Qt::Key_Up);
  EXPECT_EQ(form.Picture1->picture().boundingRect(), testPage(2).boundingRect());
  pressKey(form.ListView1, Qt::Key_Down);
  pressKey(form.ListView1, Qt::Key_Down);
  EXPECT_EQ(form.Picture1->picture().boundingRect(), testPage(4).boundingRect());
  EXPECT_EQ(form.mBaseHeight, pageHeightTwips(4) - 2);

  // A held key: every repeat sends a press and a release (X11 does); the pages it passes
  // are not loaded, only the one under the real release is.
  for (int repeat = 0; repeat < 2; ++repeat) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier, QString(), repeat > 0);
    QApplication::sendEvent(form.ListView1, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Up, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(form.ListView1, &release);
    EXPECT_EQ(form.Picture1->picture().boundingRect(), testPage(4).boundingRect());
  }
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Up, Qt::NoModifier);
  QApplication::sendEvent(form.ListView1, &release);
  EXPECT_EQ(form.Picture1->picture().boundingRect(), testPage(2).boundingRect());
  EXPECT_TRUE(dialogs.errorTexts().isEmpty());
}

TEST_F(Form2Test, ClickInAnEmptyListChangesNothing) {
  Form2& form = Form2::instance();
  form.setPicture1Picture(testPage(1));
  form.show();
  const long width = form.Picture1->widthTwips();
  form.mZoom = 1.5f;
  form.ListView1_Click();
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(form.ListView1->viewport(), &release);
  EXPECT_FLOAT_EQ(form.mZoom, 1.5f);
  EXPECT_EQ(form.Picture1->widthTwips(), width);
}

TEST_F(Form2Test, ZoomWorksOnRealPagesWithinItsLimits) {
  Form2& form = openWithPages(1);
  const long base = form.mBaseWidth;
  form.PushButton1->click();
  EXPECT_FLOAT_EQ(form.mZoom, 1.25f);
  EXPECT_EQ(form.mZoomWidth, static_cast<long>(1.25 * base));
  EXPECT_EQ(form.Picture1->widthTwips(), form.mZoomWidth);
  EXPECT_EQ(form.Picture1->width(), pixelsFromTwips(form.mZoomWidth));
  for (int i = 0; i < 20; ++i) form.PushButton1->click();
  EXPECT_FLOAT_EQ(form.mZoom, 4.0f);  // 4.25 refused
  EXPECT_EQ(form.mZoomWidth, 4 * base);
  // The bars reach the whole zoomed page.
  EXPECT_GE(form.HScroll1->maximum() * form.mHStep, form.mZoomWidth - Form2::kViewOuterWidth - 5);
  EXPECT_GE(form.VScroll1->maximum() * form.mVStep, form.mZoomHeight - Form2::kViewOuterHeight - 5);
  form.HScroll1->setValue(form.HScroll1->maximum());
  EXPECT_LE(form.Picture1->leftTwips() + form.mZoomWidth, Form2::kViewOuterWidth + 5);

  for (int i = 0; i < 20; ++i) form.PushButton2->click();
  EXPECT_FLOAT_EQ(form.mZoom, 0.25f);  // 0 refused
  EXPECT_EQ(form.mZoomWidth, static_cast<long>(0.25 * base));
  EXPECT_FALSE(form.HScroll1->isEnabled());
  EXPECT_FALSE(form.VScroll1->isEnabled());
  EXPECT_EQ(form.Picture1->leftTwips(), 0);
  EXPECT_TRUE(dialogs.errorTexts().isEmpty());
}

TEST_F(Form2Test, ZoomedPictureIsDrawnFromTheVectorPage) {
  Form2& form = openWithPages(1);
  form.SetZoom(3.0);
  const QImage drawn = form.Picture1->grab().toImage();
  EXPECT_EQ(drawn.width(), pixelsFromTwips(form.mZoomWidth));
  // The page's text, at (20, 40) pt, is drawn at three times its size: its baseline at
  // 40 pt x 4/3 x 3 = 160 px, from x = 80 px; nothing is drawn above it.
  auto inkIn = [&](int top, int bottom, int left, int right) {
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x)
        if (qGray(drawn.pixel(x, y)) < 128) return true;
    return false;
  };
  EXPECT_TRUE(inkIn(120, 162, 78, 400));
  EXPECT_FALSE(inkIn(0, 100, 0, 400));
  EXPECT_FALSE(inkIn(100, 162, 0, 76));
}

TEST_F(Form2Test, ScrollBarsMoveThePicture) {
  Form2& form = openWithPages(1);
  form.HScroll1->setValue(5);
  EXPECT_EQ(form.Picture1->leftTwips(), -50);
  form.VScroll1->setValue(784);
  EXPECT_EQ(form.Picture1->topTwips(), -7840);
  EXPECT_EQ(form.Picture1->y(), -523);  // -7840 twips = -522.7 px
  EXPECT_EQ(form.Picture1->x(), -3);
}

TEST_F(Form2Test, DragPansWithinLimitsAndReleaseSetsTheBars) {
  Form2& form = openWithPages(1);
  const long width = form.Picture1->widthTwips();    // 12198
  const long height = form.Picture1->heightTwips();  // 15798
  mouseOnPicture(form, QEvent::MouseButtonPress, 1500, 1500, Qt::LeftButton, Qt::LeftButton);
  EXPECT_FLOAT_EQ(form.mDragX, 1500);
  mouseOnPicture(form, QEvent::MouseMove, 1000, 900, Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(form.Picture1->leftTwips(), -500);
  EXPECT_EQ(form.Picture1->topTwips(), -600);
  mouseOnPicture(form, QEvent::MouseButtonRelease, 1000, 900, Qt::LeftButton, Qt::NoButton);
  // 500 / 2868 = 17.4 % -> 17 % of 287 = 48.79 -> 49 units; 600 / 8493 = 7.06 % -> 7 % of
  // 849 = 59.43 -> 59 units.
  EXPECT_EQ(form.HScroll1->value(), 49);
  EXPECT_EQ(form.Picture1->leftTwips(), -490);
  EXPECT_EQ(form.VScroll1->value(), 59);
  EXPECT_EQ(form.Picture1->topTwips(), -590);

  // Dragging far past the end stops at the view's inner edge; the release gives 100 % or
  // more, which is refused, so the bars keep their values and the picture stays.
  mouseOnPicture(form, QEvent::MouseButtonPress, 2000, 2000, Qt::RightButton, Qt::RightButton);
  mouseOnPicture(form, QEvent::MouseMove, -90000, -90000, Qt::NoButton, Qt::RightButton);
  EXPECT_EQ(form.Picture1->leftTwips(), Form2::viewInnerWidth() - width);
  EXPECT_EQ(form.Picture1->topTwips(), Form2::viewInnerHeight() - height);
  mouseOnPicture(form, QEvent::MouseButtonRelease, 0, 0, Qt::RightButton, Qt::NoButton);
  EXPECT_EQ(form.HScroll1->value(), 49);
  EXPECT_EQ(form.VScroll1->value(), 59);
  EXPECT_EQ(form.Picture1->leftTwips(), Form2::viewInnerWidth() - width);

  // Back past the start: the picture's corner returns to the view's.
  mouseOnPicture(form, QEvent::MouseButtonPress, 100, 100, Qt::LeftButton, Qt::LeftButton);
  mouseOnPicture(form, QEvent::MouseMove, 90000, 90000, Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(form.Picture1->leftTwips(), 0);
  EXPECT_EQ(form.Picture1->topTwips(), 0);

  // Moving without a button held does nothing.
  mouseOnPicture(form, QEvent::MouseMove, -5000, -5000, Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(form.Picture1->leftTwips(), 0);
  EXPECT_TRUE(dialogs.errorTexts().isEmpty());
}

TEST_F(Form2Test, AClickCanMoveABarToTheNeighbouringUnit) {
  Form2& form = openWithPages(1);
  form.HScroll1->setValue(5);  // left -50
  mouseOnPicture(form, QEvent::MouseButtonPress, 300, 300, Qt::LeftButton, Qt::LeftButton);
  mouseOnPicture(form, QEvent::MouseButtonRelease, 300, 300, Qt::LeftButton, Qt::NoButton);
  // 50 / 2868 = 1.74 % -> 2 % of 287 = 5.74 -> 6.
  EXPECT_EQ(form.HScroll1->value(), 6);
  EXPECT_EQ(form.Picture1->leftTwips(), -60);
}

TEST_F(Form2Test, PercentageSettersRefuseOutOfRange) {
  Form2& form = openWithPages(1);
  form.HScroll1->setValue(7);
  form.SetHScrollbarByPercent(form.HScroll1, 100);
  form.SetHScrollbarByPercent(form.HScroll1, -1);
  EXPECT_EQ(form.HScroll1->value(), 7);
  form.SetHScrollbarByPercent(form.HScroll1, 99);
  EXPECT_EQ(form.HScroll1->value(), 284);  // 284.13
  form.SetVScrollbarByPercent(form.VScroll1, 50);
  EXPECT_EQ(form.VScroll1->value(), 424);  // 424.5, half to even
  EXPECT_EQ(form.Picture1->topTwips(), -4240);
}

TEST_F(Form2Test, PointerFollowsTheMouseButNeverOverridesWait) {
  Form2& form = openWithPages(1);
  auto enter = [](QWidget* w) {
    QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(w, &event);
  };
  enter(form.PushButton6);
  EXPECT_EQ(form.windowPointer(), shell::WindowPointer::Hand);
  enter(form.ListView1);
  EXPECT_EQ(form.windowPointer(), shell::WindowPointer::Default);
  enter(form.PushButton1);
  EXPECT_EQ(form.windowPointer(), shell::WindowPointer::Hand);
  enter(form.Frame1);
  EXPECT_EQ(form.windowPointer(), shell::WindowPointer::Default);
  form.setWindowPointer(shell::WindowPointer::Wait);
  enter(form.PushButton8);
  enter(form.ListView1);
  EXPECT_EQ(form.windowPointer(), shell::WindowPointer::Wait);
  EXPECT_EQ(form.cursor().shape(), Qt::WaitCursor);
}

// The mouse moving as the window system reports it: a move that no widget tracks is
// dropped before it reaches any event filter.
TEST_F(Form2Test, MovingFromAButtonOntoTheBackgroundOrTheFrameGivesTheDefaultPointer) {
  Form2& form = openWithPages(1);
  auto moveTo = [&form](QWidget* element, QPoint at) {
    QTest::mouseMove(element, at);
    QApplication::processEvents();
  };
  moveTo(form.PushButton6, QPoint(10, 10));
  EXPECT_EQ(form.windowPointer(), shell::WindowPointer::Hand);
  moveTo(form.PushButton6, QPoint(20, 12));  // still over the button: still the hand
  EXPECT_EQ(form.windowPointer(), shell::WindowPointer::Hand);
  // The strip of background between the view and the zoom frame.
  moveTo(&form, form.PushButton8->geometry().topLeft() - QPoint(0, 3));
  EXPECT_EQ(form.windowPointer(), shell::WindowPointer::Default);

  moveTo(form.PushButton1, QPoint(10, 10));
  EXPECT_EQ(form.windowPointer(), shell::WindowPointer::Hand);
  moveTo(form.Frame1, form.PushButton1->geometry().bottomLeft() + QPoint(0, 4));
  EXPECT_EQ(form.windowPointer(), shell::WindowPointer::Default);

  form.setWindowPointer(shell::WindowPointer::Wait);
  moveTo(form.PushButton2, QPoint(10, 10));
  moveTo(&form, form.PushButton8->geometry().topLeft() - QPoint(0, 3));
  EXPECT_EQ(form.windowPointer(), shell::WindowPointer::Wait);
}

TEST_F(Form2Test, WheelAndPageKeysScrollTheViewAndCtrlWheelZooms) {
  Form2& form = openWithPages(1);
  auto turn = [&](QPoint angle, Qt::KeyboardModifiers modifiers) {
    const QPointF at(20, 20);
    QWheelEvent event(at, form.Picture1->mapToGlobal(at), QPoint(), angle, Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(form.Picture1, &event);  // passes on to the view
  };
  auto key = [&](int code) {
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier);
    QApplication::sendEvent(form.Picture2, &press);
  };

  // One notch towards the user: 720 twips down, through the bar as a drag moves it.
  turn(QPoint(0, -120), Qt::NoModifier);
  EXPECT_EQ(form.VScroll1->value(), 72);
  EXPECT_EQ(form.Picture1->topTwips(), -720);
  turn(QPoint(0, 120), Qt::NoModifier);
  EXPECT_EQ(form.Picture1->topTwips(), 0);
  // Shift turns it sideways; a sideways wheel does so by itself.
  turn(QPoint(0, -120), Qt::ShiftModifier);
  EXPECT_EQ(form.HScroll1->value(), 72);
  EXPECT_EQ(form.Picture1->leftTwips(), -720);
  turn(QPoint(120, 0), Qt::NoModifier);
  EXPECT_EQ(form.HScroll1->value(), 0);

  key(Qt::Key_PageDown);
  EXPECT_EQ(form.VScroll1->value(), pageMoveTwips(Form2::viewInnerHeight()) / 10);
  key(Qt::Key_End);
  EXPECT_EQ(form.VScroll1->value(), form.VScroll1->maximum());
  EXPECT_EQ(form.Picture1->topTwips(), -10L * form.VScroll1->maximum());
  key(Qt::Key_PageUp);
  EXPECT_EQ(form.VScroll1->value(),
            form.VScroll1->maximum() - pageMoveTwips(Form2::viewInnerHeight()) / 10);
  key(Qt::Key_Home);
  EXPECT_EQ(form.Picture1->topTwips(), 0);

  // Ctrl+wheel zooms in quarters and stops at the limits.
  turn(QPoint(0, 120), Qt::ControlModifier);
  EXPECT_FLOAT_EQ(form.mZoom, 1.25f);
  EXPECT_EQ(form.Picture1->widthTwips(), static_cast<long>(1.25 * form.mBaseWidth));
  turn(QPoint(0, 120 * 40), Qt::ControlModifier);
  EXPECT_FLOAT_EQ(form.mZoom, 4.0f);
  turn(QPoint(0, -120 * 40), Qt::ControlModifier);
  EXPECT_FLOAT_EQ(form.mZoom, 0.25f);
  // At a quarter the page fits: the wheel moves nothing.
  turn(QPoint(0, -120), Qt::NoModifier);
  EXPECT_EQ(form.Picture1->topTwips(), 0);
}

}  // namespace
}  // namespace preview
