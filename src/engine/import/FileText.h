#pragma once
// The characters of a cone data file for the windows that show its text (the file view and
// the comments of the project form). Files are plain ASCII in the main; title lines may
// carry characters such as "°" or "²", written in UTF-8 or in the Windows code page.
#include <string>
#include <string_view>

namespace strelvan {

// The bytes of a file as UTF-8 text: unchanged when they are UTF-8, otherwise read one
// character per byte in the Windows code page (1252, a superset of Latin-1). A character
// cut in two at the very end (a part of a longer file) is left out.
std::string FileTextAsUtf8(std::string_view bytes);

} // namespace strelvan
