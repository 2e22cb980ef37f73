#include "shell/SkinFramework.h"

#include <QFile>
#include <QWidget>
#include <stdexcept>

namespace shell {

void SkinFramework::LoadSkin(const QString& path, const QString& /*iniFileName*/) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
    throw std::runtime_error(("The skin file could not be read: " + path).toStdString());
  // A skin is small; a huge file is not a skin.
  constexpr qint64 kMaxSkinBytes = 1 << 20;
  if (file.size() > kMaxSkinBytes)
    throw std::runtime_error(("The skin file is too large: " + path).toStdString());
  styleSheet_ = QString::fromUtf8(file.readAll());
}

void SkinFramework::ApplyWindow(QWidget* window) {
  if (!window) throw std::runtime_error("No window to skin");
  if (applyColors_ || applyMetrics_) window->setStyleSheet(styleSheet_);
}

}  // namespace shell
