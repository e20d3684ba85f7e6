// Quoting of transcript texts, the inverse of the script's quoted arguments.
#include "headless/transcript_text.h"

namespace tolmark {
namespace {

// The length of the well-formed UTF-8 sequence starting text, 0 when there is none.
std::size_t WellFormedLength(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  std::size_t length = 0;
  if (lead >= 0xC2 && lead < 0xE0) length = 2;
  if (lead >= 0xE0 && lead < 0xF0) length = 3;
  if (lead >= 0xF0 && lead < 0xF5) length = 4;
  if (length == 0 || text.size() < length) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((static_cast<unsigned char>(text[k]) & 0xC0) != 0x80) return 0;
  }
  return length;
}

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
    } else if (const std::size_t length = WellFormedLength(text); length > 0) {
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
