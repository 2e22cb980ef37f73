// Pages of a laid-out document: how many, where each starts, and each page drawn as a
// vector picture.
//
// Picture coordinates are points: a page picture's bounding rectangle is exactly the page
// (0, 0, 612, 792 for US Letter), its background painted white, the body and the header
// (with its page number) drawn as laid out.
#pragma once

#include <QPicture>

#include "engine/DocumentModel.h"

namespace engine {

// Layout is a cached result of the document, not a side effect of each edit: edits go
// into one edit block that stays open, so Qt lays nothing out while they come in. Anything
// that reads Qt's layout, or the table structure after a table went in or out, first
// brings the layout up to date through one of these. They take the document as const:
// they change only its layout cache (DocumentModel::layoutCache), never a Word value.
// `flushEdits` and `forgetLayout`, which the model uses itself, are declared with it.

// Lays the document out where it changed, rows with set heights included (their padding
// is worked out again only from the first change on). Answers at once when nothing
// changed since the last time.
void settleLayout(const DocumentModel& model);
// Brings the layout up to date for moves by visual line and keeps the edit block closed
// while it lives (Qt's cursor reads the layout only outside an edit block). A document
// already laid out on pages is settled; one that is not gets only its lines, in one
// column, without page breaks or row paddings (they do not change where lines break).
class SettledLayout {
 public:
  explicit SettledLayout(const DocumentModel& model);
  ~SettledLayout();
  SettledLayout(const SettledLayout&) = delete;
  SettledLayout& operator=(const SettledLayout&) = delete;

 private:
  const DocumentModel& model_;
};
// Where one move by visual line from the position in a table goes, when the table grid
// answers it without a layout: from the first line of the cell's first paragraph (up) or
// the last line of its last (down) into the empty paragraph that Qt's move reaches (the
// next cell of the column, or the paragraph beside the table). -1 when only the layout
// can tell.
int lineMoveInTable(const DocumentModel& model, int position, bool down);
// The paragraph lies in a table cell and certainly fits one line of it (measured alone,
// with room to spare).
bool cellParagraphFitsOneLine(const DocumentModel& model, const QTextBlock& block);

// The version of the text: it goes up with every change Qt reports of it (text, formats,
// tables; the row paddings the layout makes are not changes). An equal version is an
// unchanged text.
qint64 textVersion(const DocumentModel& model);

// Forgets only where bullets are drawn and how (a list template changed).
void forgetBullets(const DocumentModel& model);
// The number of pages (at least 1).
int pageCount(const DocumentModel& model);
// The 0-based page on which the text position lies.
int pageOfPosition(const DocumentModel& model, int position);
// The first text position laid out on the 0-based page, or -1 past the last page
// (constant time once the layout is settled).
int pageStartPosition(const DocumentModel& model, int page);
// The 0-based page drawn; an index outside the document gives a blank page.
QPicture drawPage(const DocumentModel& model, int page);

}  // namespace engine
