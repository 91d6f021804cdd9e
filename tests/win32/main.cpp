// SPDX-License-Identifier: MIT
#include <windows.h>

#include <objbase.h>

#include <gtest/gtest.h>

// The window tests run in one COM apartment, as the program does.
int main(int argc, char* argv[]) {
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return status;
}
