#pragma once

// Window geometry is designed in twips at a fixed 15 twips per screen pixel.
// Every conversion goes through here so the design's numbers stay readable.
constexpr int TwipsPerPixel = 15;

constexpr int px(int twips) { return twips / TwipsPerPixel; }

// The floor canvas: 5250 twips (350 px) wide plus the configured extra width, 455 px high.
constexpr int BaseCanvasWidth = 350;
constexpr int CanvasHeight = 455;
// The widest canvas the configuration offers: 1800 twips extra.
constexpr int MaxCanvasWidth = 470;

constexpr int canvasWidthFor(int canvasExtraWidthTwips)
{
    return BaseCanvasWidth + canvasExtraWidthTwips / TwipsPerPixel;
}
