// The XML that saveDocx writes: the values Word and other readers rely on, checked in the
// parts themselves.
#include <gtest/gtest.h>

#include <QMap>
#include <QXmlStreamReader>

#include "DocxTestDocuments.h"
#include "engine/Docx.h"
#include "engine/DocxPackage.h"
#include "word/WordConstants.h"

using namespace engine;
using namespace docx_test;

namespace {

struct Element {
  QString path;                  // local names from the root, "numbering/abstractNum/lvl"
  QMap<QString, QString> attrs;  // by qualified name, "w:val"
  QString text;
  int index = 0;  // position in document order
};

class Parts {
 public:
  explicit Parts(const DocumentModel& model, const QString& name = QStringLiteral("parts.docx")) {
    path_ = scratchPath(name);
    saveDocx(model, path_);
    reader_ = std::make_unique<PackageReader>(path_);
  }
  bool has(const QString& part) const { return reader_->hasPart(part); }

  std::vector<Element> elements(const QString& part) {
    std::vector<Element> out;
    QXmlStreamReader xml(reader_->readPart(part));
    QStringList stack;
    while (!xml.atEnd()) {
      xml.readNext();
      if (xml.isStartElement()) {
        stack << xml.name().toString();
        Element element;
        element.path = stack.join('/');
        for (const auto& attribute : xml.attributes())
          element.attrs[attribute.qualifiedName().toString()] = attribute.value().toString();
        element.index = static_cast<int>(out.size());
        out.push_back(element);
      } else if (xml.isCharacters() && !out.empty()) {
        out.back().text += xml.text();
      } else if (xml.isEndElement()) {
        stack.removeLast();
      }
    }
    EXPECT_FALSE(xml.hasError()) << part.toStdString() << ": " << xml.errorString().toStdString();
    return out;
  }

 private:
  QString path_;
  std::unique_ptr<PackageReader> reader_;
};

std::vector<Element> withPath(const std::vector<Element>& all, const QString& suffix) {
  std::vector<Element> out;
  for (const Element& e : all)
    if (e.path == suffix || e.path.endsWith(QLatin1Char('/') + suffix)) out.push_back(e);
  return out;
}

// The first element with this path suffix after `from` (document order).
Element after(const std::vector<Element>& all, const Element& from, const QString& suffix) {
  for (size_t i = static_cast<size_t>(from.index) + 1; i < all.size(); ++i)
    if (all[i].path.endsWith(suffix)) return all[i];
  ADD_FAILURE() << "no " << suffix.toStdString() << " after " << from.path.toStdString();
  return {};
}

}  // namespace

TEST(DocxParts, PackageHoldsEveryPartWithContentTypes) {
  Parts parts(samplePlan());
  for (const char* name :
       {"[Content_Types].xml", "_rels/.rels", "word/document.xml", "word/_rels/document.xml.rels",
        "word/styles.xml", "word/numbering.xml", "word/settings.xml", "word/header1.xml"})
    EXPECT_TRUE(parts.has(QString::fromLatin1(name))) << name;
  QStringList overridden;
  for (const Element& e :
       withPath(parts.elements(QStringLiteral("[Content_Types].xml")), "Override"))
    overridden << e.attrs.value(QStringLiteral("PartName"));
  for (const char* name : {"/word/document.xml", "/word/styles.xml", "/word/numbering.xml",
                           "/word/settings.xml", "/word/header1.xml"})
    EXPECT_TRUE(overridden.contains(QString::fromLatin1(name))) << name;

  // Without page numbers there is no header part and no reference to one.
  Parts plain{DocumentModel(), QStringLiteral("plain.docx")};
  EXPECT_FALSE(plain.has(QStringLiteral("word/header1.xml")));
  EXPECT_TRUE(
      withPath(plain.elements(QStringLiteral("word/document.xml")), "headerReference").empty());
}

TEST(DocxParts, ListTemplatesLevelOneExactly) {
  Parts parts(samplePlan());
  const auto all = parts.elements(QStringLiteral("word/numbering.xml"));
  const auto abstracts = withPath(all, "abstractNum");
  ASSERT_EQ(abstracts.size(), 2u);
  const struct {
    QString name, bullet, font;
  } expected[] = {
      {QStringLiteral("my list1"), QString(QChar(word::kSymbolBullet)), QStringLiteral("Symbol")},
      {QStringLiteral("my list2"), QStringLiteral("o"), QStringLiteral("Courier New")},
  };
  for (size_t i = 0; i < 2; ++i) {
    SCOPED_TRACE(expected[i].name.toStdString());
    EXPECT_EQ(after(all, abstracts[i], "abstractNum/name").attrs.value("w:val"), expected[i].name);
    const Element level = after(all, abstracts[i], "abstractNum/lvl");
    EXPECT_EQ(level.attrs.value("w:ilvl"), "0");
    EXPECT_EQ(after(all, level, "lvl/start").attrs.value("w:val"), "1");
    EXPECT_EQ(after(all, level, "lvl/numFmt").attrs.value("w:val"), "bullet");
    EXPECT_EQ(after(all, level, "lvl/suff").attrs.value("w:val"), "tab");
    EXPECT_EQ(after(all, level, "lvl/lvlText").attrs.value("w:val"), expected[i].bullet);
    EXPECT_EQ(after(all, level, "lvl/lvlJc").attrs.value("w:val"), "left");
    const Element tab = after(all, level, "lvl/pPr/tabs/tab");
    EXPECT_EQ(tab.attrs.value("w:val"), "num");
    EXPECT_EQ(tab.attrs.value("w:pos"), "720");  // 0.5 inch
    const Element indent = after(all, level, "lvl/pPr/ind");
    EXPECT_EQ(indent.attrs.value("w:left"), "720");     // text at 0.5 inch
    EXPECT_EQ(indent.attrs.value("w:hanging"), "360");  // bullet at 0.25 inch
    const Element fonts = after(all, level, "lvl/rPr/rFonts");
    EXPECT_EQ(fonts.attrs.value("w:ascii"), expected[i].font);
    EXPECT_EQ(fonts.attrs.value("w:hAnsi"), expected[i].font);
    // The undefined font properties are left for the text to give.
    EXPECT_TRUE(withPath(all, "lvl/rPr/b").empty());
    EXPECT_TRUE(withPath(all, "lvl/rPr/sz").empty());
    // Nine levels, the deeper ones indented further and still bullets.
    const auto levels = withPath(all, "lvl");
    int inThisList = 0;
    double lastLeft = -1;
    for (const Element& l : levels) {
      if (l.index < abstracts[i].index || (i == 0 && l.index > abstracts[1].index)) continue;
      ++inThisList;
      EXPECT_EQ(after(all, l, "lvl/numFmt").attrs.value("w:val"), "bullet");
      const double left = after(all, l, "lvl/pPr/ind").attrs.value("w:left").toDouble();
      EXPECT_GT(left, lastLeft);
      lastLeft = left;
    }
    EXPECT_EQ(inThisList, 9);
  }
  const auto nums = withPath(all, "num");
  ASSERT_EQ(nums.size(), 2u);
  EXPECT_EQ(after(all, nums[1], "num/abstractNumId").attrs.value("w:val"), "1");
}

TEST(DocxParts, StylesAndSettingsGiveWordsDefaults) {
  Parts parts(samplePlan());
  const auto styles = parts.elements(QStringLiteral("word/styles.xml"));
  const auto fonts = withPath(styles, "docDefaults/rPrDefault/rPr/rFonts");
  ASSERT_EQ(fonts.size(), 1u);
  EXPECT_EQ(fonts[0].attrs.value("w:ascii"), "Calibri");
  EXPECT_EQ(withPath(styles, "docDefaults/rPrDefault/rPr/sz")[0].attrs.value("w:val"), "22");
  const Element spacing = withPath(styles, "docDefaults/pPrDefault/pPr/spacing")[0];
  EXPECT_EQ(spacing.attrs.value("w:after"), "0");
  EXPECT_EQ(spacing.attrs.value("w:line"), "259");  // 1.08 lines
  EXPECT_EQ(spacing.attrs.value("w:lineRule"), "auto");

  QString gridStyleName;
  for (const Element& style : withPath(styles, "styles/style"))
    if (style.attrs.value("w:styleId") == "TableGrid")
      gridStyleName = after(styles, style, "style/name").attrs.value("w:val");
  EXPECT_EQ(gridStyleName, "Table Grid");
  const auto borders = withPath(styles, "style/tblPr/tblBorders");
  ASSERT_EQ(borders.size(), 1u);
  for (const char* side : {"top", "left", "bottom", "right", "insideH", "insideV"}) {
    const Element border = after(styles, borders[0], QStringLiteral("tblBorders/") + side);
    EXPECT_EQ(border.attrs.value("w:val"), "single") << side;
    EXPECT_EQ(border.attrs.value("w:sz"), "4") << side;  // 0.5 pt
  }

  const auto settings = parts.elements(QStringLiteral("word/settings.xml"));
  EXPECT_EQ(withPath(settings, "defaultTabStop")[0].attrs.value("w:val"), "720");
}

TEST(DocxParts, HeaderHoldsAPageFieldAtTheRight) {
  Parts parts(samplePlan());
  const auto header = parts.elements(QStringLiteral("word/header1.xml"));
  EXPECT_EQ(withPath(header, "hdr/p/pPr/jc")[0].attrs.value("w:val"), "right");
  const auto instructions = withPath(header, "instrText");
  ASSERT_EQ(instructions.size(), 1u);
  EXPECT_EQ(instructions[0].text.trimmed(), "PAGE");
  QStringList fieldChars;
  for (const Element& e : withPath(header, "fldChar")) fieldChars << e.attrs.value("w:fldCharType");
  EXPECT_EQ(fieldChars, QStringList({"begin", "separate", "end"}));
}

TEST(DocxParts, SectionsParagraphsAndTables) {
  Parts parts(samplePlan());
  const auto doc = parts.elements(QStringLiteral("word/document.xml"));

  // Three sections: two inside paragraphs, the last in the body; all US Letter with
  // 1-inch margins, a half-inch header, the header referenced, no title page of its own.
  const auto sections = withPath(doc, "sectPr");
  ASSERT_EQ(sections.size(), 3u);
  EXPECT_TRUE(sections[0].path.endsWith("p/pPr/sectPr"));
  EXPECT_TRUE(sections[1].path.endsWith("p/pPr/sectPr"));
  EXPECT_EQ(sections[2].path, "document/body/sectPr");
  EXPECT_EQ(withPath(doc, "sectPr/type").size(), 2u);
  for (const Element& type : withPath(doc, "sectPr/type"))
    EXPECT_EQ(type.attrs.value("w:val"), "nextPage");
  for (const Element& size : withPath(doc, "sectPr/pgSz")) {
    EXPECT_EQ(size.attrs.value("w:w"), "12240");
    EXPECT_EQ(size.attrs.value("w:h"), "15840");
  }
  for (const Element& margins : withPath(doc, "sectPr/pgMar")) {
    for (const char* side : {"w:top", "w:bottom", "w:left", "w:right"})
      EXPECT_EQ(margins.attrs.value(side), "1440") << side;
    EXPECT_EQ(margins.attrs.value("w:header"), "720");
  }
  EXPECT_EQ(withPath(doc, "sectPr/headerReference").size(), 3u);
  EXPECT_TRUE(withPath(doc, "sectPr/titlePg").empty());

  // 1.3 lines is 312 in 240ths of a line; auto spacing flags are kept.
  const auto spacings = withPath(doc, "body/p/pPr/spacing");
  EXPECT_EQ(spacings[0].attrs.value("w:line"), "312");
  EXPECT_EQ(spacings[0].attrs.value("w:lineRule"), "auto");
  EXPECT_EQ(spacings[2].attrs.value("w:beforeAutospacing"), "1");
  EXPECT_EQ(spacings[2].attrs.value("w:afterAutospacing"), "1");
  // Tabs in text are tab elements, never tab characters.
  EXPECT_FALSE(withPath(doc, "r/tab").empty());
  for (const Element& text : withPath(doc, "r/t")) EXPECT_FALSE(text.text.contains('\t'));
  // The font is the name as set.
  EXPECT_EQ(withPath(doc, "body/p/r/rPr/rFonts")[0].attrs.value("w:ascii"), "Garamond");
  EXPECT_EQ(withPath(doc, "body/p/r/rPr/sz")[0].attrs.value("w:val"), "40");  // 20 pt

  const auto tables = withPath(doc, "body/tbl");
  ASSERT_EQ(tables.size(), 2u);
  EXPECT_EQ(after(doc, tables[0], "tblPr/tblStyle").attrs.value("w:val"), "TableGrid");
  const Element look = after(doc, tables[0], "tblPr/tblLook");
  EXPECT_EQ(look.attrs.value("w:firstRow"), "1");
  EXPECT_EQ(look.attrs.value("w:firstColumn"), "1");
  EXPECT_EQ(look.attrs.value("w:lastRow"), "0");
  int gridColumns = 0;
  for (const Element& column : withPath(doc, "tblGrid/gridCol"))
    if (column.index < tables[1].index) ++gridColumns;
  EXPECT_EQ(gridColumns, 7);
  const Element height = after(doc, tables[0], "trPr/trHeight");
  EXPECT_EQ(height.attrs.value("w:val"), "600");
  EXPECT_EQ(height.attrs.value("w:hRule"), "atLeast");
  const auto shading = withPath(doc, "tcPr/shd");
  ASSERT_EQ(shading.size(), 7u);
  for (const Element& shd : shading) {
    EXPECT_EQ(shd.attrs.value("w:fill"), "C0C0C0");
    EXPECT_EQ(shd.attrs.value("w:val"), "clear");
  }
  const auto merges = withPath(doc, "tcPr/vMerge");
  ASSERT_EQ(merges.size(), 2u);
  EXPECT_EQ(merges[0].attrs.value("w:val"), "restart");
  EXPECT_FALSE(merges[1].attrs.contains("w:val"));
  // The two parts of the merge sit in the first column of rows 2 and 3.
  EXPECT_GT(merges[0].index, tables[1].index);
}
