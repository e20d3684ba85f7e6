// Feeds arbitrary bytes to the save file reader as the content of Tolmark.dat.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/game_state.h"
#include "save/save_codec.h"

namespace {

using namespace tolmark;

bool IsFlag(Flag flag) { return flag == kTrue || flag == kFalse; }

// What any load must leave behind, accepted or not: a stock the shop can hold.
void CheckAnyLoad(const GameState& s) {
  if (s.StockCount < 0 || s.StockCount > kWeaponCount) std::abort();
}

// What an accepted load must leave behind, and that saving it again reads back the same.
void CheckAcceptedLoad(const GameState& s) {
  if (s.BagCapacity < 0 || s.BagCapacity > 99) std::abort();
  if (!IsFlag(s.GameCleared) || !IsFlag(s.DemonsDefeated)) std::abort();
  for (const Flag flag : s.Collected) {
    if (!IsFlag(flag)) std::abort();
  }
  const std::string saved = EncodeSaveFile(s);
  GameState again;
  if (DecodeSaveFile(saved, again) != LoadResult::kAccepted) std::abort();
  if (EncodeSaveFile(again) != saved) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  GameState s;
  const LoadResult result = DecodeSaveFile(text, s);
  CheckAnyLoad(s);
  if (result == LoadResult::kAccepted) CheckAcceptedLoad(s);
  return 0;
}
