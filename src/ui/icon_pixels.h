#pragma once

#include <cstddef>
#include <cstdint>

namespace brivonce {

// One picture of data/icons/ at one size, rendered when the program is built:
// size x size premultiplied 0xAARRGGBB pixels, row by row. The name is the
// file's path under data/icons/ without ".svg" ("toolbar/agenda").
struct IconPixels {
    const char* name;
    int size;
    const std::uint32_t* pixels;
};

extern const IconPixels kIconPixels[];
extern const std::size_t kIconPixelCount;

}  // namespace brivonce
