#include "objects/object_file.h"

#include "objects/billboard.h"
#include "objects/flame.h"
#include "objects/flare.h"
#include "objects/mesh_object.h"
#include "objects/object_scene.h"
#include "objects/particle_system.h"
#include "objects/sphere.h"

namespace {

using ObjectFile = ObjectScene;

// Fields flattened into one list, so that one comparison shows them all.
void Put(std::vector<float>& out, double value) { out.push_back(float(value)); }
void Put(std::vector<float>& out, Vec3 v) { out.insert(out.end(), {v.x, v.y, v.z}); }
template <typename... Values>
std::vector<float> Flat(Values... values) {
  std::vector<float> out;
  (Put(out, values), ...);
  return out;
}

TEST_F(ObjectFile, CommentedBlocksTerminatorNamesAndProgress) {
  Load("BEGINWORLD\nStations of the green system\n//sphere\nbegin hidden\nradius 9\nend\n"
       "sphere\nbegin planet0\nradius 7\nend\n"
       "geometry meshes\\cube.dat\n"
       "mesh\n  begin averyverylongname_x\nend\n"
       "billboard\nbegin discarded\nend\n"
       "ps\nbegin\nline\nend\nENDWORLD\nsphere\nbegin after\nend\n");
  ASSERT_EQ(objects.size(), 4u);
  EXPECT_FLOAT_EQ(Object<Sphere>(0).radius, 7);
  EXPECT_EQ(std::string(objects[0]->name) + objects[1]->name + "|" + objects[2]->name,
            "planet0averyverylongn|");  // cut to 14 characters; billboards keep no name
  EXPECT_EQ(Object<ParticleSystem>(3).mode, ParticleSystem::LineMode);
  EXPECT_EQ(progress, 5);  // four blocks and the geometry line
}

TEST_F(ObjectFile, DataEndingEarlyStopsReading) {
  Load("sphere\nbegin a\nend\nmesh\nbegin cut\nradius 2\n");  // no "end", no "ENDWORLD"
  EXPECT_EQ(objects.size(), 1u);
  parser.LoadObjectFile(objects, "missing.txt");
  EXPECT_EQ(objects.size(), 1u);
}

TEST_F(ObjectFile, GeometrySlotsCarryOverBetweenFiles) {
  Load("mesh\nbegin a\nend\ngeometry meshes\\cube.dat\nmesh\nbegin b\nend\n"
       "sphere\nbegin s\nend\nsphere\nbegin e\nenv\nend\nsphere\nbegin g\nenv\ngeo\nend\nENDWORLD\n",
       "first.txt");
  Load("mesh\nbegin c\nend\nsphere\nbegin t\nend\nENDWORLD\n", "second.txt");
  uint32_t mesh = Object<MeshObject>(1).geometry.displayList, sphere = Object<Sphere>(2).geometry.displayList;
  EXPECT_EQ(Object<MeshObject>(0).geometry.displayList, 0u);  // no geometry line yet in the run
  EXPECT_EQ(Object<MeshObject>(5).geometry.displayList, mesh);
  EXPECT_TRUE(glIsList(mesh) && glIsList(sphere) && glIsList(Object<Sphere>(3).geometry.displayList));
  EXPECT_NE(Object<Sphere>(3).geometry.displayList, sphere);  // "env": the cube
  EXPECT_EQ(Object<Sphere>(4).geometry.displayList, sphere);  // "env" then "geo"
  EXPECT_EQ(Object<Sphere>(6).geometry.displayList, sphere);  // the second file takes the first one's lists
}

TEST_F(ObjectFile, ParentsAreEarlierSpheresAndMeshesOfTheSameFile) {
  Load("mesh\nbegin other\nend\nENDWORLD\n", "first.txt");
  Load("billboard\nbegin\nparent ship V(1 2 3)\nend\n"
       "mesh\nbegin ship\nend\nsphere\nbegin ship\nend\n"
       "flame\nbegin\nparent ship\nend\n"
       "flare\nbegin\nparent nothing V(4 5 6)\nend\n"
       "flare\nbegin\nparent other V(0 0 0)\nend\nENDWORLD\n");
  EXPECT_EQ(Object<Billboard>(1).parent, nullptr);  // its parent follows it
  EXPECT_EQ(Flat(Object<Billboard>(1).offset), Flat(Vec3{1, 2, 3}));
  EXPECT_EQ(Object<Flame>(4).parent, objects[2].get());  // the first "ship"
  EXPECT_EQ(Object<Flare>(5).parent, nullptr);
  EXPECT_EQ(Object<Flare>(6).parent, nullptr);  // "other" is in another file
  EXPECT_EQ(FindObject(objects, "ship"), objects[2].get());
}

TEST_F(ObjectFile, SphereKeywords) {
  Load("sphere\nbegin\nradius 3\nradius 4\nradius x\nFOV 0.5\nalpha 0.99\ntiling 2\n"
       "rotation V(1 0 0) 30 0.5\nenv\nlight\ntexture textures\\red.jpg\norient V(0 0 1) 45\n"
       "position V(1 2 3)\nend\nsphere\nbegin\nenv\nrotation V(0 1 0) 0 0.3\nend\nENDWORLD\n");
  Sphere& s = Object<Sphere>(0);  // the later line wins; a malformed one changes nothing
  EXPECT_EQ(Flat(s.radius, s.fov, s.alpha, s.tiling, s.rotationAxis, s.rotationAngle, s.rotationSpeed,
                 s.orientAxis, s.orientAngle, s.position),
            Flat(4, 0.5, 0.99, 2, Vec3{1, 0, 0}, 30, 0, Vec3{0, 0, 1}, 45, Vec3{1, 2, 3}));
  EXPECT_TRUE(s.env && s.unlit && s.hasTexture && glIsTexture(s.texture));
  EXPECT_FLOAT_EQ(Object<Sphere>(1).rotationSpeed, 0.3f);  // "rotation" after "env" spins again
  EXPECT_NE(log.str().find("Load texture <textures\\red.jpg> ..."), std::string::npos);
}

TEST_F(ObjectFile, BillboardKeywordsAndRandomSpin) {
  Load("billboard\nbegin\nsize 2\nrotation 10 0.5\nFOV 0.3\nalpha 0.4\norient off\nenv V(1 2 3)\n"
       "flash 0.4 1 0.2)\ntexture textures\\missing.jpg\nup V(0 0 1)\nright V(-1 0 0)\n"
       "position V(4 5 6)\ncolor V(1 0 0)\nxy 2\nend\nbillboard\nbegin\nend\nENDWORLD\n");
  Billboard& b = Object<Billboard>(0);  // speeds are given per frame at 60 frames per second
  EXPECT_EQ(Flat(b.size, b.rotationAngle, b.rotationSpeed, b.fov, b.alpha, b.offset, b.flashTimer,
                 b.flashDark, b.flashLit, b.up, b.quadRight, b.position, b.color, b.xy),
            Flat(2, 10, 30, 0.3, 0.4, Vec3{1, 2, 3}, 0.4, 1, 0.2, Vec3{0, 0, 1}, Vec3{-1, 0, 0},
                 Vec3{4, 5, 6}, Vec3{1, 0, 0}, 2));
  EXPECT_TRUE(b.fixedOrientation && b.env && b.flash && b.hasTexture);  // even if the picture is missing
  EXPECT_EQ(b.texture, 0u);
  EXPECT_NE(log.str().find("Load texture <textures\\missing.jpg> ...failed!\n"), std::string::npos);
  RandomGenerator same;
  same.Next();  // the first billboard's draw
  EXPECT_FLOAT_EQ(Object<Billboard>(1).rotationSpeed, (1 - 2 * same.NextFraction()) * 60);
}

TEST_F(ObjectFile, FlareKeywordsAndLensEffect) {
  Load("flare\nbegin\nsize 50\nflash 2.5)\nfocus 0.8)\nFOV 0.2\nalpha 1 fade: 0.03 0.01\nalpha 0.5\n"
       "env V(0 0 -1)\nposition V(1 2 3)\nlenseffect\n\tsize 100\n\ttexture textures\\white.jpg\n"
       "\ttexture textures\\red.jpg\n\ttexture textures\\cyan.jpg\nrotation 10 0.5\nxy 2\n"
       "orient V(1 2 0)\nend\nENDWORLD\n");
  Flare& f = Object<Flare>(0);  // pixel sizes are given for a width of 800
  EXPECT_EQ(Flat(f.size, f.flashRange, f.focusStart, f.fov, f.alpha, f.fadeIn, f.fadeOut, f.offset,
                 f.position, f.lensSize, f.rotationAngle, f.rotationSpeed, f.xy, f.orientPoint),
            Flat(50 * 0.2f, 2.5, 0.8, 0.2, 0.5, 0.03f * 60, 0.01f * 60, Vec3{0, 0, -1}, Vec3{1, 2, 3},
                 100 * 0.2f, 10, 30, 2, Vec3{1, 2, 0}));
  EXPECT_TRUE(f.flash && f.focus && f.env && f.lensEffect && f.orient && !f.hasTexture);
  for (uint32_t lens : f.lensTextures) EXPECT_TRUE(glIsTexture(lens));
  EXPECT_NE(f.lensTextures[0], f.lensTextures[2]);
}

TEST_F(ObjectFile, MeshKeywordsAndMaterialLinesByPosition) {
  Load("geometry meshes\\cube.dat\nmesh\nbegin ship\norient V(1 0 0) 90\nposition V(1 2 3)\nlook V(0 1 0)\n"
       "right V(0 0 1)\nmaterial\n\tmetal\n\tdet\n\tmap1 textures\\red.jpg\n\tprev\nscale 2\nlight\ntiling 8\nend\n"
       "mesh\nbegin second\nmaterial\n\tdef\n\tchrome\n\tprev\n\tmap2 textures\\cyan.jpg\nend\n"
       "mesh\nbegin plain\nend\nENDWORLD\n");
  MeshObject& m = Object<MeshObject>(0);
  EXPECT_EQ(Flat(m.orientAxis, m.orientAngle, m.position, m.look, m.right, m.scale, m.tiling),
            Flat(Vec3{1, 0, 0}, 90, Vec3{1, 2, 3}, Vec3{0, 1, 0}, Vec3{0, 0, 1}, 2, 8));
  EXPECT_TRUE(m.metal && !m.chrome && m.hasTexture && !m.hasTexture2 && m.lightMap);
  MeshObject& second = Object<MeshObject>(1);
  EXPECT_TRUE(!second.metal && second.chrome && !second.hasTexture && second.hasTexture2);
  EXPECT_NE(log.str().find("Load detail texture <textures\\cyan.jpg> ..."), std::string::npos);
  MeshObject& plain = Object<MeshObject>(2);
  EXPECT_TRUE(plain.chrome && !plain.metal && !plain.lightMap);
  EXPECT_EQ(Flat(plain.look, plain.right, plain.tiling), Flat(Vec3{0, 0, 1}, Vec3{1, 0, 0}, 4));
}

TEST_F(ObjectFile, FlameAndParticleKeywords) {
  Load("flame\nbegin\ntexture textures\\white.jpg\nsize 0.6\noffset 0.3\norient V(1 2 3)\n"
       "orient V(-4.9 -0.25 -3.5)\ncolorfrom V(1 0 0)\ncolorto V(0 1 0)\nend\n"
       "ps\nbegin\ntexture textures\\white.jpg\nsize 3\ncircle\ntime 16\ndens 12\npoint1 V(1 0 0)\n"
       "point2 V(0 0 5)\nrot V(0 1 0)\nalpha 0.5\nend\nps\nbegin\ndens -4\nend\nENDWORLD\n");
  Flame& f = Object<Flame>(0);  // the second "orient" wins
  EXPECT_EQ(Flat(f.size, f.step, f.attach, f.colorFrom, f.colorTo),
            Flat(0.6, 0.3, Vec3{-4.9f, -0.25f, -3.5f}, Vec3{1, 0, 0}, Vec3{0, 1, 0}));
  ParticleSystem& p = Object<ParticleSystem>(1);
  EXPECT_EQ(Flat(p.size, p.time, p.point1, p.point2, p.rotAxis),
            Flat(3, 16, Vec3{1, 0, 0}, Vec3{0, 0, 5}, Vec3{0, 1, 0}));
  EXPECT_TRUE(f.hasTexture && p.hasTexture && p.mode == ParticleSystem::RingMode);
  EXPECT_EQ(p.count, 12);
  EXPECT_EQ(p.particlePosition.size(), 12u);
  EXPECT_TRUE(p.phase >= 0 && p.phase <= 360);
  EXPECT_EQ(Object<ParticleSystem>(2).count, 0);
  EXPECT_EQ(Object<ParticleSystem>(2).mode, ParticleSystem::NoMode);
}

}  // namespace

namespace {

// Objects naming one picture share one texture, whatever kind loads it; a
// lens texture (one level) is its own; a missing picture is tried again.
TEST_F(ObjectFile, APictureNamedTwiceIsUploadedOnce) {
  Load("billboard\nbegin\ntexture textures\\red.jpg\nend\n"
       "geometry meshes\\cube.dat\nmesh\nbegin a\nmaterial\n\tdef\n\tdet\n\tmap1 textures\\red.jpg\n"
       "\tmap2 textures\\cyan.jpg\nend\n"
       "mesh\nbegin b\nmaterial\n\tdef\n\tdet\n\tmap1 textures\\cyan.jpg\n\tmap2 textures\\red.jpg\nend\n"
       "flare\nbegin\nlenseffect\n\tsize 1\n\ttexture textures\\red.jpg\n\ttexture textures\\red.jpg\n"
       "\ttexture textures\\cyan.jpg\nend\n"
       "billboard\nbegin\ntexture textures\\missing.jpg\nend\nbillboard\nbegin\ntexture textures\\missing.jpg\nend\n"
       "ENDWORLD\n");
  Billboard& board = Object<Billboard>(0);
  MeshObject& a = Object<MeshObject>(1);
  MeshObject& b = Object<MeshObject>(2);
  Flare& flare = Object<Flare>(3);
  EXPECT_TRUE(glIsTexture(board.texture));
  EXPECT_EQ(a.texture, board.texture);
  EXPECT_EQ(b.texture2, board.texture);
  EXPECT_EQ(a.texture2, b.texture);
  EXPECT_NE(a.texture, a.texture2);
  EXPECT_EQ(flare.lensTextures[0], flare.lensTextures[1]);
  EXPECT_NE(flare.lensTextures[0], board.texture);
  EXPECT_NE(flare.lensTextures[2], flare.lensTextures[0]);
  std::string text = log.str();
  size_t first = text.find("Load texture <textures\\missing.jpg> ...failed!\n");
  ASSERT_NE(first, std::string::npos);
  EXPECT_NE(text.find("Load texture <textures\\missing.jpg> ...failed!\n", first + 1), std::string::npos);
  EXPECT_NE(text.find("Load detail texture <textures\\red.jpg> ..."), std::string::npos);  // logged as before
}

}  // namespace
