// Sections X "Financial Plan", with the break-even formula set as a small table, and XI
// "Appendices", the list of material to attach.
#include "generator/Sections.h"
#include "word/WordConstants.h"

namespace generator {

namespace {

// Breakeven Sales = Fixed Cost / (1 - Variable Cost), laid out as a 4 x 2 grid: the left
// cell spans the two middle rows, numerator above denominator on the right.
std::vector<Step> BreakEvenTable() {
  std::vector<Step> steps{
      AddTable(1372, 1374, 4, 2),
      ColumnWidth(1376, 1, 130),
      ColumnWidth(1378, 2, 130),
      TableGridIfNot(1380, 1382),
  };
  for (Step& s : ApplyStyleOptions(1384)) steps.push_back(std::move(s));
  // Letting the table go has no statement number of its own (it cannot fail).
  steps.push_back(ReleaseTable(1390));
  for (Step& s : std::vector<Step>{
           MoveRight(1392, word::wdCell, 2),
           PlainText(1394, "Breakeven Sales          ="),
           MoveDown(1396, word::wdLine, 1, word::wdExtend),
           CellMerge(1398),
           MoveRight(1400, word::wdCell, 1),
           PlainText(1402, "Fixed Cost"),
           MoveDown(1404, word::wdLine, 1),
           PlainText(1406, "1 - Variable Cost"),
           MoveDown(1408, word::wdLine, 2),
       })
    steps.push_back(std::move(s));
  return steps;
}

}  // namespace

Recipe financialPlanAndAppendices() {
  return join({
      SectionBreak(1310),
      SectionHeading(1312, "X.", "Financial Plan"),
      Body(1314,
           "The financial plan consists of a 12-month profit and loss forecast, if you like a "
           "longer one over four years, a forecast of cash flow month by month, a balance sheet "
           "for the day you open, and a break-even analysis as well. Taken together these pages "
           "turn the rest of the plan into figures and show whether the business can pay its "
           "way. Working through them will teach you a great deal about how money moves through "
           "your company."),

      SubHeading(1316, "12-Month Profit and Loss Projection"),
      Body1(1318,
            "Many business owners think of the 12-month profit and loss projection as the core of "
            "their plan: it is where every estimate about sales, prices and costs comes together "
            "and where you learn whether the numbers really work out."),
      Body(1320,
           "Your sales projections will come from a sales forecast built month by month, setting "
           "out for each month the expected units sold, revenue and direct cost."),
      Body(1322,
           "Profit projections should be accompanied by a narrative that tells the reader in "
           "plain words the reasoning behind each of the figures."),
      Body(1324,
           "Research Notes: Keep careful notes on your research as you go: where each figure came "
           "from, whom you asked and on what date. If a reader questions any number later, you "
           "can then show its source at once."),

      SubHeading(1326, "Four-Year Profit Projection (Optional)"),
      Body1(1328,
            "The 12-month projection is the heart of your financial plan, but lenders or "
            "investors may want to look further ahead: sketch years two to four."),
      Body(1330,
           "Of course, keep notes of your key assumptions, above all those you expect to shift "
           "after the first year, and give the reasons for it."),

      SubHeading(1332, "Projected Cash Flow"),
      Body1(1334,
            "If the profit projection is the heart of the plan, the cash flow projection shows "
            "whether the firm can live from one month to the next. A company can show a profit on "
            "paper and still fail because its money arrives too late to meet bills."),
      Body(1336,
           "The point of this worksheet is to plan the money in and the money out, month by "
           "month, so that you know ahead of time how much cash you need to open, to get through "
           "quiet months and to hold in reserve. Keep it up to date once you are trading. It will "
           "warn you of a coming gap early enough to act on it: to arrange an overdraft, delay a "
           "purchase, chase debtors."),
      Body(1338,
           "There is no great trick to preparing it: list what you expect to come in and go out "
           "each month, with a running sum."),
      Body(1340,
           "For each item, determine when you actually expect the money to change hands, which is "
           "often not the month in which the sale or the cost is booked."),
      Body(1342,
           "You should track essential operating data, which is not part of the cash flow itself "
           "but drives it: units sold, stock bought and hours worked. These figures help to "
           "explain each month's result."),
      Body(1344,
           "You should also track cash outlays prior to opening day in a separate column, "
           "drawing on the figures you've gathered for the startup expenses budget."),
      Body(1346,
           "Your cash flow will show you whether your working capital will be enough. If the "
           "projected balance falls below zero in any month, you need more capital before you "
           "start; the worksheet shows both when the gap appears and how large it will grow."),
      Body(1348,
           "Explain your major assumptions, especially those that make the cash flow differ from "
           "the Profit and Loss Projection. A sale booked in one month may be paid for two months "
           "later; stock may be paid for before it is sold; a vendor may give you thirty days. "
           "Say how each of these timings moves cash from one month into another."),
      Body(1350, "Are some expenses payable in advance? When?"),
      Body(1352,
           "Are there irregular expenses, such as quarterly tax bills, yearly insurance premiums "
           "or seasonal repairs? Plan each in the month it falls due."),
      Body(1354,
           "Loan payments, equipment purchases, and owner's draws usually leave no trace in the "
           "profit and loss statement, yet each one takes cash out of the bank. Add them."),
      Body(1356,
           "And of course, depreciation does not appear in the cash flow: it is a charge in the "
           "books, not money spent."),

      SubHeading(1358, "Opening Day Balance Sheet"),
      Body1(1360,
            "A balance sheet is one of the fundamental statements of any business. On one side it "
            "lists what the business owns, its assets, such as cash, stock and tools; on the "
            "other what it owes, its liabilities, such as loans and unpaid bills. What is left "
            "when the liabilities are taken from the assets is the owners' equity."),
      Body(1362,
           "Use a startup expenses and capitalization spreadsheet as the starting point for your "
           "balance sheet on opening day, and note beside each account how you arrived at the "
           "figure shown for it on that day."),
      Body(1364,
           "Optional:  Some people want to add a second balance sheet, projected to the close of "
           "the first year, to show where the business expects to stand by then. Investors in "
           "particular may want to see such a sheet first."),

      SubHeading(1366, "Break-Even Analysis"),
      Body1(1368,
            "A break-even analysis predicts the sales volume, at a given set of prices, that the "
            "business needs to cover all of its costs. Below that volume it loses money; above "
            "it, it makes a profit. This is a useful early test."),
      Body(1370, "Expressed as a formula, break-even is:"),
      BreakEvenTable(),
      Body(1410,
           "(Where fixed costs are expressed in dollars and variable costs as a fraction of each "
           "dollar of sales made.)"),
      Body(1412, "Include all assumptions upon which your break-even calculation is based."),

      SectionBreak(1414),
      SectionHeading(1416, "XI.", "Appendices"),
      Body(1418, "Include details and studies used in your business plan; for example:"),
      ListBlock(1420,
                {"Brochures and advertising materials", "Industry studies", "Blueprints and plans",
                 "Maps and photos of location", "Magazine or other articles",
                 "Detailed lists of equipment owned or to be purchased",
                 "Copies of leases and contracts", "Letters of support from future customers",
                 "Any other materials needed to support the assumptions in this plan",
                 "Market research studies", "List of assets available as collateral for a loan"}),
  });
}

}  // namespace generator
