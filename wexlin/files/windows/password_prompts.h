#pragma once
// The password prompts of .wxl files, shared by the main window and the converter. Each prompt
// is pre-filled with the default file password, read from the settings store at that moment.
#include <windows.h>

#include <optional>
#include <string>

#include "desktop.h"

namespace wexlin::files {

inline constexpr wchar_t kSavePrompt[] =
    L"Enter a Password for this File.\r\nMust be Between 1-9 Characters. \r\nEnter the Word none for No Password.";
inline constexpr wchar_t kOpenPrompt[] = L"Enter the Password for This File";
inline constexpr wchar_t kMustEnterPassword[] = L"You Must Enter a Password that is Between 1-9 Characters.";
inline constexpr wchar_t kTryAgain[] = L"You did not Have a Password Between 1-9 Characters. Try Again!";
inline constexpr wchar_t kCorruptFile[] = L"This File is Corrupt. It may Have Been Tampered With!";
inline constexpr wchar_t kNoPasswordEntered[] = L"You can't Enter No Password!";
inline constexpr wchar_t kWrongPassword[] = L"Wrong Password!";
inline constexpr wchar_t kUnstorablePassword[] =
    L"A Wexlin file cannot store that password: use letters, digits and signs of Western European "
    L"languages only. Try Again!";

// The settings key of the default file password.
inline constexpr wchar_t kDefaultPasswordKey[] = L"Passwordf";

// Asks for the password of a file about to be written, until the answer is empty (which ends
// with its message) or can be stored. The password header, or nothing when the save ends.
std::optional<std::string> AskSavePasswordHeader(Desktop& desktop, HWND owner);

// Asks for the password of a file being opened and compares the answer with the stored one.
// False after its message when the answer was empty or wrong.
bool AskOpenPassword(Desktop& desktop, HWND owner, const std::u16string& stored_password);

}  // namespace wexlin::files
