// How the kinds move from frame to frame: spins, flicker clocks, keyframe
// tracks, stream timers and the dust field's drift.
#include "objects/billboard.h"
#include "objects/flare.h"
#include "objects/mesh_object.h"
#include "objects/object_scene.h"
#include "objects/particle_system.h"
#include "objects/sphere.h"

namespace {

using ObjectUpdate = ObjectScene;

void Repeat(SceneObject& object, int frames, double dt) {
  for (int i = 0; i < frames; ++i) object.Update(dt);
}

TEST_F(ObjectUpdate, SpinsFollowRealTimeAndWrap) {
  Sphere sphere(context, MeshGeometry{});  // 0.2 degrees a frame at 60 frames per second
  Repeat(sphere, 300, 1.0 / 300);
  EXPECT_NEAR(sphere.rotationAngle, 12, 1e-3);  // as 60 frames would turn it
  sphere.rotationAngle = 359.9f;
  sphere.Update(1.0 / 60);
  EXPECT_NEAR(sphere.rotationAngle, 0.1f, 1e-4);

  Billboard billboard(context);
  billboard.rotationAngle = 10, billboard.rotationSpeed = -60;
  billboard.Update(0.5);
  EXPECT_FLOAT_EQ(billboard.rotationAngle, 340);  // below 0 wraps into 0..360
}

TEST_F(ObjectUpdate, FlareFlickersInRandomCyclesAndStopsFadingAtTheEnds) {
  Flare flare(context);
  flare.flashRange = 2.5f;  // dark and lit phases of 0.1 to 2.6 seconds
  for (int cycle = 0; cycle < 50; ++cycle) {
    flare.flashClock = flare.flashEnd + 1;
    flare.Update(0);
    float dark = flare.flashOff / 6, lit = (flare.flashEnd - flare.flashOff) / 6;
    EXPECT_TRUE(flare.flashClock == 0 && dark >= 0.1f && dark <= 2.6f && lit >= 0.1f && lit <= 2.6001f);
  }
  flare.visible = true;
  Repeat(flare, 2, 0.1);
  EXPECT_FLOAT_EQ(flare.alpha, 1);
  flare.visible = false;
  Repeat(flare, 2, 0.1);
  EXPECT_FLOAT_EQ(flare.alpha, 0);
}

TEST_F(ObjectUpdate, DynamicMeshFollowsItsTrackAtTheSceneClock) {
  MeshObject ship(context, MeshGeometry{});
  ship.position = {7, 7, 7};
  Keyframe key;
  key.orientation = key.inControl = key.outControl = Quat{0, 0, 0, 1};
  ship.track = {key, key};
  ship.track[0].time = 1, ship.track[1].time = 3, ship.track[1].position = {10, 0, 0};

  camera.sceneClock = 0.5f;  // before the first key: the pose stays
  ship.Update(0);
  EXPECT_FLOAT_EQ(ship.position.x, 7);
  camera.sceneClock = 2;
  ship.Update(0);
  EXPECT_NEAR(ship.position.x, 5, 1e-5);  // half way, tangents zero
  EXPECT_FLOAT_EQ(ship.trackTime, 2);
  EXPECT_NEAR(ship.look.x, 1, 1e-6);  // the image of the x axis
  EXPECT_NEAR(ship.right.y, -1, 1e-6);  // the negated image of the y axis
  ship.track[0].time = 0;
  camera.sceneClock = 9;  // past the end: time 0 of the first segment
  ship.Update(0);
  EXPECT_NEAR(ship.position.x, 0, 1e-5);
}

TEST_F(ObjectUpdate, DustDriftsByFrameTimeAndRespawnsAroundTheCamera) {
  Load("ENDWORLD\n");  // installs the archive with the particle texture
  auto dust = CreateDustField(context);
  EXPECT_TRUE(dust->count == 800 && glIsTexture(dust->texture));
  for (Vec3 p : dust->particlePosition) EXPECT_NEAR(Length(p), 250, 1e-3);
  dust->SetParticleCount(2);
  camera.position = {0, 0, 100};
  dust->particlePosition = {{0, 0, 50}, {0, 0, 300}};
  dust->particleVelocity = {{1, 0, 0}, {0, 0, 0}};
  dust->particleAcceleration = {{0, 0.5f, 0}, {0, 0, 0}};
  dust->SetFrameTime(1.0 / 300);
  dust->Render(camera);
  EXPECT_NEAR(dust->particlePosition[0].x, 0.2f, 1e-6);  // a fifth of a 60 Hz step
  EXPECT_NEAR(dust->particleVelocity[0].y, 0.1f, 1e-6);
  float d = Length(Sub(dust->particlePosition[1], camera.position));
  EXPECT_TRUE(d >= 100 && d <= 110.001f) << d;
  EXPECT_EQ(Length(dust->particleVelocity[1]), 0);
  dust->SetFrameTime(1.0 / 60);
  dust->Render(camera);
  EXPECT_NEAR(dust->particlePosition[0].x, 1.2f, 1e-5);  // a whole step
}

}  // namespace
