// The figure behind the counter and the hero who comes to it.
#include "town/counter_walk.h"

#include "art/picture_names.h"
#include "model/numbers.h"
#include "scene/walk_step.h"
#include "town/town_codes.h"

namespace tolmark::town {
namespace {

using picture::kHeroWalking;

constexpr FrameSequence kHeroWalkingRight = {kHeroWalking, kHeroWalking + 2, kHeroWalking,
                                             kHeroWalking + 4};
constexpr FrameSequence kHeroWalkingLeft = {kHeroWalking + 1, kHeroWalking + 3,
                                            kHeroWalking + 1, kHeroWalking + 5};

}  // namespace

void AnimateCounter(Scenes& c) {
  GameState& s = c.s;
  const Window w = Window::frmArms;
  DrawAndAdvance(c, w, kThreeInPlace, s.VisitorPicture, s.VisitorFrame, s.VisitorX, s.VisitorY);
  switch (StepWalker(c, w, s.HeroX, s.HeroY, s.HeroFrame, kHeroWalkingRight, kHeroWalkingLeft,
                     0)) {
    case Walked::Drawn:
      c.desk.DrawPicture(w, picture::kCounterBoard, SatSub(s.VisitorX, c.PxX(15)),
                         SatSub(s.VisitorY, c.PxY(5)));
      c.desk.ShowScene(w);
      return;
    case Walked::Arrived:
      s.PendingAction = code::VisitBegins;
      return;
    case Walked::Gone:  // the town timer keeps its period
    case Walked::Still:
      return;
  }
}

}  // namespace tolmark::town
