#include "aolsim/transcript_painter.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace sonorix::aolsim {

namespace {

constexpr COLORREF kDefaultText = RGB(0, 0, 0);
constexpr COLORREF kBackground = RGB(255, 255, 255);
constexpr int kMargin = 4;
constexpr int kPointSize = 10;

struct Piece {
  std::string_view text;
  const TextRun* style;
  int x;
  int row;
};

// Places a line's text word by word and starts a new row where a word would
// cross the right edge. A word wider than a whole row stays on its own row.
class LineLayout {
 public:
  LineLayout(HDC dc, const ChatFonts& fonts, int left, int right)
      : dc_(dc), fonts_(fonts), left_(left), right_(right), x_(left) {}

  void Add(const TextRun& run) {
    const ScopedSelect font(dc_, fonts_.Get(run.bold, run.underline));
    std::string_view text = run.text;
    while (!text.empty()) {
      const std::size_t wordEnd =
          std::min(text.find(' ', text.find_first_not_of(' ')), text.size());
      const std::size_t end = std::min(text.find_first_not_of(' ', wordEnd), text.size());
      Place(text.substr(0, end), TextWidth(text.substr(0, wordEnd)), &run);
      text.remove_prefix(end);
    }
  }
  void Gap(int width) { x_ += width; }

  const std::vector<Piece>& Pieces() const { return pieces_; }
  int Rows() const { return row_ + 1; }

 private:
  int TextWidth(std::string_view text) const {
    SIZE size{};
    GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
  }
  void Place(std::string_view piece, int wordWidth, const TextRun* style) {
    if (x_ > left_ && x_ + wordWidth > right_) {
      ++row_;
      x_ = left_;
    }
    pieces_.push_back(Piece{piece, style, x_, row_});
    x_ += TextWidth(piece);
  }

  HDC dc_;
  const ChatFonts& fonts_;
  int left_;
  int right_;
  int x_;
  int row_ = 0;
  std::vector<Piece> pieces_;
};

int LineHeight(HDC dc, const ChatFonts& fonts) {
  int height = 0;
  for (const bool bold : {false, true}) {
    const ScopedSelect font(dc, fonts.Get(bold, false));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    height = std::max<int>(height, metrics.tmHeight + metrics.tmExternalLeading);
  }
  return std::max(height, 1);
}

// Draws one line whose last row ends at `bottom`; returns the top it reached.
int PaintLine(HDC dc, const ChatLine& line, const RECT& area, int bottom, int lineHeight,
              const ChatFonts& fonts) {
  const TextRun name{line.name + ":", std::nullopt, true, false};
  LineLayout layout(dc, fonts, area.left + kMargin, area.right - kMargin);
  layout.Add(name);
  layout.Gap(lineHeight / 2);
  for (const TextRun& run : line.runs) layout.Add(run);
  const int top = bottom - layout.Rows() * lineHeight;
  for (const Piece& piece : layout.Pieces()) {
    const ScopedSelect font(dc, fonts.Get(piece.style->bold, piece.style->underline));
    SetTextColor(dc,
                 piece.style->colour ? static_cast<COLORREF>(*piece.style->colour) : kDefaultText);
    TextOutA(dc, piece.x, top + piece.row * lineHeight, piece.text.data(),
             static_cast<int>(piece.text.size()));
  }
  return top;
}

UniqueFont MakeFont(bool bold, bool underline) {
  const HDC screen = GetDC(nullptr);
  const int height = -MulDiv(kPointSize, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  return UniqueFont(CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, underline,
                                FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial"));
}

}  // namespace

ChatFonts::ChatFonts() {
  for (int face = 0; face < 4; ++face) fonts_[face] = MakeFont((face & 1) != 0, (face & 2) != 0);
}

HFONT ChatFonts::Get(bool bold, bool underline) const {
  return fonts_[(bold ? 1 : 0) + (underline ? 2 : 0)].get();
}

bool ChatFonts::Valid() const {
  return std::all_of(fonts_.begin(), fonts_.end(), [](const UniqueFont& font) { return !!font; });
}

void PaintChatLines(HDC dc, const RECT& area, const std::deque<ChatLine>& lines,
                    std::size_t skipNewest, const ChatFonts& fonts) {
  const UniqueBrush background(CreateSolidBrush(kBackground));
  FillRect(dc, &area, background.get());
  SetBkMode(dc, TRANSPARENT);
  const int lineHeight = LineHeight(dc, fonts);
  int bottom = area.bottom - kMargin;
  for (std::size_t i = lines.size() - std::min(skipNewest, lines.size());
       i > 0 && bottom > area.top;) {
    --i;
    bottom = PaintLine(dc, lines[i], area, bottom, lineHeight, fonts);
  }
}

}  // namespace sonorix::aolsim
