// The tests of the real window run on one thread with COM, as the program does (WIC decodes the
// pictures), with the functions of later Windows versions that --as-on= leaves them
// (system_for_tests.h).
#include "system_for_tests.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (!win32_test::ChooseSystemForTests(argc, argv)) {
        std::fprintf(stderr, "unknown --as-on= system: windows7 or windows8.1\n");
        return 2;
    }
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
    const int status = RUN_ALL_TESTS();
    CoUninitialize();
    return status;
}
