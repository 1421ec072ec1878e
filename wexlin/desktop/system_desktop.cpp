#include "desktop.h"

#include <cderr.h>
#include <commdlg.h>
#include <shellapi.h>

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
