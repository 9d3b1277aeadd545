#pragma once
// Proportional resizing of a screen's controls: every control keeps its share of the container
// as the container's size changes. Left and width follow the width ratio, top and height the
// height ratio, and a font the smaller of the two ratios, so that a text that fitted its control
// at design size still fits it. Distances are whole pixels; design values may be fractional
// (a control placed by its screen while the container was at another size).
//
//   ProportionalLayout layout({640, 480});
//   const auto ok = layout.add({10, 20, 100, 24}, 9.0);
//   layout.resize({1280, 960});
//   layout.rect(ok);      // {20, 40, 200, 48}
//   layout.fontSize(ok);  // 18.0

#include <cstddef>
#include <vector>

namespace coinwell::shell {

struct LayoutSize {
    int width = 0;
    int height = 0;
    bool operator==(const LayoutSize&) const = default;
};

struct LayoutRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const LayoutRect&) const = default;
};

// A design rectangle, fractional where it was taken back from a scaled one.
struct DesignRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

struct LayoutScale {
    double x = 1.0;
    double y = 1.0;
    // Fonts follow the tighter direction.
    double font() const { return x < y ? x : y; }
    bool operator==(const LayoutScale&) const = default;
};

// The ratios taking a container of the design size to a new size. A direction whose design
// extent is not positive keeps ratio 1; a new extent below one pixel counts as one pixel, so a
// ratio is always positive and finite.
LayoutScale layoutScale(LayoutSize design, LayoutSize now);

// Smallest width and height of a scaled control that had a positive extent at design.
inline constexpr int kMinimumControlExtent = 1;
// Smallest scaled font size (points or pixels, as the design size was given).
inline constexpr double kMinimumFontSize = 1.0;

// The rectangle for a scale. The edges are scaled and rounded, not the sizes, so that controls
// that touched at design still touch and none overlaps its neighbour by rounding. An extent
// that was positive never falls below minimumExtent; one that was zero or less stays zero.
LayoutRect scaleRect(const DesignRect& design, LayoutScale scale,
                     int minimumExtent = kMinimumControlExtent);
// The design rectangle of a control that shows `current` at `scale`.
DesignRect unscaleRect(const LayoutRect& current, LayoutScale scale);

// A font size for a scale; a size that is not positive (not given) stays as it is.
double scaleFontSize(double designSize, LayoutScale scale, double minimumSize = kMinimumFontSize);

class ProportionalLayout {
  public:
    explicit ProportionalLayout(LayoutSize designSize = {});

    LayoutSize designSize() const { return designSize_; }
    LayoutSize size() const { return size_; }
    LayoutScale scale() const { return scale_; }

    // Adds a control at its design rectangle with its design font size (0: none) and returns
    // its index.
    std::size_t add(const LayoutRect& designRect, double designFontSize = 0);
    // Adds a control found at `current` while the container has its present size: it keeps that
    // rectangle now and follows the container from here.
    std::size_t addCurrent(const LayoutRect& current, double currentFontSize = 0);
    std::size_t count() const { return items_.size(); }

    // The container's new size; every control's rectangle and font follow.
    void resize(LayoutSize now);

    LayoutRect rect(std::size_t index) const;
    double fontSize(std::size_t index) const;
    const DesignRect& designRect(std::size_t index) const { return items_.at(index).rect; }
    double designFontSize(std::size_t index) const { return items_.at(index).fontSize; }

    // The screen moved or resized a control itself (or changed its font): it keeps what it was
    // given at the present size and scales from there.
    void placeAt(std::size_t index, const LayoutRect& current);
    void placeOnly(std::size_t index, int left, int top);
    void sizeOnly(std::size_t index, int width, int height);
    void setFontSize(std::size_t index, double currentFontSize);

  private:
    struct Item {
        DesignRect rect;
        double fontSize = 0;
    };
    LayoutSize designSize_;
    LayoutSize size_;
    LayoutScale scale_;
    std::vector<Item> items_;
};

}  // namespace coinwell::shell
