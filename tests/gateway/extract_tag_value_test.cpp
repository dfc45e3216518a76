// Reading answer values from the result text by plain text search.
#include <gtest/gtest.h>

#include "client/gateway/gateway_call.h"

namespace {

struct TagCase {
  const char* text;
  const char* key;
  const char* value;
};

class ExtractTagValueCases : public testing::TestWithParam<TagCase> {};

TEST_P(ExtractTagValueCases, FindsValue) {
  const TagCase& c = GetParam();
  EXPECT_EQ(ExtractTagValue(c.text, c.key), c.value) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExtractTagValueCases,
    testing::Values(
        TagCase{"<a><ResponseCode>0</ResponseCode></a>", "ResponseCode", "0"},
        // The angle bracket keeps the shorter key out of the longer element.
        TagCase{"<ServiceResponseCode>7</ServiceResponseCode><ResponseCode>1</ResponseCode>",
                "ResponseCode", "1"},
        TagCase{"<ServiceResponseCode>7</ServiceResponseCode>", "ResponseCode", ""},
        TagCase{"<M>a &amp; b </M>", "M", "a &amp; b "},
        TagCase{"<M>open to the end", "M", "open to the end"},
        // A closing tag before the opening one does not end the value.
        TagCase{"</M>x<M>after", "M", "after"},
        TagCase{"<M attr=\"1\">x</M>", "M", ""},
        TagCase{"<ns:M>x</ns:M>", "M", ""},
        TagCase{"<M></M>", "M", ""},
        TagCase{"", "M", ""}));

}  // namespace
