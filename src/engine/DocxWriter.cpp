// saveDocx: the document model as a WordprocessingML package.
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QXmlStreamWriter>
#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <variant>

#include "engine/Docx.h"
#include "engine/DocxFormatBytes.h"
#include "engine/DocxPackage.h"
#include "engine/DocxProperties.h"
#include "engine/DocxVocabulary.h"
#include "engine/EngineLimits.h"
#include "engine/PageLayout.h"
#include "word/Automation.h"

namespace engine {

namespace {

using namespace docx;

const QString kHeaderRelationshipId = QStringLiteral("rIdHeader1");

// Writes the text of one run: tabs as <w:tab/>, line breaks as <w:br/>, the rest as
// <w:t> pieces with their blanks kept.
void writeRunText(Part& part, const QString& text) {
  QString pending;
  auto flush = [&] {
    if (pending.isEmpty()) return;
    part.xml().writeStartElement(kW, QStringLiteral("t"));
    part.xml().writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
    part.xml().writeCharacters(pending);
    part.xml().writeEndElement();
    pending.clear();
  };
  for (QChar c : xmlSafe(text)) {
    if (c == QLatin1Char('\t')) {
      flush();
      part.empty(QStringLiteral("tab"));
    } else if (c == QChar::LineSeparator || c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
      flush();
      part.empty(QStringLiteral("br"));
    } else if (c == QChar::ObjectReplacementCharacter || c == QChar::ParagraphSeparator) {
      // Embedded objects are not part of what this program writes.
    } else {
      pending.append(c);
    }
  }
  flush();
}

class DocumentWriter {
 public:
  explicit DocumentWriter(const DocumentModel& model) : model_(model), formats_(lists_) {
    for (size_t i = 0; i < model.listTemplates.size(); ++i)
      lists_.numIdOf.emplace(model.listTemplates[i].name, static_cast<int>(i) + 1);
  }

  QByteArray write(const QString& path) {
    collectTableStyles();
    PackageWriter package;
    package.addPart(QStringLiteral("[Content_Types].xml"), contentTypes());
    package.addPart(QStringLiteral("_rels/.rels"), packageRelationships());
    package.addPart(QStringLiteral("word/document.xml"), document());
    package.addPart(QStringLiteral("word/_rels/document.xml.rels"), documentRelationships());
    package.addPart(QStringLiteral("word/styles.xml"), styles());
    package.addPart(QStringLiteral("word/numbering.xml"), numbering());
    package.addPart(QStringLiteral("word/settings.xml"), settings());
    if (model_.header.pageNumbers) package.addPart(QStringLiteral("word/header1.xml"), header());
    return package.write(path);
  }

 private:
  // ---- package plumbing ----

  QByteArray contentTypes() {
    Part part;
    auto& xml = part.xml();
    xml.writeDefaultNamespace(kContentTypes);
    xml.writeStartElement(kContentTypes, QStringLiteral("Types"));
    auto byExtension = [&](const char* extension, const char* type) {
      xml.writeEmptyElement(kContentTypes, QStringLiteral("Default"));
      xml.writeAttribute(QStringLiteral("Extension"), QString::fromLatin1(extension));
      xml.writeAttribute(QStringLiteral("ContentType"), QString::fromLatin1(type));
    };
    auto byPart = [&](const char* name, const char* type) {
      xml.writeEmptyElement(kContentTypes, QStringLiteral("Override"));
      xml.writeAttribute(QStringLiteral("PartName"), QString::fromLatin1(name));
      xml.writeAttribute(QStringLiteral("ContentType"), QString::fromLatin1(type));
    };
    byExtension("rels", "application/vnd.openxmlformats-package.relationships+xml");
    byExtension("xml", "application/xml");
    byPart("/word/document.xml",
           "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml");
    byPart("/word/styles.xml",
           "application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml");
    byPart("/word/numbering.xml",
           "application/vnd.openxmlformats-officedocument.wordprocessingml.numbering+xml");
    byPart("/word/settings.xml",
           "application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml");
    if (model_.header.pageNumbers)
      byPart("/word/header1.xml",
             "application/vnd.openxmlformats-officedocument.wordprocessingml.header+xml");
    xml.writeEndElement();
    return part.finish();
  }

  static void relationship(QXmlStreamWriter& xml, const QString& id, const QString& type,
                           const QString& target) {
    xml.writeEmptyElement(kPackageRelationships, QStringLiteral("Relationship"));
    xml.writeAttribute(QStringLiteral("Id"), id);
    xml.writeAttribute(QStringLiteral("Type"), type);
    xml.writeAttribute(QStringLiteral("Target"), target);
  }

  QByteArray packageRelationships() {
    Part part;
    auto& xml = part.xml();
    xml.writeDefaultNamespace(kPackageRelationships);
    xml.writeStartElement(kPackageRelationships, QStringLiteral("Relationships"));
    relationship(xml, QStringLiteral("rId1"), kRelOfficeDocument,
                 QStringLiteral("word/document.xml"));
    xml.writeEndElement();
    return part.finish();
  }

  QByteArray documentRelationships() {
    Part part;
    auto& xml = part.xml();
    xml.writeDefaultNamespace(kPackageRelationships);
    xml.writeStartElement(kPackageRelationships, QStringLiteral("Relationships"));
    relationship(xml, QStringLiteral("rId1"), kRelStyles, QStringLiteral("styles.xml"));
    relationship(xml, QStringLiteral("rId2"), kRelNumbering, QStringLiteral("numbering.xml"));
    relationship(xml, QStringLiteral("rId3"), kRelSettings, QStringLiteral("settings.xml"));
    if (model_.header.pageNumbers)
      relationship(xml, kHeaderRelationshipId, kRelHeader, QStringLiteral("header1.xml"));
    xml.writeEndElement();
    return part.finish();
  }

  // ---- styles ----

  void collectTableStyles() {
    QTextFrame* root = model_.text()->rootFrame();
    for (auto it = root->begin(); !it.atEnd(); ++it) {
      if (auto* table = qobject_cast<QTextTable*>(it.currentFrame())) {
        const QString style = tableValues(table->format()).style;
        if (!style.isEmpty() && !tableStyleIds_.count(style)) {
          // Distinct names must keep distinct identifiers.
          QString id = styleIdFromName(style);
          const QString base = id;
          for (int n = 2; usedStyleIds_.count(id); ++n) id = base + QString::number(n);
          usedStyleIds_.emplace(id);
          tableStyleIds_.emplace(style, id);
        }
      }
    }
  }

  QByteArray styles() {
    Part part;
    part.xml().writeNamespace(kW, QStringLiteral("w"));
    part.start(QStringLiteral("styles"));
    writeDocumentDefaults(part);
    writeBuiltInStyles(part);
    for (const auto& [name, id] : tableStyleIds_) writeTableStyle(part, name, id);
    part.end();
    return part.finish();
  }

  // The Normal style's run and paragraph values, as the defaults of every style.
  static void writeDocumentDefaults(Part& part) {
    const RunValues normalRun = DocumentModel::normalRun();
    part.start(QStringLiteral("docDefaults"));
    part.start(QStringLiteral("rPrDefault"));
    part.start(QStringLiteral("rPr"));
    writeFonts(part, normalRun.fontName);
    part.val(QStringLiteral("sz"), number(pointsToHalfPoints(normalRun.size)));
    part.val(QStringLiteral("szCs"), number(pointsToHalfPoints(normalRun.size)));
    part.empty(QStringLiteral("lang"));
    part.attr(QStringLiteral("val"), QStringLiteral("en-US"));
    part.attr(QStringLiteral("eastAsia"), QStringLiteral("en-US"));
    part.attr(QStringLiteral("bidi"), QStringLiteral("ar-SA"));
    part.end();
    part.end();
    part.start(QStringLiteral("pPrDefault"));
    part.start(QStringLiteral("pPr"));
    writeSpacing(part, DocumentModel::normalParagraph());
    part.end();
    part.end();
    part.end();  // docDefaults
  }

  // Opens a w:style; the caller writes its contents and closes it.
  static void startStyle(Part& part, const char* type, const QString& id, const QString& name,
                         bool isDefault) {
    part.start(QStringLiteral("style"));
    part.attr(QStringLiteral("type"), QString::fromLatin1(type));
    if (isDefault) part.attr(QStringLiteral("default"), QStringLiteral("1"));
    part.attr(QStringLiteral("styleId"), id);
    part.val(QStringLiteral("name"), xmlSafe(name));
  }

  // Normal, Default Paragraph Font, Normal Table (with Word's cell margins) and No List.
  static void writeBuiltInStyles(Part& part) {
    startStyle(part, "paragraph", QStringLiteral("Normal"), QStringLiteral("Normal"), true);
    part.empty(QStringLiteral("qFormat"));
    part.end();
    startStyle(part, "character", QStringLiteral("DefaultParagraphFont"),
               QStringLiteral("Default Paragraph Font"), true);
    part.val(QStringLiteral("uiPriority"), QStringLiteral("1"));
    part.empty(QStringLiteral("semiHidden"));
    part.end();
    startStyle(part, "table", QStringLiteral("TableNormal"), QStringLiteral("Normal Table"), true);
    part.empty(QStringLiteral("semiHidden"));
    part.start(QStringLiteral("tblPr"));
    part.empty(QStringLiteral("tblInd"));
    part.attr(QStringLiteral("w"), QStringLiteral("0"));
    part.attr(QStringLiteral("type"), QStringLiteral("dxa"));
    part.start(QStringLiteral("tblCellMar"));
    for (const char* side : {"top", "left", "bottom", "right"}) {
      const bool horizontal = side[0] == 'l' || side[0] == 'r';
      part.empty(QString::fromLatin1(side));
      part.attr(QStringLiteral("w"), horizontal ? QStringLiteral("108") : QStringLiteral("0"));
      part.attr(QStringLiteral("type"), QStringLiteral("dxa"));
    }
    part.end();
    part.end();
    part.end();
    startStyle(part, "numbering", QStringLiteral("NoList"), QStringLiteral("No List"), true);
    part.empty(QStringLiteral("semiHidden"));
    part.end();
  }

  // Table Grid: single-spaced paragraphs without space after, and single 0.5 pt lines on
  // every border. Other table styles are plain.
  static void writeTableStyle(Part& part, const QString& name, const QString& id) {
    startStyle(part, "table", id, name, false);
    part.val(QStringLiteral("basedOn"), QStringLiteral("TableNormal"));
    part.val(QStringLiteral("uiPriority"), QStringLiteral("39"));
    if (name == QLatin1String("Table Grid")) {
      part.start(QStringLiteral("pPr"));
      part.empty(QStringLiteral("spacing"));
      part.attr(QStringLiteral("after"), QStringLiteral("0"));
      part.attr(QStringLiteral("line"), QStringLiteral("240"));
      part.attr(QStringLiteral("lineRule"), QStringLiteral("auto"));
      part.end();
      part.start(QStringLiteral("tblPr"));
      part.start(QStringLiteral("tblBorders"));
      for (const char* side : {"top", "left", "bottom", "right", "insideH", "insideV"}) {
        part.empty(QString::fromLatin1(side));
        part.attr(QStringLiteral("val"), QStringLiteral("single"));
        part.attr(QStringLiteral("sz"), QStringLiteral("4"));  // eighths of a point
        part.attr(QStringLiteral("space"), QStringLiteral("0"));
        part.attr(QStringLiteral("color"), QStringLiteral("auto"));
      }
      part.end();
      part.end();
    }
    part.end();
  }

  // ---- numbering ----

  void writeLevel(Part& part, int index, const ListLevelDefinition& level) {
    part.start(QStringLiteral("lvl"));
    part.attr(QStringLiteral("ilvl"), number(index));
    part.val(QStringLiteral("start"), number(level.startAt));
    part.val(QStringLiteral("numFmt"), numberStyleToXml(level.numberStyle));
    if (index > 0) part.val(QStringLiteral("lvlRestart"), number(level.resetOnHigher));
    if (!level.linkedStyle.isEmpty())
      part.val(QStringLiteral("pStyle"), xmlSafe(level.linkedStyle));
    part.val(QStringLiteral("suff"), trailingToXml(level.trailingCharacter));
    part.val(QStringLiteral("lvlText"), xmlSafe(level.numberFormat));
    part.val(QStringLiteral("lvlJc"), alignmentToXml(level.alignment));

    part.start(QStringLiteral("pPr"));
    if (level.tabPosition != kUndefined) {
      part.start(QStringLiteral("tabs"));
      part.empty(QStringLiteral("tab"));
      part.attr(QStringLiteral("val"), QStringLiteral("num"));
      part.attr(QStringLiteral("pos"), twips(level.tabPosition));
      part.end();
    }
    writeInd(part, level.textPosition, level.numberPosition - level.textPosition);
    part.end();

    writeListFont(part, level.font);
    part.end();  // lvl
  }

  QByteArray numbering() {
    Part part;
    auto& xml = part.xml();
    xml.writeNamespace(kW, QStringLiteral("w"));
    part.start(QStringLiteral("numbering"));
    for (size_t i = 0; i < model_.listTemplates.size(); ++i) {
      const ListTemplateDefinition& tmpl = model_.listTemplates[i];
      part.start(QStringLiteral("abstractNum"));
      part.attr(QStringLiteral("abstractNumId"), number(static_cast<int>(i)));
      part.val(QStringLiteral("multiLevelType"), tmpl.outlineNumbered
                                                     ? QStringLiteral("multilevel")
                                                     : QStringLiteral("hybridMultilevel"));
      part.val(QStringLiteral("name"), xmlSafe(tmpl.name));
      // Every level is written, so that indented list items show a bullet in any reader;
      // the ones never defined take the engine's defaults.
      for (int level = 1; level <= kListLevels; ++level)
        writeLevel(part, level - 1, effectiveListLevel(tmpl, level));
      part.end();
    }
    for (size_t i = 0; i < model_.listTemplates.size(); ++i) {
      part.start(QStringLiteral("num"));
      part.attr(QStringLiteral("numId"), number(static_cast<int>(i) + 1));
      part.val(QStringLiteral("abstractNumId"), number(static_cast<int>(i)));
      part.end();
    }
    part.end();
    return part.finish();
  }

  // ---- settings and header ----

  QByteArray settings() {
    Part part;
    part.xml().writeNamespace(kW, QStringLiteral("w"));
    part.start(QStringLiteral("settings"));
    part.empty(QStringLiteral("zoom"));
    part.attr(QStringLiteral("percent"), QStringLiteral("100"));
    part.val(QStringLiteral("defaultTabStop"), twips(model_.page.defaultTabStop));
    part.val(QStringLiteral("characterSpacingControl"), QStringLiteral("doNotCompress"));
    part.start(QStringLiteral("compat"));
    part.empty(QStringLiteral("compatSetting"));
    part.attr(QStringLiteral("name"), QStringLiteral("compatibilityMode"));
    part.attr(QStringLiteral("uri"), QStringLiteral("http://schemas.microsoft.com/office/word"));
    part.attr(QStringLiteral("val"), QStringLiteral("15"));
    part.end();
    part.end();
    return part.finish();
  }

  QByteArray header() {
    Part part;
    part.xml().writeNamespace(kW, QStringLiteral("w"));
    part.xml().writeNamespace(kR, QStringLiteral("r"));
    part.start(QStringLiteral("hdr"));
    part.start(QStringLiteral("p"));
    part.start(QStringLiteral("pPr"));
    part.val(QStringLiteral("jc"), alignmentToXml(model_.header.alignment));
    part.end();
    // The page number as a complex field, with 1 as its last shown result.
    auto fieldChar = [&](const char* type) {
      part.start(QStringLiteral("r"));
      part.empty(QStringLiteral("fldChar"));
      part.attr(QStringLiteral("fldCharType"), QString::fromLatin1(type));
      part.end();
    };
    fieldChar("begin");
    part.start(QStringLiteral("r"));
    part.xml().writeStartElement(kW, QStringLiteral("instrText"));
    part.xml().writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
    part.xml().writeCharacters(QStringLiteral(" PAGE "));
    part.end();
    part.end();
    fieldChar("separate");
    part.start(QStringLiteral("r"));
    part.start(QStringLiteral("t"));
    part.xml().writeCharacters(QStringLiteral("1"));
    part.end();
    part.end();
    fieldChar("end");
    part.end();  // p
    part.end();  // hdr
    return part.finish();
  }

  // ---- the body ----

  void writeSectionProperties(Part& part, bool first) {
    part.start(QStringLiteral("sectPr"));
    if (model_.header.pageNumbers) {
      part.empty(QStringLiteral("headerReference"));
      part.attr(QStringLiteral("type"), QStringLiteral("default"));
      part.xml().writeAttribute(kR, QStringLiteral("id"), kHeaderRelationshipId);
    }
    if (!first) part.val(QStringLiteral("type"), QStringLiteral("nextPage"));
    const PageSetup& page = model_.page;
    part.empty(QStringLiteral("pgSz"));
    part.attr(QStringLiteral("w"), twips(page.pageWidth));
    part.attr(QStringLiteral("h"), twips(page.pageHeight));
    part.empty(QStringLiteral("pgMar"));
    part.attr(QStringLiteral("top"), twips(page.topMargin));
    part.attr(QStringLiteral("right"), twips(page.rightMargin));
    part.attr(QStringLiteral("bottom"), twips(page.bottomMargin));
    part.attr(QStringLiteral("left"), twips(page.leftMargin));
    part.attr(QStringLiteral("header"), twips(page.headerDistance));
    part.attr(QStringLiteral("footer"), twips(page.footerDistance));
    part.attr(QStringLiteral("gutter"), QStringLiteral("0"));
    part.empty(QStringLiteral("cols"));
    part.attr(QStringLiteral("space"), QStringLiteral("720"));
    // A distinct (empty) first-page header hides the number on each section's first page.
    if (model_.header.pageNumbers && !model_.header.firstPage)
      part.empty(QStringLiteral("titlePg"));
    part.empty(QStringLiteral("docGrid"));
    part.attr(QStringLiteral("linePitch"), QStringLiteral("360"));
    part.end();
  }

  void writeParagraph(Part& part, const QTextBlock& block, bool endsSection, bool firstSection) {
    const ParagraphValues p = paragraphValues(block.blockFormat());
    part.start(QStringLiteral("p"));
    part.start(QStringLiteral("pPr"));
    part.raw(formats_.paragraphProperties(p));
    // The paragraph mark's own format: what an empty paragraph shows and keeps.
    part.raw(formats_.runProperties(runValues(block.charFormat())));
    if (endsSection) writeSectionProperties(part, firstSection);
    part.end();  // pPr

    // Neighbouring fragments with the same Word values make one run.
    bool open = false;
    RunValues current;
    QString text;
    auto flush = [&] {
      if (!open) return;
      part.start(QStringLiteral("r"));
      part.raw(formats_.runProperties(current));
      writeRunText(part, text);
      part.end();
      text.clear();
      open = false;
    };
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (!fragment.isValid()) continue;
      const RunValues run = runValues(fragment.charFormat());
      if (open && run != current) flush();
      current = run;
      open = true;
      text += fragment.text();
    }
    flush();
    part.end();  // p
  }

  void writeTable(Part& part, QTextTable* table) {
    const TableValues values = tableValues(table->format());
    const int rows = table->rows(), columns = table->columns();
    part.start(QStringLiteral("tbl"));
    writeTableProperties(part, values);
    part.start(QStringLiteral("tblGrid"));
    for (int column = 0; column < columns; ++column) {
      part.empty(QStringLiteral("gridCol"));
      part.attr(QStringLiteral("w"), twips(columnWidth(values, column)));
    }
    part.end();
    for (int row = 0; row < rows; ++row) {
      part.start(QStringLiteral("tr"));
      writeRowProperties(part, values, row);
      for (int column = 0; column < columns;) {
        const QTextTableCell cell = table->cellAt(row, column);
        if (!cell.isValid()) {
          ++column;
          continue;
        }
        const int span = std::max(1, std::min(cell.columnSpan(), columns - cell.column()));
        writeCell(part, cell, row, span, values);
        column = cell.column() + span;
      }
      part.end();  // tr
    }
    part.end();  // tbl
  }

  static double columnWidth(const TableValues& values, int column) {
    return column < values.columnWidths.size() ? values.columnWidths[column] : 0.0;
  }

  void writeTableProperties(Part& part, const TableValues& values) const {
    part.start(QStringLiteral("tblPr"));
    if (!values.style.isEmpty()) {
      const auto id = tableStyleIds_.find(values.style);
      if (id != tableStyleIds_.end()) part.val(QStringLiteral("tblStyle"), id->second);
    }
    part.empty(QStringLiteral("tblW"));
    part.attr(QStringLiteral("w"), QStringLiteral("0"));
    part.attr(QStringLiteral("type"), QStringLiteral("auto"));
    part.empty(QStringLiteral("tblLayout"));
    part.attr(QStringLiteral("type"), QStringLiteral("fixed"));
    // The four style options, both as the legacy bit mask and as named attributes.
    const int look = (values.applyHeadingRows ? 0x20 : 0) | (values.applyLastRow ? 0x40 : 0) |
                     (values.applyFirstColumn ? 0x80 : 0) | (values.applyLastColumn ? 0x100 : 0) |
                     0x400;
    part.empty(QStringLiteral("tblLook"));
    part.attr(QStringLiteral("val"),
              QStringLiteral("%1").arg(look, 4, 16, QLatin1Char('0')).toUpper());
    part.attr(QStringLiteral("firstRow"), number(values.applyHeadingRows));
    part.attr(QStringLiteral("lastRow"), number(values.applyLastRow));
    part.attr(QStringLiteral("firstColumn"), number(values.applyFirstColumn));
    part.attr(QStringLiteral("lastColumn"), number(values.applyLastColumn));
    part.attr(QStringLiteral("noHBand"), QStringLiteral("0"));
    part.attr(QStringLiteral("noVBand"), QStringLiteral("1"));
    part.end();  // tblPr
  }

  static void writeRowProperties(Part& part, const TableValues& values, int row) {
    const int rule = row < values.rowHeightRules.size() ? values.rowHeightRules[row] : 0;
    const double height = row < values.rowHeights.size() ? values.rowHeights[row] : 0;
    if (rule == 0 || height <= 0) return;
    part.start(QStringLiteral("trPr"));
    part.empty(QStringLiteral("trHeight"));
    part.attr(QStringLiteral("val"), twips(height));
    part.attr(QStringLiteral("hRule"),
              rule == 2 ? QStringLiteral("exact") : QStringLiteral("atLeast"));
    part.end();
  }

  // One w:tc of row `row`: the cell's own paragraphs where the cell starts, one empty
  // paragraph where a vertical merge covers it.
  void writeCell(Part& part, const QTextTableCell& cell, int row, int span,
                 const TableValues& values) {
    double width = 0;
    for (int c = cell.column(); c < cell.column() + span; ++c) width += columnWidth(values, c);
    const bool origin = cell.row() == row;
    const CellValues cellFormat = cellValues(cell.format().toTableCellFormat());
    part.start(QStringLiteral("tc"));
    part.start(QStringLiteral("tcPr"));
    part.empty(QStringLiteral("tcW"));
    part.attr(QStringLiteral("w"), twips(width));
    part.attr(QStringLiteral("type"), QStringLiteral("dxa"));
    if (span > 1) part.val(QStringLiteral("gridSpan"), number(span));
    if (cell.rowSpan() > 1) {
      if (origin)
        part.val(QStringLiteral("vMerge"), QStringLiteral("restart"));
      else
        part.empty(QStringLiteral("vMerge"));
    }
    if (cellFormat.shaded) {
      part.empty(QStringLiteral("shd"));
      part.attr(QStringLiteral("val"), textureToXml(cellFormat.texture));
      part.attr(QStringLiteral("color"), colorToHex(cellFormat.foregroundColor));
      part.attr(QStringLiteral("fill"), colorToHex(cellFormat.backgroundColor));
    }
    part.end();  // tcPr
    bool any = false;
    if (origin) {
      for (auto it = cell.begin(); !it.atEnd(); ++it) {
        if (it.currentFrame()) continue;  // tables are never nested
        writeParagraph(part, it.currentBlock(), false, false);
        any = true;
      }
    }
    if (!any) part.empty(QStringLiteral("p"));
    part.end();  // tc
  }

  QByteArray document() {
    using Item = std::variant<QTextBlock, QTextTable*>;
    std::vector<Item> items;
    QTextFrame* root = model_.text()->rootFrame();
    for (auto it = root->begin(); !it.atEnd(); ++it) {
      if (QTextFrame* frame = it.currentFrame()) {
        if (auto* table = qobject_cast<QTextTable*>(frame)) items.emplace_back(table);
      } else if (it.currentBlock().isValid()) {
        items.emplace_back(it.currentBlock());
      }
    }
    auto startsSection = [&](size_t index) {
      if (index >= items.size()) return false;
      const auto* block = std::get_if<QTextBlock>(&items[index]);
      return block && paragraphValues(block->blockFormat()).sectionStart;
    };

    Part part;
    auto& xml = part.xml();
    xml.writeNamespace(kW, QStringLiteral("w"));
    xml.writeNamespace(kR, QStringLiteral("r"));
    part.start(QStringLiteral("document"));
    part.start(QStringLiteral("body"));
    bool firstSection = true;
    for (size_t i = 0; i < items.size(); ++i) {
      const bool endsSection = startsSection(i + 1);
      if (const auto* block = std::get_if<QTextBlock>(&items[i])) {
        writeParagraph(part, *block, endsSection, firstSection);
      } else {
        writeTable(part, std::get<QTextTable*>(items[i]));
        // A break straight after a table needs a paragraph of its own to carry it.
        if (endsSection) {
          part.start(QStringLiteral("p"));
          part.start(QStringLiteral("pPr"));
          writeSectionProperties(part, firstSection);
          part.end();
          part.end();
        }
      }
      if (endsSection) firstSection = false;
    }
    writeSectionProperties(part, firstSection);
    part.end();  // body
    part.end();  // document
    return part.finish();
  }

  const DocumentModel& model_;
  ListNumbers lists_;  // list template name -> w:numId
  FormatBytes formats_;
  std::map<QString, QString> tableStyleIds_;  // table style name -> w:styleId
  std::set<QString> usedStyleIds_{QStringLiteral("Normal"), QStringLiteral("TableNormal"),
                                  QStringLiteral("DefaultParagraphFont"), QStringLiteral("NoList")};
};

}  // namespace

QByteArray saveDocx(const DocumentModel& model, const QString& path) {
  if (path.isEmpty()) throw word::AutomationError(QStringLiteral("The file name is empty."));
  flushEdits(model);  // every table the edits made is in the structure written
  return DocumentWriter(model).write(path);
}

}  // namespace engine
