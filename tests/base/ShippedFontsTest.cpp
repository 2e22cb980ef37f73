#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "base/ShippedFonts.h"

namespace {

// A shipped font is added only for a named font the system lacks, and only the files that
// stand in for it: here Garamond is missing, so EB Garamond comes in and Liberation Mono
// (Courier New's stand-in) and a file of no named font stay out.
TEST(ShippedFonts, StandInsComeOnlyForTheMissingNamedFonts) {
  QTemporaryDir folder;
  for (const auto& [from, name] :
       {std::pair{"/usr/share/fonts/opentype/ebgaramond/EBGaramond12-Regular.otf",
                  "EBGaramond12-Regular.otf"},
        std::pair{"/usr/share/fonts/truetype/liberation2/LiberationMono-Regular.ttf",
                  "LiberationMono-Regular.ttf"},
        std::pair{"/usr/share/fonts/truetype/liberation2/LiberationMono-Bold.ttf",
                  "Unrelated-Bold.ttf"}})
    ASSERT_TRUE(QFile::copy(QString::fromUtf8(from), folder.filePath(QString::fromUtf8(name))));

  const auto allBut = [](const QString& missing) {
    return [missing](const QString& family) { return family != missing; };
  };
  const QStringList added = base::loadShippedFonts(folder.path(), allBut("Garamond"));
  EXPECT_TRUE(added.contains(QStringLiteral("EB Garamond 12")) ||
              added.contains(QStringLiteral("EB Garamond")))
      << added.join(", ").toStdString();
  EXPECT_FALSE(added.contains(QStringLiteral("Liberation Mono")));
  EXPECT_EQ(base::loadShippedFonts(folder.path(), allBut("Courier New")),
            QStringList({"Liberation Mono"}));
  EXPECT_TRUE(base::loadShippedFonts(folder.path(), allBut("Nothing missing")).isEmpty());
  EXPECT_TRUE(
      base::loadShippedFonts(folder.filePath("no such folder"), allBut("Garamond")).isEmpty());
}

}  // namespace
