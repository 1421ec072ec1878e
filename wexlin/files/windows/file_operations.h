#pragma once
// The four file operations behind the panes: each takes the file's full name, opens, uses and
// closes the file within the call, shows its own prompts and messages, and hands a failure of
// the file system, or a file it cannot read, back to its caller.
#include <windows.h>

#include <optional>
#include <string>

#include "desktop.h"

namespace wexlin::files {

struct FileFailure {
    enum class Action { Open, Save };
    Action action = Action::Open;
    std::wstring file;
    std::wstring reason;
};

// Nothing when the operation did its work, or ended with its own message or a cancelled prompt.
using FileResult = std::optional<FileFailure>;

struct PaneText {
    std::optional<std::wstring> text;  // what the pane is to hold; nothing leaves the pane as it is
    FileResult failure;
};

// encodedopen: reads a .wxl file, checks its header and asks for its password.
PaneText OpenEncodedFile(Desktop& desktop, HWND owner, const std::wstring& file_name);
// encodedsave: asks for a password and writes the encoded text behind its header.
FileResult SaveEncodedFile(Desktop& desktop, HWND owner, const std::wstring& file_name,
                            const std::wstring& encoded_text);
// decodedopen: reads a text file.
PaneText OpenDecodedFile(const std::wstring& file_name);
// decodedsave: writes the text and CR LF.
FileResult SaveDecodedFile(const std::wstring& file_name, const std::wstring& text);

// The message for a failure: which file, what went wrong, and that nothing was lost.
std::wstring FileFailureMessage(const FileFailure& failure);
void ReportFileFailure(Desktop& desktop, HWND owner, const FileFailure& failure);

// Reasons for files that hold something the program cannot read or write.
inline constexpr wchar_t kHeaderCodeBelow10[] = L"Its password header holds a character that no Wexlin file holds.";
inline constexpr wchar_t kShorterThanHeader[] = L"The file ends inside its password header.";
inline constexpr wchar_t kEmptyFile[] = L"The file is empty.";
inline constexpr wchar_t kUnstorableEncodedText[] =
    L"The encoded text holds characters that a Wexlin file cannot store. Only the text that "
    L"\"< Encode <\" writes can be saved.";

}  // namespace wexlin::files
