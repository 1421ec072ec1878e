#include "tessel32/shell/rules.h"

#include <algorithm>

namespace tessel32::shell {

std::string StripNul(const std::string& text) { return StripNul(std::string_view(text)); }
std::wstring StripNul(const std::wstring& text) { return StripNul(std::wstring_view(text)); }

std::wstring_view RunFileVerb(std::wstring_view file_name) {
    const std::wstring_view trimmed = TrimSpaces(file_name);
    const std::wstring_view last_three = trimmed.substr(trimmed.size() - std::min<std::size_t>(3, trimmed.size()));
    return last_three == L"lnk" ? std::wstring_view() : std::wstring_view(L"Open");
}

bool IsNtPlatformId(std::uint32_t platform_id) { return platform_id == 0 || platform_id == 2; }

std::string MakeFilter(const std::vector<std::pair<std::string, std::string>>& pairs) {
    std::string out;
    for (const auto& [description, pattern] : pairs) {
        out += StripNul(description);
        out += '\0';
        out += StripNul(pattern);
        out += '\0';
    }
    if (!out.empty()) out += '\0';
    return out;
}

std::string TerminateFilter(std::string_view filter) {
    std::string out(filter);
    if (out.empty()) return out;
    while (out.size() < 2 || out[out.size() - 1] != '\0' || out[out.size() - 2] != '\0') out += '\0';
    return out;
}

std::vector<char> FileNameBuffer(std::string_view start_file) {
    const std::string start = StripNul(start_file);
    std::vector<char> buffer(std::max(kPathChars, start.size() + 1), '\0');
    std::copy(start.begin(), start.end(), buffer.begin());
    return buffer;
}

ChosenFile SplitChosenFile(std::string_view buffer, std::size_t file_offset) {
    ChosenFile chosen;
    chosen.path = StripNul(buffer);
    const std::size_t cut = std::min(file_offset, chosen.path.size());
    chosen.folder = chosen.path.substr(0, cut);
    chosen.file_name = chosen.path.substr(cut);
    return chosen;
}

}  // namespace tessel32::shell
