#include "preview/Form2.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTreeWidget>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>

#include "base/CursorFile.h"
#include "base/Dialogs.h"
#include "base/Guard.h"
#include "base/SharedRoutines.h"
#include "base/Twips.h"
#include "base/WholeFile.h"
#include "output/CompleteDocument.h"
#include "output/PagePrinting.h"
#include "output/PdfExport.h"
#include "preview/PagePicture.h"
#include "preview/ScrollMath.h"

namespace preview {
namespace {

Form2* gLoaded = nullptr;

QRect pixelRect(int left, int top, int width, int height) {
  return base::twipsRect(left, top, width, height);
}

QString location(const char* text) { return QString::fromLatin1(text); }

void showMainWindow() {
  if (shell::Form1* main = shell::Form1::current()) main->show();
}

// The Word copy stays the first filter, so it is what the dialog offers unless the user
// picks the PDF.
const QString kPdfFilter = QStringLiteral("PDF Files (*.pdf)");
const QString kSaveFilters =
    QStringLiteral("Word Files (*.doc)|*.doc|") + kPdfFilter + QStringLiteral("|*.pdf");

// A name typed without an extension under the PDF filter gets ".pdf", as the filter says.
QString pdfFileName(const QString& name) {
  if (name.isEmpty() || !QFileInfo(name).suffix().isEmpty()) return name;
  return name + QStringLiteral(".pdf");
}

}  // namespace

Form2& Form2::instance() {
  if (!gLoaded) {
    gLoaded = new Form2;
    gLoaded->Form_Load();
  }
  return *gLoaded;
}

Form2* Form2::loaded() { return gLoaded; }

Form2::Form2() {
  setAttribute(Qt::WA_DeleteOnClose);
  buildLayout();
}

Form2::~Form2() {
  if (gLoaded == this) gLoaded = nullptr;
}

void Form2::buildLayout() {
  setFixedSize(pixelsFromTwips(9840), pixelsFromTwips(10950));
  QFont windowFont(QStringLiteral("Arial"), 9);
  windowFont.setBold(true);
  setFont(windowFont);
  QFont buttonFont(QStringLiteral("Arial"));
  buttonFont.setPointSizeF(11.25);
  buttonFont.setBold(true);

  ListView1 = new QTreeWidget(this);
  ListView1->setObjectName(QStringLiteral("ListView1"));
  ListView1->setGeometry(pixelRect(120, 120, 9600, 1575));
  ListView1->setRootIsDecorated(false);
  ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
  ListView1->setColumnCount(0);

  Picture2 = new QFrame(this);
  Picture2->setObjectName(QStringLiteral("Picture2"));
  Picture2->setFrameStyle(QFrame::Box | QFrame::Plain);
  Picture2->setLineWidth(1);
  Picture2->setGeometry(pixelRect(120, 1830, kViewOuterWidth, kViewOuterHeight));
  // The inner area clips the page picture; the border stays drawn over nothing.
  auto* viewport = new QWidget(Picture2);
  viewport->setGeometry(Picture2->contentsRect());
  viewport->setAutoFillBackground(true);
  Picture1 = new PagePicture(viewport);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  QFont pictureFont(QStringLiteral("MS Sans Serif"));
  pictureFont.setPointSizeF(8.25);
  Picture1->setFont(pictureFont);

  VScroll1 = new QScrollBar(Qt::Vertical, this);
  VScroll1->setObjectName(QStringLiteral("VScroll1"));
  VScroll1->setGeometry(pixelRect(9450, 1800, 255, 7305));
  HScroll1 = new QScrollBar(Qt::Horizontal, this);
  HScroll1->setObjectName(QStringLiteral("HScroll1"));
  HScroll1->setGeometry(pixelRect(120, 9105, 9330, 255));
  for (QScrollBar* bar : {VScroll1, HScroll1}) {
    bar->setRange(0, 0);
    bar->setSingleStep(1);
    bar->setPageStep(10);
    // The picture moves when the value settles, not while the thumb is dragged.
    bar->setTracking(false);
    bar->setEnabled(false);
  }
  connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
  connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });

  Frame1 = new QGroupBox(QStringLiteral("Zoom:"), this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Frame1->setGeometry(pixelRect(120, 9420, 9600, 855));
  PushButton1 = new QPushButton(QStringLiteral("Zoom In"), Frame1);
  PushButton1->setGeometry(pixelRect(240, 300, 4440, 405));
  PushButton2 = new QPushButton(QStringLiteral("Zoom Out"), Frame1);
  PushButton2->setGeometry(pixelRect(4800, 300, 4560, 405));
  PushButton8 = new QPushButton(QStringLiteral("< Back"), this);
  PushButton8->setGeometry(pixelRect(120, 10410, 4680, 405));
  PushButton6 = new QPushButton(QStringLiteral("Save Results To Word File"), this);
  PushButton6->setGeometry(pixelRect(4920, 10410, 4800, 405));
  for (QPushButton* button : {PushButton1, PushButton2, PushButton8, PushButton6}) {
    button->setFont(buttonFont);
    button->setAutoDefault(false);
  }
  PushButton1->setObjectName(QStringLiteral("PushButton1"));
  PushButton2->setObjectName(QStringLiteral("PushButton2"));
  PushButton8->setObjectName(QStringLiteral("PushButton8"));
  PushButton6->setObjectName(QStringLiteral("PushButton6"));
  connect(PushButton1, &QPushButton::clicked, this, [this] { PushButton1_Click(); });
  connect(PushButton2, &QPushButton::clicked, this, [this] { PushButton2_Click(); });
  connect(PushButton8, &QPushButton::clicked, this, [this] { PushButton8_Click(); });
  connect(PushButton6, &QPushButton::clicked, this, [this] { PushButton6_Click(); });

  Zoom_Ori = new PagePicture(this);
  Zoom_Ori->setObjectName(QStringLiteral("Zoom_Ori"));
  Zoom_Ori->hide();
  Image1.resize(1);

  // Page selection: a click in the list, or any key released while it has the focus.
  ListView1->installEventFilter(this);
  ListView1->viewport()->installEventFilter(this);
  Picture1->installEventFilter(this);
  trackPointer(this, shell::WindowPointer::Default);
  trackPointer(ListView1, shell::WindowPointer::Default);
  trackPointer(ListView1->viewport(), shell::WindowPointer::Default);
  trackPointer(Frame1, shell::WindowPointer::Default);
  // Moves over the bare background and the frame arrive only where they are tracked.
  setMouseTracking(true);
  Frame1->setMouseTracking(true);
  for (QPushButton* button : {PushButton1, PushButton2, PushButton8, PushButton6})
    trackPointer(button, shell::WindowPointer::Hand);

  // The view scrolls by wheel and keys; it takes the focus when the page is clicked.
  Picture2->setFocusPolicy(Qt::StrongFocus);
  Picture2->installEventFilter(this);

  auto* print = new QShortcut(QKeySequence::Print, this);
  connect(print, &QShortcut::activated, this, [this] { PrintPages(); });
}

void Form2::trackPointer(QWidget* element, shell::WindowPointer pointer) {
  element->setProperty("halvenorPointer", static_cast<int>(pointer));
  element->installEventFilter(this);
}

void Form2::setWindowPointer(shell::WindowPointer pointer) {
  pointer_ = pointer;
  switch (pointer) {
    case shell::WindowPointer::Default:
      unsetCursor();
      break;
    case shell::WindowPointer::Wait:
      setCursor(Qt::WaitCursor);
      break;
    case shell::WindowPointer::Hand:
      setCursor(handCursor_);
      break;
  }
}

void Form2::Form_Load() {
  base::Guard g(location(base::location::kForm2Load));
  g.step(100, [&] { mFirstActivate = true; });
  g.step(102, [&] { base::ApplyFaceColor(this); });
  g.step(104, [&] {
    setWindowTitle(QStringLiteral("Halvenor"));
    setWindowIcon(base::programIcon());
  });
  const QString cursorFile = base::handCursorPath();
  if (g.test(108, [&] { return base::FileExists(cursorFile); }))
    g.step(110, [&] { handCursor_ = base::loadCursorFile(cursorFile); });
  g.step(112, [&] {
    ListView1->setColumnCount(1);
    ListView1->setHeaderLabels({QStringLiteral("Page(s)")});
  });
  g.step(114, [&] { ListView1->setColumnWidth(0, pixelsFromTwips(7500)); });
}

void Form2::loadBaseSize() {
  mBaseWidth = roundHalfEven(std::max(0L, Zoom_Ori->widthTwips() - 2));
  mBaseHeight = roundHalfEven(std::max(0L, Zoom_Ori->heightTwips() - 2));
}

void Form2::Form_Activate() {
  if (!mFirstActivate) return;
  base::Guard g(location(base::location::kForm2Activate));
  // 102-110: the page picture box keeps what is drawn, sizes itself to its picture and
  // has a white ground; PagePicture always behaves so.
  g.step(112, [&] { Zoom_Ori->hide(); });
  g.step(114, [&] { Zoom_Ori->resizeTwips(Picture1->widthTwips(), Picture1->heightTwips()); });
  g.step(120, [&] {
    const long width = Zoom_Ori->widthTwips(), height = Zoom_Ori->heightTwips();
    Zoom_Ori->drawScaled(Picture1->picture(), width, height, width, height);
  });
  g.step(122, [&] { mZoom = 1.0f; });
  g.step(124, [&] { mBaseWidth = roundHalfEven(std::max(0L, Zoom_Ori->widthTwips() - 2)); });
  g.step(126, [&] { mBaseHeight = roundHalfEven(std::max(0L, Zoom_Ori->heightTwips() - 2)); });
  g.step(128, [&] { mZoomWidth = static_cast<long>(mBaseWidth * 1.0); });
  g.step(130, [&] { mZoomHeight = static_cast<long>(mBaseHeight * 1.0); });
  g.step(132, [&] { RedrawImage(); });
  g.step(134, [&] { SetupScrollBars(); });
  g.step(136, [&] { mFirstActivate = false; });
}

void Form2::setPicture1Picture(const QPicture& picture) { Picture1->setPicture(picture); }

void Form2::clearPages() { ListView1->clear(); }

void Form2::addPage(const QString& label) {
  auto* item = new QTreeWidgetItem(ListView1);
  item->setText(0, label);
}

int Form2::pageCount() const { return ListView1->topLevelItemCount(); }

void Form2::setPagePicture(int index, const QPicture& picture) { imageElement(index) = picture; }

void Form2::showFirstPage() { setPicture1Picture(Image1.at(0)); }

void Form2::setDocument(const QString& path) { mWordFile = path; }

std::vector<QPicture> Form2::pagePictures() const {
  const size_t count = static_cast<size_t>(ListView1->topLevelItemCount());
  return std::vector<QPicture>(Image1.begin(), Image1.begin() + std::min(count, Image1.size()));
}

QPicture& Form2::imageElement(int index) {
  if (index < 0) throw std::out_of_range("Subscript out of range");
  if (static_cast<size_t>(index) >= Image1.size()) Image1.resize(static_cast<size_t>(index) + 1);
  return Image1[static_cast<size_t>(index)];
}

void Form2::ListView1_Click() {
  const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
  if (selected.isEmpty()) return;
  // This handler has no report of its own; a failure must not end the program.
  try {
    setWindowPointer(shell::WindowPointer::Wait);
    const int k = ListView1->indexOfTopLevelItem(selected.first()) + 1;
    const QPicture page =
        (k >= 1 && static_cast<size_t>(k) <= Image1.size()) ? Image1[k - 1] : QPicture();
    Picture1->setPicture(page);
    Zoom_Ori->hide();
    Zoom_Ori->resizeTwips(Picture1->widthTwips(), Picture1->heightTwips());
    Zoom_Ori->drawScaled(page, Zoom_Ori->widthTwips(), Zoom_Ori->heightTwips(),
                         Zoom_Ori->widthTwips(), Zoom_Ori->heightTwips());
    mZoom = 1.0f;
    loadBaseSize();
    mZoomWidth = mBaseWidth;
    mZoomHeight = mBaseHeight;
    RedrawImage();
    SetupScrollBars();
  } catch (const std::exception&) {
  }
  setWindowPointer(shell::WindowPointer::Default);
}

void Form2::PushButton1_Click() {
  base::Guard g(location(base::location::kForm2ZoomIn));
  g.step(100, [&] { ZoomStep(0); });
}

void Form2::PushButton2_Click() {
  base::Guard g(location(base::location::kForm2ZoomOut));
  g.step(100, [&] { ZoomStep(1); });
}

void Form2::ZoomStep(int direction) { SetZoom(direction == 0 ? mZoom + 0.25f : mZoom - 0.25f); }

void Form2::SetZoom(double factor) {
  if (factor < 0.25 || factor > 4) return;
  mZoom = static_cast<float>(factor);
  RedrawImage();
  // The bars' ranges follow the zoomed size, so every part of the page can be reached.
  SetupScrollBars();
}

void Form2::RedrawImage() {
  base::Guard g(location(base::location::kForm2Redraw));
  g.step(100, [&] { mZoomWidth = static_cast<long>(static_cast<double>(mZoom) * mBaseWidth); });
  g.step(102, [&] { mZoomHeight = static_cast<long>(static_cast<double>(mZoom) * mBaseHeight); });
  // The picture is drawn from its vector form at every size, however large.
  g.step(106, [&] { Picture1->setPicture(QPicture()); });
  g.step(108, [&] { Picture1->resizeTwips(mZoomWidth, Picture1->heightTwips()); });
  g.step(110, [&] { Picture1->resizeTwips(Picture1->widthTwips(), mZoomHeight); });
  g.step(112, [&] {
    Picture1->drawScaled(Zoom_Ori->picture(), mBaseWidth, mBaseHeight, mZoomWidth, mZoomHeight);
  });
  g.step(114, [&] { setWindowPointer(shell::WindowPointer::Default); });
  g.step(116, [&] { HScroll1->setValue(0); });
  g.step(118, [&] { VScroll1->setValue(0); });
  g.step(120, [&] { HScroll1->setEnabled(viewInnerWidth() < mZoomWidth); });
  g.step(122, [&] { VScroll1->setEnabled(viewInnerHeight() < mZoomHeight); });
}

void Form2::SetupScrollBars() {
  Picture1->moveTwips(0, 0);
  const AxisSetup h = setupAxis(Picture1->widthTwips(), kViewOuterWidth);
  HScroll1->setEnabled(h.enabled);
  mHStep = h.step;
  if (h.enabled) {
    HScroll1->setMaximum(h.max);
    HScroll1->setValue(0);
  }
  const AxisSetup v = setupAxis(Picture1->heightTwips(), kViewOuterHeight);
  VScroll1->setEnabled(v.enabled);
  mVStep = v.step;
  if (v.enabled) {
    VScroll1->setMaximum(v.max);
    VScroll1->setValue(0);
  }
}

void Form2::HScroll1_Change() {
  Picture1->moveTwips(static_cast<double>(offsetForValue(mHStep, HScroll1->value())),
                      Picture1->topTwips());
}

void Form2::VScroll1_Change() {
  Picture1->moveTwips(Picture1->leftTwips(),
                      static_cast<double>(offsetForValue(mVStep, VScroll1->value())));
}

void Form2::picture1_MouseDown(double x, double y) {
  base::Guard g(location(base::location::kForm2MouseDown));
  g.step(100, [&] { mDragX = static_cast<float>(x); });
  g.step(102, [&] { mDragY = static_cast<float>(y); });
}

void Form2::picture1_MouseMove(bool buttonHeld, double x, double y) {
  if (!buttonHeld) return;
  base::Guard g(location(base::location::kForm2MouseMove));
  float newLeft = 0, newTop = 0;
  g.step(104, [&] { newLeft = static_cast<float>(Picture1->leftTwips() - mDragX + x); });
  g.step(106, [&] {
    newLeft = static_cast<float>(clampDrag(newLeft, viewInnerWidth(), Picture1->widthTwips()));
  });
  g.step(114, [&] { newTop = static_cast<float>(Picture1->topTwips() - mDragY + y); });
  g.step(116, [&] {
    newTop = static_cast<float>(clampDrag(newTop, viewInnerHeight(), Picture1->heightTwips()));
  });
  g.step(124, [&] { Picture1->moveTwips(newLeft, newTop); });
}

void Form2::Picture1_MouseUp() {
  base::Guard g(location(base::location::kForm2MouseUp));
  std::optional<int> horizontal, vertical;
  g.step(100, [&] {
    horizontal = travelPercent(Picture1->leftTwips(), Picture1->widthTwips(), kViewOuterWidth);
  });
  g.step(102, [&] {
    vertical = travelPercent(Picture1->topTwips(), Picture1->heightTwips(), kViewOuterHeight);
  });
  if (horizontal) g.step(104, [&] { SetHScrollbarByPercent(HScroll1, *horizontal); });
  if (vertical) g.step(106, [&] { SetVScrollbarByPercent(VScroll1, *vertical); });
}

void Form2::SetHScrollbarByPercent(QScrollBar* HScrollbar, int percent) {
  if (!HScrollbar) throw std::invalid_argument("Object variable not set");
  if (auto value = valueForPercent(percent, HScrollbar->maximum(), true))
    HScrollbar->setValue(*value);
}

void Form2::SetVScrollbarByPercent(QScrollBar* VScrollbar, int percent) {
  if (!VScrollbar) throw std::invalid_argument("Object variable not set");
  if (auto value = valueForPercent(percent, VScrollbar->maximum(), false))
    VScrollbar->setValue(*value);
}

void Form2::PushButton6_Click() {
  base::Guard g(location(base::location::kForm2Save));
  QString fileName, target, chosenFilter;
  int answer = 0;
  bool copyFailed = false;
  g.step(106, [&] { fileName.clear(); });
  g.step(112, [&] {
    fileName = base::dialogs().saveFileName(QStringLiteral("Save File"), kSaveFilters, fileName,
                                            &chosenFilter);
  });
  const bool asPdf = chosenFilter == kPdfFilter;
  g.step(114, [&] { target = asPdf ? pdfFileName(fileName) : fileName; });
  if (!g.test(116, [&] { return target.isEmpty(); })) {
    if (g.test(118, [&] { return base::FileExists(target); })) {
      g.step(120, [&] {
        answer = base::messageBox(
            QStringLiteral("Are you sure you wish to overwrite ") + target + QStringLiteral(" ?"),
            base::MessageButtons::YesNo, base::MessageIcon::None);
      });
      // The old file is not deleted first: the copy below replaces it in one step.
    } else {
      g.step(126, [&] { answer = base::vbYes; });
    }
  }
  if (g.test(128, [&] { return answer == base::vbYes; }))
    copyFailed = !g.step(130, [&] {
      output::requireCompleteDocument(mWordFile);  // never replace a file with less than a plan
      if (asPdf)
        output::savePdfReplacing(pagePictures(), target, QFileInfo(target).completeBaseName());
      else
        base::copyFileReplacing(mWordFile, target);
    });
  // "Done." confirms a copy that was made, or that nothing was asked for.
  if (!copyFailed) g.step(132, [&] { base::messageBox(QStringLiteral("Done.")); });
}

void Form2::PrintPages() {
  base::Guard g(QStringLiteral("in Corvessa2021/08/31.Form2.PrintPages "));
  const std::vector<QPicture> pages = pagePictures();
  if (pages.empty()) return;  // nothing to print
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::Letter));
  printer.setDocName(QStringLiteral("Halvenor"));
  bool accepted = false;
  g.step(100,
         [&] { accepted = output::printDialog().exec(printer, static_cast<int>(pages.size())); });
  if (accepted) g.step(102, [&] { output::printPages(printer, pages); });
}

void Form2::PushButton8_Click() {
  base::Guard g(location(base::location::kForm2Back));
  g.step(102, [&] { base::RemoveFile(mWordFile); });
  g.step(104, [&] { showMainWindow(); });
  g.step(106, [&] { close(); });
}

void Form2::Form_QueryUnload() {
  base::Guard g(location(base::location::kForm2QueryUnload));
  g.step(100, [&] { base::RemoveFile(mWordFile); });
  g.step(102, [&] { QCoreApplication::processEvents(); });
  g.step(104, [&] { QCoreApplication::processEvents(); });
}

void Form2::Form_Unload() { showMainWindow(); }

void Form2::closeEvent(QCloseEvent* event) {
  Form_QueryUnload();
  Form_Unload();
  // Unloaded: the next touch loads a fresh window; this one goes with its pictures.
  if (gLoaded == this) gLoaded = nullptr;
  event->accept();
}

void Form2::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Platforms without a window manager may never activate the window; the first
  // showing lays the picture out all the same.
  Form_Activate();
}

bool Form2::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) Form_Activate();
  return QWidget::event(event);
}

void Form2::scrollView(Qt::Orientation orientation, long twips) {
  QScrollBar* bar = orientation == Qt::Horizontal ? HScroll1 : VScroll1;
  const int step = orientation == Qt::Horizontal ? mHStep : mVStep;
  if (!bar->isEnabled()) return;
  // Setting the value moves the picture, as a drag's release does.
  bar->setValue(valueAfterMove(bar->value(), bar->maximum(), step, twips));
}

bool Form2::viewWheel(QWheelEvent* wheel) {
  const QPoint angle = wheel->angleDelta();
  const bool sideways = (wheel->modifiers() & Qt::ShiftModifier) || angle.y() == 0;
  const int delta = angle.y() != 0 ? angle.y() : angle.x();
  const int notches = wheelNotches_.add(delta);
  if (notches == 0) return true;
  if (wheel->modifiers() & Qt::ControlModifier) {
    const double zoom = zoomAfterNotches(mZoom, notches);
    if (zoom != mZoom) SetZoom(zoom);
  } else {
    // A turn away from the user (positive) moves back towards the top or left.
    scrollView(sideways ? Qt::Horizontal : Qt::Vertical, -notches * kWheelNotchTwips);
  }
  return true;
}

bool Form2::viewKey(QKeyEvent* key) {
  switch (key->key()) {
    case Qt::Key_PageDown:
      scrollView(Qt::Vertical, pageMoveTwips(viewInnerHeight()));
      return true;
    case Qt::Key_PageUp:
      scrollView(Qt::Vertical, -pageMoveTwips(viewInnerHeight()));
      return true;
    case Qt::Key_Home:
      if (VScroll1->isEnabled()) VScroll1->setValue(0);
      return true;
    case Qt::Key_End:
      if (VScroll1->isEnabled()) VScroll1->setValue(VScroll1->maximum());
      return true;
    default:
      return false;
  }
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
  // The view: wheel turns over the page or the view around it, and the view's keys.
  if ((watched == Picture1 || watched == Picture2) && event->type() == QEvent::Wheel)
    return viewWheel(static_cast<QWheelEvent*>(event));
  if (watched == Picture2 && event->type() == QEvent::KeyPress &&
      viewKey(static_cast<QKeyEvent*>(event)))
    return true;
  switch (event->type()) {
    case QEvent::Enter:
    case QEvent::HoverMove:
    case QEvent::MouseMove: {
      const QVariant pointer = watched->property("halvenorPointer");
      // A move that a child did not take reaches its parent too; the background and the
      // frame count only where no element lies under the pointer.
      auto* widget = qobject_cast<QWidget*>(watched);
      const bool overElement =
          event->type() == QEvent::MouseMove && (watched == this || watched == Frame1) &&
          widget->childAt(static_cast<QMouseEvent*>(event)->position().toPoint());
      if (pointer.isValid() && !overElement && pointer_ != shell::WindowPointer::Wait)
        setWindowPointer(static_cast<shell::WindowPointer>(pointer.toInt()));
      break;
    }
    default:
      break;
  }
  if (watched == Picture1) {
    auto* mouse = dynamic_cast<QMouseEvent*>(event);
    if (mouse) {
      const double x = mouse->position().x() * kTwipsPerPixel;
      const double y = mouse->position().y() * kTwipsPerPixel;
      if (event->type() == QEvent::MouseButtonPress) picture1_MouseDown(x, y);
      if (event->type() == QEvent::MouseMove)
        picture1_MouseMove(mouse->buttons() != Qt::NoButton, x, y);
      if (event->type() == QEvent::MouseButtonRelease) Picture1_MouseUp();
    }
  } else if (watched == ListView1->viewport() && event->type() == QEvent::MouseButtonRelease) {
    // The press has already selected the clicked item.
    ListView1_Click();
  } else if (watched == ListView1 && event->type() == QEvent::KeyRelease &&
             !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
    // A held key sends a release with every repeat; the page loads on the real one.
    ListView1_Click();
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace preview
