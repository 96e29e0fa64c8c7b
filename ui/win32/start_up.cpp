#include "start_up.h"

#include "form2_window.h"
#include "message_loop.h"
#include "window_text.h"

namespace ui::win32 {
namespace {

constexpr int kFailed = 1;

std::u16string_view StepText(StartStep step) {
    switch (step) {
    case StartStep::Com: return u"COM, with which Windows decodes its pictures, could not be started.";
    case StartStep::WindowClass: return u"Its window class could not be registered.";
    case StartStep::Window: return u"Its window could not be created.";
    }
    return u"";
}

// The system's message for the error, in the user's language, without its line break.
std::u16string SystemText(HRESULT error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        static_cast<DWORD>(error), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::u16string found(reinterpret_cast<const char16_t*>(text), length);
    LocalFree(text);
    while (!found.empty() && (found.back() == u'\n' || found.back() == u'\r' || found.back() == u' ')) found.pop_back();
    return found;
}

std::u16string Hexadecimal(HRESULT error) {
    constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    std::u16string text = u"0x";
    for (int shift = 28; shift >= 0; shift -= 4) text += kDigits[(static_cast<DWORD>(error) >> shift) & 0xF];
    return text;
}

int Fail(StartStep step, HRESULT error) {
    MessageBoxW(nullptr, Wide(StartFailureText(step, error)), Wide(std::u16string(kStartFailureTitle)),
                MB_OK | MB_ICONERROR);
    return kFailed;
}

}  // namespace

std::u16string StartFailureText(StartStep step, HRESULT error) {
    std::u16string text = u"Tarvolin utility cannot start. ";
    text += StepText(step);
    if (error == 0) return text;
    const std::u16string system = SystemText(error);
    text += u"\n\n";
    text += system.empty() ? u"Error " + Hexadecimal(error) : system + u" (" + Hexadecimal(error) + u")";
    return text;
}

int RunProgram(HINSTANCE instance, int showCommand, const SystemFunctions& system) {
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(com)) return Fail(StartStep::Com, com);
    int status = kFailed;
    {
        Form2Window form(instance, system);
        if (form.WindowHandle()) {
            form.Show(showCommand);
            status = RunMessageLoop(form.WindowHandle());
        } else {
            status = Fail(form.WhatFailed() == Form2Window::Failure::WindowClass ? StartStep::WindowClass : StartStep::Window,
                          HRESULT_FROM_WIN32(form.FailureError()));
        }
    }
    CoUninitialize();
    return status;
}

}  // namespace ui::win32
