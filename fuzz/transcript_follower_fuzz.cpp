// The transcript follower against a model of a chat room's transcript that grows at the
// bottom (sometimes caught half written), loses lines at the top and is emptied: each poll
// reports exactly the lines appended since the last poll that are still there, in order, so
// no line is lost or repeated. Lines that come and go between two polls are never seen.
// Where lines may be dropped, each line carries its own number, as two equal lines after a
// drop would look the same to any reader; otherwise lines repeat freely.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "bot/transcript_follower.h"
#include "fuzz_check.h"

namespace sonorix {
namespace {

using fuzz::Require;

struct Line {
  std::size_t number = 0;
  std::string text;
};

class Room {
 public:
  explicit Room(bool numbered) : numbered_(numbered) {}

  Line Next(FuzzedDataProvider& input) {
    std::string text = input.ConsumeRandomLengthString(20);
    std::erase(text, '\n');  // a line break inside a line would make two
    if (numbered_) text += "#" + std::to_string(next_);
    return {next_++, std::move(text)};
  }
  void Append(Line line) { lines_.push_back(std::move(line)); }
  void Drop(std::size_t count) { lines_.erase(lines_.begin(), lines_.begin() + count); }
  void Clear() { lines_.clear(); }
  std::size_t Size() const { return lines_.size(); }

  std::string Text() const {
    std::string text;
    for (const auto& line : lines_) text += line.text + "\r\n";
    return text;
  }

  // The lines a poll must report, and from then on none of them again.
  std::vector<std::string> TakeNew() {
    std::vector<std::string> fresh;
    for (const auto& line : lines_) {
      if (line.number < reported_) continue;
      fresh.push_back(line.text);
      reported_ = line.number + 1;
    }
    return fresh;
  }

 private:
  bool numbered_;
  std::deque<Line> lines_;
  std::size_t next_ = 0;
  std::size_t reported_ = 0;
};

void Poll(TranscriptFollower& follower, Room& room, const std::string& unfinished = "") {
  Require(follower.Advance(room.Text() + unfinished) == room.TakeNew(),
          "a poll reports each new line once, in order");
}

void Run(FuzzedDataProvider& input) {
  const bool numbered = input.ConsumeBool();
  Room room(numbered);
  for (int i = input.ConsumeIntegralInRange(0, 4); i > 0; --i) room.Append(room.Next(input));
  TranscriptFollower follower;
  follower.Reset(room.Text());
  room.TakeNew();
  while (input.remaining_bytes() > 0) {
    switch (input.ConsumeIntegralInRange(0, 4)) {
      case 0:
        room.Append(room.Next(input));
        break;
      case 1:
        Poll(follower, room);
        break;
      case 2: {  // caught while the client writes a line
        Line line = room.Next(input);
        const std::string whole = line.text + "\r\n";
        Poll(follower, room,
             whole.substr(0, input.ConsumeIntegralInRange<std::size_t>(0, whole.size() - 1)));
        room.Append(std::move(line));
        break;
      }
      case 3:
        if (numbered) room.Drop(input.ConsumeIntegralInRange<std::size_t>(0, room.Size()));
        break;
      default:
        if (numbered) room.Clear();
        break;
    }
  }
  Poll(follower, room);
}

}  // namespace
}  // namespace sonorix

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider input(bytes, size);
  sonorix::Run(input);
  return 0;
}
