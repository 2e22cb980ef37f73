// The second half of section V: product, customers, competition with its analysis table,
// niche, strategy, and the sales forecast on a page of its own.
#include "generator/Sections.h"
#include "word/WordConstants.h"

namespace generator {

namespace {

constexpr double kCompetitionRowHeight = 23.35;  // points, at least
constexpr double kCompetitorColumnWidth = 80;    // points

Recipe product() {
  return join({
      SubHeading(500, QStringLiteral("Product")),
      Body(502, QStringLiteral(
                    "In the Products and Services section, you described your offer in technical "
                    "terms. This part now asks another question: why would a buyer pay for it?")),
      MinorHeading(504, QStringLiteral("Features and Benefits")),
      Body(506, QStringLiteral("List all of your major products or services.")),
      Body(508, QStringLiteral("For each product or service:")),
      ParagraphBreak(510),
      StartList(512, 1),
      ListItems(514,
                {QStringLiteral("Describe the most important features. What is special about it?"),
                 QStringLiteral("Describe the benefits. That is, what will the product do for the "
                                "customer?")}),
      RemoveNumbers(522),
      ParagraphBreak(524),
      Outdent(526),
      Body0(528,
            QStringLiteral(
                "Note the difference between features and benefits, and think about both. A "
                "feature is a fact about the product, such as its size, material or speed. A "
                "benefit is what that fact does for the buyer: saving time, cutting costs, "
                "feeling safer or looking good. People buy benefits, so describe each feature in "
                "terms of the benefit it brings, and say which benefits matter most to the "
                "customers you have in mind.")),
      Body(530,
           QStringLiteral("What after-sale services will you give? Some examples are installation, "
                          "delivery, a hotline, repairs, spare parts and a refund promise.")),
  });
}

Recipe customers() {
  const QString other = QStringLiteral("Other (specific to your industry)");
  return join({
      SubHeading(532, QStringLiteral("Customers")),
      Body(534,
           QStringLiteral(
               "Identify your targeted customers, their characteristics, and where they live or "
               "work, so that you know precisely whom to reach.")),
      Body(536, QStringLiteral(
                    "The description will be completely different depending on whether you sell to "
                    "consumers or to other businesses. For private buyers, look at factors such as "
                    "age, income, family and way of life. For business buyers, look at their "
                    "industry, their size, where they are and how they choose and pay for the "
                    "products and services they buy.")),
      Body(538,
           QStringLiteral(
               "You may have more than one customer group. Describe every group separately, and "
               "note which factors matter for it; for consumers, these could be the following:")),
      ParagraphBreak(540),
      StartList(542, 1),
      ListItems(544,
                {QStringLiteral("Age"), QStringLiteral("Gender"), QStringLiteral("Isolation Level"),
                 QStringLiteral("Social class and occupation"), QStringLiteral("Education"), other,
                 other}),
      EndList(572, 1),
      ListItem(576, 578,
               QStringLiteral("For business customers, the demographic factors might be:")),
      StartList(580, 1),
      ListItems(582, {QStringLiteral("Industry (or portion of an industry)"),
                      QStringLiteral("Location"), QStringLiteral("Size of firm"),
                      QStringLiteral("Quality, technology, and price preferences"), other, other}),
      EndList(606, 1),
  });
}

// Each label typed, then one line down to the next row.
std::vector<Step> factorLabels(long first) {
  const char* const labels[] = {"Price",       "Quantity",   "Selection",    "Service",
                                "Reliability", "Stability",  "Expertise",    "Company Reputation",
                                "Location",    "Appearance", "Sales Method", "Credit Policies",
                                "Advertising", "Image"};
  std::vector<Step> steps;
  long n = first;
  for (const char* label : labels) {
    steps.push_back(PlainText(n, QString::fromLatin1(label)));
    steps.push_back(MoveDown(n + 2, word::wdLine, 1));
    n += 4;
  }
  return steps;
}

Recipe competitiveAnalysisTable();

Recipe competition() {
  return join({
      SubHeading(610, QStringLiteral("Competition")),
      Body(612, QStringLiteral("What products and companies will compete with you?")),
      Body(614, QStringLiteral("List your major competitors:")),
      Body(616, QStringLiteral("(Names and addresses)")),
      Body(618,
           QStringLiteral(
               "Will they compete with you across the whole of your offer, or meet you only in "
               "some products, customers or some towns?")),
      Body(620, QStringLiteral(
                    "Will you have important indirect competitors? (For example, a cinema competes "
                    "with streaming services and restaurants for an evening out.) Who are they?")),
      Body(622, QStringLiteral("How will your products or services compare with the competition?")),
      Body(624, QStringLiteral(
                    "Use the Competitive Analysis table below to compare your company with the "
                    "competitors you have named. Each row is one factor that customers weigh when "
                    "they choose where to buy; add or remove rows as needed so that the list fits "
                    "your own market well.")),
      Body(626,
           QStringLiteral(
               "In the column labeled Me, state how you expect to perform on each factor, in a "
               "few words or with a simple rating such as good, average or poor. Be honest with "
               "yourself: an owner who overrates his own business is not helped by this table. "
               "Then mark whether you see that factor as a strength or a weakness for you, "
               "compared with what customers can get elsewhere. A strength is something you can "
               "point to in your marketing. A weakness is something to fix, to work around, or "
               "at least to keep in mind when you set prices and decide where your money and "
               "effort should go first.")),
      Body(628,
           QStringLiteral(
               "Now analyze each major competitor. In a line or two, state where each one beats "
               "you.")),
      Body(630, QStringLiteral(
                    "In the final column, estimate the importance of each factor in the buying "
                    "decision, from  1 (critical) to 5 (of little weight).")),
      MinorHeading(632, QStringLiteral("Table 1:  Competitive Analysis")),
      competitiveAnalysisTable(),
      Body(768,
           QStringLiteral(
               "Now, write a short paragraph stating your status: where you lead and where you "
               "lag.")),
  });
}

// Fifteen rows by seven columns; the heading row and the factor labels are typed by moving
// the insertion point, and the cells the moves select are shaded light grey.
Recipe competitiveAnalysisTable() {
  return join({
      AddTable(634, 636, 15, 7),
      ColumnWidth(638, 5, kCompetitorColumnWidth),
      ColumnWidth(640, 6, kCompetitorColumnWidth),
      ColumnWidth(642, 7, kCompetitorColumnWidth),
      RowHeights(644, 646, 648, 15, kCompetitionRowHeight, word::wdRowHeightAtLeast),
      TableGridIfNot(650, 652),
      ApplyStyleOptions(654),
      ReleaseTable(660),
      PlainText(662, QStringLiteral("FACTOR")),
      // The rest of the heading row, then the first factor in row 2.
      TextInNextCells(664,
                      {QStringLiteral("Me"), QStringLiteral("Strength"), QStringLiteral("Weakness"),
                       QStringLiteral("Competitor A"), QStringLiteral("Competitor B"),
                       QStringLiteral("Importance to customer"), QStringLiteral("Products")}),
      MoveUp(692, word::wdLine, 1),
      MoveRight(694, word::wdCharacter, 2),
      MoveRight(696, word::wdCharacter, 8, word::wdExtend),
      CellShading(698, word::wdTextureNone, word::wdColorAutomatic, word::wdColorGray25),
      MoveDown(706, word::wdLine, 1),
      MoveLeft(708, word::wdCharacter, 1),
      MoveDown(710, word::wdLine, 1),
      factorLabels(712),
  });
}

Recipe nicheAndStrategy() {
  return join({
      SubHeading(770, QStringLiteral("Niche")),
      Body1(772,
            QStringLiteral(
                "Now that you have systematically analyzed your industry, its buyers and its "
                "sellers, step back and decide which part of the market you can serve better than"
                " anybody else, and why so.")),
      Body(774,
           QStringLiteral(
               "In one short paragraph, define your niche, your unique corner of the market.")),
      SubHeading(776, QStringLiteral("Strategy")),
      Body1(778,
            QStringLiteral("Now outline a marketing strategy that is consistent with your niche.")),
      MinorHeading(780, QStringLiteral("Promotions")),
      Body1(782, QStringLiteral("How will you get the word out to customers?")),
      Body(784, QStringLiteral("Advertising: What media, why, and how often? Why this mix and not "
                               "some other?")),
      Body(786, QStringLiteral(
                    "Have you identified low-cost methods to get noticed, such as word of mouth or "
                    "event?")),
      Body(788,
           QStringLiteral(
               "Will you use methods other than paid advertising, for example talks at local "
               "clubs, open days, newsletters, social media or referrals from customers who are "
               "happy? Which ones, and why?")),
      Body(790, QStringLiteral(
                    "What image do you want to project? How do you want customers to see you?")),
      Body(792, QStringLiteral(
                    "In addition to advertising, what plans do you have to give the business a "
                    "recognizable face, so that your name, colors and style look the same on your "
                    "shopfront, your trucks, your website and each piece of paper you hand out?")),
      Body(794,
           QStringLiteral(
               "Should you have a system to identify regular buyers and remind them of you once "
               "in a while?")),
      MinorHeading(796, QStringLiteral("Promotional Budget")),
      Body1(798, QStringLiteral("How much will you spend on the items listed above?")),
      Body(800,
           QStringLiteral("Before startup? (These numbers will go into your startup budget.)")),
      Body(802,
           QStringLiteral("Ongoing? (These numbers will go into your operating plan budget.)")),
      MinorHeading(804, QStringLiteral("Pricing")),
      Body1(806,
            QStringLiteral(
                "Explain your method or methods of setting prices. Some firms add a fixed margin "
                "to their costs; others follow the prices which the market already accepts; still"
                " others charge what their special value allows. Whichever way you choose, make "
                "sure that the price covers all your costs, including your own time, and still "
                "leaves a profit that lets you grow.")),
      Body(808,
           QStringLiteral(
               "Does your pricing strategy fit with what your customers expect and what rivals "
               "ask?")),
      Body(810, QStringLiteral(
                    "Compare your prices with those of the rivals you listed. Where, and why, do "
                    "yours differ?")),
      Body(812, QStringLiteral(
                    "How important is price as a competitive weapon in your trade, compared with "
                    "quality, service, speed, reliability and warranties?")),
      Body(814, QStringLiteral("What will be your customer service and credit policies?")),
  });
}

Recipe locationAndDistribution() {
  return join({
      MinorHeading(816, QStringLiteral("Proposed Location")),
      Body1(818,
            QStringLiteral(
                "Probably you do not have a precise location in mind yet. Even so, describe the "
                "kind of area, building and neighbours that would suit both your customers and "
                "your budget, and tell why.")),
      Body(820,
           QStringLiteral(
               "You will describe your physical needs later, in the Operational Plan. Here the "
               "question is just how the place you pick will help or hinder your sales.")),
      Body(822, QStringLiteral("Is your location important to your customers? If yes, how?")),
      Body(824, QStringLiteral("If customers come to your place of business:")),
      Body(826, QStringLiteral("Is it convenient? Parking? Interior spaces? Not out of the way?")),
      Body(828, QStringLiteral("Is it consistent with your image?")),
      Body(830, QStringLiteral("Is it what customers want and expect?")),
      Body(832, QStringLiteral(
                    "Where is the competition located? Is it better for you to be close to your "
                    "rivals, where buyers already go to compare, or far from them, where you are "
                    "alone?")),
      MinorHeading(834, QStringLiteral("Distribution Channels")),
      Body1(836, QStringLiteral("How do you sell your products or services?")),
      // Separate paragraphs, not a list.
      Body(838, QStringLiteral("Retail")),
      Body(840, QStringLiteral("Direct (mail order, Web, catalog)")),
      Body(842, QStringLiteral("Wholesale")),
      Body(844, QStringLiteral("Your own sales force")),
      Body(846, QStringLiteral("Agents")),
      Body(848, QStringLiteral("Independent representatives")),
      Body(850, QStringLiteral("Bid on contracts")),
      SectionBreak(852),
  });
}

Recipe salesForecast() {
  return join({
      SubHeading(854, QStringLiteral("Sales Forecast")),
      Body1(856,
            QStringLiteral(
                "Now that you have described your products, services, buyers and promotion, turn "
                "those words into figures. Estimate how many units or hours you will sell in each"
                " month of the first year, at what price, and then give yearly totals for the "
                "following years. Show how each figure follows from your research and your "
                "pricing, and be ready to explain any sharp rise or fall in sales to a reader.")),
      Body(858,
           QStringLiteral(
               "You may want to do two forecasts: 1) the figures you consider most likely, and "
               "2) a cautious version with slower sales and higher cost, to see whether the "
               "whole plan still holds up.")),
      Body(860,
           QStringLiteral(
               "Remember to keep notes on your research and on each assumption behind the "
               "forecast and the worksheets that follow it. A lender or partner will ask where "
               "the numbers came from, and so will you, months later.")),
      SectionBreak(862),
  });
}

}  // namespace

Recipe marketingPlan() {
  return join({product(), customers(), competition(), nicheAndStrategy(), locationAndDistribution(),
               salesForecast()});
}

}  // namespace generator
