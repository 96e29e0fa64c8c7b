// The bytes of the program's own resources, as the module holds them.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string_view>

namespace ui::win32 {

struct ResourceBytes {
    const void* data = nullptr;  // valid while the module is loaded; never freed
    std::size_t size = 0;
};

// The RCDATA resource of the name (in any case) of the exe, or of `module`; empty when there is none.
ResourceBytes RcdataResource(std::u16string_view name, HMODULE module = nullptr);

}  // namespace ui::win32
