#include "engine/import/EntryMessages.h"

namespace strelvan {

namespace {
const char* const kDataEntryTitle = " Data Entry Message";
}

Message MissingEntryMessage() {
    return {" Missing Data Entry .. Please Enter ", "", MsgIcon::Critical};
}

Message DataEntryErrorMessage(const std::string& boxName) {
    return {" Data Entry Error in '" + boxName + "'.. Please ReEnter ", kDataEntryTitle,
            MsgIcon::Critical};
}

Message DataTooLargeMessage() {
    return {" Data in File too large to convert to ft-tsf .. Please Check the Data File ",
            kDataEntryTitle, MsgIcon::Critical};
}

} // namespace strelvan
