#include "ui/wx/stretch.h"

#include <algorithm>

namespace movarel::ui {

namespace {

// A control this close to the far edge belongs to it (the dialogs place their closing
// buttons 10 pixels in).
constexpr int kAnchorGap = 15;

}  // namespace

void Stretch::Need(int start, int length, int needed) {
  if (length > 0 && needed > length) spans_.push_back({start, length, needed});
}

void Stretch::Settle() {
  // Nearest far edge first: room added at a far edge never changes the length of a span
  // that ends before it, so each span is settled once.
  std::sort(spans_.begin(), spans_.end(),
            [](const Span& a, const Span& b) { return a.start + a.length < b.start + b.length; });
  for (const Span& span : spans_) {
    const int end = span.start + span.length;
    const int short_by = span.needed - (Map(end) - Map(span.start));
    if (short_by > 0) steps_[end] += short_by;
  }
  spans_.clear();
}

int Stretch::Map(int position) const {
  int mapped = position;
  for (auto it = steps_.begin(); it != steps_.end() && it->first <= position; ++it) mapped += it->second;
  return mapped;
}

int Stretch::Anchored(int start, int length, int length_now, int extent) const {
  const int gap = extent - (start + length);
  const int mapped = Map(start);
  if (gap < 0 || gap > kAnchorGap || start <= extent / 2) return mapped;
  // Never left of where the stretch puts it: what lies to its left has grown too.
  return std::max(mapped, Map(extent) - gap - length_now);
}

}  // namespace movarel::ui
