#include "engine/FontSubstitutes.h"

namespace engine {

void installFontSubstitutes() {
  static const bool installed = [] {
    QFont::insertSubstitutions(QStringLiteral("Garamond"),
                               {QStringLiteral("EB Garamond"), QStringLiteral("EB Garamond 12"),
                                QStringLiteral("Liberation Serif")});
    QFont::insertSubstitutions(QStringLiteral("Calibri"),
                               {QStringLiteral("Carlito"), QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono"),
                                                               QStringLiteral("DejaVu Sans Mono")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
    // Symbol bullets are drawn as Unicode characters, which a text font carries.
    QFont::insertSubstitutions(QStringLiteral("Symbol"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Sans")});
    return true;
  }();
  (void)installed;
}

QString displayBullet(const QString& numberFormat) {
  QString out;
  for (QChar ch : numberFormat) {
    const char16_t u = ch.unicode();
    if (u == 0xF0B7)
      out += QChar(0x2022);
    else if (u == 0xF0A7)
      out += QChar(0x25AA);
    else if (u == 0xF0D8)
      out += QChar(0x27A2);
    else if (u >= 0xF020 && u <= 0xF0FF)
      out += QChar(char16_t(u - 0xF000));
    else
      out += ch;
  }
  return out;
}

QFont listBulletFont(const ListLevelDefinition& level, const RunValues& text) {
  installFontSubstitutes();
  const QString family = level.font.name.isEmpty() ? text.fontName : level.font.name;
  QFont font(family);
  const double size =
      level.font.size == kUndefined || level.font.size <= 0 ? text.size : level.font.size;
  font.setPointSizeF(size > 0 ? size : 11);
  const bool bold = level.font.bold == kUndefined ? text.bold : level.font.bold != 0;
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

}  // namespace engine
