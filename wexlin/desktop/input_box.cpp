#include "input_box.h"

#include <commctrl.h>

#include <vector>

namespace wexlin {
namespace {

constexpr WORD kPromptId = 100;
constexpr WORD kInputId = 101;

// A dialog template in memory: the box needs no resource of the program that uses it.
class DialogTemplate {
public:
    DialogTemplate(const std::wstring& title, short width, short height, WORD control_count) {
        DLGTEMPLATE header{};
        header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER;
        header.cdit = control_count;
        header.cx = width;
        header.cy = height;
        Append(&header, sizeof header);
        Word(0);  // no menu
        Word(0);  // the standard dialog class
        Text(title);
        Word(8);  // point size, then the face name
        Text(L"MS Shell Dlg");
    }

    void Control(WORD id, WORD atom_class, DWORD style, short x, short y, short cx, short cy,
                 const std::wstring& text) {
        Align(4);
        DLGITEMTEMPLATE item{};
        item.style = WS_CHILD | WS_VISIBLE | style;
        item.x = x;
        item.y = y;
        item.cx = cx;
        item.cy = cy;
        item.id = id;
        Append(&item, sizeof item);
        Word(0xFFFF);
        Word(atom_class);
        Text(text);
        Word(0);  // no creation data
    }

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void Append(const void* data, size_t bytes) {
        const WORD* w = static_cast<const WORD*>(data);
        words_.insert(words_.end(), w, w + bytes / sizeof(WORD));
    }
    void Word(WORD w) { words_.push_back(w); }
    void Text(const std::wstring& text) {
        for (wchar_t c : text) Word(static_cast<WORD>(c));
        Word(0);
    }
    void Align(size_t bytes) {
        while ((words_.size() * sizeof(WORD)) % bytes) Word(0);
    }

    std::vector<WORD> words_;
};

struct InputBoxState {
    const std::wstring* initial;
    std::wstring answer;
};

INT_PTR CALLBACK InputBoxProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* state = reinterpret_cast<InputBoxState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG: {
        state = reinterpret_cast<InputBoxState*>(lparam);
        SetWindowLongPtrW(dialog, DWLP_USER, lparam);
        HWND input = GetDlgItem(dialog, kInputId);
        SendMessageW(input, EM_SETLIMITTEXT, 0, 0);
        SetWindowTextW(input, state->initial->c_str());
        SendMessageW(input, EM_SETSEL, 0, -1);
        SetFocus(input);
        return FALSE;  // the focus is set
    }
    case WM_COMMAND:
        if (LOWORD(wparam) == IDOK) {
            HWND input = GetDlgItem(dialog, kInputId);
            std::wstring text(static_cast<size_t>(GetWindowTextLengthW(input)), L'\0');
            text.resize(static_cast<size_t>(GetWindowTextW(input, text.data(), static_cast<int>(text.size()) + 1)));
            state->answer = std::move(text);
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wparam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    default:
        break;
    }
    return FALSE;
}

}  // namespace

std::wstring ShowInputBox(HWND owner, const std::wstring& title, const std::wstring& prompt,
                          const std::wstring& initial) {
    // Dialog units: the prompt at the left with room for a few lines, the buttons at the right,
    // the input line across the bottom.
    DialogTemplate box(title, 250, 92, 4);
    box.Control(kPromptId, 0x0082, SS_LEFT | SS_NOPREFIX, 7, 7, 180, 56, prompt);
    box.Control(IDOK, 0x0080, WS_TABSTOP | BS_DEFPUSHBUTTON, 193, 7, 50, 14, L"OK");
    box.Control(IDCANCEL, 0x0080, WS_TABSTOP | BS_PUSHBUTTON, 193, 25, 50, 14, L"Cancel");
    box.Control(kInputId, 0x0081, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 7, 70, 236, 13, L"");
    InputBoxState state{&initial, {}};
    const INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), box.Get(), owner, InputBoxProc,
                                                   reinterpret_cast<LPARAM>(&state));
    return result == IDOK ? state.answer : std::wstring();
}

}  // namespace wexlin
