#include <gtest/gtest.h>

#include "app/error.h"
#include "cli/script_words.h"

namespace bravik::cli {
namespace {

TEST(SplitWords, BlanksQuotesAndComments) {
    using W = std::vector<std::string>;
    EXPECT_EQ(SplitWords("  bottom  length=6\tbeam-x=3 "), (W{"bottom", "length=6", "beam-x=3"}));
    EXPECT_EQ(SplitWords("save \"my boat.D50\" # keep it"), (W{"save", "my boat.D50"}));
    EXPECT_EQ(SplitWords("name \"Le \\\"Marin\\\"\""), (W{"name", "Le \"Marin\""}));
    EXPECT_EQ(SplitWords("# only a comment"), W{});
    EXPECT_EQ(SplitWords(""), W{});
    EXPECT_EQ(SplitWords("open a#b"), (W{"open", "a#b"}));
    EXPECT_THROW(SplitWords("open \"unfinished"), BravikError);
}

}  // namespace
}  // namespace bravik::cli
