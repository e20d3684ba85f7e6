// Quoting of transcript texts, the inverse of the script's quoted arguments.
#include "headless/transcript_text.h"

#include "model/utf8_sequence.h"

namespace tolmark {
namespace {

void AppendHexByte(std::string& out, unsigned char byte) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  out += "\\x";
  out += kHex[byte >> 4];
  out += kHex[byte & 0xF];
}

}  // namespace

std::string QuoteText(std::string_view text) {
  std::string out = "\"";
  while (!text.empty()) {
    const auto byte = static_cast<unsigned char>(text[0]);
    std::size_t used = 1;
    if (byte == '"' || byte == '\\') {
      out += '\\';
      out += static_cast<char>(byte);
    } else if (byte == '\n') {
      out += "\\n";
    } else if (byte == '\r') {
      out += "\\r";
    } else if (byte < 0x20 || byte == 0x7F) {
      AppendHexByte(out, byte);
    } else if (byte < 0x80) {
      out += static_cast<char>(byte);
    } else if (const std::size_t length = Utf8SequenceLength(text); length > 0) {
      out.append(text.substr(0, length));
      used = length;
    } else {
      AppendHexByte(out, byte);
    }
    text.remove_prefix(used);
  }
  out += '"';
  return out;
}

}  // namespace tolmark
