// Turns every page of a saved plan document into a picture in the preview window: one
// list entry "Page n" and one image element per page, in page order.
#pragma once

#include <QString>

#include "preview/RunWindows.h"

namespace preview {

// Opens the document at `path` in a word-processor instance of its own, copies its pages
// one by one through the clipboard and the page image file into the preview's pages,
// then closes the document unsaved and quits the instance. Failures are reported and
// the rendering goes on, except that a page image file that cannot be written or read
// (no folder, no space) ends the page loop after its one message. Returns true when every
// page reached the preview.
bool RenderPages(const QString& path, RunWindows& windows = programWindows());

}  // namespace preview
