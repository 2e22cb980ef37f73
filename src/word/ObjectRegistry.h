// Creating and finding automation objects by programmatic identifier, as the platform's
// CreateObject and GetObject do. The built-in engine registers a factory for
// "Word.Application"; it registers nothing as running. Tests register stand-ins.
#pragma once

#include <QString>
#include <functional>

#include "word/WordObjects.h"

namespace word {

using ApplicationFactory = std::function<Ref<Application>()>;

// Registers (or, with an empty factory, removes) the factory for a programmatic identifier.
void registerFactory(const QString& progId, ApplicationFactory factory);
// Registers (or, with an empty reference, removes) a running object for a class.
void registerRunning(const QString& progId, Ref<Application> running);

// A new object of the class; throws AutomationError ("ActiveX component can't create
// object") when no factory is registered or the factory fails.
Ref<Application> CreateObject(const QString& progId);
// The running object registered for the class; throws AutomationError when there is none.
Ref<Application> GetObject(const QString& path, const QString& progId);

// Restores the registry's factories and running objects when it goes out of scope; for tests.
class RegistrySnapshot {
 public:
  RegistrySnapshot();
  ~RegistrySnapshot();
  RegistrySnapshot(const RegistrySnapshot&) = delete;
  RegistrySnapshot& operator=(const RegistrySnapshot&) = delete;

 private:
  struct State;
  State* saved_;
};

}  // namespace word
