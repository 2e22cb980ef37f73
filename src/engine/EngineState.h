// The state behind the built-in engine's automation objects: one per application and one
// per open document. Objects of the object model are thin views that hold these.
#pragma once

#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <memory>
#include <optional>
#include <vector>

#include "engine/DocumentModel.h"
#include "engine/LeadingPages.h"
#include "word/Automation.h"

class QTextTable;

namespace engine {

struct ApplicationState;

struct DocumentState {
  DocumentModel model;
  // The selection: anchor and position, as Word's Selection.
  QTextCursor cursor;
  // The formatting of text typed from here on.
  QTextCharFormat typing;
  // The leading pages that page navigation removed, and where it last went. Any edit
  // makes the removal real.
  LeadingPages leadingPages;
  bool closed = false;
  // The file the document was last saved as or opened from; empty for a new one.
  QString path;
  // What the last save wrote, and the document's Word data as they stood then.
  struct Saved {
    QByteArray bytes;
    qint64 textVersion = 0;
    PageSetup page;
    HeaderSettings header;
    std::vector<ListTemplateDefinition> listTemplates;
  };
  std::optional<Saved> saved;
  // The x that Qt's cursor keeps between moves by line, for the moves the engine answers
  // itself (LineMoves.h); it holds while the cursor keeps the mark they leave on it.
  std::optional<qreal> lineX;
  std::optional<qreal> keptLineX() const;
  // Keeps `x` as the x of the cursor where it stands, or forgets it.
  void keepLineX(std::optional<qreal> x);
  std::weak_ptr<ApplicationState> application;

  explicit DocumentState(DocumentModel m);

  // Throws when the document was closed.
  void ensureOpen() const;
  // Saves the document at `path` (pending page removals made real first).
  void save(const QString& path);
  // Hands the document over to be opened again from memory (WrittenDocuments.h) when it is
  // as it was saved last; this state keeps an empty document.
  void keepIfUnchangedSinceSave();
  // Call before any change to the text, after the member's `enter` checked that the
  // document is open: makes pending page removals real.
  void beginEdit();
  // Removes the cursor's selection; a table it touched leaves the structure at once.
  void removeSelectedText(QTextCursor& cursor);
  // Resets the typing format from the text at the insertion point.
  void takeTypingFormatFromCursor();
  // The table the position lies in, or null.
  QTextTable* tableAt(int position) const;
  // The first and last blocks the selection touches.
  QTextBlock firstSelectedBlock() const;
  QTextBlock lastSelectedBlock() const;
  // Applies `change` to the Word values of every paragraph the selection touches.
  template <class F>
  void changeParagraphs(F change) {
    beginEdit();
    const QTextBlock last = lastSelectedBlock();
    for (QTextBlock b = firstSelectedBlock(); b.isValid(); b = b.next()) {
      QTextBlockFormat f = b.blockFormat();
      ParagraphValues v = paragraphValues(f);
      change(v);
      setParagraphValues(f, v);
      if (f != b.blockFormat()) QTextCursor(b).setBlockFormat(f);
      model.refreshParagraph(b);
      if (b == last) break;
    }
  }
};

struct ApplicationState {
  std::vector<std::shared_ptr<DocumentState>> documents;
  std::weak_ptr<DocumentState> active;
  int displayAlerts = -1;
  bool quit = false;

  void ensureRunning() const;
  std::shared_ptr<DocumentState> activeDocument() const;
};

// Word's errors, by their descriptions.
[[noreturn]] void failMemberMissing();  // "The requested member of the collection does not exist."
[[noreturn]] void failValueOutOfRange();  // "Value out of range"
[[noreturn]] void failObjectDeleted();    // "Object has been deleted."
[[noreturn]] void fail(const QString& description);

}  // namespace engine
