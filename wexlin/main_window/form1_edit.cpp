// Form1's clipboard, clear and insert commands. Each acts on the pane it is named for (the
// inserts always on the decoded pane), whichever control has the focus.
#include "Form1.h"

#include "clock_text.h"
#include "form1_ids.h"
#include "pane_text.h"
#include "settings_store.h"

namespace wexlin {

void Form1::ReportClipboardFailure(DWORD error) {
    services_.desktop.Message(hwnd_, L"The clipboard could not be used.\r\n\r\n" + SystemErrorText(error),
                              MB_OK | MB_ICONEXCLAMATION);
}

// The clipboard is emptied first, so what it held is gone even when the pane gives nothing.
void Form1::Copy(HWND pane) {
    if (DWORD error = services_.desktop.EmptyClipboard(hwnd_)) return ReportClipboardFailure(error);
    const std::wstring selected = SelectedText(pane);
    const std::wstring text = selected.empty() ? PaneText(pane) : selected;
    if (DWORD error = services_.desktop.SetClipboardText(hwnd_, text)) ReportClipboardFailure(error);
}

// The pane changes only once its text is safely on the clipboard.
void Form1::Cut(HWND pane) {
    if (DWORD error = services_.desktop.EmptyClipboard(hwnd_)) return ReportClipboardFailure(error);
    const std::wstring selected = SelectedText(pane);
    if (selected.empty()) {
        if (DWORD error = services_.desktop.SetClipboardText(hwnd_, PaneText(pane))) return ReportClipboardFailure(error);
        ReplaceAllText(pane, L"");
    } else {
        if (DWORD error = services_.desktop.SetClipboardText(hwnd_, selected)) return ReportClipboardFailure(error);
        ReplaceSelection(pane, L"");
    }
}

void Form1::Paste(HWND pane) {
    std::wstring text;
    if (DWORD error = services_.desktop.GetClipboardText(hwnd_, text)) return ReportClipboardFailure(error);
    ReplaceSelection(pane, text);
}

void Form1::Clear(HWND pane) { ReplaceAllText(pane, L""); }

void Form1::cut1_Click() { Cut(text2_); }
void Form1::copy1_Click() { Copy(text2_); }
void Form1::paste1_Click() { Paste(text2_); }
void Form1::Clear1_Click() { Clear(text2_); }
void Form1::cut2_Click() { Cut(text1_); }
void Form1::copy2_Click() { Copy(text1_); }
void Form1::paste2_Click() { Paste(text1_); }
void Form1::Clear2_Click() { Clear(text1_); }

namespace {

// The stored-text items of the Insert menu: their settings key and their label when empty.
struct StoredTextItem {
    UINT id;
    const wchar_t* key;
    const wchar_t* label;
};
constexpr StoredTextItem kStoredTextItems[] = {
    {IDM_NAME1, L"Name", L"Name"},       {IDM_EMAIL1, L"Email", L"E-mail"}, {IDM_OTHER1, L"Other", L"Other"},
    {IDM_WEB1, L"Webpage", L"Webpage"},  {IDM_EXTRA1, L"Extra1", L"Extra1"}, {IDM_EXTRA2, L"Extra2", L"Extra2"},
    {IDM_EXTRA3, L"Extra3", L"Extra3"},
};

// A stored text shows as it is written: an "&" in it is a character, not an access key.
std::wstring MenuCaption(const std::wstring& text) {
    std::wstring caption;
    for (wchar_t c : text) {
        caption += c;
        if (c == L'&') caption += L'&';
    }
    return caption;
}

void SetItem(HMENU menu, UINT id, const std::wstring& caption, bool enabled) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING | MIIM_STATE;
    item.dwTypeData = const_cast<wchar_t*>(caption.c_str());
    item.fState = enabled ? MFS_ENABLED : MFS_DISABLED;
    SetMenuItemInfoW(menu, id, FALSE, &item);
}

void SetCaption(HMENU menu, UINT id, const std::wstring& caption) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING;
    item.dwTypeData = const_cast<wchar_t*>(caption.c_str());
    SetMenuItemInfoW(menu, id, FALSE, &item);
}

}  // namespace

// The menu shows what the store holds at the moment it opens.
void Form1::RefreshInsertMenu() {
    HMENU insert = Menu(FORM1_MENU_INSERT);
    for (const StoredTextItem& item : kStoredTextItems) {
        const std::wstring value = ReadSetting(item.key);
        SetItem(insert, item.id, value.empty() ? item.label : MenuCaption(value), !value.empty());
    }
}

// The Date item keeps the start-up date; the Time item follows the clock.
void Form1::SetStartupInsertCaptions() {
    SetCaption(Menu(FORM1_MENU_INSERT), IDM_DATE1, ShortDateText(services_.desktop.Now()));
    UpdateTimeCaption();
}

void Form1::UpdateTimeCaption() {
    SetCaption(Menu(FORM1_MENU_INSERT), IDM_TIME1, TimeText(services_.desktop.Now()));
}

// Into the decoded pane at its selection, nothing added before or after.
void Form1::Insert(const std::wstring& text) { ReplaceSelection(text1_, text); }

void Form1::InsertSetting(const wchar_t* key) { Insert(ReadSetting(key)); }

void Form1::date1_Click() { Insert(ShortDateText(services_.desktop.Now())); }
void Form1::Time1_Click() { Insert(TimeText(services_.desktop.Now())); }
void Form1::name1_Click() { InsertSetting(L"Name"); }
void Form1::email1_Click() { InsertSetting(L"Email"); }
void Form1::web1_Click() { InsertSetting(L"Webpage"); }
void Form1::other1_Click() { InsertSetting(L"Other"); }
void Form1::extra1_Click() { InsertSetting(L"Extra1"); }
void Form1::extra2_Click() { InsertSetting(L"Extra2"); }
void Form1::extra3_Click() { InsertSetting(L"Extra3"); }

}  // namespace wexlin
