// Word's published enumeration values, by their Word names, for the members the program
// calls. Values are passed as plain numbers, exactly as Word numbers them.
#pragma once

namespace word {

// Booleans as automation passes them.
constexpr long wdTrue = -1;
constexpr long wdFalse = 0;
// "Undefined" for font and level properties: the value is taken from elsewhere.
constexpr long wdUndefined = 9999999;

// WdBreakType
constexpr int wdSectionBreakNextPage = 2;
constexpr int wdPageBreak = 7;

// WdParagraphAlignment
constexpr int wdAlignParagraphLeft = 0;
constexpr int wdAlignParagraphCenter = 1;
constexpr int wdAlignParagraphRight = 2;

// WdLineSpacing
constexpr int wdLineSpaceSingle = 0;
constexpr int wdLineSpaceMultiple = 5;

// WdPageNumberAlignment
constexpr int wdAlignPageNumberLeft = 0;
constexpr int wdAlignPageNumberCenter = 1;
constexpr int wdAlignPageNumberRight = 2;

// WdHeaderFooterIndex
constexpr int wdHeaderFooterPrimary = 1;

// WdUnits
constexpr int wdCharacter = 1;
constexpr int wdWord = 2;
constexpr int wdLine = 5;
constexpr int wdStory = 6;
constexpr int wdCell = 12;

// WdMovementType
constexpr int wdMove = 0;
constexpr int wdExtend = 1;

// WdGoToItem / WdGoToDirection
constexpr int wdGoToPage = 1;
constexpr int wdGoToAbsolute = 1;
constexpr int wdGoToNext = 2;

// WdListApplyTo / WdDefaultListBehavior / WdNumberType
constexpr int wdListApplyToWholeList = 0;
constexpr int wdListApplyToThisPointForward = 2;
constexpr int wdWord10ListBehavior = 2;
constexpr int wdNumberParagraph = 1;

// WdTrailingCharacter / WdListNumberStyle / WdListLevelAlignment
constexpr int wdTrailingTab = 0;
constexpr int wdListNumberStyleBullet = 23;
constexpr int wdListLevelAlignLeft = 0;

// WdDefaultTableBehavior / WdAutoFitBehavior / WdRowHeightRule
constexpr int wdWord8TableBehavior = 0;
constexpr int wdWord9TableBehavior = 1;
constexpr int wdAutoFitFixed = 0;
constexpr int wdRowHeightAuto = 0;
constexpr int wdRowHeightAtLeast = 1;
constexpr int wdRowHeightExactly = 2;

// WdTextureIndex / WdColor
constexpr int wdTextureNone = 0;
constexpr long wdColorAutomatic = -16777216;
constexpr long wdColorGray25 = 12632256;  // C0C0C0

// WdSaveOptions
constexpr int wdDoNotSaveChanges = 0;
constexpr int wdSaveChanges = -1;

// WdBuiltInProperty
constexpr int wdPropertyPages = 14;

// WdAlertLevel
constexpr int wdAlertsNone = 0;
constexpr int wdAlertsAll = -1;

// The Symbol font's private-use bullet that list template 1 uses.
constexpr char16_t kSymbolBullet = 0xF0B7;

}  // namespace word
