#pragma once
// The profile window that shows a sounding once its project information is confirmed,
// chosen by the kinds of its pore-pressure columns.
#include "engine/state/Declarations.h"

namespace strelvan {

// "Frm_CPTData3" without pore-pressure columns, "Frm_CPTData4" with one of the two kinds
// set, "Frm_CPTData5" with both set.
const char* ProfileWindowName(const ConeData& cone);

} // namespace strelvan
