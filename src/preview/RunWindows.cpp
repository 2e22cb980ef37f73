// The program's own windows behind the run's interface: each operation is the window's
// named operation of the same name.
#include "preview/RunWindows.h"

#include "preview/Form2.h"
#include "shell/Form1.h"

namespace preview {
namespace {

class ProgramWindows final : public RunWindows {
 public:
  QString businessFieldText(shell::BusinessField field) const override {
    const shell::Form1* main = shell::Form1::current();
    return main ? main->businessFieldText(field) : QString();
  }
  void showWaitPointer() override {
    if (shell::Form1* main = shell::Form1::current())
      main->setWindowPointer(shell::WindowPointer::Wait);
  }
  void hideMainWindow() override {
    if (shell::Form1* main = shell::Form1::current()) main->hide();
  }

  void clearPages() override { Form2::instance().clearPages(); }
  void addPage(const QString& label) override { Form2::instance().addPage(label); }
  int pageCount() const override { return Form2::instance().pageCount(); }
  void loadPagePicture(int index) override { Form2::instance().imageElement(index); }
  void setPagePicture(int index, const QPicture& picture) override {
    Form2::instance().setPagePicture(index, picture);
  }
  void showFirstPage() override { Form2::instance().showFirstPage(); }
  void setDocument(const QString& path) override { Form2::instance().setDocument(path); }
  void showPreview() override { Form2::instance().show(); }
  void closePreview() override { Form2::instance().close(); }
};

}  // namespace

RunWindows& programWindows() {
  // Holds no state: every operation finds the windows as they are when it runs.
  static ProgramWindows windows;
  return windows;
}

}  // namespace preview
