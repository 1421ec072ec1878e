// Form1's Open and Save commands, drops and command line, on real files, with the dialogs and
// prompts answered by the scripted desktop.
#include <windows.h>
#include <shlobj.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "file_operations.h"
#include "form1_fixture.h"
#include "form1_ids.h"
#include "password_prompts.h"
#include "settings_store.h"
#include "testing/drop_files.h"
#include "testing/temp_folder.h"

namespace wexlin::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using namespace std::string_literals;

constexpr UINT kInformation = MB_OK | MB_ICONINFORMATION;

// The default file password for the time of one test.
class ScopedDefaultPassword {
public:
    explicit ScopedDefaultPassword(const std::wstring& password) : old_(ReadSetting(files::kDefaultPasswordKey)) {
        WriteSetting(files::kDefaultPasswordKey, password);
    }
    ~ScopedDefaultPassword() { WriteSetting(files::kDefaultPasswordKey, old_); }

private:
    std::wstring old_;
};

class Form1FilesTest : public Form1Test {
protected:
    void Command(int id) { SendMessageW(form_->Window(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    std::vector<std::wstring> MessageTexts() const {
        std::vector<std::wstring> texts;
        for (const ShownMessage& m : desktop_.messages) texts.push_back(m.text);
        return texts;
    }
    void PumpMessages() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    TempFolder folder_;
    ScopedDefaultPassword no_default_{L""};
};

// The header of "pass": the length digit and the letters, each moved up by 10.
const std::string kPassHeader = ">zk}}";
// The no-password marker, the header that "none" gives.
const std::string kNoneHeader = "\x3e\x78\x79\x78\x6f";

TEST_F(Form1FilesTest, EncodedTextSavedAndOpenedAgainThroughItsDialogAndPrompts) {
    SetText(IDC_TEXT2, L"-----BEGIN-----\r\nABC\r\n-----END-----");
    desktop_.file_choices = {folder_.Path(L"secret")};
    desktop_.input_answers = {L"pass"};
    Command(IDM_SAVE1);

    EXPECT_EQ(folder_.Read(L"secret.wxl"), kPassHeader + "-----BEGIN-----\r\nABC\r\n-----END-----\r\n");
    ASSERT_EQ(desktop_.file_dialogs.size(), 1u);
    const FileDialogRequest& save = desktop_.file_dialogs[0];
    EXPECT_EQ(save.kind, FileDialogRequest::Kind::Save);
    EXPECT_EQ(save.title, L"Save Encoded Text");
    EXPECT_EQ(save.filter, L"Wexlin Files (*.wxl)|*.wxl|");
    EXPECT_EQ(save.default_extension, L".wxl");
    EXPECT_EQ(save.flags, 4u);
    ASSERT_EQ(desktop_.input_boxes.size(), 1u);
    EXPECT_EQ(desktop_.input_boxes[0].prompt,
              L"Enter a Password for this File.\r\nMust be Between 1-9 Characters. \r\nEnter the Word none for No Password.");

    SetText(IDC_TEXT2, L"something else");
    desktop_.file_choices = {folder_.Path(L"secret.wxl")};
    desktop_.input_answers = {L"pass"};
    Command(IDM_OPEN1);
    EXPECT_EQ(Text(IDC_TEXT2), L"-----BEGIN-----\r\nABC\r\n-----END-----");
    ASSERT_EQ(desktop_.file_dialogs.size(), 2u);
    EXPECT_EQ(desktop_.file_dialogs[1].kind, FileDialogRequest::Kind::Open);
    EXPECT_EQ(desktop_.file_dialogs[1].title, L"Open Encoded Text");
    EXPECT_EQ(desktop_.file_dialogs[1].file_name, folder_.Path(L"secret"));  // the name last chosen in it
    EXPECT_EQ(desktop_.input_boxes.back().prompt, L"Enter the Password for This File");
    EXPECT_TRUE(desktop_.messages.empty());
}

TEST_F(Form1FilesTest, SavePromptLoopsUntilAnAnswerCanBeStoredOrIsEmpty) {
    struct Case {
        const char* name;
        std::vector<std::wstring> answers;
        std::vector<std::wstring> messages;
        std::string file;  // what the target holds afterwards ("old" before the command)
    } cases[] = {
        {"nine characters", {L"123456789"}, {}, "C;<=>?@ABCbody\r\n"},
        {"ten, then valid", {L"0123456789", L"pass"}, {files::kTryAgain}, kPassHeader + "body\r\n"},
        {"ten, then cancel", {L"0123456789", L""}, {files::kTryAgain, files::kMustEnterPassword}, "old"},
        {"cancel", {L""}, {files::kMustEnterPassword}, "old"},
        {"none", {L"none"}, {}, kNoneHeader + "body\r\n"},
        {"None is a password", {L"None"}, {}, ">Xyxo"s + "body\r\n"},
        {"unstorable, then valid", {L"pa\u4e2d", L"pass"}, {files::kUnstorablePassword}, kPassHeader + "body\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        folder_.Write(L"target.wxl", "old");
        SetText(IDC_TEXT2, L"body");
        desktop_.messages.clear();
        desktop_.input_boxes.clear();
        desktop_.file_choices = {folder_.Path(L"target.wxl")};
        desktop_.input_answers.assign(c.answers.begin(), c.answers.end());
        Command(IDM_SAVE1);
        EXPECT_EQ(MessageTexts(), c.messages);
        EXPECT_EQ(desktop_.input_boxes.size(), c.answers.size());
        EXPECT_EQ(folder_.Read(L"target.wxl"), c.file);
        EXPECT_EQ(folder_.Files(), std::vector<std::wstring>{L"target.wxl"});  // no temporary file left
    }
}

TEST_F(Form1FilesTest, EveryPromptIsPrefilledWithTheDefaultPasswordReadAnew) {
    ScopedDefaultPassword password(L"Dflt1");
    SetText(IDC_TEXT2, L"body");
    desktop_.file_choices = {folder_.Path(L"a.wxl")};
    desktop_.input_answers = {L"0123456789"};
    desktop_.on_message = [](const ShownMessage&) { WriteSetting(files::kDefaultPasswordKey, L"Dflt2"); };
    desktop_.input_answers.push_back(L"Dflt2");
    Command(IDM_SAVE1);
    ASSERT_EQ(desktop_.input_boxes.size(), 2u);
    EXPECT_EQ(desktop_.input_boxes[0].initial, L"Dflt1");
    EXPECT_EQ(desktop_.input_boxes[1].initial, L"Dflt2");  // not the rejected answer

    desktop_.file_choices = {folder_.Path(L"a.wxl")};
    desktop_.input_answers = {L"Dflt2"};
    SetText(IDC_TEXT2, L"");
    Command(IDM_OPEN1);
    EXPECT_EQ(desktop_.input_boxes.back().initial, L"Dflt2");
    EXPECT_EQ(Text(IDC_TEXT2), L"body");
}

TEST_F(Form1FilesTest, OpeningAnEncodedFileChecksItsHeaderAndPassword) {
    struct Case {
        const char* name;
        std::string file;
        std::vector<std::wstring> answers;
        std::vector<std::wstring> messages;
        std::wstring pane;  // after the open; "keep" = unchanged
    } cases[] = {
        {"right password", kPassHeader + "line 1\rline 2\nstill 2\r\n", {L"pass"}, {}, L"line 1\r\nline 2\nstill 2"},
        {"wrong password", kPassHeader + "x\r\n", {L"Pass"}, {files::kWrongPassword}, L"keep"},
        {"no password given", kPassHeader + "x\r\n", {L""}, {files::kNoPasswordEntered}, L"keep"},
        {"none needs no prompt", kNoneHeader + "free\r\n", {}, {}, L"free"},
        {"corrupt", "Zpass body\r\n", {}, {files::kCorruptFile}, L"keep"},  // Z moves down to P
        {"digit 0 stores no password", ":body\r\n", {L"x"}, {files::kWrongPassword}, L"keep"},
        {"only CR LF", "\r\n", {}, {}, L"keep"},
        {"header and nothing after it", kPassHeader, {L"pass"}, {}, L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        folder_.Write(L"in.wxl", c.file);
        SetText(IDC_TEXT2, L"kept text");
        desktop_.messages.clear();
        desktop_.input_boxes.clear();
        desktop_.file_choices = {folder_.Path(L"in.wxl")};
        desktop_.input_answers.assign(c.answers.begin(), c.answers.end());
        Command(IDM_OPEN1);
        EXPECT_EQ(MessageTexts(), c.messages);
        EXPECT_EQ(desktop_.input_boxes.size(), c.answers.size());
        EXPECT_EQ(Text(IDC_TEXT2), c.pane == L"keep" ? L"kept text" : c.pane);
    }
}

TEST_F(Form1FilesTest, FilesThatCannotBeReadOrWrittenAreNamedInAMessageAndNothingIsLost) {
    folder_.Write(L"short.wxl", "Cab");  // announces 9 password characters
    folder_.Write(L"empty.txt", "");
    folder_.Write(L"locked.txt", "old text\r\n");
    SetFileAttributesW(folder_.Path(L"locked.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    SetText(IDC_TEXT1, L"decoded kept");
    SetText(IDC_TEXT2, L"encoded kept");

    struct Case {
        int command;
        std::wstring file;
        const wchar_t* reason;
    } cases[] = {
        {IDM_OPEN1, folder_.Path(L"missing.wxl"), nullptr},
        {IDM_OPEN1, folder_.Path(L"short.wxl"), files::kShorterThanHeader},
        {IDM_OPEN2, folder_.Path(L"empty.txt"), files::kEmptyFile},
        {IDM_OPEN2, folder_.Path(L"missing.txt"), nullptr},
        {IDM_SAVE2, folder_.Path(L"locked.txt"), nullptr},
        {IDM_SAVE2, folder_.Path(L"no such folder\\a.txt"), nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.file));
        desktop_.messages.clear();
        desktop_.file_choices = {c.file};
        Command(c.command);
        ASSERT_EQ(desktop_.messages.size(), 1u);
        EXPECT_THAT(desktop_.messages[0].text, HasSubstr(c.file));
        if (c.reason) {
            EXPECT_THAT(desktop_.messages[0].text, HasSubstr(c.reason));
        }
        EXPECT_EQ(desktop_.messages[0].style, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    }
    EXPECT_EQ(Text(IDC_TEXT1), L"decoded kept");
    EXPECT_EQ(Text(IDC_TEXT2), L"encoded kept");
    EXPECT_EQ(folder_.Read(L"locked.txt"), "old text\r\n");
    EXPECT_EQ(folder_.Files(), (std::vector<std::wstring>{L"empty.txt", L"locked.txt", L"short.wxl"}));
}

TEST_F(Form1FilesTest, EncodedTextOutsideTheFileCodePageIsRefusedBeforeThePrompt) {
    folder_.Write(L"a.wxl", "old");
    SetText(IDC_TEXT2, L"typed \u4e2d");
    desktop_.file_choices = {folder_.Path(L"a.wxl")};
    Command(IDM_SAVE1);
    EXPECT_TRUE(desktop_.input_boxes.empty());
    ASSERT_EQ(desktop_.messages.size(), 1u);
    EXPECT_THAT(desktop_.messages[0].text, HasSubstr(files::kUnstorableEncodedText));
    EXPECT_EQ(folder_.Read(L"a.wxl"), "old");
}

TEST_F(Form1FilesTest, SaveNamesGetTheirExtensionAndEmptyPanesSaveNothing) {
    struct Case {
        int command, pane;
        std::wstring chosen, written;
    } cases[] = {
        {IDM_SAVE1, IDC_TEXT2, L"plain", L"plain.wxl"},
        {IDM_SAVE1, IDC_TEXT2, L"CAPS.WXL", L"CAPS.WXL"},
        {IDM_SAVE1, IDC_TEXT2, L"notes.txt", L"notes.txt.wxl"},
        {IDM_SAVE2, IDC_TEXT1, L"letter", L"letter.txt"},
        {IDM_SAVE2, IDC_TEXT1, L"letter.TXT", L"letter.TXT"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.chosen));
        SetText(c.pane, L"text");
        desktop_.file_choices = {folder_.Path(c.chosen)};
        desktop_.input_answers = {L"none"};
        Command(c.command);
        EXPECT_TRUE(folder_.Exists(c.written));
    }

    SetText(IDC_TEXT1, L"");
    SetText(IDC_TEXT2, L"");
    desktop_.file_dialogs.clear();
    desktop_.messages.clear();
    Command(IDM_SAVE1);
    Command(IDM_SAVE2);
    EXPECT_TRUE(desktop_.file_dialogs.empty());
    EXPECT_THAT(MessageTexts(), ElementsAre(L"There is No Encoded Text to Save", L"There is No Decoded Text to Save"));
    EXPECT_EQ(desktop_.messages[0].style, static_cast<UINT>(MB_OK | MB_ICONSTOP));
}

TEST_F(Form1FilesTest, DecodedTextSavedAndOpenedAgainKeepsItsLines) {
    struct Case {
        std::wstring text;
        std::string bytes;
        std::wstring reopened;
    } cases[] = {
        {L"one\r\ntwo", "one\r\ntwo\r\n", L"one\r\ntwo"},
        {L"ends in a break\r\n", "ends in a break\r\n\r\n", L"ends in a break\r\n"},
        {L"lone\rCR", "lone\rCR\r\n", L"lone\r\nCR"},
        {L"caf\u00e9", "caf\xe9\r\n", L"caf\u00e9"},
        {L"\u4e2d", "\xef\xbb\xbf\xe4\xb8\xad\r\n", L"\u4e2d"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.bytes));
        SetText(IDC_TEXT1, c.text);
        desktop_.file_choices = {folder_.Path(L"t.txt")};
        Command(IDM_SAVE2);
        EXPECT_EQ(folder_.Read(L"t.txt"), c.bytes);
        SetText(IDC_TEXT1, L"");
        desktop_.file_choices = {folder_.Path(L"t.txt")};
        Command(IDM_OPEN2);
        EXPECT_EQ(Text(IDC_TEXT1), c.reopened);
    }
    ASSERT_GE(desktop_.file_dialogs.size(), 2u);
    EXPECT_EQ(desktop_.file_dialogs[0].title, L"Save Decoded Text");
    EXPECT_EQ(desktop_.file_dialogs[0].filter, L"Text File (*.txt)|*.txt|All files(*.*)|*.*|");
    EXPECT_EQ(desktop_.file_dialogs[0].default_extension, L".txt");
    EXPECT_EQ(desktop_.file_dialogs[1].title, L"Open Decoded Text");
    folder_.Write(L"crlf.txt", "\r\n");
    desktop_.file_choices = {folder_.Path(L"crlf.txt")};
    SetText(IDC_TEXT1, L"x");
    Command(IDM_OPEN2);
    EXPECT_EQ(Text(IDC_TEXT1), L"");
}

TEST_F(Form1FilesTest, CancelledDialogsChangeNothing) {
    SetText(IDC_TEXT1, L"decoded");
    SetText(IDC_TEXT2, L"encoded");
    for (int command : {IDM_OPEN1, IDM_SAVE1, IDM_OPEN2, IDM_SAVE2}) Command(command);
    EXPECT_EQ(desktop_.file_dialogs.size(), 4u);
    EXPECT_TRUE(desktop_.messages.empty());
    EXPECT_TRUE(desktop_.input_boxes.empty());
    EXPECT_EQ(Text(IDC_TEXT1), L"decoded");
    EXPECT_EQ(Text(IDC_TEXT2), L"encoded");
}

TEST_F(Form1FilesTest, OpenOfTheEncodedPaneFoldsCaseAndRefusesOtherFiles) {
    folder_.Write(L"CAPS.WXL", kNoneHeader + "caps\r\n");
    folder_.Write(L"plain.txt", "text\r\n");
    desktop_.file_choices = {folder_.Path(L"CAPS.WXL"), folder_.Path(L"plain.txt")};
    Command(IDM_OPEN1);
    EXPECT_EQ(Text(IDC_TEXT2), L"caps");
    Command(IDM_OPEN1);
    EXPECT_THAT(MessageTexts(), ElementsAre(L"Can't Open any Other Encoded Files than Wexlin Files"));
    EXPECT_EQ(Text(IDC_TEXT2), L"caps");
}

TEST_F(Form1FilesTest, ShellDropsOpenTheFirstFileInTheirPane) {
    folder_.Write(L"first.WXL", kNoneHeader + "first\r\n");
    folder_.Write(L"second.wxl", kNoneHeader + "second\r\n");
    folder_.Write(L"notes.txt", "notes\r\n");

    PostMessageW(Control(IDC_TEXT2), WM_DROPFILES,
                 reinterpret_cast<WPARAM>(MakeDropFiles({folder_.Path(L"first.WXL"), folder_.Path(L"second.wxl")})), 0);
    PumpMessages();
    EXPECT_EQ(Text(IDC_TEXT2), L"first");

    PostMessageW(Control(IDC_TEXT2), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDropFiles({folder_.Path(L"notes.txt")})), 0);
    PumpMessages();
    EXPECT_EQ(Text(IDC_TEXT2), L"first");
    ASSERT_EQ(desktop_.messages.size(), 1u);
    EXPECT_EQ(desktop_.messages[0].text, L"Can't Open any Other Encoded Files than Wexlin Files");
    EXPECT_EQ(desktop_.messages[0].style, kInformation);

    PostMessageW(Control(IDC_TEXT1), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDropFiles({folder_.Path(L"second.wxl")})), 0);
    PumpMessages();
    EXPECT_EQ(Text(IDC_TEXT1), L">xyxosecond");  // any file opens as text in the decoded pane

    PostMessageW(Control(IDC_TEXT1), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDropFiles({folder_.Path(L"gone.txt")})), 0);
    PumpMessages();
    EXPECT_EQ(Text(IDC_TEXT1), L">xyxosecond");
    ASSERT_EQ(desktop_.messages.size(), 2u);
    EXPECT_THAT(desktop_.messages[1].text, HasSubstr(folder_.Path(L"gone.txt")));
}

TEST_F(Form1FilesTest, TheCommandLineFileOpensBeforeTheWindowShows) {
    folder_.Write(L"with space.txt", "spaced\r\n");
    folder_.Write(L"secret.wxl", kPassHeader + "sealed\r\n");
    folder_.Write(L"CAPS.WXL", kNoneHeader + "caps\r\n");
    struct Case {
        std::wstring command_line;
        std::wstring text1, text2;
        size_t prompts, messages;
    } cases[] = {
        {L"\"" + folder_.Path(L"with space.txt") + L"\"", L"spaced", L"", 0, 0},
        {folder_.Path(L"secret.wxl"), L"", L"sealed", 1, 0},
        {folder_.Path(L"CAPS.WXL"), L">xyxocaps", L"", 0, 0},  // not "wxl": the text reader takes it
        {folder_.Path(L"missing.wxl"), L"", L"", 0, 1},
        {L"", L"", L"", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.command_line));
        desktop_.messages.clear();
        desktop_.input_boxes.clear();
        desktop_.input_answers = {L"pass"};
        bool visible_at_prompt = true;
        desktop_.on_input_box = [&](const ShownInputBox& box) { visible_at_prompt = IsWindowVisible(box.owner); };
        RecreateForm(c.command_line);
        EXPECT_EQ(Text(IDC_TEXT1), c.text1);
        EXPECT_EQ(Text(IDC_TEXT2), c.text2);
        EXPECT_EQ(desktop_.input_boxes.size(), c.prompts);
        if (c.prompts) {
            EXPECT_FALSE(visible_at_prompt);
        }
        EXPECT_EQ(desktop_.messages.size(), c.messages);
        if (c.messages) {
            EXPECT_THAT(desktop_.messages[0].text, HasSubstr(L"missing.wxl"));
        }
        EXPECT_TRUE(IsWindowVisible(form_->Window()));
    }
    desktop_.on_input_box = nullptr;
}

}  // namespace
}  // namespace wexlin::testing
