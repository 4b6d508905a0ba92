#pragma once
// The messages of the data entry windows (project form, cone factors).
#include <string>

#include "engine/state/Message.h"

namespace strelvan {

// A box left empty that must be filled.
Message MissingEntryMessage();
// A box whose text is not a number the program can hold; names the box by its label.
Message DataEntryErrorMessage(const std::string& boxName);
// Readings of the file that would leave the range of the program's numbers once converted
// to ft and ton/ft2.
Message DataTooLargeMessage();

} // namespace strelvan
