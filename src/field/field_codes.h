// The road's step codes: what the next click or tick on the road does, by name. Each stretch
// is named by its first and last code; the field's row routes a stretch to its operation, and
// the step functions and the boss scenes use the names of its codes.
#pragma once

#include <cstdint>

#include "scene/step_codes.h"

namespace tolmark::field::code {

using namespace tolmark::code;

inline constexpr std::int32_t Walking = Idle;  // nobody beside the hero, nothing waiting

// A fight, one click a blow: the hero announces his blow, then lands it; the monster does the
// same, and the hero may collapse under it.
inline constexpr std::int32_t HeroTurnFirst = 1;
inline constexpr std::int32_t AnnounceHeroBlow = HeroTurnFirst;  // also where every fight opens
inline constexpr std::int32_t LandHeroBlow = 2;                  // the only moment to run away
inline constexpr std::int32_t HeroTurnLast = 19;
inline constexpr std::int32_t MonsterTurnFirst = 20;
inline constexpr std::int32_t AnnounceMonsterBlow = MonsterTurnFirst;
inline constexpr std::int32_t TellMonsterBlow = 21;
inline constexpr std::int32_t HeroCollapses = 22;
inline constexpr std::int32_t MonsterTurnLast = 29;

// The monster down: its fall, the reward, a level-up.
inline constexpr std::int32_t BattleEndFirst = 30;
inline constexpr std::int32_t MonsterFalls = BattleEndFirst;
inline constexpr std::int32_t PayReward = BattleWon;
inline constexpr std::int32_t TellLevelUp = 32;
inline constexpr std::int32_t BattleEndLast = 39;
static_assert(PayReward > MonsterFalls && PayReward < TellLevelUp);

// The last line of anything on the road read: the walk goes on.
inline constexpr std::int32_t ResumeWalking = 40;
inline constexpr std::int32_t ResumeWalkingLast = 49;

// The hero beaten: the defeat counted, the carriage called, the ride home.
inline constexpr std::int32_t GameOverFirst = 50;
inline constexpr std::int32_t CountDefeat = GameOverFirst;
inline constexpr std::int32_t DefeatCounted = 51;  // the carriage is on its way
inline constexpr std::int32_t RideHomeBeaten = 52;
inline constexpr std::int32_t GameOverLast = 59;

// The carriage to モノリス: the fare, the question, the ride; the ride back from the town.
inline constexpr std::int32_t CarriageFirst = 100;
inline constexpr std::int32_t TellFare = CarriageFirst;
inline constexpr std::int32_t AskToBoard = 101;
inline constexpr std::int32_t BoardAnswered = Answered(AskToBoard);
inline constexpr std::int32_t RideUnderWay = 103;
inline constexpr std::int32_t RideHomeNothingBeyond = 104;  // nothing lies ahead: no question
inline constexpr std::int32_t HomeboundAboard = 105;        // back from the town, already seated
inline constexpr std::int32_t CarriageLast = 119;

// The priest: his greeting, the prayer for a hurt hero, the healing, the blessing.
inline constexpr std::int32_t PriestFirst = 120;
inline constexpr std::int32_t PriestGreets = PriestFirst;
inline constexpr std::int32_t PriestPrays = 121;
inline constexpr std::int32_t PriestHeals = 122;
inline constexpr std::int32_t PriestBlesses = 123;
inline constexpr std::int32_t PriestLast = 129;

// Something by the road: what it is, and a little happening's second line.
inline constexpr std::int32_t FindFirst = 200;
inline constexpr std::int32_t LookAtFind = FindFirst;
inline constexpr std::int32_t AteMeat = 201;
inline constexpr std::int32_t Fell = 202;
inline constexpr std::int32_t SprungTrap = 203;
inline constexpr std::int32_t PractisedGreeting = 204;
inline constexpr std::int32_t Shouted = 205;
inline constexpr std::int32_t FindLast = 219;

// Running from a fight: the try, and what fell from the purse.
inline constexpr std::int32_t EscapeFirst = 220;
inline constexpr std::int32_t TryToEscape = EscapeFirst;
inline constexpr std::int32_t TellEscapeLoss = 221;
inline constexpr std::int32_t EscapeLast = 229;

// A traveller: the conversation runs on its own codes; this stretch only routes to it.
inline constexpr std::int32_t TravellerFirst = 300;
inline constexpr std::int32_t TravellerTalks = TravellerFirst;
inline constexpr std::int32_t TravellerLast = 399;

// The checkpoint on the castle road: known merchants pass, strangers are turned back.
inline constexpr std::int32_t CheckpointFirst = 400;
inline constexpr std::int32_t GuardHalts = CheckpointFirst;
inline constexpr std::int32_t GuardLetsPass = 401;
inline constexpr std::int32_t GuardRefuses = 420;
inline constexpr std::int32_t TurnedBack = 421;
inline constexpr std::int32_t SentToCarriage = 422;
inline constexpr std::int32_t RideHomeTurnedBack = 423;
inline constexpr std::int32_t CheckpointLast = 499;

// The boss scenes at the ends of the roads. Plain talk is a row of the boss's script; these
// codes act. Every boss scene opens, fights and falls at the same codes and ends in the ride
// home; the rest is each road's own.
inline constexpr std::int32_t BossFirst = 500;
inline constexpr std::int32_t BossAppears = BossFirst;
inline constexpr std::int32_t BossFights = 503;
inline constexpr std::int32_t BossFalls = 510;
inline constexpr std::int32_t BossAfterFall = 511;  // the orc's 棟梁 comes, the castle's gate
inline constexpr std::int32_t OfferBossRide = 590;
inline constexpr std::int32_t RideHomeFromBoss = 591;
inline constexpr std::int32_t BossLast = 599;

// A plain line of a boss scene, counted from its opening.
constexpr std::int32_t BossSaid(std::int32_t line) { return BossFirst + line; }

namespace totem {
inline constexpr std::int32_t CarpenterComes = BossFirst;  // when the orc is no more
inline constexpr std::int32_t AskTheCarpenter = 501;       // the hammer, or the five weapons
inline constexpr std::int32_t HammerKept = 502;
inline constexpr std::int32_t RideHomeEmptyHanded = 505;
inline constexpr std::int32_t CarpenterAfterOrc = BossAfterFall;
inline constexpr std::int32_t TellOfTheSword = BossFalls;  // no orc to fell in the later chapters
inline constexpr std::int32_t CarpenterThanks = 512;
inline constexpr std::int32_t TestForHammer = 515;
inline constexpr std::int32_t ReceiveHammer = 516;
inline constexpr std::int32_t HammerReceived = 517;
inline constexpr std::int32_t RideHomeWithHammer = 518;
inline constexpr std::int32_t FiveWeaponsHeardOf = 540;
inline constexpr std::int32_t TimeToGoHome = 595;
}  // namespace totem

namespace castle {
inline constexpr std::int32_t GateOpens = BossAfterFall;
}  // namespace castle

namespace demons {
inline constexpr std::int32_t GaleStaggers = BossAfterFall;
inline constexpr std::int32_t TrueFormComes = 513;
inline constexpr std::int32_t TrueFormFights = 514;
inline constexpr std::int32_t GaleFalls = 520;
inline constexpr std::int32_t GaleFallen = 521;
inline constexpr std::int32_t GaleVanishes = 525;
inline constexpr std::int32_t SomethingLies = 526;
inline constexpr std::int32_t FindCursedSword = 527;
inline constexpr std::int32_t SwordNamed = 528;
inline constexpr std::int32_t LeaveCursedSword = 529;
}  // namespace demons

// The gate of the town or the castle: the arrival, then the hero goes in.
inline constexpr std::int32_t NextStageFirst = 600;
inline constexpr std::int32_t SayArrived = 601;
inline constexpr std::int32_t GoInside = 602;
inline constexpr std::int32_t NextStageLast = 699;

// Going home in the hired wagon: the question, the answer, the drive.
inline constexpr std::int32_t HomeFirst = 700;
inline constexpr std::int32_t SayGoHome = HomeFirst;
inline constexpr std::int32_t AskToGoHome = 701;
inline constexpr std::int32_t GoHomeAnswered = Answered(AskToGoHome);
inline constexpr std::int32_t DriveHome = 710;
inline constexpr std::int32_t DrivingHome = 711;
inline constexpr std::int32_t HomeLast = 799;

}  // namespace tolmark::field::code

// A traveller's conversation runs on a code of its own (EventCode) while the road's code stays
// at TravellerTalks: one line a click from Opens on; a yes or a no to the traveller's question
// moves it to AnsweredYes or AnsweredNo.
namespace tolmark::field::talk {

inline constexpr std::int32_t Opens = 100;
constexpr std::int32_t Said(std::int32_t line) { return Opens + line; }  // the lines after it
inline constexpr std::int32_t AnsweredYes = 1;
inline constexpr std::int32_t AnsweredNo = 51;
inline constexpr std::int32_t Over = 9999;  // no conversation runs

// A sacred beast: it attacks at Opens; once it is beaten its weapon is the merchant's.
inline constexpr std::int32_t BeastBeaten = Said(1);

// High and low with the card player: the invitation from Opens, the question at AskToPlay; a
// yes deals the first card.
namespace cards {
inline constexpr std::int32_t AskToPlay = Said(3);
inline constexpr std::int32_t FirstCard = AnsweredYes;
inline constexpr std::int32_t AskHighOrLow = 2;
inline constexpr std::int32_t TurnTheCard = 3;
inline constexpr std::int32_t RightGuess = 10;
inline constexpr std::int32_t AskToGoOn = 11;
inline constexpr std::int32_t NextTurn = 12;
inline constexpr std::int32_t OutOfStakes = 13;
inline constexpr std::int32_t FiveTurnsPlayed = 14;
inline constexpr std::int32_t Stopped = 30;
inline constexpr std::int32_t PayThePrize = 31;
inline constexpr std::int32_t Lost = 40;
}  // namespace cards

}  // namespace tolmark::field::talk
