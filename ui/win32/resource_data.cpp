#include "resource_data.h"

#include <string>

namespace ui::win32 {

ResourceBytes RcdataResource(std::u16string_view name, HMODULE module) {
    const std::wstring terminated(name.begin(), name.end());
    HRSRC found = FindResourceW(module, terminated.c_str(), RT_RCDATA);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    return data ? ResourceBytes{data, SizeofResource(module, found)} : ResourceBytes{};
}

}  // namespace ui::win32
