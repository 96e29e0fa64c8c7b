// A fresh window for each test, shown and active, with a driver that acts on it as a user would.
#pragma once

#include "system_for_tests.h"
#include "win32_driver.h"

#include "ui/win32/form2_window.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

class Win32WindowTest : public testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<ui::win32::Form2Window>(GetModuleHandleW(nullptr), win32_test::SystemForTests());
        ASSERT_NE(form->handle(), nullptr);
        form->Show(SW_SHOWNORMAL);
        SetForegroundWindow(form->handle());
        win32_test::Pump(form->handle());
        driver = std::make_unique<win32_test::Win32Driver>(*form);
    }
    void TearDown() override {
        driver.reset();
        form.reset();
        win32_test::Pump(nullptr);
    }

    HWND control(ui::Control id) const { return form->control(id); }

    std::unique_ptr<ui::win32::Form2Window> form;
    std::unique_ptr<win32_test::Win32Driver> driver;
};

// Counts one control's WM_COMMAND notifications of one code (EN_CHANGE, BN_CLICKED) as they reach
// the window, and how deep they nest: one arriving while another is being handled is a level deeper.
class NotificationWatch {
public:
    NotificationWatch(HWND window, HWND control, WORD code) : window_(window), control_(control), code_(code) {
        SetWindowSubclass(window_, Procedure, kId, reinterpret_cast<DWORD_PTR>(this));
    }
    NotificationWatch(const NotificationWatch&) = delete;
    NotificationWatch& operator=(const NotificationWatch&) = delete;
    ~NotificationWatch() { RemoveWindowSubclass(window_, Procedure, kId); }

    int count = 0;
    int deepest = 0;

private:
    static constexpr UINT_PTR kId = 77;
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
        auto* watch = reinterpret_cast<NotificationWatch*>(data);
        if (message != WM_COMMAND || HIWORD(wParam) != watch->code_ || reinterpret_cast<HWND>(lParam) != watch->control_)
            return DefSubclassProc(window, message, wParam, lParam);
        ++watch->count;
        watch->deepest = std::max(watch->deepest, ++watch->depth_);
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        --watch->depth_;
        return result;
    }
    HWND window_, control_;
    WORD code_;
    int depth_ = 0;
};
