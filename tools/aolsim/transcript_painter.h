// Paints a room's chat lines in colour: the screen name in bold, then the
// line's styled runs, word-wrapped, the newest line at the bottom.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <deque>

#include "aolsim/transcript.h"
#include "aolsim/window_support.h"

namespace sonorix::aolsim {

// The four faces a line can use, made once per view.
class ChatFonts {
 public:
  ChatFonts();
  HFONT Get(bool bold, bool underline) const;
  bool Valid() const;

 private:
  std::array<UniqueFont, 4> fonts_;
};

// Fills `area` with the default background and paints the lines that fit,
// leaving out the newest `skipNewest` of them.
void PaintChatLines(HDC dc, const RECT& area, const std::deque<ChatLine>& lines,
                    std::size_t skipNewest, const ChatFonts& fonts);

}  // namespace sonorix::aolsim
