// Paragraph, run and bullet-font properties: each WordprocessingML element written and read
// from one entry.
#include "engine/DocxProperties.h"

#include <algorithm>
#include <cmath>

#include "engine/EngineLimits.h"

namespace engine::docx {

namespace {

// A font size in half points (w:sz), as points.
double readHalfPoints(XmlPartReader& xml) { return xml.intW("val", 1, kMaxHalfPoints, 22) / 2.0; }

// ---- w:pPr, one element at a time ----

bool writesNumbering(const ParagraphValues& p, const ListNumbers& lists) {
  return !p.listTemplate.isEmpty() && p.listLevel >= 1 &&
         lists.numIdOf.find(p.listTemplate) != lists.numIdOf.end();
}

void writeListNumber(Part& part, const ParagraphValues& p, const ListNumbers& lists) {
  if (!writesNumbering(p, lists)) return;
  part.start(QStringLiteral("numPr"));
  part.val(QStringLiteral("ilvl"), number(std::clamp(p.listLevel, 1, kListLevels) - 1));
  part.val(QStringLiteral("numId"), number(lists.numIdOf.at(p.listTemplate)));
  part.end();
}

void readListNumber(XmlPartReader& xml, ParagraphValues& p, const ListNumbers& lists) {
  int level = 0, numId = 0;
  while (xml.nextChild()) {
    if (xml.isW("ilvl")) level = xml.intW("val", 0, kListLevels - 1, 0);
    if (xml.isW("numId")) numId = xml.intW("val", 0, 1 << 30, 0);
    xml.skipElement();
  }
  const auto found = lists.templateOf.find(numId);
  if (found != lists.templateOf.end()) {
    p.listTemplate = found->second;
    p.listLevel = level + 1;
  } else {
    p.listTemplate.clear();
    p.listLevel = 0;
  }
}

void writeTabs(Part& part, const ParagraphValues& p, const ListNumbers&) {
  if (p.tabStops.isEmpty()) return;
  part.start(QStringLiteral("tabs"));
  for (double position : p.tabStops) {
    part.empty(QStringLiteral("tab"));
    part.attr(QStringLiteral("val"), QStringLiteral("left"));
    part.attr(QStringLiteral("pos"), twips(position));
  }
  part.end();
}

void readTabs(XmlPartReader& xml, ParagraphValues& p, const ListNumbers&) {
  p.tabStops.clear();
  while (xml.nextChild()) {
    if (xml.isW("tab") && xml.attributeW("val").value_or(QString()) != QLatin1String("clear")) {
      if (p.tabStops.size() >= kMaxTabStops) xml.fail(QStringLiteral("has too many tab stops"));
      p.tabStops.append(twipsToPoints(xml.intW("pos", -kMaxTwips, kMaxTwips, 0)));
    }
    xml.skipElement();
  }
  std::sort(p.tabStops.begin(), p.tabStops.end());
}

void writeSpacingEntry(Part& part, const ParagraphValues& p, const ListNumbers&) {
  writeSpacing(part, p);
}

void readSpacing(XmlPartReader& xml, ParagraphValues& p, const ListNumbers&) {
  p.spaceBefore = twipsToPoints(xml.intW("before", 0, kMaxTwips, pointsToTwips(p.spaceBefore)));
  p.spaceAfter = twipsToPoints(xml.intW("after", 0, kMaxTwips, pointsToTwips(p.spaceAfter)));
  auto flag = [&](const char* name) {
    const QString value = xml.attributeW(name).value_or(QStringLiteral("0"));
    return value == QLatin1String("1") || value == QLatin1String("true") ||
           value == QLatin1String("on");
  };
  p.spaceBeforeAuto = flag("beforeAutospacing");
  p.spaceAfterAuto = flag("afterAutospacing");
  if (xml.attributeW("line")) {
    const int line = xml.intW("line", 1, kMaxTwips, 240);
    const QString rule = xml.attributeW("lineRule").value_or(QString());
    const auto spacing = lineSpacingFromXml(line, rule);
    if (!spacing) xml.badValue("lineRule", rule);
    p.lineSpacingRule = spacing->first;
    p.lineSpacing = spacing->second;
  }
  xml.skipElement();
}

// A list paragraph with no indent of its own leaves w:ind out: its level's
// (w:lvl/w:pPr/w:ind) apply. With one of its own it writes both, the other as its level
// gives it: a w:ind with one attribute is read differently by different readers
// (LibreOffice takes the missing one as zero). No first-line indent is written as
// hanging="0": LibreOffice reads firstLine="0" on a list paragraph as the margin.
void writeIndents(Part& part, const ParagraphValues& p, const ListNumbers& lists) {
  const bool own = writesNumbering(p, lists) ? p.leftIndentDirect || p.firstLineIndentDirect
                                             : p.leftIndent != 0 || p.firstLineIndent != 0;
  if (own) writeInd(part, p.leftIndent, p.firstLineIndent);
}

// Each indent given here is the paragraph's own; one left out is its list level's (filled
// in when the document is laid out) or none.
void readIndents(XmlPartReader& xml, ParagraphValues& p, const ListNumbers&) {
  if (xml.attributeW("left") || xml.attributeW("start")) {
    p.leftIndent = twipsToPoints(
        xml.intW("left", -kMaxTwips, kMaxTwips, xml.intW("start", -kMaxTwips, kMaxTwips, 0)));
    p.leftIndentDirect = true;
  }
  if (xml.attributeW("hanging")) {
    p.firstLineIndent = -twipsToPoints(xml.intW("hanging", 0, kMaxTwips, 0));
    p.firstLineIndentDirect = true;
  } else if (xml.attributeW("firstLine")) {
    p.firstLineIndent = twipsToPoints(xml.intW("firstLine", 0, kMaxTwips, 0));
    p.firstLineIndentDirect = true;
  }
  xml.skipElement();
}

void writeAlignment(Part& part, const ParagraphValues& p, const ListNumbers&) {
  part.val(QStringLiteral("jc"), alignmentToXml(p.alignment));
}

void readAlignment(XmlPartReader& xml, ParagraphValues& p, const ListNumbers&) {
  const QString value = xml.attributeW("val").value_or(QString());
  const auto alignment = alignmentFromXml(value);
  if (!alignment) xml.badValue("val", value);
  p.alignment = *alignment;
  xml.skipElement();
}

// The paragraph's own elements of w:pPr, in the order WordprocessingML wants them. A read
// leaves the reader past its element.
struct ParagraphElement {
  const char* name;
  void (*write)(Part&, const ParagraphValues&, const ListNumbers&);
  void (*read)(XmlPartReader&, ParagraphValues&, const ListNumbers&);
};
constexpr ParagraphElement kParagraphElements[] = {
    {"numPr", writeListNumber, readListNumber},  {"tabs", writeTabs, readTabs},
    {"spacing", writeSpacingEntry, readSpacing}, {"ind", writeIndents, readIndents},
    {"jc", writeAlignment, readAlignment},
};

// ---- the bullet font's on/off values, in the order w:rPr holds them ----

struct ListFontToggle {
  long ListLevelFont::*member;
  const char* element;
};
constexpr ListFontToggle kListFontToggles[] = {
    {&ListLevelFont::bold, "b"},
    {&ListLevelFont::italic, "i"},
    {&ListLevelFont::allCaps, "caps"},
    {&ListLevelFont::strikethrough, "strike"},
    {&ListLevelFont::doubleStrikeThrough, "dstrike"},
    {&ListLevelFont::outline, "outline"},
    {&ListLevelFont::shadow, "shadow"},
    {&ListLevelFont::emboss, "emboss"},
    {&ListLevelFont::engrave, "imprint"},
    {&ListLevelFont::hidden, "vanish"},
};

}  // namespace

void writeParagraphProperties(Part& part, const ParagraphValues& p, const ListNumbers& lists) {
  for (const ParagraphElement& element : kParagraphElements) element.write(part, p, lists);
}

bool readParagraphProperty(XmlPartReader& xml, ParagraphValues& p, const ListNumbers& lists) {
  for (const ParagraphElement& element : kParagraphElements) {
    if (xml.isW(element.name)) {
      element.read(xml, p, lists);
      return true;
    }
  }
  return false;
}

void writeInd(Part& part, double left, double firstLine) {
  part.empty(QStringLiteral("ind"));
  part.attr(QStringLiteral("left"), twips(left));
  if (firstLine <= 0)
    part.attr(QStringLiteral("hanging"), twips(-firstLine));
  else
    part.attr(QStringLiteral("firstLine"), twips(firstLine));
}

void writeSpacing(Part& part, const ParagraphValues& p) {
  const LineSpacingXml line = lineSpacingToXml(p.lineSpacingRule, p.lineSpacing);
  part.empty(QStringLiteral("spacing"));
  part.attr(QStringLiteral("before"), twips(p.spaceBefore));
  if (p.spaceBeforeAuto) part.attr(QStringLiteral("beforeAutospacing"), QStringLiteral("1"));
  part.attr(QStringLiteral("after"), twips(p.spaceAfter));
  if (p.spaceAfterAuto) part.attr(QStringLiteral("afterAutospacing"), QStringLiteral("1"));
  part.attr(QStringLiteral("line"), number(line.line));
  part.attr(QStringLiteral("lineRule"), line.rule);
}

void writeToggle(Part& part, const QString& name, bool on) {
  if (on)
    part.empty(name);
  else
    part.val(name, QStringLiteral("0"));
}

void writeFonts(Part& part, const QString& name) {
  const QString safe = xmlSafe(name);
  part.empty(QStringLiteral("rFonts"));
  part.attr(QStringLiteral("ascii"), safe);
  part.attr(QStringLiteral("hAnsi"), safe);
  part.attr(QStringLiteral("eastAsia"), safe);
  part.attr(QStringLiteral("cs"), safe);
}

void writeRunProperties(Part& part, const RunValues& run) {
  part.start(QStringLiteral("rPr"));
  writeFonts(part, run.fontName);
  writeToggle(part, QStringLiteral("b"), run.bold);
  writeToggle(part, QStringLiteral("bCs"), run.bold);
  const QString size = number(pointsToHalfPoints(run.size));
  part.val(QStringLiteral("sz"), size);
  part.val(QStringLiteral("szCs"), size);
  part.end();
}

RunValues readRunProperties(XmlPartReader& xml, RunValues run) {
  while (xml.nextChild()) {
    if (xml.isW("rFonts")) {
      const auto name = xml.attributeW("ascii");
      const auto other = xml.attributeW("hAnsi");
      if (name && !name->isEmpty())
        run.fontName = *name;
      else if (other && !other->isEmpty())
        run.fontName = *other;
    } else if (xml.isW("b")) {
      run.bold = xml.toggleW();
    } else if (xml.isW("sz")) {
      run.size = readHalfPoints(xml);
    }
    xml.skipElement();
  }
  return run;
}

void writeListFont(Part& part, const ListLevelFont& font) {
  part.start(QStringLiteral("rPr"));
  if (!font.name.isEmpty()) {
    writeFonts(part, font.name);
    // Keeps Word from picking another font for the bullet's script.
    part.xml().writeAttribute(kW, QStringLiteral("hint"), QStringLiteral("default"));
  }
  for (const ListFontToggle& toggle : kListFontToggles) {
    const long value = font.*toggle.member;
    if (value != kUndefined) writeToggle(part, QString::fromLatin1(toggle.element), value != 0);
  }
  if (font.color != kUndefined) part.val(QStringLiteral("color"), colorToHex(font.color));
  if (font.size != kUndefined)
    part.val(QStringLiteral("sz"), number(pointsToHalfPoints(font.size)));
  if (font.underline != kUndefined)
    part.val(QStringLiteral("u"),
             font.underline != 0 ? QStringLiteral("single") : QStringLiteral("none"));
  part.end();
}

void readListFont(XmlPartReader& xml, ListLevelFont& font) {
  while (xml.nextChild()) {
    const auto toggle = std::find_if(std::begin(kListFontToggles), std::end(kListFontToggles),
                                     [&](const ListFontToggle& t) { return xml.isW(t.element); });
    if (toggle != std::end(kListFontToggles)) {
      font.*toggle->member = xml.toggleW() ? -1 : 0;
    } else if (xml.isW("rFonts")) {
      font.name = xml.attributeW("ascii").value_or(xml.attributeW("hAnsi").value_or(QString()));
    } else if (xml.isW("color")) {
      const QString value = xml.attributeW("val").value_or(QString());
      const auto color = hexToColor(value);
      if (!color) xml.badValue("val", value);
      font.color = *color;
    } else if (xml.isW("sz")) {
      font.size = readHalfPoints(xml);
    } else if (xml.isW("u")) {
      font.underline = xml.attributeW("val").value_or(QString()) == QLatin1String("none") ? 0 : 1;
    }
    xml.skipElement();
  }
}

bool sameSavedListFont(const ListLevelFont& a, const ListLevelFont& b) {
  for (const ListFontToggle& toggle : kListFontToggles)
    if (a.*toggle.member != b.*toggle.member) return false;
  return a.underline == b.underline && a.color == b.color && std::fabs(a.size - b.size) <= 0.26 &&
         a.name == b.name;
}

}  // namespace engine::docx
