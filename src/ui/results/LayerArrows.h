#pragma once
// The pictures of the buttons that move the bottom of a manual layer: an arrow up and an
// arrow down, drawn in code.
#include <QIcon>

namespace strelvan {

QIcon LayerArrow(bool up);

} // namespace strelvan
