// Form1's menus, popups, clipboard, clear and insert commands and Exit, on the real window with
// the modal and outside world scripted.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Convert1.h"
#include "clock_text.h"
#include "form1_fixture.h"
#include "form1_ids.h"
#include "program_windows.h"
#include "settings_store.h"

namespace wexlin::testing {
namespace {

using ::testing::ElementsAre;

// One line per item: caption, then "(off)" when disabled; submenus indented, separators "-".
void Describe(HMENU menu, const std::wstring& indent, std::vector<std::wstring>& lines) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t caption[256] = {};
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_STRING | MIIM_STATE | MIIM_SUBMENU | MIIM_FTYPE;
        item.dwTypeData = caption;
        item.cch = 255;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item);
        if (item.fType & MFT_SEPARATOR) {
            lines.push_back(indent + L"-");
            continue;
        }
        lines.push_back(indent + caption + ((item.fState & MFS_DISABLED) ? L" (off)" : L""));
        if (item.hSubMenu) Describe(item.hSubMenu, indent + L"  ", lines);
    }
}

class StoredTexts {
public:
    StoredTexts() {
        for (const wchar_t* key : kKeys) old_.push_back(ReadSetting(key));
        Set({});
    }
    ~StoredTexts() {
        for (size_t i = 0; i < old_.size(); ++i) WriteSetting(kKeys[i], old_[i]);
    }
    // Name, Email, Webpage, Other, Extra1, Extra2, Extra3; missing ones are emptied.
    void Set(const std::vector<std::wstring>& values) {
        for (size_t i = 0; i < 7; ++i) WriteSetting(kKeys[i], i < values.size() ? values[i] : L"");
    }

private:
    static constexpr const wchar_t* kKeys[] = {L"Name", L"Email", L"Webpage", L"Other", L"Extra1", L"Extra2", L"Extra3"};
    std::vector<std::wstring> old_;
};

class Form1CommandsTest : public Form1Test {
protected:
    void SetUp() override {
        Form1Test::SetUp();
        RecreateForm(L"");  // after the store was emptied, so the start-up sees it empty
    }
    void Command(UINT id) { SendMessageW(form_->Window(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    void Select(int pane, int start, int end) { SendMessageW(Control(pane), EM_SETSEL, start, end); }
    std::vector<std::wstring> MenuLines() {
        std::vector<std::wstring> lines;
        Describe(GetMenu(form_->Window()), L"", lines);
        return lines;
    }
    StoredTexts stored_;
};

TEST_F(Form1CommandsTest, MenuTreeInItsOrderWithCaptionsAndStates) {
    const std::wstring date = ShortDateText(desktop_.now), time = TimeText(desktop_.now);
    EXPECT_THAT(MenuLines(),
                ElementsAre(L"&File", L"  &Print All", L"  &Exit",
                            L"&Encoded", L"  &Edit", L"    &Cut", L"    &Copy", L"    &Paste", L"  &Open", L"  &Save",
                            L"  -", L"  &Print", L"  &Clear",
                            L"&Decoded", L"  &Edit", L"    &Cut", L"    &Copy", L"    &Paste", L"  &Open", L"  &Save",
                            L"  -", L"  &Print", L"  &Clear",
                            L"&Options", L"  Options...", L"  &Old Wexlin Converter...",
                            L"&Insert", L"  " + date, L"  " + time, L"  Name (off)", L"  E-mail (off)",
                            L"  Webpage (off)", L"  Other (off)", L"  Extra1 (off)", L"  Extra2 (off)",
                            L"  Extra3 (off)",
                            L"&E-mail (off)",
                            L"&About", L"  &About", L"  &E-mail"));
    // No shortcut keys: no caption carries a tab and a key name.
    for (const std::wstring& line : MenuLines()) EXPECT_EQ(line.find(L'\t'), std::wstring::npos) << line;
}

TEST_F(Form1CommandsTest, InsertMenuShowsTheStoreAsItIsWhenItOpens) {
    stored_.Set({L"Ann & Co", L"", L"", L"other text"});
    HMENU insert = GetSubMenu(GetMenu(form_->Window()), FORM1_MENU_INSERT);
    SendMessageW(form_->Window(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(insert), FORM1_MENU_INSERT);
    const std::vector<std::wstring> lines = MenuLines();
    EXPECT_EQ(lines[29], L"  Ann && Co");  // the "&" is shown, not taken as an access key
    EXPECT_EQ(lines[30], L"  E-mail (off)");
    EXPECT_EQ(lines[32], L"  other text");

    stored_.Set({});
    SendMessageW(form_->Window(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(insert), FORM1_MENU_INSERT);
    EXPECT_EQ(MenuLines()[29], L"  Name (off)");
}

TEST_F(Form1CommandsTest, InsertsGoIntoTheDecodedPaneAtItsSelectionWhateverHasTheFocus) {
    stored_.Set({L"Ann", L"ann@example.org", L"example.org", L"Other", L"x1", L"x2", L"x3"});
    struct Case {
        UINT id;
        std::wstring inserted;
    } cases[] = {
        {IDM_NAME1, L"Ann"}, {IDM_EMAIL1, L"ann@example.org"}, {IDM_WEB1, L"example.org"}, {IDM_OTHER1, L"Other"},
        {IDM_EXTRA1, L"x1"}, {IDM_EXTRA2, L"x2"},              {IDM_EXTRA3, L"x3"},
    };
    for (const Case& c : cases) {
        SetText(IDC_TEXT1, L"[old]");
        Select(IDC_TEXT1, 1, 4);
        SetFocus(Control(IDC_TEXT2));
        Command(c.id);
        EXPECT_EQ(Text(IDC_TEXT1), L"[" + c.inserted + L"]");
        EXPECT_EQ(Text(IDC_TEXT2), L"");
    }
    desktop_.now = SYSTEMTIME{2027, 1, 5, 1, 0, 0, 9, 0};  // after midnight: the click's own date and time
    SetText(IDC_TEXT1, L"");
    Command(IDM_DATE1);
    Command(IDM_TIME1);
    EXPECT_EQ(Text(IDC_TEXT1), ShortDateText(desktop_.now) + TimeText(desktop_.now));
}

TEST_F(Form1CommandsTest, TimeItemFollowsTheClockAndDateItemKeepsTheStartUpDate) {
    const std::wstring start_date = ShortDateText(desktop_.now);
    desktop_.now = SYSTEMTIME{2027, 1, 5, 1, 0, 0, 42, 0};
    SendMessageW(form_->Window(), WM_TIMER, 1, 0);
    const std::vector<std::wstring> lines = MenuLines();
    EXPECT_EQ(lines[27], L"  " + start_date);
    EXPECT_EQ(lines[28], L"  " + TimeText(desktop_.now));
}

struct ClipboardCase {
    const char* name;
    UINT command;
    int pane;
    int select_start, select_end;
    std::optional<std::wstring> clipboard_before;
    std::wstring pane_after;
    std::optional<std::wstring> clipboard_after;
};

TEST_F(Form1CommandsTest, ClipboardAndClearCommandsActOnTheirOwnPaneOnly) {
    const ClipboardCase cases[] = {
        {"copy, nothing selected", IDM_COPY1, IDC_TEXT2, 2, 2, L"before", L"abc def", L"abc def"},
        {"copy, a blank selected", IDM_COPY2, IDC_TEXT1, 3, 4, L"before", L"abc def", L" "},
        {"copy of an empty pane", IDM_COPY1, IDC_TEXT2, 0, 0, L"before", L"", L""},
        {"cut, nothing selected", IDM_CUT2, IDC_TEXT1, 1, 1, L"before", L"", L"abc def"},
        {"cut, a selection", IDM_CUT1, IDC_TEXT2, 1, 3, L"before", L"a def", L"bc"},
        {"paste at the caret", IDM_PASTE2, IDC_TEXT1, 3, 3, L"XY", L"abcXY def", L"XY"},
        {"paste over a selection", IDM_PASTE1, IDC_TEXT2, 0, 3, L"XY", L"XY def", L"XY"},
        {"paste without text", IDM_PASTE2, IDC_TEXT1, 0, 4, std::nullopt, L"def", std::nullopt},
        {"clear", IDM_CLEAR1, IDC_TEXT2, 0, 2, L"kept", L"", L"kept"},
        {"clear, decoded", IDM_CLEAR2, IDC_TEXT1, 0, 0, std::nullopt, L"", std::nullopt},
    };
    for (const ClipboardCase& c : cases) {
        SCOPED_TRACE(c.name);
        const int other = c.pane == IDC_TEXT1 ? IDC_TEXT2 : IDC_TEXT1;
        SetText(c.pane, std::string(c.name) == "copy of an empty pane" ? L"" : L"abc def");
        SetText(other, L"other pane");
        Select(c.pane, c.select_start, c.select_end);
        SetFocus(Control(other));
        desktop_.clipboard = c.clipboard_before;
        Command(c.command);
        EXPECT_EQ(Text(c.pane), c.pane_after);
        EXPECT_EQ(desktop_.clipboard, c.clipboard_after);
        EXPECT_EQ(Text(other), L"other pane");
    }
    EXPECT_TRUE(desktop_.messages.empty());
}

TEST_F(Form1CommandsTest, PasteAndCutCanBeUndoneInThePane) {
    SetText(IDC_TEXT1, L"abc");
    Select(IDC_TEXT1, 3, 3);
    desktop_.clipboard = L"XYZ";
    Command(IDM_PASTE2);
    ASSERT_EQ(Text(IDC_TEXT1), L"abcXYZ");
    EXPECT_TRUE(SendMessageW(Control(IDC_TEXT1), EM_CANUNDO, 0, 0));
    SendMessageW(Control(IDC_TEXT1), EM_UNDO, 0, 0);
    EXPECT_EQ(Text(IDC_TEXT1), L"abc");

    SetText(IDC_TEXT1, L"abc");  // a fresh text, with nothing to undo
    Select(IDC_TEXT1, 0, 0);
    Command(IDM_CUT2);
    ASSERT_EQ(Text(IDC_TEXT1), L"");
    SendMessageW(Control(IDC_TEXT1), EM_UNDO, 0, 0);
    EXPECT_EQ(Text(IDC_TEXT1), L"abc");
}

TEST_F(Form1CommandsTest, AClipboardThatCannotBeUsedIsReportedAndThePaneKeepsItsText) {
    desktop_.clipboard_error = ERROR_ACCESS_DENIED;
    SetText(IDC_TEXT2, L"keep me");
    Command(IDM_CUT1);
    EXPECT_EQ(Text(IDC_TEXT2), L"keep me");
    ASSERT_EQ(desktop_.messages.size(), 1u);
    EXPECT_THAT(desktop_.messages[0].text, ::testing::StartsWith(L"The clipboard could not be used."));
}

TEST_F(Form1CommandsTest, RightButtonReleasedOnAFrameOrPicturePopsUpThePaneMenu) {
    struct Case {
        int clicked;
        int menu;
    } cases[] = {
        {IDC_FRAME2, FORM1_MENU_ENCODED},
        {IDC_PICTURE1, FORM1_MENU_ENCODED},
        {IDC_FRAME1, FORM1_MENU_DECODED},
        {IDC_PICTURE2, FORM1_MENU_DECODED},
    };
    for (const Case& c : cases) {
        desktop_.popups.clear();
        HWND clicked = Control(c.clicked);
        SendMessageW(clicked, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        SendMessageW(clicked, WM_MBUTTONUP, 0, MAKELPARAM(2, 2));
        EXPECT_TRUE(desktop_.popups.empty()) << c.clicked;
        SendMessageW(clicked, WM_RBUTTONUP, 0, MAKELPARAM(3, 4));
        ASSERT_EQ(desktop_.popups.size(), 1u) << c.clicked;
        EXPECT_EQ(desktop_.popups[0].menu, GetSubMenu(GetMenu(form_->Window()), c.menu));
        POINT expected{3, 4};
        ClientToScreen(clicked, &expected);
        EXPECT_EQ(desktop_.popups[0].at.x, expected.x);
        EXPECT_EQ(desktop_.popups[0].at.y, expected.y);
    }
}

TEST_F(Form1CommandsTest, AnItemChosenInAPopupRunsTheMenuCommand) {
    SetText(IDC_TEXT1, L"decoded");
    desktop_.popup_choices = {IDM_CLEAR2};
    SendMessageW(Control(IDC_PICTURE2), WM_RBUTTONUP, 0, MAKELPARAM(1, 1));
    EXPECT_EQ(Text(IDC_TEXT1), L"");
}

TEST_F(Form1CommandsTest, EncodeAndDecodeButtonsAreEnabledOnlyWhileTheirPaneHoldsText) {
    EXPECT_FALSE(IsWindowEnabled(Control(IDC_COMMAND1)));
    EXPECT_FALSE(IsWindowEnabled(Control(IDC_COMMAND2)));
    SendMessageW(Control(IDC_TEXT1), WM_CHAR, L'a', 1);  // typed: enabled at once, no tick needed
    EXPECT_TRUE(IsWindowEnabled(Control(IDC_COMMAND1)));
    EXPECT_FALSE(IsWindowEnabled(Control(IDC_COMMAND2)));
    SendMessageW(Control(IDC_TEXT1), WM_CHAR, VK_BACK, 1);
    EXPECT_FALSE(IsWindowEnabled(Control(IDC_COMMAND1)));

    desktop_.clipboard = L"pasted";
    Command(IDM_PASTE1);
    EXPECT_TRUE(IsWindowEnabled(Control(IDC_COMMAND2)));
    SetFocus(Control(IDC_COMMAND2));
    Command(IDM_CLEAR1);
    EXPECT_FALSE(IsWindowEnabled(Control(IDC_COMMAND2)));
    EXPECT_EQ(GetFocus(), Control(IDC_TEXT2)) << "the focus went back to the pane";
}

TEST_F(Form1CommandsTest, ExitClosesTheConverterAndTheMainWindow) {
    Command(IDM_OLDWXLCFG);
    std::vector<HWND> open = OpenWindows().InOrder();
    ASSERT_EQ(open.size(), 2u);
    HWND converter = open[1];
    EXPECT_EQ(open[0], form_->Window());
    Command(IDM_OLDWXLCFG);  // single: brought forward, not opened twice
    EXPECT_EQ(OpenWindows().InOrder().size(), 2u);
    Command(IDM_EXIT1);
    EXPECT_FALSE(IsWindow(converter));
    EXPECT_EQ(form_->Window(), nullptr);
    EXPECT_TRUE(OpenWindows().InOrder().empty());
}

}  // namespace
}  // namespace wexlin::testing
