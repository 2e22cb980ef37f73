// The program's picture clipboard: where a copied page picture waits for the code that
// pastes it. It lives inside the program, so the user's system clipboard keeps whatever
// the user put there; no other program ever reads a page from it.
#pragma once

#include <QPicture>
#include <optional>

namespace base {

// Holds the picture, replacing the one held before.
void PutClipboardPicture(const QPicture& picture);

// The picture held; format 0 takes it in whichever picture format it is held. Nothing when
// no picture has been copied, or after ClearClipboardPicture.
std::optional<QPicture> GetClipboardPicture(int format = 0);

// Empties the picture clipboard (its picture may hold a business's details).
void ClearClipboardPicture();

}  // namespace base
