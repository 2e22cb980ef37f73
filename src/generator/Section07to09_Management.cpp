// Sections VII "Management and Organization", VIII "Personal Financial Statement" and IX
// "Startup Expenses and Capitalization", each on a page of its own.
#include "generator/Sections.h"

namespace generator {

Recipe managementAndFinances() {
  return join({
      SectionBreak(1250),
      SectionHeading(1252, "VII.", "Management and Organization"),
      Body(1254,
           "Who will manage the business on a day-to-day basis? What background and track "
           "record does each manager have, and which of their skills stand out? If a key person "
           "fell ill or left, who would step in, and how would the business keep running?"),
      Body(1256,
           "If you'll have more than 10 employees, create an organization chart that shows the "
           "lines of authority and who is in charge of each area of work."),
      Body(1258,
           "Include position descriptions for key employees. If you will ask for a loan or "
           "outside money, add a concise resume for each manager."),
      SubHeading(1260, "Professional and Advisory Support"),
      Body1(1262, "List the following:"),
      ListBlock(1264, {"Board of directors", "Management advisory board", "Attorney", "Accountant",
                       "Insurance agent", "Banker", "Consultant or consultants",
                       "Mentors and key advisors"}),

      SectionBreak(1292),
      SectionHeading(1294, "VIII.", "Personal Financial Statement"),
      Body(1296,
           "Include personal financial statements for each owner and major stockholder, setting "
           "out what each holds outside the firm (savings, home, shares, other property) and what "
           "each owes (mortgage, loans, cards), and so the personal net worth. Owners often have "
           "to fall back on such means to fund a young firm, and lenders will want to see that "
           "too."),

      SectionBreak(1298),
      SectionHeading(1300, "IX.", "Startup Expenses and Capitalization"),
      Body(1302,
           "You will have many expenses before you even take your first order: deposits and "
           "fees, equipment and fittings, opening stock, licences, early marketing and wages paid "
           "while you set up. List and price each one with care, total them, and then plan where "
           "the capital will come from. Each cost missed now will have to be found later, in "
           "haste."),
      Body(1304,
           "Even with the best of research, however, opening a new business will bring costs "
           "that you did not foresee. There are two ways to leave room for such surprises. The "
           "first is to add a margin of safety to every item in your startup budget, raising "
           "each estimate a little above what you expect to pay. The second, which we recommend, "
           "is to keep the estimates as they are and add a separate line called contingencies at "
           "the end of the budget, so the reserve is plain to see and easy to judge."),
      Body(1306,
           "Talk to others who have started similar businesses about what caught them out and "
           "how much spare cash they wished they'd held back then. Lacking better advice, plan "
           "for contingencies equal to at least 20 percent of the total of every other startup "
           "expense in your budget."),
      Body(1308,
           "Explain your research and how you arrived at each startup figure, naming your "
           "sources. Give the amount and terms of any loans you plan to take, and, for each "
           "investor, the sum he or she will put in and the percent of ownership it earns."),
  });
}

}  // namespace generator
