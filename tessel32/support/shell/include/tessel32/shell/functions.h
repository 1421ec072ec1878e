#pragma once
// The shell, directory and dialog functions of Tessel32. RunFile, GetWinDir and
// GetWinSysDir become members of the Tessel control; IsNtPlatform (module OSVER) and the two
// dialogs (module FileColor) serve the rebar and the property page. The services that show
// something or start something go through a Shell (shell.h).
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "tessel32/shell/shell.h"

namespace tessel32::shell {

// RunFile: starts the file, address or shortcut with its associated program, owned by the
// control's window: verb "" (the default action) for names ending in "lnk", else "Open"; no
// parameters, no directory, SW_SHOWNORMAL. The result is not looked at.
void RunFile(Shell& shell, HWND owner, const std::wstring& xFileName);

// GetWinDir, GetWinSysDir: the Windows and the system directory, without a trailing backslash;
// what the system wrote, so possibly the empty string.
std::wstring GetWinDir();
std::wstring GetWinSysDir();

// IsNtPlatform (module OSVER): true on an NT-family system (and Win32s), false on the Windows 95
// family or when the version cannot be read.
bool IsNtPlatform();

// The colour the user chose in the colour dialog (solid colours, 16 black custom colours made
// afresh each time), or none when cancelled.
std::optional<COLORREF> ChooseSolidColor(Shell& shell, HWND owner);

// ShowColorDialog (module FileColor): on a chosen colour Target's BackColor takes it and the
// result is true; on cancel nothing changes and the result is false. Target is anything with
// SetBackColor(COLORREF), as the picture holders have.
template <class Target>
bool ShowColorDialog(Shell& shell, HWND owner, Target& target) {
    const std::optional<COLORREF> chosen = ChooseSolidColor(shell, owner);
    if (!chosen) return false;
    target.SetBackColor(*chosen);
    return true;
}

// LastPictureDir and LastPictureFile (process-wide state of the library): the folder (with its
// backslash) and the file name last chosen in a file dialog. The caller owns them.
struct LastPicture {
    std::wstring dir;
    std::wstring file;
};

// ShowFileDialog (module FileColor): mode 1 shows the open dialog (the file and path must exist),
// any other the save dialog (asks before overwriting); the read-only box is hidden. Filter is
// pairs of description and pattern, each ended by NUL (MakeFilter); empty title, folder or
// default extension mean none. Returns the chosen path, and sets last; on cancel or any failure
// of the dialog returns "" and leaves last alone.
std::wstring ShowFileDialog(Shell& shell, HWND owner, std::int16_t mode, const std::wstring& title,
                            const std::wstring& start_file, const std::wstring& filter, const std::wstring& initial_dir,
                            const std::wstring& def_ext, LastPicture& last);

// The OPENFILENAME flags of the two modes: 6148 (0x1804) and 2054 (0x806).
inline constexpr DWORD kOpenDialogFlags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
inline constexpr DWORD kSaveDialogFlags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
static_assert(kOpenDialogFlags == 6148 && kSaveDialogFlags == 2054);

// The structure sizes the dialogs are given: the original 36-byte CHOOSECOLOR and 76-byte
// OPENFILENAME on 32-bit Windows (the OPENFILENAME of before Windows 2000, so no places bar), and
// the same layouts on 64-bit Windows.
inline constexpr DWORD kChooseColorSize = sizeof(CHOOSECOLORA);
// (OPENFILENAME_SIZE_VERSION_400A: the structure up to and with lpTemplateName.)
inline constexpr DWORD kOpenFileNameSize = offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR);
#if !defined(_WIN64)
static_assert(kChooseColorSize == 36 && kOpenFileNameSize == 76);
#endif

}  // namespace tessel32::shell
