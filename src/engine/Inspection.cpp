#include "engine/Inspection.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <map>

#include "engine/EngineObjects.h"
#include "engine/PageLayout.h"

namespace engine {
namespace {

const DocPtr& stateOf(const word::Ref<word::Document>& document) {
  auto* engineDocument = dynamic_cast<EngineDocument*>(document.get());
  if (!engineDocument)
    throw word::AutomationError(QStringLiteral("Not a document of the built-in engine."));
  return engineDocument->state();
}

template <class T>
typename InfoValue<T>::type infoValue(const T& value) {
  return value;
}
template <class T>
std::vector<T> infoValue(const QList<T>& values) {
  return std::vector<T>(values.begin(), values.end());
}

RunInfo runInfo(const QString& text, const QTextCharFormat& format) {
  const RunValues v = runValues(format);
  RunInfo run;
  run.text = text;
#define ENGINE_RUN_INFO(type, member, init) run.member = infoValue(v.member);
  ENGINE_RUN_VALUES(ENGINE_RUN_INFO)
#undef ENGINE_RUN_INFO
  return run;
}

TableInfo tableInfo(QTextTable* table) {
  TableInfo t;
  const TableValues v = tableValues(table->format());
  t.rows = table->rows();
  t.columns = table->columns();
  t.columnWidths = infoValue(v.columnWidths);
  t.rowHeights = infoValue(v.rowHeights);
  t.rowHeightRules = infoValue(v.rowHeightRules);
  t.style = v.style;
  t.applyHeadingRows = v.applyHeadingRows;
  t.applyLastRow = v.applyLastRow;
  t.applyFirstColumn = v.applyFirstColumn;
  t.applyLastColumn = v.applyLastColumn;
  t.cells.assign(t.rows, std::vector<CellInfo>(t.columns));
  for (int r = 0; r < t.rows; ++r) {
    for (int c = 0; c < t.columns; ++c) {
      const QTextTableCell cell = table->cellAt(r, c);
      CellInfo& out = t.cells[r][c];
      if (!cell.isValid()) continue;
      if (cell.row() != r || cell.column() != c) {
        out.coveredByMerge = true;
        continue;
      }
      out.rowSpan = cell.rowSpan();
      out.columnSpan = cell.columnSpan();
      QTextCursor cursor = cell.firstCursorPosition();
      cursor.setPosition(cell.lastPosition(), QTextCursor::KeepAnchor);
      out.text = cursor.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\r'));
      const CellValues cv = cellValues(cell.format().toTableCellFormat());
      out.shaded = cv.shaded;
      out.backgroundColor = cv.backgroundColor;
      QTextCursor first = cell.firstCursorPosition();
      first.movePosition(QTextCursor::NextCharacter);
      out.bold = runValues(cell.lastPosition() > cell.firstPosition()
                               ? first.charFormat()
                               : cell.firstCursorPosition().block().charFormat())
                     .bold;
    }
  }
  return t;
}

}  // namespace

DocumentInfo inspect(const DocumentModel& model) {
  DocumentInfo info;
  QTextDocument* doc = model.text();
  settleLayout(model);  // the structure and layout read below are up to date
  std::map<const QTextTable*, int> tableIndex;
  for (QTextFrame* frame : doc->rootFrame()->childFrames()) {
    auto* table = qobject_cast<QTextTable*>(frame);
    if (!table) continue;
    tableIndex[table] = int(info.tables.size());
    info.tables.push_back(tableInfo(table));
  }

  int section = 1;
  for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
    ParagraphInfo p;
    const ParagraphValues v = paragraphValues(b.blockFormat());
    if (v.sectionStart && b != doc->begin()) ++section;
    p.text = b.text();
#define ENGINE_PARAGRAPH_INFO(type, member, init, id) p.member = infoValue(v.member);
    ENGINE_PARAGRAPH_VALUES(ENGINE_PARAGRAPH_INFO)
#undef ENGINE_PARAGRAPH_INFO
    p.section = section;
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (fragment.isValid()) p.runs.push_back(runInfo(fragment.text(), fragment.charFormat()));
    }
    QTextCursor at(b);
    if (QTextTable* table = at.currentTable()) {
      const QTextTableCell cell = table->cellAt(b.position());
      auto found = tableIndex.find(table);
      if (found != tableIndex.end()) p.table = found->second;
      p.row = cell.row();
      p.column = cell.column();
    }
    info.paragraphs.push_back(std::move(p));
  }
  info.sections = section;
  info.headerPageNumbers = model.header.pageNumbers;
  info.pageNumberAlignment = model.header.alignment;
  info.pageNumberOnFirstPage = model.header.firstPage;
  info.pageCount = pageCount(model);
  return info;
}

DocumentInfo inspect(const word::Ref<word::Document>& document) {
  const DocPtr& state = stateOf(document);
  state->ensureOpen();
  DocumentInfo info = inspect(state->model);
  info.pageCount = state->leadingPages.shownPageCount(info.pageCount);
  return info;
}

QPicture drawPage(const word::Ref<word::Document>& document, int page) {
  const DocPtr& state = stateOf(document);
  state->ensureOpen();
  return drawPage(state->model, page);
}

const DocumentModel& documentModel(const word::Ref<word::Document>& document) {
  const DocPtr& state = stateOf(document);
  state->ensureOpen();
  return state->model;
}

}  // namespace engine
