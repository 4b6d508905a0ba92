// What a chart holds: its data, titles, settings, legend, zoom state and annotations.
#include "platform/ChartData.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/ChartAnnotation.h"

namespace strelvan::platform {

namespace {
constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

bool InRange(int index, std::size_t size) {
    return index >= 0 && static_cast<std::size_t>(index) < size;
}

int Count(int32_t n, int limit) {
    return std::clamp<int32_t>(n, 0, limit);
}

std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}

std::optional<double> Written(const std::vector<std::vector<double>>& rows, int series, int point) {
    if (!InRange(series, rows.size()) || !InRange(point, rows[At(series)].size()))
        return std::nullopt;
    const double d = rows[At(series)][At(point)];
    return std::isnan(d) ? std::nullopt : std::optional<double>(d);
}
} // namespace

ChartData::ChartData(ChartLook look) : look_(look) {}

ChartData::~ChartData() {
    for (auto& a : annotations_)
        a->chart_ = nullptr;
}

void ChartData::Tell(ChartChange change) {
    if (watcher_ != nullptr)
        watcher_->ChartChanged(change);
}

void ChartData::DataChanged() {
    extents_.valid = false;
    Tell(ChartChange::Data);
}

// ---- Data ----

void ChartData::BeginData(int kind, int32_t count1, int32_t count2) {
    if (kind != kChartValues && kind != kChartXValues && kind != kChartColors)
        return;
    const bool anyOpen = open_[kChartValues] || open_[kChartXValues] || open_[kChartColors];
    if (!anyOpen) { // a new drawing
        values_.clear();
        xValues_.clear();
        colors_.clear();
        pointCount_ = 0;
        hasX_ = false;
    }
    open_[At(kind)] = true;
    if (kind == kChartColors) {
        colors_.assign(At(Count(count1, kMaxChartPoints)), std::nullopt);
    } else {
        auto& target = kind == kChartValues ? values_ : xValues_;
        const int series = Count(count1, kMaxChartSeries);
        const int points = Count(count2, kMaxChartPoints);
        target.assign(At(series), std::vector<double>(At(points), kNoValue));
        if (kind == kChartValues) {
            pointCount_ = points;
            legends_.resize(At(series));
        } else {
            hasX_ = true;
        }
    }
    DataChanged();
}

void ChartData::EndData(int kind) {
    if (!DataOpen(kind))
        return;
    open_[At(kind)] = false;
    Tell(ChartChange::Closed);
}

bool ChartData::DataOpen(int kind) const {
    return InRange(kind, open_.size()) && open_[At(kind)];
}

void ChartData::PointValue(int series, int point, double value) {
    if (!InRange(series, values_.size()) || !InRange(point, values_[At(series)].size()))
        return;
    values_[At(series)][At(point)] = value;
    DataChanged();
}

void ChartData::PointXValue(int series, int point, double value) {
    if (!InRange(series, xValues_.size()) || !InRange(point, xValues_[At(series)].size()))
        return;
    xValues_[At(series)][At(point)] = value;
    DataChanged();
}

std::optional<double> ChartData::PointValue(int series, int point) const {
    return Written(values_, series, point);
}

std::optional<double> ChartData::PointXValue(int series, int point) const {
    return Written(xValues_, series, point);
}

void ChartData::SeriesLegend(int series, const QString& text) {
    if (series < 0)
        return;
    if (At(series) >= legends_.size())
        legends_.resize(At(series) + 1);
    legends_[At(series)] = text;
    Tell(ChartChange::Legend);
}

QString ChartData::SeriesLegend(int series) const {
    return InRange(series, legends_.size()) ? legends_[At(series)] : QString();
}

void ChartData::PointColor(int point, int32_t bgr) {
    if (!InRange(point, colors_.size()))
        return;
    colors_[At(point)] = bgr;
    DataChanged();
}

std::optional<int32_t> ChartData::PointColor(int point) const {
    return InRange(point, colors_.size()) ? colors_[At(point)] : std::nullopt;
}

// ---- Titles and settings ----

void ChartData::TitleText(int index, const QString& text) {
    titles_[index] = text;
    Tell(ChartChange::Title);
}

QString ChartData::TitleText(int index) const {
    auto it = titles_.find(index);
    return it == titles_.end() ? QString() : it->second;
}

void ChartData::TitleColor(int index, int32_t bgr) {
    titleColors_[index] = bgr;
    Tell(ChartChange::Title);
}

int32_t ChartData::TitleColor(int index) const {
    auto it = titleColors_.find(index);
    return it == titleColors_.end() ? 0 : it->second;
}

void ChartData::SetSetting(int number, int16_t value) {
    settings_[number] = value;
    if (number == 16)
        Tell(ChartChange::Data); // the line width is drawn with the series
}

std::optional<int16_t> ChartData::Setting(int number) const {
    auto it = settings_.find(number);
    return it == settings_.end() ? std::nullopt : std::optional<int16_t>(it->second);
}

void ChartData::SetOption(int number, bool value) {
    options_[number] = value;
    if (number == 84)
        Tell(ChartChange::Legend);
}

std::optional<bool> ChartData::Option(int number) const {
    auto it = options_.find(number);
    return it == options_.end() ? std::nullopt : std::optional<bool>(it->second);
}

bool ChartData::LegendShown() const {
    if (BarLook())
        return false;
    return Option(84).value_or(look_ == ChartLook::DepthCurves);
}

void ChartData::LegendState(const ChartLegendState& state) {
    if (state.shown)
        options_[84] = *state.shown;
    else
        options_.erase(84);
    legendBox_ = state.box;
    Tell(ChartChange::Legend);
}

// ---- Axes and zoom ----

const ChartAxisState& ChartData::Axis(int item) const {
    return axes_[At(std::clamp(item, 0, kAxisItems - 1))];
}

void ChartData::ChangeAxis(int item, const std::function<void(ChartAxisState&)>& change,
                           bool drawn) {
    if (!InRange(item, axes_.size()))
        return;
    change(axes_[At(item)]);
    if (!drawn)
        return;
    extents_.valid = false; // the ends of the X-value axis place points by index
    Tell(ChartChange::Axes);
}

void ChartData::ZoomActive(bool active) {
    if (active) // only the user's zoom sets it; putting True changes nothing
        return;
    zoomActive_ = false;
    for (auto& a : axes_)
        a.zoom.reset();
    Tell(ChartChange::Axes);
}

void ChartData::ZoomVertical(double a, double b) {
    if (!std::isfinite(a) || !std::isfinite(b) || a == b)
        return;
    axes_[At(VerticalItem())].zoom = std::make_pair(std::min(a, b), std::max(a, b));
    // A cut of the values that an earlier Zoom All fitted to another range would hide the
    // values of this one: the values are shown whole again.
    axes_[At(HorizontalItem())].zoom.reset();
    zoomActive_ = true;
    Tell(ChartChange::Axes);
}

// ---- Annotations ----

void ChartData::AttachAnnotation(const std::shared_ptr<ChartAnnotation>& annotation) {
    if (!annotation || annotation->chart_ == this)
        return;
    if (annotation->chart_ != nullptr)
        annotation->chart_->DetachAnnotation(annotation.get());
    annotations_.push_back(annotation);
    annotation->chart_ = this;
    // Places given in pixels before the list came here are places in this chart.
    for (int i = 0; watcher_ != nullptr && i < annotation->Count(); ++i)
        if (annotation->Item(i).InPixels())
            watcher_->PlacePixels(annotation->Item(i));
    Tell(ChartChange::Annotations);
}

void ChartData::DetachAnnotation(const ChartAnnotation* annotation) {
    auto it = std::find_if(annotations_.begin(), annotations_.end(),
                           [&](const auto& a) { return a.get() == annotation; });
    if (it == annotations_.end())
        return;
    (*it)->chart_ = nullptr;
    annotations_.erase(it);
    Tell(ChartChange::Annotations);
}

void ChartData::DetachAnnotations() {
    for (auto& a : annotations_)
        a->chart_ = nullptr;
    annotations_.clear();
    Tell(ChartChange::Annotations);
}

void ChartData::AnnotationChanged(ChartAnnotationObject* placed) {
    if (placed != nullptr && placed->InPixels() && watcher_ != nullptr)
        watcher_->PlacePixels(*placed);
    Tell(ChartChange::Annotations);
}

} // namespace strelvan::platform
