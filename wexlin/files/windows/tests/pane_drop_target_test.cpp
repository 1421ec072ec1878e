// The panes' OLE drop target, fed real OLE data objects: the clipboard's, holding a file list
// or only text, as a drag from the shell or from another program would bring them.
#include <windows.h>
#include <ole2.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pane_drop_target.h"
#include "testing/drop_files.h"
#include "win32/com_ptr.h"
#include "win32/ole_scope.h"

namespace wexlin::files {
namespace {

HGLOBAL Text(const std::wstring& text) {
    HGLOBAL memory = GlobalAlloc(GHND, (text.size() + 1) * sizeof(wchar_t));
    text.copy(static_cast<wchar_t*>(GlobalLock(memory)), text.size());
    GlobalUnlock(memory);
    return memory;
}

// The clipboard's data object, holding exactly the given format.
win32::ComPtr<IDataObject> ClipboardDataObject(UINT format, HGLOBAL data) {
    win32::ComPtr<IDataObject> object;
    if (!OpenClipboard(nullptr)) return object;
    EmptyClipboard();
    SetClipboardData(format, data);
    CloseClipboard();
    OleGetClipboard(object.Put());
    return object;
}

struct DropCase {
    const char* name;
    UINT format;
    std::vector<std::wstring> files;  // for CF_HDROP
    DWORD entered_effect;
    std::vector<std::wstring> handled;
};

class PaneDropTargetTest : public ::testing::TestWithParam<DropCase> {
protected:
    win32::OleScope ole_;
};

TEST_P(PaneDropTargetTest, TakesTheFirstFileOfAFileListAndRefusesOtherData) {
    const DropCase& c = GetParam();
    ASSERT_EQ(ole_.Result(), S_OK);
    std::vector<std::wstring> handled;
    win32::ComPtr<IDropTarget> target =
        win32::ComPtr<IDropTarget>::Adopt(NewPaneDropTarget([&](const std::wstring& f) { handled.push_back(f); }));
    win32::ComPtr<IDataObject> data =
        ClipboardDataObject(c.format, c.format == CF_HDROP ? wexlin::testing::MakeDropFiles(c.files) : Text(L"just text"));
    ASSERT_TRUE(data);

    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    EXPECT_EQ(target->DragEnter(data.Get(), MK_LBUTTON, {10, 10}, &effect), S_OK);
    EXPECT_EQ(effect, c.entered_effect);
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(target->DragOver(MK_LBUTTON, {12, 12}, &effect), S_OK);
    EXPECT_EQ(effect, c.entered_effect);
    effect = DROPEFFECT_COPY;
    EXPECT_EQ(target->Drop(data.Get(), 0, {12, 12}, &effect), S_OK);
    EXPECT_EQ(handled, c.handled);
}

INSTANTIATE_TEST_SUITE_P(
    Drops, PaneDropTargetTest,
    ::testing::Values(
        DropCase{"OneFile", CF_HDROP, {L"C:\\d\\a.wxl"}, DROPEFFECT_COPY, {L"C:\\d\\a.wxl"}},
        DropCase{"SeveralFiles", CF_HDROP, {L"C:\\d\\first.txt", L"C:\\d\\second.txt"}, DROPEFFECT_COPY,
                 {L"C:\\d\\first.txt"}},
        DropCase{"NameWithSpaces", CF_HDROP, {L"C:\\my files\\a b.txt"}, DROPEFFECT_COPY, {L"C:\\my files\\a b.txt"}},
        DropCase{"TextOnly", CF_UNICODETEXT, {}, DROPEFFECT_NONE, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace wexlin::files
