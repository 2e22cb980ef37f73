// A cautious reader of one XML part of a package: no DTDs, bounded nesting, typed
// attribute values with range checks, and errors that name the file and the part.
#pragma once

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>
#include <optional>

namespace engine::docx {

class XmlPartReader {
 public:
  // `file` is the package's file name and `part` the part's name, both for messages.
  XmlPartReader(const QByteArray& bytes, const QString& file, const QString& part);

  // Moves to the root element and checks its namespace and local name.
  void expectRoot(const QString& namespaceUri, const QString& name, const QString& what);

  // Moves to the next child element of the current one; false at the parent's end.
  bool nextChild();
  void skipElement();
  // The text of an element without child elements.
  QString elementText();

  bool is(const QString& namespaceUri, const char* name) const;
  bool isW(const char* name) const;
  QStringView localName() const { return xml_.name(); }

  // Attributes of the current element, looked up by namespace (w: when not given).
  std::optional<QString> attribute(const QString& namespaceUri, const char* name) const;
  std::optional<QString> attributeW(const char* name) const;
  std::optional<QString> attributePlain(const char* name) const;
  // An integer attribute in [low, high]; absent gives the fallback; anything else fails.
  int intW(const char* name, int low, int high, int fallback) const;
  // w:val of a toggle (b, i...): absent or "1"/"true"/"on" is true.
  bool toggleW() const;

  [[noreturn]] void fail(const QString& what) const;
  [[noreturn]] void badValue(const char* attribute, const QString& value) const;

  // Guards recursion into nested containers.
  void enter();
  void leave() { --depth_; }

 private:
  void check() const;

  QXmlStreamReader xml_;
  QString file_, part_;
  int depth_ = 0;
};

}  // namespace engine::docx
