// libFuzzer entry point for the .docx reader: any bytes must either load or be refused with
// an AutomationError; nothing else (crash, leak, hang, other exception) is allowed.
#include <QFile>
#include <QGuiApplication>
#include <cstddef>
#include <cstdint>

#include "ScratchFile.h"
#include "engine/Docx.h"
#include "engine/PageLayout.h"
#include "word/Automation.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The document model lays text out, which needs fonts and so a GUI application; the
  // offscreen platform needs no display.
  static int argc = 1;
  static char name[] = "fuzz_docx_reader";
  static char* argv[] = {name, nullptr};
  static const bool platformSet = qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(argc, argv);
  (void)platformSet;

  const QString path = fuzzing::scratchFile();
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  }
  try {
    const engine::DocumentModel model = engine::loadDocx(path);
    // With HALVENOR_FUZZ_LAYOUT=1, what opens must also lay out into pages and draw, as the
    // preview will ask it to. Off by default: layout is slow under the sanitizers.
    static const bool layout = qgetenv("HALVENOR_FUZZ_LAYOUT") == "1";
    if (layout) engine::drawPage(model, engine::pageCount(model) - 1);
  } catch (const word::AutomationError&) {
    // Refusing the input is the expected outcome for nearly all of it.
  }
  return 0;
}
