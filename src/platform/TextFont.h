#pragma once
// The program's text font. Every page, chart and window is laid out in Arial's measures
// (header rows and print zones in twips, label boxes in pixels), so the font that draws a
// text asked for as "Arial" must have Arial's metrics on every machine. Left to the system,
// "Arial" is whatever the font configuration offers (DejaVu Sans, ghostscript's Nimbus Sans
// with other heights), which moves and cuts the texts of a printed page. Liberation Sans
// (Debian's fonts-liberation2, installed by scripts/setup) is made with Arial's metrics.
#include <QString>

namespace strelvan::platform {

// The name the program gives its texts' font.
inline constexpr const char* kTextFontName = "Arial";

// The installed family that draws the text font: Arial itself, or a family made with its
// metrics; empty when the machine has none of them.
QString TextFontFamily();

// Draws every text asked for in the text font (windows, charts, annotations, the printed
// page) with the family TextFontFamily names, and makes it the windows' own font too.
// Called once, right after the application object is made. Where no such family is
// installed, says so on the error output and leaves the system's choice for "Arial";
// returns whether the family was found.
bool UseTextFont();

} // namespace strelvan::platform
