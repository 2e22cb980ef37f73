#include "RecordingWord.h"

namespace recording {

int State::count(const QString& member) const {
  int n = 0;
  for (const Event& e : events) n += e.member == member ? 1 : 0;
  return n;
}

std::vector<QVariant> State::values(const QString& member) const {
  std::vector<QVariant> found;
  for (const Event& e : events)
    if (e.member == member) found.push_back(e.value);
  return found;
}

namespace {

using StatePtr = std::shared_ptr<State>;

// Announces the call (a hook may throw here, as a failing Word call would) and logs it.
void log(State& s, const char* announced, const QString& member, const QVariant& value = {}) {
  word::announceCall(announced);
  s.events.push_back({member, value});
}

class Base {
 public:
  explicit Base(StatePtr state) : s_(std::move(state)) {}

 protected:
  void call(const char* member, const QVariant& value = {}) {
    log(*s_, member, QString::fromLatin1(member), value);
  }
  StatePtr s_;
};

// The selection's font, or a list level's: only the selection's changes the typing state.
class Font : public word::Font, Base {
 public:
  Font(StatePtr s, const char* owner) : Base(std::move(s)), owner_(owner) {}
  void SetBold(long v) override {
    set("Bold", static_cast<qlonglong>(v));
    if (selection()) s_->bold = v != 0;
  }
  void SetItalic(long v) override { set("Italic", static_cast<qlonglong>(v)); }
  void SetStrikethrough(long v) override { set("Strikethrough", static_cast<qlonglong>(v)); }
  void SetSubscript(long v) override { set("Subscript", static_cast<qlonglong>(v)); }
  void SetSuperscript(long v) override { set("Superscript", static_cast<qlonglong>(v)); }
  void SetShadow(long v) override { set("Shadow", static_cast<qlonglong>(v)); }
  void SetOutline(long v) override { set("Outline", static_cast<qlonglong>(v)); }
  void SetEmboss(long v) override { set("Emboss", static_cast<qlonglong>(v)); }
  void SetEngrave(long v) override { set("Engrave", static_cast<qlonglong>(v)); }
  void SetAllCaps(long v) override { set("AllCaps", static_cast<qlonglong>(v)); }
  void SetHidden(long v) override { set("Hidden", static_cast<qlonglong>(v)); }
  void SetUnderline(long v) override { set("Underline", static_cast<qlonglong>(v)); }
  void SetColor(long v) override { set("Color", static_cast<qlonglong>(v)); }
  void SetSize(double v) override {
    set("Size", v);
    if (selection()) s_->size = v;
  }
  void SetAnimation(long v) override { set("Animation", static_cast<qlonglong>(v)); }
  void SetDoubleStrikeThrough(long v) override {
    set("DoubleStrikeThrough", static_cast<qlonglong>(v));
  }
  void SetName(const QString& v) override {
    set("Name", v);
    if (selection()) s_->fontName = v;
  }

 private:
  bool selection() const { return QLatin1String(owner_) == QLatin1String("Selection"); }
  void set(const char* attribute, const QVariant& value) {
    const QString announced = QStringLiteral("Font.") + QLatin1String(attribute);
    const QByteArray name = announced.toLatin1();
    log(*s_, name.constData(),
        QString::fromLatin1(owner_) + QStringLiteral(".Font.") + QLatin1String(attribute), value);
  }
  const char* owner_;
};

class TabStop : public word::TabStop, Base {
 public:
  TabStop(StatePtr s, double at) : Base(std::move(s)), at_(at) {}
  void SetPosition(double v) override { call("TabStop.Position", QVariantList{at_, v}); }

 private:
  double at_;
};

class ParagraphFormat : public word::ParagraphFormat, Base {
 public:
  using Base::Base;
  void SetAlignment(int v) override {
    call("ParagraphFormat.Alignment", v);
    s_->alignment = v;
  }
  void SetLineSpacingRule(int v) override {
    call("ParagraphFormat.LineSpacingRule", v);
    s_->lineSpacingRule = v;
  }
  void SetLineSpacing(double v) override {
    call("ParagraphFormat.LineSpacing", v);
    s_->lineSpacing = v;
  }
  void SetSpaceBeforeAuto(long v) override {
    call("ParagraphFormat.SpaceBeforeAuto", static_cast<qlonglong>(v));
  }
  void SetSpaceAfterAuto(long v) override {
    call("ParagraphFormat.SpaceAfterAuto", static_cast<qlonglong>(v));
  }
  void SetFirstLineIndent(double v) override { call("ParagraphFormat.FirstLineIndent", v); }
  void SetLeftIndent(double v) override { call("ParagraphFormat.LeftIndent", v); }
  word::Ref<word::TabStop> TabStops(double at) override {
    call("ParagraphFormat.TabStops", at);
    return word::makeRef<TabStop>(s_, at);
  }
};

class PageNumbers : public word::PageNumbers, Base {
 public:
  using Base::Base;
  void Add(int alignment, bool firstPage) override {
    call("PageNumbers.Add", QVariantList{alignment, firstPage});
  }
};

class HeaderFooter : public word::HeaderFooter, Base {
 public:
  using Base::Base;
  word::Ref<word::PageNumbers> PageNumbers() override {
    call("HeaderFooter.PageNumbers");
    return word::makeRef<recording::PageNumbers>(s_);
  }
};

class Section : public word::Section, Base {
 public:
  using Base::Base;
  word::Ref<word::HeaderFooter> Headers(int index) override {
    call("Section.Headers", index);
    return word::makeRef<HeaderFooter>(s_);
  }
};

class ListLevel : public word::ListLevel, Base {
 public:
  using Base::Base;
  void SetNumberFormat(const QString& v) override { call("ListLevel.NumberFormat", v); }
  void SetTrailingCharacter(int v) override { call("ListLevel.TrailingCharacter", v); }
  void SetNumberStyle(int v) override { call("ListLevel.NumberStyle", v); }
  void SetNumberPosition(double v) override { call("ListLevel.NumberPosition", v); }
  void SetAlignment(int v) override { call("ListLevel.Alignment", v); }
  void SetTextPosition(double v) override { call("ListLevel.TextPosition", v); }
  void SetTabPosition(double v) override { call("ListLevel.TabPosition", v); }
  void SetResetOnHigher(int v) override { call("ListLevel.ResetOnHigher", v); }
  void SetStartAt(int v) override { call("ListLevel.StartAt", v); }
  void SetLinkedStyle(const QString& v) override { call("ListLevel.LinkedStyle", v); }
  word::Ref<word::Font> Font() override {
    call("ListLevel.Font");
    return word::makeRef<recording::Font>(s_, "ListLevel");
  }
};

class ListTemplate : public word::ListTemplate, Base {
 public:
  ListTemplate(StatePtr s, QString name) : Base(std::move(s)), name_(std::move(name)) {}
  word::Ref<word::ListLevel> ListLevels(int index) override {
    call("ListTemplate.ListLevels", QVariantList{name_, index});
    return word::makeRef<ListLevel>(s_);
  }
  QString Name() override {
    call("ListTemplate.Name");
    return name_;
  }

 private:
  QString name_;
};

class ListTemplates : public word::ListTemplates, Base {
 public:
  using Base::Base;
  word::Ref<word::ListTemplate> Add(bool outlineNumbered, const QString& name) override {
    call("ListTemplates.Add", QVariantList{outlineNumbered, name});
    return word::makeRef<ListTemplate>(s_, name);
  }
};

class ListFormat : public word::ListFormat, Base {
 public:
  using Base::Base;
  void ApplyListTemplate(const word::Ref<word::ListTemplate>& listTemplate, bool continuePrevious,
                         int applyTo, int behavior) override {
    // Reading the name of an empty template throws, as using Nothing would.
    const QString name = listTemplate->Name();
    call("ListFormat.ApplyListTemplate", QVariantList{name, continuePrevious, applyTo, behavior});
    s_->listTemplate = name;
  }
  void ListIndent() override { call("ListFormat.ListIndent"); }
  void ListOutdent() override { call("ListFormat.ListOutdent"); }
  void RemoveNumbers(int numberType) override {
    call("ListFormat.RemoveNumbers", numberType);
    s_->listTemplate.clear();
  }
};

class Range : public word::Range, Base {
 public:
  using Base::Base;
  word::Ref<word::ListFormat> ListFormat() override {
    call("Range.ListFormat");
    return word::makeRef<recording::ListFormat>(s_);
  }
};

class Paragraphs : public word::Paragraphs, Base {
 public:
  using Base::Base;
  void Indent() override { call("Paragraphs.Indent"); }
  void Outdent() override { call("Paragraphs.Outdent"); }
};

class Shading : public word::Shading, Base {
 public:
  using Base::Base;
  void SetTexture(int v) override { call("Shading.Texture", v); }
  void SetForegroundPatternColor(long v) override {
    call("Shading.ForegroundPatternColor", static_cast<qlonglong>(v));
  }
  void SetBackgroundPatternColor(long v) override {
    call("Shading.BackgroundPatternColor", static_cast<qlonglong>(v));
  }
};

class Cells : public word::Cells, Base {
 public:
  using Base::Base;
  word::Ref<word::Shading> Shading() override {
    call("Cells.Shading");
    return word::makeRef<recording::Shading>(s_);
  }
  void Merge() override { call("Cells.Merge"); }
};

class Column : public word::Column, Base {
 public:
  Column(StatePtr s, int index) : Base(std::move(s)), index_(index) {}
  void SetWidth(double v) override { call("Column.Width", QVariantList{index_, v}); }

 private:
  int index_;
};

class Row : public word::Row, Base {
 public:
  Row(StatePtr s, int index) : Base(std::move(s)), index_(index) {}
  void SetHeight(double height, int rule) override {
    call("Row.SetHeight", QVariantList{index_, height, rule});
  }

 private:
  int index_;
};

class Table : public word::Table, Base {
 public:
  Table(StatePtr s, QString style) : Base(std::move(s)), style_(std::move(style)) {}
  word::Ref<word::Column> Columns(int index) override {
    call("Table.Columns", index);
    return word::makeRef<Column>(s_, index);
  }
  word::Ref<word::Row> Rows(int index) override {
    call("Table.Rows", index);
    return word::makeRef<Row>(s_, index);
  }
  QString Style() override {
    call("Table.Style");
    return style_;
  }
  void SetStyle(const QString& v) override {
    log(*s_, "Table.Style", QStringLiteral("Table.SetStyle"), v);
    style_ = v;
  }
  void SetApplyStyleHeadingRows(bool v) override { call("Table.ApplyStyleHeadingRows", v); }
  void SetApplyStyleLastRow(bool v) override { call("Table.ApplyStyleLastRow", v); }
  void SetApplyStyleFirstColumn(bool v) override { call("Table.ApplyStyleFirstColumn", v); }
  void SetApplyStyleLastColumn(bool v) override { call("Table.ApplyStyleLastColumn", v); }

 private:
  QString style_;
};

class Tables : public word::Tables, Base {
 public:
  using Base::Base;
  word::Ref<word::Table> Add(const word::Ref<word::Range>& range, int rows, int columns,
                             int behavior, int autoFit) override {
    if (!range) throw word::AutomationError(QString::fromLatin1(word::kObjectNotSet));
    call("Tables.Add", QVariantList{rows, columns, behavior, autoFit});
    return word::makeRef<Table>(s_, s_->newTableStyle);
  }
};

class Selection : public word::Selection, Base {
 public:
  using Base::Base;
  void TypeText(const QString& text) override {
    call("Selection.TypeText", text);
    State& s = *s_;
    s.typed.push_back({text, s.marks, s.bold, s.size, s.alignment, s.fontName, s.lineSpacingRule,
                       s.lineSpacing, s.section, s.listTemplate});
    s.marks = 0;
  }
  void TypeParagraph() override {
    call("Selection.TypeParagraph");
    ++s_->marks;
  }
  void InsertBreak(int type) override {
    call("Selection.InsertBreak", type);
    ++s_->section;
    s_->marks = 0;
  }
  word::Ref<word::Font> Font() override {
    call("Selection.Font");
    return word::makeRef<recording::Font>(s_, "Selection");
  }
  word::Ref<word::ParagraphFormat> ParagraphFormat() override {
    call("Selection.ParagraphFormat");
    return word::makeRef<recording::ParagraphFormat>(s_);
  }
  word::Ref<word::Section> Sections(int index) override {
    call("Selection.Sections", index);
    return word::makeRef<Section>(s_);
  }
  word::Ref<word::Range> Range() override {
    call("Selection.Range");
    return word::makeRef<recording::Range>(s_);
  }
  word::Ref<word::Paragraphs> Paragraphs() override {
    call("Selection.Paragraphs");
    return word::makeRef<recording::Paragraphs>(s_);
  }
  word::Ref<word::Cells> Cells() override {
    call("Selection.Cells");
    return word::makeRef<recording::Cells>(s_);
  }
  int MoveRight(int unit, int count, int extend) override {
    call("Selection.MoveRight", QVariantList{unit, count, extend});
    return count;
  }
  int MoveLeft(int unit, int count, int extend) override {
    call("Selection.MoveLeft", QVariantList{unit, count, extend});
    return count;
  }
  int MoveUp(int unit, int count, int extend) override {
    call("Selection.MoveUp", QVariantList{unit, count, extend});
    return count;
  }
  int MoveDown(int unit, int count, int extend) override {
    call("Selection.MoveDown", QVariantList{unit, count, extend});
    return count;
  }
  int EndKey(int unit, int extend) override {
    call("Selection.EndKey", QVariantList{unit, extend});
    return 1;
  }
};

class Window : public word::Window, Base {
 public:
  using Base::Base;
  word::Ref<word::Selection> Selection() override {
    call("Window.Selection");
    return word::makeRef<recording::Selection>(s_);
  }
};

class Document : public word::Document, Base {
 public:
  using Base::Base;
  word::Ref<word::Window> ActiveWindow() override {
    call("Document.ActiveWindow");
    return word::makeRef<Window>(s_);
  }
  word::Ref<word::ListTemplates> ListTemplates() override {
    call("Document.ListTemplates");
    return word::makeRef<recording::ListTemplates>(s_);
  }
  word::Ref<word::Tables> Tables() override {
    call("Document.Tables");
    return word::makeRef<recording::Tables>(s_);
  }
  void SaveAs(const QString& name) override { call("Document.SaveAs", name); }
  void Close(const QVariant& save) override { call("Document.Close", save); }
};

class Documents : public word::Documents, Base {
 public:
  using Base::Base;
  word::Ref<word::Document> Add() override {
    call("Documents.Add");
    document_ = word::makeRef<Document>(s_);
    return document_;
  }
  word::Ref<word::Document> active() const { return document_; }

 private:
  word::Ref<word::Document> document_;
};

class Application : public word::Application, Base {
 public:
  explicit Application(StatePtr s)
      : Base(s), documents_(std::make_shared<recording::Documents>(s)) {}
  word::Ref<word::Documents> Documents() override {
    call("Application.Documents");
    return documents_;
  }
  word::Ref<word::Document> ActiveDocument() override {
    call("Application.ActiveDocument");
    if (!documents_->active()) throw word::AutomationError(QStringLiteral("No document is open"));
    return documents_->active();
  }
  void SetDisplayAlerts(int v) override { call("Application.DisplayAlerts", v); }
  double LinesToPoints(double lines) override {
    call("Application.LinesToPoints", lines);
    return lines * 12;
  }
  double InchesToPoints(double inches) override {
    call("Application.InchesToPoints", inches);
    return inches * 72;
  }
  QString Name() override { return QStringLiteral("Recording Word"); }
  void Quit() override { call("Application.Quit"); }

 private:
  std::shared_ptr<recording::Documents> documents_;
};

}  // namespace

word::Ref<word::Application> makeApplication(const std::shared_ptr<State>& state) {
  return word::makeRef<Application>(state);
}

}  // namespace recording
