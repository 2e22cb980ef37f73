#include "FirstHalfExpected.h"

namespace expected {

Business sampleBusiness() {
  return {QStringLiteral("Marrow & Finch Bakery"),
          QStringLiteral("14 Quarry Lane"),
          QStringLiteral("Unit 3"),
          QStringLiteral("Ashford, KS"),
          QStringLiteral("66012"),
          QStringLiteral("(555) 010-2233"),
          QStringLiteral("(555) 010-2234"),
          QStringLiteral("hello@marrowfinch.example")};
}

namespace {

class Table {
 public:
  std::vector<Text> entries;

  void add(long n, Kind kind, const QString& text, int marks, int length = kWhole) {
    entries.push_back({n, kind, marks, text, length});
  }
  void sectionBreak(long n) { add(n, Kind::SectionBreak, {}, 0); }

  void title(long n, const QString& t) { add(n, Kind::Title, t, 2); }
  void heading(long n, const QString& numeral, const QString& t, int marks = 0) {
    add(n, Kind::Heading, numeral + QLatin1Char('\t') + t, marks);
  }
  void sub(long n, const QString& t, int marks = 2) { add(n, Kind::Sub, t, marks); }
  void minor(long n, const QString& t, int marks = 2) { add(n, Kind::Minor, t, marks); }
  void body(long n, const QString& t, int marks = 2) { add(n, Kind::Body, t, marks); }
  void bodyGiven(long n, const QString& opening, int length, int marks = 2) {
    add(n, Kind::Body, opening, marks, length);
  }
  // Plain text typed after a list item's (or another) paragraph break.
  void item(long n, const QString& t) { add(n, Kind::Body, t, 1); }
  void itemGiven(long n, const QString& opening, int length) {
    add(n, Kind::Body, opening, 1, length);
  }
  // Typed into the table in the bold of the heading above it.
  void cell(long n, const QString& t) { add(n, Kind::Cell, t, 0); }
};

QString contentsLine(const char* numeral, const char* title, int dots, const char* page) {
  return QString::fromLatin1(numeral) + QLatin1Char('\t') + QString::fromLatin1(title) +
         QString(dots, QLatin1Char('.')) + QString::fromLatin1(page);
}

void titlePages(Table& t, const Business& b) {
  t.title(116, "Business Plan for a Startup Business");
  t.bodyGiven(118, "The business plan consists of a narrative and", 573);
  t.bodyGiven(120, "The real value of creating a business plan", 424);
  t.bodyGiven(122, "This business plan is a generic model suitable", 620);
  t.bodyGiven(124, "It typically takes several weeks to complete a", 389);
  t.sectionBreak(126);

  t.title(128, "Business Plan");
  t.sub(136, "OWNERS", 13 + 2);
  t.body(138, b.name, 1);
  t.body(140, b.street1, 1);
  t.body(142, b.street2, 1);
  t.body(144, b.city + QLatin1Char(' ') + b.zip, 1);
  t.body(146, b.telephone, 1);
  t.body(148, b.fax, 1);
  t.body(150, b.email, 1);
  t.sectionBreak(152);

  t.heading(154, "I.", "Table of Contents");
  t.body(156, contentsLine("I.", "Table of Contents", 129, "3"));
  t.body(158, contentsLine("II.", "Executive Summary", 125, "4"));
  t.body(160, contentsLine("III.", "General Company Description", 107, "5"));
  t.body(162, contentsLine("IV.", "Products and Services", 123, "6"));
  t.body(164, contentsLine("V.", "Marketing Plan", 135, "7"));
  t.body(166, contentsLine("VI.", "Operational Plan", 130, "15"));
  t.body(168, contentsLine("VII.", "Management and Organization", 105, "18"));
  t.body(170, contentsLine("VIII.", "Personal Financial Statement", 108, "19"));
  t.body(172, contentsLine("IX.", "Startup Expenses and Capitalization", 95, "20"));
  t.body(174, contentsLine("X.", "Financial Plan", 135, "21"));
  t.body(176, contentsLine("XI.", "Appendices", 138, "24"));
  t.body(178, contentsLine("XII.", "Refining the Plan", 128, "25"));
  t.sectionBreak(180);
}

void openingSections(Table& t) {
  t.heading(182, "II.", "Executive Summary");
  t.body(184, "Write this section last.");
  t.body(186, "We suggest that you make it two pages or fewer.");
  t.body(188, "Include everything that you would cover in a five-minute interview.");
  t.bodyGiven(190, "Explain the fundamentals of the proposed business:", 198);
  t.body(192, "Make it enthusiastic, professional, complete, and concise.");
  t.bodyGiven(194, "If applying for a loan, state clearly how", 182);
  t.sectionBreak(196);

  t.heading(198, "III.", "General Company Description");
  t.body(200, "What business will you be in? What will you do?");
  t.bodyGiven(202, "Mission Statement: Many companies have a brief mission", 258);
  t.bodyGiven(204, "Company Goals and Objectives: Goals are destinations-where you", 394);
  t.body(206, "Business Philosophy: What is important to you in business?");
  t.bodyGiven(208, "To whom will you market your products? (State", 133);
  t.bodyGiven(210, "Describe your industry.  Is it a growth", 179);
  t.bodyGiven(212, "Describe your most important company strengths and core", 268);
  t.bodyGiven(214, "Legal form of ownership: Sole proprietor, Partnership, Corporation,", 138);
  t.sectionBreak(216);

  t.heading(218, "IV.", "Products and Services");
  t.bodyGiven(220, "Describe in depth your products or services (technical", 149);
  t.bodyGiven(222, "What factors will give you competitive advantages or", 136);
  t.body(224, "What are the pricing, fee, or leasing structures of your products or services?");
  t.sectionBreak(226);

  t.heading(228, "V.", "Marketing Plan");
  t.sub(230, "Market research - Why?");
  t.bodyGiven(232, "No matter how good your product and your", 438);
  t.sub(234, "Market research - How?");
  t.body(236, "There are two kinds of market research: primary and secondary.");
  t.bodyGiven(238, "Secondary research means using published information such as", 331);
  t.bodyGiven(240, "Start with your local library. Most librarians are", 359);
  t.bodyGiven(242, "Primary research means gathering your own data. For", 392);
  t.bodyGiven(244, "In your marketing plan, be as specific as", 177);
  t.sub(246, "Economics");
  t.body(248, "Facts about your industry:");
  // A paragraph mark ends that line before the first question.
  t.item(376, "What is the total size of your market?");
  t.itemGiven(380, "What percent share of the market will", 127);
  t.item(384, "Current demand in target market.");
  t.itemGiven(388, "Trends in target market-growth trends, trends in", 105);
  t.item(392, "Growth potential and opportunity for a business of your size.");
  t.itemGiven(396, "What barriers to entry do you face", 108);
  long n = 406;
  for (const char* barrier : {"High capital costs", "High production costs", "High marketing costs",
                              "Consumer acceptance and brand recognition", "Training and skills",
                              "Unique technology and patents", "Unions", "Shipping costs",
                              "Tariff barriers and quotas"}) {
    t.item(n, barrier);
    n += 4;
  }
  t.item(446, "And of course, how will you overcome the barriers?");
  t.item(460, "How could the following affect your company?");
  t.item(478, "Change in technology");
  t.item(482, "Change in government regulations");
  t.item(486, "Change in the economy");
  t.item(490, "Change in your industry");
}

void marketingPlan(Table& t) {
  // The list's last empty paragraph, then the heading's own two breaks.
  t.sub(500, "Product", 1 + 2);
  t.bodyGiven(502, "In the Products and Services section, you described", 149);
  t.minor(504, "Features and Benefits");
  t.body(506, "List all of your major products or services.");
  t.body(508, "For each product or service:");
  t.item(514, "Describe the most important features. What is special about it?");
  t.item(518, "Describe the benefits. That is, what will the product do for the customer?");
  t.bodyGiven(528, "Note the difference between features and benefits, and", 406, 1 + 1);
  t.bodyGiven(530, "What after-sale services will you give? Some examples", 135);

  t.sub(532, "Customers");
  t.bodyGiven(534, "Identify your targeted customers, their characteristics, and", 127);
  t.bodyGiven(536, "The description will be completely different depending on", 332);
  t.bodyGiven(538, "You may have more than one customer group.", 158);
  long n = 544;
  for (const char* factor :
       {"Age", "Gender", "Isolation Level", "Social class and occupation", "Education",
        "Other (specific to your industry)", "Other (specific to your industry)"}) {
    t.item(n, factor);
    n += 4;
  }
  t.item(576, "For business customers, the demographic factors might be:");
  n = 582;
  for (const char* factor :
       {"Industry (or portion of an industry)", "Location", "Size of firm",
        "Quality, technology, and price preferences", "Other (specific to your industry)",
        "Other (specific to your industry)"}) {
    t.item(n, factor);
    n += 4;
  }

  t.sub(610, "Competition", 1 + 2);
  t.body(612, "What products and companies will compete with you?");
  t.body(614, "List your major competitors:");
  t.body(616, "(Names and addresses)");
  t.bodyGiven(618, "Will they compete with you across the", 118);
  t.bodyGiven(620, "Will you have important indirect competitors? (For example,", 152);
  t.body(622, "How will your products or services compare with the competition?");
  t.bodyGiven(624, "Use the Competitive Analysis table below to compare", 249);
  t.bodyGiven(626, "In the column labeled Me, state how you", 572);
  t.bodyGiven(628, "Now analyze each major competitor. In a", 84);
  t.bodyGiven(630, "In the final column, estimate the importance", 127);
  t.entries.back().contains = QStringLiteral("  1");  // two spaces before the 1
  t.minor(632, "Table 1:  Competitive Analysis");
  n = 662;
  for (const char* heading : {"FACTOR", "Me", "Strength", "Weakness", "Competitor A",
                              "Competitor B", "Importance to customer", "Products"}) {
    t.cell(n, heading);
    n += 4;
  }
  n = 712;
  for (const char* factor :
       {"Price", "Quantity", "Selection", "Service", "Reliability", "Stability", "Expertise",
        "Company Reputation", "Location", "Appearance", "Sales Method", "Credit Policies",
        "Advertising", "Image"}) {
    t.cell(n, factor);
    n += 4;
  }
  t.bodyGiven(768, "Now, write a short paragraph stating your", 83);

  t.sub(770, "Niche");
  t.bodyGiven(772, "Now that you have systematically analyzed your industry,", 182, 1);
  t.body(774, "In one short paragraph, define your niche, your unique corner of the market.");
  t.sub(776, "Strategy");
  t.body(778, "Now outline a marketing strategy that is consistent with your niche.", 1);
  t.minor(780, "Promotions");
  t.body(782, "How will you get the word out to customers?", 1);
  t.body(784, "Advertising: What media, why, and how often? Why this mix and not some other?");
  t.bodyGiven(786, "Have you identified low-cost methods to get", 84);
  t.bodyGiven(788, "Will you use methods other than paid advertising,", 184);
  t.body(790, "What image do you want to project? How do you want customers to see you?");
  t.bodyGiven(792, "In addition to advertising, what plans do you", 225);
  t.bodyGiven(794, "Should you have a system to identify", 91);
  t.minor(796, "Promotional Budget");
  t.body(798, "How much will you spend on the items listed above?", 1);
  t.body(800, "Before startup? (These numbers will go into your startup budget.)");
  t.body(802, "Ongoing? (These numbers will go into your operating plan budget.)");
  t.minor(804, "Pricing");
  t.bodyGiven(806, "Explain your method or methods of setting prices.", 352, 1);
  t.bodyGiven(808, "Does your pricing strategy fit with what", 83);
  t.bodyGiven(810, "Compare your prices with those of the", 89);
  t.bodyGiven(812, "How important is price as a competitive", 128);
  t.body(814, "What will be your customer service and credit policies?");
  t.minor(816, "Proposed Location");
  t.bodyGiven(818, "Probably you do not have a precise location", 183, 1);
  t.bodyGiven(820, "You will describe your physical needs later, in", 150);
  t.body(822, "Is your location important to your customers? If yes, how?");
  t.body(824, "If customers come to your place of business:");
  t.body(826, "Is it convenient? Parking? Interior spaces? Not out of the way?");
  t.body(828, "Is it consistent with your image?");
  t.body(830, "Is it what customers want and expect?");
  t.bodyGiven(832, "Where is the competition located? Is it better", 157);
  t.minor(834, "Distribution Channels");
  t.body(836, "How do you sell your products or services?", 1);
  t.body(838, "Retail");
  t.body(840, "Direct (mail order, Web, catalog)");
  t.body(842, "Wholesale");
  t.body(844, "Your own sales force");
  t.body(846, "Agents");
  t.body(848, "Independent representatives");
  t.body(850, "Bid on contracts");
  t.sectionBreak(852);

  t.sub(854, "Sales Forecast");
  t.bodyGiven(856, "Now that you have described your products, services,", 388, 1);
  t.bodyGiven(858, "You may want to do two forecasts: 1)", 181);
  t.bodyGiven(860, "Remember to keep notes on your research and", 206);
  t.sectionBreak(862);
}

}  // namespace

std::vector<Text> planText(const Business& business) {
  Table t;
  titlePages(t, business);
  openingSections(t);
  marketingPlan(t);
  return t.entries;
}

}  // namespace expected
