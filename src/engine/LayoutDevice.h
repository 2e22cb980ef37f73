// The device the engine lays documents out on: 72 dots per inch, so that one layout unit
// is one point.
#pragma once

class QPaintDevice;

namespace engine {

QPaintDevice* layoutDevice();

}  // namespace engine
