#include "shell/core/proportional_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace coinwell::shell {

namespace {

// Halves go up, the same way on both sides of zero, so that a shift of the whole layout by a
// whole pixel never changes a width.
int roundPixel(double value) {
    const double rounded = std::floor(value + 0.5);
    constexpr double kLow = std::numeric_limits<int>::min();
    constexpr double kHigh = std::numeric_limits<int>::max();
    if (!(rounded >= kLow)) {  // also NaN
        return std::numeric_limits<int>::min();
    }
    if (rounded > kHigh) {
        return std::numeric_limits<int>::max();
    }
    return static_cast<int>(rounded);
}

double ratio(int design, int now) {
    if (design <= 0) {
        return 1.0;
    }
    return static_cast<double>(std::max(now, 1)) / design;
}

// One direction: the near edge and the far edge are scaled and rounded.
void scaleSpan(double start, double extent, double factor, int minimum, int& outStart,
               int& outExtent) {
    outStart = roundPixel(start * factor);
    if (!(extent > 0)) {
        outExtent = 0;
        return;
    }
    const int end = roundPixel((start + extent) * factor);
    const long long span = static_cast<long long>(end) - outStart;
    outExtent = static_cast<int>(std::max<long long>(span, std::max(minimum, 1)));
}

}  // namespace

LayoutScale layoutScale(LayoutSize design, LayoutSize now) {
    return {ratio(design.width, now.width), ratio(design.height, now.height)};
}

LayoutRect scaleRect(const DesignRect& design, LayoutScale scale, int minimumExtent) {
    LayoutRect out;
    scaleSpan(design.left, design.width, scale.x, minimumExtent, out.left, out.width);
    scaleSpan(design.top, design.height, scale.y, minimumExtent, out.top, out.height);
    return out;
}

DesignRect unscaleRect(const LayoutRect& current, LayoutScale scale) {
    return {current.left / scale.x, current.top / scale.y, current.width / scale.x,
            current.height / scale.y};
}

double scaleFontSize(double designSize, LayoutScale scale, double minimumSize) {
    if (!(designSize > 0)) {
        return designSize;
    }
    return std::max(designSize * scale.font(), minimumSize);
}

// ---------------------------------------------------------------------------------------------

ProportionalLayout::ProportionalLayout(LayoutSize designSize)
    : designSize_(designSize), size_(designSize) {}

std::size_t ProportionalLayout::add(const LayoutRect& designRect, double designFontSize) {
    items_.push_back(
        {{static_cast<double>(designRect.left), static_cast<double>(designRect.top),
          static_cast<double>(designRect.width), static_cast<double>(designRect.height)},
         designFontSize});
    return items_.size() - 1;
}

std::size_t ProportionalLayout::addCurrent(const LayoutRect& current, double currentFontSize) {
    items_.push_back({unscaleRect(current, scale_),
                      currentFontSize > 0 ? currentFontSize / scale_.font() : currentFontSize});
    return items_.size() - 1;
}

void ProportionalLayout::resize(LayoutSize now) {
    size_ = now;
    scale_ = layoutScale(designSize_, now);
}

LayoutRect ProportionalLayout::rect(std::size_t index) const {
    return scaleRect(items_.at(index).rect, scale_);
}

double ProportionalLayout::fontSize(std::size_t index) const {
    return scaleFontSize(items_.at(index).fontSize, scale_);
}

void ProportionalLayout::placeAt(std::size_t index, const LayoutRect& current) {
    items_.at(index).rect = unscaleRect(current, scale_);
}

void ProportionalLayout::placeOnly(std::size_t index, int left, int top) {
    DesignRect& rect = items_.at(index).rect;
    rect.left = left / scale_.x;
    rect.top = top / scale_.y;
}

void ProportionalLayout::sizeOnly(std::size_t index, int width, int height) {
    DesignRect& rect = items_.at(index).rect;
    rect.width = width / scale_.x;
    rect.height = height / scale_.y;
}

void ProportionalLayout::setFontSize(std::size_t index, double currentFontSize) {
    items_.at(index).fontSize =
        currentFontSize > 0 ? currentFontSize / scale_.font() : currentFontSize;
}

}  // namespace coinwell::shell
