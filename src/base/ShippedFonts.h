// The fonts shipped with the program (a "fonts" folder beside it, as the Windows installer
// lays it out) stand in for the fonts the plan names wherever the system lacks those:
// Garamond, Calibri, Times New Roman, Arial and Courier New.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace base {

// The "fonts" folder beside the program.
QString shippedFontFolder();

// Adds to the application's fonts each font file in `folder` whose named font the system
// lacks (`systemHas` says which it has); a missing folder adds nothing. Returns the
// families added.
QStringList loadShippedFonts(const QString& folder = shippedFontFolder(),
                             const std::function<bool(const QString&)>& systemHas = {});

// For a program without a window: the offscreen platform on Windows reads fonts from
// QT_QPA_FONTDIR only, so unless it is set it is pointed at the system's font folder
// (%WINDIR%\Fonts). Elsewhere (no WINDIR) nothing changes. Call before the application
// object exists.
void pointOffscreenFontsAtSystemFolder();

}  // namespace base
