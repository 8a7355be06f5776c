#include "render/view_culling.h"

#include <gtest/gtest.h>

#include <cmath>

#include "render/headless_gl.h"

namespace {

// A 90 degree frustum from 1 to 100 over the 64-pixel window.
class ViewCulling : public HeadlessGl {
 protected:
  void SetUp() override {
    HeadlessGl::SetUp();
    FlatState();
    glMatrixMode(GL_PROJECTION);
    glFrustum(-1, 1, -1, 1, 1, 100);
    glMatrixMode(GL_MODELVIEW);
  }

  SphereOnScreen At(float x, float y, float z, float radius, float scale = 1) {
    glLoadIdentity();
    glTranslatef(x, y, z);
    glScalef(scale, scale, scale);
    return SeeSphere(radius);
  }
};

TEST_F(ViewCulling, OnlySpheresWhollyBeyondAPlaneAreOutside) {
  EXPECT_FALSE(At(0, 0, -10, 1).outside);
  EXPECT_TRUE(At(0, 0, 5, 1).outside);       // behind the eye
  EXPECT_TRUE(At(0, 0, -0.1f, 0.5f).outside);  // before the near plane
  EXPECT_TRUE(At(0, 0, -102, 1).outside);    // beyond the far plane
  EXPECT_FALSE(At(0, 0, -100.5f, 1).outside);
  // The right plane runs through x = 10 at z = -10, at 45 degrees.
  EXPECT_TRUE(At(12, 0, -10, 1).outside);
  EXPECT_FALSE(At(11, 0, -10, 1).outside);  // 0.71 from the plane: a sliver shows
  EXPECT_TRUE(At(0, -12, -10, 1).outside);
  EXPECT_FALSE(At(0, -11, -10, 1).outside);
  EXPECT_FALSE(At(0, 0, 5, 0).outside);  // no bound, no culling
}

TEST_F(ViewCulling, TheRadiusOnScreenFollowsDistanceAndScale) {
  EXPECT_NEAR(At(0, 0, -10, 1).pixels, 3.2f, 0.01f);  // 1/10 of the half height of 32
  EXPECT_NEAR(At(0, 0, -20, 1).pixels, 1.6f, 0.01f);
  EXPECT_NEAR(At(0, 0, -10, 1, 3).pixels, 9.6f, 0.01f);  // the modelview's units
  EXPECT_FALSE(At(12, 0, -10, 1, 3).outside);  // outside at scale 1, reaching in at 3
  EXPECT_TRUE(std::isinf(At(0, 0, -1, 2).pixels));  // the eye inside it
  EXPECT_TRUE(std::isinf(At(0, 0, -10, 0).pixels));
}

}  // namespace
