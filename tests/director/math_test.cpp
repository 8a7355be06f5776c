#include "director/math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

const float Half = std::sqrt(0.5f);
const Quat Identity{0, 0, 0, 1};
const Quat QuarterTurnZ{0, 0, Half, Half};  // 90 degrees about z

void ExpectQuatNear(Quat expected, Quat actual, float tolerance = 1e-6f) {
  EXPECT_NEAR(expected.x, actual.x, tolerance);
  EXPECT_NEAR(expected.y, actual.y, tolerance);
  EXPECT_NEAR(expected.z, actual.z, tolerance);
  EXPECT_NEAR(expected.w, actual.w, tolerance);
}

Quat Product(Quat a, Quat b) {
  return {a.w * b.x + a.x * b.w + a.y * b.z - a.z * b.y,
          a.w * b.y - a.x * b.z + a.y * b.w + a.z * b.x,
          a.w * b.z + a.x * b.y - a.y * b.x + a.z * b.w,
          a.w * b.w - a.x * b.x - a.y * b.y - a.z * b.z};
}

// q v q^-1 for a unit quaternion, the rotation the matrix must reproduce.
Vec3 Rotate(Quat q, Vec3 v) {
  Quat r = Product(Product(q, {v.x, v.y, v.z, 0}), {-q.x, -q.y, -q.z, q.w});
  return {r.x, r.y, r.z};
}

TEST(VectorMath, OperandOrderAndHandedness) {
  Vec3 a = Set(1, 2, 3), b = Set(4, -5, 6);
  Vec3 d = Sub(a, b);
  EXPECT_EQ(d.x, -3);
  EXPECT_EQ(d.y, 7);
  EXPECT_EQ(d.z, -3);
  Vec3 z = Cross(Set(1, 0, 0), Set(0, 1, 0));
  EXPECT_EQ(z.x, 0);
  EXPECT_EQ(z.y, 0);
  EXPECT_EQ(z.z, 1);
  Vec3 c = Cross(a, b);
  EXPECT_EQ(Dot(c, a), 0);
  EXPECT_EQ(Dot(c, b), 0);
  Vec3 m = Mul(a, Negate(b));
  EXPECT_EQ(m.y, 10);
  EXPECT_EQ(Add(Scale(a, 2), Fill(1)).z, 7);
  EXPECT_FLOAT_EQ(Length(Normalize(b)), 1);
  EXPECT_FLOAT_EQ(Length(Set(3, 4, 12)), 13);
}

TEST(Slerp, EqualQuaternionsTakeTheLinearBranchForEveryT) {
  // A non-unit quaternion: its dot product with itself is 4, far past the
  // arc cosine's domain, so only the nearly-equal branch gives it back.
  Quat q{0, 0, 0, 2};
  for (float t : {-1.0f, 0.0f, 0.3f, 1.0f, 2.5f}) ExpectQuatNear(q, Slerp(q, q, t));
  Quat unit{0.5f, -0.5f, 0.5f, 0.5f};
  for (float t : {0.0f, 0.7f, 1.0f}) ExpectQuatNear(unit, Slerp(unit, unit, t));
}

TEST(Slerp, OppositeSignIsTheSameRotation) {
  Quat q{0.5f, -0.5f, 0.5f, 0.5f};
  ExpectQuatNear(q, Slerp(q, {-q.x, -q.y, -q.z, -q.w}, 0.5f));
}

TEST(Slerp, EndsFollowTheShorterArc) {
  ExpectQuatNear(Identity, Slerp(Identity, QuarterTurnZ, 0));
  ExpectQuatNear(QuarterTurnZ, Slerp(Identity, QuarterTurnZ, 1));
  Quat far{0, 0, -Half, -Half};  // the same turn on the far side
  ExpectQuatNear(QuarterTurnZ, Slerp(Identity, far, 1));
}

TEST(Slerp, InterpolatesAndExtrapolatesAlongTheArc) {
  float eighth = float(std::numbers::pi / 8);
  ExpectQuatNear({0, 0, std::sin(eighth), std::cos(eighth)}, Slerp(Identity, QuarterTurnZ, 0.5f));
  // t = -1 turns away from q2 by the angle between them.
  ExpectQuatNear({0, 0, -Half, Half}, Slerp(Identity, QuarterTurnZ, -1));
}

TEST(QuatToMatrix, IdentityAndQuarterTurn) {
  Matrix4 identity = QuatToMatrix(Identity);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(identity.m[i], i % 5 == 0 ? 1 : 0) << i;
  Matrix4 turn = QuatToMatrix(QuarterTurnZ);
  // The x axis turns into y, the y axis into -x.
  EXPECT_NEAR(turn.m[0], 0, 1e-6);
  EXPECT_NEAR(turn.m[4], 1, 1e-6);
  EXPECT_NEAR(turn.m[8], 0, 1e-6);
  EXPECT_NEAR(turn.m[1], -1, 1e-6);
  EXPECT_NEAR(turn.m[5], 0, 1e-6);
  EXPECT_NEAR(turn.m[10], 1, 1e-6);
}

TEST(QuatToMatrix, RowsTimesVectorMatchTheQuaternionRotation) {
  float n = std::sqrt(0.1f * 0.1f + 0.7f * 0.7f + 0.2f * 0.2f + 0.68f * 0.68f);
  Quat q{0.1f / n, -0.7f / n, 0.2f / n, 0.68f / n};
  Matrix4 r = QuatToMatrix(q);
  Vec3 v = Set(0.3f, -1.2f, 2.0f);
  Vec3 expected = Rotate(q, v);
  EXPECT_NEAR(r.m[0] * v.x + r.m[1] * v.y + r.m[2] * v.z, expected.x, 1e-5);
  EXPECT_NEAR(r.m[4] * v.x + r.m[5] * v.y + r.m[6] * v.z, expected.y, 1e-5);
  EXPECT_NEAR(r.m[8] * v.x + r.m[9] * v.y + r.m[10] * v.z, expected.z, 1e-5);
  EXPECT_EQ(r.m[3], 0);
  EXPECT_EQ(r.m[12], 0);
  EXPECT_EQ(r.m[15], 1);
}

TEST(QuatBezier, ControlPointsOnTheArcGiveTheSlerp) {
  // Control points at thirds of the arc make the curve the arc itself, in
  // order; a mix-up in the six slerps bends it away.
  Quat c0 = Slerp(Identity, QuarterTurnZ, 1.0f / 3), c1 = Slerp(Identity, QuarterTurnZ, 2.0f / 3);
  for (float t : {0.0f, 0.25f, 0.6f, 1.0f}) {
    ExpectQuatNear(Slerp(Identity, QuarterTurnZ, t), QuatBezier(Identity, c0, c1, QuarterTurnZ, t));
  }
  Quat off{Half, 0, 0, Half};
  ExpectQuatNear(Identity, QuatBezier(Identity, off, off, QuarterTurnZ, 0));
  ExpectQuatNear(QuarterTurnZ, QuatBezier(Identity, off, off, QuarterTurnZ, 1));
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

TEST(EaseInOut, SharesAndEnds) {
  for (float t : {0.0f, 0.3f, 1.0f}) EXPECT_EQ(EaseInOut(t, 0, 0), t);
  EXPECT_FLOAT_EQ(EaseInOut(0.5f, 0.2f, 0.2f), 0.5f);
  for (float t : {0.1f, 0.4f, 0.5f, 0.75f, 0.95f}) {
    EXPECT_EQ(EaseInOut(t, 0.8f, 0.8f), EaseInOut(t, 0.5f, 0.5f)) << t;
  }
  for (float a : {0.1f, 0.2f, 0.5f}) {
    EXPECT_FLOAT_EQ(EaseInOut(0, a, 0.3f), 0);
    EXPECT_FLOAT_EQ(EaseInOut(1, a, 0.3f), 1);
  }
}

TEST(EaseInOut, RisesWithoutJumpsAcrossItsPhases) {
  float previous = EaseInOut(0, 0.1f, 0.8f);
  for (int i = 1; i <= 1000; ++i) {
    float value = EaseInOut(i / 1000.0f, 0.1f, 0.8f);
    EXPECT_GE(value, previous);
    EXPECT_LT(value - previous, 0.003f) << i;
    previous = value;
  }
}

TEST(EaseInOut, ZeroLengthPhaseStaysFinite) {
  EXPECT_FLOAT_EQ(EaseInOut(1, 0.5f, 0), 1);
  EXPECT_FLOAT_EQ(EaseInOut(0, 0, 0.2f), 0);
  EXPECT_FLOAT_EQ(EaseInOut(1, 0, 0.2f), 1);
  EXPECT_FLOAT_EQ(EaseInOut(0.5f, 0, 0.2f), 1 / 1.8f);
}

}  // namespace
