// What a generation run does to the program's windows, as the windows' own named
// operations: the generator, the finish and the page rendering reach the windows only
// through this interface, so tests can stand in for the windows without a real one.
#pragma once

#include <QPicture>
#include <QString>

#include "shell/BusinessRecord.h"

namespace preview {

class RunWindows {
 public:
  virtual ~RunWindows() = default;

  // The main window; without one a detail reads as "" and the others do nothing.
  virtual QString businessFieldText(shell::BusinessField field) const = 0;
  virtual void showWaitPointer() = 0;
  virtual void hideMainWindow() = 0;

  // The preview window, loaded when first used.
  virtual void clearPages() = 0;
  // Adds the list entry of one page ("Page n").
  virtual void addPage(const QString& label) = 0;
  virtual int pageCount() const = 0;
  // Loads the picture element of page `index` + 1, empty, when it is not loaded yet.
  virtual void loadPagePicture(int index) = 0;
  // Sets the picture of page `index` + 1 (loading its element when needed).
  virtual void setPagePicture(int index, const QPicture& picture) = 0;
  virtual void showFirstPage() = 0;
  // The saved document the pages come from.
  virtual void setDocument(const QString& path) = 0;
  virtual void showPreview() = 0;
  // Closing the preview removes its document.
  virtual void closePreview() = 0;
};

// The program's own windows: the main window when one exists, and the preview window.
RunWindows& programWindows();

}  // namespace preview
