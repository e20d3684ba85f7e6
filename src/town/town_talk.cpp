// Looking a step code up in a script of counter talk.
#include "town/town_talk.h"

#include <algorithm>

namespace tolmark::town {

const TalkRow* FindTalkRow(TalkScript script, std::int32_t code) {
  const auto it = std::find_if(script.begin(), script.end(),
                               [code](const TalkRow& row) { return row.code == code; });
  return it == script.end() ? nullptr : &*it;
}

}  // namespace tolmark::town
