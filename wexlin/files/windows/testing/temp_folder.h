#pragma once
// A fresh folder for one test's files, removed with everything in it at the end.
#include <windows.h>

#include <string>
#include <vector>

namespace wexlin::testing {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Full name of a file in the folder.
    std::wstring Path(const std::wstring& name) const { return folder_ + L"\\" + name; }
    void Write(const std::wstring& name, const std::string& bytes) const;
    // The file's bytes; "<missing>" when it cannot be read.
    std::string Read(const std::wstring& name) const;
    bool Exists(const std::wstring& name) const;
    // Names of the files in the folder, sorted.
    std::vector<std::wstring> Files() const;

private:
    std::wstring folder_;
};

}  // namespace wexlin::testing
