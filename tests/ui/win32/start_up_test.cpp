// A start that fails says why: one message box with the reason, then the exit status 1 (a Windows
// program has no console). The program is run on a thread of its own, made to fail there as a
// system could make it fail, and its box is read and dismissed from the test's thread.
#include "system_for_tests.h"
#include "win32_driver.h"

#include "ui/win32/start_up.h"
#include "ui/win32/window_text.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <optional>
#include <string>
#include <thread>

namespace {

// Waits for a message box of the thread, reads it and dismisses it; nothing after 10 s.
std::optional<behaviour::SeenMessage> DismissBoxOf(DWORD thread) {
    for (int tries = 0; tries < 1000; ++tries) {
        HWND found = nullptr;
        EnumThreadWindows(
            thread,
            [](HWND window, LPARAM found) CALLBACK -> BOOL {
                if (!win32_test::IsMessageBox(window)) return TRUE;
                *reinterpret_cast<HWND*>(found) = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&found));
        if (found) {
            const behaviour::SeenMessage seen = win32_test::ReadMessageBox(found);
            PostMessageW(found, WM_COMMAND, IDOK, 0);
            return seen;
        }
        Sleep(10);
    }
    return std::nullopt;
}

// Refuses to make the program's window, as a system out of resources would, with this error code
// (or none, when 0).
DWORD refusalError = 0;
LRESULT CALLBACK RefuseTheWindow(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        wchar_t type[32] = {};
        GetClassNameW(reinterpret_cast<HWND>(wParam), type, static_cast<int>(std::size(type)));
        if (std::wstring_view(type) != L"TarvolinForm2") return CallNextHookEx(nullptr, code, wParam, lParam);
        if (refusalError) SetLastError(refusalError);
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(StartUp, AStartThatFailsSaysWhyAndEndsWithStatusOne) {
    struct Row {
        const char* name;
        bool comInOtherMode;  // the thread's COM already started multithreaded, which the pictures cannot use
        bool windowRefused;
        DWORD refusalError;
        std::u16string message;  // all of it: the step, and the system's words and code for the error
    };
    const Row rows[] = {
        // Wine has no words for this error.
        {"COM", true, false, 0,
         u"Tarvolin utility cannot start. COM, with which Windows decodes its pictures, could not be started.\n\n"
         u"Error 0x80010106"},
        {"window", false, true, ERROR_OUTOFMEMORY,
         u"Tarvolin utility cannot start. Its window could not be created.\n\nOut of memory. (0x8007000E)"},
        {"window without an error code", false, true, 0,
         u"Tarvolin utility cannot start. Its window could not be created."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        refusalError = row.refusalError;
        std::atomic<DWORD> thread = 0;
        int status = -1;
        std::thread program([&] {
            if (row.comInOtherMode) CoInitializeEx(nullptr, COINIT_MULTITHREADED);
            HHOOK hook = row.windowRefused ? SetWindowsHookExW(WH_CBT, RefuseTheWindow, nullptr, GetCurrentThreadId())
                                           : nullptr;
            thread = GetCurrentThreadId();
            status = ui::win32::RunProgram(GetModuleHandleW(nullptr), SW_SHOWNORMAL, win32_test::SystemForTests());
            if (hook) UnhookWindowsHookEx(hook);
            if (row.comInOtherMode) CoUninitialize();
        });
        while (thread == 0) Sleep(1);
        const std::optional<behaviour::SeenMessage> box = DismissBoxOf(thread);
        program.join();
        EXPECT_EQ(status, 1);
        ASSERT_TRUE(box) << "no message box";
        EXPECT_EQ(box->caption, ui::win32::kStartFailureTitle);
        EXPECT_EQ(std::wstring(box->message.begin(), box->message.end()),
                  std::wstring(row.message.begin(), row.message.end()));
        EXPECT_TRUE(box->icon) << "the box shows no error icon";
    }
}

}  // namespace
