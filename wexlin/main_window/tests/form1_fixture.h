#pragma once
// The real Form1 on screen, with a scripted desktop, and small helpers to drive it.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "Form1.h"
#include "testing/engine_registration.h"
#include "testing/scripted_desktop.h"
#include "win32/ole_scope.h"
#include "win32/unique_handle.h"

namespace wexlin::testing {

class Form1Test : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes the window anew, as the program does when started with this command line.
    void RecreateForm(const std::wstring& command_line);

    // Replaces how the window makes its cipher engine (the real, registered one by default).
    std::function<CipherEngineInstance()> engine_factory;

    HWND Control(int id) const { return form_->Control(id); }
    std::wstring Text(int id) const;
    void SetText(int id, const std::wstring& text);
    void Click(int id);
    std::wstring StatusPanel(int index) const;
    // Geometry of a child inside its parent's client area, in twips.
    RECT TwipsInParent(HWND child) const;
    int Dpi() const { return static_cast<int>(GetDpiForWindow(form_->Window())); }

    win32::OleScope ole_;
    ScriptedDesktop desktop_;
    std::unique_ptr<Form1> form_;
    int main_window_shown_ = 0;  // how often a window asked for the main window
};

}  // namespace wexlin::testing
