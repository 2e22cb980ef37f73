#include "shell/Form1.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <array>
#include <vector>

#include "base/ApplicationTitle.h"
#include "base/CursorFile.h"
#include "base/Dialogs.h"
#include "base/Guard.h"
#include "base/ProgramExit.h"
#include "base/SharedRoutines.h"
#include "base/Twips.h"
#include "shell/BusinessRecord.h"

namespace shell {
namespace {

Form1*& currentForm1() {
  static Form1* form = nullptr;
  return form;
}

QFont arialBold(double points) {
  QFont font(QStringLiteral("Arial"));
  font.setPointSizeF(points);
  font.setBold(true);
  return font;
}

// The skin file: the program's folder + "\x\o.cjs".
QString skinPath() { return base::programFolder() + QStringLiteral("/x/o.cjs"); }

// A box in twips: left, top, width, height.
struct TwipsBox {
  int left, top, width, height;
  QRect rect() const { return base::twipsRect(left, top, width, height); }
};

// The window's eight text fields, one row each in the order of BusinessField: the member
// that holds the field, where it and its label sit in the frame, and whether the pointer
// is tracked over it. Every list of the fields in this window is taken from here.
struct FieldWidget {
  BusinessField field;
  QLineEdit* Form1::*member;
  const char* objectName;
  int labelIndex;  // its label in Label1
  TwipsBox label;
  TwipsBox edit;
  // Moving over the field turns the pointer back to the default one. Street Address 1 is
  // the one field the window has never tracked the pointer over: moving onto it leaves the
  // pointer as it was. It gets no mouse tracking and the event filter does not name it; a
  // move over it reaches the frame, which sees a child under the pointer and leaves the
  // pointer alone too.
  bool tracksPointer;
};

constexpr std::array<FieldWidget, 8> kFieldWidgets = {{
    {BusinessField::BusinessName,
     &Form1::txtBusinessName,
     "txtBusinessName",
     0,
     {240, 360, 1380, 225},
     {1905, 315, 5640, 330},
     true},
    {BusinessField::StreetAddress1,
     &Form1::txtStreetAddress1,
     "txtStreetAddress1",
     1,
     {240, 900, 1485, 225},
     {1905, 855, 5640, 330},
     false},
    {BusinessField::StreetAddress2,
     &Form1::txtStreetAddress2,
     "txtStreetAddress2",
     7,
     {240, 1440, 1485, 225},
     {1905, 1395, 5640, 330},
     true},
    {BusinessField::City,
     &Form1::txtCity,
     "txtCity",
     2,
     {240, 1980, 900, 225},
     {1905, 1935, 3360, 330},
     true},
    {BusinessField::ZipCode,
     &Form1::txtZipCode,
     "txtZipCode",
     3,
     {5520, 1980, 780, 225},
     {6405, 1920, 1140, 330},
     true},
    {BusinessField::Telephone,
     &Form1::txtTelephone,
     "txtTelephone",
     4,
     {240, 2520, 930, 225},
     {1905, 2475, 2400, 330},
     true},
    {BusinessField::Fax,
     &Form1::txtFax,
     "txtFax",
     5,
     {4560, 2520, 345, 225},
     {5040, 2475, 2520, 330},
     true},
    {BusinessField::Email,
     &Form1::txtEmail,
     "txtEmail",
     6,
     {240, 3060, 510, 225},
     {1920, 3015, 5640, 330},
     true},
}};

constexpr bool inFieldOrder() {
  for (std::size_t i = 0; i < kFieldWidgets.size(); ++i)
    if (static_cast<std::size_t>(kFieldWidgets[i].field) != i) return false;
  return true;
}
static_assert(inFieldOrder(), "kFieldWidgets is indexed by BusinessField");

const FieldWidget* fieldWidgetOf(BusinessField field) {
  const auto index = static_cast<std::size_t>(field);
  return index < kFieldWidgets.size() ? &kFieldWidgets[index] : nullptr;
}

// True when `watched` is a field over which the pointer is tracked.
bool isPointerTrackedField(const Form1& form, const QObject* watched) {
  for (const FieldWidget& row : kFieldWidgets)
    if (row.tracksPointer && form.*row.member == watched) return true;
  return false;
}

}  // namespace

Form1::Form1(Hooks hooks, QWidget* parent)
    : QWidget(parent), hooks_(std::move(hooks)), handCursor_(base::defaultHandCursor()) {
  currentForm1() = this;
  buildLayout();
}

Form1::~Form1() {
  if (currentForm1() == this) currentForm1() = nullptr;
}

Form1* Form1::current() { return currentForm1(); }

QLineEdit* Form1::fieldOf(BusinessField field) const {
  const FieldWidget* row = fieldWidgetOf(field);
  return row ? this->*row->member : nullptr;
}

QString Form1::businessFieldText(BusinessField field) const {
  const QLineEdit* edit = fieldOf(field);
  return edit ? edit->text() : QString();
}

BusinessDetails Form1::currentDetails() {
  BusinessDetails details;
  if (const Form1* main = current())
    for (const BusinessFieldInfo& info : kBusinessFields)
      details[static_cast<size_t>(info.field)] = main->businessFieldText(info.field);
  return details;
}

void Form1::buildLayout() {
  setObjectName(QStringLiteral("Form1"));
  setFixedSize(base::twipsToPixels(8040), base::twipsToPixels(4785));
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);
  setFont(arialBold(9));

  auto makeButton = [this](const char* name, const char* text, QRect geometry) {
    auto* button = new QPushButton(QString::fromLatin1(text), this);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(arialBold(11.25));
    button->setGeometry(geometry);
    return button;
  };
  PushButton1 =
      makeButton("PushButton1", "Start Creating Template", base::twipsRect(120, 120, 7800, 405));
  PushButton2 = makeButton("PushButton2", "Clear/Reset Data", base::twipsRect(120, 630, 3840, 405));
  PushButton3 =
      makeButton("PushButton3", "Load Sample/Example Data", base::twipsRect(4080, 630, 3840, 405));

  Frame1 = new QGroupBox(QStringLiteral("Business Information"), this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Frame1->setGeometry(base::twipsRect(120, 1110, 7800, 3555));
  Frame1->setPalette(white);
  Frame1->setAutoFillBackground(true);

  QWidget* previous = nullptr;
  for (const BusinessFieldInfo& info : kBusinessFields) {
    const FieldWidget& place = *fieldWidgetOf(info.field);

    const QRect labelBox = place.label.rect();
    auto* label = new QLabel(QString::fromLatin1(info.labelText), Frame1);
    label->setObjectName(QStringLiteral("Label1_%1").arg(place.labelIndex));
    label->setGeometry(labelBox);
    // Where the font draws wider than the designed box, widen it rather than clip the text.
    label->resize(std::max(labelBox.width(), label->sizeHint().width()), labelBox.height());
    label->setFocusPolicy(Qt::NoFocus);
    Label1[place.labelIndex] = label;

    auto* field = new QLineEdit(Frame1);
    field->setObjectName(QString::fromLatin1(place.objectName));
    field->setGeometry(place.edit.rect());
    field->setMaxLength(kMaxDetailLength);
    field->setPalette(white);
    this->*place.member = field;
    field->installEventFilter(this);

    // Every change, typed or set by the program, is written to the store at once.
    const QString key = QString::fromLatin1(info.storeKey);
    connect(field, &QLineEdit::textChanged, this, [this, key](const QString& text) {
      if (restoring_) return;  // the store already holds it; starting writes nothing
      afterStoreWrite(store_.write(key, text));
    });

    if (previous) setTabOrder(previous, field);
    previous = field;
  }
  setTabOrder(previous, PushButton1);
  setTabOrder(PushButton1, PushButton2);
  setTabOrder(PushButton2, PushButton3);

  connect(PushButton1, &QPushButton::clicked, this, [this] { PushButton1_Click(); });
  connect(PushButton2, &QPushButton::clicked, this, [this] { PushButton2_Click(); });
  connect(PushButton3, &QPushButton::clicked, this, [this] { PushButton3_Click(); });

  // Pointer tracking: the hand over the buttons, the default pointer over the window's
  // surface, the frame and the fields that track it (kFieldWidgets).
  for (QWidget* w : {static_cast<QWidget*>(PushButton1), static_cast<QWidget*>(PushButton2),
                     static_cast<QWidget*>(PushButton3), static_cast<QWidget*>(Frame1),
                     static_cast<QWidget*>(this)}) {
    w->setMouseTracking(true);
    w->installEventFilter(this);
  }
  for (const FieldWidget& row : kFieldWidgets)
    if (row.tracksPointer) (this->*row.member)->setMouseTracking(true);
}

void Form1::applySkin() {
  // No skin file, no change.
  const QString path = skinPath();
  if (!QFileInfo(path).isFile()) return;
  base::ApplyFaceColor(this);  // the window, the frame and the labels inside it
  skin_.LoadSkin(path, QString());
  skin_.SetOptions(skin_.Options() | 1);
  skin_.SetApplyColors(true);
  skin_.SetApplyMetrics(true);
  skin_.ApplyWindow(this);
}

void Form1::afterStoreWrite(bool written) {
  if (written) {
    storeWarned_ = false;
    return;
  }
  if (storeWarned_) return;
  storeWarned_ = true;
  base::messageBox(QStringLiteral("The business details could not be saved to %1.\r\n\r\n"
                                  "What you type stays in the window, but it will not be "
                                  "remembered the next time the program starts.")
                       .arg(store_.location()),
                   base::MessageButtons::Ok, base::MessageIcon::Warning);
}

void Form1::Form_Load() {
  base::Guard g(QString::fromLatin1(base::location::kForm1Load));
  g.step(100, [&] { applySkin(); });
  g.step(104, [&] { setWindowTitle(QString::fromLatin1(base::kProductTitle)); });
  g.step(104, [&] { setWindowIcon(base::programIcon()); });
  g.step(104, [&] { base::SetApplicationTitle(); });
  const QString cursorFile = base::handCursorPath();
  if (g.test(106, [&] { return base::FileExists(cursorFile); }))
    g.step(108, [&] { handCursor_ = base::loadCursorFile(cursorFile); });

  // Restored in the order of their statement numbers; each restore that changes a field
  // leaves the store as it is.
  std::vector<const BusinessFieldInfo*> byStatement;
  for (const auto& info : kBusinessFields) byStatement.push_back(&info);
  std::sort(byStatement.begin(), byStatement.end(),
            [](auto* a, auto* b) { return a->restoreStatement < b->restoreStatement; });
  store_.reload();  // what is on disk now, and whether it read in full
  restoring_ = true;
  for (const BusinessFieldInfo* info : byStatement) {
    QLineEdit* field = fieldOf(info->field);
    g.step(info->restoreStatement,
           [&] { field->setText(store_.read(QString::fromLatin1(info->storeKey))); });
  }
  restoring_ = false;
  const QString readProblem = store_.readProblem();
  if (!readProblem.isEmpty())
    base::messageBox(QStringLiteral("The business details could not be read in full from %1: %2.")
                         .arg(store_.location(), readProblem),
                     base::MessageButtons::Ok, base::MessageIcon::Warning);

  g.step(144, [&] {
    if (hooks_.verifyWordInstalled) hooks_.verifyWordInstalled();
  });
  txtBusinessName->setFocus(Qt::OtherFocusReason);
}

void Form1::PushButton1_Click() {
  base::Guard g(QString::fromLatin1(base::location::kForm1Start));
  bool busy = false;
  g.step(100, [&] { busy = mBusy; });
  if (busy) return;
  g.step(102, [&] { mBusy = true; });
  g.step(104, [&] { setWindowPointer(WindowPointer::Wait); });
  g.step(106, [&] {
    if (hooks_.generate) hooks_.generate();
  });
  g.step(108, [&] { setWindowPointer(WindowPointer::Default); });
  g.step(110, [&] { mBusy = false; });
}

void Form1::PushButton2_Click() {
  base::Guard g(QString::fromLatin1(base::location::kForm1Clear));
  for (const auto& info : kBusinessFields)
    g.step(info.setStatement, [&] { fieldOf(info.field)->setText(QString()); });
}

void Form1::PushButton3_Click() {
  base::Guard g(QString::fromLatin1(base::location::kForm1Sample));
  for (const auto& info : kBusinessFields)
    g.step(info.setStatement,
           [&] { fieldOf(info.field)->setText(QString::fromLatin1(info.sampleValue)); });
}

void Form1::setWindowPointer(WindowPointer pointer) {
  pointer_ = pointer;
  QCursor cursor;
  switch (pointer) {
    case WindowPointer::Wait:
      cursor = QCursor(Qt::WaitCursor);
      break;
    case WindowPointer::Hand:
      cursor = handCursor_;
      break;
    case WindowPointer::Default:
      cursor = QCursor(Qt::ArrowCursor);
      break;
  }
  // The pointer belongs to the whole window: it shows over every element in it.
  setCursor(cursor);
  for (QWidget* child : findChildren<QWidget*>()) child->setCursor(cursor);
}

void Form1::trackPointer(WindowPointer pointer) {
  if (pointer_ == WindowPointer::Wait || pointer_ == pointer) return;
  setWindowPointer(pointer);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
    // A move that a child did not take reaches its parent too; the window's surface and
    // the frame count only where no element lies under the pointer.
    const bool overSurface =
        event->type() == QEvent::Enter ||
        !widget->childAt(static_cast<QMouseEvent*>(event)->position().toPoint());
    if (watched == PushButton1 || watched == PushButton2 || watched == PushButton3)
      trackPointer(WindowPointer::Hand);
    else if (((watched == this || watched == Frame1) && overSurface) ||
             isPointerTrackedField(*this, watched))
      trackPointer(WindowPointer::Default);
  } else if (event->type() == QEvent::FocusIn) {
    // A field that takes the focus selects its whole text, so typing replaces it. A click
    // places the caret after the focus arrives, so the selection is made once it has.
    if (auto* field = qobject_cast<QLineEdit*>(watched)) {
      field->selectAll();
      if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason)
        QTimer::singleShot(0, field, [field] { field->selectAll(); });
    }
  }
  return QWidget::eventFilter(watched, event);
}

void Form1::closeEvent(QCloseEvent* event) {
  base::Guard g(QString::fromLatin1(base::location::kForm1QueryUnload));
  g.step(100, [&] { base::EndProgram(); });
  event->accept();
}

}  // namespace shell
