#include "password_prompts.h"

#include "settings_store.h"
#include "text_units.h"
#include "wexlin/files/encodedsave.h"
#include "wexlin/files/open_password.h"

namespace wexlin::files {

std::optional<std::string> AskSavePasswordHeader(Desktop& desktop, HWND owner) {
    for (;;) {
        const std::wstring answer = desktop.InputBox(owner, kSavePrompt, ReadSetting(kDefaultPasswordKey));
        SavePassword password = CheckSavePassword(ToU16(answer));
        switch (password.status) {
        case SavePasswordStatus::Accepted: return std::move(password.header);
        case SavePasswordStatus::Empty:
            desktop.Message(owner, kMustEnterPassword, MB_OK | MB_ICONINFORMATION);
            return std::nullopt;
        case SavePasswordStatus::TooLong: desktop.Message(owner, kTryAgain, MB_OK | MB_ICONINFORMATION); break;
        case SavePasswordStatus::Unstorable:
            desktop.Message(owner, kUnstorablePassword, MB_OK | MB_ICONINFORMATION);
            break;
        }
    }
}

bool AskOpenPassword(Desktop& desktop, HWND owner, const std::u16string& stored_password) {
    const std::wstring answer = desktop.InputBox(owner, kOpenPrompt, ReadSetting(kDefaultPasswordKey));
    switch (CheckOpenAnswer(stored_password, ToU16(answer))) {
    case OpenAnswer::Accepted: return true;
    case OpenAnswer::Empty: desktop.Message(owner, kNoPasswordEntered, MB_OK | MB_ICONEXCLAMATION); return false;
    case OpenAnswer::Wrong: desktop.Message(owner, kWrongPassword, MB_OK | MB_ICONEXCLAMATION); return false;
    }
    return false;
}

}  // namespace wexlin::files
