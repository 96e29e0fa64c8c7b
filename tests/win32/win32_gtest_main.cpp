// The tests of the real window run on one thread with COM, as the program does (WIC decodes the
// pictures).
#include <gtest/gtest.h>

#include <windows.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
    const int status = RUN_ALL_TESTS();
    CoUninitialize();
    return status;
}
