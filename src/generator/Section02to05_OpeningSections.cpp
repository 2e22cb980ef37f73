// Sections II to IV, and section V from market research to the "Economics" lists. The
// two list templates every later list uses are defined here, before the first list.
#include "generator/Sections.h"
#include "word/WordConstants.h"

namespace generator {

namespace {

Recipe executiveSummary() {
  return join({
      SectionHeading(182, QStringLiteral("II."), QStringLiteral("Executive Summary")),
      Body(184, QStringLiteral("Write this section last.")),
      Body(186, QStringLiteral("We suggest that you make it two pages or fewer.")),
      Body(188,
           QStringLiteral("Include everything that you would cover in a five-minute interview.")),
      Body(190,
           QStringLiteral(
               "Explain the fundamentals of the proposed business: What will you sell? Who will "
               "buy it, and why? Who are the owners, and what do they bring to the company? "
               "Where do you see the business in a decade?")),
      Body(192, QStringLiteral("Make it enthusiastic, professional, complete, and concise.")),
      Body(194,
           QStringLiteral(
               "If applying for a loan, state clearly how much you need, list the purchases it "
               "will pay for, and show the lender how those purchases lift your earnings enough "
               "to meet each repayment.")),
      SectionBreak(196),
  });
}

Recipe companyDescription() {
  return join({
      SectionHeading(198, QStringLiteral("III."), QStringLiteral("General Company Description")),
      Body(200, QStringLiteral("What business will you be in? What will you do?")),
      Body(202,
           QStringLiteral(
               "Mission Statement: Many companies have a brief mission statement that sums up, "
               "in a sentence or two, what they do, for whom and how. If you write one, put it "
               "first in this section and make sure that your staff and customers would "
               "recognize the company in it.")),
      Body(204,
           QStringLiteral(
               "Company Goals and Objectives: Goals are destinations-where you want your "
               "business to be in the years ahead. Objectives are the measurable steps that take"
               " you there, each with a target and a date, such as a sales figure or a second "
               "location by a given season. List your main goals, and under each one the "
               "objectives that will show you are on the way. Keep them realistic, and look at "
               "them often.")),
      Body(206, QStringLiteral("Business Philosophy: What is important to you in business?")),
      Body(208,
           QStringLiteral(
               "To whom will you market your products? (State the main groups in a line or two; "
               "the Marketing Plan section describes them in detail.)")),
      Body(210,
           QStringLiteral(
               "Describe your industry.  Is it a growth industry or a mature one? Which "
               "developments in technology, rules or customer habits are coming, and what will "
               "they mean for your business?")),
      Body(212,
           QStringLiteral(
               "Describe your most important company strengths and core competencies. Where will"
               " your edge come from: a skill, a site, a supplier, a method, a name people "
               "trust? Which of these can you prove from your own record, and how will you "
               "protect them when rivals copy you too?")),
      Body(214, QStringLiteral(
                    "Legal form of ownership: Sole proprietor, Partnership, Corporation, or a "
                    "cooperative? Which suits your risks and your taxes best, and why?")),
      SectionBreak(216),
  });
}

Recipe productsAndServices() {
  return join({
      SectionHeading(218, QStringLiteral("IV."), QStringLiteral("Products and Services")),
      Body(220,
           QStringLiteral(
               "Describe in depth your products or services (technical data and pictures can go "
               "in the appendices): what each one is, and why your customers need it.")),
      Body(222,
           QStringLiteral(
               "What factors will give you competitive advantages or put you at a disadvantage, "
               "and how will you use them well or find ways around them?")),
      Body(224, QStringLiteral("What are the pricing, fee, or leasing structures of your products "
                               "or services?")),
      SectionBreak(226),
  });
}

Recipe marketResearch() {
  return join({
      SectionHeading(228, QStringLiteral("V."), QStringLiteral("Marketing Plan")),
      SubHeading(230, QStringLiteral("Market research - Why?")),
      Body(232,
           QStringLiteral(
               "No matter how good your product and your service, the business cannot succeed "
               "unless enough people want to buy them at a price that covers your costs. "
               "Research will tell you, before you spend heavily, whether those buyers exist, "
               "where they are, what they pay today, and who else is trying to reach them. It "
               "also shows how big the opportunity really is, so that your sales forecast will "
               "rest on facts you checked rather than on hope alone.")),
      SubHeading(234, QStringLiteral("Market research - How?")),
      Body(236, QStringLiteral("There are two kinds of market research: primary and secondary.")),
      Body(238,
           QStringLiteral(
               "Secondary research means using published information such as reports, statistics"
               " and studies that others have already gathered: official figures on population "
               "and income, articles in business and trade journals, and summaries from industry"
               " groups. It costs little, and it will show quickly how large the market is and "
               "who leads it.")),
      Body(240,
           QStringLiteral(
               "Start with your local library. Most librarians are skilled at finding facts and "
               "will show you which directories and databases hold figures on your trade. After "
               "that, look for studies published online, ask your chamber of commerce what it "
               "knows about the area, and contact the association for your industry, whose "
               "members may be willing to share their surveys.")),
      Body(242,
           QStringLiteral(
               "Primary research means gathering your own data. For instance, you might stand "
               "outside a site you are considering and note how many people pass at different "
               "hours, visit rival businesses as a customer, or ask potential customers a short "
               "list of questions. Keep the questions simple and neutral, write the answers down"
               " at once, and talk to enough people for the results to mean something solid.")),
      Body(244,
           QStringLiteral(
               "In your marketing plan, be as specific as the facts allow: quote all figures "
               "with their sources and dates, because the sales forecast later in this plan will"
               " be built upon them.")),
  });
}

// "my list1": a Symbol-font bullet; "my list2": a hollow "o" in Courier New. Both put the
// bullet at a quarter inch and the text at half an inch.
Recipe listTemplates() {
  return join({
      ListTemplateDefinition(250, 1, QStringLiteral("my list1"),
                             QString(QChar(word::kSymbolBullet)), QStringLiteral("Symbol")),
      ListTemplateDefinition(312, 2, QStringLiteral("my list2"), QStringLiteral("o"),
                             QStringLiteral("Courier New")),
  });
}

Recipe economics() {
  return join({
      SubHeading(246, QStringLiteral("Economics")),
      Body(248, QStringLiteral("Facts about your industry:")),
      listTemplates(),
      // The paragraph mark ends "Facts about your industry:" so that it stays a body
      // paragraph and the first question becomes the first bullet rather than joining it.
      ParagraphBreak(374),
      StartList(374, 1),
      ListItems(
          376,
          {QStringLiteral("What is the total size of your market?"),
           QStringLiteral(
               "What percent share of the market will you be able to gain in your first years, "
               "and on which evidence do you base that estimate?"),
           QStringLiteral("Current demand in target market."),
           QStringLiteral(
               "Trends in target market-growth trends, trends in pricing, and the changes which "
               "shape demand in it today."),
           QStringLiteral("Growth potential and opportunity for a business of your "
                          "size."),
           QStringLiteral(
               "What barriers to entry do you face, and which of the following could delay or "
               "stop a new company like yours?")}),
      // The barriers nest two levels below the question.
      StartList(400, 2),
      ListIndent(402),
      ListIndent(404),
      ListItems(406,
                {QStringLiteral("High capital costs"), QStringLiteral("High production costs"),
                 QStringLiteral("High marketing costs"),
                 QStringLiteral("Consumer acceptance and brand recognition"),
                 QStringLiteral("Training and skills"),
                 QStringLiteral("Unique technology and patents"), QStringLiteral("Unions"),
                 QStringLiteral("Shipping costs"), QStringLiteral("Tariff barriers and quotas")}),
      StartList(442, 1),
      ListOutdent(444),
      PlainText(446, QStringLiteral("And of course, how will you overcome the barriers?")),
      WithParagraphFormat(448),
      SpaceBeforeAuto(450, false),
      SpaceAfterAuto(452, false),
      FirstLineIndent(454, -0.5),
      MoveTabStop(456, 0.75, 0.5),
      ParagraphBreak(458),
      ListItem(460, 462, QStringLiteral("How could the following affect your company?")),
      StartList(464, 2),
      ListIndent(466),
      MoveTabStop(468, 1, 1.25),
      WithParagraphFormat(470),
      SpaceBeforeAuto(472, false),
      SpaceAfterAuto(474, false),
      FirstLineIndent(476, 0),
      ListItems(478, {QStringLiteral("Change in technology"),
                      QStringLiteral("Change in government regulations"),
                      QStringLiteral("Change in the economy"),
                      QStringLiteral("Change in your industry")}),
      EndList(494, 2),
  });
}

}  // namespace

Recipe openingSections() {
  return join({executiveSummary(), companyDescription(), productsAndServices(), marketResearch(),
               economics()});
}

}  // namespace generator
