// The story visitors at the counter: one line per click, and the few steps that do more.
#include <string>

#include "art/picture_names.h"
#include "model/language.h"
#include "model/numbers.h"
#include "scene/dialogue.h"
#include "scene/outcome.h"
#include "scene/small_windows.h"
#include "scene/startup.h"
#include "shop/counter_talk.h"
#include "shop/day.h"
#include "shop/shop_codes.h"
#include "shop/shop_commands.h"
#include "shop/shop_draw.h"
#include "shop/shop_operations.h"
#include "shop/stock_moves.h"
#include "shop/story_scripts.h"

namespace tolmark::shop {
namespace {

constexpr int kNightMs = 1500;
constexpr int kDiscardPauseMs = 2000;

void Line(Scenes& c, Speaker speaker, std::string_view text, std::int32_t next) {
  Perform(c, Says(speaker, std::string(text), next));
}

void EndVisit(Scenes& c) {
  c.desk.CloseWindow(Window::frmMessage);
  VisitorWalksOut(c);
  c.s.StartingUp = kFalse;
}

// The enlargement: its price, the question, the night the carpenter works through.
bool EnlargementStep(Scenes& c) {
  GameState& s = c.s;
  switch (s.PendingAction) {
    case code::TellEnlargementPrice:
      Line(c, Speaker::Visitor,
           Fill(story_line::kEnlargeCost, {{"amount", FormatThousands(s.DealAmount)}}),
           code::AskToEnlarge);
      return true;
    case code::AskToEnlarge:
      AskAtCounter(c, "する", "しない");
      return true;
    case code::EnlargementAnswered:
      if (s.Answer == kAnswerYes) {
        s.Answer = 0;
        Line(c, Speaker::Visitor, story_line::kEnlargeYes, code::CarpenterStartsWork);
      } else if (s.Answer == kAnswerNo) {
        s.Answer = 0;
        Line(c, Speaker::Visitor, story_line::kEnlargeNo, code::EnlargementEnds);
      }
      return true;
    case code::MerchantGoesToBed:
      s.ShopSign = picture::kClosedBoard;
      DrawShop(c, ShopFrame::MerchantAndBoard);
      Line(c, Speaker::Hero, story_line::kGoToBed, code::NightOfTheWorks);
      return true;
    case code::NightOfTheWorks:
      // The night of the works restores HP without any living cost.
      c.desk.HideWindow(Window::frmShop);
      s.HP = s.MaxHP;
      Speak(c, Speaker::Hero, story_line::kNightPassed);
      c.desk.Sleep(kNightMs);
      c.desk.ShowWindow(Window::frmShop);
      s.ShopSign = picture::kCounterBoard;
      DrawShop(c, ShopFrame::WithVisitor);
      Line(c, Speaker::Visitor, story_line::kItIsDone, code::ShopEnlarged);
      return true;
    case code::ShopEnlarged:
      EnlargeShop(s);
      RefreshOpenWindows(c);
      Line(c, Speaker::Hero, story_line::kMoreRoom, code::TellNextEnlargement);
      return true;
    case code::TellNextEnlargement:
      Line(c, Speaker::Visitor, s.ShopRank == 2 ? story_line::kNextPrice : story_line::kNoBigger,
           code::CarpenterTakesLeave);
      return true;
    case code::EnlargementEnds:
      EndVisit(c);
      return true;
    default:
      return false;
  }
}

bool HolyBeastStep(Scenes& c) {
  GameState& s = c.s;
  if (s.PendingAction == code::HandOverHolyBeastWeapons) {
    if (TakeHolyBeastWeapons(s)) {
      s.StoryState = 8;
      RefreshOpenWindows(c);
      EndVisit(c);
    } else {
      s.StoryState = 6;
      Line(c, Speaker::Visitor, story_line::kWeaponsMissing, code::AskForAllFive);
    }
    return true;
  }
  if (s.PendingAction == code::HolyBeastEnds) {
    EndVisit(c);
    return true;
  }
  return false;
}

bool StrongestSwordStep(Scenes& c) {
  GameState& s = c.s;
  switch (s.PendingAction) {
    case code::SwordWellMade:
      Line(c, Speaker::Visitor, story_line::kGoodWork,
           s.Chapter == 3 ? code::TellOfTheDemons : code::SwordCarpenterLeaves);
      return true;
    case code::OpenTheDemonMountains:
      s.Chapter = 4;
      Line(c, Speaker::Visitor, story_line::kTryTheDemons, code::SwordCarpenterLeaves);
      return true;
    case code::TakeTheSword:
      if (const auto thrownAway = AddStrongestSword(s)) {
        Speak(c, Speaker::Hero, *thrownAway);
        c.desk.Pump();
        c.desk.Sleep(kDiscardPauseMs);
      }
      s.StoryState = 6;
      RefreshOpenWindows(c);
      EndVisit(c);
      return true;
    default:
      return false;
  }
}

// The steps of the current event that do more than talk; false when the code is plain talk.
bool EventAction(Scenes& c) {
  GameState& s = c.s;
  const std::int32_t step = s.PendingAction;
  switch (s.EventCode) {
    case 1:
      if (step != StoryEndCode(1, s.StoryState)) return false;
      if (s.StoryState == 3) {
        s.Chapter = 2;
        s.StoryState = 4;
      }
      EndVisit(c);
      return true;
    case 2:
      return EnlargementStep(c);
    case 3:
      if (step != code::RoyalOrderEnds) return false;
      s.Chapter = 3;
      s.StoryState = 6;
      EndVisit(c);
      return true;
    case 4:
      return HolyBeastStep(c);
    case 5:
      return StrongestSwordStep(c);
    default:
      return false;
  }
}

}  // namespace

void EventStart(Scenes& c) {
  GameState& s = c.s;
  if (s.StartingUp == kTrue) return;  // a click pumped in while a step is still running
  s.StartingUp = kTrue;
  if (!EventAction(c)) {
    if (const LineRow* row = FindLine(StoryScriptFor(s.EventCode, s.StoryState), s.PendingAction)) {
      Perform(c, Says(*row));
    }
  }
  s.StartingUp = kFalse;
}

}  // namespace tolmark::shop
