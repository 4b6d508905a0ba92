#pragma once
// The printed page of a window with charts: a framed two-line header with the project
// particulars of the sounding (project number, title, date, parish, CPT number, station,
// offset and ground elevation) and below it the charts side by side in equal columns, each
// drawn by the chart control itself. One or two charts print in portrait, three to five in
// landscape. The page goes to the default printer of the moment (the printer choice,
// Frm_Export, changes it).
//
// The header items stand at the places of the page layout (PrintedPage.h), both rows whole
// inside the frame and above the charts on printers of up to 1200 dots per inch. Where a
// text would run into the next item on its row (a portrait page is too narrow for the
// second row, a title may be long), the items move just enough to stand clear of each other
// within the frame, and a text that cannot fit even so is shortened with an ellipsis: no
// value is ever printed over another. Texts are measured in twips, so a page comes out with
// the same texts, whole or shortened alike, on a printer of any resolution.
//
// Every window prints the charts it shows, in display order, from the "Print" key of its
// toolbar (through its chart row, ChartRow::Print). PrintProfiles takes them as the count and
// five chart references: only the first `count` charts are printed; the others are not
// looked at and may be anything (nullptr, or charts the window does not show). A count
// outside 1 to 5 prints the header alone; so does PrintChartRow given more than five charts.
//
// A failure (no printer, a printer that cannot start or take the page, a chart missing
// among the first `count`) stops the printing, throws the unfinished page away and shows
// the failure's own description in a message box with the critical icon and the
// program's title; the call then returns as usual.
#include <cstdint>
#include <span>

#include "engine/state/Declarations.h"

namespace strelvan {

namespace platform {
class ChartFX;
}

void PrintChartRow(const ProjectInfo& project, std::span<platform::ChartFX* const> charts);
void PrintProfiles(const ProjectInfo& project, int16_t count, platform::ChartFX* chart1,
                   platform::ChartFX* chart2, platform::ChartFX* chart3, platform::ChartFX* chart4,
                   platform::ChartFX* chart5);

} // namespace strelvan
