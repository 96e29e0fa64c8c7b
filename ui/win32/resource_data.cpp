#include "resource_data.h"

namespace ui::win32 {

ResourceBytes RcdataResource(int id, HMODULE module) {
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), RT_RCDATA);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    return data ? ResourceBytes{data, SizeofResource(module, found)} : ResourceBytes{};
}

}  // namespace ui::win32
