// The print dialog and the printout of the plan's pages.
#include "output/PagePrinting.h"

#include <QApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <stdexcept>

#include "output/PdfExport.h"

namespace output {
namespace {

class SystemPrintDialog final : public PrintDialog {
 public:
  bool exec(QPrinter& printer, int pageCount) override {
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setMinMax(1, pageCount);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    return dialog.exec() == QDialog::Accepted;
  }
};

PrintDialog*& installed() {
  static PrintDialog* current = nullptr;
  return current;
}

}  // namespace

PrintDialog& printDialog() {
  static SystemPrintDialog system;
  return installed() ? *installed() : system;
}

ScopedPrintDialog::ScopedPrintDialog(PrintDialog& replacement)
    : override_(installed(), &replacement) {}

void printPages(QPrinter& printer, const std::vector<QPicture>& pages) {
  const int count = static_cast<int>(pages.size());
  int first = 0, last = count - 1;
  // The dialog's page numbers start at 1; 0 means the whole document.
  if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
    first = printer.fromPage() - 1;
    last = std::min(printer.toPage() > 0 ? printer.toPage() - 1 : last, last);
  }
  if (count == 0 || first > last || first >= count)
    throw std::runtime_error("The page range holds no page of the plan");
  // The whole sheet: the pictures carry the plan's own margins.
  printer.setFullPage(true);
  QPainter painter;
  if (!painter.begin(&printer)) throw std::runtime_error("The printer cannot be started");
  paintPages(painter, printer, pages, first, last);
  if (!painter.end()) throw std::runtime_error("The printout could not be finished");
}

}  // namespace output
