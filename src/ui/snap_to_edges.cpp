#include "ui/snap_to_edges.h"

#include <array>

namespace sonorix {

namespace {

enum class Axis { kHorizontal, kVertical };
// The left or top edge of the screen, or the right or bottom one.
enum class Edge { kNear, kFar };

struct Check {
  Axis axis;
  Edge edge;
  // False: bring the window back from beyond the edge. True: dock a window
  // that lies within kSnapDockTwips of the edge.
  bool dock;
};

constexpr std::array<Check, 8> kChecks{{
    {Axis::kHorizontal, Edge::kNear, false},
    {Axis::kVertical, Edge::kNear, false},
    {Axis::kVertical, Edge::kFar, false},
    {Axis::kHorizontal, Edge::kFar, false},
    {Axis::kHorizontal, Edge::kNear, true},
    {Axis::kVertical, Edge::kNear, true},
    {Axis::kHorizontal, Edge::kFar, true},
    {Axis::kVertical, Edge::kFar, true},
}};

// The window's position and size and the area's start and extent along one axis.
struct Span {
  int position;
  int size;
  int start;
  int extent;
};

Span Along(Axis axis, const TwipsPlace& window, const TwipsPlace& area) {
  if (axis == Axis::kHorizontal) return {window.left, window.width, area.left, area.width};
  return {window.top, window.height, area.top, area.height};
}

// Where the window sits flush against the edge.
int Flush(Edge edge, const Span& span) {
  return edge == Edge::kNear ? span.start : span.start + span.extent - span.size;
}

// How far the window lies beyond its flush place, off the screen's side;
// negative when it lies on the screen's side.
int Beyond(Edge edge, const Span& span) {
  const int offset = span.position - Flush(edge, span);
  return edge == Edge::kNear ? -offset : offset;
}

bool Applies(const Check& check, int beyond) {
  return check.dock ? beyond > -kSnapDockTwips : beyond > 0;
}

bool Arrived(const Check& check, int beyond) { return check.dock ? beyond >= 0 : beyond <= 0; }

// Docking slides towards the edge, coming back slides away from it.
int Step(const Check& check) {
  const int outwards = check.edge == Edge::kNear ? -kSnapStepTwips : kSnapStepTwips;
  return check.dock ? outwards : -outwards;
}

TwipsPoint PlacedAlong(Axis axis, const TwipsPlace& window, int position) {
  if (axis == Axis::kHorizontal) return {position, window.top};
  return {window.left, position};
}

}  // namespace

std::optional<TwipsPoint> EdgeSnap::Next(const TwipsPlace& window, const TwipsPlace& area) {
  const TwipsPoint here{window.left, window.top};
  for (; check_ < static_cast<int>(kChecks.size()); ++check_) {
    const Check& check = kChecks[check_];
    const Span span = Along(check.axis, window, area);
    const int beyond = Beyond(check.edge, span);
    if (!sliding_ && !Applies(check, beyond)) continue;
    if (!Arrived(check, beyond)) {
      sliding_ = true;
      return PlacedAlong(check.axis, window, span.position + Step(check));
    }
    sliding_ = false;
    const TwipsPoint flush = PlacedAlong(check.axis, window, Flush(check.edge, span));
    if (flush != here) {
      ++check_;
      return flush;
    }
  }
  return std::nullopt;
}

std::vector<TwipsPoint> SnapPath(const TwipsPlace& window, const TwipsPlace& area) {
  std::vector<TwipsPoint> path;
  TwipsPlace place = window;
  EdgeSnap snap;
  while (const auto next = snap.Next(place, area)) {
    path.push_back(*next);
    place.left = next->left;
    place.top = next->top;
  }
  return path;
}

}  // namespace sonorix
