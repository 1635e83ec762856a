// The scripted game's host: answers, messages and the script-driven clock.
#include "PlayHost.h"

#include <cstdio>
#include <utility>

std::string EscapeLine(const std::string& text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '\\':
        escaped += "\\\\";
        break;
      case '\n':
        escaped += "\\n";
        break;
      case '\r':
        escaped += "\\r";
        break;
      case '\t':
        escaped += "\\t";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string PlayHost::TakeUnansweredQuestion() {
  return std::exchange(unanswered_, {});
}

bool PlayHost::AskYesNo(const std::string& text) {
  if (answers_.empty()) {
    unanswered_ = text;
    return false;
  }
  const bool yes = answers_.front();
  answers_.pop_front();
  return yes;
}

void PlayHost::ShowMessage(const std::string& text, MessageIcon) {
  std::printf("message: %s\n", EscapeLine(text).c_str());
  std::fflush(stdout);
}

void PlayHost::ShowPopupMenu(PopupMenu menu, ClientPoint at) {
  std::printf("menu: %d at %d %d\n", static_cast<int>(menu), at.x, at.y);
  std::fflush(stdout);
}
