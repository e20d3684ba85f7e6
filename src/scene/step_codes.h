// The step codes every scene shares: nothing pending, the walker at the counter, the end
// question. A scene declares its own codes in its own folder, in its own namespace `code`, and
// reaches these through it.
#pragma once

#include <cstdint>

#include "model/step_codes.h"

namespace tolmark::code {

// A yes or no raises the step code of its question by one: a question's answer is read at the
// code after it.
inline constexpr std::int32_t AnswerRaisesBy = 1;
constexpr std::int32_t Answered(std::int32_t asked) { return asked + AnswerRaisesBy; }

// The walker has reached the counter (the shop's customer, the hero in the town): the visit's
// first step.
inline constexpr std::int32_t VisitBegins = 1;

// The end command, in any scene: the hero asks, the yes and no balloons go up, the answer ends
// the game or gives the step put aside back.
inline constexpr std::int32_t SayEndQuestion = 900;
inline constexpr std::int32_t ShowEndAnswers = 901;
inline constexpr std::int32_t EndAnswered = Answered(ShowEndAnswers);
inline constexpr std::int32_t EndConversationFirst = SayEndQuestion;
inline constexpr std::int32_t EndConversationLast = EndAnswered;

// Whether the end question is open: the scene stands still until it is answered.
constexpr bool EndQuestionOpen(std::int32_t step) {
  return step >= EndConversationFirst && step <= EndConversationLast;
}

}  // namespace tolmark::code
