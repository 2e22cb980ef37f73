// Puts the plan's page pictures (vector, in points) on paper-like devices: a PDF file at
// US Letter with one PDF page per plan page, or any paged device such as a printer.
// The PDF and the printout share one drawing routine, so both show the same pages.
#pragma once

#include <QPicture>
#include <QString>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace output {

// Draws pages `first` to `last` (0-based, inclusive) of `pages` onto `device`, one device
// page each, every picture scaled from its own bounds to the device's whole page at the
// device's resolution. `painter` is active on `device`. Throws std::runtime_error when a
// new page cannot be started.
void paintPages(QPainter& painter, QPagedPaintDevice& device, const std::vector<QPicture>& pages,
                int first, int last);

// The PDF of `pages`: US Letter, no margins, text kept as text with its fonts embedded.
// `title` becomes the document's title. Throws std::runtime_error when there is no page
// or the pages cannot be drawn.
QByteArray pdfBytes(const std::vector<QPicture>& pages, const QString& title);

// Writes the PDF to `target` the safe way: written beside it and renamed over it, so
// whatever stood there survives any failure; a read-only file there is replaced.
void savePdfReplacing(const std::vector<QPicture>& pages, const QString& target,
                      const QString& title);

}  // namespace output
