#include "word/ObjectRegistry.h"

#include <map>

namespace word {
namespace {

struct Registry {
  std::map<QString, ApplicationFactory> factories;
  std::map<QString, Ref<Application>> running;
};

Registry& registry() {
  static Registry instance;
  return instance;
}

QString key(const QString& progId) { return progId.toLower(); }

}  // namespace

struct RegistrySnapshot::State {
  Registry copy;
};

RegistrySnapshot::RegistrySnapshot() : saved_(new State{registry()}) {}
RegistrySnapshot::~RegistrySnapshot() {
  registry() = saved_->copy;
  delete saved_;
}

void registerFactory(const QString& progId, ApplicationFactory factory) {
  if (factory)
    registry().factories[key(progId)] = std::move(factory);
  else
    registry().factories.erase(key(progId));
}

void registerRunning(const QString& progId, Ref<Application> running) {
  if (running)
    registry().running[key(progId)] = std::move(running);
  else
    registry().running.erase(key(progId));
}

Ref<Application> CreateObject(const QString& progId) {
  const auto it = registry().factories.find(key(progId));
  if (it == registry().factories.end())
    throw AutomationError(QStringLiteral("ActiveX component can't create object"));
  Ref<Application> created = it->second();
  if (!created) throw AutomationError(QStringLiteral("ActiveX component can't create object"));
  return created;
}

Ref<Application> GetObject(const QString& /*path*/, const QString& progId) {
  const auto it = registry().running.find(key(progId));
  if (it == registry().running.end())
    throw AutomationError(QStringLiteral("ActiveX component can't create object"));
  return it->second;
}

}  // namespace word
