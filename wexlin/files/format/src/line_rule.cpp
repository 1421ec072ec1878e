#include "line_rule.h"

#include <algorithm>
#include <cstring>

#include "windows1252_widen.h"

namespace wexlin::files {
namespace {

template <class Char>
const Char* FindCr(const Char* first, const Char* last) {
    if (first == last) return last;
    if constexpr (sizeof(Char) == 1) {
        const void* cr = std::memchr(first, '\r', static_cast<std::size_t>(last - first));
        return cr ? static_cast<const Char*>(cr) : last;
    } else {
        return std::find(first, last, Char(u'\r'));
    }
}

// copy(first, last, out) writes the characters of [first, last) at out and returns their end.
template <class Out, class In, class Copy>
std::basic_string<Out> Join(std::basic_string_view<In> text, LineBreak line_break, Copy copy) {
    const In* p = text.data();
    const In* const end = p + text.size();

    // Only a lone CR grows the text; count them so that one allocation suffices.
    std::size_t size = text.size();
    for (const In* cr = FindCr(p, end); cr != end; cr = FindCr(cr + 1, end)) {
        if (cr + 1 == end || cr[1] != In(u'\n')) ++size;
    }
    std::basic_string<Out> out(size, Out());
    Out* o = out.data();

    for (;;) {
        const In* cr = FindCr(p, end);
        o = copy(p, cr, o);
        if (cr == end) break;
        p = cr + 1;
        if (p != end && *p == In(u'\n')) ++p;
        if (p == end) break;  // the break after the last line is the one dropped
        *o++ = static_cast<Out>(line_break.first);
        *o++ = static_cast<Out>(line_break.second);
    }
    out.resize(static_cast<std::size_t>(o - out.data()));
    return out;
}

template <class Char>
Char* Copy(const Char* first, const Char* last, Char* out) {
    return std::copy(first, last, out);
}

char16_t* Widen(const char* first, const char* last, char16_t* out) {
    const auto size = static_cast<std::size_t>(last - first);
    WidenWindows1252(first, size, out);
    return out + size;
}

}  // namespace

std::string JoinLines(std::string_view text, LineBreak line_break) {
    return Join<char>(text, line_break, Copy<char>);
}

std::u16string JoinLines(std::u16string_view text, LineBreak line_break) {
    return Join<char16_t>(text, line_break, Copy<char16_t>);
}

std::u16string JoinLinesFromWindows1252(std::string_view bytes) {
    return Join<char16_t>(bytes, kCrLf, Widen);
}

}  // namespace wexlin::files
