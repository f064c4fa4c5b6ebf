#pragma once

#include <QRect>
#include <QSize>
#include <cmath>

// Window positions are laid out in twips: 15 twips are one device-independent pixel.
namespace Twips {

constexpr int kPerPixel = 15;

inline int ToPixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / kPerPixel));
}

inline QRect Rect(int left, int top, int width, int height)
{
    return {ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height)};
}

inline QSize Size(int width, int height)
{
    return {ToPixels(width), ToPixels(height)};
}

} // namespace Twips
