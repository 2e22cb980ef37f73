// The run's finish until the preview lands: nothing is saved; both references are let go.
#include "generator/Finish.h"

namespace generator {

void FinishRun(shell::Guard& /*g*/, word::Ref<word::Application>& app,
               word::Ref<word::Document>& plan) {
  plan.release();
  app.release();
}

}  // namespace generator
