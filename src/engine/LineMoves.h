// Moves by visual line (Up, Down, Home and End by line) answered without laying the
// document out: from a copy of the part of the document the moves cross, laid out alone.
//
// A paragraph's lines depend only on the paragraph and the width it is given, a table's on
// the table and the page's text width: the copy breaks its lines exactly where the whole
// document would. The moves are Qt's cursor moves, made on the copy (Up and Down as
// QTextCursor makes them, with the x it keeps between them).
#pragma once

#include <QTextCursor>
#include <memory>
#include <optional>

#include "engine/DocumentModel.h"

namespace engine {

class LineCopy {
 public:
  explicit LineCopy(const DocumentModel& model);
  ~LineCopy();
  LineCopy(const LineCopy&) = delete;
  LineCopy& operator=(const LineCopy&) = delete;

  // One move by visual line of `cursor` (a cursor on the model's text), as QTextCursor's
  // Up or Down would make it with the document laid out. `x` is the x the cursor keeps
  // between such moves: worked out where the cursor stands when there is none, and kept.
  // Answers whether the cursor moved, or nothing (the cursor untouched) when the copy
  // cannot tell exactly what Qt's move would do.
  std::optional<bool> step(QTextCursor& cursor, bool down, bool extend, std::optional<qreal>& x);

  // Home or End by line (StartOfLine, EndOfLine) of `cursor`; `x` becomes the x Qt's cursor
  // keeps after it. False, with the cursor untouched, when the copy cannot tell.
  bool lineEdge(QTextCursor& cursor, bool end, bool extend, std::optional<qreal>& x);

  // The x Qt's cursor keeps when it is set at the position with the document laid out.
  std::optional<qreal> xAt(int position);

 private:
  struct Copy;
  // Which way the copy reaches `reach_` paragraphs or tables beyond the positions it holds.
  enum class Reach { None, Up, Down, Both };
  bool cover(int anchor, int position, Reach reach);
  // Up or down from a one-line paragraph at a cell's edge into the one-line paragraph of
  // the cell above or below, as Qt's move lands there: answered without a copy.
  std::optional<int> betweenOneLineCells(int position, bool down, std::optional<qreal>& x) const;

  const DocumentModel& model_;
  std::unique_ptr<Copy> copy_;
  int reach_ = 2;
};

}  // namespace engine
