// loadDocx: a WordprocessingML package back into a document model. The reader knows the
// vocabulary the writer uses (and skips the rest); every count, size and value it takes
// from the file is checked before it is used.
#include <QFileInfo>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <cmath>
#include <map>
#include <optional>
#include <set>

#include "engine/Docx.h"
#include "engine/DocxPackage.h"
#include "engine/DocxProperties.h"
#include "engine/DocxVocabulary.h"
#include "engine/DocxXmlReader.h"
#include "engine/EngineLimits.h"
#include "word/Automation.h"

namespace engine {

namespace {

using namespace docx;

struct ParagraphData {
  ParagraphValues values = DocumentModel::normalParagraph();
  RunValues mark = DocumentModel::normalRun();
  std::vector<std::pair<RunValues, QString>> runs;
  qsizetype characters = 0;  // text read so far, for the bounds
  int tabs = 0;
  bool endsSection = false;
};

enum class VMerge { None, Restart, Continue };

struct CellData {
  int span = 1;
  VMerge vMerge = VMerge::None;
  CellValues values;
  std::vector<ParagraphData> paragraphs;
};

struct RowData {
  double height = 0;
  int heightRule = 0;
  std::vector<CellData> cells;
};

struct TableData {
  TableValues values;
  std::vector<RowData> rows;
};

// Removes what a text run may not carry into the model: characters that the text
// document uses as its own structure marks, and breaks that would split the paragraph.
QString cleanRunText(const QString& text) {
  QString clean;
  clean.reserve(text.size());
  for (QChar c : text) {
    const char16_t u = c.unicode();
    if (u >= 0xFDD0 && u <= 0xFDEF) continue;  // frame marks and other non-characters
    if (u == QChar::ObjectReplacementCharacter) continue;
    if (u == QChar::ParagraphSeparator || u == u'\n' || u == u'\r') {
      clean.append(QLatin1Char(' '));
      continue;
    }
    clean.append(c);
  }
  return clean;
}

// Resolves a relationship target against the folder of its source part; refuses any
// target that climbs out of the package.
std::optional<QString> resolveTarget(const QString& sourceFolder, const QString& target) {
  QString path = target.startsWith(QLatin1Char('/')) ? target.mid(1) : sourceFolder + target;
  QStringList resolved;
  for (const QString& segment : path.split(QLatin1Char('/'))) {
    if (segment.isEmpty() || segment == QLatin1String(".")) continue;
    if (segment == QLatin1String("..")) {
      if (resolved.isEmpty()) return std::nullopt;
      resolved.removeLast();
      continue;
    }
    resolved.append(segment);
  }
  if (resolved.isEmpty()) return std::nullopt;
  return resolved.join(QLatin1Char('/'));
}

bool nearlyEqual(double a, double b, double tolerance) { return std::fabs(a - b) <= tolerance; }

bool sameLevel(const ListLevelDefinition& a, const ListLevelDefinition& b) {
  return a.numberFormat == b.numberFormat && a.trailingCharacter == b.trailingCharacter &&
         a.numberStyle == b.numberStyle && nearlyEqual(a.numberPosition, b.numberPosition, 0.05) &&
         a.alignment == b.alignment && nearlyEqual(a.textPosition, b.textPosition, 0.05) &&
         nearlyEqual(a.tabPosition, b.tabPosition, 0.05) && a.resetOnHigher == b.resetOnHigher &&
         a.startAt == b.startAt && a.linkedStyle == b.linkedStyle &&
         sameSavedListFont(a.font, b.font);
}

class DocumentReader {
 public:
  explicit DocumentReader(const QString& path)
      : file_(QFileInfo(path).fileName()), package_(path) {}

  DocumentModel read() {
    readContentTypes();
    const QString main = mainPart();
    mainFolder_ = main.contains(QLatin1Char('/'))
                      ? main.left(main.lastIndexOf(QLatin1Char('/')) + 1)
                      : QString();
    readDocumentRelationships(main);
    // The package's zip and its structure (content types, relationships) passed their
    // checks: only now is there a document to read into.
    model_.emplace();
    if (auto part = partOfType(kRelStyles)) readStyles(*part);
    if (auto part = partOfType(kRelNumbering)) readNumbering(*part);
    if (auto part = partOfType(kRelSettings)) readSettings(*part);
    readBody(main);
    if (!headerTarget_.isEmpty()) readHeader(headerTarget_);
    model_->header.firstPage = !firstSectionTitlePage_;
    // Lays nothing out: the first question about pages lays the document out, once.
    model_->refreshLayout();
    return std::move(*model_);
  }

 private:
  [[noreturn]] void fail(const QString& what) const {
    throw word::AutomationError(QStringLiteral("Could not open \"%1\": %2.").arg(file_, what));
  }

  XmlPartReader partReader(const QString& part) {
    return XmlPartReader(package_.readPart(part), file_, part);
  }

  // ---- package structure ----

  void readContentTypes() {
    const QString name = QStringLiteral("[Content_Types].xml");
    if (!package_.hasPart(name))
      fail(QStringLiteral("the package has no part \"%1\"; it is not a Word document").arg(name));
    XmlPartReader xml = partReader(name);
    xml.expectRoot(kContentTypes, QStringLiteral("Types"), QStringLiteral("a content types list"));
    while (xml.nextChild()) xml.skipElement();
  }

  QString mainPart() {
    const QString name = QStringLiteral("_rels/.rels");
    if (!package_.hasPart(name))
      fail(QStringLiteral("the package has no part \"%1\"; it is not a Word document").arg(name));
    const auto relationships = readRelationships(name, QString());
    for (const auto& [id, relationship] : relationships)
      if (relationship.first == kRelOfficeDocument) return relationship.second;
    fail(QStringLiteral("the package names no main document part"));
  }

  // id -> (type, resolved part name); external targets are left out.
  std::map<QString, std::pair<QString, QString>> readRelationships(const QString& part,
                                                                   const QString& folder) {
    std::map<QString, std::pair<QString, QString>> relationships;
    XmlPartReader xml = partReader(part);
    xml.expectRoot(kPackageRelationships, QStringLiteral("Relationships"),
                   QStringLiteral("a relationships list"));
    while (xml.nextChild()) {
      if (xml.is(kPackageRelationships, "Relationship")) {
        const QString id = xml.attributePlain("Id").value_or(QString());
        const QString type = xml.attributePlain("Type").value_or(QString());
        const QString target = xml.attributePlain("Target").value_or(QString());
        const bool external =
            xml.attributePlain("TargetMode").value_or(QString()) == QLatin1String("External");
        if (!external && !target.isEmpty()) {
          const std::optional<QString> resolved = resolveTarget(folder, target);
          if (!resolved)
            fail(QStringLiteral("the part \"%1\" names an unsafe target \"%2\"")
                     .arg(part, target.left(80)));
          relationships.emplace(id, std::make_pair(type, *resolved));
        }
      }
      xml.skipElement();
    }
    return relationships;
  }

  void readDocumentRelationships(const QString& main) {
    const QString name = mainFolder_ + QStringLiteral("_rels/") +
                         main.mid(main.lastIndexOf(QLatin1Char('/')) + 1) + QStringLiteral(".rels");
    if (package_.hasPart(name)) documentRelationships_ = readRelationships(name, mainFolder_);
  }

  std::optional<QString> partOfType(const QString& type) const {
    for (const auto& [id, relationship] : documentRelationships_)
      if (relationship.first == type && package_.hasPart(relationship.second))
        return relationship.second;
    return std::nullopt;
  }

  // ---- styles, numbering, settings, header ----

  void readStyles(const QString& part) {
    XmlPartReader xml = partReader(part);
    xml.expectRoot(kW, QStringLiteral("styles"), QStringLiteral("a style list"));
    while (xml.nextChild()) {
      if (xml.isW("style") &&
          xml.attributeW("type").value_or(QString()) == QLatin1String("table")) {
        const QString id = xml.attributeW("styleId").value_or(QString());
        QString name = id;
        while (xml.nextChild()) {
          if (xml.isW("name")) name = xml.attributeW("val").value_or(id);
          xml.skipElement();
        }
        tableStyleNames_[id] = name;
      } else {
        xml.skipElement();
      }
    }
  }

  ListLevelDefinition readLevel(XmlPartReader& xml) {
    ListLevelDefinition level;
    level.defined = true;
    level.tabPosition = kUndefined;
    int left = 0, hanging = 0;
    while (xml.nextChild()) {
      if (xml.isW("start")) {
        level.startAt = xml.intW("val", 0, kMaxWordCount, 1);
      } else if (xml.isW("numFmt")) {
        const QString value = xml.attributeW("val").value_or(QString());
        const auto style = numberStyleFromXml(value);
        if (!style) xml.badValue("val", value);
        level.numberStyle = *style;
      } else if (xml.isW("lvlRestart")) {
        level.resetOnHigher = xml.intW("val", 0, kListLevels, 0);
      } else if (xml.isW("pStyle")) {
        level.linkedStyle = xml.attributeW("val").value_or(QString());
      } else if (xml.isW("suff")) {
        const QString value = xml.attributeW("val").value_or(QString());
        const auto trailing = trailingFromXml(value);
        if (!trailing) xml.badValue("val", value);
        level.trailingCharacter = *trailing;
      } else if (xml.isW("lvlText")) {
        level.numberFormat = xml.attributeW("val").value_or(QString()).left(kMaxBulletText);
      } else if (xml.isW("lvlJc")) {
        const QString value = xml.attributeW("val").value_or(QString());
        const auto alignment = alignmentFromXml(value);
        if (!alignment) xml.badValue("val", value);
        level.alignment = *alignment;
      } else if (xml.isW("pPr")) {
        readLevelPositions(xml, level, left, hanging);
        continue;
      } else if (xml.isW("rPr")) {
        readListFont(xml, level.font);
        continue;
      }
      xml.skipElement();
    }
    level.textPosition = twipsToPoints(left);
    level.numberPosition = twipsToPoints(left - hanging);
    return level;
  }

  // A level's w:pPr: its number tab and its indents (in twips: `left` to the text,
  // `hanging` from there back to the number).
  static void readLevelPositions(XmlPartReader& xml, ListLevelDefinition& level, int& left,
                                 int& hanging) {
    while (xml.nextChild()) {
      if (xml.isW("tabs")) {
        while (xml.nextChild()) {
          if (xml.isW("tab") && xml.attributeW("val").value_or(QString()) == QLatin1String("num"))
            level.tabPosition = twipsToPoints(xml.intW("pos", -kMaxTwips, kMaxTwips, 0));
          xml.skipElement();
        }
        continue;
      }
      if (xml.isW("ind")) {
        left = xml.intW("left", -kMaxTwips, kMaxTwips, xml.intW("start", -kMaxTwips, kMaxTwips, 0));
        hanging = xml.intW("hanging", 0, kMaxTwips, 0);
        if (!xml.attributeW("hanging")) hanging = -xml.intW("firstLine", 0, kMaxTwips, 0);
      }
      xml.skipElement();
    }
  }

  void readNumbering(const QString& part) {
    XmlPartReader xml = partReader(part);
    xml.expectRoot(kW, QStringLiteral("numbering"), QStringLiteral("a numbering list"));
    std::map<int, size_t> templateOfAbstract;  // abstractNumId -> index in listTemplates
    std::set<QString> names;
    while (xml.nextChild()) {
      if (xml.isW("abstractNum")) {
        if (model_->listTemplates.size() >= static_cast<size_t>(kMaxListTemplates))
          xml.fail(QStringLiteral("defines too many lists"));
        const int id = xml.intW("abstractNumId", 0, 1 << 30, 0);
        ListTemplateDefinition tmpl;
        while (xml.nextChild()) {
          if (xml.isW("name")) {
            tmpl.name = xml.attributeW("val").value_or(QString());
          } else if (xml.isW("multiLevelType")) {
            tmpl.outlineNumbered =
                xml.attributeW("val").value_or(QString()) == QLatin1String("multilevel");
          } else if (xml.isW("lvl")) {
            const int index = xml.intW("ilvl", 0, kListLevels - 1, 0);
            tmpl.levels[static_cast<size_t>(index)] = readLevel(xml);
            continue;
          }
          xml.skipElement();
        }
        // Each template needs a name of its own: paragraphs find their list by it.
        if (tmpl.name.isEmpty() || names.count(tmpl.name))
          tmpl.name = QStringLiteral("list %1").arg(model_->listTemplates.size() + 1);
        names.insert(tmpl.name);
        markDefaultLevels(tmpl);
        templateOfAbstract[id] = model_->listTemplates.size();
        model_->listTemplates.push_back(std::move(tmpl));
      } else if (xml.isW("num")) {
        const int numId = xml.intW("numId", 0, 1 << 30, 0);
        while (xml.nextChild()) {
          if (xml.isW("abstractNumId")) {
            const int abstractId = xml.intW("val", 0, 1 << 30, 0);
            const auto found = templateOfAbstract.find(abstractId);
            if (found != templateOfAbstract.end())
              lists_.templateOf[numId] = model_->listTemplates[found->second].name;
          }
          xml.skipElement();
        }
        continue;
      } else {
        xml.skipElement();
        continue;
      }
    }
  }

  // The writer writes all nine levels; a level that is exactly what the engine would show
  // for it undefined was never defined, and reads back as such.
  static void markDefaultLevels(ListTemplateDefinition& tmpl) {
    for (int level = 1; level <= kListLevels; ++level) {
      ListLevelDefinition& definition = tmpl.levels[static_cast<size_t>(level - 1)];
      if (!definition.defined) continue;
      ListLevelDefinition read = definition;
      definition.defined = false;
      const ListLevelDefinition fallback = effectiveListLevel(tmpl, level);
      if (!sameLevel(read, fallback)) definition = read;
    }
  }

  void readSettings(const QString& part) {
    XmlPartReader xml = partReader(part);
    xml.expectRoot(kW, QStringLiteral("settings"), QStringLiteral("a settings list"));
    while (xml.nextChild()) {
      if (xml.isW("defaultTabStop")) {
        const int tab = xml.intW("val", 0, kMaxTwips, pointsToTwips(model_->page.defaultTabStop));
        if (tab > 0) model_->page.defaultTabStop = twipsToPoints(tab);
      }
      xml.skipElement();
    }
  }

  void readHeader(const QString& part) {
    if (!package_.hasPart(part)) return;
    XmlPartReader xml = partReader(part);
    xml.expectRoot(kW, QStringLiteral("hdr"), QStringLiteral("a header"));
    bool pageField = false;
    int alignment = 0;
    // Looks through the header's paragraphs for a PAGE field and takes the alignment of
    // the paragraph that holds it.
    while (xml.nextChild()) {
      if (!xml.isW("p")) {
        xml.skipElement();
        continue;
      }
      int paragraphAlignment = 0;
      bool hasField = false;
      int depth = 0;
      for (;;) {
        if (!xml.nextChild()) {
          if (depth == 0) break;
          --depth;
          continue;
        }
        if (xml.isW("jc")) {
          paragraphAlignment =
              alignmentFromXml(xml.attributeW("val").value_or(QString())).value_or(0);
          xml.skipElement();
        } else if (xml.isW("instrText")) {
          hasField |= xml.elementText().trimmed().startsWith(QLatin1String("PAGE"));
        } else if (xml.isW("fldSimple")) {
          hasField |= xml.attributeW("instr").value_or(QString()).trimmed().startsWith(
              QLatin1String("PAGE"));
          xml.skipElement();
        } else if (xml.isW("pPr") || xml.isW("r") || xml.isW("hyperlink")) {
          if (++depth > 8) xml.fail(QStringLiteral("is nested too deeply"));
        } else {
          xml.skipElement();
        }
      }
      if (hasField && !pageField) {
        pageField = true;
        alignment = paragraphAlignment;
      }
    }
    model_->header.pageNumbers = pageField;
    if (pageField) model_->header.alignment = std::min(alignment, 2);
  }

  // ---- the body ----

  void readSectionProperties(XmlPartReader& xml, bool first) {
    PageSetup page = model_->page;
    bool titlePage = false;
    while (xml.nextChild()) {
      if (xml.isW("pgSz")) {
        page.pageWidth =
            twipsToPoints(xml.intW("w", 1440, kMaxTwips, pointsToTwips(page.pageWidth)));
        page.pageHeight =
            twipsToPoints(xml.intW("h", 1440, kMaxTwips, pointsToTwips(page.pageHeight)));
      } else if (xml.isW("pgMar")) {
        page.topMargin =
            twipsToPoints(xml.intW("top", 0, kMaxTwips, pointsToTwips(page.topMargin)));
        page.bottomMargin =
            twipsToPoints(xml.intW("bottom", 0, kMaxTwips, pointsToTwips(page.bottomMargin)));
        page.leftMargin =
            twipsToPoints(xml.intW("left", 0, kMaxTwips, pointsToTwips(page.leftMargin)));
        page.rightMargin =
            twipsToPoints(xml.intW("right", 0, kMaxTwips, pointsToTwips(page.rightMargin)));
        page.headerDistance =
            twipsToPoints(xml.intW("header", 0, kMaxTwips, pointsToTwips(page.headerDistance)));
        page.footerDistance =
            twipsToPoints(xml.intW("footer", 0, kMaxTwips, pointsToTwips(page.footerDistance)));
      } else if (xml.isW("titlePg")) {
        titlePage = xml.toggleW();
      } else if (xml.isW("headerReference")) {
        if (headerTarget_.isEmpty() && xml.attributeW("type").value_or(QStringLiteral("default")) ==
                                           QLatin1String("default")) {
          const auto id = xml.attribute(kR, "id");
          const auto found = id ? documentRelationships_.find(*id) : documentRelationships_.end();
          if (found != documentRelationships_.end() && found->second.first == kRelHeader)
            headerTarget_ = found->second.second;
        }
      }
      xml.skipElement();
    }
    // Margins must leave room for text; a page that cannot hold any is refused.
    if (page.topMargin + page.bottomMargin >= page.pageHeight ||
        page.leftMargin + page.rightMargin >= page.pageWidth)
      xml.fail(QStringLiteral("has page margins that leave no room for text"));
    // All sections share one page set-up: the last section's, as Word keeps it in the body.
    model_->page = page;
    if (first) firstSectionTitlePage_ = titlePage;
  }

  void readParagraphProperties(XmlPartReader& xml, ParagraphData& paragraph) {
    while (xml.nextChild()) {
      if (readParagraphProperty(xml, paragraph.values, lists_)) continue;
      if (xml.isW("rPr")) {
        paragraph.mark = readRunProperties(xml, paragraph.mark);
      } else if (xml.isW("sectPr")) {
        paragraph.endsSection = true;
        readSectionProperties(xml, sectionsSeen_++ == 0);
      } else {
        xml.skipElement();
      }
    }
  }

  void countRun() {
    if (++runs_ > kMaxRuns) fail(QStringLiteral("the document has too many runs of text"));
  }

  void readRun(XmlPartReader& xml, ParagraphData& paragraph) {
    // A run without properties of its own takes the Normal style's, not the paragraph
    // mark's.
    RunValues run = DocumentModel::normalRun();
    QString text;
    while (xml.nextChild()) {
      if (xml.isW("rPr")) {
        run = readRunProperties(xml, DocumentModel::normalRun());
        continue;
      }
      if (xml.isW("t")) {
        text += cleanRunText(xml.elementText());
        continue;
      }
      if (xml.isW("tab"))
        text += QLatin1Char('\t');
      else if (xml.isW("br") || xml.isW("cr"))
        text += QChar::LineSeparator;
      else if (xml.isW("noBreakHyphen"))
        text += QChar(0x2011);
      xml.skipElement();
    }
    if (text.isEmpty()) return;
    countRun();
    paragraph.characters += text.size();
    paragraph.tabs += static_cast<int>(text.count(QLatin1Char('\t')));
    if (paragraph.characters > kMaxParagraphCharacters)
      fail(QStringLiteral("a paragraph is too long (over %1 characters)")
               .arg(kMaxParagraphCharacters));
    if (paragraph.tabs > kMaxParagraphTabs)
      fail(QStringLiteral("a paragraph has more tabs than a page can hold (over %1)")
               .arg(kMaxParagraphTabs));
    if (!paragraph.runs.empty()) {
      auto& last = paragraph.runs.back();
      if (last.first == run) {
        last.second += text;
        return;
      }
    }
    paragraph.runs.emplace_back(run, text);
  }

  // Runs may sit inside hyperlinks, insertions, smart tags and content controls.
  void readParagraphContent(XmlPartReader& xml, ParagraphData& paragraph) {
    xml.enter();
    while (xml.nextChild()) {
      if (xml.isW("r")) {
        readRun(xml, paragraph);
      } else if (xml.isW("hyperlink") || xml.isW("ins") || xml.isW("smartTag") || xml.isW("sdt") ||
                 xml.isW("sdtContent") || xml.isW("fldSimple") || xml.isW("customXml")) {
        readParagraphContent(xml, paragraph);
      } else {
        xml.skipElement();
      }
    }
    xml.leave();
  }

  ParagraphData readParagraph(XmlPartReader& xml) {
    if (++paragraphs_ > kMaxParagraphs)
      fail(QStringLiteral("the document has too many paragraphs"));
    ParagraphData paragraph;
    xml.enter();
    while (xml.nextChild()) {
      if (xml.isW("pPr")) {
        readParagraphProperties(xml, paragraph);
      } else if (xml.isW("r")) {
        readRun(xml, paragraph);
      } else if (xml.isW("hyperlink") || xml.isW("ins") || xml.isW("smartTag") || xml.isW("sdt") ||
                 xml.isW("fldSimple") || xml.isW("customXml")) {
        readParagraphContent(xml, paragraph);
      } else {
        xml.skipElement();
      }
    }
    xml.leave();
    return paragraph;
  }

  CellData readCell(XmlPartReader& xml) {
    CellData cell;
    while (xml.nextChild()) {
      if (xml.isW("tcPr")) {
        while (xml.nextChild()) {
          if (xml.isW("gridSpan")) {
            cell.span = xml.intW("val", 1, kMaxTableColumns, 1);
          } else if (xml.isW("vMerge")) {
            cell.vMerge = xml.attributeW("val").value_or(QString()) == QLatin1String("restart")
                              ? VMerge::Restart
                              : VMerge::Continue;
          } else if (xml.isW("shd")) {
            cell.values.shaded = true;
            const QString texture = xml.attributeW("val").value_or(QStringLiteral("clear"));
            const auto textureValue = textureFromXml(texture);
            if (!textureValue) xml.badValue("val", texture);
            cell.values.texture = *textureValue;
            const QString color = xml.attributeW("color").value_or(QStringLiteral("auto"));
            const QString fill = xml.attributeW("fill").value_or(QStringLiteral("auto"));
            const auto foreground = hexToColor(color);
            const auto background = hexToColor(fill);
            if (!foreground) xml.badValue("color", color);
            if (!background) xml.badValue("fill", fill);
            cell.values.foregroundColor = *foreground;
            cell.values.backgroundColor = *background;
          }
          xml.skipElement();
        }
      } else if (xml.isW("p")) {
        cell.paragraphs.push_back(readParagraph(xml));
      } else if (xml.isW("tbl")) {
        xml.fail(QStringLiteral("holds nested tables, which are not supported"));
      } else {
        xml.skipElement();
      }
    }
    return cell;
  }

  TableData readTable(XmlPartReader& xml) {
    TableData table;
    table.values.style.clear();
    while (xml.nextChild()) {
      if (xml.isW("tblPr")) {
        readTableProperties(xml, table.values);
      } else if (xml.isW("tblGrid")) {
        readTableGrid(xml, table.values);
      } else if (xml.isW("tr")) {
        if (table.rows.size() >= static_cast<size_t>(kMaxTableRows))
          xml.fail(QStringLiteral("holds a table with too many rows"));
        table.rows.push_back(readRow(xml));
      } else {
        xml.skipElement();
      }
    }
    return table;
  }

  void readTableProperties(XmlPartReader& xml, TableValues& values) {
    while (xml.nextChild()) {
      if (xml.isW("tblStyle")) {
        const QString id = xml.attributeW("val").value_or(QString());
        const auto found = tableStyleNames_.find(id);
        values.style = found != tableStyleNames_.end() ? found->second : id;
      } else if (xml.isW("tblLook")) {
        const int mask = xml.attributeW("val").value_or(QStringLiteral("0")).toInt(nullptr, 16);
        auto option = [&](const char* name, int bit) {
          const auto value = xml.attributeW(name);
          if (value) return *value == QLatin1String("1") || *value == QLatin1String("true");
          return (mask & bit) != 0;
        };
        values.applyHeadingRows = option("firstRow", 0x20);
        values.applyLastRow = option("lastRow", 0x40);
        values.applyFirstColumn = option("firstColumn", 0x80);
        values.applyLastColumn = option("lastColumn", 0x100);
      }
      xml.skipElement();
    }
  }

  static void readTableGrid(XmlPartReader& xml, TableValues& values) {
    values.columnWidths.clear();
    while (xml.nextChild()) {
      if (xml.isW("gridCol")) {
        if (values.columnWidths.size() >= kMaxTableColumns)
          xml.fail(QStringLiteral("holds a table with too many columns"));
        values.columnWidths.append(twipsToPoints(xml.intW("w", 0, kMaxTwips, 0)));
      }
      xml.skipElement();
    }
  }

  RowData readRow(XmlPartReader& xml) {
    RowData row;
    while (xml.nextChild()) {
      if (xml.isW("trPr")) {
        while (xml.nextChild()) {
          if (xml.isW("trHeight")) {
            row.height = twipsToPoints(xml.intW("val", 0, kMaxTwips, 0));
            const QString rule = xml.attributeW("hRule").value_or(QStringLiteral("atLeast"));
            row.heightRule = rule == QLatin1String("exact")  ? 2
                             : rule == QLatin1String("auto") ? 0
                                                             : 1;
          }
          xml.skipElement();
        }
      } else if (xml.isW("tc")) {
        if (row.cells.size() >= static_cast<size_t>(kMaxTableColumns))
          xml.fail(QStringLiteral("holds a table row with too many cells"));
        if (++cells_ > kMaxTableCells)
          fail(QStringLiteral("the document has too many table cells"));
        row.cells.push_back(readCell(xml));
      } else {
        xml.skipElement();
      }
    }
    return row;
  }

  // ---- building the model ----

  // The block the next body paragraph goes into: the document's first (empty) block, or
  // the one Qt keeps after a table, or a new one.
  void placeParagraph(const ParagraphData& data, QTextCursor& cursor, bool reuseBlock) {
    ParagraphValues values = data.values;
    if (pendingSectionStart_) {
      values.sectionStart = true;
      pendingSectionStart_ = false;
    } else {
      values.sectionStart = false;
    }
    QTextBlockFormat blockFormat;
    setParagraphValues(blockFormat, values);
    QTextCharFormat markFormat;
    setRunValues(markFormat, data.mark);
    if (reuseBlock) {
      cursor.setBlockFormat(blockFormat);
      cursor.setBlockCharFormat(markFormat);
    } else {
      cursor.insertBlock(blockFormat, markFormat);
    }
    insertRuns(data, cursor);
    if (data.endsSection) pendingSectionStart_ = true;
  }

  static void insertRuns(const ParagraphData& data, QTextCursor& cursor) {
    for (const auto& [run, text] : data.runs) {
      QTextCharFormat format;
      setRunValues(format, run);
      cursor.insertText(text, format);
    }
  }

  // The cell's own format is also its first paragraph's mark format (one character holds
  // both, with the merge spans), so the two are set together, spans kept.
  static void fillCell(QTextTableCell cell, const std::vector<ParagraphData>& paragraphs,
                       const CellValues& cellFormatValues) {
    QTextCursor cursor = cell.firstCursorPosition();
    RunValues firstMark = DocumentModel::normalRun();
    bool first = true;
    for (const ParagraphData& data : paragraphs) {
      ParagraphValues values = data.values;
      values.sectionStart = false;  // sections do not start inside tables
      QTextBlockFormat blockFormat;
      setParagraphValues(blockFormat, values);
      if (first) {
        cursor.setBlockFormat(blockFormat);
        firstMark = data.mark;
        first = false;
      } else {
        QTextCharFormat markFormat;
        setRunValues(markFormat, data.mark);
        cursor.insertBlock(blockFormat, markFormat);
      }
      insertRuns(data, cursor);
    }
    QTextTableCellFormat cellFormat = cell.format().toTableCellFormat();
    setRunValues(cellFormat, firstMark);
    setCellValues(cellFormat, cellFormatValues);
    cell.setFormat(cellFormat);
  }

  void placeTable(TableData& data, QTextCursor& cursor) {
    if (data.rows.empty()) return;
    const int columns = gridColumns(data);
    if (columns == 0) return;  // rows without cells: nothing to show
    if (columns > kMaxTableColumns) fail(QStringLiteral("a table has too many columns"));
    const int rows = static_cast<int>(data.rows.size());
    // Every grid position becomes a cell, spanned or not, so the grid is what costs.
    gridCells_ += static_cast<qint64>(rows) * columns;
    if (gridCells_ > kMaxTableCells) fail(QStringLiteral("the document has too many table cells"));
    while (data.values.columnWidths.size() < columns) data.values.columnWidths.append(0);
    data.values.rowHeights.clear();
    data.values.rowHeightRules.clear();
    for (const RowData& row : data.rows) {
      data.values.rowHeights.append(row.height);
      data.values.rowHeightRules.append(row.heightRule);
    }
    const std::vector<CellOrigin> origins = cellOrigins(data, columns);

    QTextTableFormat tableFormat;
    setTableValues(tableFormat, data.values);
    QTextTable* table = cursor.insertTable(rows, columns, tableFormat);
    for (const CellOrigin& origin : origins) {
      if (origin.rowSpan > 1 || origin.columnSpan > 1)
        table->mergeCells(origin.row, origin.column, origin.rowSpan, origin.columnSpan);
    }
    for (const CellOrigin& origin : origins) {
      fillCell(table->cellAt(origin.row, origin.column), origin.cell->paragraphs,
               origin.cell->values);
    }
    // Continue in the block Qt keeps after the table.
    cursor = table->lastCursorPosition();
    cursor.movePosition(QTextCursor::NextBlock);
  }

  // The columns of the table's grid: its grid's, or its widest row's when that is wider.
  static int gridColumns(const TableData& data) {
    int columns = static_cast<int>(data.values.columnWidths.size());
    for (const RowData& row : data.rows) {
      int width = 0;
      for (const CellData& cell : row.cells) width += cell.span;
      columns = std::max(columns, width);
    }
    return columns;
  }

  // Where a cell starts in the grid and how far it spans.
  struct CellOrigin {
    int row, column, rowSpan, columnSpan;
    const CellData* cell;
  };

  // Where every cell starts, and how far vertical merges reach.
  static std::vector<CellOrigin> cellOrigins(const TableData& data, int columns) {
    std::vector<CellOrigin> origins;
    std::map<int, size_t> openMerge;  // start column -> origin still open for vMerge
    for (size_t r = 0; r < data.rows.size(); ++r) {
      int column = 0;
      std::map<int, size_t> stillOpen;
      for (const CellData& cell : data.rows[r].cells) {
        const int span = std::min(cell.span, columns - column);
        if (span <= 0) break;
        const auto open = openMerge.find(column);
        if (cell.vMerge == VMerge::Continue && open != openMerge.end() &&
            origins[open->second].columnSpan == span) {
          origins[open->second].rowSpan++;
          stillOpen[column] = open->second;
        } else {
          origins.push_back({static_cast<int>(r), column, 1, span, &cell});
          if (cell.vMerge == VMerge::Restart) stillOpen[column] = origins.size() - 1;
        }
        column += span;
      }
      openMerge = std::move(stillOpen);
    }
    return origins;
  }

  void readBody(const QString& main) {
    XmlPartReader xml = partReader(main);
    xml.expectRoot(kW, QStringLiteral("document"), QStringLiteral("a WordprocessingML document"));
    QTextCursor cursor(model_->text());
    cursor.movePosition(QTextCursor::End);
    // One edit block for the whole body: the layout is brought up to date once at the end,
    // not after every insertion. No undo history is kept for a document being read.
    const bool undo = model_->text()->isUndoRedoEnabled();
    model_->text()->setUndoRedoEnabled(false);
    struct EditBlock {
      QTextCursor& cursor;
      ~EditBlock() { cursor.endEditBlock(); }
    } editBlock{cursor};
    cursor.beginEditBlock();
    // The new model's single empty paragraph takes the first paragraph read.
    bool reuseBlock = true;
    bool sawBody = false;
    while (xml.nextChild()) {
      if (!xml.isW("body")) {
        xml.skipElement();
        continue;
      }
      sawBody = true;
      while (xml.nextChild()) {
        if (xml.isW("p")) {
          const ParagraphData paragraph = readParagraph(xml);
          placeParagraph(paragraph, cursor, reuseBlock);
          reuseBlock = false;
        } else if (xml.isW("tbl")) {
          if (++tables_ > kMaxTableRows) fail(QStringLiteral("the document has too many tables"));
          TableData table = readTable(xml);
          placeTable(table, cursor);
          reuseBlock = true;
        } else if (xml.isW("sectPr")) {
          readSectionProperties(xml, sectionsSeen_++ == 0);
        } else if (xml.isW("sdt") || xml.isW("customXml")) {
          // Content controls around body paragraphs are unwrapped no further.
          xml.skipElement();
        } else {
          xml.skipElement();
        }
      }
    }
    if (!sawBody) xml.fail(QStringLiteral("has no body"));
    model_->text()->setUndoRedoEnabled(undo);
  }

  QString file_;
  PackageReader package_;
  std::optional<DocumentModel> model_;  // made once the package structure is sound
  QString mainFolder_;
  std::map<QString, std::pair<QString, QString>> documentRelationships_;
  std::map<QString, QString> tableStyleNames_;  // style id -> name
  ListNumbers lists_;                           // numId -> list template name
  QString headerTarget_;
  bool firstSectionTitlePage_ = false;
  bool pendingSectionStart_ = false;
  int sectionsSeen_ = 0;
  int paragraphs_ = 0, runs_ = 0, cells_ = 0, tables_ = 0;
  qint64 gridCells_ = 0;
};

}  // namespace

DocumentModel loadDocx(const QString& path) { return DocumentReader(path).read(); }

}  // namespace engine
