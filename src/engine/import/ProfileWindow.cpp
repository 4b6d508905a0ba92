#include "engine/import/ProfileWindow.h"

namespace strelvan {

const char* ProfileWindowName(const ConeData& cone) {
    const int poreColumns = (cone.PoreType1 != 0 ? 1 : 0) + (cone.PoreType2 != 0 ? 1 : 0);
    switch (poreColumns) {
    case 0:
        return "Frm_CPTData3";
    case 1:
        return "Frm_CPTData4";
    default:
        return "Frm_CPTData5";
    }
}

} // namespace strelvan
