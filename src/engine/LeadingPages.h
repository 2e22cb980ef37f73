// The leading pages that page navigation removes from a document, and where the last GoTo
// page went: one type for everything the engine knows of the window of pages still shown.
#pragma once

#include <QtGlobal>
#include <optional>

class QTextCursor;

namespace engine {

class DocumentModel;

// Word's way to take the first pages off a document is GoTo a page, select from the start
// of the story up to there and Delete. The layout is kept while pages are removed, so every
// later page still shows as laid out before the removal; the next edit makes the removal
// real (DocumentState::beginEdit).
class LeadingPages {
 public:
  // Where a page starts: the 0-based page and its first text position.
  struct PageStart {
    int page = -1;
    int position = -1;
  };

  // The first page still shown (0-based), which is the number of pages removed.
  int firstPage() const { return removed_; }
  // The page count as shown: the pages laid out less those removed, at least 1.
  int shownPageCount(int laidOutPages) const;
  // The first text position shown: the start of the story (0 when nothing is removed).
  int storyStart(const DocumentModel& model) const;

  // GoTo page went to `start`: a selection from the story start up to there covers whole
  // leading pages, even where the text store had to widen it to whole table rows.
  void wentTo(PageStart start) { navigation_ = start; }
  // Where the selection ends when it runs from the story start to the start of a later page
  // (the end of whole leading pages); empty when it does not.
  std::optional<PageStart> wholePagesSelected(const DocumentModel& model,
                                              const QTextCursor& selection) const;
  // Removes the pages before `page` from what is shown.
  void removeBefore(int page);
  // Forgets the navigation and the removal; the number of pages that were removed, whose
  // text the caller now takes out for real.
  int takeRemoved();

 private:
  int removed_ = 0;
  PageStart navigation_;
};

}  // namespace engine
