#include "engine/DocxXmlReader.h"

#include "engine/DocxVocabulary.h"
#include "engine/EngineLimits.h"
#include "word/Automation.h"

namespace engine::docx {

XmlPartReader::XmlPartReader(const QByteArray& bytes, const QString& file, const QString& part)
    : xml_(bytes), file_(file), part_(part) {
  xml_.setNamespaceProcessing(true);
}

void XmlPartReader::fail(const QString& what) const {
  throw word::AutomationError(
      QStringLiteral("Could not open \"%1\": the part \"%2\" %3.").arg(file_, part_, what));
}

void XmlPartReader::badValue(const char* attribute, const QString& value) const {
  fail(QStringLiteral("has a bad value \"%1\" for w:%2 in <w:%3>")
           .arg(value.left(40), QString::fromLatin1(attribute), xml_.name().toString()));
}

void XmlPartReader::check() const {
  if (xml_.hasError())
    fail(QStringLiteral("is not well-formed XML (line %1, column %2: %3)")
             .arg(xml_.lineNumber())
             .arg(xml_.columnNumber())
             .arg(xml_.errorString()));
  // Entity declarations are a door to expansion attacks; no part here needs them.
  if (xml_.tokenType() == QXmlStreamReader::DTD ||
      xml_.tokenType() == QXmlStreamReader::EntityReference)
    fail(QStringLiteral("contains a DTD or entity declarations, which are not allowed"));
}

void XmlPartReader::expectRoot(const QString& namespaceUri, const QString& name,
                               const QString& what) {
  while (!xml_.atEnd()) {
    xml_.readNext();
    check();
    if (xml_.isStartElement()) {
      if (xml_.namespaceUri() != namespaceUri || xml_.name() != name)
        fail(QStringLiteral("is not %1").arg(what));
      return;
    }
  }
  check();
  fail(QStringLiteral("is empty"));
}

bool XmlPartReader::nextChild() {
  while (!xml_.atEnd()) {
    xml_.readNext();
    check();
    if (xml_.isStartElement()) return true;
    if (xml_.isEndElement()) return false;
  }
  check();
  fail(QStringLiteral("ends too early"));
}

void XmlPartReader::skipElement() {
  // Iterative, unlike recursion, so depth costs nothing here.
  int depth = 1;
  while (depth > 0 && !xml_.atEnd()) {
    xml_.readNext();
    check();
    if (xml_.isStartElement())
      ++depth;
    else if (xml_.isEndElement())
      --depth;
  }
  check();
}

QString XmlPartReader::elementText() {
  QString text;
  int depth = 1;
  while (depth > 0 && !xml_.atEnd()) {
    xml_.readNext();
    check();
    if (xml_.isStartElement())
      ++depth;
    else if (xml_.isEndElement())
      --depth;
    else if (depth == 1 && xml_.isCharacters())
      text += xml_.text();
  }
  check();
  return text;
}

bool XmlPartReader::is(const QString& namespaceUri, const char* name) const {
  return xml_.namespaceUri() == namespaceUri && xml_.name() == QLatin1String(name);
}

bool XmlPartReader::isW(const char* name) const { return is(kW, name); }

std::optional<QString> XmlPartReader::attribute(const QString& namespaceUri,
                                                const char* name) const {
  const QXmlStreamAttributes attributes = xml_.attributes();
  if (!attributes.hasAttribute(namespaceUri, QLatin1String(name))) return std::nullopt;
  return attributes.value(namespaceUri, QLatin1String(name)).toString();
}

std::optional<QString> XmlPartReader::attributeW(const char* name) const {
  return attribute(kW, name);
}

std::optional<QString> XmlPartReader::attributePlain(const char* name) const {
  const QXmlStreamAttributes attributes = xml_.attributes();
  if (!attributes.hasAttribute(QLatin1String(name))) return std::nullopt;
  return attributes.value(QLatin1String(name)).toString();
}

int XmlPartReader::intW(const char* name, int low, int high, int fallback) const {
  const std::optional<QString> text = attributeW(name);
  if (!text) return fallback;
  bool ok = false;
  const qlonglong value = text->trimmed().toLongLong(&ok);
  if (!ok || value < low || value > high) badValue(name, *text);
  return static_cast<int>(value);
}

bool XmlPartReader::toggleW() const {
  const std::optional<QString> text = attributeW("val");
  if (!text) return true;
  if (*text == QLatin1String("1") || *text == QLatin1String("true") || *text == QLatin1String("on"))
    return true;
  if (*text == QLatin1String("0") || *text == QLatin1String("false") ||
      *text == QLatin1String("off"))
    return false;
  badValue("val", *text);
}

void XmlPartReader::enter() {
  if (++depth_ > kMaxXmlDepth) fail(QStringLiteral("is nested too deeply"));
}

}  // namespace engine::docx
