#pragma once

// The three zoom commands.
enum class ZoomStep { In = 0, Out = 1, Reset = 2 };

constexpr int minZoomPercent = 10;
constexpr int maxZoomPercent = 500;

// Steps of 10 above 30 % and of 5 below, kept within 10 to 500 %.
int NextZoom(int percent, ZoomStep step);

// What the window's view keeps for its whole run: the zoom (never stored)
// and whether the editor was ever given a tab stop other than its default.
struct ViewState
{
    int zoomPercent = 100;
    bool tabStopsSet = false;
};
