#include "ui/charts/PrintProfiles.h"

#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <array>
#include <exception>

#include "engine/charts/PrintedPage.h"
#include "platform/ChartColors.h"
#include "platform/ChartFX.h"
#include "platform/MessageBox.h"
#include "platform/Printer.h"
#include "platform/Text.h"

namespace strelvan {

namespace {

// Where the texts of a header item end when it stands at x: the second one at the print
// zone after the first.
double ItemEnd(platform::Printer& printer, const QStringList& texts, double x) {
    const double zone = printer.PrintZoneWidth();
    double end = x;
    for (qsizetype k = 0; k < texts.size(); ++k)
        end = (k > 0 ? NextPrintZone(end, zone) : end) + printer.TextWidth(texts[k]);
    return end;
}

// The texts of an item at x shortened to end by x + room: the last text first (to what is
// left after its print zone), the first one only when the others leave it no room.
QStringList FitItem(platform::Printer& printer, QStringList texts, double x, double room) {
    const double limit = x + room;
    if (ItemEnd(printer, texts, x) <= limit)
        return texts;
    while (texts.size() > 1) {
        const double start = NextPrintZone(ItemEnd(printer, texts.mid(0, texts.size() - 1), x),
                                           printer.PrintZoneWidth());
        if (limit - start > printer.TextWidth(QStringLiteral("..."))) {
            texts.back() = printer.FittedText(texts.back(), limit - start);
            return texts;
        }
        texts.removeLast();
    }
    texts.front() = printer.FittedText(texts.front(), room);
    return texts;
}

// The height of a header row: its texts in either weight.
double RowHeight(platform::Printer& printer) {
    printer.FontBold(true);
    const double bold = printer.TextHeight();
    printer.FontBold(false);
    return std::max(bold, printer.TextHeight());
}

void PrintHeader(platform::Printer& printer, const ProjectInfo& project, const PageGeometry& page) {
    printer.FontSize(kHeaderFontSize);
    const HeaderLayout header = HeaderLayoutOf(page, RowHeight(printer));
    const HeaderFrame& frame = header.frame;
    printer.Box(frame.left, frame.top, frame.right, frame.bottom, platform::kChartBlack);
    const std::vector<HeaderItem> items = HeaderItems(project, page, header);
    std::vector<QStringList> texts;
    for (const HeaderItem& item : items) {
        texts.emplace_back();
        for (const std::string& t : item.texts)
            texts.back() << Q(t);
    }
    // Each row's items where they fit, within the room of a row (the same at any printer
    // resolution).
    std::vector<RowSlot> placed(items.size());
    const RowBounds bounds = HeaderRowBounds(page);
    for (int row = 1; row <= 2; ++row) {
        std::vector<std::size_t> onRow;
        std::vector<RowItem> fit;
        for (std::size_t k = 0; k < items.size(); ++k)
            if (items[k].row == row) {
                printer.FontBold(items[k].bold);
                const QStringList& t = texts[k];
                RowItem item{items[k].x, printer.TextWidth(t.front()), 0};
                // The texts after the first as one: they follow each other at print zones.
                if (t.size() > 1)
                    item.zoned = ItemEnd(printer, t.mid(1), 0);
                onRow.push_back(k);
                fit.push_back(item);
            }
        printer.FontBold(false);
        const double gap = printer.TextWidth(QStringLiteral("   "));
        const std::vector<RowSlot> fitted =
            FitHeaderRow(fit, bounds, gap, printer.PrintZoneWidth());
        for (std::size_t i = 0; i < onRow.size(); ++i)
            placed[onRow[i]] = fitted[i];
    }
    for (std::size_t k = 0; k < items.size(); ++k) {
        printer.FontBold(items[k].bold);
        printer.CurrentX(placed[k].x);
        printer.CurrentY(items[k].y);
        printer.Print(FitItem(printer, texts[k], placed[k].x, placed[k].room));
    }
}

void PrintPage(const ProjectInfo& project, int16_t count,
               std::span<platform::ChartFX* const> charts) {
    platform::Printer& printer = platform::CurrentPrinter();
    printer.Orientation(PageOrientation(count));
    const double pageWidth = printer.Width();
    printer.FontName(QString::fromLatin1(kHeaderFont));
    const float tx = printer.TwipsPerPixelX();
    const float ty = printer.TwipsPerPixelY();
    const PageGeometry page = PageGeometryOf(count, pageWidth, printer.Height(), tx, ty);
    PrintHeader(printer, project, page);
    const std::vector<ChartRect> rects = ChartRects(count, page);
    for (std::size_t k = 0; k < rects.size(); ++k) {
        if (k >= charts.size() || charts[k] == nullptr)
            throw platform::PrinterError(
                QStringLiteral("Chart %1 of the %2 to print is missing.").arg(k + 1).arg(count));
        const ChartRect& r = rects[k];
        printer.PrintChart(*charts[k], r.left, r.top, r.right, r.bottom, 1, 0);
    }
    printer.EndDoc();
}

// Prints the page, or tells the failure: nothing half printed goes out, and the next page
// starts clean.
void PrintOrTell(const ProjectInfo& project, int16_t count,
                 std::span<platform::ChartFX* const> charts) {
    try {
        PrintPage(project, count, charts);
    } catch (const std::exception& e) {
        platform::CurrentPrinter().KillDoc();
        QWidget* parent =
            !charts.empty() && charts[0] != nullptr && count >= 1 ? charts[0]->window() : nullptr;
        platform::ShowMessage(Message{e.what(), "", MsgIcon::Critical, MsgButtons::Ok}, parent);
    }
}
} // namespace

void PrintChartRow(const ProjectInfo& project, std::span<platform::ChartFX* const> charts) {
    const auto count = static_cast<int16_t>(std::min<std::size_t>(charts.size(), INT16_MAX));
    PrintOrTell(project, count, charts);
}

void PrintProfiles(const ProjectInfo& project, int16_t count, platform::ChartFX* chart1,
                   platform::ChartFX* chart2, platform::ChartFX* chart3, platform::ChartFX* chart4,
                   platform::ChartFX* chart5) {
    const std::array<platform::ChartFX*, kMaxPageCharts> charts = {chart1, chart2, chart3, chart4,
                                                                   chart5};
    PrintOrTell(project, count, charts);
}

} // namespace strelvan
