#include "base/ClipboardPicture.h"

namespace base {
namespace {

std::optional<QPicture>& heldPicture() {
  static std::optional<QPicture> held;
  return held;
}

}  // namespace

void PutClipboardPicture(const QPicture& picture) { heldPicture() = picture; }

std::optional<QPicture> GetClipboardPicture(int /*format*/) { return heldPicture(); }

void ClearClipboardPicture() { heldPicture().reset(); }

}  // namespace base
