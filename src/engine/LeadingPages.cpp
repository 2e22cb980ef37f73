// The window of pages that page navigation leaves shown.
#include "engine/LeadingPages.h"

#include <QTextCursor>
#include <algorithm>

#include "engine/PageLayout.h"

namespace engine {

int LeadingPages::shownPageCount(int laidOutPages) const {
  return std::max(1, laidOutPages - removed_);
}

int LeadingPages::storyStart(const DocumentModel& model) const {
  return removed_ > 0 ? std::max(0, pageStartPosition(model, removed_)) : 0;
}

std::optional<LeadingPages::PageStart> LeadingPages::wholePagesSelected(
    const DocumentModel& model, const QTextCursor& selection) const {
  const QTextCursor& c = selection;
  if (c.selectionStart() > storyStart(model)) return std::nullopt;
  const int at = navigation_.position;
  if (navigation_.page > removed_ && c.selectionEnd() >= at &&
      (c.anchor() == at || c.position() == at || c.hasComplexSelection() || tableAt(model, at)))
    return navigation_;
  const int page = pageOfPosition(model, c.selectionEnd());
  if (page > removed_ && pageStartPosition(model, page) == c.selectionEnd())
    return PageStart{page, c.selectionEnd()};
  return std::nullopt;
}

void LeadingPages::removeBefore(int page) {
  removed_ = page;
  navigation_ = {};
}

int LeadingPages::takeRemoved() {
  const int removed = removed_;
  removed_ = 0;
  navigation_ = {};
  return removed;
}

}  // namespace engine
