// Linked without -static on purpose (tests/ui/win32/CMakeLists.txt): it then needs libstdc++'s DLL,
// which the import check must name.
#include <iostream>

int main() { std::cout << "linked against the C++ runtime DLL\n"; }
