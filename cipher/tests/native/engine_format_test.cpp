#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cipher/base64.h"
#include "cipher/crc32.h"
#include "cipher/engine.h"
#include "cipher/utf8.h"
#include "block.h"
#include "engine_fixtures.h"

namespace {

const std::u16string kSamples[] = {u"", u"x", kLetter, std::u16string(47, u'a'), std::u16string(3000, u'\u4E2D')};

TEST(EngineFormat, FramedBase64LinesOfPrintableAsciiJoinedByCrLf) {
    for (const std::u16string& text : kSamples) {
        const std::u16string encoded = cipher::Encode(text, MakeNonce(3));
        SCOPED_TRACE(testing::PrintToString(encoded.substr(0, 80)));
        for (std::size_t i = 0; i < encoded.size(); ++i) {
            const char16_t c = encoded[i];
            ASSERT_TRUE((c >= 0x20 && c <= 0x7E) || c == u'\r' || c == u'\n') << "at " << i;
            if (c == u'\r') {
                ASSERT_TRUE(i + 1 < encoded.size() && encoded[i + 1] == u'\n') << "bare CR at " << i;
            }
            if (c == u'\n') {
                ASSERT_TRUE(i > 0 && encoded[i - 1] == u'\r') << "bare LF at " << i;
            }
        }
        const std::vector<std::u16string> lines = SplitLines(encoded);
        ASSERT_GE(lines.size(), 3u);
        EXPECT_EQ(lines.front(), cipher::kBeginLine);
        EXPECT_EQ(lines.back(), cipher::kEndLine);
        EXPECT_NE(encoded.back(), u'\n');
        for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
            const std::size_t limit = i + 2 < lines.size() ? 64 : 1;  // all full but the last
            EXPECT_LE(lines[i].size(), 64u) << "line " << i;
            EXPECT_GE(lines[i].size(), limit) << "line " << i;
            EXPECT_EQ(lines[i].size() % 4, 0u) << "line " << i;
        }
    }
}

TEST(EngineFormat, PayloadIsVersionNonceTextAndCheck) {
    const cipher::Nonce nonce = MakeNonce(9);
    const std::u16string encoded = cipher::Encode(kLetter, nonce);
    std::vector<std::uint8_t> payload(encoded.size());
    payload.resize(cipher::ReadBody(encoded, cipher::kBeginLine.size(), payload.data()).bytes);
    ASSERT_EQ(payload.size(), 1 + 12 + cipher::Utf8Length(kLetter) + 4);
    EXPECT_EQ(payload[0], 1);
    EXPECT_TRUE(std::equal(nonce.begin(), nonce.end(), payload.begin() + 1));
    // the text itself must not show through, and the check value is the plain bytes' CRC-32
    EXPECT_EQ(std::string(payload.begin() + 13, payload.end() - 4).find("Dear Ann"), std::string::npos);
    const std::string plain = cipher::ToUtf8(kLetter);
    const std::uint32_t crc = cipher::Crc32Of(reinterpret_cast<const std::uint8_t*>(plain.data()), plain.size());
    const std::size_t c = payload.size() - 4;
    EXPECT_EQ(payload[c] | payload[c + 1] << 8 | payload[c + 2] << 16 | static_cast<std::uint32_t>(payload[c + 3]) << 24, crc);
}

}  // namespace
