// The travellers of the road (EventSelect, CharaSelect, EventTurn 300..399): who comes on the
// roll k = Int(Rnd × 20) and when nobody can come after all, what each of them says one click at
// a time, and what the bag seller, the demon, the buyers and sellers and the sacred beasts do
// to the merchant. The card player's game is in card_game.h. Pure rules on the game state; the
// step functions place, draw, say, ask and end the encounter.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "model/game_state.h"
#include "scene/lines.h"
#include "scene/outcome.h"

namespace tolmark {
class Random;
}

namespace tolmark::field {

// Who the roll k brings.
enum class Traveller : std::uint8_t {
  BagSeller,   // k 0, 5, 10, 15
  Demon,       // 1, 6
  Rumours,     // 2, 7
  Greeting,    // 3, 8
  Buyer,       // 4, 9
  Seller,      // 11, 16
  CardPlayer,  // 12, 19
  Beast,       // 13, 17
  Warning,     // 14, 18
};
inline constexpr std::int32_t kTravellerRolls = 20;

// The traveller of roll k (0..19).
Traveller TravellerOf(std::int32_t k);

// The pictures of those who come by themselves rather than by CharaSelect.
inline constexpr std::int32_t kBagSellerPicture = 91;
inline constexpr std::int32_t kDemonPicture = 140;
inline constexpr std::int32_t kRumourPicture = 52;
inline constexpr std::int32_t kCardPlayerPicture = 73;
inline constexpr std::int32_t kWarningPicture = 79;

// A sacred beast: its picture, the only destination it roams, and the weapon it leaves.
struct SacredBeast {
  std::string_view name;
  std::int32_t picture;
  std::int32_t destination;
  std::int32_t weapon;
};
// By d = Int(Rnd × 5): 朱雀, 白虎, 玄武, 青龍, 麒麟.
extern const std::array<SacredBeast, 5> kSacredBeasts;

// The price of a bigger bag: (BagCapacity - 9) × 2000.
std::int32_t BagPrice(std::int32_t bagCapacity);

// The card player's stake on each road: 100, 1000, 5000, 10000 (0 elsewhere).
std::int32_t CardStakeOf(std::int32_t destination);

// CharaSelect: the look of an ordinary traveller, c = Int(Rnd × 10) → 27, 46, 52, 61, 67, 73,
// 79, 85, 91, 27 (the travelling merchant twice as often as anyone else).
void CharaSelect(GameState& s, Random& random);

// EventSelect: who comes. EventActive and FieldStop set, reseeds, draws k (then what the
// traveller's set-up draws: the buyer's entry i and CharaSelect; the seller's weapon again and
// again, its price again and again, and CharaSelect; the beast's d), VisitorPicture 0 first. Nobody
// comes (false) when the traveller's condition fails: FieldEventItem 9999, FieldStop and
// EventActive cleared, nothing to draw or say. Otherwise (true) VisitorFrames (2 for the demon,
// else 3), FieldStop (clear for a beast: it moves as a monster does), PendingAction
// code::TravellerTalks, EventCode talk::Opens and FieldEventItem k; the step function places the
// visitor, draws the landmark, the hero, the visitor and the marker, and calls EventTurn for the
// first line.
bool ChooseTraveller(GameState& s, Random& random);

// The steps of an encounter as its rules hand them back: a line (the encounter goes on, its
// EventCode already moved; the open windows filled again first where the step changed them),
// the two answer balloons, and the last line. The last line gets its fixed two seconds in
// automatic play; then the encounter ends (FinishEncounter).
Outcome EncounterLine(std::string text, bool refresh = false);
Outcome EncounterPrompt(std::string_view yes, std::string_view no);
Outcome EncounterClosing(GameState& s, std::string_view text,
                         Speaker speaker = Speaker::Visitor);

// EventTurn: first the answer of a prompt (Answer 89 moves EventCode to talk::AnsweredYes, 78 to
// talk::AnsweredNo, Answer cleared; the card game maps its own answers), then one step of the
// encounter in FieldEventItem by EventCode. Draws only where a step says so (the trades'
// reputation, the card game).
Outcome AdvanceEncounter(GameState& s, Random& random);

// The common end of an encounter: FixedWaitMessage cleared, TickFromDialogue set, EventCode
// talk::Over, FieldEventItem 99999, PendingAction code::ResumeWalking. The step function then
// refreshes the open windows and, in automatic play, runs the field tick at once, which resumes the
// walk.
void EndEncounter(GameState& s);

// An ordinary traveller's lines, keyed by picture.
struct TravellerLines {
  std::int32_t picture;
  std::string_view greeting;
  std::string_view buyerRequest;  // "{weapon}" and "{price}" filled in
  std::string_view sellerOffer;
  std::string_view bought, buyRefused;  // the buyer's closing lines
  std::string_view sold, sellRefused;   // the seller's closing lines
};

// The lines of that picture, or null for a picture no ordinary traveller has.
const TravellerLines* LinesOf(std::int32_t picture);

// The buyer's request and the seller's offer, with Name(CurrentItem) and ItemPrice filled in.
std::string BuyerRequest(const GameState& s, const TravellerLines& lines);
std::string SellerOffer(const GameState& s, const TravellerLines& lines);

}  // namespace tolmark::field
