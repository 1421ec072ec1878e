// Form1's file operations and the commands, drops and start-up step that use them.
#include "Form1.h"

#include <commdlg.h>

#include "file_operations.h"
#include "pane_text.h"
#include "wexlin/files/file_names.h"

namespace wexlin {
namespace {

constexpr wchar_t kNoEncodedTextToSave[] = L"There is No Encoded Text to Save";
constexpr wchar_t kNoDecodedTextToSave[] = L"There is No Decoded Text to Save";
constexpr wchar_t kOnlyWexlinFiles[] = L"Can't Open any Other Encoded Files than Wexlin Files";

constexpr DWORD kHideReadOnly = OFN_HIDEREADONLY;  // 4: the dialogs' only flag

bool PaneIsEmpty(HWND pane) { return GetWindowTextLengthW(pane) == 0; }

// Puts an opened file's text into its pane; a pane that cannot take it keeps its text.
files::FileResult Load(HWND pane, const std::wstring& file_name, const files::PaneText& read) {
    if (read.failure || !read.text) return read.failure;
    if (!SetWindowTextW(pane, read.text->c_str()))
        return files::FileFailure{files::FileFailure::Action::Open, file_name, SystemErrorText(ERROR_NOT_ENOUGH_MEMORY)};
    return std::nullopt;
}

}  // namespace

files::FileResult Form1::encodedsave(const std::wstring& FileName) {
    return files::SaveEncodedFile(services_.desktop, hwnd_, FileName, PaneText(text2_));
}

files::FileResult Form1::encodedopen(const std::wstring& FileName) {
    return Load(text2_, FileName, files::OpenEncodedFile(services_.desktop, hwnd_, FileName));
}

files::FileResult Form1::decodedsave(const std::wstring& FileName) {
    return files::SaveDecodedFile(FileName, PaneText(text1_));
}

files::FileResult Form1::decodedopen(const std::wstring& FileName) {
    return Load(text1_, FileName, files::OpenDecodedFile(FileName));
}

void Form1::Report(const files::FileResult& result) {
    if (result) files::ReportFileFailure(services_.desktop, hwnd_, *result);
}

// A .wxl name in any case opens, as a drop does; another name is refused with the drop's message.
void Form1::Open1_Click() {
    common_dialog1_.DialogTitle = L"Open Encoded Text";
    const std::optional<std::wstring> name = common_dialog1_.ShowOpen(services_.desktop, hwnd_);
    if (!name || name->empty()) return;
    if (files::EndsInFolded(*name, L"wxl")) {
        Report(encodedopen(*name));
    } else {
        services_.desktop.Message(hwnd_, kOnlyWexlinFiles, MB_OK | MB_ICONINFORMATION);
    }
}

void Form1::Save1_Click() {
    if (PaneIsEmpty(text2_)) {
        services_.desktop.Message(hwnd_, kNoEncodedTextToSave, MB_OK | MB_ICONSTOP);
        return;
    }
    common_dialog1_.DialogTitle = L"Save Encoded Text";
    const std::optional<std::wstring> name = common_dialog1_.ShowSave(services_.desktop, hwnd_);
    if (!name || name->empty()) return;
    Report(encodedsave(files::NameWithExtension(*name, L"wxl")));
}

void Form1::Open2_Click() {
    common_dialog2_.DialogTitle = L"Open Decoded Text";
    const std::optional<std::wstring> name = common_dialog2_.ShowOpen(services_.desktop, hwnd_);
    if (!name || name->empty()) return;
    Report(decodedopen(*name));
}

void Form1::Save2_Click() {
    if (PaneIsEmpty(text1_)) {
        services_.desktop.Message(hwnd_, kNoDecodedTextToSave, MB_OK | MB_ICONSTOP);
        return;
    }
    common_dialog2_.DialogTitle = L"Save Decoded Text";
    const std::optional<std::wstring> name = common_dialog2_.ShowSave(services_.desktop, hwnd_);
    if (!name || name->empty()) return;
    Report(decodedsave(files::NameWithExtension(*name, L"txt")));
}

void Form1::Text1_OLEDragDrop(const std::wstring& file) { Report(decodedopen(file)); }

void Form1::Text2_OLEDragDrop(const std::wstring& file) {
    if (files::EndsInFolded(file, L"wxl")) {
        Report(encodedopen(file));
    } else {
        services_.desktop.Message(hwnd_, kOnlyWexlinFiles, MB_OK | MB_ICONINFORMATION);
    }
}

// Start-up: a file named on the command line opens before the window shows. The shell quotes a
// name with spaces, so one pair of quotes around the whole line goes.
void Form1::OpenCommandLineFile() {
    const std::wstring name = files::CommandLineFileName(services_.command_line);
    if (name.empty()) return;
    Report(files::EndsInExactly(name, L"wxl") ? encodedopen(name) : decodedopen(name));
}

void Form1::SetUpFileDialogs() {
    common_dialog2_.Setup(L"Text File (*.txt)|*.txt|All files(*.*)|*.*|", L".txt", kHideReadOnly);
    common_dialog1_.Setup(L"Wexlin Files (*.wxl)|*.wxl|", L".wxl", kHideReadOnly);
}

}  // namespace wexlin
