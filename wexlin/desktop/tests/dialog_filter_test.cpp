#include <gtest/gtest.h>

#include <string>

#include "dialog_filter.h"

namespace wexlin {
namespace {

using namespace std::string_literals;

TEST(DialogFilter, BarsBecomeNulsAndTheListEndsInTwo) {
    struct Case {
        std::wstring filter, expected;
    } cases[] = {
        {L"Wexlin Files (*.wxl)|*.wxl|", L"Wexlin Files (*.wxl)\0*.wxl\0\0"s},
        {L"Text File (*.txt)|*.txt|All files(*.*)|*.*|", L"Text File (*.txt)\0*.txt\0All files(*.*)\0*.*\0\0"s},
        {L"Wexlin Files (*.wxl)|*.wxl", L"Wexlin Files (*.wxl)\0*.wxl\0\0"s},  // no closing bar
        {L"", L""},
    };
    for (const Case& c : cases) EXPECT_EQ(DialogFilterString(c.filter), c.expected) << c.filter.c_str();
}

}  // namespace
}  // namespace wexlin
