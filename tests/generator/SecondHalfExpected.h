// What sections VI to XII of the plan must type, in order: every heading, paragraph and
// list item with its statement number, formatting, breaks and list membership. Written
// out by hand from the plan's recipe as documented, not derived from the generator, so
// that both the recipe data and the document the engine builds from it are checked
// against it.
#pragma once

namespace second_half {

// How a text is typed.
enum class Kind {
  Heading,  // section heading: bold, 16 pt, centred
  Sub,      // sub-heading: bold, 14 pt, left
  Minor,    // minor heading: bold, 11 pt, left
  Body,     // body text: regular, 11 pt, left
  Plain,    // typed as it stands; here always into regular 11 pt left paragraphs
};

constexpr const char* kList1 = "my list1";
constexpr const char* kList2 = "my list2";
constexpr const char* kAnyList = "?";  // in some list; which one the cursor moves decide

struct Text {
  long number;  // statement number of the typing step
  Kind kind;
  int breaks;        // paragraph marks typed first (Plain: 0)
  const char* text;  // the whole text, or its opening words when `length` is given
  int length;        // total length in characters, or -1 when `text` is the whole text
  const char* list;  // list template of its paragraph, nullptr outside any list
  int level;         // list level, 0 when not checked
  int emptyBefore;   // empty body paragraphs between it and the text before it
};

constexpr int kWhole = -1;

// clang-format off
constexpr Text kTexts[] = {
    // VI. Operational Plan
    {864, Kind::Heading, 2, "VI.\tOperational Plan", kWhole, nullptr, 0, 2},
    {866, Kind::Body, 2, "Explain the daily operation of the business", 117, nullptr, 0, 1},
    {868, Kind::Sub, 2, "Production", kWhole, nullptr, 0, 1},
    {870, Kind::Body, 1, "How and where are your products or services produced?", kWhole, nullptr, 0, 0},
    {872, Kind::Body, 2, "Explain your methods of:", kWhole, nullptr, 0, 1},
    {878, Kind::Plain, 0, "Production techniques and costs", kWhole, kList1, 1, 0},
    {880, Kind::Body, 1, "Quality control", kWhole, kList1, 1, 0},
    {882, Kind::Body, 1, "Customer service", kWhole, kList1, 1, 0},
    {884, Kind::Body, 1, "Inventory control", kWhole, kList1, 1, 0},
    {886, Kind::Body, 1, "Product development", kWhole, kList1, 1, 0},
    {896, Kind::Sub, 2, "Location", kWhole, nullptr, 0, 2},
    {898, Kind::Body, 1, "What qualities do you need in a", 84, nullptr, 0, 0},
    {900, Kind::Body, 2, "Physical requirements:", kWhole, nullptr, 0, 1},
    {904, Kind::Plain, 0, "Amount of space", kWhole, kList1, 1, 0},
    {906, Kind::Body, 1, "Type of building", kWhole, kList1, 1, 0},
    {908, Kind::Body, 1, "Zoning", kWhole, kList1, 1, 0},
    {910, Kind::Body, 1, "Power and other utilities", kWhole, kList1, 1, 0},
    {920, Kind::Body, 0, "Access:", kWhole, nullptr, 0, 0},
    {922, Kind::Body, 2, "Is it important that your location be", 83, nullptr, 0, 1},
    {924, Kind::Body, 2, "Do you need easy walk-in access?", kWhole, nullptr, 0, 1},
    {926, Kind::Body, 2, "What are your requirements for parking and", 107, nullptr, 0, 1},
    {928, Kind::Body, 2, "Include a drawing or layout of your", 108, nullptr, 0, 1},
    {930, Kind::Body, 2, "Construction? Most new companies should not sink capital", 167, nullptr, 0, 1},
    {932, Kind::Body, 2, "Cost: Estimate your occupation expenses, including rent, but", 229, nullptr, 0, 1},
    {934, Kind::Body, 2, "What will be your business hours?", kWhole, nullptr, 0, 1},
    {936, Kind::Sub, 2, "Legal Environment", kWhole, nullptr, 0, 1},
    {938, Kind::Body, 1, "Describe the following:", kWhole, nullptr, 0, 0},
    {944, Kind::Plain, 0, "Licensing and bonding requirements", kWhole, kList1, 1, 0},
    {946, Kind::Body, 1, "Permits", kWhole, kList1, 1, 0},
    {948, Kind::Body, 1, "Health, workplace, or environmental regulations", kWhole, kList1, 1, 0},
    {950, Kind::Body, 1, "Special regulations covering your industry or profession", kWhole, kList1, 1, 0},
    {952, Kind::Body, 1, "Zoning or building code requirements", kWhole, kList1, 1, 0},
    {954, Kind::Body, 1, "Insurance coverage", kWhole, kList1, 1, 0},
    {956, Kind::Body, 1, "Trademarks, copyrights, or patents (pending, existing, or purchased)", kWhole, kList1, 1, 0},
    {966, Kind::Sub, 2, "Personnel", kWhole, nullptr, 0, 2},
    {976, Kind::Plain, 0, "Number of employees", kWhole, kList1, 1, 0},
    {978, Kind::Body, 1, "Type of labor (skilled, unskilled, and professional)", kWhole, kList1, 1, 0},
    {980, Kind::Body, 1, "Where and how will you find the right employees?", kWhole, kList1, 1, 0},
    {982, Kind::Body, 1, "Quality of existing staff", kWhole, kList1, 1, 0},
    {984, Kind::Body, 1, "Pay structure", kWhole, kList1, 1, 0},
    {986, Kind::Body, 1, "Training methods and requirements", kWhole, kList1, 1, 0},
    {988, Kind::Body, 1, "Who does which tasks?", kWhole, kList1, 1, 0},
    {990, Kind::Body, 1, "Do you have schedules and written procedures prepared?", kWhole, kList1, 1, 0},
    {992, Kind::Body, 1, "Have you drafted job descriptions for employees? If", 138, kList1, 1, 0},
    {994, Kind::Body, 1, "For certain functions, will you use contract workers in addition to employees?", kWhole, kList1, 1, 0},
    {1004, Kind::Sub, 2, "Inventory", kWhole, nullptr, 0, 2},
    {1014, Kind::Plain, 0, "What kind of inventory will you keep: raw materials, supplies, finished goods?", kWhole, kList1, 1, 0},
    {1016, Kind::Body, 1, "Average value in stock (i.e., what is your inventory investment)?", kWhole, kList1, 1, 0},
    {1018, Kind::Body, 1, "Rate of turnover and how this compares to the industry averages?", kWhole, kList1, 1, 0},
    {1020, Kind::Body, 1, "Seasonal buildups?", kWhole, kList1, 1, 0},
    {1022, Kind::Body, 1, "Lead-time for ordering?", kWhole, kList1, 1, 0},
    {1032, Kind::Sub, 2, "Suppliers", kWhole, nullptr, 0, 2},
    {1034, Kind::Body, 1, "Identify key suppliers:", kWhole, nullptr, 0, 0},
    {1040, Kind::Plain, 0, "Names and addresses", kWhole, kList1, 1, 0},
    {1042, Kind::Body, 1, "Type and amount of inventory furnished", kWhole, kList1, 1, 0},
    {1044, Kind::Body, 1, "Credit and delivery policies", kWhole, kList1, 1, 0},
    {1046, Kind::Body, 1, "History and reliability", kWhole, kList1, 1, 0},
    {1056, Kind::Body, 0, "Should you have more than one supplier for critical items (as a backup)?", kWhole, nullptr, 0, 0},
    {1058, Kind::Body, 2, "Do you expect shortages or short-term delivery problems?", kWhole, nullptr, 0, 1},
    {1060, Kind::Body, 2, "Are supply costs steady or fluctuating? If", 95, nullptr, 0, 1},
    {1062, Kind::Sub, 2, "Credit Policies", kWhole, nullptr, 0, 1},
    {1072, Kind::Plain, 0, "Do you plan to sell on credit?", kWhole, kList1, 1, 0},
    {1074, Kind::Body, 1, "Do you really need to sell on", 102, kList1, 1, 0},
    {1076, Kind::Body, 1, "If yes, what policies will you have about who gets credit and how much?", kWhole, kList1, 1, 0},
    {1078, Kind::Body, 1, "How will you check the creditworthiness of new applicants?", kWhole, kList1, 1, 0},
    {1080, Kind::Body, 1, "What terms will you offer your customers", 91, kList1, 1, 0},
    {1082, Kind::Body, 1, "Will you offer prompt payment discounts? (Hint", 108, kList1, 1, 0},
    {1084, Kind::Body, 1, "Do you know what it will cost", 94, kList1, 1, 0},
    {1094, Kind::Minor, 0, "Managing Your Accounts Receivable", kWhole, nullptr, 0, 0},
    {1096, Kind::Body, 2, "If you do extend credit, you should do", 231, nullptr, 0, 1},
    // (the receivables aging table)
    {1156, Kind::Body, 1, "You will need a policy for dealing with slow-paying customers:", kWhole, nullptr, 0, 1},
    {1162, Kind::Plain, 0, "When do you make a phone call?", kWhole, kList1, 1, 0},
    {1164, Kind::Body, 1, "When do you send a letter?", kWhole, kList1, 1, 0},
    {1166, Kind::Body, 1, "When do you get your attorney to threaten?", kWhole, kList1, 1, 0},
    {1176, Kind::Minor, 1, "Managing Your Accounts Payable", kWhole, nullptr, 0, 1},
    {1178, Kind::Body, 1, "You should also age your accounts payable, what", 323, nullptr, 0, 0},
    {1180, Kind::Body, 2, "Do your proposed vendors offer prompt payment discounts?", kWhole, nullptr, 0, 1},
    {1182, Kind::Body, 2, "A payables aging looks like the following table.", kWhole, nullptr, 0, 1},
    // (the payables aging table)

    // VII. Management and Organization
    {1252, Kind::Heading, 0, "VII.\tManagement and Organization", kWhole, nullptr, 0, 1},
    {1254, Kind::Body, 2, "Who will manage the business on a day-to-day", 239, nullptr, 0, 1},
    {1256, Kind::Body, 2, "If you'll have more than 10 employees, create", 144, nullptr, 0, 1},
    {1258, Kind::Body, 2, "Include position descriptions for key employees. If you", 132, nullptr, 0, 1},
    {1260, Kind::Sub, 2, "Professional and Advisory Support", kWhole, nullptr, 0, 1},
    {1262, Kind::Body, 1, "List the following:", kWhole, nullptr, 0, 0},
    {1268, Kind::Plain, 0, "Board of directors", kWhole, kList1, 1, 0},
    {1270, Kind::Body, 1, "Management advisory board", kWhole, kList1, 1, 0},
    {1272, Kind::Body, 1, "Attorney", kWhole, kList1, 1, 0},
    {1274, Kind::Body, 1, "Accountant", kWhole, kList1, 1, 0},
    {1276, Kind::Body, 1, "Insurance agent", kWhole, kList1, 1, 0},
    {1278, Kind::Body, 1, "Banker", kWhole, kList1, 1, 0},
    {1280, Kind::Body, 1, "Consultant or consultants", kWhole, kList1, 1, 0},
    {1282, Kind::Body, 1, "Mentors and key advisors", kWhole, kList1, 1, 0},
    // VIII. Personal Financial Statement
    {1294, Kind::Heading, 0, "VIII.\tPersonal Financial Statement", kWhole, nullptr, 0, 1},
    {1296, Kind::Body, 2, "Include personal financial statements for each owner and", 342, nullptr, 0, 1},
    // IX. Startup Expenses and Capitalization
    {1300, Kind::Heading, 0, "IX.\tStartup Expenses and Capitalization", kWhole, nullptr, 0, 0},
    {1302, Kind::Body, 2, "You will have many expenses before you even", 338, nullptr, 0, 1},
    {1304, Kind::Body, 2, "Even with the best of research, however, opening", 487, nullptr, 0, 1},
    {1306, Kind::Body, 2, "Talk to others who have started similar businesses", 271, nullptr, 0, 1},
    {1308, Kind::Body, 2, "Explain your research and how you arrived at", 236, nullptr, 0, 1},

    // X. Financial Plan
    {1312, Kind::Heading, 0, "X.\tFinancial Plan", kWhole, nullptr, 0, 0},
    {1314, Kind::Body, 2, "The financial plan consists of a 12-month profit", 428, nullptr, 0, 1},
    {1316, Kind::Sub, 2, "12-Month Profit and Loss Projection", kWhole, nullptr, 0, 1},
    {1318, Kind::Body, 1, "Many business owners think of the 12-month profit", 225, nullptr, 0, 0},
    {1320, Kind::Body, 2, "Your sales projections will come from a sales", 153, nullptr, 0, 1},
    {1322, Kind::Body, 2, "Profit projections should be accompanied by a narrative", 134, nullptr, 0, 1},
    {1324, Kind::Body, 2, "Research Notes: Keep careful notes on your research", 202, nullptr, 0, 1},
    {1326, Kind::Sub, 2, "Four-Year Profit Projection (Optional)", kWhole, nullptr, 0, 1},
    {1328, Kind::Body, 1, "The 12-month projection is the heart of your", 143, nullptr, 0, 0},
    {1330, Kind::Body, 2, "Of course, keep notes of your key assumptions,", 133, nullptr, 0, 1},
    {1332, Kind::Sub, 2, "Projected Cash Flow", kWhole, nullptr, 0, 1},
    {1334, Kind::Body, 1, "If the profit projection is the heart of", 237, nullptr, 0, 0},
    {1336, Kind::Body, 2, "The point of this worksheet is to plan", 360, nullptr, 0, 1},
    {1338, Kind::Body, 2, "There is no great trick to preparing", 115, nullptr, 0, 1},
    {1340, Kind::Body, 2, "For each item, determine when you actually expect", 146, nullptr, 0, 1},
    {1342, Kind::Body, 2, "You should track essential operating data, which is", 193, nullptr, 0, 1},
    {1344, Kind::Body, 2, "You should also track cash outlays prior to", 149, nullptr, 0, 1},
    {1346, Kind::Body, 2, "Your cash flow will show you whether your", 243, nullptr, 0, 1},
    {1348, Kind::Body, 2, "Explain your major assumptions, especially those that make", 323, nullptr, 0, 1},
    {1350, Kind::Body, 2, "Are some expenses payable in advance? When?", kWhole, nullptr, 0, 1},
    {1352, Kind::Body, 2, "Are there irregular expenses, such as quarterly tax", 142, nullptr, 0, 1},
    {1354, Kind::Body, 2, "Loan payments, equipment purchases, and owner's draws usually", 161, nullptr, 0, 1},
    {1356, Kind::Body, 2, "And of course, depreciation does not appear", 107, nullptr, 0, 1},
    {1358, Kind::Sub, 2, "Opening Day Balance Sheet", kWhole, nullptr, 0, 1},
    {1360, Kind::Body, 1, "A balance sheet is one of the fundamental", 316, nullptr, 0, 0},
    {1362, Kind::Body, 2, "Use a startup expenses and capitalization spreadsheet as", 199, nullptr, 0, 1},
    {1364, Kind::Body, 2, "Optional:  Some people want to add a", 213, nullptr, 0, 1},
    {1366, Kind::Sub, 2, "Break-Even Analysis", kWhole, nullptr, 0, 1},
    {1368, Kind::Body, 1, "A break-even analysis predicts the sales volume, at", 217, nullptr, 0, 0},
    {1370, Kind::Body, 2, "Expressed as a formula, break-even is:", kWhole, nullptr, 0, 1},
    // (the break-even table)
    {1410, Kind::Body, 2, "(Where fixed costs are expressed in dollars", 107, nullptr, 0, 2},
    {1412, Kind::Body, 2, "Include all assumptions upon which your break-even calculation is based.", kWhole, nullptr, 0, 1},
    // XI. Appendices
    {1416, Kind::Heading, 0, "XI.\tAppendices", kWhole, nullptr, 0, 0},
    {1418, Kind::Body, 2, "Include details and studies used in your business plan; for example:", kWhole, nullptr, 0, 1},
    {1424, Kind::Plain, 0, "Brochures and advertising materials", kWhole, kList1, 1, 0},
    {1426, Kind::Body, 1, "Industry studies", kWhole, kList1, 1, 0},
    {1428, Kind::Body, 1, "Blueprints and plans", kWhole, kList1, 1, 0},
    {1430, Kind::Body, 1, "Maps and photos of location", kWhole, kList1, 1, 0},
    {1432, Kind::Body, 1, "Magazine or other articles", kWhole, kList1, 1, 0},
    {1434, Kind::Body, 1, "Detailed lists of equipment owned or to be purchased", kWhole, kList1, 1, 0},
    {1436, Kind::Body, 1, "Copies of leases and contracts", kWhole, kList1, 1, 0},
    {1438, Kind::Body, 1, "Letters of support from future customers", kWhole, kList1, 1, 0},
    {1440, Kind::Body, 1, "Any other materials needed to support the assumptions in this plan", kWhole, kList1, 1, 0},
    {1442, Kind::Body, 1, "Market research studies", kWhole, kList1, 1, 0},
    {1444, Kind::Body, 1, "List of assets available as collateral for a loan", kWhole, kList1, 1, 0},

    // XII. Refining the Plan
    {1456, Kind::Heading, 0, "XII.\tRefining the Plan", kWhole, nullptr, 0, 1},
    {1458, Kind::Body, 2, "The generic business plan presented above should be", 147, nullptr, 0, 1},
    {1460, Kind::Sub, 2, "For Raising Capital", kWhole, nullptr, 0, 1},
    {1462, Kind::Minor, 2, "For Bankers", kWhole, nullptr, 0, 1},
    {1470, Kind::Plain, 0, "Bankers want assurance of orderly repayment. If", 106, kList1, 1, 0},
    {1478, Kind::Plain, 0, "Amount of loan", kWhole, kList2, 0, 0},
    {1480, Kind::Body, 1, "How the funds will be used", kWhole, kList2, 0, 0},
    {1482, Kind::Body, 1, "What this will accomplish-how will it make the business stronger?", kWhole, kList2, 0, 0},
    {1484, Kind::Body, 1, "Requested repayment terms (number of years to repay).", 200, kList2, 0, 0},
    {1486, Kind::Body, 1, "Collateral offered, and a list of all existing liens against collateral", kWhole, kList2, 0, 0},
    {1496, Kind::Minor, 2, "For Investors", kWhole, nullptr, 0, 2},
    {1504, Kind::Plain, 0, "Investors have a different perspective. They are", 118, kAnyList, 0, 0},
    {1536, Kind::Plain, 0, "Funds needed short-term", kWhole, kAnyList, 0, 0},
    {1538, Kind::Body, 1, "Funds needed in two to five years", kWhole, kAnyList, 0, 0},
    {1552, Kind::Body, 1, "How the company will use the funds, and what this will accomplish for growth.", kWhole, kAnyList, 0, 0},
    {1554, Kind::Body, 1, "Estimated return on investment", kWhole, kAnyList, 0, 0},
    {1556, Kind::Body, 1, "Exit strategy for investors (buyback, sale, or IPO)", kWhole, kAnyList, 0, 0},
    {1558, Kind::Body, 1, "Percent of ownership that you will give up to investors", kWhole, kAnyList, 0, 0},
    {1560, Kind::Body, 1, "Milestones or conditions that you will accept", kWhole, kAnyList, 0, 0},
    {1562, Kind::Body, 1, "Financial reporting to be provided", kWhole, kAnyList, 0, 0},
    {1564, Kind::Body, 1, "Involvement of investors on the board or in management", kWhole, kAnyList, 0, 0},
    {1574, Kind::Sub, 2, "For Type of Business", kWhole, nullptr, 0, 2},
    {1576, Kind::Minor, 2, "Manufacturing", kWhole, nullptr, 0, 1},
    {1584, Kind::Plain, 0, "Planned production levels", kWhole, kList1, 1, 0},
    {1586, Kind::Body, 1, "Anticipated levels of direct production costs and indirect", 133, kList1, 1, 0},
    {1588, Kind::Body, 1, "Prices per product line", kWhole, kList1, 1, 0},
    {1590, Kind::Body, 1, "Gross profit margin, overall and for each product line", kWhole, kList1, 1, 0},
    {1592, Kind::Body, 1, "Production/capacity limits of planned physical plant", kWhole, kList1, 1, 0},
    {1594, Kind::Body, 1, "Production/capacity limits of equipment", kWhole, kList1, 1, 0},
    {1596, Kind::Body, 1, "Purchasing and inventory management procedures", kWhole, kList1, 1, 0},
    {1598, Kind::Body, 1, "New products under development or anticipated to come online after startup", kWhole, kList1, 1, 0},
    {1608, Kind::Minor, 2, "Service Businesses", kWhole, nullptr, 0, 2},
    {1616, Kind::Plain, 0, "Planned production levels", kWhole, kList1, 1, 0},
    {1618, Kind::Body, 1, "Service businesses sell intangible products. They are usually", 188, kList1, 1, 0},
    {1620, Kind::Body, 1, "What are the key competitive factors in this industry?", kWhole, kList1, 1, 0},
    {1622, Kind::Body, 1, "Your prices", kWhole, kList1, 1, 0},
    {1624, Kind::Body, 1, "Methods used to set prices", kWhole, kList1, 1, 0},
    {1626, Kind::Body, 1, "System of production management", kWhole, kList1, 1, 0},
    {1628, Kind::Body, 1, "Quality control procedures. Standard or accepted industry quality standards.", kWhole, kList1, 1, 0},
    {1630, Kind::Body, 1, "How will you measure labor productivity?", kWhole, kList1, 1, 0},
    {1632, Kind::Body, 1, "Percent of work subcontracted to other firms.", 87, kList1, 1, 0},
    {1634, Kind::Body, 1, "Credit, payment, and collections policies and procedures", kWhole, kList1, 1, 0},
    {1636, Kind::Body, 1, "Strategy for keeping client base", kWhole, kList1, 1, 0},
    {1646, Kind::Minor, 2, "High Technology Companies", kWhole, nullptr, 0, 2},
    {1654, Kind::Plain, 0, "Economic outlook for the industry", kWhole, kList1, 1, 0},
    {1656, Kind::Body, 1, "Will the company have information systems in", 105, kList1, 1, 0},
    {1658, Kind::Body, 1, "What is the status of research and development? And what is required to:", kWhole, kList1, 1, 0},
    {1666, Kind::Plain, 0, "Bring product/service to market?", kWhole, kList2, 0, 0},
    {1668, Kind::Body, 1, "Keep the company competitive?", kWhole, kList2, 0, 0},
    {1676, Kind::Plain, 0, "How does the company:", kWhole, kList1, 0, 0},
    {1684, Kind::Plain, 0, "Protect intellectual property?", kWhole, kList2, 0, 0},
    {1686, Kind::Body, 1, "Avoid technological obsolescence?", kWhole, kList2, 0, 0},
    {1688, Kind::Body, 1, "Supply necessary capital?", kWhole, kList2, 0, 0},
    {1690, Kind::Body, 1, "Retain key personnel?", kWhole, kList2, 0, 0},
    {1700, Kind::Body, 1, "High-tech companies sometimes have to operate for a", 411, nullptr, 0, 1},
    {1702, Kind::Minor, 2, "Retail Business", kWhole, nullptr, 0, 1},
    {1710, Kind::Plain, 0, "Company image", kWhole, kList1, 1, 0},
    {1712, Kind::Body, 1, "Pricing:", kWhole, kList1, 1, 0},
    {1720, Kind::Plain, 0, "Explain markup policies.", kWhole, kList2, 0, 0},
    {1722, Kind::Body, 1, "Prices should be profitable, competitive, and in accordance with company image.", kWhole, kList2, 0, 0},
    {1730, Kind::Plain, 0, "Inventory:", kWhole, kList1, 0, 0},
    {1738, Kind::Plain, 0, "Selection and price should be consistent with company image.", kWhole, kList2, 0, 0},
    {1740, Kind::Body, 1, "Inventory level: Find industry average numbers for annual", 336, kList2, 0, 0},
    {1748, Kind::Plain, 0, "Customer service policies: These should be competitive", 88, kList1, 0, 0},
    {1750, Kind::Body, 1, "Location: Does it give the exposure that", 119, kList1, 0, 0},
    {1752, Kind::Body, 1, "Promotion: Methods used, cost. Does it project a consistent company image?", kWhole, kList1, 0, 0},
    {1754, Kind::Body, 1, "Credit: Do you extend credit to customers?", 113, kList1, 0, 0},
};
// clang-format on

// The aging tables' column headings, row 1 from column 2 on.
constexpr const char* kAgingHeadings[] = {"Total",   "Current", "30 days",
                                          "60 days", "90 days", "Over 90 days"};
constexpr const char* kReceivablesLabel = "Accounts Receivable Aging";
constexpr const char* kPayablesLabel = "Accounts Payable Aging";

// Break-even table: rows 2 and 3 of column 1 merged.
constexpr const char* kBreakEvenLabel = "Breakeven Sales          =";
constexpr const char* kBreakEvenNumerator = "Fixed Cost";
constexpr const char* kBreakEvenDenominator = "1 - Variable Cost";

constexpr long kFirstStatement = 864;
constexpr long kLastStatement = 1754;

}  // namespace second_half
