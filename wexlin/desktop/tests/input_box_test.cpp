// The real input box, answered by a second thread the way a user would answer it.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <thread>

#include "input_box.h"

namespace wexlin {
namespace {

struct SeenBox {
    std::wstring title, prompt, initial;
};

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)), L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()) + 1)));
    return text;
}

struct FindBox {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindDialogOfProcess(HWND window, LPARAM lparam) {
    auto* find = reinterpret_cast<FindBox*>(lparam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t cls[32];
    if (process == find->process && IsWindowVisible(window) && GetClassNameW(window, cls, 32) &&
        std::wstring(cls) == L"#32770") {
        find->found = window;
        return FALSE;
    }
    return TRUE;
}

enum class Answer { Ok, Cancel, Escape };

// Waits for the box, records what it shows, optionally types a text and answers.
void AnswerBox(SeenBox& seen, std::optional<std::wstring> typed, Answer answer) {
    FindBox find{GetCurrentProcessId(), nullptr};
    for (int i = 0; i < 500 && !find.found; ++i) {
        EnumWindows(FindDialogOfProcess, reinterpret_cast<LPARAM>(&find));
        if (!find.found) Sleep(10);
    }
    ASSERT_TRUE(find.found) << "the input box never appeared";
    HWND edit = FindWindowExW(find.found, nullptr, L"Edit", nullptr);
    HWND prompt = FindWindowExW(find.found, nullptr, L"Static", nullptr);
    ASSERT_TRUE(edit && prompt);
    seen = {WindowText(find.found), WindowText(prompt), WindowText(edit)};
    if (typed) SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed->c_str()));
    switch (answer) {
    case Answer::Ok: PostMessageW(find.found, WM_COMMAND, IDOK, 0); break;
    case Answer::Cancel: SendMessageW(FindWindowExW(find.found, nullptr, L"Button", L"Cancel"), BM_CLICK, 0, 0); break;
    case Answer::Escape:
        PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessageW(edit, WM_KEYUP, VK_ESCAPE, 0);
        break;
    }
}

struct InputBoxCase {
    const char* name;
    const wchar_t* initial;
    std::optional<std::wstring> typed;
    Answer answer;
    std::wstring expected;
};

// Longer than the box and outside any single-byte code page.
const std::wstring kLongAnswer = std::wstring(300, L'x') + L"\u00e9\u4e2d";

class InputBoxTest : public ::testing::TestWithParam<InputBoxCase> {};

TEST_P(InputBoxTest, GivesTheTypedTextOnOkAndEmptyOtherwise) {
    const InputBoxCase& c = GetParam();
    const std::wstring prompt = L"Enter a Password for this File.\r\nMust be Between 1-9 Characters. ";
    SeenBox seen;
    std::thread user(AnswerBox, std::ref(seen), c.typed, c.answer);
    const std::wstring result = ShowInputBox(nullptr, L"Wexlin", prompt, c.initial);
    user.join();
    EXPECT_EQ(seen.title, L"Wexlin");
    EXPECT_EQ(seen.prompt, prompt);
    EXPECT_EQ(seen.initial, c.initial);
    EXPECT_EQ(result, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, InputBoxTest,
    ::testing::Values(InputBoxCase{"PrefilledOk", L"Secret1", std::nullopt, Answer::Ok, L"Secret1"},
                      InputBoxCase{"TypedOk", L"Secret1", L"none", Answer::Ok, L"none"},
                      InputBoxCase{"EmptyOk", L"", std::nullopt, Answer::Ok, L""},
                      InputBoxCase{"TypedCancel", L"", L"typed", Answer::Cancel, L""},
                      InputBoxCase{"PrefilledEscape", L"Secret1", std::nullopt, Answer::Escape, L""},
                      InputBoxCase{"LongAnswerKeptWhole", L"", kLongAnswer, Answer::Ok, kLongAnswer}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace wexlin
