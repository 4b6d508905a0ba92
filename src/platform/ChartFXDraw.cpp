// The chart control: drawing what the chart holds as Qt Charts series and axes.
#include <QAreaSeries>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "engine/charts/AxisScale.h"
#include "platform/ChartFX.h"

namespace strelvan::platform {

QFont ChartFont(int points, bool bold, const QString& family) {
    QFont f(family);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 4.0 / 3.0))));
    f.setBold(bold);
    return f;
}

namespace {
// The chart's top margin, and the width of the chart that its title may not use.
constexpr int kTopMargin = 4;
constexpr double kTitleRoomLost = 16;
// The fewest labelled ticks an axis shows.
constexpr int kMinLabels = 3;

// Colours of series 0, 1, 2, ...; the first is the chart's own colour.
QColor SeriesColor(int s) {
    static const QColor palette[] = {QColor(0, 0, 170),   QColor(0, 128, 0),   QColor(200, 0, 0),
                                     QColor(128, 0, 128), QColor(0, 128, 128), QColor(160, 100, 0)};
    return palette[static_cast<std::size_t>(s) % (sizeof palette / sizeof palette[0])];
}

// Takes the series off the chart and deletes them.
template <class Series> void RemoveSeries(QChart& chart, std::vector<Series*>& series) {
    for (Series* s : series) {
        chart.removeSeries(s);
        delete s;
    }
    series.clear();
}
} // namespace

void ChartFX::ApplyAxes() {
    const ChartScale h = data_.HorizontalScale();
    const ChartScale v = data_.VerticalScale();
    const ChartAxisState& ha = data_.Axis(data_.HorizontalItem());
    const ChartAxisState& va = data_.Axis(data_.VerticalItem());
    const bool strip = data_.Look() == ChartLook::LayerStrip;
    struct Target {
        QValueAxis* axis;
        const ChartScale& scale;
        const ChartAxisState& state;
        bool labels;
        bool horizontal;
    };
    for (const Target& t :
         {Target{hAxis_, h, ha, !strip, true}, Target{vAxis_, v, va, true, false}}) {
        // As many ticks as there is room for labels along the axis.
        const QFontMetricsF metrics(ChartFont(t.state.fontSize));
        const double room = t.horizontal ? std::max(60, width() - 70) : std::max(60, height() - 90);
        // The labels stand at multiples of the step: the widest is that of an end, rounded
        // to the step, or of the step itself.
        const auto advance = [&](double v) {
            return metrics.horizontalAdvance(QString::asprintf("%g", v));
        };
        const double label = t.horizontal
                                 ? std::max({advance(RoundUpTo(t.scale.lo, t.scale.step)),
                                             advance(RoundDownTo(t.scale.hi, t.scale.step)),
                                             advance(t.scale.step)}) +
                                       12
                                 : metrics.height() * 2;
        const int fit = std::max(2, static_cast<int>(room / label));
        // Never fewer than three labelled ticks: a zoomed range may be cut short of the step
        // given for the whole range.
        const double interval = RefineStep(FitStep(t.scale.step, t.scale.hi - t.scale.lo, fit),
                                           t.scale.lo, t.scale.hi, kMinLabels);
        // The axis lays its ticks out on each change. A finer step goes in after the range
        // and a coarser one before it, so that the fine step of a narrow zoom never meets the
        // whole range (thousands of ticks, seconds of work).
        const bool finer = interval < t.axis->tickInterval();
        if (!finer)
            t.axis->setTickInterval(interval);
        t.axis->setRange(t.scale.lo, t.scale.hi);
        if (finer)
            t.axis->setTickInterval(interval);
        t.axis->setReverse(t.scale.reversed);
        t.axis->setTickAnchor(0);
        t.axis->setTickType(QValueAxis::TicksDynamic);
        t.axis->setMinorTickCount(0);
        t.axis->setLabelFormat(QStringLiteral("%g"));
        t.axis->setLabelsFont(ChartFont(t.state.fontSize));
        // The strip's value labels are not shown, but they keep their room, so that its plot
        // starts at the height of the plots beside it and its layers line up with theirs.
        t.axis->setLabelsVisible(true);
        t.axis->setLabelsColor(t.labels ? labelColor_ : QColor(Qt::transparent));
        t.axis->setGridLineVisible(t.labels);
        t.axis->setGridLinePen(QPen(QColor(215, 215, 215), 1));
        t.axis->setTitleText(t.state.title);
        t.axis->setTitleFont(ChartFont(t.state.fontSize, true));
    }
    layoutDirty_ = true;
    if (annotationLayer_ != nullptr)
        RepaintAnnotations();
}

void ChartFX::ApplyTitle() {
    // A title wider than the chart is set in a smaller type, down to 6 points, rather than cut
    // short; the top margin takes up the height the smaller type saves, so that the plot stays
    // level with the plots of the charts beside it.
    const QString text = data_.TitleText(2);
    const QFont full = ChartFont(9, true);
    QFont font = full;
    const double room = width() - kTitleRoomLost;
    for (int points = 8; points >= 6 && QFontMetricsF(font).horizontalAdvance(text) > room;
         --points)
        font = ChartFont(points, true);
    QMargins margins = chart_->margins();
    margins.setTop(kTopMargin + static_cast<int>(std::lround(QFontMetricsF(full).height() -
                                                             QFontMetricsF(font).height())));
    chart_->setMargins(margins);
    chart_->setTitle(text);
    chart_->setTitleFont(font);
    chart_->setTitleBrush(ChartColor(data_.TitleColor(2)));
    layoutDirty_ = true;
}

void ChartFX::ApplyLegend() {
    QLegend* legend = chart_->legend();
    legend->setVisible(data_.LegendShown());
    // Beside the plot, so that the plot keeps the height of the charts beside it and their
    // depths stay level.
    legend->setAlignment(Qt::AlignRight);
    legend->setFont(ChartFont(8));
    for (std::size_t s = 0; s < lines_.size(); ++s)
        lines_[s]->setName(data_.SeriesLegend(static_cast<int>(s)));
    for (QLegendMarker* m : legend->markers())
        m->setVisible(qobject_cast<QLineSeries*>(m->series()) != nullptr);
    layoutDirty_ = true;
}

void ChartFX::CommitData() {
    if (!dataDirty_)
        return;
    dataDirty_ = false;
    if (data_.BarLook())
        CommitBars();
    else
        CommitLines();
    ApplyLegend();
    ApplyAxes();
}

void ChartFX::CommitLines() {
    RemoveSeries(*chart_, areas_);
    const int seriesCount = data_.SeriesCount();
    const int pointCount = data_.PointCount();
    while (static_cast<int>(lines_.size()) > seriesCount) {
        chart_->removeSeries(lines_.back());
        delete lines_.back();
        lines_.pop_back();
    }
    while (static_cast<int>(lines_.size()) < seriesCount) {
        auto* line = new QLineSeries();
        chart_->addSeries(line);
        line->attachAxis(hAxis_);
        line->attachAxis(vAxis_);
        lines_.push_back(line);
    }
    const double width = std::clamp<int>(data_.ChartSetting16().value_or(1), 1, 10);
    const bool profile = data_.Look() == ChartLook::Profile;
    for (int s = 0; s < seriesCount; ++s) {
        QList<QPointF> points;
        points.reserve(pointCount);
        for (int p = 0; p < pointCount; ++p) {
            const auto v = data_.PointValue(s, p);
            const double x = data_.XPosition(s, p);
            if (!v || std::isnan(x))
                continue;
            points.append(profile ? QPointF(x, *v) : QPointF(*v, x));
        }
        QLineSeries* line = lines_[static_cast<std::size_t>(s)];
        // A profile takes the colour of its title; curves take the series colours.
        const QColor color = profile && s == 0 && data_.HasTitleColor(2)
                                 ? ChartColor(data_.TitleColor(2))
                                 : SeriesColor(s);
        QPen pen(color, width);
        pen.setCapStyle(Qt::FlatCap); // bevel joins stroke thousands of points fast
        pen.setJoinStyle(Qt::BevelJoin);
        line->setPen(pen);
        line->replace(points);
    }
}

void ChartFX::CommitBars() {
    RemoveSeries(*chart_, lines_);
    RemoveSeries(*chart_, areas_);
    const int n = data_.PointCount();
    if (data_.SeriesCount() == 0 || n == 0)
        return;
    std::vector<double> pos(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        pos[static_cast<std::size_t>(i)] = data_.XPosition(0, i);
    // Each bar reaches half way to its neighbours along the depth.
    struct Bar {
        double from, to, length;
        int32_t color;
    };
    constexpr int32_t kOwnColor = -1;
    std::vector<Bar> bars;
    bars.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double d = pos[static_cast<std::size_t>(i)];
        const auto v = data_.PointValue(0, i);
        if (std::isnan(d) || !v)
            continue;
        const bool hasNext = i + 1 < n && !std::isnan(pos[static_cast<std::size_t>(i) + 1]);
        const bool hasPrev = i > 0 && !std::isnan(pos[static_cast<std::size_t>(i) - 1]);
        double up = hasNext ? (pos[static_cast<std::size_t>(i) + 1] - d) / 2 : 0;
        double down = hasPrev ? (d - pos[static_cast<std::size_t>(i) - 1]) / 2 : 0;
        if (!hasNext)
            up = hasPrev ? down : 0.5;
        if (!hasPrev)
            down = up;
        bars.push_back({d - down, d + up, *v, data_.PointColor(i).value_or(kOwnColor)});
    }
    if (bars.empty())
        return;
    std::vector<int32_t> colors;
    for (const Bar& b : bars)
        if (std::find(colors.begin(), colors.end(), b.color) == colors.end())
            colors.push_back(b.color);
    // One filled outline per colour: a staircase along the depth that reaches out to the
    // length of each bar of that colour and stays at 0 elsewhere.
    for (int32_t color : colors) {
        auto* upper = new QLineSeries();
        auto* lower = new QLineSeries();
        QList<QPointF> outline;
        outline.reserve(static_cast<qsizetype>(bars.size() * 2));
        for (const Bar& b : bars) {
            const double length = b.color == color ? b.length : 0.0;
            outline.append(QPointF(length, b.from));
            outline.append(QPointF(length, b.to));
        }
        upper->replace(outline);
        lower->append(0, bars.front().from);
        lower->append(0, bars.back().to);
        auto* area = new QAreaSeries(upper, lower);
        upper->setParent(area);
        lower->setParent(area);
        const QColor fill = color == kOwnColor ? SeriesColor(0) : ChartColor(color);
        area->setBrush(fill);
        area->setPen(Qt::NoPen);
        chart_->addSeries(area);
        area->attachAxis(hAxis_);
        area->attachAxis(vAxis_);
        areas_.push_back(area);
    }
}

void ChartFX::SyncLayout() {
    CommitData();
    const QSizeF want = size();
    if (chart_->size() != want) {
        chart_->resize(want);
        setSceneRect(QRectF(QPointF(0, 0), want));
        layoutDirty_ = true;
    }
    if (layoutDirty_) {
        chart_->layout()->invalidate();
        chart_->layout()->activate();
        LabelEveryGridline();
        layoutDirty_ = false;
    }
}

QRectF ChartFX::PlotArea() {
    SyncLayout();
    return chart_->plotArea();
}

double ChartFX::HorizontalPixelIn(double position, const QRectF& plot) const {
    const ChartScale s = data_.HorizontalScale();
    const double v = data_.ScalePosition(data_.HorizontalItem(), position);
    const double t = (v - s.lo) / (s.hi - s.lo);
    return s.reversed ? plot.right() - t * plot.width() : plot.left() + t * plot.width();
}

double ChartFX::VerticalPixelIn(double position, const QRectF& plot) const {
    const ChartScale s = data_.VerticalScale();
    const double v = data_.ScalePosition(data_.VerticalItem(), position);
    const double t = (v - s.lo) / (s.hi - s.lo);
    return s.reversed ? plot.top() + t * plot.height() : plot.bottom() - t * plot.height();
}

double ChartFX::HorizontalPixel(double position) {
    return HorizontalPixelIn(position, PlotArea());
}

double ChartFX::VerticalPixel(double position) {
    return VerticalPixelIn(position, PlotArea());
}

double ChartFX::VerticalValueAt(double y) {
    const QRectF plot = PlotArea();
    const ChartScale s = data_.VerticalScale();
    if (plot.height() <= 0)
        return s.lo;
    const double t =
        s.reversed ? (y - plot.top()) / plot.height() : (plot.bottom() - y) / plot.height();
    return s.lo + t * (s.hi - s.lo);
}

} // namespace strelvan::platform
