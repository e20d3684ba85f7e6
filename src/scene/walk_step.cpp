// Frame counters and the walker shared by every scene's animation.
#include "scene/walk_step.h"

#include "model/numbers.h"

namespace tolmark {
namespace {

constexpr std::int32_t kCounterMark = 700;  // a walker beyond this x has arrived
constexpr std::int32_t kOffScreen = -400;   // a leaving walker below this x has gone

bool ValidPhase(std::int32_t frame) { return frame >= 1 && frame <= 4; }
std::int32_t NextPhase(std::int32_t frame) { return frame == 4 ? 1 : frame + 1; }

}  // namespace

void DrawAndAdvance(Scenes& c, Window w, const FrameSequence& seq, std::int32_t base,
                    std::int32_t& frame, std::int32_t x, std::int32_t y) {
  if (!ValidPhase(frame)) return;
  c.desk.DrawPicture(w, SatAdd(base, seq[static_cast<std::size_t>(frame - 1)]), x, y);
  frame = NextPhase(frame);
}

Walked StepWalker(Scenes& c, Window w, std::int32_t& x, std::int32_t y, std::int32_t& frame,
                  const FrameSequence& in, const FrameSequence& out, std::int32_t base) {
  GameState& s = c.s;
  if (s.ScenePhase == 10) {
    if (x > kCounterMark) {
      s.ScenePhase = 20;
      return Walked::Arrived;  // the drawing waits for the next presentation
    }
    if (MovingPhase(frame)) AddTo(x, c.PxX(7));
    DrawAndAdvance(c, w, in, base, frame, x, y);
    return Walked::Drawn;
  }
  if (s.ScenePhase == 30) {
    if (x < kOffScreen) {
      c.desk.CloseWindow(Window::frmMessage);
      s.ScenePhase = 0;
      s.EventActive = kFalse;
      return Walked::Gone;
    }
    if (MovingPhase(frame)) SubtractFrom(x, c.PxX(10));
    DrawAndAdvance(c, w, out, base, frame, x, y);
    return Walked::Drawn;
  }
  return Walked::Still;
}

}  // namespace tolmark
