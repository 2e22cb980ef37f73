#include "generator/RecipeRunner.h"

#include "generator/WritingPrimitives.h"
#include "word/WordConstants.h"

namespace generator {

namespace {

const QString kTableGrid = QStringLiteral("Table Grid");

// A step whose op takes a second statement number spans statements and numbers them itself
// (`fieldsOf` says which ops do); every other step is one statement under its number.
bool spansStatements(Op op) { return (fieldsOf(op) & kNumber2) != 0; }

class StepPlayer {
 public:
  StepPlayer(base::Guard& g, RunContext& run) : g_(g), run_(run) {}

  void play(const Step& s) {
    const Play play = playOf(s.op);
    if (spansStatements(s.op))
      (this->*play)(s);
    else
      g_.step(s.number, [&] { (this->*play)(s); });
  }

 private:
  // How one op is played: one member below per op, named after it.
  using Play = void (StepPlayer::*)(const Step&);
  static Play playOf(Op op);

  word::Ref<word::Selection> selection() { return run_.plan->ActiveWindow()->Selection(); }
  double inches(double value) { return run_.app->InchesToPoints(value); }

  word::Ref<word::ListTemplate>& listTemplate(int index) {
    if (index < 1 || index > static_cast<int>(run_.listTemplates.size()))
      throw word::AutomationError(QStringLiteral("Subscript out of range"));
    return run_.listTemplates[static_cast<size_t>(index - 1)];
  }

  // --- Text ---

  void formatted(const Step& s) {
    generator::TypeFormatted(run_.plan, s.field ? coverLineText(*s.field, run_) : s.text,
                             static_cast<short>(s.breaks), s.bold, static_cast<short>(s.size),
                             s.alignment);
  }
  void sectionBreak(const Step&) { selection()->InsertBreak(word::wdSectionBreakNextPage); }
  void paragraphBreak(const Step&) { selection()->TypeParagraph(); }
  void plainText(const Step& s) { selection()->TypeText(s.text); }

  // --- Lists ---

  void startList(const Step& s) {
    selection()->Range()->ListFormat()->ApplyListTemplate(listTemplate(s.index), false,
                                                          word::wdListApplyToThisPointForward,
                                                          word::wdWord10ListBehavior);
  }
  void listIndent(const Step&) { selection()->Range()->ListFormat()->ListIndent(); }
  void listOutdent(const Step&) { selection()->Range()->ListFormat()->ListOutdent(); }
  void removeNumbers(const Step&) {
    selection()->Range()->ListFormat()->RemoveNumbers(word::wdNumberParagraph);
  }
  void outdent(const Step&) { selection()->Paragraphs()->Outdent(); }
  void indent(const Step&) { selection()->Paragraphs()->Indent(); }

  // --- Character and paragraph format ---

  void fontBold(const Step& s) {
    selection()->Font()->SetBold(s.flag ? word::wdTrue : word::wdFalse);
  }
  void fontSize(const Step& s) { selection()->Font()->SetSize(s.value); }
  void fontName(const Step& s) { selection()->Font()->SetName(s.text); }
  void withParagraphFormat(const Step&) {
    run_.paragraphFormat.release();
    run_.paragraphFormat = selection()->ParagraphFormat();
  }
  void spaceBeforeAuto(const Step& s) {
    run_.paragraphFormat->SetSpaceBeforeAuto(s.flag ? word::wdTrue : word::wdFalse);
  }
  void spaceAfterAuto(const Step& s) {
    run_.paragraphFormat->SetSpaceAfterAuto(s.flag ? word::wdTrue : word::wdFalse);
  }
  void firstLineIndent(const Step& s) { run_.paragraphFormat->SetFirstLineIndent(inches(s.value)); }
  void leftIndent(const Step& s) { run_.paragraphFormat->SetLeftIndent(inches(s.value)); }
  void moveTabStop(const Step& s) {
    selection()->ParagraphFormat()->TabStops(inches(s.value))->SetPosition(inches(s.value2));
  }
  void lineSpacingRule(const Step& s) {
    selection()->ParagraphFormat()->SetLineSpacingRule(s.count);
  }
  void lineSpacingLines(const Step& s) {
    selection()->ParagraphFormat()->SetLineSpacing(run_.app->LinesToPoints(s.value));
  }

  // --- Document set-up ---

  void pageNumbers(const Step& s) {
    selection()
        ->Sections(1)
        ->Headers(word::wdHeaderFooterPrimary)
        ->PageNumbers()
        ->Add(s.count, s.flag);
  }

  // --- Cursor ---

  void moveRight(const Step& s) { selection()->MoveRight(s.unit, s.count, s.extend); }
  void moveLeft(const Step& s) { selection()->MoveLeft(s.unit, s.count, s.extend); }
  void moveUp(const Step& s) { selection()->MoveUp(s.unit, s.count, s.extend); }
  void moveDown(const Step& s) { selection()->MoveDown(s.unit, s.count, s.extend); }
  void endKey(const Step& s) { selection()->EndKey(s.unit, s.extend); }

  // --- Tables ---

  // Two statements: the table is added, then held as the current table.
  void addTable(const Step& s) {
    g_.step(s.number, [&] {
      run_.addedTable.release();
      run_.addedTable = run_.app->ActiveDocument()->Tables()->Add(
          selection()->Range(), s.count, s.count2, word::wdWord9TableBehavior,
          word::wdAutoFitFixed);
    });
    g_.step(s.number2, [&] { run_.table = run_.addedTable; });
  }
  void columnWidth(const Step& s) { run_.table->Columns(s.index)->SetWidth(s.value); }
  void rowHeight(const Step& s) { run_.table->Rows(run_.loopCounter)->SetHeight(s.value, s.count); }
  // Two statements: the test, and the style set when it holds (or failed).
  void tableGridIfNot(const Step& s) {
    if (g_.test(s.number, [&] { return run_.table->Style() != kTableGrid; }))
      g_.step(s.number2, [&] { run_.table->SetStyle(kTableGrid); });
  }
  void applyStyleHeadingRows(const Step& s) { run_.table->SetApplyStyleHeadingRows(s.flag); }
  void applyStyleLastRow(const Step& s) { run_.table->SetApplyStyleLastRow(s.flag); }
  void applyStyleFirstColumn(const Step& s) { run_.table->SetApplyStyleFirstColumn(s.flag); }
  void applyStyleLastColumn(const Step& s) { run_.table->SetApplyStyleLastColumn(s.flag); }
  void releaseTable(const Step&) {
    run_.table.release();
    run_.addedTable.release();
  }
  void withCellShading(const Step&) {
    run_.shading.release();
    run_.shading = selection()->Cells()->Shading();
  }
  void shadingTexture(const Step& s) { run_.shading->SetTexture(s.count); }
  void shadingForeground(const Step& s) { run_.shading->SetForegroundPatternColor(s.colour); }
  void shadingBackground(const Step& s) { run_.shading->SetBackgroundPatternColor(s.colour); }
  void cellMerge(const Step&) { selection()->Cells()->Merge(); }

  // --- List templates ---

  // Two statements: the plan's ListTemplates are resolved, then the template is added.
  void addListTemplate(const Step& s) {
    g_.step(s.number, [&] {
      run_.templates.release();
      run_.templates = run_.plan->ListTemplates();
    });
    g_.step(s.number2, [&] { listTemplate(s.index) = run_.templates->Add(false, s.text); });
  }
  void withListLevel(const Step& s) {
    run_.level.release();
    run_.level = listTemplate(s.index)->ListLevels(1);
  }
  void levelNumberFormat(const Step& s) { run_.level->SetNumberFormat(s.text); }
  void levelTrailingCharacter(const Step& s) { run_.level->SetTrailingCharacter(s.count); }
  void levelNumberStyle(const Step& s) { run_.level->SetNumberStyle(s.count); }
  void levelNumberPosition(const Step& s) { run_.level->SetNumberPosition(inches(s.value)); }
  void levelAlignment(const Step& s) { run_.level->SetAlignment(s.count); }
  void levelTextPosition(const Step& s) { run_.level->SetTextPosition(inches(s.value)); }
  void levelTabPosition(const Step& s) { run_.level->SetTabPosition(inches(s.value)); }
  void levelResetOnHigher(const Step& s) { run_.level->SetResetOnHigher(s.count); }
  void levelStartAt(const Step& s) { run_.level->SetStartAt(s.count); }
  void levelLinkedStyle(const Step& s) { run_.level->SetLinkedStyle(s.text); }
  void withLevelFont(const Step&) {
    run_.levelFont.release();
    run_.levelFont = run_.level->Font();
  }
  void levelFontFlag(const Step& s) { setLevelFontAttribute(s.attribute, s.colour); }
  void levelFontName(const Step& s) { run_.levelFont->SetName(s.text); }

  void setLevelFontAttribute(LevelFontAttribute attribute, long value) {
    word::Font& font = *run_.levelFont;
    switch (attribute) {
      case LevelFontAttribute::Bold:
        return font.SetBold(value);
      case LevelFontAttribute::Italic:
        return font.SetItalic(value);
      case LevelFontAttribute::Strikethrough:
        return font.SetStrikethrough(value);
      case LevelFontAttribute::Subscript:
        return font.SetSubscript(value);
      case LevelFontAttribute::Superscript:
        return font.SetSuperscript(value);
      case LevelFontAttribute::Shadow:
        return font.SetShadow(value);
      case LevelFontAttribute::Outline:
        return font.SetOutline(value);
      case LevelFontAttribute::Emboss:
        return font.SetEmboss(value);
      case LevelFontAttribute::Engrave:
        return font.SetEngrave(value);
      case LevelFontAttribute::AllCaps:
        return font.SetAllCaps(value);
      case LevelFontAttribute::Hidden:
        return font.SetHidden(value);
      case LevelFontAttribute::Underline:
        return font.SetUnderline(value);
      case LevelFontAttribute::Color:
        return font.SetColor(value);
      case LevelFontAttribute::Size:
        return font.SetSize(static_cast<double>(value));
      case LevelFontAttribute::Animation:
        return font.SetAnimation(value);
      case LevelFontAttribute::DoubleStrikeThrough:
        return font.SetDoubleStrikeThrough(value);
    }
  }

  // --- Loops ---

  // A counted loop: its head and its closing line are statements of their own.
  void repeat(const Step& s) {
    g_.step(s.number, [&] { run_.loopCounter = 1; });
    while (run_.loopCounter <= s.count) {
      for (const Step& inner : s.steps) play(inner);
      g_.step(s.number2, [&] { ++run_.loopCounter; });
    }
  }

  base::Guard& g_;
  RunContext& run_;
};

// Every op and the member that plays it; the compiler reports an op left out.
StepPlayer::Play StepPlayer::playOf(Op op) {
  switch (op) {
    case Op::Formatted:
      return &StepPlayer::formatted;
    case Op::SectionBreak:
      return &StepPlayer::sectionBreak;
    case Op::ParagraphBreak:
      return &StepPlayer::paragraphBreak;
    case Op::PlainText:
      return &StepPlayer::plainText;
    case Op::StartList:
      return &StepPlayer::startList;
    case Op::ListIndent:
      return &StepPlayer::listIndent;
    case Op::ListOutdent:
      return &StepPlayer::listOutdent;
    case Op::RemoveNumbers:
      return &StepPlayer::removeNumbers;
    case Op::Outdent:
      return &StepPlayer::outdent;
    case Op::Indent:
      return &StepPlayer::indent;
    case Op::FontBold:
      return &StepPlayer::fontBold;
    case Op::FontSize:
      return &StepPlayer::fontSize;
    case Op::FontName:
      return &StepPlayer::fontName;
    case Op::WithParagraphFormat:
      return &StepPlayer::withParagraphFormat;
    case Op::SpaceBeforeAuto:
      return &StepPlayer::spaceBeforeAuto;
    case Op::SpaceAfterAuto:
      return &StepPlayer::spaceAfterAuto;
    case Op::FirstLineIndent:
      return &StepPlayer::firstLineIndent;
    case Op::LeftIndent:
      return &StepPlayer::leftIndent;
    case Op::MoveTabStop:
      return &StepPlayer::moveTabStop;
    case Op::LineSpacingRule:
      return &StepPlayer::lineSpacingRule;
    case Op::LineSpacingLines:
      return &StepPlayer::lineSpacingLines;
    case Op::PageNumbers:
      return &StepPlayer::pageNumbers;
    case Op::MoveRight:
      return &StepPlayer::moveRight;
    case Op::MoveLeft:
      return &StepPlayer::moveLeft;
    case Op::MoveUp:
      return &StepPlayer::moveUp;
    case Op::MoveDown:
      return &StepPlayer::moveDown;
    case Op::EndKey:
      return &StepPlayer::endKey;
    case Op::AddTable:
      return &StepPlayer::addTable;
    case Op::ColumnWidth:
      return &StepPlayer::columnWidth;
    case Op::RowHeight:
      return &StepPlayer::rowHeight;
    case Op::TableGridIfNot:
      return &StepPlayer::tableGridIfNot;
    case Op::ApplyStyleHeadingRows:
      return &StepPlayer::applyStyleHeadingRows;
    case Op::ApplyStyleLastRow:
      return &StepPlayer::applyStyleLastRow;
    case Op::ApplyStyleFirstColumn:
      return &StepPlayer::applyStyleFirstColumn;
    case Op::ApplyStyleLastColumn:
      return &StepPlayer::applyStyleLastColumn;
    case Op::ReleaseTable:
      return &StepPlayer::releaseTable;
    case Op::WithCellShading:
      return &StepPlayer::withCellShading;
    case Op::ShadingTexture:
      return &StepPlayer::shadingTexture;
    case Op::ShadingForeground:
      return &StepPlayer::shadingForeground;
    case Op::ShadingBackground:
      return &StepPlayer::shadingBackground;
    case Op::CellMerge:
      return &StepPlayer::cellMerge;
    case Op::AddListTemplate:
      return &StepPlayer::addListTemplate;
    case Op::WithListLevel:
      return &StepPlayer::withListLevel;
    case Op::LevelNumberFormat:
      return &StepPlayer::levelNumberFormat;
    case Op::LevelTrailingCharacter:
      return &StepPlayer::levelTrailingCharacter;
    case Op::LevelNumberStyle:
      return &StepPlayer::levelNumberStyle;
    case Op::LevelNumberPosition:
      return &StepPlayer::levelNumberPosition;
    case Op::LevelAlignment:
      return &StepPlayer::levelAlignment;
    case Op::LevelTextPosition:
      return &StepPlayer::levelTextPosition;
    case Op::LevelTabPosition:
      return &StepPlayer::levelTabPosition;
    case Op::LevelResetOnHigher:
      return &StepPlayer::levelResetOnHigher;
    case Op::LevelStartAt:
      return &StepPlayer::levelStartAt;
    case Op::LevelLinkedStyle:
      return &StepPlayer::levelLinkedStyle;
    case Op::WithLevelFont:
      return &StepPlayer::withLevelFont;
    case Op::LevelFontFlag:
      return &StepPlayer::levelFontFlag;
    case Op::LevelFontName:
      return &StepPlayer::levelFontName;
    case Op::Repeat:
      return &StepPlayer::repeat;
  }
  throw word::AutomationError(QStringLiteral("Invalid procedure call or argument"));
}

}  // namespace

void runRecipe(base::Guard& g, RunContext& run, const Recipe& recipe) {
  StepPlayer player(g, run);
  for (const Step& s : recipe) player.play(s);
}

QString coverLineText(BusinessField field, const RunContext& run) {
  // Without details every field reads as empty; the city line keeps its space.
  const auto read = [&run](BusinessField f) {
    return run.details ? (*run.details)[static_cast<size_t>(f)] : QString();
  };
  if (field == BusinessField::City)
    return read(BusinessField::City) + QLatin1Char(' ') + read(BusinessField::ZipCode);
  return read(field);
}

}  // namespace generator
