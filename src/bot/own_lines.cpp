#include "bot/own_lines.h"

#include <algorithm>

namespace sonorix {

std::string StripTags(std::string_view html) {
  std::string text;
  text.reserve(html.size());
  bool inTag = false;
  for (const char c : html) {
    if (c == '<') inTag = true;
    if (!inTag) text += c;
    if (c == '>') inTag = false;
  }
  return text;
}

void OwnLines::Remember(std::string_view html) {
  pending_.push_back(StripTags(html));
  if (pending_.size() > kKept) pending_.pop_front();
}

bool OwnLines::TakeEcho(std::string_view text) {
  const auto found = std::find(pending_.begin(), pending_.end(), text);
  if (found == pending_.end()) return false;
  pending_.erase(found);
  return true;
}

}  // namespace sonorix
