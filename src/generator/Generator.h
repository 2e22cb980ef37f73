// The generation run: types the whole business plan into a new document, saves it and
// opens the preview.
#pragma once

namespace generator {

void GenerateRideduvaZovezuzIvuzuzo();

}  // namespace generator
