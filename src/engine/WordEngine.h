// The built-in word processor as an automation server.
#pragma once

namespace engine {

// Registers the factory for "Word.Application" in the object registry, so that
// word::CreateObject("Word.Application") answers a new instance of the built-in engine.
void registerWordEngine();

}  // namespace engine
