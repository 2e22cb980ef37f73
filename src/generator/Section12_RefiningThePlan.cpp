// Section XII, "Refining the Plan": what bankers and investors look for, and what to add
// for manufacturing, service, high-technology and retail businesses. The plan ends here,
// inside the last bulleted list.
#include "generator/Sections.h"
#include "word/WordConstants.h"

namespace generator {

Recipe refiningThePlan() {
  return join({
      SectionBreak(1454),
      SectionHeading(1456, "XII.", "Refining the Plan"),
      Body(1458,
           "The generic business plan presented above should be shaped to fit your own kind of "
           "business and the people who will read it. A few pointers follow."),
      SubHeading(1460, "For Raising Capital"),

      MinorHeading(1462, "For Bankers"),
      FontBold(1464, false),
      ListOpen(1466),
      PlainText(1470,
                "Bankers want assurance of orderly repayment. If the plan is to support a loan "
                "request, it should describe:"),
      SubListOpen(1472),
      PlainText(1478, "Amount of loan"),
      Body1(1480, "How the funds will be used"),
      Body1(1482, "What this will accomplish-how will it make the business stronger?"),
      Body1(1484,
            "Requested repayment terms (number of years to repay). Ask for a term long enough for "
            "the business to repay from its earnings; it is easier to agree a longer term at the "
            "outset than to extend it later."),
      Body1(1486, "Collateral offered, and a list of all existing liens against collateral"),
      ListClose(1488),

      MinorHeading(1496, "For Investors"),
      FontBold(1498, false),
      ListOpen(1500),
      PlainText(1504,
                "Investors have a different perspective. They are putting money at risk in the "
                "hope of strong growth, and want to know:"),
      // The investor item's own paragraph: a hanging indent whose tab stop moves in to the
      // text; the paragraphs typed after it take the same format.
      WithParagraphFormat(1506),
      SpaceBeforeAuto(1508, false),
      SpaceAfterAuto(1510, false),
      FirstLineIndent(1512, -0.75),
      MoveTabStop(1514, 1, 0.5),
      WithParagraphFormat(1516),
      LeftIndent(1518, 0.5),
      SpaceBeforeAuto(1520, false),
      SpaceAfterAuto(1522, false),
      WithParagraphFormat(1524),
      SpaceBeforeAuto(1526, false),
      SpaceAfterAuto(1528, false),
      FirstLineIndent(1530, -0.25),
      ParagraphBreak(1532),
      Indent(1534),
      PlainText(1536, "Funds needed short-term"),
      Body1(1538, "Funds needed in two to five years"),
      // Sub-list bullets from the second item on, then back up to bring the first of the two
      // out one list level and restart the main bullets from there.
      StartList(1540, 2),
      MoveUp(1542, word::wdLine, 2),
      ListOutdent(1544),
      StartList(1546, 1),
      MoveDown(1548, word::wdLine, 2),
      EndKey(1550, word::wdLine),
      Body1(1552, "How the company will use the funds, and what this will accomplish for growth."),
      Body1(1554, "Estimated return on investment"),
      Body1(1556, "Exit strategy for investors (buyback, sale, or IPO)"),
      Body1(1558, "Percent of ownership that you will give up to investors"),
      Body1(1560, "Milestones or conditions that you will accept"),
      Body1(1562, "Financial reporting to be provided"),
      Body1(1564, "Involvement of investors on the board or in management"),
      ListClose(1566),

      SubHeading(1574, "For Type of Business"),
      MinorHeading(1576, "Manufacturing"),
      FontBold(1578, false),
      ListBlock(
          1580,
          {"Planned production levels",
           "Anticipated levels of direct production costs and indirect costs "
           "(overhead), and how they compare with the averages for your industry",
           "Prices per product line", "Gross profit margin, overall and for each product line",
           "Production/capacity limits of planned physical plant",
           "Production/capacity limits of equipment",
           "Purchasing and inventory management procedures",
           "New products under development or anticipated to come online after startup"}),

      MinorHeading(1608, "Service Businesses"),
      FontBold(1610, false),
      ListBlock(1612,
                {"Planned production levels",
                 "Service businesses sell intangible products. They are usually nimble and quick "
                 "to change, but labor is most of their cost and they own few fixed assets; say "
                 "how you will keep workers busy.",
                 "What are the key competitive factors in this industry?", "Your prices",
                 "Methods used to set prices", "System of production management",
                 "Quality control procedures. Standard or accepted industry quality standards.",
                 "How will you measure labor productivity?",
                 "Percent of work subcontracted to other firms. Will you earn a margin on all "
                 "those jobs?",
                 "Credit, payment, and collections policies and procedures",
                 "Strategy for keeping client base"}),

      MinorHeading(1646, "High Technology Companies"),
      FontBold(1648, false),
      ListOpen(1650),
      PlainText(1654, "Economic outlook for the industry"),
      Body1(1656,
            "Will the company have information systems in place that can keep up with fast "
            "change in prices and costs?"),
      Body1(1658, "What is the status of research and development? And what is required to:"),
      SubListOpen(1660),
      PlainText(1666, "Bring product/service to market?"),
      Body1(1668, "Keep the company competitive?"),
      BackToMainLevel(1670),
      PlainText(1676, "How does the company:"),
      SubListOpen(1678),
      PlainText(1684, "Protect intellectual property?"),
      Body1(1686, "Avoid technological obsolescence?"),
      Body1(1688, "Supply necessary capital?"),
      Body1(1690, "Retain key personnel?"),
      ListClose(1692),
      Body1(1700,
            "High-tech companies sometimes have to operate for a long period before they earn a "
            "profit, and at times before they make a single sale. If that is your case, say how "
            "long the wait may be and how you will fund it. Lenders and investors also expect "
            "your forecasts to reach further ahead, often five years or more, so show when sales "
            "begin, when the company breaks even and how much capital it needs along the way."),

      MinorHeading(1702, "Retail Business"),
      FontBold(1704, false),
      ListOpen(1706),
      PlainText(1710, "Company image"),
      Body1(1712, "Pricing:"),
      SubListOpen(1714),
      PlainText(1720, "Explain markup policies."),
      Body1(1722,
            "Prices should be profitable, competitive, and in accordance with company image."),
      BackToMainLevel(1724),
      PlainText(1730, "Inventory:"),
      SubListOpen(1732),
      PlainText(1738, "Selection and price should be consistent with company image."),
      Body1(1740,
            "Inventory level: Find industry average numbers for annual stock turnover and set "
            "your own plan beside them. Stock that turns too slowly ties up cash and risks going "
            "stale; stock that turns too fast may mean empty shelves and lost sales. Explain how "
            "much stock you will hold, how often you will reorder and how you will watch the "
            "levels."),
      BackToMainLevel(1742),
      PlainText(1748,
                "Customer service policies: These should be competitive and fit the image of the "
                "company."),
      Body1(1750,
            "Location: Does it give the exposure that you need? Can customers reach it and park "
            "with ease? Does it match your image?"),
      Body1(1752, "Promotion: Methods used, cost. Does it project a consistent company image?"),
      Body1(1754,
            "Credit: Do you extend credit to customers? If so, is it truly needed, and is its cost "
            "covered by all your prices?"),
  });
}

}  // namespace generator
