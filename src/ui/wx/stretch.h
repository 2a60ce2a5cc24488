#pragma once
// One axis of a form (its columns or its rows, in pixels) stretched where a control's
// content needs more room than the form defines for it. A grown control pushes along
// whatever starts at or beyond its far edge, on every row, so columns of controls stay
// aligned, boxes around controls grow with them and nothing comes to overlap. Positions
// only ever move forward; a form whose contents fit keeps its layout to the pixel.
// Toolkit-free: the window asks the toolkit what each control needs and maps through this.

#include <map>
#include <vector>

namespace movarel::ui {

class Stretch {
 public:
  // A control from `start`, `length` pixels long as defined, whose content needs `needed`.
  void Need(int start, int length, int needed);
  // Places the extra room; call once every need is in, before Map.
  void Settle();
  // Where a defined position lies after stretching.
  int Map(int position) const;
  // A control ending `gap` pixels short of the edge at `extent` (the form's width or
  // height) keeps that gap after stretching: the form's closing buttons stay in its corner.
  // `start` and `length` as defined; `length_now` its stretched length. Returns the start.
  int Anchored(int start, int length, int length_now, int extent) const;

 private:
  struct Span {
    int start, length, needed;
  };
  std::vector<Span> spans_;
  std::map<int, int> steps_;  // at this position and beyond, so many pixels more
};

}  // namespace movarel::ui
