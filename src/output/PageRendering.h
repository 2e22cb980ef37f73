// Turns every page of a saved plan document into a picture, in page order.
#pragma once

#include <QPicture>
#include <QString>
#include <functional>
#include <vector>

namespace output {

// Opens the document at `path` in a word-processor instance of its own, copies its pages
// one by one through the program's picture slot and the page image file into `pages`
// (emptied first), then closes the document unsaved and quits the instance. `showBusy`,
// when given, is called as each page begins. Failures are reported and the rendering goes
// on, except that a page image file that cannot be written or read (no folder, no space)
// ends the page loop after its one message. Returns true when every page was drawn.
bool RenderPages(const QString& path, std::vector<QPicture>& pages,
                 const std::function<void()>& showBusy = {});

}  // namespace output
