#include "zoom.h"

#include <algorithm>

int NextZoom(int percent, ZoomStep step)
{
    switch (step) {
    case ZoomStep::In:
        return std::min(percent + (percent > 29 ? 10 : 5), maxZoomPercent);
    case ZoomStep::Out:
        return std::max(percent - (percent > 30 ? 10 : 5), minZoomPercent);
    default:
        return 100;
    }
}
