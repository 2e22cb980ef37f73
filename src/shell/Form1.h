// The main window: the eight business details, the start button and the two buttons that
// clear the record or fill in a sample.
#pragma once

#include <QCursor>
#include <QLineEdit>
#include <QWidget>
#include <array>
#include <functional>

#include "shell/BusinessRecord.h"
#include "shell/BusinessRecordStore.h"
#include "shell/SkinFramework.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace shell {

enum class WindowPointer { Default, Wait, Hand };

class Form1 : public QWidget {
  Q_OBJECT
 public:
  // What the main window calls but does not own: the availability check at the end of
  // loading, and the generation run behind the start button.
  struct Hooks {
    std::function<void()> verifyWordInstalled;
    std::function<void()> generate;
  };

  explicit Form1(Hooks hooks, QWidget* parent = nullptr);
  ~Form1() override;

  // The main window of the program, or nullptr when none exists.
  static Form1* current();

  // Loading: skin, caption, icon, title, hand pointer, the eight fields from the store,
  // the availability check (which may end the program). Call before the first show().
  void Form_Load();

  // The buttons' handlers (also what a click runs).
  void PushButton1_Click();
  void PushButton2_Click();
  void PushButton3_Click();

  // The text field that holds one detail of the business.
  QLineEdit* fieldOf(BusinessField field) const;
  // The text of one detail of the business as the window holds it now.
  QString businessFieldText(BusinessField field) const;
  // The details of the main window as they are now; all empty when there is none.
  static BusinessDetails currentDetails();

  // The store the window keeps the details in: this user's.
  BusinessRecordStore& store() { return store_; }

  void setWindowPointer(WindowPointer pointer);
  WindowPointer windowPointer() const { return pointer_; }

  bool mBusy = false;

  QPushButton* PushButton1 = nullptr;  // "Start Creating Template"
  QPushButton* PushButton2 = nullptr;  // "Clear/Reset Data"
  QPushButton* PushButton3 = nullptr;  // "Load Sample/Example Data"
  QGroupBox* Frame1 = nullptr;         // "Business Information"
  std::array<QLabel*, 8> Label1{};
  QLineEdit* txtBusinessName = nullptr;
  QLineEdit* txtStreetAddress1 = nullptr;
  QLineEdit* txtStreetAddress2 = nullptr;
  QLineEdit* txtCity = nullptr;
  QLineEdit* txtZipCode = nullptr;
  QLineEdit* txtTelephone = nullptr;
  QLineEdit* txtFax = nullptr;
  QLineEdit* txtEmail = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildLayout();
  void applySkin();
  // Where the store could not be written, the user is told once until a write succeeds
  // again; the fields keep what was typed.
  void afterStoreWrite(bool written);
  // The pointer the mouse shows over an element, unless the wait pointer is up.
  void trackPointer(WindowPointer pointer);

  Hooks hooks_;
  BusinessRecordStore store_;
  SkinFramework skin_;
  bool storeWarned_ = false;  // the failed write has been told
  bool restoring_ = false;    // loading the fields from the store, not changing them
  WindowPointer pointer_ = WindowPointer::Default;
  QCursor handCursor_;
};

}  // namespace shell
