// A read-only view of a document made by the built-in engine, for tests and tools: its
// paragraphs with their runs and formats, its tables and its sections.
#pragma once

#include <QPicture>
#include <QString>
#include <vector>

#include "engine/DocumentModel.h"
#include "word/WordObjects.h"

namespace engine {

// A value as Inspection shows it: lists as std::vector.
template <class T>
struct InfoValue {
  using type = T;
};
template <class T>
struct InfoValue<QList<T>> {
  using type = std::vector<T>;
};

// A run's text and its Word values (WordValues.h); the font name as set through the object
// model ("Garamond"), not the substitute.
struct RunInfo {
  QString text;
#define ENGINE_RUN_INFO(T, member, init) InfoValue<T>::type member{};
  ENGINE_RUN_VALUES(ENGINE_RUN_INFO)
#undef ENGINE_RUN_INFO
};

// A paragraph's text, runs and Word values (WordValues.h), and where it lies.
struct ParagraphInfo {
  QString text;  // the paragraph's text without its mark; tabs as '\t'
  std::vector<RunInfo> runs;
#define ENGINE_PARAGRAPH_INFO(T, member, init, id) InfoValue<T>::type member{};
  ENGINE_PARAGRAPH_VALUES(ENGINE_PARAGRAPH_INFO)
#undef ENGINE_PARAGRAPH_INFO
  int section = 1;            // 1-based section the paragraph belongs to
  int table = -1;             // index into DocumentInfo::tables, -1 outside tables
  int row = -1, column = -1;  // 0-based cell of that table
};

struct CellInfo {
  QString text;
  bool bold = false;
  bool shaded = false;
  long backgroundColor = 0;  // Word colour value (BGR) when shaded
  int rowSpan = 1, columnSpan = 1;
  bool coveredByMerge = false;  // part of a merged cell whose text is elsewhere
};

struct TableInfo {
  int rows = 0, columns = 0;
  std::vector<double> columnWidths;  // points
  std::vector<double> rowHeights;    // points
  std::vector<int> rowHeightRules;   // Word's WdRowHeightRule
  QString style;
  bool applyHeadingRows = false, applyLastRow = false, applyFirstColumn = false,
       applyLastColumn = false;
  std::vector<std::vector<CellInfo>> cells;  // [row][column]
};

struct DocumentInfo {
  std::vector<ParagraphInfo> paragraphs;  // in document order, table cells included
  std::vector<TableInfo> tables;
  int sections = 1;
  bool headerPageNumbers = false;
  int pageNumberAlignment = 0;
  bool pageNumberOnFirstPage = false;
  int pageCount = 0;
};

// Throws word::AutomationError when the document is not one of the built-in engine's.
// The page count leaves out pages that page navigation removed.
DocumentInfo inspect(const word::Ref<word::Document>& document);
DocumentInfo inspect(const DocumentModel& model);

// Page `page` (0-based) of the document as laid out now, drawn as Range.CopyAsPicture
// draws it: a picture in points whose bounding rectangle is the whole page. Pages that
// navigation removed still count, so page n is the n-th page before any removal.
QPicture drawPage(const word::Ref<word::Document>& document, int page);

// The model behind an engine document (for saving and comparing in tests).
const DocumentModel& documentModel(const word::Ref<word::Document>& document);

}  // namespace engine
