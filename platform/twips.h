#pragma once
// Layout units. Screens are laid out in twips (1440 to the inch); at the program's 96 dpi one logical
// pixel is 15 twips, so a full screen of 12000 x 9000 twips is 800 x 600 pixels. Font sizes are points at
// 96 dpi: a pixel size is points x 4 / 3 (14.25 pt = 19 px).
//
// Those are design pixels. On a larger window every screen is shown at the display scale: shown pixels per
// design pixel, the largest that lets the whole 800 x 600 screen fit (never below 1). At scale 1 shown and
// design pixels are the same, so an 800 x 600 window is exactly as designed.

#include <QRect>

namespace bt {

inline constexpr int kTwipsPerPixel = 15;

// Twips to pixels: the nearest pixel, halves away from zero. Every position and size on a screen, whole
// or fractional (a label being dragged), goes to pixels by this one rule.
constexpr int px(double twips) {
    const double pixels = twips / kTwipsPerPixel;
    return pixels >= 0 ? int(pixels + 0.5) : -int(-pixels + 0.5);
}

// Pixels to twips.
constexpr double twips(double pixels) {
    return pixels * kTwipsPerPixel;
}

// Point size to pixel size at 96 dpi, rounded to the nearest pixel.
constexpr int pointsToPixels(double points) {
    return static_cast<int>(points * 4.0 / 3.0 + 0.5);
}

// The display scale, set by the backdrop window; 1 until it says otherwise.
double displayScale();
void setDisplayScale(double scale);

// Twips to shown pixels at the display scale, by the same rounding rule as px().
int shown(double twips);
// Shown pixels (a pointer position) back to twips.
double unshown(double pixels);
// A length in design pixels (a border, a margin, an indicator) at the display scale, never below 1.
int shownPixels(int designPixels);

// A control's box as written in a layout table: left, top, width, height in twips.
struct TwipsBox {
    int left;
    int top;
    int width;
    int height;

    constexpr QRect pixels() const { return QRect(px(left), px(top), px(width), px(height)); }
    // The box on screen at the display scale.
    QRect shownRect() const { return QRect(shown(left), shown(top), shown(width), shown(height)); }
    // True when the box lies wholly inside an area of the given size (in twips) that starts at 0, 0.
    constexpr bool inside(int areaWidth, int areaHeight) const {
        return left >= 0 && top >= 0 && width >= 0 && height >= 0 && left + width <= areaWidth &&
               top + height <= areaHeight;
    }
};

// Size of every full-size screen.
inline constexpr int kScreenWidthTwips = 12000;
inline constexpr int kScreenHeightTwips = 9000;

constexpr bool onScreen(const TwipsBox& box) {
    return box.inside(kScreenWidthTwips, kScreenHeightTwips);
}

}  // namespace bt
