// What the kinds draw, read back from the window, and the GL state they
// leave for the next object. The camera sits at the origin looking along -z
// unless a test moves it; 160 x 120 pixels, frustum half-extents 1.33 x 1
// at near 2, so a point (x, y, -d) lands at (80 + 120 x / d, 60 + 120 y / d).
#include "objects/billboard.h"
#include "objects/flame.h"
#include "objects/flare.h"
#include "objects/mesh_object.h"
#include "objects/object_scene.h"
#include "objects/particle_system.h"
#include "render/gl_extensions.h"

namespace {

using ObjectRender = ObjectScene;

// An opaque yellow cube of the given edge at (x, y, -distance).
std::string Cube(float x, float y, float distance, const char* name = "cube", float edge = 4) {
  return "geometry meshes\\cube.dat\nmesh\nbegin " + std::string(name) +
         "\nmaterial\n\tdef\n\tdet\n\tmap1 textures\\yellow.jpg\n\tprev\nscale " + std::to_string(edge) +
         "\nposition V(" + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(-distance) + ")\nend\n";
}

TEST_F(ObjectRender, EnvSkyIsPaintedOverWhatCameBeforeAndUnderEverythingAfter) {
  Load(Cube(-6, 0, 20, "near") + "sphere\nbegin sky\nenv\nalpha 1\ntexture textures\\red.jpg\nend\n" +
       Cube(150, 0, 500, "far", 100) + Cube(-12, 0, 40, "behind") + "ENDWORLD\n");
  Draw({0, 1});
  EXPECT_GT(Rgb(44, 60)[0], 200);  // red over the nearer cube drawn before it
  EXPECT_LT(Rgb(44, 60)[1], 40);
  EXPECT_EQ(Depth(120, 60), 1.0f);  // the sky wrote no depth
  objects[2]->Render(camera);
  objects[3]->Render(camera);
  EXPECT_GT(Rgb(116, 60)[1], 150);  // a cube 500 units away covers the sky
  EXPECT_LT(Rgb(44, 60)[1], 40);   // the near cube's depth still hides the one behind it
}

TEST_F(ObjectRender, EnvBillboardUsesItsOwnFrustum) {
  // Half-extents 0.2 * 1.33 and 0.2 at near 1: half-size 1 at 10 units spans 30 pixels.
  Load("billboard\nbegin\nenv V(0 0 -10)\nFOV 0.2\nsize 1\nrotation 0 0\nend\nENDWORLD\n");
  LookAlong({0, 0, -1}, {0, 1, 0}, {50, 0, 0});  // it follows the eye
  Draw({0});
  ExpectBrightness({{106, 60, 200, 255}, {54, 60, 200, 255}, {80, 86, 200, 255}, {80, 34, 200, 255},
                    {114, 60, 0, 0}, {46, 60, 0, 0}, {80, 94, 0, 0}});
}

TEST_F(ObjectRender, BillboardsFaceTheCameraUnlessOrientationIsFixed) {
  Load("billboard\nbegin\nsize 2\nrotation 0 0\nposition V(0 0 -20)\nend\n"
       "billboard\nbegin\nsize 2\nxy 2\nrotation 0 0\norient off\nup V(0 0 1)\nright V(-1 0 0)\n"
       "position V(0 0 -20)\nend\nENDWORLD\n");
  LookAlong({1, 0, 0}, {0, 1, 0}, {-20, 0, -20});  // from the side
  Draw({0});
  EXPECT_GT(LitPixels(), 20 * 20);  // a square of 24 x 24 pixels
  EXPECT_EQ(Depth(80, 60), 1.0f);   // billboards never write depth
  Draw({1});
  EXPECT_LT(LitPixels(), 2 * 24);  // the flat quad is seen edge-on
  LookAlong({0, -1, 0}, {0, 0, -1}, {0, 20, -20});  // from above: 4 wide along x, 2 deep along z
  Draw({1});
  ExpectBrightness({{102, 60, 200, 255}, {106, 60, 0, 20}, {80, 70, 200, 255}, {80, 74, 0, 20}});
}

TEST_F(ObjectRender, ChildrenOfAnInactiveParentAreNotDrawn) {
  for (const char* child : {"billboard\nbegin\nsize 2\nparent ship V(0 0 0)\nend\n",
                            "flare\nbegin\nsize 50\nalpha 1\nparent ship V(0 0 0)\nend\n",
                            "flame\nbegin\nsize 1\nparent ship\nend\n"}) {
    objects.clear();
    Load(Cube(0, 0, 30, "ship") + child + "ENDWORLD\n");
    Draw({1});
    EXPECT_GT(LitPixels(), 10) << child;
    objects[0]->active = false;
    Draw({1});
    EXPECT_EQ(LitPixels(), 0) << child;
  }
}

TEST_F(ObjectRender, FlareIsHiddenByANearerObjectAndFades) {
  Load(Cube(0, 0, 20) + "flare\nbegin\nposition V(0 0 -50)\nsize 50\ntexture textures\\white.jpg\n"
       "alpha 0 fade: 0.05 0.02\nend\nflare\nbegin\nenv V(0 0 1)\nend\nENDWORLD\n");
  Flare& flare = Object<Flare>(1);
  Draw({1});
  EXPECT_TRUE(flare.visible);
  EXPECT_EQ(Brightness(80, 60), 0);  // not faded in yet
  flare.Update(0.2);  // 3 per second
  Draw({1});
  EXPECT_NEAR(Brightness(80, 60), 153, 8);
  Draw({0, 1});
  EXPECT_FALSE(flare.visible);
  flare.Update(0.25);  // 1.2 per second
  EXPECT_NEAR(flare.alpha, 0.3f, 1e-5);
  Draw({2});
  EXPECT_FALSE(Object<Flare>(2).visible);  // behind the camera, where nothing wrote depth
}

TEST_F(ObjectRender, LensGhostsStringThroughTheCentre) {
  // The flare lands at (40, 90); the points lie inside ghosts 2, 4, 7 and 9
  // only, at 0.32, 0.85, 1.39 and 1.8 of the way to the centre (80, 60).
  Load("flare\nbegin\nposition V(-10 7.5 -30)\nsize 5\nalpha 1\nlenseffect\n\tsize 100\n"
       "\ttexture textures\\white.jpg\n\ttexture textures\\white.jpg\n\ttexture textures\\white.jpg\n"
       "end\nENDWORLD\n");
  Draw({0});
  for (auto [x, y] : {std::pair{60, 72}, {74, 64}, {93, 50}, {112, 36}})
    EXPECT_NEAR(Rgb(x, y)[0], 26, 6) << x << "," << y;  // (0.5, 0.5, i / 10) at 0.2
  EXPECT_NEAR(Rgb(112, 36)[2], 46, 6);
  ExpectBrightness({{112, 84, 0, 0}, {120, 90, 0, 0}});  // nothing off the line
}

TEST_F(ObjectRender, FlameTrailsBackwardsAlongItsParentsLook) {
  // The parent looks along -x, 40 units away: a quad every 0.5 units to the right.
  Load(Cube(0, 0, 40, "ship") + "flame\nbegin\ntexture textures\\white.jpg\nsize 1\noffset 0.5\n"
       "colorfrom V(1 0 0)\ncolorto V(0 0 1)\nparent ship\nend\nENDWORLD\n");
  Object<MeshObject>(0).look = {-1, 0, 0}, Object<MeshObject>(0).right = {0, 1, 0};
  Draw({1});
  auto start = Rgb(80, 60), end = Rgb(80 + 36, 60);  // the first quads and the 25th
  EXPECT_TRUE(start[0] > 2 * start[2] && end[2] > 2 * end[0] && end[2] > 20);
  // Nothing ahead of the first quad (half-size 2: 6 pixels) or past the last (14.5 units).
  ExpectBrightness({{70, 60, 0, 0}, {80 + 48, 60, 0, 0}, {80, 69, 0, 0}});
  objects.clear();
  Load(Cube(0, 0, 40, "ship") + "flame\nbegin\nsize 1\norient V(3 0 0)\nparent ship\nend\nENDWORLD\n");
  Draw({1});  // default axes: attach x runs along the parent's right, world x
  ExpectBrightness({{89, 60, 40, 255}, {74, 60, 0, 0}});
}

TEST_F(ObjectRender, LineStreamRunsFromTransparentToNearlyOpaque) {
  Load("ps\nbegin\nline\ntime 2\ndens 4\nsize 1\npoint1 V(-10 0 -40)\npoint2 V(10 0 -40)\nend\n"
       "ps\nbegin\nline\ndens 4\nsize 1\npoint1 V(-10 0 -40)\npoint2 V(10 0 -40)\nend\nENDWORLD\n");
  for (size_t stream : {0, 1}) {  // the second has no period and stands still
    objects[stream]->Update(0.3);
    Draw({stream});  // k / 4 of the way, opacity k / 4: nothing at either end
    ExpectBrightness({{50, 60, 0, 0}, {65, 60, 58, 70}, {80, 60, 122, 134}, {95, 60, 185, 197}, {110, 60, 0, 0}});
  }
  EXPECT_EQ(Object<ParticleSystem>(1).timer, 0);
}

TEST_F(ObjectRender, RingCompletesAnOrbitEveryPeriodAtAnyFrameRate) {
  const std::string ring = "ps\nbegin\ncircle\ntime 16\ndens 1\nsize 1\npoint1 V(10 0 -40)\npoint2 V(0 0 -40)\n"
                           "rot V(0 0 1)\nend\n";
  Load(ring + ring + "ENDWORLD\n");
  for (size_t i : {0, 1}) {
    const double dt = i == 0 ? 1.0 / 300 : 0.5;
    auto run = [&](double seconds) {
      for (double t = 0; t < seconds - 1e-9; t += dt) objects[i]->Update(dt);
      Draw({i});
      EXPECT_LT(LitPixels(), 60);
    };
    run(0);
    ExpectBrightness({{110, 60, 30, 255}});
    run(4);
    ExpectBrightness({{80, 30, 30, 255}});  // a quarter turn, clockwise about +z
    run(12);
    ExpectBrightness({{110, 60, 30, 255}});
  }
}

TEST_F(ObjectRender, DustIsDrawnOverNearerObjects) {
  Load(Cube(0, 0, 20) + "ENDWORLD\n");
  auto dust = CreateDustField(context);
  dust->SetParticleCount(1);
  dust->size = 3;
  dust->particlePosition = {{0, 0, -50}};
  dust->particleVelocity = dust->particleAcceleration = {{0, 0, 0}};
  Draw({0});
  EXPECT_LT(Rgb(80, 60)[2], 30);
  dust->Render(camera);
  EXPECT_GT(Rgb(80, 60)[2], 150);
}

// Yellow base texture, cyan detail map: multiplied, added ("light") or,
// without the extension, the base texture alone; lit to 0.82.
TEST_F(ObjectRender, MeshMaterialOnTwoUnits) {
  const std::string mesh = "geometry meshes\\cube.dat\nmesh\nbegin m\nmaterial\n\tdef\n\tdet\n"
                           "\tmap1 textures\\yellow.jpg\n\tmap2 textures\\cyan.jpg\nposition V(0 0 -10)\n";
  for (auto [multiTexture, extra, colour] : {std::tuple{true, "", std::vector{0, 209, 0}},
                                             {true, "light\n", std::vector{209, 255, 255}},
                                             {false, "", std::vector{209, 209, 0}}}) {
    if (!multiTexture) gl = GlExtensions{};  // before the mesh list is compiled
    objects.clear();
    Load(mesh + extra + "end\nENDWORLD\n");
    Draw({0});
    for (int c = 0; c < 3; ++c) EXPECT_NEAR(Rgb(80, 60)[c], colour[c], 12) << multiTexture << extra;
  }
}

TEST_F(ObjectRender, ObjectsWithoutTexturesDrawWithTheBoundOne) {
  Load("billboard\nbegin\nsize 0\ntexture textures\\red.jpg\nend\nflare\nbegin\nposition V(0 0 -30)\nend\n" +
       Cube(-8, 0, 30) + "mesh\nbegin again\nmaterial\n\tdef\n\tdet\n\tprev\n\tprev\nposition V(0 0 -10)\nend\nENDWORLD\n");
  auto bound = [] {
    GLint name = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &name);
    return GLuint(name);
  };
  Draw({0, 1});
  EXPECT_EQ(bound(), objects[0]->texture);
  EXPECT_EQ(LitPixels(), 0);  // size 0 shows nothing; the flare has not faded in
  Draw({2, 3});
  EXPECT_EQ(bound(), objects[2]->texture);
  EXPECT_GT(Rgb(80, 60)[1], 150);  // "prev" draws the yellow of the mesh before
}

// Everything the resting state fixes, as one list: capabilities, blend
// factors, active unit, matrix mode, depth writes, the three matrices and
// texturing on unit 1.
std::vector<float> RestingState(const GlExtensions& gl) {
  std::vector<float> state;
  for (GLenum cap : {GL_LIGHTING, GL_ALPHA_TEST, GL_BLEND, GL_DEPTH_TEST, GL_TEXTURE_2D, GL_CULL_FACE, GL_FOG,
                     GL_COLOR_MATERIAL, GL_LIGHT0, GL_TEXTURE_GEN_S})
    state.push_back(glIsEnabled(cap));
  for (GLenum name : {GL_BLEND_SRC, GL_BLEND_DST, GL_ACTIVE_TEXTURE_ARB, GL_MATRIX_MODE, GL_DEPTH_WRITEMASK}) {
    GLint value = 0;
    glGetIntegerv(name, &value);
    state.push_back(float(value));
  }
  for (GLenum matrix : {GL_MODELVIEW_MATRIX, GL_PROJECTION_MATRIX, GL_TEXTURE_MATRIX}) {
    GLfloat m[16];
    glGetFloatv(matrix, m);
    state.insert(state.end(), m, m + 16);
  }
  gl.activeTexture(GL_TEXTURE1_ARB);
  state.push_back(glIsEnabled(GL_TEXTURE_2D));
  gl.activeTexture(GL_TEXTURE0_ARB);
  return state;
}

TEST_F(ObjectRender, EveryKindLeavesTheRestingState) {
  Load(Cube(0, 0, 20, "m") + "mesh\nbegin metal\nmaterial\n\tmetal\n\tchrome\n\tprev\n\tprev\nlight\nend\n" +
       "sphere\nbegin\nalpha 0.5\nenv\nend\nsphere\nbegin\nposition V(0 0 -30)\nend\n"
       "billboard\nbegin\nenv V(0 0 -5)\nend\nbillboard\nbegin\nparent m V(1 0 0)\nflash 0 2 1)\nend\n"
       "flare\nbegin\nposition V(0 0 -30)\nalpha 1\nfocus 0.5)\nlenseffect\n\tsize 10\n"
       "\ttexture textures\\white.jpg\n\ttexture a\n\ttexture b\nend\nflame\nbegin\nparent m\nend\n"
       "ps\nbegin\nline\ntime 1\ndens 3\nend\nps\nbegin\ncircle\ntime 1\ndens 3\nend\nENDWORLD\n");
  objects.push_back(CreateDustField(context));
  camera.sceneFog = true;
  for (size_t i = 0; i < objects.size(); ++i) {
    Clear();
    glEnable(GL_LIGHTING), glEnable(GL_ALPHA_TEST);
    std::vector<float> expected = RestingState(gl);
    if (i == 8 || i == 9) expected[0] = expected[1] = 0;  // "line" and "circ" leave both off
    objects[i]->Render(camera);
    EXPECT_EQ(RestingState(gl), expected) << "object " << i;
  }
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

}  // namespace
