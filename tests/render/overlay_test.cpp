#include "render/overlay.h"

#include <array>

#include "render/overlay_gl.h"

namespace {

class OverlaySpaces : public OverlayGl {
 protected:
  void WhiteRect(GLint left, GLint bottom, GLint right, GLint top) {
    glDisable(GL_TEXTURE_2D);
    glColor4f(1, 1, 1, 1);
    glRecti(left, bottom, right, top);
  }
  // Both matrices and their stack depths, the viewport, the matrix mode.
  std::array<float, 39> State() {
    std::array<float, 39> s;
    glGetFloatv(GL_PROJECTION_MATRIX, s.data());
    glGetFloatv(GL_MODELVIEW_MATRIX, s.data() + 16);
    glGetFloatv(GL_VIEWPORT, s.data() + 32);
    glGetFloatv(GL_MATRIX_MODE, s.data() + 36);
    glGetFloatv(GL_PROJECTION_STACK_DEPTH, s.data() + 37);
    glGetFloatv(GL_MODELVIEW_STACK_DEPTH, s.data() + 38);
    return s;
  }
};

// Wide screen, 200 x 160 pixels: picture rows 20 to 139.
TEST_F(OverlaySpaces, OverlaySpansTheWindowPixelSpaceThePictureRowsOneUnitAPixel) {
  Open(200, 160, true);
  std::array<float, 39> resting = State();
  struct Case {
    bool pixelSpace;
    PixelRect drawn, lit;
  };
  for (Case c :
       {Case{false, {0, 0, 800, 600}, {0, 0, 200, 160}}, Case{true, {0, 0, 200, 160}, {0, 20, 200, 140}},
        Case{true, {10, 30, 20, 45}, {10, 30, 20, 45}}}) {
    Clear({0, 0, 0});
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    c.pixelSpace ? BeginPixelOverlay(settings) : BeginOverlay2D(settings);
    WhiteRect(c.drawn.left, c.drawn.bottom, c.drawn.right, c.drawn.top);
    glMatrixMode(GL_PROJECTION);  // leaving must not depend on the mode
    c.pixelSpace ? EndPixelOverlay() : EndOverlay2D(settings);
    EXPECT_EQ(Extent(Grab(), Lit), c.lit) << c.drawn;
    EXPECT_EQ(State(), resting);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST) && glIsEnabled(GL_LIGHTING));
  }
}

}  // namespace
