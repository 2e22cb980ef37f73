#include "base/ShippedFonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>

namespace base {
namespace {

// Which shipped files stand in for which named font, by the files' names.
struct StandIn {
  const char* namedFont;
  const char* filePrefix;
};
constexpr StandIn kStandIns[] = {
    {"Garamond", "EBGaramond12-"},           {"Calibri", "Carlito-"},
    {"Times New Roman", "LiberationSerif-"}, {"Arial", "LiberationSans-"},
    {"Courier New", "LiberationMono-"},
};

}  // namespace

QString shippedFontFolder() {
  return QCoreApplication::applicationDirPath() + QStringLiteral("/fonts");
}

QStringList loadShippedFonts(const QString& folder,
                             const std::function<bool(const QString&)>& systemHas) {
  const auto has = systemHas ? systemHas : [](const QString& family) {
    return QFontDatabase::hasFamily(family);
  };
  QStringList added;
  const QDir dir(folder);
  if (!dir.exists()) return added;
  const QStringList files =
      dir.entryList({QStringLiteral("*.ttf"), QStringLiteral("*.otf")}, QDir::Files, QDir::Name);
  for (const StandIn& standIn : kStandIns) {
    if (has(QLatin1String(standIn.namedFont))) continue;
    for (const QString& file : files) {
      if (!file.startsWith(QLatin1String(standIn.filePrefix))) continue;
      const int id = QFontDatabase::addApplicationFont(dir.filePath(file));
      for (const QString& family : QFontDatabase::applicationFontFamilies(id))
        if (!added.contains(family)) added << family;
    }
  }
  return added;
}

void pointOffscreenFontsAtSystemFolder() {
  const QString windows = qEnvironmentVariable("WINDIR");
  if (windows.isEmpty() || qEnvironmentVariableIsSet("QT_QPA_FONTDIR")) return;
  qputenv("QT_QPA_FONTDIR", QFile::encodeName(windows + QStringLiteral("/Fonts")));
}

}  // namespace base
