// Saving and loading from the shop: the question, the prompt, the file, and the hero's word.
#include <filesystem>

#include "save/save_file.h"
#include "scene/dialogue.h"
#include "scene/outcome.h"
#include "scene/small_windows.h"
#include "scene/startup.h"
#include "shop/counter_talk.h"
#include "shop/shop_codes.h"
#include "shop/shop_commands.h"
#include "shop/shop_operations.h"

namespace tolmark::shop {
namespace {

// A refused file is told as part of reading it, before any window shows what was read.
void TellRefusedFile(Scenes& c) {
  c.desk.CloseWindow(Window::frmMessage);
  c.desk.MessageBox(kModifiedSaveMessage, false);
}

// The game ends on a refused file: no partial load may be played on.
void EndOnRefusedFile(Scenes& c) {
  c.desk.UnloadAllExcept(Window::frmShop);
  CloseSceneWindow(c, Window::frmShop);
  c.desk.EndProgram();
}

}  // namespace

void StartRecord(Scenes& c, bool save) {
  GameState& s = c.s;
  s.CommandBusy = kTrue;
  s.SaveChosen = AsFlag(save);
  s.PendingAction = code::ConfirmRecord;
  c.desk.Focus(Window::frmShop);
  SaveORLoad(c);
}

void SaveORLoad(Scenes& c) {
  GameState& s = c.s;
  const bool saving = s.SaveChosen == kTrue;
  switch (s.PendingAction) {
    case code::ConfirmRecord:
      if (!saving) {
        MerchantLine(c, "ロードするのか？", code::AskToRecord);
      } else if (SaveFileExists()) {
        MerchantLine(c, "前のセーブデータが上書きされるが、いいのか？", code::AskToRecord);
      } else {
        MerchantLine(c, "セーブするのか？", code::AskToRecord);
      }
      return;
    case code::AskToRecord:
      if (saving) {
        AskAtCounter(c, "セーブする", "セーブしない");
      } else {
        AskAtCounter(c, "ロードする", "ロードしない");
      }
      return;
    default:
      break;
  }
  if (s.Answer != kAnswerYes) {
    // A "no", or the click after the result line: the command is over.
    s.Answer = 0;
    s.PendingAction = code::Idle;
    s.CommandBusy = kFalse;
    c.desk.CloseWindow(Window::frmMessage);
    return;
  }
  s.Answer = 0;
  if (saving) {
    // A write that failed (full disk, no permission) keeps the old file and must say so.
    const FileWriteResult written = WriteSaveFile(s, std::filesystem::path(kSaveFileName));
    Speak(c, Speaker::Hero, written ? "セーブしたぞ！" : kSaveFailedLine);
    return;
  }
  const LoadResult loaded = ReadSaveFile(s, std::filesystem::path(kSaveFileName));
  if (loaded == LoadResult::kRejected) TellRefusedFile(c);
  RefreshOpenWindows(c);
  switch (loaded) {
    case LoadResult::kAccepted:
      Speak(c, Speaker::Hero, "ロードしたぞ！");
      return;
    case LoadResult::kUnreadable:
      // Nothing was taken over: the game goes on as it was.
      Speak(c, Speaker::Hero, "ロードに失敗したようだ…");
      return;
    case LoadResult::kRejected:
      EndOnRefusedFile(c);
      return;
  }
}

}  // namespace tolmark::shop
