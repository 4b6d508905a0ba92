#pragma once
// What the probabilistic and fuzzy result windows tell the user about grid layers that their
// classifier could not grade, because qc and the friction ratio give no soil classification
// index there. Such layers are shown with 0 in every curve; the user must know that these
// zeros are no estimate.
#include <optional>

#include "engine/state/Message.h"

namespace strelvan {

enum class IndexGrades { Probabilities, Memberships };

// The message for `count` layers without an index; none when count is 0 or less.
std::optional<Message> UnclassifiedLayersMessage(int count, IndexGrades grades);

} // namespace strelvan
