// The preview window: the page list, the view of the selected page with its scroll bars,
// the zoom buttons, "< Back" and "Save Results To Word File". Geometry and scroll
// arithmetic are kept in twips, as the window is laid out, and converted to pixels once.
#pragma once

#include <QCursor>
#include <QPicture>
#include <QString>
#include <QWidget>
#include <vector>

#include "preview/ScrollMath.h"
#include "shell/Form1.h"

class QGroupBox;
class QPushButton;
class QScrollBar;
class QTreeWidget;
class QFrame;
class QKeyEvent;
class QWheelEvent;

namespace preview {

class PagePicture;

class Form2 : public QWidget {
  Q_OBJECT
 public:
  // The loaded preview window, loading it (running Form_Load) when none is loaded.
  static Form2& instance();
  // The loaded preview window, or nullptr; never loads one.
  static Form2* loaded();

  ~Form2() override;

  void Form_Load();
  // Runs on every activation; only the first one after loading lays out the picture.
  void Form_Activate();

  // Page selection (a click in the list, or a key released there).
  void ListView1_Click();

  // "Zoom In" and "Zoom Out".
  void PushButton1_Click();
  void PushButton2_Click();
  void ZoomStep(int direction);
  void SetZoom(double factor);
  void RedrawImage();

  // Panning and scrolling.
  void SetupScrollBars();
  void HScroll1_Change();
  void VScroll1_Change();
  // Positions in twips, in the picture's own coordinates.
  void picture1_MouseDown(double x, double y);
  void picture1_MouseMove(bool buttonHeld, double x, double y);
  void Picture1_MouseUp();
  void SetHScrollbarByPercent(QScrollBar* HScrollbar, int percent);
  void SetVScrollbarByPercent(QScrollBar* VScrollbar, int percent);

  // Ctrl+P: the print dialog, then the chosen pages on the chosen printer.
  void PrintPages();

  // "Save Results To Word File" and "< Back".
  void PushButton6_Click();
  void PushButton8_Click();

  // Puts a picture on show in the page picture box (which sizes itself to it).
  void setPicture1Picture(const QPicture& picture);

  // The pages of a run, as the finish and the page rendering fill them in.
  // Empties the page list (the image elements stay until they are replaced).
  void clearPages();
  // Adds the list entry of one page ("Page n").
  void addPage(const QString& label);
  // The number of entries in the page list.
  int pageCount() const;
  // Sets image element `index` (0 = page 1), creating it when it does not exist yet.
  void setPagePicture(int index, const QPicture& picture);
  // Puts image element 0 on show.
  void showFirstPage();
  // The saved document the pages come from, which the preview saves and removes.
  void setDocument(const QString& path);
  QString document() const { return mWordFile; }
  // The image element `index`, created (empty) when it does not exist yet.
  QPicture& imageElement(int index);
  // The pictures of the listed pages, page 1 first.
  std::vector<QPicture> pagePictures() const;

  void setWindowPointer(shell::WindowPointer pointer);
  shell::WindowPointer windowPointer() const { return pointer_; }

  // Sizes of the view, in twips.
  static constexpr long kViewOuterWidth = 9330;
  static constexpr long kViewOuterHeight = 7305;
  static constexpr long kViewBorder = 15;  // one pixel each side
  static long viewInnerWidth() { return kViewOuterWidth - 2 * kViewBorder; }
  static long viewInnerHeight() { return kViewOuterHeight - 2 * kViewBorder; }

  QString mWordFile;
  float mZoom = 1.0f;
  long mBaseWidth = 0, mBaseHeight = 0;
  long mZoomWidth = 0, mZoomHeight = 0;
  int mHStep = 0, mVStep = 0;
  float mDragX = 0, mDragY = 0;
  bool mFirstActivate = true;

  QTreeWidget* ListView1 = nullptr;
  QFrame* Picture2 = nullptr;       // the view that clips the page picture
  PagePicture* Picture1 = nullptr;  // the page picture
  QScrollBar* VScroll1 = nullptr;
  QScrollBar* HScroll1 = nullptr;
  QGroupBox* Frame1 = nullptr;         // "Zoom:"
  QPushButton* PushButton1 = nullptr;  // "Zoom In"
  QPushButton* PushButton2 = nullptr;  // "Zoom Out"
  QPushButton* PushButton8 = nullptr;  // "< Back"
  QPushButton* PushButton6 = nullptr;  // "Save Results To Word File"
  PagePicture* Zoom_Ori = nullptr;     // hidden: the selected page at its own size
  std::vector<QPicture> Image1;        // one picture per page, element 0 = page 1

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;

 private:
  Form2();
  void buildLayout();
  void Form_QueryUnload();
  void Form_Unload();
  void loadBaseSize();
  void trackPointer(QWidget* element, shell::WindowPointer pointer);
  // The mouse wheel and Page Up, Page Down, Home and End over the view.
  void scrollView(Qt::Orientation orientation, long twips);
  bool viewWheel(QWheelEvent* wheel);
  bool viewKey(QKeyEvent* key);
  WheelNotches wheelNotches_;

  shell::WindowPointer pointer_ = shell::WindowPointer::Default;
  QCursor handCursor_{Qt::PointingHandCursor};  // until the cursor file is loaded
};

}  // namespace preview
