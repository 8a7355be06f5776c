#include "base/math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

const float Half = std::sqrt(0.5f);
const Quat Identity{0, 0, 0, 1};
const Quat QuarterTurnZ{0, 0, Half, Half};  // 90 degrees about z

void ExpectNear(Quat expected, Quat actual) {
  EXPECT_NEAR(expected.x, actual.x, 1e-6f);
  EXPECT_NEAR(expected.y, actual.y, 1e-6f);
  EXPECT_NEAR(expected.z, actual.z, 1e-6f);
  EXPECT_NEAR(expected.w, actual.w, 1e-6f);
}

Quat Product(Quat a, Quat b) {
  return {a.w * b.x + a.x * b.w + a.y * b.z - a.z * b.y, a.w * b.y - a.x * b.z + a.y * b.w + a.z * b.x,
          a.w * b.z + a.x * b.y - a.y * b.x + a.z * b.w, a.w * b.w - a.x * b.x - a.y * b.y - a.z * b.z};
}

TEST(Slerp, EqualQuaternionsTakeTheLinearBranchForEveryT) {
  // Dot product 4, past the arc cosine's domain: only the nearly-equal
  // branch gives the quaternion back.
  Quat q{0, 0, 0, 2};
  for (float t : {-1.0f, 0.0f, 0.3f, 2.5f}) ExpectNear(q, Slerp(q, q, t));
  Quat unit{0.5f, -0.5f, 0.5f, 0.5f};
  ExpectNear(unit, Slerp(unit, unit, 0.7f));
  ExpectNear(unit, Slerp(unit, {-0.5f, 0.5f, -0.5f, -0.5f}, 0.5f));  // the sign flip
}

TEST(Slerp, FollowsTheShorterArcAndExtrapolates) {
  ExpectNear(Identity, Slerp(Identity, QuarterTurnZ, 0));
  ExpectNear(QuarterTurnZ, Slerp(Identity, QuarterTurnZ, 1));
  ExpectNear(QuarterTurnZ, Slerp(Identity, {0, 0, -Half, -Half}, 1));  // the far-side twin
  float eighth = float(std::numbers::pi / 8);
  ExpectNear({0, 0, std::sin(eighth), std::cos(eighth)}, Slerp(Identity, QuarterTurnZ, 0.5f));
  ExpectNear({0, 0, -Half, Half}, Slerp(Identity, QuarterTurnZ, -1));  // turned away by as much
}

TEST(QuatToMatrix, RowsTimesVectorMatchTheQuaternionRotation) {
  Matrix4 identity = QuatToMatrix(Identity);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(identity.m[i], i % 5 == 0 ? 1 : 0) << i;
  float n = std::sqrt(0.1f * 0.1f + 0.7f * 0.7f + 0.2f * 0.2f + 0.68f * 0.68f);
  for (Quat q : {QuarterTurnZ, Quat{0.1f / n, -0.7f / n, 0.2f / n, 0.68f / n}}) {
    Matrix4 r = QuatToMatrix(q);
    Vec3 v = Set(0.3f, -1.2f, 2.0f);
    Quat e = Product(Product(q, {v.x, v.y, v.z, 0}), {-q.x, -q.y, -q.z, q.w});  // q v q^-1
    EXPECT_NEAR(r.m[0] * v.x + r.m[1] * v.y + r.m[2] * v.z, e.x, 1e-5);
    EXPECT_NEAR(r.m[4] * v.x + r.m[5] * v.y + r.m[6] * v.z, e.y, 1e-5);
    EXPECT_NEAR(r.m[8] * v.x + r.m[9] * v.y + r.m[10] * v.z, e.z, 1e-5);
    EXPECT_EQ(r.m[3] + r.m[7] + r.m[11] + r.m[12] + r.m[13] + r.m[14], 0);
    EXPECT_EQ(r.m[15], 1);
  }
}

TEST(QuatBezier, ControlPointsOnTheArcGiveTheSlerp) {
  // Control points at thirds of the arc make the curve the arc itself; a
  // mix-up in the six slerps bends it away.
  Quat c0 = Slerp(Identity, QuarterTurnZ, 1.0f / 3), c1 = Slerp(Identity, QuarterTurnZ, 2.0f / 3);
  for (float t : {0.0f, 0.25f, 0.6f, 1.0f}) {
    ExpectNear(Slerp(Identity, QuarterTurnZ, t), QuatBezier(Identity, c0, c1, QuarterTurnZ, t));
  }
  Quat off{Half, 0, 0, Half};
  ExpectNear(QuarterTurnZ, QuatBezier(Identity, off, off, QuarterTurnZ, 1));
}

TEST(Hermite, EndsMidpointAndTangents) {
  EXPECT_EQ(Hermite(3, 7, 5, -2, 0), 3);
  EXPECT_EQ(Hermite(3, 7, 5, -2, 1), 7);
  EXPECT_EQ(Hermite(3, 7, 0, 0, 0.5f), 5);
  EXPECT_FLOAT_EQ(Hermite(0, 0, 1, 0, 0.5f), 0.125f);
  EXPECT_FLOAT_EQ(Hermite(0, 0, 0, 1, 0.5f), -0.125f);
  Vec3 p = Hermite(Set(0, 10, -4), Set(2, 20, 4), Set(0, 0, 0), Set(0, 0, 8), 0.5f);
  EXPECT_FLOAT_EQ(p.x, 1);
  EXPECT_FLOAT_EQ(p.y, 15);
  EXPECT_FLOAT_EQ(p.z, -1);
}

TEST(EaseInOut, SharesEndsAndContinuity) {
  for (float t : {0.0f, 0.3f, 1.0f}) EXPECT_EQ(EaseInOut(t, 0, 0), t);
  EXPECT_FLOAT_EQ(EaseInOut(0.5f, 0.2f, 0.2f), 0.5f);
  for (float t : {0.1f, 0.4f, 0.75f, 0.95f}) EXPECT_EQ(EaseInOut(t, 0.8f, 0.8f), EaseInOut(t, 0.5f, 0.5f));
  float previous = EaseInOut(0, 0.1f, 0.8f);
  EXPECT_FLOAT_EQ(previous, 0);
  for (int i = 1; i <= 1000; ++i) {  // rising, without a jump between phases
    float value = EaseInOut(i / 1000.0f, 0.1f, 0.8f);
    EXPECT_GE(value, previous);
    EXPECT_LT(value - previous, 0.003f) << i;
    previous = value;
  }
  EXPECT_FLOAT_EQ(previous, 1);
}

TEST(EaseInOut, ZeroLengthPhaseStaysFinite) {
  EXPECT_FLOAT_EQ(EaseInOut(1, 0.5f, 0), 1);
  EXPECT_FLOAT_EQ(EaseInOut(0, 0, 0.2f), 0);
  EXPECT_FLOAT_EQ(EaseInOut(0.5f, 0, 0.2f), 1 / 1.8f);
}

}  // namespace
