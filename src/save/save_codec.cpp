// Encoding and decoding of the save file's two lines.
#include "save/save_codec.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace tolmark {
namespace {

// The letter written for each digit 0..7 of the first line.
inline constexpr std::array<char, 8> kDigitLetters = {'u', 'h', 'b', 'f', 'e', 's', 'z', 'p'};

// The second line's letter pair for weapon l depends on l mod 10.
struct CollectedLetters {
  char not_collected;
  char collected;
};
inline constexpr std::array<CollectedLetters, 10> kCollectedLetters = {{
    {'m', 'z'}, {'n', 'x'}, {'h', 'g'}, {'j', 'f'}, {'q', 'p'},
    {'w', 'o'}, {'t', 'y'}, {'r', 'u'}, {'a', 'l'}, {'s', 'k'},
}};

inline constexpr std::int32_t kBagCapacityLimit = 99;

std::optional<int> DigitOfLetter(char letter) {
  const auto* found = std::find(kDigitLetters.begin(), kDigitLetters.end(), letter);
  if (found == kDigitLetters.end()) return std::nullopt;
  return static_cast<int>(found - kDigitLetters.begin());
}

std::int64_t LargestOctal(int width) { return (std::int64_t{1} << (3 * width)) - 1; }

// The first line's layout, walked once by the writer and once by the reader so the two can
// never disagree on an order or a width. Returns false when the reader refuses the line.
template <class Io, class State>
bool VisitFirstLine(Io& io, State& s) {
  io.Octal(s.MaxHP, 5);
  io.Octal(s.HP, 5);
  io.Octal(s.Attack, 4);
  io.Octal(s.Defense, 4);
  io.Octal(s.Speed, 4);
  io.Octal(s.Reputation, 4);
  io.Octal(s.Gold, 10);
  io.Octal(s.Level, 3);
  io.Octal(s.Experience, 10);
  io.Octal(s.NextLevelExp, 10);
  io.Octal(s.GrowthRate, 2);
  io.Digit(s.ShopRank);
  io.Digit(s.Chapter);
  io.YesNo(s.GameCleared);
  io.Constant(3);
  for (auto& order : s.RoyalOrder) io.Octal(order.Wanted, 2);
  io.Octal(s.StoryState, 2);
  io.Octal(s.StockCapacity, 2);
  const std::optional<int> rows = io.StockCount(s.StockCount);
  if (!rows) return false;
  io.Octal(s.BagCapacity, 3);
  for (int k = 0; k < *rows; ++k) {
    auto& entry = s.ShopStock[static_cast<std::size_t>(k)];
    io.Octal(entry.WeaponId, 2);
    io.Octal(entry.Count, 2);
  }
  io.Octal(s.WinsCount, 6);
  io.Octal(s.EscapesCount, 5);
  io.Octal(s.DefeatsCount, 4);
  io.Octal(s.SalesCount, 6);
  io.Octal(s.PurchasesCount, 6);
  io.Octal(s.RefusalsCount, 4);
  io.Octal(s.DemonDealsCount, 3);
  io.YesNo(s.DemonsDefeated);
  io.Constant(10);
  return true;
}

// Writes the fields as letters. Values are held inside their fields so nothing shifts.
class LineWriter {
 public:
  template <class T>
  void Octal(const T& value, int width) {
    const std::int64_t held = std::clamp<std::int64_t>(value, 0, LargestOctal(width));
    for (int shift = 3 * (width - 1); shift >= 0; shift -= 3) Put((held >> shift) & 7);
  }
  // A single digit field; 8 and 9 have no letter, so 7 is the most it can hold.
  template <class T>
  void Digit(const T& value) {
    Put(std::clamp<std::int64_t>(value, 0, 7));
  }
  void YesNo(Flag flag) { Put(flag != kFalse ? 1 : 0); }
  void Constant(int width) { line_.append(static_cast<std::size_t>(width), kDigitLetters[0]); }
  std::optional<int> StockCount(std::int32_t count) {
    const int rows = std::clamp<std::int32_t>(count, 0, kWeaponCount);
    Octal(rows, 2);
    return rows;
  }
  std::string Take() { return std::move(line_); }

 private:
  void Put(std::int64_t digit) { line_.push_back(kDigitLetters[static_cast<std::size_t>(digit)]); }
  std::string line_;
};

// Reads the fields from the digits of the first line. Digits past the end of a short line
// count as missing, and a missing field reads as 0.
class LineReader {
 public:
  explicit LineReader(std::string_view digits) : digits_(digits) {}

  template <class T>
  void Octal(T& field, int width) {
    field = static_cast<T>(Take(width));
  }
  template <class T>
  void Digit(T& field) {
    field = static_cast<T>(Take(1));
  }
  void YesNo(Flag& flag) {
    const std::int64_t digit = Take(1);
    if (digit == 0) flag = kFalse;
    else if (digit == 1) flag = kTrue;
    else bad_yes_no_ = true;  // refused once every field is taken over
  }
  void Constant(int width) { Take(width); }
  // A tampered count beyond the shop's 61 rows is refused before any row is read.
  std::optional<int> StockCount(std::int32_t& count) {
    const std::int64_t rows = Take(2);
    if (rows > kWeaponCount) return std::nullopt;
    count = static_cast<std::int32_t>(rows);
    return count;
  }
  bool bad_yes_no() const { return bad_yes_no_; }

 private:
  std::int64_t Take(int width) {
    std::int64_t value = 0;
    for (int i = 0; i < width; ++i, ++next_) {
      if (next_ < digits_.size()) value = value * 8 + (digits_[next_] - '0');
    }
    return value;
  }
  std::string_view digits_;
  std::size_t next_ = 0;
  bool bad_yes_no_ = false;
};

// Splits off the next line; it ends at CR LF, LF or CR, or at the end of the text.
std::string_view NextLine(std::string_view& text) {
  const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
  const std::string_view line = text.substr(0, end);
  std::size_t skip = end;
  if (skip < text.size() && text[skip] == '\r') ++skip;
  if (skip < text.size() && text[skip] == '\n') ++skip;
  text.remove_prefix(skip);
  return line;
}

// Only a tampered file names a weapon the catalogue lacks (the two letters reach 63) or a
// stock larger than the shop's rows; either would send later rules past the end of a table.
bool StockFitsTheShop(const GameState& s) {
  if (s.StockCapacity > kWeaponCount) return false;
  for (std::int32_t k = 0; k < s.StockCount; ++k) {
    if (s.ShopStock[static_cast<std::size_t>(k)].WeaponId >= kWeaponCount) return false;
  }
  return true;
}

bool DecodeSecondLine(std::string_view line, GameState& s) {
  for (std::size_t l = 0; l < s.Collected.size(); ++l) {
    if (l >= line.size()) return false;
    const CollectedLetters pair = kCollectedLetters[l % kCollectedLetters.size()];
    if (line[l] == pair.not_collected) s.Collected[l] = kFalse;
    else if (line[l] == pair.collected) s.Collected[l] = kTrue;
    else return false;
  }
  return true;  // letters after the 61st are ignored
}

}  // namespace

std::string EncodeFirstLine(const GameState& s) {
  LineWriter writer;
  VisitFirstLine(writer, s);
  return writer.Take();
}

std::string EncodeSecondLine(const GameState& s) {
  std::string line;
  for (std::size_t l = 0; l < s.Collected.size(); ++l) {
    const CollectedLetters pair = kCollectedLetters[l % kCollectedLetters.size()];
    line.push_back(s.Collected[l] != kFalse ? pair.collected : pair.not_collected);
  }
  return line;
}

std::string EncodeSaveFile(const GameState& s) {
  return EncodeFirstLine(s) + "\r\n" + EncodeSecondLine(s) + "\r\n";
}

LoadResult DecodeSaveFile(std::string_view text, GameState& s) {
  const std::string_view first = NextLine(text);
  const std::string_view second = NextLine(text);

  // Every letter is checked before anything is taken over.
  std::string digits;
  digits.reserve(first.size());
  for (const char letter : first) {
    const std::optional<int> digit = DigitOfLetter(letter);
    if (!digit) return LoadResult::kRejected;
    digits.push_back(static_cast<char>('0' + *digit));
  }

  LineReader reader(digits);
  if (!VisitFirstLine(reader, s)) return LoadResult::kRejected;
  s.BagCapacity = std::min(s.BagCapacity, kBagCapacityLimit);
  if (reader.bad_yes_no()) return LoadResult::kRejected;
  if (!StockFitsTheShop(s)) return LoadResult::kRejected;

  if (!DecodeSecondLine(second, s)) return LoadResult::kRejected;
  return LoadResult::kAccepted;
}

}  // namespace tolmark
