#include "director/registries.h"

#include <gtest/gtest.h>

#include <string>

#include "director/flight_fixture.h"

namespace {

class Registries : public FlightTest {
 protected:
  // Each object file becomes one object named by its path.
  ObjectFileLoader loader = [](ObjectList& list, const char* path) { AddObject(list, path); };
  EnvironmentList environments;
};

std::string Names(const ObjectList& list) {
  std::string names;
  for (const auto& object : list) names += std::string(object->name) + ";";
  return names;
}

TEST_F(Registries, EnvironmentsKeepFileOrderAndAppendRepeatedFiles) {
  AddFile("env.txt",
          "// environments\nenv green\nfirstpass g1.txt\nfirstpass g2.txt\npostpass gp.txt\nend\n"
          "between blocks\nenv space\nfirstpass s1.txt\nend\nenv_end\nENV_END\nenv never\nend\n");
  Pack();
  ASSERT_TRUE(LoadEnvironments(environments, "env.txt", resources.resources(), debugLog, loader));
  ASSERT_EQ(environments.size(), 3u);  // "env_end" is an environment named "_end"
  EXPECT_STREQ(environments[0]->name, "green");
  EXPECT_EQ(Names(environments[0]->firstPass), "g1.txt;g2.txt;");
  EXPECT_EQ(Names(environments[0]->postPass), "gp.txt;");
  EXPECT_TRUE(environments[1]->postPass.empty());
  EXPECT_STREQ(environments[2]->name, "_end");
  EXPECT_EQ(FindEnvironment(environments, "space"), environments[1].get());
  EXPECT_EQ(FindEnvironment(environments, "Space"), nullptr);
  EXPECT_EQ(FindEnvironment(environments, "never"), nullptr);
}

TEST_F(Registries, WorldsReferToTheirEnvironmentOrToNone) {
  AddFile("env.txt", "env space\nfirstpass worlds\\firstpass.txt\npostpass worlds\\postpass.txt\nend\n");
  AddFile("worlds.txt",
          "world blue_galaxy\nenv space\nobjects galaxy.txt\n"
          "scenedir worlds\\blue\\galaxy\\scenes\\\nend\n"
          "world lost\nenv nowhere\nend\n"
          "world blue_galaxy\nscenedir " + std::string(60, 'd') + "\nend\n"
          "world\nend\nWORLD_END\n");
  Pack();
  ASSERT_TRUE(LoadEnvironments(environments, "env.txt", resources.resources(), debugLog, loader));
  WorldList list;
  ASSERT_TRUE(LoadWorlds(list, "worlds.txt", environments, resources.resources(), debugLog, loader));
  ASSERT_EQ(list.size(), 4u);
  const World& galaxy = *list[0];
  EXPECT_EQ(&galaxy.firstPass(), &environments[0]->firstPass);  // shared, not copied
  EXPECT_EQ(&galaxy.postPass(), &environments[0]->postPass);
  EXPECT_EQ(Names(galaxy.objects), "galaxy.txt;");
  EXPECT_STREQ(galaxy.sceneDir, "worlds\\blue\\galaxy\\scenes\\");
  const World& lost = *list[1];
  EXPECT_EQ(lost.env, nullptr);
  EXPECT_TRUE(lost.firstPass().empty());
  EXPECT_TRUE(lost.postPass().empty());
  EXPECT_NE(log.str().find("World <lost>: unknown environment <nowhere>"), std::string::npos);
  EXPECT_EQ(std::string(list[2]->sceneDir), std::string(49, 'd'));  // cut to the field
  EXPECT_STREQ(list[3]->name, " ");
  EXPECT_EQ(FindWorld(list, "blue_galaxy"), list[0].get());  // the first of two
  EXPECT_EQ(FindWorld(list, "red_galaxy"), nullptr);
}

TEST_F(Registries, MissingListIsReported) {
  Pack();
  EXPECT_FALSE(LoadEnvironments(environments, "env.txt", resources.resources(), debugLog, loader));
  EXPECT_TRUE(environments.empty());
  EXPECT_NE(log.str().find("Open <env.txt> ...failed!"), std::string::npos);
}

}  // namespace
