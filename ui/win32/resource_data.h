// The bytes of the program's own resources, as the module holds them.
#pragma once

#include <windows.h>

#include <cstddef>

namespace ui::win32 {

struct ResourceBytes {
    const void* data = nullptr;  // valid while the module is loaded; never freed
    std::size_t size = 0;
};

// The RCDATA resource `id` of the exe (or of `module`); empty when there is none.
ResourceBytes RcdataResource(int id, HMODULE module = nullptr);

}  // namespace ui::win32
