// Section VI, "Operational Plan": production, location, legal environment, personnel,
// inventory, suppliers and credit policies, with the receivables and payables aging tables.
#include "generator/Sections.h"
#include "word/WordConstants.h"

namespace generator {

namespace {

// The aging tables' row label for what the business owes, named like the receivables one.
const char* const kPayablesAgingLabel = "Accounts Payable Aging";

// A 3 x 7 aging table: bold grid, column headings in row 1, the label in row 2. The two
// tables share their steps; `first` is the number of the opening Font.Bold, and the
// payables table alone shades the cells its last extending move selects.
std::vector<Step> AgingTable(long first, const QString& rowLabel, bool shaded) {
  std::vector<Step> steps{
      FontBold(first, true),
      AddTable(first + 2, first + 4, 3, 7),
      RowHeights(first + 6, first + 8, first + 10, 3, 23.35, word::wdRowHeightAtLeast),
      TableGridIfNot(first + 12, first + 14),
  };
  for (Step& s : ApplyStyleOptions(first + 16)) steps.push_back(std::move(s));
  // Letting the table go has no statement number of its own (it cannot fail).
  steps.push_back(ReleaseTable(first + 22));

  for (Step& s : TextInNextCells(
           first + 24, {QStringLiteral("Total"), QStringLiteral("Current"),
                        QStringLiteral("30 days"), QStringLiteral("60 days"),
                        QStringLiteral("90 days"), QStringLiteral("Over 90 days"), rowLabel}))
    steps.push_back(std::move(s));
  long n = first + 24 + 7 * 4;
  steps.push_back(MoveUp(n, word::wdLine, 3));
  steps.push_back(MoveRight(n + 2, word::wdCharacter, 7, word::wdExtend));
  n += 4;
  if (shaded) {
    for (Step& s : CellShading(n, word::wdTextureNone, word::wdColorAutomatic, word::wdColorGray25))
      steps.push_back(std::move(s));
    n += 8;
  }
  steps.push_back(MoveDown(n, word::wdLine, 5));
  return steps;
}

}  // namespace

Recipe operationalPlan() {
  return join({
      SectionHeading(864, "VI.", "Operational Plan", 2),
      Body(866,
           "Explain the daily operation of the business: where the work is done, with what tools "
           "and by whom, and how a day runs."),

      SubHeading(868, "Production"),
      Body1(870, "How and where are your products or services produced?"),
      Body(872, "Explain your methods of:"),
      ListBlock(874, {"Production techniques and costs", "Quality control", "Customer service",
                      "Inventory control", "Product development"}),

      SubHeading(896, "Location"),
      Body1(898,
            "What qualities do you need in a site? List those you must have, then all the "
            "others."),
      Body(900, "Physical requirements:"),
      ListBlock(902, {"Amount of space", "Type of building", "Zoning", "Power and other utilities"},
                ListBlockOpening::Shared),
      Body0(920, "Access:"),
      Body(922,
           "Is it important that your location be near main roads, public transit or "
           "suppliers?"),
      Body(924, "Do you need easy walk-in access?"),
      Body(926,
           "What are your requirements for parking and for deliveries? How near must you be to "
           "highways, rail or ports?"),
      Body(928,
           "Include a drawing or layout of your premises where it matters, as it may for a "
           "workshop or production lines."),
      Body(930,
           "Construction? Most new companies should not sink capital into brick and mortar. If "
           "you must build or fit out a site, give its building plan, its cost and the "
           "schedule."),
      Body(932,
           "Cost: Estimate your occupation expenses, including rent, but do not forget repairs "
           "and upkeep, power and water, cover against damage and theft, and the work to adapt "
           "the space ahead of opening. Carry these sums into your budgets."),
      Body(934, "What will be your business hours?"),

      SubHeading(936, "Legal Environment"),
      Body1(938, "Describe the following:"),
      ListBlock(940, {"Licensing and bonding requirements", "Permits",
                      "Health, workplace, or environmental regulations",
                      "Special regulations covering your industry or profession",
                      "Zoning or building code requirements", "Insurance coverage",
                      "Trademarks, copyrights, or patents (pending, existing, or purchased)"}),

      SubHeading(966, "Personnel"),
      ListBlockFontReset(
          968, {"Number of employees", "Type of labor (skilled, unskilled, and professional)",
                "Where and how will you find the right employees?", "Quality of existing staff",
                "Pay structure", "Training methods and requirements", "Who does which tasks?",
                "Do you have schedules and written procedures prepared?",
                "Have you drafted job descriptions for employees? If not, write them now: clear "
                "duties make hiring, training and yearly reviews far easier.",
                "For certain functions, will you use contract workers in addition to employees?"}),

      SubHeading(1004, "Inventory"),
      ListBlockFontReset(
          1006, {"What kind of inventory will you keep: raw materials, supplies, finished goods?",
                 "Average value in stock (i.e., what is your inventory investment)?",
                 "Rate of turnover and how this compares to the industry averages?",
                 "Seasonal buildups?", "Lead-time for ordering?"}),

      SubHeading(1032, "Suppliers"),
      Body1(1034, "Identify key suppliers:"),
      ListBlock(1036, {"Names and addresses", "Type and amount of inventory furnished",
                       "Credit and delivery policies", "History and reliability"}),
      Body0(1056, "Should you have more than one supplier for critical items (as a backup)?"),
      Body(1058, "Do you expect shortages or short-term delivery problems?"),
      Body(1060,
           "Are supply costs steady or fluctuating? If they swing, how will you protect your "
           "profit margin?"),

      SubHeading(1062, "Credit Policies"),
      ListBlockFontReset(
          1064,
          {"Do you plan to sell on credit?",
           "Do you really need to sell on credit, or could you trade for cash without losing "
           "sales to your rivals?",
           "If yes, what policies will you have about who gets credit and how much?",
           "How will you check the creditworthiness of new applicants?",
           "What terms will you offer your customers: how big a limit, and how many days to pay "
           "a bill?",
           "Will you offer prompt payment discounts? (Hint: only where your trade expects them "
           "and margins can bear it.)",
           "Do you know what it will cost to carry customers' unpaid bills, and is it part of "
           "your prices?"}),

      MinorHeading(1094, "Managing Your Accounts Receivable", 0),
      Body(1096,
           "If you do extend credit, you should do a monthly review that sorts what customers "
           "owe by how long it has been outstanding. It shows how much cash is held up in unpaid "
           "accounts and points out slow payers early. Set it out like this:"),
      AgingTable(1098, "Accounts Receivable Aging", false),
      Body1(1156, "You will need a policy for dealing with slow-paying customers:"),
      ListBlock(1158, {"When do you make a phone call?", "When do you send a letter?",
                       "When do you get your attorney to threaten?"}),

      MinorHeading(1176, "Managing Your Accounts Payable", 1),
      Body1(1178,
            "You should also age your accounts payable, what the business owes its own vendors, "
            "sorted by how long every bill has been unpaid. It helps you decide which bills to "
            "settle first. Settling too soon drains cash; settling late loses discounts and "
            "harms your standing. Hint: if a payment will be late, phone the creditor first."),
      Body(1180, "Do your proposed vendors offer prompt payment discounts?"),
      Body(1182, "A payables aging looks like the following table."),
      AgingTable(1184, kPayablesAgingLabel, true),
  });
}

}  // namespace generator
