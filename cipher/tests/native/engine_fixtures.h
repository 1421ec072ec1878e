#pragma once
// Texts and helpers shared by the engine tests.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "cipher/engine.h"

// Decode, and DecodeInPlace on a copy, which must agree on the status and the text.
inline cipher::Decoded DecodeBothWays(std::u16string_view encoded) {
    cipher::Decoded decoded = cipher::Decode(encoded);
    struct Sink final : cipher::TextSink {
        std::u16string text;
        char16_t* Reserve(std::size_t length) override {
            text.resize(length);
            return text.data();
        }
    } sink;
    std::u16string scratch(encoded);
    const cipher::Status status = cipher::DecodeInPlace(scratch, sink);
    EXPECT_EQ(status, decoded.status) << "DecodeInPlace disagrees with Decode";
    EXPECT_TRUE(sink.text == decoded.text) << "DecodeInPlace disagrees with Decode";
    return decoded;
}

inline cipher::Nonce MakeNonce(std::uint8_t seed) {
    cipher::Nonce n;
    for (std::size_t i = 0; i < n.size(); ++i) n[i] = static_cast<std::uint8_t>(seed * 31 + i);
    return n;
}

// A letter in several scripts, long enough for a dozen base64 lines.
inline const std::u16string kLetter =
    u"Dear Ann,\r\n"
    u"the meeting moves to Thursday, ten o'clock, in the small room on the second floor. Please bring "
    u"the figures for the last quarter and the draft of the letter to the suppliers.\r\n"
    u"\u00C0 bient\u00F4t, \u0434\u043E \u0432\u0441\u0442\u0440\u0435\u0447\u0438, "
    u"\u3042\u308A\u304C\u3068\u3046 \U0001F600\r\n"
    u"Figures: 1, 2, 3 \u2014 \u00BD\u00BC, totals to follow by the end of the week; "
    u"if anything changes I will call you before noon.\r\n"
    u"\r\n"
    u"Regards,\r\nBob";

// The lines of a text, whatever breaks it uses.
inline std::vector<std::u16string> SplitLines(std::u16string_view text) {
    std::vector<std::u16string> lines;
    std::u16string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            lines.push_back(line);
            line.clear();
        } else {
            line += text[i];
        }
    }
    lines.push_back(line);
    return lines;
}

inline std::u16string JoinLines(const std::vector<std::u16string>& lines, std::u16string_view prefix,
                                std::u16string_view brk) {
    std::u16string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) out += brk;
        out += prefix;
        out += lines[i];
    }
    return out;
}
