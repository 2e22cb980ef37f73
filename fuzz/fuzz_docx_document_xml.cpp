// libFuzzer entry point for the XML side of the .docx reader: the bytes are the main
// document part of an otherwise well-formed package, so mutations reach the XML reader
// instead of dying on the zip checksums. Loading must succeed or throw AutomationError.
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

#include "ScratchFile.h"
#include "engine/Docx.h"
#include "engine/DocxPackage.h"
#include "word/Automation.h"

namespace {

// The parts around the document, taken from a package the writer made, read once.
const engine::PackageWriter& otherParts() {
  static const engine::PackageWriter parts = [] {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/seed.docx");
    engine::saveDocx(engine::DocumentModel(), path);
    engine::PackageReader reader(path);
    engine::PackageWriter writer;
    for (const QString& name : reader.partNames())
      if (name != QLatin1String("word/document.xml")) writer.addPart(name, reader.readPart(name));
    return writer;
  }();
  return parts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static int argc = 1;
  static char name[] = "fuzz_docx_document_xml";
  static char* argv[] = {name, nullptr};
  static const bool platformSet = qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(argc, argv);
  (void)platformSet;

  engine::PackageWriter package = otherParts();
  package.addPart(QStringLiteral("word/document.xml"),
                  QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  const QString path = fuzzing::scratchFile();
  package.write(path);
  try {
    engine::loadDocx(path);
  } catch (const word::AutomationError&) {
    // Refused: the expected outcome for most inputs.
  }
  return 0;
}
