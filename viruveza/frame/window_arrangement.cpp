#include "viruveza/frame/window_arrangement.h"

namespace doz::frame {

std::vector<QRect> tiledRects(const QRect& area, int count, Arrangement arrangement) {
    std::vector<QRect> rects;
    if (count <= 0)
        return rects;
    const bool stacked = arrangement == Arrangement::TileHorizontally;
    const int total = stacked ? area.height() : area.width();
    const int share = total / count;
    for (int i = 0; i < count; ++i) {
        const int start = i * share;
        const int length = i == count - 1 ? total - start : share;
        rects.push_back(stacked ? QRect(area.left(), area.top() + start, area.width(), length)
                                : QRect(area.left() + start, area.top(), length, area.height()));
    }
    return rects;
}

} // namespace doz::frame
