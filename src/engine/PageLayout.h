// Pages of a laid-out document: how many, where each starts, and each page drawn as a
// vector picture.
//
// Picture coordinates are points: a page picture's bounding rectangle is exactly the page
// (0, 0, 612, 792 for US Letter), its background painted white, the body and the header
// (with its page number) drawn as laid out.
#pragma once

#include <QPicture>

#include "engine/DocumentModel.h"

namespace engine {

// The number of pages (at least 1).
int pageCount(const DocumentModel& model);
// The 0-based page on which the text position lies.
int pageOfPosition(const DocumentModel& model, int position);
// The first text position laid out on the 0-based page, or -1 past the last page.
int pageStartPosition(const DocumentModel& model, int page);
// The 0-based page drawn; an index outside the document gives a blank page.
QPicture drawPage(const DocumentModel& model, int page);

}  // namespace engine
