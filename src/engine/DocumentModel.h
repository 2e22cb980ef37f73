// How the built-in word processor holds a document.
//
// The text lives in a QTextDocument: paragraphs are its blocks, runs its character
// formats, tables its QTextTables (merged cells are native row/column spans). Everything
// Word knows about a paragraph, run, table or cell is stored on the Qt formats as the
// custom properties below: those Word values are the truth. The Qt display properties
// (margins, indents, line height, fonts, borders...) are derived from them by
// `DocumentModel::refreshLayout()`; code that builds or changes a document outside the
// object model (the .docx reader) writes the Word values through the typed accessors and
// then calls `refreshLayout()`.
//
// Units: every length is in points (1/72 inch) unless a field says otherwise. The layout
// works in points too: the QTextDocument is laid out on a 72-dpi device, so one layout
// unit is one point and a page picture measures 612 x 792 units for US Letter.
//
// Document structure:
// - The root frame holds the body. A table is a child frame of the root frame (tables are
//   never nested). The document always ends with an ordinary paragraph after the last
//   table, as Word's does.
// - Sections: the first paragraph of every section but the first carries
//   `ParagraphValues::sectionStart` = true (a next-page section break comes before it).
//   All sections share the page setup and header below (later sections keep Word's
//   link to the previous header).
// - Lists: a paragraph in a list names its list template and its 1-based level. The
//   bullet is not part of the text; it is drawn from the template's level definition.
#pragma once

#include <QList>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextTableCellFormat>
#include <QTextTableFormat>
#include <array>
#include <memory>
#include <vector>

#include "engine/EngineLimits.h"

class QTextDocument;
class QTextBlock;
class QTextTable;

namespace engine {

constexpr double kPointsPerInch = 72.0;
// Word's LinesToPoints: one line is 12 points.
constexpr double kPointsPerLine = 12.0;
// Word's "undefined" for list level font properties: the value comes from the text.
constexpr long kUndefined = 9999999;

// Page geometry shared by all sections.
struct PageSetup {
  double pageWidth = 8.5 * kPointsPerInch;    // 612
  double pageHeight = 11.0 * kPointsPerInch;  // 792
  double topMargin = 72, bottomMargin = 72, leftMargin = 72, rightMargin = 72;
  double headerDistance = 36;  // page top to header text top
  double footerDistance = 36;
  double defaultTabStop = 36;  // default tab stops every half inch
};

// The primary header of the first section (linked by every later section).
struct HeaderSettings {
  bool pageNumbers = false;  // a PAGE field is in the header
  int alignment = 2;         // WdPageNumberAlignment: 0 left, 1 centre, 2 right
  bool firstPage = true;     // the number also shows on the first page
};

// A list level's bullet font. Long values use Word's booleans (0 false, -1 true) or
// kUndefined (take it from the text); size in points or kUndefined.
struct ListLevelFont {
  long bold = kUndefined, italic = kUndefined, strikethrough = kUndefined, subscript = kUndefined,
       superscript = kUndefined, shadow = kUndefined, outline = kUndefined, emboss = kUndefined,
       engrave = kUndefined, allCaps = kUndefined, hidden = kUndefined, underline = kUndefined,
       color = kUndefined, animation = kUndefined, doubleStrikeThrough = kUndefined;
  double size = kUndefined;
  QString name;  // "" = the text's font
};

// One level of a list template, with Word's values.
struct ListLevelDefinition {
  QString numberFormat;       // the bullet text, e.g. U+F0B7 (Symbol bullet) or "o"
  int trailingCharacter = 0;  // WdTrailingCharacter: 0 tab, 1 space, 2 nothing
  int numberStyle = 23;       // WdListNumberStyle: 23 bullet
  double numberPosition = 0;  // points from the margin to the bullet
  int alignment = 0;          // WdListLevelAlignment: 0 left, 1 centre, 2 right
  double textPosition = 0;    // points from the margin to the text (hanging indent)
  double tabPosition = 0;     // points; kUndefined = none
  int resetOnHigher = 0;
  int startAt = 1;
  QString linkedStyle;
  ListLevelFont font;
  bool defined = false;  // set through the object model (or read from a file)
};

// A named list template with its nine levels (index 0 = level 1).
struct ListTemplateDefinition {
  QString name;
  bool outlineNumbered = false;
  std::array<ListLevelDefinition, kListLevels> levels;
};

// The level as it shows: the definition when it was defined; otherwise Word-like
// defaults for the template: level 1's look moved half an inch right per level.
ListLevelDefinition effectiveListLevel(const ListTemplateDefinition& tmpl, int level);

struct ParagraphValues;
class DocumentModel;
// Fills the indents a list paragraph takes from its list level (those it does not set
// itself). Outside a list, or with an unknown template, nothing changes.
void applyListLevelIndents(const DocumentModel& model, ParagraphValues& values);

// Word's paragraph values (stored as custom block format properties).
struct ParagraphValues {
  int alignment = 0;           // WdParagraphAlignment: 0 left, 1 centre, 2 right, 3 justify
  int lineSpacingRule = 5;     // WdLineSpacing: 0 single, 1 1.5 lines, 2 double,
                               // 3 at least, 4 exactly, 5 multiple
  double lineSpacing = 12.95;  // points; for rule 5, 12 points = one line (1.08 lines)
  double spaceBefore = 0;      // points
  // No space after: the classic Normal, on which the plan's own table of contents counts
  // its pages (with 8 pt after, its cover page spills onto a page of its own).
  double spaceAfter = 0;  // points
  bool spaceBeforeAuto = false;
  bool spaceAfterAuto = false;
  // Indents as they apply. In a list, an indent the paragraph does not set itself (its
  // `...Direct` flag false) is the list level's and follows the level; one it sets
  // overrides the level's, as WordprocessingML's w:ind in w:pPr over w:lvl's.
  double leftIndent = 0;       // points from the left margin
  double firstLineIndent = 0;  // points relative to leftIndent (negative = hanging)
  bool leftIndentDirect = false;
  bool firstLineIndentDirect = false;
  QList<double> tabStops;     // custom left-aligned tab stops, points, ascending
  QString listTemplate;       // "" = not in a list
  int listLevel = 0;          // 1..9 in a list, 0 otherwise
  bool sectionStart = false;  // a next-page section break comes before this paragraph
};

// Word's run values (bold and size are the native Qt character properties, the font
// name a custom one: the name as set, e.g. "Garamond", never its substitute).
struct RunValues {
  bool bold = false;
  double size = 11;  // points
  QString fontName = QStringLiteral("Calibri");
};

// Word's table values (custom table format properties).
struct TableValues {
  QString style = QStringLiteral("Table Grid");  // "" = no style (no borders)
  bool applyHeadingRows = true, applyLastRow = false, applyFirstColumn = true,
       applyLastColumn = false;
  QList<double> columnWidths;  // points, one per column
  QList<double> rowHeights;    // points, one per row; 0 = automatic
  QList<int> rowHeightRules;   // WdRowHeightRule per row: 0 auto, 1 at least, 2 exactly
};

// Word's cell values (custom cell format properties). Merges are the QTextTable spans.
struct CellValues {
  bool shaded = false;               // shading was set
  int texture = 0;                   // WdTextureIndex, 0 none
  long foregroundColor = -16777216;  // Word colour (0x00BBGGRR) or wdColorAutomatic
  long backgroundColor = -16777216;  // Word colour (0x00BBGGRR) or wdColorAutomatic
};

// The custom property ids (QTextFormat::UserProperty + n). Use the typed accessors below
// rather than these; they are listed so that nothing else collides with them.
namespace prop {
enum : int {
  kParagraphAlignment = 0x100000 + 1,  // QTextFormat::UserProperty + ...
  kLineSpacingRule,
  kLineSpacing,
  kSpaceBefore,
  kSpaceAfter,
  kSpaceBeforeAuto,
  kSpaceAfterAuto,
  kLeftIndent,
  kFirstLineIndent,
  kTabStops,
  kListTemplate,
  kListLevel,
  kSectionStart,
  kFontName,
  kTableStyle,
  kApplyHeadingRows,
  kApplyLastRow,
  kApplyFirstColumn,
  kApplyLastColumn,
  kColumnWidths,
  kRowHeights,
  kRowHeightRules,
  kCellShaded,
  kCellTexture,
  kCellForeground,
  kCellBackground,
  kLeftIndentDirect,
  kFirstLineIndentDirect,
};
}  // namespace prop

ParagraphValues paragraphValues(const QTextBlockFormat& format);
void setParagraphValues(QTextBlockFormat& format, const ParagraphValues& values);
RunValues runValues(const QTextCharFormat& format);
void setRunValues(QTextCharFormat& format, const RunValues& values);
TableValues tableValues(const QTextTableFormat& format);
void setTableValues(QTextTableFormat& format, const TableValues& values);
CellValues cellValues(const QTextTableCellFormat& format);
void setCellValues(QTextTableCellFormat& format, const CellValues& values);

// A document: the text and the Word-only data around it. Move-only.
class DocumentModel {
 public:
  // A new empty document from the default template (US Letter, 1-inch margins, Normal =
  // Calibri 11 pt, no space after, 1.08 lines; one empty paragraph).
  DocumentModel();
  ~DocumentModel();
  DocumentModel(DocumentModel&&) noexcept;
  DocumentModel& operator=(DocumentModel&&) noexcept;

  QTextDocument* text() const { return text_.get(); }

  PageSetup page;
  HeaderSettings header;
  std::vector<ListTemplateDefinition> listTemplates;

  // The template of that name, or null.
  const ListTemplateDefinition* findListTemplate(const QString& name) const;

  // The default paragraph and run values (Normal style).
  static ParagraphValues normalParagraph();
  static RunValues normalRun();

  // Derives the Qt display properties of every paragraph, run, table and cell from their
  // Word values, and the page geometry from `page`. Call after building a document
  // outside the object model.
  void refreshLayout();
  // The same for one paragraph (display indents, spacing, line height, page break).
  void refreshParagraph(const QTextBlock& block);
  // The same for one table (widths, borders, cell padding and backgrounds).
  void refreshTable(QTextTable* table);

  // A deep copy (text with all formats, and the Word-only data).
  DocumentModel clone() const;

 private:
  std::unique_ptr<QTextDocument> text_;
};

}  // namespace engine
