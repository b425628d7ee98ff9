#include <gtest/gtest.h>

#include "platform/com/rpc.h"

namespace {

constexpr GUID kSentinel = {0x11111111, 0x2222, 0x3333, {4, 4, 4, 4, 4, 4, 4, 4}};

struct ValidCase {
  const char* text;
  GUID expected;
};

TEST(UuidFromStringA, ParsesEveryFieldInEitherCase) {
  const ValidCase cases[] = {
      {"B8D27088-DF5F-4B7C-98DC-0E91A1696286",
       {0xB8D27088, 0xDF5F, 0x4B7C, {0x98, 0xDC, 0x0E, 0x91, 0xA1, 0x69, 0x62, 0x86}}},
      {"ca7e9ef0-1cbe-11d3-8d29-00a0c94bbfee",
       {0xCA7E9EF0, 0x1CBE, 0x11D3, {0x8D, 0x29, 0x00, 0xA0, 0xC9, 0x4B, 0xBF, 0xEE}}},
      {"36a5F770-fE4C-11ce-A8eD-00aa002FEAB5",
       {0x36A5F770, 0xFE4C, 0x11CE, {0xA8, 0xED, 0x00, 0xAA, 0x00, 0x2F, 0xEA, 0xB5}}},
      {"00000000-0000-0000-0000-000000000000", GUID_NULL},
      {"FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF",
       {0xFFFFFFFF, 0xFFFF, 0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}}},
  };
  for (const ValidCase& c : cases) {
    GUID parsed = kSentinel;
    EXPECT_EQ(UuidFromStringA(c.text, &parsed), RPC_S_OK) << c.text;
    EXPECT_TRUE(IsEqualGUID(parsed, c.expected)) << c.text;
  }
}

TEST(UuidFromStringA, RejectsAnythingButTheExactForm) {
  const char* cases[] = {
      "",
      "B8D27088-DF5F-4B7C-98DC-0E91A169628",     // one digit short
      "B8D27088-DF5F-4B7C-98DC-0E91A16962860",   // one digit long
      "{B8D27088-DF5F-4B7C-98DC-0E91A1696286}",  // braces
      "B8D27088DF5F-4B7C-98DC-0E91A1696286-",    // hyphen moved
      "B8D27088-DF5F-4B7C-98DC_0E91A1696286",    // wrong separator
      "G8D27088-DF5F-4B7C-98DC-0E91A1696286",    // not a hex digit, first field
      "B8D27088-DF5F-4B7C-98DC-0E91A169628Z",    // not a hex digit, last byte
      "B8D27088-DF5F-4B7C-9 DC-0E91A1696286",    // space inside
      " B8D27088-DF5F-4B7C-98DC-0E91A169628",    // leading space
      "B8D27088-DF5F-4B7C-98DC-0E91A1696286 ",   // trailing space
      "+8D27088-DF5F-4B7C-98DC-0E91A1696286",    // sign
  };
  for (const char* text : cases) {
    GUID parsed = kSentinel;
    EXPECT_EQ(UuidFromStringA(text, &parsed), RPC_S_INVALID_STRING_UUID) << '"' << text << '"';
    EXPECT_TRUE(IsEqualGUID(parsed, kSentinel)) << "output changed for \"" << text << '"';
  }
  GUID parsed = kSentinel;
  EXPECT_EQ(UuidFromStringA(static_cast<const char*>(nullptr), &parsed), RPC_S_INVALID_STRING_UUID);
  EXPECT_TRUE(IsEqualGUID(parsed, kSentinel));
}

}  // namespace
