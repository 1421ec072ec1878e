#include "file_operations.h"

#include "file_io.h"
#include "password_prompts.h"
#include "text_units.h"
#include "wexlin/files/decodedopen.h"
#include "wexlin/files/decodedsave.h"
#include "wexlin/files/encodedopen.h"
#include "wexlin/files/encodedsave.h"
#include "wexlin/files/windows1252.h"

namespace wexlin::files {
namespace {

FileFailure Failure(FileFailure::Action action, const std::wstring& file, std::wstring reason) {
    return {action, file, std::move(reason)};
}

FileFailure SystemFailure(FileFailure::Action action, const std::wstring& file, DWORD error) {
    return Failure(action, file, SystemErrorText(error));
}

}  // namespace

PaneText OpenEncodedFile(Desktop& desktop, HWND owner, const std::wstring& file_name) {
    const FileBytes file = ReadWholeFile(file_name);
    if (file.error != ERROR_SUCCESS) return {std::nullopt, SystemFailure(FileFailure::Action::Open, file_name, file.error)};
    const EncodedFile encoded = ReadEncodedFile(file.bytes);
    switch (encoded.status) {
    case EncodedReadStatus::NothingToLoad: return {};
    case EncodedReadStatus::Corrupt: desktop.Message(owner, kCorruptFile, MB_OK | MB_ICONSTOP); return {};
    case EncodedReadStatus::HeaderCodeBelow10:
        return {std::nullopt, Failure(FileFailure::Action::Open, file_name, kHeaderCodeBelow10)};
    case EncodedReadStatus::ShorterThanHeader:
        return {std::nullopt, Failure(FileFailure::Action::Open, file_name, kShorterThanHeader)};
    case EncodedReadStatus::Loaded: break;
    }
    if (encoded.needs_password && !AskOpenPassword(desktop, owner, encoded.stored_password)) return {};
    return {ToWide(encoded.body), std::nullopt};
}

FileResult SaveEncodedFile(Desktop& desktop, HWND owner, const std::wstring& file_name,
                            const std::wstring& encoded_text) {
    // Refused before the prompt: no password can make such a text storable.
    const std::u16string text = ToU16(encoded_text);
    if (!FitsWindows1252(text)) return Failure(FileFailure::Action::Save, file_name, kUnstorableEncodedText);
    const std::optional<std::string> header = AskSavePasswordHeader(desktop, owner);
    if (!header) return std::nullopt;
    const std::optional<std::string> bytes = EncodedFileBytes(*header, text);
    if (!bytes) return Failure(FileFailure::Action::Save, file_name, kUnstorableEncodedText);
    const DWORD error = ReplaceFileContents(file_name, *bytes);
    if (error != ERROR_SUCCESS) return SystemFailure(FileFailure::Action::Save, file_name, error);
    return std::nullopt;
}

PaneText OpenDecodedFile(const std::wstring& file_name) {
    const FileBytes file = ReadWholeFile(file_name);
    if (file.error != ERROR_SUCCESS) return {std::nullopt, SystemFailure(FileFailure::Action::Open, file_name, file.error)};
    const DecodedFile decoded = ReadDecodedFile(file.bytes);
    if (decoded.status == DecodedReadStatus::EmptyFile)
        return {std::nullopt, Failure(FileFailure::Action::Open, file_name, kEmptyFile)};
    return {ToWide(decoded.text), std::nullopt};
}

FileResult SaveDecodedFile(const std::wstring& file_name, const std::wstring& text) {
    const DWORD error = ReplaceFileContents(file_name, DecodedFileBytes(ToU16(text)));
    if (error != ERROR_SUCCESS) return SystemFailure(FileFailure::Action::Save, file_name, error);
    return std::nullopt;
}

std::wstring FileFailureMessage(const FileFailure& failure) {
    const bool opening = failure.action == FileFailure::Action::Open;
    std::wstring text = opening ? L"Wexlin could not open the file\r\n" : L"Wexlin could not save the file\r\n";
    text += failure.file;
    text += L"\r\n\r\n";
    text += failure.reason;
    text += opening ? L"\r\n\r\nThe pane keeps its text." : L"\r\n\r\nAny file of that name is as it was.";
    return text;
}

void ReportFileFailure(Desktop& desktop, HWND owner, const FileFailure& failure) {
    desktop.Message(owner, FileFailureMessage(failure), MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace wexlin::files
