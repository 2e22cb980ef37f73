// The plan's sections, each as the recipe that types it, in document order.
#pragma once

#include "generator/Recipe.h"

namespace generator {

// Introduction page, cover page with the business details, table of contents (116-180).
Recipe titleAndContents();
// Sections II to IV and section V up to "Economics", list templates included (182-498).
Recipe openingSections();
// The rest of section V, from "Product" to the sales forecast (500-862).
Recipe marketingPlan();
// Section VI (864-1248).
Recipe operationalPlan();
// Sections VII to IX (1250-1308).
Recipe managementAndFinances();
// Sections X and XI (1310-1452).
Recipe financialPlanAndAppendices();
// Section XII (1454-1754).
Recipe refiningThePlan();

}  // namespace generator
