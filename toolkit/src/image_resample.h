// Resizing a picture smoothly, for skin images drawn at another size than
// their own: the system's stretching picks pixels and leaves scaled art
// jagged or blocky.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

// Premultiplied 32-bit pixels, rows top first, from a picture of size from
// to one of size to (both at least one pixel each way). Each output pixel is
// a weighted mean of the source pixels around its centre under a tent as
// wide as a source pixel when enlarging (bilinear) and as an output pixel
// when shrinking (so every source pixel counts); edges repeat the border.
std::vector<uint32_t> ResamplePixels(const uint32_t* pixels, SIZE from, SIZE to);
