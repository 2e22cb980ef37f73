#include "DocxTestDocuments.h"

#include <QDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <cmath>
#include <variant>

#include "word/WordConstants.h"

namespace docx_test {

using namespace engine;

ModelBuilder::ModelBuilder(DocumentModel& model) : model_(model) {}

void ModelBuilder::paragraph(const ParagraphValues& values, const std::vector<Run>& runs,
                             const RunValues& mark) {
  QTextCursor cursor(model_.text());
  cursor.movePosition(QTextCursor::End);
  QTextBlockFormat blockFormat;
  setParagraphValues(blockFormat, values);
  QTextCharFormat markFormat;
  setRunValues(markFormat, mark);
  if (reuseBlock_) {
    cursor.setBlockFormat(blockFormat);
    cursor.setBlockCharFormat(markFormat);
    reuseBlock_ = false;
  } else {
    cursor.insertBlock(blockFormat, markFormat);
  }
  for (const auto& [values, text] : runs) {
    QTextCharFormat format;
    setRunValues(format, values);
    cursor.insertText(text, format);
  }
}

QTextTable* ModelBuilder::table(const TableValues& values, int rows, int columns,
                                const std::function<QString(int, int)>& text,
                                const RunValues& runValues) {
  QTextCursor cursor(model_.text());
  cursor.movePosition(QTextCursor::End);
  QTextTableFormat format;
  setTableValues(format, values);
  // One edit block: the layout catches up once, not after every cell.
  cursor.beginEditBlock();
  QTextTable* table = cursor.insertTable(rows, columns, format);
  ParagraphValues cellParagraph = DocumentModel::normalParagraph();
  cellParagraph.spaceAfter = 0;
  cellParagraph.lineSpacingRule = word::wdLineSpaceSingle;
  cellParagraph.lineSpacing = 12;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      QTextCursor cellCursor = table->cellAt(r, c).firstCursorPosition();
      QTextBlockFormat blockFormat;
      setParagraphValues(blockFormat, cellParagraph);
      QTextCharFormat charFormat;
      setRunValues(charFormat, runValues);
      cellCursor.setBlockFormat(blockFormat);
      cellCursor.setBlockCharFormat(charFormat);
      const QString content = text(r, c);
      if (!content.isEmpty()) cellCursor.insertText(content, charFormat);
    }
  }
  cursor.endEditBlock();
  reuseBlock_ = true;
  return table;
}

RunValues run(bool bold, double size, const QString& font) {
  RunValues values;
  values.bold = bold;
  values.size = size;
  values.fontName = font;
  return values;
}

ParagraphValues planParagraph(int alignment) {
  ParagraphValues values = DocumentModel::normalParagraph();
  values.alignment = alignment;
  values.lineSpacingRule = word::wdLineSpaceMultiple;
  values.lineSpacing = 1.3 * kPointsPerLine;
  return values;
}

ListTemplateDefinition bulletTemplate(const QString& name, const QString& bullet,
                                      const QString& font) {
  ListTemplateDefinition tmpl;
  tmpl.name = name;
  ListLevelDefinition& level = tmpl.levels[0];
  level.numberFormat = bullet;
  level.trailingCharacter = word::wdTrailingTab;
  level.numberStyle = word::wdListNumberStyleBullet;
  level.numberPosition = 0.25 * kPointsPerInch;
  level.alignment = word::wdListLevelAlignLeft;
  level.textPosition = 0.5 * kPointsPerInch;
  level.tabPosition = 0.5 * kPointsPerInch;
  level.resetOnHigher = 0;
  level.startAt = 1;
  level.font.name = font;
  level.linkedStyle = QString();
  level.defined = true;
  return tmpl;
}

namespace {

ParagraphValues inList(ParagraphValues values, const DocumentModel& model, const QString& name,
                       int level) {
  const ListTemplateDefinition* tmpl = model.findListTemplate(name);
  const ListLevelDefinition definition = effectiveListLevel(*tmpl, level);
  values.listTemplate = name;
  values.listLevel = level;
  values.leftIndent = definition.textPosition;
  values.firstLineIndent = definition.numberPosition - definition.textPosition;
  return values;
}

}  // namespace

DocumentModel samplePlan() {
  DocumentModel model;
  model.header.pageNumbers = true;
  model.header.alignment = word::wdAlignPageNumberRight;
  model.header.firstPage = true;
  model.listTemplates.push_back(bulletTemplate(
      QStringLiteral("my list1"), QString(QChar(word::kSymbolBullet)), QStringLiteral("Symbol")));
  model.listTemplates.push_back(bulletTemplate(QStringLiteral("my list2"), QStringLiteral("o"),
                                               QStringLiteral("Courier New")));

  ModelBuilder build(model);
  ParagraphValues title = planParagraph(word::wdAlignParagraphCenter);
  build.paragraph(title, {{run(true, 20), QStringLiteral("Business Plan")}}, run(true, 20));
  build.paragraph(title, {{run(true, 14), QStringLiteral("Harbour & Sons <Ltd>")}});
  // A table of contents line: tab stops and a dot leader typed as text.
  ParagraphValues contents = planParagraph();
  contents.tabStops = {36.0, 432.0};
  contents.spaceBeforeAuto = true;
  contents.spaceAfterAuto = true;
  build.paragraph(contents, {{run(false, 11), QStringLiteral("I.\tIntroduction\t........ 1")},
                             {run(true, 11), QStringLiteral("  (bold tail)")}});
  build.paragraph(planParagraph(), {}, run(true, 14));  // an empty paragraph keeps its mark

  ParagraphValues section = planParagraph(word::wdAlignParagraphCenter);
  section.sectionStart = true;
  build.paragraph(section, {{run(true, 16), QStringLiteral("II.\tExecutive Summary")}});
  build.paragraph(planParagraph(),
                  {{run(false, 11), QStringLiteral("Facts about your industry:")}});
  const ParagraphValues body = planParagraph();
  build.paragraph(inList(body, model, QStringLiteral("my list1"), 1),
                  {{run(false, 11), QStringLiteral("Who are your customers?")}});
  build.paragraph(inList(body, model, QStringLiteral("my list1"), 2),
                  {{run(false, 11), QStringLiteral("Where do they live?")}});
  build.paragraph(inList(body, model, QStringLiteral("my list2"), 1),
                  {{run(false, 11), QStringLiteral("Hollow bullet item")}});
  build.paragraph(inList(body, model, QStringLiteral("my list2"), 2),
                  {{run(false, 11), QStringLiteral("Second level, hollow")}});
  build.paragraph(body, {{run(false, 11), QStringLiteral("After the lists.")}});

  TableValues wide;
  wide.style = QStringLiteral("Table Grid");
  wide.applyHeadingRows = true;
  wide.applyFirstColumn = true;
  for (int c = 0; c < 7; ++c) wide.columnWidths.append(c == 0 ? 100.0 : 60.0);
  for (int r = 0; r < 15; ++r) {
    wide.rowHeights.append(r == 0 ? 30.0 : 18.0);
    wide.rowHeightRules.append(word::wdRowHeightAtLeast);
  }
  QTextTable* table = build.table(wide, 15, 7, [](int r, int c) {
    return r == 0 ? QStringLiteral("Head %1").arg(c) : QStringLiteral("%1/%2").arg(r).arg(c);
  });
  for (int c = 0; c < 7; ++c) {
    QTextTableCell cell = table->cellAt(0, c);
    QTextTableCellFormat format = cell.format().toTableCellFormat();
    CellValues shading;
    shading.shaded = true;
    shading.texture = word::wdTextureNone;
    shading.foregroundColor = word::wdColorAutomatic;
    shading.backgroundColor = word::wdColorGray25;
    setCellValues(format, shading);
    cell.setFormat(format);
  }
  build.paragraph(body, {{run(false, 11), QStringLiteral("Between the tables.")}});

  TableValues small;
  small.style = QStringLiteral("Table Grid");
  small.applyHeadingRows = false;
  small.applyFirstColumn = false;
  small.applyLastRow = true;
  small.columnWidths = {150.0, 300.0};
  small.rowHeights = {0, 0, 0, 0};
  small.rowHeightRules = {0, 0, 0, 0};
  QTextTable* merged = build.table(small, 4, 2, [](int r, int c) {
    if (c == 0 && r == 2) return QString();
    return QStringLiteral("cell %1 %2").arg(r).arg(c);
  });
  merged->mergeCells(1, 0, 2, 1);
  // A section ends in a paragraph of its own after a table, as in Word.
  build.paragraph(body, {});

  ParagraphValues third = planParagraph();
  third.sectionStart = true;
  build.paragraph(third, {{run(true, 16), QStringLiteral("III.\tLast Section")}});
  return model;
}

// ---- comparison ----

namespace {

using Item = std::variant<QTextBlock, QTextTable*>;

std::vector<Item> items(QTextFrame* frame) {
  std::vector<Item> out;
  for (auto it = frame->begin(); !it.atEnd(); ++it) {
    if (auto* table = qobject_cast<QTextTable*>(it.currentFrame()))
      out.emplace_back(table);
    else if (!it.currentFrame())
      out.emplace_back(it.currentBlock());
  }
  return out;
}

bool near(double a, double b) { return std::fabs(a - b) <= 0.051; }

template <class... Compare>
struct overloaded : Compare... {
  using Compare::operator()...;
};
template <class... Compare>
overloaded(Compare...) -> overloaded<Compare...>;

QString describe(const RunValues& r) {
  return QStringLiteral("[%1 %2 %3]").arg(r.bold ? "bold" : "plain").arg(r.size).arg(r.fontName);
}

std::vector<Run> mergedRuns(const QTextBlock& block) {
  std::vector<Run> runs;
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    const RunValues values = runValues(it.fragment().charFormat());
    if (!runs.empty() && runs.back().first.bold == values.bold &&
        runs.back().first.size == values.size && runs.back().first.fontName == values.fontName)
      runs.back().second += it.fragment().text();
    else
      runs.emplace_back(values, it.fragment().text());
  }
  return runs;
}

void compareParagraphs(const QString& where, const QTextBlock& a, const QTextBlock& b,
                       QStringList& out) {
  ParagraphValues p = paragraphValues(a.blockFormat()), q = paragraphValues(b.blockFormat());
  // Whether an indent is the paragraph's own or its list level's tells only in a list.
  for (ParagraphValues* v : {&p, &q})
    if (v->listTemplate.isEmpty()) v->leftIndentDirect = v->firstLineIndentDirect = false;
  auto field = [&](const char* name, const QString& x, const QString& y) {
    if (x != y) out << QStringLiteral("%1 %2: %3 != %4").arg(where, QLatin1String(name), x, y);
  };
  auto number = [&](const char* name, double x, double y) {
    if (!near(x, y)) field(name, QString::number(x), QString::number(y));
  };
  auto list = [&](const char* name, const QList<double>& x, const QList<double>& y) {
    QStringList shownX, shownY;
    for (double v : x) shownX << QString::number(v);
    for (double v : y) shownY << QString::number(v);
    field(name, shownX.join(','), shownY.join(','));
  };
  // Every paragraph value, from the one list that declares them.
  auto compare =
      overloaded{number, list,
                 [&](const char* name, const QString& x, const QString& y) { field(name, x, y); }};
  field("text", a.text(), b.text());
#define HALVENOR_COMPARE_VALUE(type, member, byDefault, property) \
  compare(#member, p.member, q.member);
  ENGINE_PARAGRAPH_VALUES(HALVENOR_COMPARE_VALUE)
#undef HALVENOR_COMPARE_VALUE
  field("mark", describe(runValues(a.charFormat())), describe(runValues(b.charFormat())));
  QStringList runsA, runsB;
  for (const auto& [values, text] : mergedRuns(a)) runsA << describe(values) + text;
  for (const auto& [values, text] : mergedRuns(b)) runsB << describe(values) + text;
  field("runs", runsA.join('|'), runsB.join('|'));
}

void compareCellParagraphs(const QString& where, const QTextTableCell& a, const QTextTableCell& b,
                           QStringList& out) {
  std::vector<QTextBlock> blocksA, blocksB;
  for (auto it = a.begin(); !it.atEnd(); ++it)
    if (!it.currentFrame()) blocksA.push_back(it.currentBlock());
  for (auto it = b.begin(); !it.atEnd(); ++it)
    if (!it.currentFrame()) blocksB.push_back(it.currentBlock());
  if (blocksA.size() != blocksB.size()) {
    out << QStringLiteral("%1 paragraph count: %2 != %3")
               .arg(where)
               .arg(blocksA.size())
               .arg(blocksB.size());
    return;
  }
  for (size_t i = 0; i < blocksA.size(); ++i)
    compareParagraphs(QStringLiteral("%1 paragraph %2").arg(where).arg(i), blocksA[i], blocksB[i],
                      out);
}

void compareTables(const QString& where, QTextTable* a, QTextTable* b, QStringList& out) {
  if (a->rows() != b->rows() || a->columns() != b->columns()) {
    out << QStringLiteral("%1 size: %2x%3 != %4x%5")
               .arg(where)
               .arg(a->rows())
               .arg(a->columns())
               .arg(b->rows())
               .arg(b->columns());
    return;
  }
  const TableValues p = tableValues(a->format()), q = tableValues(b->format());
  auto list = [](const QList<double>& values) {
    QStringList text;
    for (double v : values) text << QString::number(v);
    return text.join(',');
  };
  auto intList = [](const QList<int>& values) {
    QStringList text;
    for (int v : values) text << QString::number(v);
    return text.join(',');
  };
  auto field = [&](const char* name, const QString& x, const QString& y) {
    if (x != y) out << QStringLiteral("%1 %2: %3 != %4").arg(where, QLatin1String(name), x, y);
  };
  field("style", p.style, q.style);
  field("options",
        QStringLiteral("%1%2%3%4")
            .arg(p.applyHeadingRows)
            .arg(p.applyLastRow)
            .arg(p.applyFirstColumn)
            .arg(p.applyLastColumn),
        QStringLiteral("%1%2%3%4")
            .arg(q.applyHeadingRows)
            .arg(q.applyLastRow)
            .arg(q.applyFirstColumn)
            .arg(q.applyLastColumn));
  // Widths are kept to the twip (1/20 point).
  bool sameWidths = p.columnWidths.size() == q.columnWidths.size();
  for (int i = 0; sameWidths && i < p.columnWidths.size(); ++i)
    sameWidths = near(p.columnWidths[i], q.columnWidths[i]);
  if (!sameWidths) field("columnWidths", list(p.columnWidths), list(q.columnWidths));
  // Automatic rows carry no height in the file.
  QList<double> heightsA = p.rowHeights, heightsB = q.rowHeights;
  for (int i = 0; i < heightsA.size(); ++i)
    if (i < p.rowHeightRules.size() && p.rowHeightRules[i] == 0) heightsA[i] = 0;
  field("rowHeights", list(heightsA), list(heightsB));
  field("rowHeightRules", intList(p.rowHeightRules), intList(q.rowHeightRules));
  for (int r = 0; r < a->rows(); ++r) {
    for (int c = 0; c < a->columns(); ++c) {
      const QTextTableCell x = a->cellAt(r, c), y = b->cellAt(r, c);
      const QString cell = QStringLiteral("%1 cell %2,%3").arg(where).arg(r).arg(c);
      field(qPrintable(cell + QStringLiteral(" span")),
            QStringLiteral("%1,%2 %3x%4")
                .arg(x.row())
                .arg(x.column())
                .arg(x.rowSpan())
                .arg(x.columnSpan()),
            QStringLiteral("%1,%2 %3x%4")
                .arg(y.row())
                .arg(y.column())
                .arg(y.rowSpan())
                .arg(y.columnSpan()));
      if (x.row() != r || x.column() != c) continue;
      const CellValues u = cellValues(x.format().toTableCellFormat()),
                       v = cellValues(y.format().toTableCellFormat());
      field(qPrintable(cell + QStringLiteral(" shading")),
            QStringLiteral("%1 %2 %3 %4")
                .arg(u.shaded)
                .arg(u.texture)
                .arg(u.foregroundColor)
                .arg(u.backgroundColor),
            QStringLiteral("%1 %2 %3 %4")
                .arg(v.shaded)
                .arg(v.texture)
                .arg(v.foregroundColor)
                .arg(v.backgroundColor));
      compareCellParagraphs(cell, x, y, out);
    }
  }
}

QString describeLevel(const ListLevelDefinition& l) {
  const ListLevelFont& f = l.font;
  return QStringLiteral("%1 trail%2 style%3 num%4 align%5 text%6 tab%7 reset%8 start%9 ")
             .arg(l.numberFormat)
             .arg(l.trailingCharacter)
             .arg(l.numberStyle)
             .arg(l.numberPosition)
             .arg(l.alignment)
             .arg(l.textPosition)
             .arg(l.tabPosition)
             .arg(l.resetOnHigher)
             .arg(l.startAt) +
         QStringLiteral("linked'%1' font'%2' b%3 i%4 size%5 color%6 u%7 defined%8")
             .arg(l.linkedStyle, f.name)
             .arg(f.bold)
             .arg(f.italic)
             .arg(f.size)
             .arg(f.color)
             .arg(f.underline)
             .arg(l.defined);
}

}  // namespace

QStringList differences(const DocumentModel& expected, const DocumentModel& actual) {
  QStringList out;
  const PageSetup &p = expected.page, &q = actual.page;
  const double pageA[] = {p.pageWidth,      p.pageHeight,     p.topMargin,
                          p.bottomMargin,   p.leftMargin,     p.rightMargin,
                          p.headerDistance, p.footerDistance, p.defaultTabStop};
  const double pageB[] = {q.pageWidth,      q.pageHeight,     q.topMargin,
                          q.bottomMargin,   q.leftMargin,     q.rightMargin,
                          q.headerDistance, q.footerDistance, q.defaultTabStop};
  for (size_t i = 0; i < std::size(pageA); ++i)
    if (!near(pageA[i], pageB[i]))
      out << QStringLiteral("page value %1: %2 != %3").arg(i).arg(pageA[i]).arg(pageB[i]);
  if (expected.header.pageNumbers != actual.header.pageNumbers ||
      expected.header.alignment != actual.header.alignment ||
      expected.header.firstPage != actual.header.firstPage)
    out << QStringLiteral("header differs");

  if (expected.listTemplates.size() != actual.listTemplates.size()) {
    out << QStringLiteral("list template count: %1 != %2")
               .arg(expected.listTemplates.size())
               .arg(actual.listTemplates.size());
  } else {
    for (size_t i = 0; i < expected.listTemplates.size(); ++i) {
      const auto &a = expected.listTemplates[i], &b = actual.listTemplates[i];
      if (a.name != b.name)
        out << QStringLiteral("list template %1 name: %2 != %3").arg(i).arg(a.name, b.name);
      for (int level = 1; level <= 9; ++level) {
        const QString x = describeLevel(effectiveListLevel(a, level));
        const QString y = describeLevel(effectiveListLevel(b, level));
        if (x != y)
          out << QStringLiteral("list %1 level %2: %3 != %4").arg(a.name).arg(level).arg(x, y);
      }
    }
  }

  const std::vector<Item> a = items(expected.text()->rootFrame());
  const std::vector<Item> b = items(actual.text()->rootFrame());
  if (a.size() != b.size())
    out << QStringLiteral("body item count: %1 != %2").arg(a.size()).arg(b.size());
  for (size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
    const QString where = QStringLiteral("item %1").arg(i);
    if (a[i].index() != b[i].index()) {
      out << where + QStringLiteral(": paragraph and table differ");
      continue;
    }
    if (const auto* block = std::get_if<QTextBlock>(&a[i]))
      compareParagraphs(where, *block, std::get<QTextBlock>(b[i]), out);
    else
      compareTables(where, std::get<QTextTable*>(a[i]), std::get<QTextTable*>(b[i]), out);
  }
  return out;
}

QString scratchPath(const QString& name) {
  QString home = QString::fromLocal8Bit(qgetenv("HALVENOR_TEST_HOME"));
  if (home.isEmpty()) home = QDir::tempPath();
  QDir(home).mkpath(QStringLiteral("docx"));
  return home + QStringLiteral("/docx/") + name;
}

}  // namespace docx_test
