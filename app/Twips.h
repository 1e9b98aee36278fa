// Positions of the window's controls are written in twips, as the layout was drawn; this is the one
// place that turns them into pixels (96 dpi: 15 twips to a pixel; Qt scales for HiDPI screens).
#pragma once

#include <QRect>

constexpr int TwipsParPixel = 15;

// Left, top, width, height in twips. Both edges are rounded, so that controls drawn edge to edge
// stay edge to edge.
constexpr QRect Twips(int left, int top, int width, int height)
{
    auto px = [](int twips) { return (twips * 2 + TwipsParPixel) / (2 * TwipsParPixel); };
    const int l = px(left), t = px(top);
    return QRect(l, t, px(left + width) - l, px(top + height) - t);
}
