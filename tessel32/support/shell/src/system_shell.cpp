#include "tessel32/shell/shell.h"

#include <shellapi.h>

namespace tessel32::shell {
namespace {

const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

class SystemShellImpl final : public Shell {
public:
    INT_PTR Execute(HWND owner, const std::string& verb, const std::string& file, const std::string& parameters,
                    const std::string& directory, int show) override {
        return reinterpret_cast<INT_PTR>(
            ShellExecuteA(owner, OrNull(verb), file.c_str(), OrNull(parameters), OrNull(directory), show));
    }
    bool ChooseColor(CHOOSECOLORA& dialog) override { return ChooseColorA(&dialog) != FALSE; }
    bool GetOpenFileName(OPENFILENAMEA& dialog) override { return GetOpenFileNameA(&dialog) != FALSE; }
    bool GetSaveFileName(OPENFILENAMEA& dialog) override { return GetSaveFileNameA(&dialog) != FALSE; }
};

}  // namespace

Shell& SystemShell() {
    static SystemShellImpl shell;
    return shell;
}

}  // namespace tessel32::shell
