#include "text/cp1252.h"

#include <gtest/gtest.h>

namespace brivonce {
namespace {

TEST(Cp1252, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252, FrenchLettersAndTheHighBlockMapBothWays) {
    EXPECT_EQ(Cp1252ToUtf8("f\xEAte \xE0 l'\xE9t\xE9"), "fête à l'été");
    EXPECT_EQ(Utf8ToCp1252("Œuvre €5 – «oui»"),
              "\x8Cuvre \x80"
              "5 \x96 \xABoui\xBB");
    EXPECT_EQ(Cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1252("a\u4E2Db"), "a?b");
    EXPECT_EQ(Utf8ToCp1252("x\U0001F600y"), "x?y");
    EXPECT_EQ(Utf8ToCp1252("\u0100"), "?");  // just past Latin-1
}

TEST(Cp1252, MalformedUtf8BecomesQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");       // truncated sequence
    EXPECT_EQ(Utf8ToCp1252("\xC0\xAF"), "??");    // overlong lead byte
    EXPECT_EQ(Utf8ToCp1252("\xE9t\xE9"), "?t?");  // raw Latin-1 bytes
}

}  // namespace
}  // namespace brivonce
