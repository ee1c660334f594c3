// The hash by which a page's policy allows its inline script: SHA-256 and
// Base64 against published and independently computed values.
#include <gtest/gtest.h>

#include <string>

#include "vornak-report/sha256.h"

namespace vornak {
namespace {

// Lengths around the padding's edges: 55 bytes leave room for the length in
// the last block, 56 do not; 64 and 120 fill blocks whole.
TEST(ScriptHash, Sha256AndBase64AsThePolicyWantsThem) {
  const struct {
    std::string message;
    const char* source;
  } kCases[] = {
      {"", "sha256-47DEQpj8HBSa+/TImW+5JCeuQeRkm5NMpJWZG3hSuFU="},
      {"abc", "sha256-ungWv48Bz+pBQUDeXa4iI7ADYaOWF3qctBD/YfIAFa0="},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "sha256-JI1qYdIGOLjlwCaTDD5gOaM85Flk/yFn9uzt1BnbBsE="},
      {std::string(55, 'a'), "sha256-n0OQ+NMMLdkuyfCVtl4rmumwqSWlJY4kHJ8ekQ9zQxg="},
      {std::string(56, 'a'), "sha256-s1Q5pKxvCUi21vnjxq8PX1kM4g8b3nCQ73lwaG7Gc4o="},
      {std::string(63, 'a'), "sha256-fT50oF19sVvOStnsBljqmOPwbu7PFrTG//LaRX3cLzQ="},
      {std::string(64, 'a'), "sha256-/+BU/nrgy23GXDr5th1SCfQ5hR20PQulmXM33xVGaOs="},
      {std::string(65, 'a'), "sha256-Y1NhxIu56rFBmOduqKt/GkFoXWrWKqkUbTAdTxfrCuA="},
      {std::string(119, 'a'), "sha256-MeulHDE6XAgiat8Y1KNZz9/Y0ugWsT9K+VL36mWE3Ps="},
      {std::string(120, 'a'), "sha256-Lz0zVDLHC1gK8Ojhs2dKfAINaDql9zqq7f3FWvkEwhw="},
      {"\xff\xff\xff表", "sha256-OstvxIfzs0uUDHIqaF0ZPx4N+S0zIcG3ISyn5zRKIJ0="},  // bytes above 0x7F
  };
  for (const auto& c : kCases) EXPECT_EQ(ScriptHashSource(c.message), c.source) << c.message.size();
  const struct {
    const char* bytes;
    const char* base64;
  } kPadding[] = {{"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"}, {"foob", "Zm9vYg=="}, {"\xfb\xff", "+/8="}};
  for (const auto& c : kPadding)
    EXPECT_EQ(Base64(reinterpret_cast<const uint8_t*>(c.bytes), std::string_view(c.bytes).size()), c.base64) << c.bytes;
}

}  // namespace
}  // namespace vornak
