#include "generator/RecipeRunner.h"

#include "generator/WritingPrimitives.h"
#include "word/WordConstants.h"

namespace generator {

namespace {

const QString kTableGrid = QStringLiteral("Table Grid");

class StepPlayer {
 public:
  StepPlayer(base::Guard& g, RunContext& run) : g_(g), run_(run) {}

  void play(const Step& s) {
    switch (s.op) {
      case Op::Repeat:
        return repeat(s);
      case Op::TableGridIfNot:
        if (g_.test(s.number, [&] { return run_.table->Style() != kTableGrid; }))
          g_.step(s.number2, [&] { run_.table->SetStyle(kTableGrid); });
        return;
      case Op::AddTable:
        g_.step(s.number, [&] {
          run_.addedTable.release();
          run_.addedTable = run_.app->ActiveDocument()->Tables()->Add(
              selection()->Range(), s.count, s.count2, word::wdWord9TableBehavior,
              word::wdAutoFitFixed);
        });
        g_.step(s.number2, [&] { run_.table = run_.addedTable; });
        return;
      case Op::AddListTemplate:
        g_.step(s.number, [&] {
          run_.templates.release();
          run_.templates = run_.plan->ListTemplates();
        });
        g_.step(s.number2, [&] { listTemplate(s.index) = run_.templates->Add(false, s.text); });
        return;
      default:
        g_.step(s.number, [&] { act(s); });
    }
  }

 private:
  // A counted loop: its head and its closing line are statements of their own.
  void repeat(const Step& s) {
    g_.step(s.number, [&] { run_.loopCounter = 1; });
    while (run_.loopCounter <= s.count) {
      for (const Step& inner : s.steps) play(inner);
      g_.step(s.number2, [&] { ++run_.loopCounter; });
    }
  }

  word::Ref<word::Selection> selection() { return run_.plan->ActiveWindow()->Selection(); }
  double inches(double value) { return run_.app->InchesToPoints(value); }

  word::Ref<word::ListTemplate>& listTemplate(int index) {
    if (index < 1 || index > static_cast<int>(run_.listTemplates.size()))
      throw word::AutomationError(QStringLiteral("Subscript out of range"));
    return run_.listTemplates[static_cast<size_t>(index - 1)];
  }

  void act(const Step& s) {
    switch (s.op) {
      case Op::Formatted:
        generator::TypeFormatted(run_.plan, s.field ? coverLineText(*s.field, run_) : s.text,
                                 static_cast<short>(s.breaks), s.bold, static_cast<short>(s.size),
                                 s.alignment);
        break;
      case Op::SectionBreak:
        selection()->InsertBreak(word::wdSectionBreakNextPage);
        break;
      case Op::ParagraphBreak:
        selection()->TypeParagraph();
        break;
      case Op::PlainText:
        selection()->TypeText(s.text);
        break;
      case Op::StartList:
        selection()->Range()->ListFormat()->ApplyListTemplate(listTemplate(s.index), false,
                                                              word::wdListApplyToThisPointForward,
                                                              word::wdWord10ListBehavior);
        break;
      case Op::ListIndent:
        selection()->Range()->ListFormat()->ListIndent();
        break;
      case Op::ListOutdent:
        selection()->Range()->ListFormat()->ListOutdent();
        break;
      case Op::RemoveNumbers:
        selection()->Range()->ListFormat()->RemoveNumbers(word::wdNumberParagraph);
        break;
      case Op::Outdent:
        selection()->Paragraphs()->Outdent();
        break;
      case Op::Indent:
        selection()->Paragraphs()->Indent();
        break;
      case Op::FontBold:
        selection()->Font()->SetBold(s.flag ? word::wdTrue : word::wdFalse);
        break;
      case Op::FontSize:
        selection()->Font()->SetSize(s.value);
        break;
      case Op::FontName:
        selection()->Font()->SetName(s.text);
        break;
      case Op::WithParagraphFormat:
        run_.paragraphFormat.release();
        run_.paragraphFormat = selection()->ParagraphFormat();
        break;
      case Op::SpaceBeforeAuto:
        run_.paragraphFormat->SetSpaceBeforeAuto(s.flag ? word::wdTrue : word::wdFalse);
        break;
      case Op::SpaceAfterAuto:
        run_.paragraphFormat->SetSpaceAfterAuto(s.flag ? word::wdTrue : word::wdFalse);
        break;
      case Op::FirstLineIndent:
        run_.paragraphFormat->SetFirstLineIndent(inches(s.value));
        break;
      case Op::LeftIndent:
        run_.paragraphFormat->SetLeftIndent(inches(s.value));
        break;
      case Op::MoveTabStop:
        selection()->ParagraphFormat()->TabStops(inches(s.value))->SetPosition(inches(s.value2));
        break;
      case Op::LineSpacingRule:
        selection()->ParagraphFormat()->SetLineSpacingRule(s.count);
        break;
      case Op::LineSpacingLines:
        selection()->ParagraphFormat()->SetLineSpacing(run_.app->LinesToPoints(s.value));
        break;
      case Op::PageNumbers:
        selection()
            ->Sections(1)
            ->Headers(word::wdHeaderFooterPrimary)
            ->PageNumbers()
            ->Add(s.count, s.flag);
        break;
      case Op::MoveRight:
        selection()->MoveRight(s.unit, s.count, s.extend);
        break;
      case Op::MoveLeft:
        selection()->MoveLeft(s.unit, s.count, s.extend);
        break;
      case Op::MoveUp:
        selection()->MoveUp(s.unit, s.count, s.extend);
        break;
      case Op::MoveDown:
        selection()->MoveDown(s.unit, s.count, s.extend);
        break;
      case Op::EndKey:
        selection()->EndKey(s.unit, s.extend);
        break;
      case Op::ColumnWidth:
        run_.table->Columns(s.index)->SetWidth(s.value);
        break;
      case Op::RowHeight:
        run_.table->Rows(run_.loopCounter)->SetHeight(s.value, s.count);
        break;
      case Op::ApplyStyleHeadingRows:
        run_.table->SetApplyStyleHeadingRows(s.flag);
        break;
      case Op::ApplyStyleLastRow:
        run_.table->SetApplyStyleLastRow(s.flag);
        break;
      case Op::ApplyStyleFirstColumn:
        run_.table->SetApplyStyleFirstColumn(s.flag);
        break;
      case Op::ApplyStyleLastColumn:
        run_.table->SetApplyStyleLastColumn(s.flag);
        break;
      case Op::ReleaseTable:
        run_.table.release();
        run_.addedTable.release();
        break;
      case Op::WithCellShading:
        run_.shading.release();
        run_.shading = selection()->Cells()->Shading();
        break;
      case Op::ShadingTexture:
        run_.shading->SetTexture(s.count);
        break;
      case Op::ShadingForeground:
        run_.shading->SetForegroundPatternColor(s.colour);
        break;
      case Op::ShadingBackground:
        run_.shading->SetBackgroundPatternColor(s.colour);
        break;
      case Op::CellMerge:
        selection()->Cells()->Merge();
        break;
      case Op::WithListLevel:
        run_.level.release();
        run_.level = listTemplate(s.index)->ListLevels(1);
        break;
      case Op::LevelNumberFormat:
        run_.level->SetNumberFormat(s.text);
        break;
      case Op::LevelTrailingCharacter:
        run_.level->SetTrailingCharacter(s.count);
        break;
      case Op::LevelNumberStyle:
        run_.level->SetNumberStyle(s.count);
        break;
      case Op::LevelNumberPosition:
        run_.level->SetNumberPosition(inches(s.value));
        break;
      case Op::LevelAlignment:
        run_.level->SetAlignment(s.count);
        break;
      case Op::LevelTextPosition:
        run_.level->SetTextPosition(inches(s.value));
        break;
      case Op::LevelTabPosition:
        run_.level->SetTabPosition(inches(s.value));
        break;
      case Op::LevelResetOnHigher:
        run_.level->SetResetOnHigher(s.count);
        break;
      case Op::LevelStartAt:
        run_.level->SetStartAt(s.count);
        break;
      case Op::LevelLinkedStyle:
        run_.level->SetLinkedStyle(s.text);
        break;
      case Op::WithLevelFont:
        run_.levelFont.release();
        run_.levelFont = run_.level->Font();
        break;
      case Op::LevelFontFlag:
        setLevelFontAttribute(s.attribute, s.colour);
        break;
      case Op::LevelFontName:
        run_.levelFont->SetName(s.text);
        break;
      case Op::Repeat:
      case Op::TableGridIfNot:
      case Op::AddTable:
      case Op::AddListTemplate:
        break;  // played above: they span statements of their own
    }
  }

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

  base::Guard& g_;
  RunContext& run_;
};

}  // namespace

void runRecipe(base::Guard& g, RunContext& run, const Recipe& recipe) {
  StepPlayer player(g, run);
  for (const Step& s : recipe) player.play(s);
}

QString coverLineText(BusinessField field, const RunContext& run) {
  // Each detail is read as it is typed. Without a main window every field reads as empty;
  // the city line keeps its space.
  const auto read = [&run](BusinessField f) {
    return run.details ? (*run.details)[static_cast<size_t>(f)] : run.windows->businessFieldText(f);
  };
  if (field == BusinessField::City)
    return read(BusinessField::City) + QLatin1Char(' ') + read(BusinessField::ZipCode);
  return read(field);
}

}  // namespace generator
