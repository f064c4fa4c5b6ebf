#pragma once

#include <QRect>
#include <QSize>
#include <cmath>

// Window positions are laid out in twips: 15 twips are one device-independent pixel.
namespace Twips {

constexpr int kPerPixel = 15;

inline int toPixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / kPerPixel));
}

inline QRect rect(int left, int top, int width, int height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

inline QSize size(int width, int height)
{
    return {toPixels(width), toPixels(height)};
}

} // namespace Twips
