#pragma once
// The Window menu's arrangements of the child windows.

#include <QRect>

#include <vector>

namespace doz::frame {

enum class Arrangement : int { Cascade = 0, TileHorizontally = 1, TileVertically = 2, Maximized = 3 };

// Windows one above another, each the full width (horizontally), or side by side, each the
// full height (vertically), sharing `area` evenly; the last one takes the rest.
std::vector<QRect> tiledRects(const QRect& area, int count, Arrangement arrangement);

} // namespace doz::frame
