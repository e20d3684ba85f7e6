// How texts are written in a tolmark-sim transcript and script: double quotes with escapes.
#pragma once

#include <string>
#include <string_view>

namespace tolmark {

// "TEXT" with \" and \\ escaped, line breaks as \n and \r, other control bytes and bytes that
// are not UTF-8 as \xHH; readable UTF-8 (the Japanese texts) stays as it is.
std::string QuoteText(std::string_view text);

}  // namespace tolmark
