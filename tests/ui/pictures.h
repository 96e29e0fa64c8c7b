// The window's pictures as tools/make-images draws them: each picture's name and its natural size
// in pixels. Beside each lies its drawing at twice the size.
#pragma once

#include <string_view>

namespace pictures {

struct NaturalSize {
    std::string_view name;
    int width, height;
};

inline constexpr NaturalSize kNaturalSizes[] = {
    {"compass", 208, 415}, {"flag_uk", 40, 20}, {"flag_it", 40, 20}, {"ruler", 99, 35}};

}  // namespace pictures
