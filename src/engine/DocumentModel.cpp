#include "engine/DocumentModel.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/FontSubstitutes.h"
#include "engine/LayoutDevice.h"

namespace engine {

static_assert(prop::kParagraphAlignment == QTextFormat::UserProperty + 1,
              "custom properties must start above Qt's own");

namespace {

// Word's automatic spacing before and after a paragraph.
constexpr double kAutoSpacing = 14.0;
// Word's default cell margins: 0.08 inch left and right.
constexpr double kCellPadding = 5.4;
constexpr double kGridBorder = 0.5;
// Text is set without OpenType shaping (ligatures, contextual forms, kerning), as Word
// sets it by default.
constexpr QFont::StyleStrategy kWordStyleStrategy = QFont::PreferNoShaping;

QList<double> doubleList(const QVariant& value) {
  QList<double> out;
  for (const QVariant& v : value.toList()) out.append(v.toDouble());
  return out;
}

QVariantList variantList(const QList<double>& values) {
  QVariantList out;
  for (double v : values) out.append(v);
  return out;
}

Qt::Alignment qtAlignment(int wordAlignment) {
  switch (wordAlignment) {
    case 1:
      return Qt::AlignHCenter;
    case 2:
      return Qt::AlignRight | Qt::AlignAbsolute;
    case 3:
      return Qt::AlignJustify;
    default:
      return Qt::AlignLeft | Qt::AlignAbsolute;
  }
}

QColor wordColor(long value) {
  if (value < 0 || value > 0xFFFFFF) return QColor();  // automatic
  return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

// The line height by Word's rule, `single` being the font's single line in percent.
void setLineHeight(QTextBlockFormat& f, const ParagraphValues& v, double single) {
  switch (v.lineSpacingRule) {
    case 0:
      f.setLineHeight(single, QTextBlockFormat::ProportionalHeight);
      break;
    case 1:
      f.setLineHeight(1.5 * single, QTextBlockFormat::ProportionalHeight);
      break;
    case 2:
      f.setLineHeight(2 * single, QTextBlockFormat::ProportionalHeight);
      break;
    case 3:
      f.setLineHeight(v.lineSpacing, QTextBlockFormat::MinimumHeight);
      break;
    case 4:
      f.setLineHeight(v.lineSpacing, QTextBlockFormat::FixedHeight);
      break;
    default:
      f.setLineHeight(std::max(1.0, v.lineSpacing / kPointsPerLine * single),
                      QTextBlockFormat::ProportionalHeight);
      break;
  }
}

// Where the text of a list paragraph's first line starts, after the bullet and its
// trailing tab: the next of the level's tab position, the hanging indent, a custom tab
// stop or a default tab stop beyond the bullet.
double listTextStart(const ParagraphValues& v, const ListLevelDefinition& level,
                     const QFont& bulletFont, const PageSetup& page) {
  const double bulletAt = v.leftIndent + v.firstLineIndent;
  const double bulletEnd = bulletAt + QFontMetricsF(bulletFont, layoutDevice())
                                          .horizontalAdvance(displayBullet(level.numberFormat));
  if (level.trailingCharacter == 2) return bulletEnd;
  if (level.trailingCharacter == 1)
    return bulletEnd + QFontMetricsF(bulletFont, layoutDevice()).horizontalAdvance(' ');
  std::vector<double> candidates;
  if (level.tabPosition != kUndefined && level.tabPosition > bulletEnd)
    candidates.push_back(level.tabPosition);
  if (v.leftIndent > bulletEnd) candidates.push_back(v.leftIndent);
  for (double t : v.tabStops)
    if (t > bulletEnd) candidates.push_back(t);
  if (!candidates.empty()) return *std::min_element(candidates.begin(), candidates.end());
  const double step = page.defaultTabStop > 0 ? page.defaultTabStop : 36;
  return (std::floor(bulletEnd / step) + 1) * step;
}

}  // namespace

ListLevelDefinition effectiveListLevel(const ListTemplateDefinition& tmpl, int level) {
  const int index = std::clamp(level, 1, kListLevels) - 1;
  if (tmpl.levels[index].defined) return tmpl.levels[index];
  ListLevelDefinition out = tmpl.levels[0];
  if (!out.defined) {
    // A template nobody defined: Word's plain bullet.
    out.numberFormat = QString(QChar(0xF0B7));
    out.font.name = QStringLiteral("Symbol");
    out.numberPosition = 18;
    out.textPosition = 36;
    out.tabPosition = kUndefined;
  }
  const double shift = 36.0 * index;
  out.numberPosition += shift;
  out.textPosition += shift;
  if (out.tabPosition != kUndefined) out.tabPosition += shift;
  out.defined = false;
  return out;
}

QFont listBulletFont(const ListLevelDefinition& level, const RunValues& text) {
  installFontSubstitutes();
  const QString family = level.font.name.isEmpty() ? text.fontName : level.font.name;
  QFont font(family);
  const double size =
      level.font.size == kUndefined || level.font.size <= 0 ? text.size : level.font.size;
  font.setPointSizeF(size > 0 ? size : 11);
  const bool bold = level.font.bold == kUndefined ? text.bold : level.font.bold != 0;
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

void applyListLevelIndents(const DocumentModel& model, ParagraphValues& v) {
  if (v.listTemplate.isEmpty()) return;
  const ListTemplateDefinition* tmpl = model.findListTemplate(v.listTemplate);
  if (!tmpl) return;
  const ListLevelDefinition level = effectiveListLevel(*tmpl, v.listLevel);
  if (!v.leftIndentDirect) v.leftIndent = level.textPosition;
  if (!v.firstLineIndentDirect) v.firstLineIndent = level.numberPosition - level.textPosition;
}

namespace {

// How a value of each type is kept as a custom format property.
template <class T>
struct FormatProperty;
template <>
struct FormatProperty<int> {
  static int get(const QTextFormat& f, int id) { return f.intProperty(id); }
  static QVariant stored(int v) { return v; }
};
template <>
struct FormatProperty<double> {
  static double get(const QTextFormat& f, int id) { return f.doubleProperty(id); }
  static QVariant stored(double v) { return v; }
};
template <>
struct FormatProperty<bool> {
  static bool get(const QTextFormat& f, int id) { return f.boolProperty(id); }
  static QVariant stored(bool v) { return v; }
};
template <>
struct FormatProperty<QString> {
  static QString get(const QTextFormat& f, int id) { return f.stringProperty(id); }
  static QVariant stored(const QString& v) { return v; }
};
template <>
struct FormatProperty<QList<double>> {
  static QList<double> get(const QTextFormat& f, int id) { return doubleList(f.property(id)); }
  static QVariant stored(const QList<double>& v) { return variantList(v); }
};

// A level without a template is no level; a template without one is at level 1.
int listLevelIn(const ParagraphValues& v) {
  return v.listTemplate.isEmpty() ? 0 : std::clamp(v.listLevel, 1, kListLevels);
}

// The values as the model keeps them: tab stops in order, a list level only in a list.
ParagraphValues normalized(ParagraphValues v) {
  std::sort(v.tabStops.begin(), v.tabStops.end());
  v.listLevel = listLevelIn(v);
  return v;
}

}  // namespace

ParagraphValues paragraphValues(const QTextBlockFormat& f) {
  ParagraphValues v = DocumentModel::normalParagraph();
#define ENGINE_READ_PARAGRAPH(type, member, init, id) \
  if (f.hasProperty(prop::id)) v.member = FormatProperty<type>::get(f, prop::id);
  ENGINE_PARAGRAPH_VALUES(ENGINE_READ_PARAGRAPH)
#undef ENGINE_READ_PARAGRAPH
  v.listLevel = listLevelIn(v);
  return v;
}

void setParagraphValues(QTextBlockFormat& f, const ParagraphValues& values) {
  const ParagraphValues v = normalized(values);
#define ENGINE_WRITE_PARAGRAPH(type, member, init, id) \
  f.setProperty(prop::id, FormatProperty<type>::stored(v.member));
  ENGINE_PARAGRAPH_VALUES(ENGINE_WRITE_PARAGRAPH)
#undef ENGINE_WRITE_PARAGRAPH
}

bool PageSetup::operator==(const PageSetup& o) const {
  return pageWidth == o.pageWidth && pageHeight == o.pageHeight && topMargin == o.topMargin &&
         bottomMargin == o.bottomMargin && leftMargin == o.leftMargin &&
         rightMargin == o.rightMargin && headerDistance == o.headerDistance &&
         footerDistance == o.footerDistance && defaultTabStop == o.defaultTabStop;
}

bool HeaderSettings::operator==(const HeaderSettings& o) const {
  return pageNumbers == o.pageNumbers && alignment == o.alignment && firstPage == o.firstPage;
}

bool ListLevelFont::operator==(const ListLevelFont& o) const {
#define ENGINE_SAME_LIST_FONT(member, Member) \
  if (member != o.member) return false;
  ENGINE_LIST_FONT_VALUES(ENGINE_SAME_LIST_FONT)
#undef ENGINE_SAME_LIST_FONT
  return size == o.size && name == o.name;
}

bool ListLevelDefinition::operator==(const ListLevelDefinition& o) const {
  return numberFormat == o.numberFormat && trailingCharacter == o.trailingCharacter &&
         numberStyle == o.numberStyle && numberPosition == o.numberPosition &&
         alignment == o.alignment && textPosition == o.textPosition &&
         tabPosition == o.tabPosition && resetOnHigher == o.resetOnHigher && startAt == o.startAt &&
         linkedStyle == o.linkedStyle && font == o.font && defined == o.defined;
}

bool ListTemplateDefinition::operator==(const ListTemplateDefinition& o) const {
  return name == o.name && outlineNumbered == o.outlineNumbered && levels == o.levels;
}

bool ParagraphValues::operator==(const ParagraphValues& other) const {
#define ENGINE_SAME_PARAGRAPH(type, member, init, id) \
  if (!(member == other.member)) return false;
  ENGINE_PARAGRAPH_VALUES(ENGINE_SAME_PARAGRAPH)
#undef ENGINE_SAME_PARAGRAPH
  return true;
}

bool RunValues::operator==(const RunValues& other) const {
#define ENGINE_SAME_RUN(type, member, init) \
  if (!(member == other.member)) return false;
  ENGINE_RUN_VALUES(ENGINE_SAME_RUN)
#undef ENGINE_SAME_RUN
  return true;
}

RunValues runValues(const QTextCharFormat& f) {
  RunValues v = DocumentModel::normalRun();
  if (f.hasProperty(QTextFormat::FontWeight)) v.bold = f.fontWeight() >= QFont::Bold;
  if (f.hasProperty(QTextFormat::FontPointSize)) v.size = f.fontPointSize();
  if (f.hasProperty(prop::kFontName)) v.fontName = f.stringProperty(prop::kFontName);
  return v;
}

void setRunValues(QTextCharFormat& f, const RunValues& v) {
  f.setFontWeight(v.bold ? QFont::Bold : QFont::Normal);
  f.setFontPointSize(v.size);
  f.setProperty(prop::kFontName, v.fontName);
  f.setFontFamilies(QStringList{v.fontName});
  f.setFontHintingPreference(QFont::PreferNoHinting);
  // Letters are set one glyph each, as Word sets them unless told otherwise: no
  // ligatures or contextual forms, whose glyphs carry no letters into a PDF's text ("fi"
  // would be searched as "i").
  f.setFontStyleStrategy(kWordStyleStrategy);
  // Where a substitute of other widths draws the named font, its advances are stretched
  // to the named font's so that lines break where Word's do.
  const double widthScale = wordWidthScale(v.fontName);
  if (widthScale != 1.0) {
    f.setFontLetterSpacingType(QFont::PercentageSpacing);
    f.setFontLetterSpacing(100.0 * widthScale);
  } else if (f.hasProperty(QTextFormat::FontLetterSpacing)) {
    f.clearProperty(QTextFormat::FontLetterSpacing);
    f.clearProperty(QTextFormat::FontLetterSpacingType);
  }
}

TableValues tableValues(const QTextTableFormat& f) {
  TableValues v;
  if (f.hasProperty(prop::kTableStyle)) v.style = f.stringProperty(prop::kTableStyle);
  if (f.hasProperty(prop::kApplyHeadingRows))
    v.applyHeadingRows = f.boolProperty(prop::kApplyHeadingRows);
  if (f.hasProperty(prop::kApplyLastRow)) v.applyLastRow = f.boolProperty(prop::kApplyLastRow);
  if (f.hasProperty(prop::kApplyFirstColumn))
    v.applyFirstColumn = f.boolProperty(prop::kApplyFirstColumn);
  if (f.hasProperty(prop::kApplyLastColumn))
    v.applyLastColumn = f.boolProperty(prop::kApplyLastColumn);
  v.columnWidths = doubleList(f.property(prop::kColumnWidths));
  v.rowHeights = doubleList(f.property(prop::kRowHeights));
  for (const QVariant& r : f.property(prop::kRowHeightRules).toList())
    v.rowHeightRules.append(r.toInt());
  return v;
}

void setTableValues(QTextTableFormat& f, const TableValues& v) {
  f.setProperty(prop::kTableStyle, v.style);
  f.setProperty(prop::kApplyHeadingRows, v.applyHeadingRows);
  f.setProperty(prop::kApplyLastRow, v.applyLastRow);
  f.setProperty(prop::kApplyFirstColumn, v.applyFirstColumn);
  f.setProperty(prop::kApplyLastColumn, v.applyLastColumn);
  f.setProperty(prop::kColumnWidths, variantList(v.columnWidths));
  f.setProperty(prop::kRowHeights, variantList(v.rowHeights));
  QVariantList rules;
  for (int r : v.rowHeightRules) rules.append(r);
  f.setProperty(prop::kRowHeightRules, rules);
}

CellValues cellValues(const QTextTableCellFormat& f) {
  CellValues v;
  v.shaded = f.boolProperty(prop::kCellShaded);
  if (f.hasProperty(prop::kCellTexture)) v.texture = f.intProperty(prop::kCellTexture);
  if (f.hasProperty(prop::kCellForeground))
    v.foregroundColor = long(f.property(prop::kCellForeground).toLongLong());
  if (f.hasProperty(prop::kCellBackground))
    v.backgroundColor = long(f.property(prop::kCellBackground).toLongLong());
  return v;
}

void setCellValues(QTextTableCellFormat& f, const CellValues& v) {
  f.setProperty(prop::kCellShaded, v.shaded);
  f.setProperty(prop::kCellTexture, v.texture);
  f.setProperty(prop::kCellForeground, qlonglong(v.foregroundColor));
  f.setProperty(prop::kCellBackground, qlonglong(v.backgroundColor));
}

ParagraphValues DocumentModel::normalParagraph() { return ParagraphValues{}; }
RunValues DocumentModel::normalRun() { return RunValues{}; }

DocumentModel::DocumentModel() {
  installFontSubstitutes();
  setText(std::make_unique<QTextDocument>());
  QTextCursor cursor(text_.get());
  QTextBlockFormat block;
  setParagraphValues(block, normalParagraph());
  QTextCharFormat run;
  setRunValues(run, normalRun());
  cursor.setBlockFormat(block);
  cursor.setBlockCharFormat(run);
  cursor.setCharFormat(run);
  refreshLayout();
}

DocumentModel::~DocumentModel() = default;
DocumentModel::DocumentModel(DocumentModel&&) noexcept = default;
DocumentModel& DocumentModel::operator=(DocumentModel&&) noexcept = default;

void DocumentModel::setText(std::unique_ptr<QTextDocument> text) {
  text_ = std::move(text);
  layoutCache_ = nullptr;  // a cache of the text before went with it
  text_->documentLayout()->setPaintDevice(layoutDevice());
  text_->setUseDesignMetrics(true);
  text_->setUndoRedoEnabled(false);
}

const ListTemplateDefinition* DocumentModel::findListTemplate(const QString& name) const {
  for (const ListTemplateDefinition& t : listTemplates)
    if (t.name == name) return &t;
  return nullptr;
}

void DocumentModel::refreshLayout() {
  QTextDocument* doc = text_.get();
  // Nothing is laid out while the display formats are derived: without a page size Qt
  // only drops old layouts as the edits come in (the pending ones too, with the tables
  // they made). The first question about pages sets the page size from `page` and lays
  // the document out once.
  doc->setPageSize(QSizeF(0, 0));  // a null size: Qt lays nothing out
  flushEdits(*this);
  doc->setDocumentMargin(0);  // before the frame margins: it resets them
  QTextFrameFormat root = doc->rootFrame()->frameFormat();
  root.setTopMargin(qtLength(page.topMargin));
  root.setBottomMargin(qtLength(page.bottomMargin));
  root.setLeftMargin(qtLength(page.leftMargin));
  root.setRightMargin(qtLength(page.rightMargin));
  root.setBorder(0);
  root.setPadding(0);
  doc->rootFrame()->setFrameFormat(root);
  QTextOption option = doc->defaultTextOption();
  option.setTabStopDistance(page.defaultTabStop);
  doc->setDefaultTextOption(option);
  QFont base(QStringLiteral("Calibri"));
  base.setPointSizeF(11);
  base.setHintingPreference(QFont::PreferNoHinting);
  base.setStyleStrategy(kWordStyleStrategy);
  doc->setDefaultFont(base);

  for (QTextFrame* frame : doc->rootFrame()->childFrames())
    if (auto* table = qobject_cast<QTextTable*>(frame)) refreshTable(table);
  for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) refreshParagraph(b);
  flushEdits(*this);
  forgetLayout(*this);
}

void DocumentModel::refreshParagraph(const QTextBlock& block) {
  if (!block.isValid()) return;
  const QTextBlockFormat current = block.blockFormat();
  ParagraphValues v = paragraphValues(current);
  QTextBlockFormat f = current;
  // The indents a list paragraph inherits follow its level's definition.
  if (!v.listTemplate.isEmpty() && (!v.leftIndentDirect || !v.firstLineIndentDirect)) {
    applyListLevelIndents(*this, v);
    setParagraphValues(f, v);
  }
  f.setAlignment(qtAlignment(v.alignment));
  f.setTopMargin(v.spaceBeforeAuto ? kAutoSpacing : v.spaceBefore);
  f.setBottomMargin(v.spaceAfterAuto ? kAutoSpacing : v.spaceAfter);
  double left = v.leftIndent;
  double first = v.firstLineIndent;
  const ListTemplateDefinition* tmpl =
      v.listTemplate.isEmpty() ? nullptr : findListTemplate(v.listTemplate);
  if (tmpl) {
    const ListLevelDefinition level = effectiveListLevel(*tmpl, v.listLevel);
    const QFont bulletFont = listBulletFont(level, runValues(block.charFormat()));
    first = listTextStart(v, level, bulletFont, page) - v.leftIndent;
  }
  // Text cannot sit left of the margin on our pages; Word would let it run into it.
  if (left < 0) left = 0;
  if (left + first < 0) first = -left;
  f.setLeftMargin(left);
  f.setTextIndent(first);
  // Word's single line is the font's Windows line height; the paragraph's first run (or
  // its mark, when empty) names the font.
  const QTextBlock::iterator firstRun = block.begin();
  const QTextCharFormat runFormat =
      !firstRun.atEnd() ? firstRun.fragment().charFormat() : block.charFormat();
  const double single = 100.0 * wordLineHeightRatio(runValues(runFormat).fontName);
  setLineHeight(f, v, single);
  QList<QTextOption::Tab> tabs;
  for (double t : v.tabStops) tabs.append(QTextOption::Tab(t, QTextOption::LeftTab));
  f.setTabPositions(tabs);
  // The first paragraph already starts a page.
  f.setPageBreakPolicy(v.sectionStart && block.position() > 0 ? QTextFormat::PageBreak_AlwaysBefore
                                                              : QTextFormat::PageBreak_Auto);
  if (f != current) {
    QTextCursor c(block);
    c.setBlockFormat(f);
  }
}

void DocumentModel::refreshTable(QTextTable* table) {
  if (!table) return;
  QTextTableFormat f = table->format();
  const TableValues v = tableValues(f);
  const bool grid = !v.style.isEmpty();
  f.setBorder(grid ? qtLength(kGridBorder) : 0);
  f.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
  f.setBorderBrush(Qt::black);
  f.setBorderCollapse(true);
  f.setCellSpacing(0);
  f.setCellPadding(0);
  f.setMargin(0);
  f.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
  QList<QTextLength> widths;
  const double textWidth = page.pageWidth - page.leftMargin - page.rightMargin;
  for (int c = 0; c < table->columns(); ++c) {
    const double w = c < v.columnWidths.size() && v.columnWidths[c] > 0
                         ? v.columnWidths[c]
                         : textWidth / std::max(1, table->columns());
    widths.append(QTextLength(QTextLength::FixedLength, qtLength(w)));
  }
  f.setColumnWidthConstraints(widths);
  double total = 0;
  for (const QTextLength& l : widths) total += l.rawValue();
  f.setWidth(QTextLength(QTextLength::FixedLength, total));
  // One edit for the whole table, and only real changes: every change of a table's
  // formats lays the table out again.
  QTextCursor edit(text_.get());
  edit.beginEditBlock();
  if (f != table->format()) table->setFormat(f);
  for (int r = 0; r < table->rows(); ++r) {
    for (int c = 0; c < table->columns(); ++c) {
      QTextTableCell cell = table->cellAt(r, c);
      if (!cell.isValid() || cell.row() != r || cell.column() != c) continue;
      QTextTableCellFormat cf = cell.format().toTableCellFormat();
      const CellValues cv = cellValues(cf);
      cf.setLeftPadding(qtLength(kCellPadding));
      cf.setRightPadding(qtLength(kCellPadding));
      cf.clearProperty(QTextFormat::TableCellTopPadding);  // the table's, 0
      cf.setBorder(grid ? qtLength(kGridBorder) : 0);
      cf.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
      // Qt draws a border without a brush black: naming none keeps the cell format, which
      // Qt's table layout copies many times per cell, four properties smaller.
      for (int brush :
           {QTextFormat::TableCellTopBorderBrush, QTextFormat::TableCellBottomBorderBrush,
            QTextFormat::TableCellLeftBorderBrush, QTextFormat::TableCellRightBorderBrush})
        cf.clearProperty(brush);
      const QColor bg = cv.shaded ? wordColor(cv.backgroundColor) : QColor();
      if (bg.isValid())
        cf.setBackground(bg);
      else
        cf.clearBackground();
      if (cf != cell.format()) cell.setFormat(cf);
    }
  }
  edit.endEditBlock();
}

QTextTable* tableAt(const DocumentModel& model, int position) {
  QTextCursor c(model.text());
  c.setPosition(std::clamp(position, 0, model.text()->characterCount() - 1));
  return c.currentTable();
}

DocumentModel DocumentModel::clone() const {
  flushEdits(*this);  // the copy takes in every table
  DocumentModel copy;
  copy.setText(std::unique_ptr<QTextDocument>(text_->clone()));
  // Qt's clone leaves out the first paragraph's own formats; carry them over.
  QTextCursor first(copy.text_.get());
  first.setBlockFormat(text_->begin().blockFormat());
  first.setBlockCharFormat(text_->begin().charFormat());
  copy.page = page;
  copy.header = header;
  copy.listTemplates = listTemplates;
  copy.refreshLayout();
  return copy;
}

}  // namespace engine
