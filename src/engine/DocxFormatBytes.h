// The .docx writer's formats, each serialised once: a document of thousands of paragraphs
// holds a few dozen distinct run and paragraph formats, so the markup of each distinct
// w:rPr and of each paragraph's own w:pPr elements is made the first time it is needed
// and written again as bytes after that.
#pragma once

#include <QByteArray>
#include <utility>
#include <vector>

#include "engine/DocumentModel.h"
#include "engine/DocxPartWriter.h"
#include "engine/DocxProperties.h"

namespace engine::docx {

class FormatBytes {
 public:
  explicit FormatBytes(const ListNumbers& lists) : lists_(lists) {}

  // <w:rPr>...</w:rPr>
  const QByteArray& runProperties(const RunValues& run) {
    return find(runs_, run, [&](Part& part) { writeRunProperties(part, run); });
  }
  // The paragraph's own children of w:pPr (writeParagraphProperties).
  const QByteArray& paragraphProperties(const ParagraphValues& paragraph) {
    return find(paragraphs_, paragraph,
                [&](Part& part) { writeParagraphProperties(part, paragraph, lists_); });
  }

 private:
  template <class Values>
  using Entries = std::vector<std::pair<Values, QByteArray>>;

  // A few dozen entries at most: the newest are looked at first.
  template <class Values, class Write>
  static const QByteArray& find(Entries<Values>& entries, const Values& values, Write write) {
    for (auto it = entries.rbegin(); it != entries.rend(); ++it)
      if (it->first == values) return it->second;
    entries.emplace_back(values, Part::fragment(write));
    return entries.back().second;
  }

  const ListNumbers& lists_;
  Entries<RunValues> runs_;
  Entries<ParagraphValues> paragraphs_;
};

}  // namespace engine::docx
