#include <gtest/gtest.h>

#include "tessel32/property_set/key.h"

namespace tessel32 {
namespace {

struct HashCase {
    std::u16string key;
    std::uint32_t hash;
};

TEST(KeyHash, MatchesTheStoredKeysOfTheMainWindowsSets) {
    const HashCase cases[] = {
        {u"butncount", 0x7A20952A},
        {u"maskcolor", 0xBE217A26},
        {u"imagenumber0", 0xB6D1176C},
        {u"imagenumber1", 0xB6D1176D},
        // The hash is over the lower-cased key, so the property's own spelling gives the same.
        {u"ButnCount", 0x7A20952A},
        {u"MASKCOLOR", 0xBE217A26},
        // Past three characters the rotation carries the top bits round to the bottom.
        {u"zzzz", 0xE80F7D7B},
        {u"", 0},
    };
    for (const HashCase& c : cases) {
        EXPECT_EQ(KeyHash(c.key), c.hash) << std::string(c.key.begin(), c.key.end());
    }
}

TEST(KeysEqual, IgnoresCaseOnly) {
    EXPECT_TRUE(KeysEqual(u"ButnCount", u"butncount"));
    EXPECT_TRUE(KeysEqual(u"TOOLTIPS0", u"tooltips0"));
    EXPECT_FALSE(KeysEqual(u"tooltips0", u"tooltips1"));
    EXPECT_FALSE(KeysEqual(u"caption", u"caption0"));
    // '@' and '`' sit next to 'A' and 'a' but are not letters.
    EXPECT_FALSE(KeysEqual(u"@", u"`"));
}

}  // namespace
}  // namespace tessel32
