// Printing the plan's pages: the system print dialog behind a small interface (tests
// answer it without a real dialog) and the printout itself, drawn from the vector page
// pictures at the printer's resolution with the same routine the PDF uses.
#pragma once

#include <QPicture>
#include <vector>

#include "base/ScopedOverride.h"

class QPrinter;

namespace output {

class PrintDialog {
 public:
  virtual ~PrintDialog() = default;
  // Lets the user set up `printer` for a document of `pageCount` pages; false on cancel.
  virtual bool exec(QPrinter& printer, int pageCount) = 0;
};

// The print dialog in force (the system's unless a test installed another).
PrintDialog& printDialog();
// Puts `replacement` (not owned) in place of the print dialog in force while it lives.
class ScopedPrintDialog {
 public:
  explicit ScopedPrintDialog(PrintDialog& replacement);

 private:
  base::ScopedOverride<PrintDialog*> override_;
};

// Prints `pages` on `printer`, honouring the page range chosen in the dialog (all pages
// when none). Throws std::runtime_error when the printer cannot be started or the range
// holds no page of the plan.
void printPages(QPrinter& printer, const std::vector<QPicture>& pages);

}  // namespace output
