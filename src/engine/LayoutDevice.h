// The device the engine lays documents out on: 72 dots per inch, so that one layout unit
// is one point.
//
// Qt's document layout scales the lengths of frame formats (page margins, table column
// widths, borders, cell padding) by the device's resolution over the screen's, though not
// those of paragraphs; frame lengths therefore go through qtLength(), and come back
// through fromQtLength().
#pragma once

class QPaintDevice;

namespace engine {

QPaintDevice* layoutDevice();

// A length in points as a Qt format length on the layout device, and back.
double qtLength(double points);
double fromQtLength(double length);

}  // namespace engine
