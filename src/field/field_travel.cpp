// The walk itself: entering the road, the tick with its fixed steps and encounter roll, the
// gate of the town or castle, the walk resuming after an encounter, and the hand-overs.
#include "field/field_codes.h"
#include "field/field_draw.h"
#include "field/field_operations.h"
#include "field/field_scene.h"
#include "field/field_walk.h"
#include "field/gate_rules.h"
#include "field/going_home.h"
#include "field/road_events.h"
#include "field/walk_resume.h"
#include "model/numbers.h"
#include "scene/dialogue.h"
#include "scene/keys.h"
#include "scene/outcome.h"
#include "scene/small_windows.h"
#include "scene/startup.h"

namespace tolmark::field {

void FieldStartUp(Scenes& c) {
  GameState& s = c.s;
  if (!EnterScene(c, kFieldScene)) return;
  s.StartingUp = kFalse;
  s.SelectedRow = 0;
  c.desk.SetTimer(Window::frmField, Timer::Timer1, s.TickInterval);

  if (s.Homebound != kFalse) {
    // Back from the town or castle: the hero sits in the carriage where he left the road, and
    // the fare is taken before anything is clicked.
    EnterHomebound(s);
    RedrawField(c, {Landmark(s), Carriage(s)});
    RefreshOpenWindows(c);
    Speak(c, Speaker::Hero, kHomeboundLine);
    return;
  }
  EnterOutward(s, MetricsOf(c));
  RedrawField(c, {Landmark(s), Hero(s)});
}

void FieldTick(Scenes& c) {
  GameState& s = c.s;
  // The town or castle has taken over: this window goes.
  if (s.SceneEntry != entry::kToField) {
    CloseSceneWindow(c, Window::frmField);
    return;
  }
  if (TickIdles(s)) return;

  if (s.EventActive == kTrue) {
    // Somebody stands beside the hero; automatic play reads on, and on the road answers no.
    AnimateField(c, s.VisitorPicture, s.VisitorFrames,
                 static_cast<std::int16_t>(StandingAnimationKind(s)));
    if (s.AutoMode == kTrue) ReadOnInAutomaticPlay(c, kKeyN);
    return;
  }

  AnimateField(c, picture::kHeroWalking, 0, 0);
  const StepRule rule = StepRuleFor(s);
  switch (rule.event) {
    case StepEvent::Carriage: CarriageSelect(c); break;
    case StepEvent::Boss: BossSelect(c); break;
    case StepEvent::CarpenterWaits:
      s.PendingAction = code::totem::CarpenterComes;
      BossTurn(c);
      break;
    case StepEvent::Gate: MoveNextStage(c); break;
    case StepEvent::Checkpoint: CheckPoint(c); break;
    case StepEvent::Roll: TimerEvent(c); break;
  }
  if (rule.marksStepDone) s.StepEventDone = kTrue;
}

void TimerEvent(Scenes& c) {
  switch (RollEncounter(c.s, c.rnd)) {
    case Encounter::Monster: MonsterSelect(c); return;
    case Encounter::Priest: PriestSelect(c); return;
    case Encounter::Find: ItemSelect(c); return;
    case Encounter::Traveller: EventSelect(c); return;
    case Encounter::Carriage: CarriageSelect(c); return;
    case Encounter::None: return;
  }
}

void MoveNextStage(Scenes& c) {
  GameState& s = c.s;
  switch (s.PendingAction) {
    case code::SayArrived: HeroLine(c, kGoInside, code::GoInside); return;
    case code::GoInside:
      // The hero has gone in; only the gate is left on the road.
      RedrawField(c, {Landmark(s), Visitor(s)});
      GoThroughTheGate(s);
      HandOverFieldToArms(c);
      return;
    default:
      if (InRange(s.PendingAction, code::NextStageFirst, code::NextStageLast)) return;
      if (!ReachTheGate(s)) {
        BossSelect(c);  // the castle road's boss stands before the gate
        return;
      }
      PlaceBlankVisitor(s, MetricsOf(c));
      RedrawField(c, {Landmark(s), Hero(s), Visitor(s)});
      HeroLine(c, ArrivalLine(s.Destination), code::SayArrived);
      return;
  }
}

void ResumeWalking(Scenes& c) {
  GameState& s = c.s;
  c.desk.CloseWindow(Window::frmMessage);
  if (ResumeWalk(s)) {
    BossTurn(c);  // a won boss battle: the boss's scene goes on
    return;
  }
  RedrawField(c, {Landmark(s), Hero(s)}, Marker::Drawn);
}

void HandOverFieldToShop(Scenes& c) {
  MarkDepartedHome(c.s);
  CloseSmallWindows(c, kFieldScene);
  CloseSceneWindow(c, Window::frmField);
  StartEnteredScene(c);
  c.desk.Pump();
  c.desk.Sleep(1000);
}

void HandOverFieldToArms(Scenes& c) {
  c.s.SceneEntry = entry::kToTown;
  c.desk.CloseWindow(Window::frmMessage);
  CloseSmallWindows(c, kFieldScene);
  // The field window stays until its next tick sees the new entry code and closes it.
  StartEnteredScene(c);
}

}  // namespace tolmark::field
