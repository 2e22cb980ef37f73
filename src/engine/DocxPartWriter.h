// One XML part being written: a QXmlStreamWriter on a byte buffer, with short forms for
// the WordprocessingML (w:) elements and attributes the .docx writer uses.
#pragma once

#include <QByteArray>
#include <QXmlStreamWriter>

#include "engine/DocxVocabulary.h"

namespace engine::docx {

inline QString number(int value) { return QString::number(value); }
inline QString twips(double points) { return number(pointsToTwips(points)); }

class Part {
 public:
  Part() : xml_(&bytes_) {
    xml_.setAutoFormatting(false);
    xml_.writeStartDocument(QStringLiteral("1.0"), true);
  }
  Part(const Part&) = delete;
  Part& operator=(const Part&) = delete;

  QXmlStreamWriter& xml() { return xml_; }
  QByteArray finish() {
    xml_.writeEndDocument();
    return bytes_;
  }

  // <w:name w:val="value"/>
  void val(const QString& name, const QString& value) {
    xml_.writeEmptyElement(kW, name);
    xml_.writeAttribute(kW, QStringLiteral("val"), value);
  }
  void start(const QString& name) { xml_.writeStartElement(kW, name); }
  void empty(const QString& name) { xml_.writeEmptyElement(kW, name); }
  void end() { xml_.writeEndElement(); }
  void attr(const QString& name, const QString& value) { xml_.writeAttribute(kW, name, value); }

  // Markup serialised before, as it stands: it goes where the next element would.
  void raw(const QByteArray& markup) {
    xml_.writeCharacters(QString());  // ends an open start tag (">" or "/>")
    xml_.device()->write(markup);
  }
  // The markup that `write(part)` writes inside an element that declares the w: prefix,
  // for `raw` to write again in a part that declares it the same way.
  template <class Write>
  static QByteArray fragment(Write write) {
    Part part;
    part.xml().writeNamespace(kW, QStringLiteral("w"));
    part.start(QStringLiteral("fragment"));
    part.xml().writeCharacters(QString());
    const qsizetype from = part.bytes_.size();
    write(part);
    part.xml().writeCharacters(QString());
    return part.bytes_.mid(from);
  }

 private:
  QByteArray bytes_;
  QXmlStreamWriter xml_;
};

}  // namespace engine::docx
