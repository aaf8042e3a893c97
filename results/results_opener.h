#pragma once
// Opening the results screen with an activity's result, as the quiz and the boards do when they are marked.

#include "activity_result.h"

namespace bt {

struct Context;

// Opens the results screen over the screen on top. While it is open, opening it again only brings it to
// the front as it is.
void openResults(Context& context, const ActivityResult& result);

}  // namespace bt
