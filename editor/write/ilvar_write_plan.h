#pragma once

#include "write/write_plan.h"

namespace lavrix {

// The blocks of the ILVAR AT/USB keyboard (model 17), page by page through its key map, with
// the pauses it needs and the two early ends of page 0.
void PlanIlvarBlocks(WritePlan& plan);

}  // namespace lavrix
