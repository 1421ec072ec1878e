// Form1 driven through its real controls, with the real cipher engine over COM.
#include <windows.h>
#include <commctrl.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "design_geometry.h"
#include "form1_fixture.h"
#include "form1_ids.h"
#include "form1_layout.h"

namespace wexlin::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

constexpr UINT kStopOk = MB_OK | MB_ICONSTOP;  // 16

// An engine that fails every call with a chosen result.
class FailingEngine final : public ICipherEngine {
public:
    explicit FailingEngine(HRESULT failure) : failure_(failure) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_ICipherEngine) {
            *out = static_cast<ICipherEngine*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_Status(LONG*) override { return failure_; }
    HRESULT STDMETHODCALLTYPE Encode(BSTR*, BSTR*) override { return failure_; }
    HRESULT STDMETHODCALLTYPE Decode(BSTR*, BSTR*) override { return failure_; }

private:
    HRESULT failure_;
    ULONG references_ = 1;
};

CipherEngineInstance EngineFailingWith(HRESULT failure) {
    return CipherEngineInstance::FromRegistration(
        win32::ComPtr<ICipherEngine>::Adopt(new FailingEngine(failure)));
}

// Which button runs which way, and the panes each reads and writes.
struct Direction {
    const char* name;
    int button, source, target;
};
constexpr Direction kEncode{"Encode", IDC_COMMAND1, IDC_TEXT1, IDC_TEXT2};
constexpr Direction kDecode{"Decode", IDC_COMMAND2, IDC_TEXT2, IDC_TEXT1};

TEST_F(Form1Test, StartsWithEmptyPanesIdleAndItsTitle) {
    EXPECT_EQ(Text(IDC_TEXT1), L"");
    EXPECT_EQ(Text(IDC_TEXT2), L"");
    EXPECT_EQ(StatusPanel(0), L"Idle");
    wchar_t title[64];
    GetWindowTextW(form_->Window(), title, 64);
    EXPECT_STREQ(title, L"Wexlin 4.0.34");
    wchar_t caption[64];
    GetWindowTextW(Control(IDC_FRAME2), caption, 64);
    EXPECT_STREQ(caption, L"Encoded Text:");
    GetWindowTextW(Control(IDC_FRAME1), caption, 64);
    EXPECT_STREQ(caption, L"Decoded Text:");
    GetWindowTextW(Control(IDC_COMMAND1), caption, 64);
    EXPECT_STREQ(caption, L"< Encode <");
    GetWindowTextW(Control(IDC_COMMAND2), caption, 64);
    EXPECT_STREQ(caption, L"> Decode >");
}

TEST_F(Form1Test, EncodeThenDecodeGivesBackTheText) {
    const std::wstring texts[] = {
        L"Hello",
        L"two\r\nlines\r\n",
        L"\r\n\r\n\r\n",
        L"tab\there, trailing spaces   ",
        L"Gr\u00FC\u00DFe, \u4F60\u597D, \u0645\u0631\u062D\u0628\u0627, \U0001F600",
        std::wstring(70000, L'x'),
    };
    for (const std::wstring& text : texts) {
        SetText(IDC_TEXT1, text);
        Click(IDC_COMMAND1);
        const std::wstring encoded = Text(IDC_TEXT2);
        EXPECT_FALSE(encoded.empty());
        EXPECT_EQ(encoded.find(text), std::wstring::npos) << "the encoded pane must not show the text";
        EXPECT_EQ(StatusPanel(0), L"Idle");

        SetText(IDC_TEXT1, L"");
        Click(IDC_COMMAND2);
        EXPECT_EQ(Text(IDC_TEXT1), text);
        EXPECT_EQ(StatusPanel(0), L"Idle");
    }
    EXPECT_TRUE(desktop_.messages.empty());
}

TEST_F(Form1Test, StatusPanelNamesTheRunningCommand) {
    std::wstring seen;
    const auto real = engine_factory;
    engine_factory = [&] {
        seen = StatusPanel(0);
        return real();
    };
    SetText(IDC_TEXT1, L"abc");
    Click(IDC_COMMAND1);
    EXPECT_EQ(seen, L"!!!!! Encoding !!!!!!");
    Click(IDC_COMMAND2);
    EXPECT_EQ(seen, L"!!!!! Decoding !!!!!!");
    EXPECT_EQ(StatusPanel(0), L"Idle");
}

TEST_F(Form1Test, CorruptTextFillsThePaneThenSaysSo) {
    // One base64 character changed in the middle of a real encoded text.
    SetText(IDC_TEXT1, L"a message long enough to span a few base64 characters");
    Click(IDC_COMMAND1);
    std::wstring damaged = Text(IDC_TEXT2);
    const size_t middle = damaged.find(L"\r\n") + 10;
    damaged[middle] = damaged[middle] == L'A' ? L'B' : L'A';

    const std::wstring cases[] = {damaged, L"not an encoded text at all"};
    for (const std::wstring& encoded : cases) {
        desktop_.messages.clear();
        SetText(IDC_TEXT1, L"previous text");
        SetText(IDC_TEXT2, encoded);
        std::wstring pane_when_shown, status_when_shown;
        desktop_.on_message = [&](const ShownMessage&) {
            pane_when_shown = Text(IDC_TEXT1);
            status_when_shown = StatusPanel(0);
        };
        Click(IDC_COMMAND2);
        ASSERT_EQ(desktop_.messages.size(), 1u);
        EXPECT_EQ(desktop_.messages[0].text, L"The Encryption Is Corrupt!");
        EXPECT_EQ(desktop_.messages[0].style, kStopOk);
        EXPECT_NE(pane_when_shown, L"previous text") << "the pane is filled before the message";
        EXPECT_EQ(pane_when_shown, Text(IDC_TEXT1));
        EXPECT_EQ(status_when_shown, L"!!!!! Decoding !!!!!!");
        EXPECT_EQ(StatusPanel(0), L"Idle");
        EXPECT_EQ(Text(IDC_TEXT2), encoded);
    }
}

TEST_F(Form1Test, OutOfMemoryKeepsTheTargetAndSaysTextIsTooLong) {
    engine_factory = [] { return EngineFailingWith(E_OUTOFMEMORY); };
    for (const Direction& d : {kEncode, kDecode}) {
        desktop_.messages.clear();
        SetText(d.source, L"source");
        SetText(d.target, L"old target");
        Click(d.button);
        ASSERT_EQ(desktop_.messages.size(), 1u) << d.name;
        EXPECT_EQ(desktop_.messages[0].text, L"Text Is Too Long!");
        EXPECT_EQ(desktop_.messages[0].style, kStopOk);
        EXPECT_EQ(Text(d.target), L"old target") << d.name;
        EXPECT_EQ(Text(d.source), L"source") << d.name;
        EXPECT_EQ(StatusPanel(0), L"Idle");
    }
}

TEST_F(Form1Test, EngineThatCannotBeUsedIsReportedAndChangesNothing) {
    UnregisteredEngine unregistered;
    ASSERT_EQ(unregistered.Result(), S_OK);
    const std::wstring nowhere = FolderWithoutEngine();
    struct Case {
        const char* name;
        std::function<CipherEngineInstance()> factory;
    } engines[] = {
        {"missing", [nowhere] { return CreateCipherEngine(nowhere); }},
        {"failing", [] { return EngineFailingWith(E_FAIL); }},
    };
    for (const Case& engine : engines) {
        engine_factory = engine.factory;
        for (const Direction& d : {kEncode, kDecode}) {
            desktop_.messages.clear();
            SetText(d.source, L"source");
            SetText(d.target, L"old target");
            Click(d.button);
            ASSERT_EQ(desktop_.messages.size(), 1u) << engine.name << " " << d.name;
            EXPECT_THAT(desktop_.messages[0].text, StartsWith(L"The cipher engine could not be used"));
            EXPECT_THAT(desktop_.messages[0].text, HasSubstr(d.button == IDC_COMMAND1 ? L"Nothing was encoded."
                                                                                       : L"Nothing was decoded."));
            EXPECT_EQ(desktop_.messages[0].style, kStopOk);
            EXPECT_EQ(Text(d.source), L"source");
            EXPECT_EQ(Text(d.target), L"old target");
            EXPECT_EQ(StatusPanel(0), L"Idle");
        }
    }
}

// Where the resize rule puts the children for the window's present outer size, starting from
// the design geometry.
Form1Layout ExpectedLayout(HWND window, int dpi) {
    auto rect = [](int id) {
        for (const ChildGeometry& child : kForm1DesignGeometry)
            if (child.id == id) {
                const TwipsRect& r = child.rect;
                return LayoutRect{float(r.left), float(r.top), float(r.width), float(r.height)};
            }
        return LayoutRect{};
    };
    Form1Layout layout{rect(IDC_FRAME1),   rect(IDC_FRAME2),   rect(IDC_TEXT1),    rect(IDC_TEXT2),
                       rect(IDC_COMMAND1), rect(IDC_COMMAND2), rect(IDC_PICTURE1), rect(IDC_PICTURE2)};
    RECT outer;
    GetWindowRect(window, &outer);
    const float status = float(PixelsToTwips(
        [&] { RECT r; GetWindowRect(GetDlgItem(window, IDC_STATUSBAR1), &r); return int(r.bottom - r.top); }(), dpi));
    LayOutForm1({float(PixelsToTwips(outer.right - outer.left, dpi)), float(PixelsToTwips(outer.bottom - outer.top, dpi)),
                 status, 345, 345},
                layout);
    return layout;
}

void ExpectChildrenAt(const Form1Layout& expected, const std::function<RECT(int)>& twips, int dpi) {
    const std::pair<int, LayoutRect Form1Layout::*> children[] = {
        {IDC_FRAME1, &Form1Layout::frame1},     {IDC_FRAME2, &Form1Layout::frame2},
        {IDC_TEXT1, &Form1Layout::text1},       {IDC_TEXT2, &Form1Layout::text2},
        {IDC_COMMAND1, &Form1Layout::command1}, {IDC_COMMAND2, &Form1Layout::command2},
        {IDC_PICTURE1, &Form1Layout::picture1}, {IDC_PICTURE2, &Form1Layout::picture2},
    };
    const float slack = 2.0f * 1440.0f / float(dpi);  // rounding to pixels, twice
    for (const auto& [id, member] : children) {
        const LayoutRect& e = expected.*member;
        const RECT r = twips(id);
        EXPECT_NEAR(r.left, e.left, slack) << id;
        EXPECT_NEAR(r.top, e.top, slack) << id;
        EXPECT_NEAR(r.right, e.width, slack) << id;
        EXPECT_NEAR(r.bottom, e.height, slack) << id;
    }
}

TEST_F(Form1Test, ChildrenEndWhereTheResizeRuleSaysAfterResizeMinimizeAndRestore) {
    HWND window = form_->Window();
    auto twips = [this](int id) { return TwipsInParent(Control(id)); };
    ExpectChildrenAt(ExpectedLayout(window, Dpi()), twips, Dpi());
    EXPECT_EQ(GetParent(Control(IDC_TEXT2)), Control(IDC_FRAME2));
    EXPECT_EQ(GetParent(Control(IDC_TEXT1)), Control(IDC_FRAME1));

    SetWindowPos(window, nullptr, 0, 0, 1100, 700, SWP_NOMOVE | SWP_NOZORDER);
    ExpectChildrenAt(ExpectedLayout(window, Dpi()), twips, Dpi());
    const Form1Layout resized = ExpectedLayout(window, Dpi());

    ShowWindow(window, SW_MINIMIZE);
    ShowWindow(window, SW_RESTORE);
    ExpectChildrenAt(resized, twips, Dpi());

    SetWindowPos(window, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);  // smaller than the toolbars
    ExpectChildrenAt(ExpectedLayout(window, Dpi()), twips, Dpi());

    const RECT bar = TwipsInParent(Control(IDC_STATUSBAR1));
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(bar.left, 0);
    EXPECT_NEAR(bar.right, PixelsToTwips(client.right, Dpi()), 15);
    EXPECT_NEAR(bar.top + bar.bottom, PixelsToTwips(client.bottom, Dpi()), 15) << "the status bar ends at the bottom";
}

TEST_F(Form1Test, OpensWithItsDesignClientSize) {
    RECT client;
    GetClientRect(form_->Window(), &client);
    EXPECT_NEAR(PixelsToTwips(client.right, Dpi()), 14160, 15);
    EXPECT_NEAR(PixelsToTwips(client.bottom, Dpi()), 9240, 15);
}

TEST_F(Form1Test, WindowOpensCentredOnTheWorkArea) {
    RECT window;
    GetWindowRect(form_->Window(), &window);
    MONITORINFO monitor{sizeof monitor, {}, {}, 0};
    GetMonitorInfoW(MonitorFromWindow(form_->Window(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    EXPECT_NEAR(window.left - work.left, work.right - window.right, 1);
    EXPECT_NEAR(window.top - work.top, work.bottom - window.bottom, 1);
}

TEST_F(Form1Test, PanesAreMultiLineUnicodeWithBothScrollBarsAndNoSmallLimit) {
    for (int id : {IDC_TEXT1, IDC_TEXT2}) {
        HWND pane = Control(id);
        const LONG style = GetWindowLongW(pane, GWL_STYLE);
        EXPECT_TRUE(style & ES_MULTILINE);
        EXPECT_TRUE(style & WS_VSCROLL);
        EXPECT_TRUE(style & WS_HSCROLL);
        EXPECT_TRUE(GetWindowLongW(pane, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
        EXPECT_TRUE(IsWindowUnicode(pane));
        // Typing past 30,000 characters: the control's own limit would stop it.
        SetText(id, std::wstring(40000, L'a'));
        SendMessageW(pane, EM_SETSEL, 40000, 40000);
        SendMessageW(pane, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"\u4F60z"));
        EXPECT_EQ(Text(id).size(), 40002u);
        EXPECT_EQ(Text(id).substr(39999), L"a\u4F60z");
    }
}

TEST_F(Form1Test, ControlsUseTahomaEightPointTwoFive) {
    for (int id : {IDC_FRAME1, IDC_FRAME2, IDC_TEXT1, IDC_TEXT2, IDC_COMMAND1, IDC_COMMAND2, IDC_STATUSBAR1}) {
        HFONT font = reinterpret_cast<HFONT>(SendMessageW(Control(id), WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr) << id;
        LOGFONTW description{};
        GetObjectW(font, sizeof description, &description);
        EXPECT_STREQ(description.lfFaceName, L"Tahoma") << id;
        EXPECT_EQ(description.lfHeight, -MulDiv(825, Dpi(), 7200)) << id;
        EXPECT_EQ(description.lfWeight, FW_NORMAL) << id;
    }
}

BOOL CALLBACK FindTooltipWindow(HWND hwnd, LPARAM found) {
    wchar_t cls[64];
    GetClassNameW(hwnd, cls, 64);
    if (lstrcmpiW(cls, TOOLTIPS_CLASSW) != 0) return TRUE;
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
}

TEST_F(Form1Test, EveryControlHasItsTooltip) {
    HWND tooltips = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindTooltipWindow, reinterpret_cast<LPARAM>(&tooltips));
    ASSERT_NE(tooltips, nullptr);
    std::map<HWND, std::wstring> tips;
    const int count = static_cast<int>(SendMessageW(tooltips, TTM_GETTOOLCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[128] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.lpszText = text;
        SendMessageW(tooltips, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&tool));
        tips[reinterpret_cast<HWND>(tool.uId)] = text;
    }
    const std::pair<int, const wchar_t*> expected[] = {
        {IDC_FRAME2, L"Encoded frame."},
        {IDC_TEXT2, L"Encoded Text"},
        {IDC_COMMAND2, L"Decode, Encoded text"},
        {IDC_PICTURE1, L"Popup a menu for encoded text."},
        {IDC_FRAME1, L"Decoded frame."},
        {IDC_TEXT1, L"Decoded Text"},
        {IDC_COMMAND1, L"Encode, Decoded Text"},
        {IDC_PICTURE2, L"Popup a menu for decoded text."},
    };
    for (const auto& [id, text] : expected) EXPECT_EQ(tips[Control(id)], text) << id;
}

TEST_F(Form1Test, PicturesShowTheirMenuIcons) {
    for (int id : {IDC_PICTURE1, IDC_PICTURE2}) {
        HICON icon = reinterpret_cast<HICON>(SendMessageW(Control(id), STM_GETICON, 0, 0));
        ASSERT_NE(icon, nullptr) << id;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bitmap{};
        GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, 32);
        if (info.hbmColor) DeleteObject(info.hbmColor);
        if (info.hbmMask) DeleteObject(info.hbmMask);
    }
    EXPECT_NE(SendMessageW(Control(IDC_PICTURE1), STM_GETICON, 0, 0),
              SendMessageW(Control(IDC_PICTURE2), STM_GETICON, 0, 0));
}

TEST_F(Form1Test, TabMovesTheFocusThroughThePanesAndButtons) {
    SetText(IDC_TEXT1, L"x");  // the buttons are enabled only while their panes hold text
    SetText(IDC_TEXT2, L"y");
    SetFocus(Control(IDC_TEXT2));
    ASSERT_EQ(GetFocus(), Control(IDC_TEXT2));
    const int order[] = {IDC_COMMAND2, IDC_TEXT1, IDC_COMMAND1, IDC_TEXT2};
    for (int next : order) {
        MSG tab{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
        EXPECT_TRUE(IsDialogMessageW(form_->Window(), &tab));
        wchar_t cls[64] = {};
        GetClassNameW(GetFocus(), cls, 64);
        EXPECT_EQ(GetFocus(), Control(next)) << next << " focus is a " << std::string(cls, cls + wcslen(cls));
    }
}

TEST_F(Form1Test, ClockPanelsShowTheTimeWithSecondsAndTheDate) {
    desktop_.now = SYSTEMTIME{2027, 3, 2, 9, 14, 5, 37, 250};
    SendMessageW(form_->Window(), WM_TIMER, 1, 0);
    wchar_t time[64], date[64];
    GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &desktop_.now, nullptr, time, 64);
    GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &desktop_.now, nullptr, date, 64, nullptr);
    EXPECT_EQ(StatusPanel(1), time);
    EXPECT_THAT(StatusPanel(1), HasSubstr(L"37"));
    EXPECT_EQ(StatusPanel(2), date);
}

}  // namespace
}  // namespace wexlin::testing
