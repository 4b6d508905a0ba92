#include "platform/ChartAnnotation.h"

#include <stdexcept>

#include "platform/ChartData.h"

namespace strelvan::platform {

void ChartAnnotationObject::Left(const ChartPlace& place) {
    left_ = 0;
    hPlace_ = place;
    leftGiven_ = true;
    leftInPixels_ = false;
    Changed(true);
}

void ChartAnnotationObject::Top(const ChartPlace& place) {
    top_ = 0;
    vPlace_ = place;
    topGiven_ = true;
    topInPixels_ = false;
    Changed(true);
}

void ChartAnnotationObject::WidthShare(double share) {
    width_ = 0;
    widthShare_ = share;
    widthInPixels_ = false;
    Changed(true);
}

// Until a chart keeps them in its own terms, places given in pixels stand as pixels.
void ChartAnnotationObject::Left(int x) {
    left_ = x;
    hPlace_ = {ChartPlace::Mode::Pixel, static_cast<double>(x)};
    leftGiven_ = true;
    leftInPixels_ = true;
    Changed(true);
}

void ChartAnnotationObject::Top(int y) {
    top_ = y;
    vPlace_ = {ChartPlace::Mode::Pixel, static_cast<double>(y)};
    topGiven_ = true;
    topInPixels_ = true;
    Changed(true);
}

void ChartAnnotationObject::Width(int w) {
    width_ = w;
    widthShare_ = -1;
    widthInPixels_ = true;
    Changed(true);
}

void ChartAnnotationObject::KeepPixelPlace(const ChartPlace& left, const ChartPlace& top,
                                           double widthShare) {
    if (leftInPixels_)
        hPlace_ = left;
    if (topInPixels_)
        vPlace_ = top;
    if (widthInPixels_)
        widthShare_ = widthShare;
}

void ChartAnnotationObject::Height(int h) {
    height_ = h;
    Changed(false);
}

void ChartAnnotationObject::FontName(const QString& name) {
    fontName_ = name;
    Changed(false);
}

void ChartAnnotationObject::FontSize(int points) {
    fontSize_ = points;
    Changed(false);
}

void ChartAnnotationObject::Text(const QString& text) {
    text_ = text;
    Changed(false);
}

void ChartAnnotationObject::Color(int32_t bgr) {
    color_ = bgr;
    Changed(false);
}

void ChartAnnotationObject::Changed(bool placeChanged) {
    if (owner_ != nullptr)
        owner_->Changed(placeChanged ? this : nullptr);
}

ChartAnnotation::~ChartAnnotation() {
    for (auto& o : objects_)
        o->owner_ = nullptr;
}

ChartAnnotationObject& ChartAnnotation::Add(int kind) {
    if (kind != static_cast<int>(AnnotationKind::Text) &&
        kind != static_cast<int>(AnnotationKind::Line))
        throw std::invalid_argument("annotation kind must be 6 (text) or 3 (line)");
    objects_.push_back(std::make_unique<ChartAnnotationObject>(static_cast<AnnotationKind>(kind)));
    objects_.back()->owner_ = this;
    Changed(nullptr);
    return *objects_.back();
}

ChartAnnotationObject& ChartAnnotation::Item(int index) {
    if (index < 0 || index >= Count())
        throw std::out_of_range("no annotation object at this index");
    return *objects_[static_cast<std::size_t>(index)];
}

const ChartAnnotationObject& ChartAnnotation::Item(int index) const {
    if (index < 0 || index >= Count())
        throw std::out_of_range("no annotation object at this index");
    return *objects_[static_cast<std::size_t>(index)];
}

void ChartAnnotation::Remove(int index) {
    if (index < 0 || index >= Count())
        return;
    objects_.erase(objects_.begin() + index);
    Changed(nullptr);
}

void ChartAnnotation::Clear() {
    objects_.clear();
    Changed(nullptr);
}

void ChartAnnotation::Changed(ChartAnnotationObject* placed) {
    if (chart_ != nullptr)
        chart_->AnnotationChanged(placed);
}

} // namespace strelvan::platform
