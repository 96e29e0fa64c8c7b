// A fresh window for each test, shown and active, with a driver that acts on it as a user would.
#pragma once

#include "system_for_tests.h"
#include "win32_driver.h"

#include "../behaviour_table.h"

#include "ui/win32/form2_window.h"

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

// One of the system's fonts (a member of NONCLIENTMETRICSW) made larger for a test's run, and put
// back afterwards.
class LargerSystemFont {
public:
    LargerSystemFont(LOGFONTW NONCLIENTMETRICSW::*font, LONG height) {
        saved_.cbSize = sizeof saved_;
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof saved_, &saved_, 0);
        NONCLIENTMETRICSW larger = saved_;
        (larger.*font).lfHeight = height;
        set_ = SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof larger, &larger, 0);
    }
    LargerSystemFont(const LargerSystemFont&) = delete;
    LargerSystemFont& operator=(const LargerSystemFont&) = delete;
    ~LargerSystemFont() { SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof saved_, &saved_, 0); }
    bool Applied() const { return set_; }

private:
    NONCLIENTMETRICSW saved_{};
    bool set_ = false;
};

class Win32WindowTest : public testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<ui::win32::Form2Window>(GetModuleHandleW(nullptr), win32_test::SystemForTests());
        ASSERT_NE(form->WindowHandle(), nullptr);
        form->Show(SW_SHOWNORMAL);
        SetForegroundWindow(form->WindowHandle());
        win32_test::Pump(form->WindowHandle());
        driver = std::make_unique<win32_test::Win32Driver>(*form);
    }
    void TearDown() override {
        driver.reset();
        form.reset();
        win32_test::Pump(nullptr);
    }

    HWND ControlHandle(ui::Control id) const { return form->ControlHandle(id); }
    // Replaces a field's text as a user would.
    void Type(ui::Control field, std::u16string_view keys) { behaviour::Take(behaviour::Type(field, keys), *driver); }

    std::unique_ptr<ui::win32::Form2Window> form;
    std::unique_ptr<win32_test::Win32Driver> driver;
};
