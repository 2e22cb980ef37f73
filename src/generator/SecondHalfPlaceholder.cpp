// Sections VI to XII until their own units land: empty recipes.
#include "generator/Sections.h"

namespace generator {

Recipe operationalPlan() { return {}; }
Recipe managementAndFinances() { return {}; }
Recipe financialPlanAndAppendices() { return {}; }
Recipe refiningThePlan() { return {}; }

}  // namespace generator
