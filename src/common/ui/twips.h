#pragma once
// Distances and window sizes are kept in twips (1/1440 inch): 15 twips to a pixel at 96 dpi.

#include <cmath>

namespace coinwell {

inline constexpr int kTwipsPerPixel = 15;

// Rounds to the nearest pixel (halves away from zero).
inline int twipsToPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

inline int pixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

}  // namespace coinwell
