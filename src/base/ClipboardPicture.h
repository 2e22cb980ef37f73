// Page pictures on the system clipboard: a vector picture (QPicture bytes under a type of
// our own) plus a raster image for other programs, made when one asks for it.
#pragma once

#include <QPicture>
#include <optional>

namespace base {

inline const char* const kPictureMimeType = "application/x-halvenor-picture";

// Puts the picture on the clipboard, replacing whatever it held.
void PutClipboardPicture(const QPicture& picture);

// The clipboard's picture, with up to 1000 attempts; format 0 takes it in whichever
// picture format the clipboard holds. Nothing when every attempt fails.
std::optional<QPicture> GetClipboardPicture(int format = 0);

}  // namespace base
