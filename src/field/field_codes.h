// The road's step codes: what the next click or tick on the road does, by name. Each stretch
// is named by its first and last code; the field's row routes a stretch to its operation.
#pragma once

#include <cstdint>

namespace tolmark::field::code {

inline constexpr std::int32_t Walking = 0;  // nobody beside the hero, nothing waiting

inline constexpr std::int32_t HeroTurnFirst = 1;
inline constexpr std::int32_t HeroTurnLast = 19;
inline constexpr std::int32_t MonsterTurnFirst = 20;
inline constexpr std::int32_t MonsterTurnLast = 29;
inline constexpr std::int32_t BattleEndFirst = 30;
inline constexpr std::int32_t BattleEndLast = 39;
inline constexpr std::int32_t ResumeWalking = 40;
inline constexpr std::int32_t ResumeWalkingLast = 49;
inline constexpr std::int32_t GameOverFirst = 50;
inline constexpr std::int32_t GameOverLast = 59;
inline constexpr std::int32_t CarriageFirst = 100;
inline constexpr std::int32_t CarriageLast = 119;
inline constexpr std::int32_t PriestFirst = 120;
inline constexpr std::int32_t PriestLast = 129;
inline constexpr std::int32_t FindFirst = 200;
inline constexpr std::int32_t FindLast = 219;
inline constexpr std::int32_t EscapeFirst = 220;
inline constexpr std::int32_t EscapeLast = 229;
inline constexpr std::int32_t TravellerFirst = 300;
inline constexpr std::int32_t TravellerLast = 399;
inline constexpr std::int32_t CheckpointFirst = 400;
inline constexpr std::int32_t CheckpointLast = 499;
inline constexpr std::int32_t BossFirst = 500;
inline constexpr std::int32_t BossLast = 599;
inline constexpr std::int32_t NextStageFirst = 600;
inline constexpr std::int32_t NextStageLast = 699;
inline constexpr std::int32_t HomeFirst = 700;
inline constexpr std::int32_t HomeLast = 799;

}  // namespace tolmark::field::code
