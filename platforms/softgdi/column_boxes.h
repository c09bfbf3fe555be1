#pragma once
// The copies a set of changed boxes becomes where each is a request of its own: a Windows
// window's BitBlts, an X server's requests without MIT-SHM. A tick of rain changes up to five
// cells per column, three of them adjacent (the new head and the two cells redrawn behind it).
// Measured with the real rain on Xvfb at 1920x1080 (bench_x11_present, one request per box),
// the server spent per tick 0.33 ms on one request per cell, 0.24 ms with the touching cells of
// a column made one, and 0.56 ms on one strip per column from the eraser down to the head, which
// sends the unchanged cells between as well: so touching boxes are merged and gaps are not. Under
// Wine a BitBlt to the window costs about 1 us, and Wine sends the bounding box of a tick's
// copies to the X server whatever their shape (present_pixels, scripts/cpu).

#include <span>
#include <vector>

#include "platforms/softgdi/surface.h"

namespace quellar::softgdi {

// `boxes` clipped to `bounds`, with the boxes of one column (the same left edge and width)
// that overlap or touch made one; empty boxes dropped. `merged` is reused, to allocate nothing
// once frames repeat.
void MergeColumnBoxes(std::span<const Box> boxes, Box bounds, std::vector<Box>& merged);

}  // namespace quellar::softgdi
