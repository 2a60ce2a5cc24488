// Worked by hand on a strip of controls: where each lands once some need more room.

#include <gtest/gtest.h>

#include "ui/wx/stretch.h"

namespace movarel::ui {
namespace {

TEST(Stretch, GrownControlsPushWhatLiesBeyondAndSharedEdgesStayAligned) {
  // A row of 30-pixel buttons at 270, 305, 340 in a 400-pixel form; the middle one needs
  // 45 and a label 10..60 needs 80. A grid 5..255 underneath needs nothing more.
  Stretch across;
  across.Need(270, 30, 30);
  across.Need(305, 30, 45);
  across.Need(10, 50, 80);
  across.Need(5, 250, 200);
  across.Settle();
  EXPECT_EQ(across.Map(5), 5);
  EXPECT_EQ(across.Map(10), 10);
  EXPECT_EQ(across.Map(60), 90) << "the label's far edge";
  EXPECT_EQ(across.Map(255), 285) << "the grid moves nothing, but is pushed out by the label";
  EXPECT_EQ(across.Map(305), 335);
  EXPECT_EQ(across.Map(335), 380) << "the middle button has its 45";
  EXPECT_EQ(across.Map(340), 385) << "the button after it keeps its 5-pixel gap";
  EXPECT_EQ(across.Map(400), 445);
}

TEST(Stretch, ClosingButtonsStayInTheCorner) {
  // A grid 5..395 of a 400-pixel form needs 420; below it a closing button 360..390, 10
  // pixels short of the edge, stays 10 pixels short of it; one in the form's left half, or
  // further from the edge, only moves with the stretch.
  Stretch across;
  across.Need(5, 390, 420);
  across.Settle();
  EXPECT_EQ(across.Map(400), 430);
  EXPECT_EQ(across.Anchored(360, 30, 30, 400), 390);
  EXPECT_EQ(across.Anchored(150, 30, 30, 400), 150);
  EXPECT_EQ(across.Anchored(340, 30, 30, 400), 340);
}

}  // namespace
}  // namespace movarel::ui
