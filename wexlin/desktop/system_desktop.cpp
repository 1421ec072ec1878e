#include "desktop.h"

#include <cderr.h>
#include <commdlg.h>
#include <shellapi.h>
#include <winspool.h>

#include "dialog_filter.h"
#include "input_box.h"

namespace wexlin {
namespace {

// Longest path the file dialogs hand back (the long-path limit of the file system).
constexpr DWORD kFileNameCapacity = 32768;

std::optional<std::wstring> ShowFileDialog(HWND owner, const FileDialogRequest& request,
                                           const std::wstring& offered) {
    const std::wstring filter = DialogFilterString(request.filter);
    std::wstring extension = request.default_extension;
    if (!extension.empty() && extension.front() == L'.') extension.erase(0, 1);
    std::wstring file(kFileNameCapacity, L'\0');
    offered.copy(file.data(), kFileNameCapacity - 1);

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = kFileNameCapacity;
    dialog.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags = request.flags | OFN_EXPLORER;
    const BOOL chosen = request.kind == FileDialogRequest::Kind::Open ? GetOpenFileNameW(&dialog)
                                                                      : GetSaveFileNameW(&dialog);
    if (!chosen) {
        // A remembered name that is no longer valid must not make the dialog unusable.
        if (CommDlgExtendedError() == FNERR_INVALIDFILENAME && !offered.empty())
            return ShowFileDialog(owner, request, L"");
        return std::nullopt;
    }
    file.resize(wcslen(file.c_str()));
    return file;
}

// Another program may hold the clipboard for a moment; try a little before giving up.
DWORD OpenClipboardFor(HWND owner) {
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (OpenClipboard(owner)) return ERROR_SUCCESS;
        Sleep(10);
    }
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? error : ERROR_ACCESS_DENIED;
}

class ClipboardScope {
public:
    explicit ClipboardScope(HWND owner) : error_(OpenClipboardFor(owner)) {}
    ~ClipboardScope() {
        if (error_ == ERROR_SUCCESS) CloseClipboard();
    }
    ClipboardScope(const ClipboardScope&) = delete;
    ClipboardScope& operator=(const ClipboardScope&) = delete;
    DWORD Error() const { return error_; }

private:
    DWORD error_;
};

class Win32Desktop final : public Desktop {
public:
    int Message(HWND owner, const std::wstring& text, UINT style) override {
        return MessageBoxW(owner, text.c_str(), kMessageTitle, style);
    }

    std::wstring InputBox(HWND owner, const std::wstring& prompt, const std::wstring& initial) override {
        return ShowInputBox(owner, kMessageTitle, prompt, initial);
    }

    std::optional<std::wstring> ChooseFile(HWND owner, const FileDialogRequest& request) override {
        return ShowFileDialog(owner, request, request.file_name);
    }

    DWORD OpenAddress(HWND owner, const std::wstring& address) override {
        SHELLEXECUTEINFOW execute{};
        execute.cbSize = sizeof execute;
        execute.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
        execute.hwnd = owner;
        execute.lpVerb = L"open";
        execute.lpFile = address.c_str();
        execute.nShow = SW_SHOWNORMAL;
        if (ShellExecuteExW(&execute)) return ERROR_SUCCESS;
        const DWORD error = GetLastError();
        return error != ERROR_SUCCESS ? error : ERROR_NO_ASSOCIATION;
    }

    DWORD EmptyClipboard(HWND owner) override {
        ClipboardScope clipboard(owner);
        if (clipboard.Error() != ERROR_SUCCESS) return clipboard.Error();
        return ::EmptyClipboard() ? ERROR_SUCCESS : GetLastError();
    }

    DWORD SetClipboardText(HWND owner, const std::wstring& text) override {
        const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
        if (!memory) return ERROR_NOT_ENOUGH_MEMORY;
        auto* chars = static_cast<wchar_t*>(GlobalLock(memory));
        text.copy(chars, text.size());
        chars[text.size()] = L'\0';
        GlobalUnlock(memory);
        ClipboardScope clipboard(owner);
        DWORD error = clipboard.Error();
        if (error == ERROR_SUCCESS && !::EmptyClipboard()) error = GetLastError();
        if (error == ERROR_SUCCESS && !SetClipboardData(CF_UNICODETEXT, memory)) error = GetLastError();
        if (error != ERROR_SUCCESS) GlobalFree(memory);  // the clipboard did not take it
        return error;
    }

    DWORD GetClipboardText(HWND owner, std::wstring& text) override {
        text.clear();
        ClipboardScope clipboard(owner);
        if (clipboard.Error() != ERROR_SUCCESS) return clipboard.Error();
        HANDLE data = GetClipboardData(CF_UNICODETEXT);
        if (!data) return ERROR_SUCCESS;  // no text on the clipboard
        const auto* chars = static_cast<const wchar_t*>(GlobalLock(data));
        if (!chars) return GetLastError();
        text.assign(chars, wcsnlen(chars, GlobalSize(data) / sizeof(wchar_t)));
        GlobalUnlock(data);
        return ERROR_SUCCESS;
    }

    UINT PopupMenu(HWND owner, HMENU menu, POINT at) override {
        SetForegroundWindow(owner);  // so that a click elsewhere dismisses the menu
        const UINT chosen = static_cast<UINT>(
            TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, owner, nullptr));
        PostMessageW(owner, WM_NULL, 0, 0);
        return chosen;
    }

    DWORD StartProgram(const std::wstring& program) override {
        // The path is quoted, so a path with spaces can only start the program it names.
        std::wstring command_line = L"\"" + program + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process))
            return GetLastError();
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return ERROR_SUCCESS;
    }

    Printer DefaultPrinter() override {
        Printer printer;
        DWORD length = 0;
        GetDefaultPrinterW(nullptr, &length);
        if (length == 0) {
            printer.error = GetLastError() != ERROR_SUCCESS ? GetLastError() : ERROR_NOT_FOUND;
            if (printer.error == ERROR_INSUFFICIENT_BUFFER) printer.error = ERROR_NOT_FOUND;
            return printer;
        }
        printer.name.resize(length);
        if (!GetDefaultPrinterW(printer.name.data(), &length)) {
            printer.error = GetLastError();
            return printer;
        }
        printer.name.resize(wcslen(printer.name.c_str()));
        printer.dc.Reset(CreateDCW(L"WINSPOOL", printer.name.c_str(), nullptr, nullptr));
        if (!printer.dc) printer.error = GetLastError() != ERROR_SUCCESS ? GetLastError() : ERROR_INVALID_PRINTER_NAME;
        return printer;
    }

    SYSTEMTIME Now() override {
        SYSTEMTIME now;
        GetLocalTime(&now);
        return now;
    }
};

}  // namespace

Desktop& SystemDesktop() {
    static Win32Desktop desktop;
    return desktop;
}

std::wstring SystemErrorText(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length ? std::wstring(buffer, length) : L"";
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
    if (text.empty()) text = L"Error " + std::to_wstring(error) + L".";
    return text;
}

}  // namespace wexlin
