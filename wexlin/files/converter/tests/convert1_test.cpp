// The converter window, real, with its dialogs and prompts answered by the scripted desktop and
// the real cipher engine over COM.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Convert1.h"
#include "password_prompts.h"
#include "program_windows.h"
#include "settings_store.h"
#include "testing/scripted_desktop.h"
#include "testing/temp_folder.h"
#include "win32/bstr.h"
#include "win32/ole_scope.h"

namespace wexlin::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

const std::string kNoneHeader = "\x3e\x78\x79\x78\x6f";
const std::string kOldHeader = "=yvn";  // "old": 3 characters, each moved up by 10
const std::string kPassHeader = ">zk}}";

// A file of the previous format: every character raised by 9, line breaks as 22 19.
std::string OldFormat(const std::string& header, const std::string& plain) {
    std::string bytes = header;
    for (size_t i = 0; i < plain.size(); ++i) {
        if (plain[i] == '\r' && i + 1 < plain.size() && plain[i + 1] == '\n') {
            bytes += "\x16\x13";
            ++i;
        } else {
            bytes += static_cast<char>(static_cast<unsigned char>(plain[i]) + 9);
        }
    }
    return bytes + "\r\n";
}

class Convert1Test : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(ole_.Result(), S_OK);
        WriteSetting(files::kDefaultPasswordKey, L"");
        converter_ = Convert1::Show({desktop_, [] { return CreateCipherEngine(ProgramFolder()); },
                                     [this] { ++main_window_shown_; }});
        ASSERT_TRUE(converter_);
    }
    void TearDown() override {
        if (OpenWindows().IsOpen(converter_window())) DestroyWindow(converter_window());
    }
    HWND converter_window() const { return window_ ? window_ : (window_ = converter_->Window()); }

    // The decoded text of a .wxl file's body (between the header and the trailer).
    std::wstring DecodeBody(const std::string& file, size_t header_length) {
        const std::string body = file.substr(header_length, file.size() - header_length - 2);
        CipherEngineInstance engine = CreateCipherEngine(ProgramFolder());
        if (!engine) return L"<no engine>";
        win32::Bstr input(std::wstring(body.begin(), body.end()));
        win32::Bstr result;
        BSTR io = input.Detach();
        engine->Decode(&io, result.Put());
        input = win32::Bstr::Adopt(io);
        return std::wstring(result.View());
    }

    void Convert(const std::vector<std::optional<std::wstring>>& files, const std::vector<std::wstring>& answers) {
        desktop_.file_choices.assign(files.begin(), files.end());
        desktop_.input_answers.assign(answers.begin(), answers.end());
        SendMessageW(converter_->Control(kConvert1Command1), BM_CLICK, 0, 0);
    }

    win32::OleScope ole_;
    ScriptedDesktop desktop_;
    TempFolder folder_;
    Convert1* converter_ = nullptr;
    mutable HWND window_ = nullptr;
    int main_window_shown_ = 0;
};

TEST_F(Convert1Test, ShowsItsCaptionLabelAndButtons) {
    wchar_t text[512];
    GetWindowTextW(converter_->Window(), text, 512);
    EXPECT_STREQ(text, L"Converter");
    GetWindowTextW(converter_->Control(kConvert1Label1), text, 512);
    EXPECT_STREQ(text,
                 L"This program was made to allow you to conver your old Wexlin Files to the new format. Click the "
                 L"Button then Open your old Wexlin File, It will convert it and then ask you where to save it.");
    GetWindowTextW(converter_->Control(kConvert1Command1), text, 512);
    EXPECT_STREQ(text, L"Open + Convert");
    GetWindowTextW(converter_->Control(kConvert1Command2), text, 512);
    EXPECT_STREQ(text, L"Exit");
}

TEST_F(Convert1Test, AnOldFileBecomesACurrentFileWithTheSameLinesAndANewPassword) {
    folder_.Write(L"old.wxl", OldFormat(kOldHeader, "first line\r\nsecond line"));
    Convert({folder_.Path(L"old.wxl"), folder_.Path(L"new")}, {L"old", L"pass"});

    EXPECT_THAT(desktop_.transcript,
                ElementsAre(L"file: Open Old Wexlin File", std::wstring(L"input: ") + files::kOpenPrompt,
                            L"file: Save Encoded Text", std::wstring(L"input: ") + files::kSavePrompt,
                            L"message: Now Go Back to the Wexlin and Open Your New File"));
    ASSERT_EQ(desktop_.file_dialogs.size(), 2u);
    EXPECT_EQ(desktop_.file_dialogs[0].filter, L"Wexlin Files (*.wxl)|*.wxl");
    EXPECT_EQ(desktop_.file_dialogs[0].default_extension, L"");
    EXPECT_EQ(desktop_.file_dialogs[0].flags, 4u);
    EXPECT_EQ(desktop_.file_dialogs[1].file_name, folder_.Path(L"old.wxl"));  // the save starts from the old name

    const std::string written = folder_.Read(L"new.wxl");
    ASSERT_EQ(written.substr(0, kPassHeader.size()), kPassHeader);
    ASSERT_EQ(written.substr(written.size() - 2), "\r\n");
    EXPECT_EQ(DecodeBody(written, kPassHeader.size()), L"first line\r\nsecond line");
}

TEST_F(Convert1Test, OutcomesThatEndTheConversion) {
    struct Case {
        const char* name;
        std::string old_file;
        std::vector<std::optional<std::wstring>> files;
        std::vector<std::wstring> answers;
        std::vector<std::wstring> messages;
        bool written;
    } cases[] = {
        {"no password, new one asked", OldFormat(kNoneHeader, "free"), {L"old.wxl", L"out.wxl"}, {L"pass"},
         {L"Now Go Back to the Wexlin and Open Your New File"}, true},
        {"wrong old password", OldFormat(kOldHeader, "x"), {L"old.wxl", L"out.wxl"}, {L"OLD"}, {files::kWrongPassword},
         false},
        {"no old password given", OldFormat(kOldHeader, "x"), {L"old.wxl"}, {L""}, {files::kNoPasswordEntered}, false},
        {"corrupt", "Zabc\r\n", {L"old.wxl"}, {}, {files::kCorruptFile}, false},
        {"save cancelled", OldFormat(kNoneHeader, "x"), {L"old.wxl", std::nullopt}, {}, {}, false},
        {"new password cancelled", OldFormat(kNoneHeader, "x"), {L"old.wxl", L"out.wxl"}, {L""},
         {files::kMustEnterPassword}, false},
        {"ten characters, then valid", OldFormat(kNoneHeader, "x"), {L"old.wxl", L"out"}, {L"0123456789", L"pass"},
         {files::kTryAgain, L"Now Go Back to the Wexlin and Open Your New File"}, true},
        {"capital extension", OldFormat(kNoneHeader, "x"), {L"OLD.WXL", L"out.wxl"}, {L"pass"},
         {L"Now Go Back to the Wexlin and Open Your New File"}, true},
        {"not a .wxl name", OldFormat(kNoneHeader, "x"), {L"old.txt"}, {},
         {L"Can't Open any Other Encoded Files than Wexlin Files"}, false},
        {"open cancelled", OldFormat(kNoneHeader, "x"), {std::nullopt}, {}, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        folder_.Write(L"old.wxl", c.old_file);
        folder_.Write(L"OLD.WXL", c.old_file);
        folder_.Write(L"old.txt", c.old_file);
        std::vector<std::optional<std::wstring>> files;
        for (const auto& f : c.files) files.push_back(f ? std::optional(folder_.Path(*f)) : std::nullopt);
        desktop_.messages.clear();
        Convert(files, c.answers);
        std::vector<std::wstring> messages;
        for (const ShownMessage& m : desktop_.messages) messages.push_back(m.text);
        EXPECT_EQ(messages, c.messages);
        EXPECT_EQ(folder_.Exists(L"out.wxl"), c.written);
        DeleteFileW(folder_.Path(L"out.wxl").c_str());
    }
}

TEST_F(Convert1Test, SavingUnderTheOldNameReplacesTheOldFile) {
    folder_.Write(L"old.wxl", OldFormat(kNoneHeader, "same name"));
    Convert({folder_.Path(L"old.wxl"), folder_.Path(L"old.wxl")}, {L"none"});
    const std::string written = folder_.Read(L"old.wxl");
    ASSERT_EQ(written.substr(0, 5), kNoneHeader);
    EXPECT_EQ(DecodeBody(written, 5), L"same name");
    EXPECT_EQ(folder_.Files(), (std::vector<std::wstring>{L"old.wxl"}));
}

TEST_F(Convert1Test, UnreadableFilesAreNamedInAMessage) {
    folder_.Write(L"low.wxl", kNoneHeader + "\x05\r\n");  // a body code below 9
    for (const std::wstring& name : {folder_.Path(L"missing.wxl"), folder_.Path(L"low.wxl")}) {
        desktop_.messages.clear();
        Convert({name}, {});
        ASSERT_EQ(desktop_.messages.size(), 1u);
        EXPECT_THAT(desktop_.messages[0].text, HasSubstr(name));
        EXPECT_TRUE(desktop_.file_dialogs.size() >= 1);
    }
    EXPECT_EQ(desktop_.input_boxes.size(), 0u);
}

TEST_F(Convert1Test, IsSingleAndExitBringsTheMainWindowForward) {
    Convert1* again = Convert1::Show({desktop_, [] { return CreateCipherEngine(ProgramFolder()); }, nullptr});
    EXPECT_EQ(again, converter_);
    HWND window = converter_window();
    SendMessageW(converter_->Control(kConvert1Command2), BM_CLICK, 0, 0);
    EXPECT_EQ(main_window_shown_, 1);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(OpenWindows().IsOpen(window));
}

}  // namespace
}  // namespace wexlin::testing
