#include "engine/EngineState.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <climits>

#include "engine/Docx.h"
#include "engine/PageLayout.h"
#include "engine/WrittenDocuments.h"

namespace engine {

void failMemberMissing() {
  throw word::AutomationError(
      QStringLiteral("The requested member of the collection does not exist."));
}
void failValueOutOfRange() { throw word::AutomationError(QStringLiteral("Value out of range")); }
void failObjectDeleted() {
  throw word::AutomationError(QStringLiteral("Object has been deleted."));
}
void fail(const QString& description) { throw word::AutomationError(description); }

DocumentState::DocumentState(DocumentModel m) : model(std::move(m)) {
  cursor = QTextCursor(model.text());
  takeTypingFormatFromCursor();
}

void DocumentState::ensureOpen() const {
  if (closed) failObjectDeleted();
  if (auto app = application.lock(); app && app->quit) failObjectDeleted();
}

void DocumentState::save(const QString& fileName) {
  beginEdit();  // pages removed by navigation are gone from what is saved
  const QByteArray bytes = saveDocx(model, fileName);
  path = fileName;
  saved = Saved{bytes, textVersion(model), model.page, model.header, model.listTemplates};
}

void DocumentState::keepIfUnchangedSinceSave() {
  if (!saved || textVersion(model) != saved->textVersion || !(model.page == saved->page) ||
      !(model.header == saved->header) || model.listTemplates != saved->listTemplates)
    return;
  keepWrittenDocument(path, saved->bytes, std::exchange(model, DocumentModel()));
  cursor = QTextCursor(model.text());
  saved.reset();
}

namespace {
// Left on the cursor by a move the engine answered itself: Qt's cursor never holds it, and
// any move or edit of the cursor replaces it (as it would the x Qt keeps).
constexpr int kLineXMark = INT_MIN / 2;
}  // namespace

std::optional<qreal> DocumentState::keptLineX() const {
  if (lineX && cursor.verticalMovementX() == kLineXMark) return lineX;
  return std::nullopt;
}

void DocumentState::keepLineX(std::optional<qreal> x) {
  lineX = x;
  if (x) cursor.setVerticalMovementX(kLineXMark);
}

void DocumentState::beginEdit() {
  const int removed = leadingPages.takeRemoved();
  if (removed <= 0) return;
  const int end = pageStartPosition(model, removed);
  QTextCursor c(model.text());
  c.setPosition(0);
  c.setPosition(end < 0 ? model.text()->characterCount() - 1 : end, QTextCursor::KeepAnchor);
  removeSelectedText(c);
  // What is left starts the document: no section break before it.
  QTextBlock first = model.text()->begin();
  QTextBlockFormat f = first.blockFormat();
  ParagraphValues v = paragraphValues(f);
  if (v.sectionStart) {
    v.sectionStart = false;
    setParagraphValues(f, v);
    QTextCursor(first).setBlockFormat(f);
    model.refreshParagraph(first);
  }
  if (cursor.position() > model.text()->characterCount() - 1) cursor.movePosition(QTextCursor::End);
}

void DocumentState::removeSelectedText(QTextCursor& c) {
  const int start = c.selectionStart(), end = c.selectionEnd();
  bool tables = c.hasComplexSelection() || tableAt(start) || tableAt(end);
  for (QTextFrame* frame : model.text()->rootFrame()->childFrames())
    tables = tables || (frame->firstPosition() <= end && frame->lastPosition() >= start);
  c.removeSelectedText();
  // Qt rescans the table structure only when the edit block closes.
  if (tables) flushEdits(model);
}

void DocumentState::takeTypingFormatFromCursor() {
  QTextCharFormat f = cursor.block().length() <= 1 || cursor.atBlockStart()
                          ? cursor.block().charFormat()
                          : cursor.charFormat();
  if (cursor.atBlockStart() && cursor.block().length() > 1) {
    // At the start of a paragraph Word types in the format of the first character.
    QTextCursor next(cursor);
    next.clearSelection();
    next.movePosition(QTextCursor::NextCharacter);
    f = next.charFormat();
  }
  typing = QTextCharFormat();
  setRunValues(typing, runValues(f));
}

QTextTable* DocumentState::tableAt(int position) const { return engine::tableAt(model, position); }

QTextBlock DocumentState::firstSelectedBlock() const {
  return model.text()->findBlock(cursor.selectionStart());
}

QTextBlock DocumentState::lastSelectedBlock() const {
  int end = cursor.selectionEnd();
  // A selection that ends at the very start of a paragraph does not touch it.
  if (cursor.hasSelection() && end > cursor.selectionStart()) {
    const QTextBlock b = model.text()->findBlock(end);
    if (b.position() == end && end > 0) return model.text()->findBlock(end - 1);
  }
  return model.text()->findBlock(end);
}

void ApplicationState::ensureRunning() const {
  if (quit) failObjectDeleted();
}

std::shared_ptr<DocumentState> ApplicationState::activeDocument() const {
  ensureRunning();
  auto doc = active.lock();
  if (!doc || doc->closed)
    fail(QStringLiteral("This command is not available because no document is open."));
  return doc;
}

}  // namespace engine
