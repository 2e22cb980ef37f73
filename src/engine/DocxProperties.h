// Word's paragraph, run and list-level font properties in WordprocessingML: each element of
// w:pPr and w:rPr that this engine knows is written and read from one entry, so that what
// the .docx writer writes the reader reads back to the same value.
#pragma once

#include <QString>
#include <map>

#include "engine/DocumentModel.h"
#include "engine/DocxPartWriter.h"
#include "engine/DocxXmlReader.h"

namespace engine::docx {

// The lists of a package: list template name <-> w:numId.
struct ListNumbers {
  std::map<QString, int> numIdOf;     // what the writer gives each template
  std::map<int, QString> templateOf;  // what the reader found
};

// ---- paragraphs (w:pPr) ----

// Writes the paragraph's own elements of w:pPr in the order WordprocessingML wants them;
// the caller adds the mark's w:rPr and a w:sectPr after them.
void writeParagraphProperties(Part& part, const ParagraphValues& p, const ListNumbers& lists);
// Reads the child of w:pPr the reader is on into `p` when it is one of the paragraph's
// own elements (the reader is then past it); false, having read nothing, for any other.
bool readParagraphProperty(XmlPartReader& xml, ParagraphValues& p, const ListNumbers& lists);
// <w:ind> with the left indent and the first line's indent relative to it (negative =
// hanging), in points: list levels carry it too.
void writeInd(Part& part, double left, double firstLine);
// w:spacing alone (the document defaults carry it too).
void writeSpacing(Part& part, const ParagraphValues& p);

// ---- runs (w:rPr) ----

void writeRunProperties(Part& part, const RunValues& run);
// Reads a w:rPr over `run`: what it leaves out stays as `run` has it.
RunValues readRunProperties(XmlPartReader& xml, RunValues run);
// <w:rFonts> naming the font for every script.
void writeFonts(Part& part, const QString& name);
// A toggle property: <w:b/> when true, <w:b w:val="0"/> when false.
void writeToggle(Part& part, const QString& name, bool on);

// ---- a list level's bullet font (w:lvl/w:rPr) ----

// Writes only the font's defined values; the rest come from the text.
void writeListFont(Part& part, const ListLevelFont& font);
void readListFont(XmlPartReader& xml, ListLevelFont& font);
// The values the file holds are equal (what reads back from a file as it was written).
bool sameSavedListFont(const ListLevelFont& a, const ListLevelFont& b);

}  // namespace engine::docx
