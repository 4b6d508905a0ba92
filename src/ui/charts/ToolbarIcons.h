#pragma once
// The icons of the profile and result windows' toolbars, drawn in code.
#include <QIcon>

namespace strelvan {

enum class ToolIcon { Back, DepthElevation, Zoom, Print, Export, Exit, Next };

QIcon ToolbarIcon(ToolIcon which);

} // namespace strelvan
