// Page 1, the introduction under the plan's title; page 2, the cover page with the
// business's details under "OWNERS"; page 3, the table of contents.
#include "generator/Sections.h"
#include "generator/WritingPrimitives.h"

namespace generator {

namespace {

struct ContentsLine {
  const char* numeral;
  const char* title;
  short dots;
  const char* page;
};

// The contents page numbers are fixed text: they are not updated from the layout.
const ContentsLine kContents[] = {
    {"I.", "Table of Contents", 129, "3"},
    {"II.", "Executive Summary", 125, "4"},
    {"III.", "General Company Description", 107, "5"},
    {"IV.", "Products and Services", 123, "6"},
    {"V.", "Marketing Plan", 135, "7"},
    {"VI.", "Operational Plan", 130, "15"},
    {"VII.", "Management and Organization", 105, "18"},
    {"VIII.", "Personal Financial Statement", 108, "19"},
    {"IX.", "Startup Expenses and Capitalization", 95, "20"},
    {"X.", "Financial Plan", 135, "21"},
    {"XI.", "Appendices", 138, "24"},
    {"XII.", "Refining the Plan", 128, "25"},
};

std::vector<Step> contentsLines(long first) {
  std::vector<Step> steps;
  long n = first;
  for (const ContentsLine& line : kContents) {
    steps.push_back(Body(n, QString::fromLatin1(line.numeral) + QLatin1Char('\t') +
                                QString::fromLatin1(line.title) + generator::DotLeader(line.dots) +
                                QString::fromLatin1(line.page)));
    n += 2;
  }
  return steps;
}

}  // namespace

Recipe titleAndContents() {
  return join({
      // Introduction.
      Title(116, QStringLiteral("Business Plan for a Startup Business")),
      Body(118,
           QStringLiteral(
               "The business plan consists of a narrative and a set of financial worksheets. "
               "This template gives you the narrative part as a series of headings, short "
               "explanations and questions. Under each heading, replace the guidance with your "
               "own answers, written in plain language about your own company. Some questions "
               "will not fit your business; leave them out, or say in a sentence why they do not"
               " apply. Others will lead you to topics that the template does not mention, and "
               "you should add those freely. When the narrative is done, the worksheets turn "
               "your words into real numbers.")),
      Body(120,
           QStringLiteral(
               "The real value of creating a business plan lies less in the finished document "
               "than in the thinking it forces you to do. Writing each part makes you look hard "
               "at your market, your rivals, your costs and your own abilities before you put "
               "money on the line. Weak assumptions and missing facts show up on paper, where "
               "fixing them costs an afternoon, instead of in the running business, where the "
               "same error can cost the company.")),
      Body(122,
           QStringLiteral(
               "This business plan is a generic model suitable for most kinds of small business,"
               " from a shop or a trade to a service firm or a small manufacturer. Because it is"
               " generic, it cannot know the details of your industry, so treat it as a starting"
               " point rather than a form to fill in. Change the order of the sections if "
               "another order tells your story better, rename headings, and cut whatever does "
               "not help a reader understand your company. Talk to people who know your field, "
               "such as suppliers, trade groups and other owners, and use what they tell you to "
               "shape the plan so that it fits the way your business will truly work.")),
      Body(124,
           QStringLiteral(
               "It typically takes several weeks to complete a plan you can rely on. Gathering "
               "facts about customers, competitors, prices and costs is the slow part, and it "
               "cannot be rushed. Book regular hours for the work, keep every note and source in"
               " one place, and expect to rewrite some sections as you learn more. Each new "
               "draft will be clearer, easier to explain and more useful for you as a guide.")),
      SectionBreak(126),

      // Cover page: the details sit low on the page, under "OWNERS".
      Title(128, QStringLiteral("Business Plan")),
      Repeat(130, 134, 13, {ParagraphBreak(132)}),
      SubHeading(136, QStringLiteral("OWNERS")),
      FieldBody1(138, BusinessField::BusinessName),
      FieldBody1(140, BusinessField::StreetAddress1),
      FieldBody1(142, BusinessField::StreetAddress2),
      FieldBody1(144, BusinessField::City),
      FieldBody1(146, BusinessField::Telephone),
      FieldBody1(148, BusinessField::Fax),
      FieldBody1(150, BusinessField::Email),
      SectionBreak(152),

      // Table of contents.
      SectionHeading(154, QStringLiteral("I."), QStringLiteral("Table of Contents")),
      contentsLines(156),
      SectionBreak(180),
  });
}

}  // namespace generator
