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
#include "engine/WordValues.h"

class QFont;
class QTextDocument;
class QTextBlock;
class QTextTable;

namespace engine {

class LayoutCache;  // PageLayout.cpp

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

  bool operator==(const PageSetup& other) const;
};

// The primary header of the first section (linked by every later section).
struct HeaderSettings {
  bool pageNumbers = false;  // a PAGE field is in the header
  int alignment = 2;         // WdPageNumberAlignment: 0 left, 1 centre, 2 right
  bool firstPage = true;     // the number also shows on the first page

  bool operator==(const HeaderSettings& other) const;
};

// A list level's bullet font. Long values use Word's booleans (0 false, -1 true) or
// kUndefined (take it from the text); size in points or kUndefined.
struct ListLevelFont {
#define ENGINE_LIST_FONT_FIELD(member, Member) long member = kUndefined;
  ENGINE_LIST_FONT_VALUES(ENGINE_LIST_FONT_FIELD)
#undef ENGINE_LIST_FONT_FIELD
  double size = kUndefined;
  QString name;  // "" = the text's font

  bool operator==(const ListLevelFont& other) const;
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

  // Every member above counts.
  bool operator==(const ListLevelDefinition& other) const;
};

// A named list template with its nine levels (index 0 = level 1).
struct ListTemplateDefinition {
  QString name;
  bool outlineNumbered = false;
  std::array<ListLevelDefinition, kListLevels> levels;

  bool operator==(const ListTemplateDefinition& other) const;
};

// The level as it shows: the definition when it was defined; otherwise Word-like
// defaults for the template: level 1's look moved half an inch right per level.
ListLevelDefinition effectiveListLevel(const ListTemplateDefinition& tmpl, int level);

struct ParagraphValues;
struct RunValues;
class DocumentModel;
// The font a list level's bullet is drawn in, given the run values of the paragraph text.
QFont listBulletFont(const ListLevelDefinition& level, const RunValues& text);
// Fills the indents a list paragraph takes from its list level (those it does not set
// itself). Outside a list, or with an unknown template, nothing changes.
void applyListLevelIndents(const DocumentModel& model, ParagraphValues& values);

// Word's paragraph values (stored as custom block format properties), as WordValues.h
// declares them.
struct ParagraphValues {
#define ENGINE_PARAGRAPH_FIELD(type, member, init, id) type member = init;
  ENGINE_PARAGRAPH_VALUES(ENGINE_PARAGRAPH_FIELD)
#undef ENGINE_PARAGRAPH_FIELD

  bool operator==(const ParagraphValues& other) const;
  bool operator!=(const ParagraphValues& other) const { return !(*this == other); }
};

// Word's run values, as WordValues.h declares them.
struct RunValues {
#define ENGINE_RUN_FIELD(type, member, init) type member = init;
  ENGINE_RUN_VALUES(ENGINE_RUN_FIELD)
#undef ENGINE_RUN_FIELD

  // Neighbouring runs with equal values are one run.
  bool operator==(const RunValues& other) const;
  bool operator!=(const RunValues& other) const { return !(*this == other); }
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
  kFirst = 0x100000,  // QTextFormat::UserProperty; the ids follow it
#define ENGINE_PARAGRAPH_PROPERTY(type, member, init, id) id,
  ENGINE_PARAGRAPH_VALUES(ENGINE_PARAGRAPH_PROPERTY)
#undef ENGINE_PARAGRAPH_PROPERTY
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

  // The layout is a cache of the text, not part of what the document says: the page
  // questions of PageLayout.h lay the text out, hold its edits in an open edit block until
  // then and keep what they found, on a const document too. This is the cache they change;
  // no Word value changes through it.
  LayoutCache& layoutCache() const;

 private:
  // Makes `text` the model's text, set up for laying out as Word would.
  void setText(std::unique_ptr<QTextDocument> text);

  std::unique_ptr<QTextDocument> text_;
  // Made on the first page question; a child object of `text_`, which owns it and takes it
  // along when the model moves.
  mutable LayoutCache* layoutCache_ = nullptr;
};

// The two operations on the layout cache that the model needs itself; the page questions
// (PageLayout.h) hold the rest, and define these beside the cache.
//
// Closes the open edit block (Qt takes in the edits, lays out what they changed, once,
// and rescans the table structure) and opens the next one.
void flushEdits(const DocumentModel& model);
// Forgets what is known of the layout (for changes Qt does not report as edits, such as
// the page size): the next question works the whole document out again.
void forgetLayout(const DocumentModel& model);

// The table the text position lies in (a position outside the text counts as its nearest
// end), or null.
QTextTable* tableAt(const DocumentModel& model, int position);

}  // namespace engine
