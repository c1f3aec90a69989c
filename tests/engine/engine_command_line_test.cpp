#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "engine_fixture.h"

namespace vorlan {
namespace {

using engine_test::EngineFixture;

struct TSwitchCase {
  std::vector<std::string> parameters;
  std::string switches;  // the letters found, in switch order
  std::vector<std::pair<TSwitch, std::string>> texts;
};

class EngineCommandLineTest : public EngineFixture {
 protected:
  EngineCommandLineTest() { Start(); }
  static std::string Letters(const TSwitches& switches) {
    std::string letters;
    for (size_t i = 0; i < switches.size(); ++i) {
      if (switches.test(i)) letters += kSwitchLetters[i];
    }
    return letters;
  }
};

TEST_F(EngineCommandLineTest, SwitchesAndTheirTexts) {
  const TSwitchCase cases[] = {
      {{"-sC:\\Setup", "-n"}, "sn", {{swSource, "C:\\Setup"}, {swNoUnfinished, ""}}},
      {{"-S"}, "s", {{swSource, ""}}},
      {{"*TODISK"}, "", {}},
      {{"*b"}, "b", {}},
      {{"-eSETUP.EXE", "-C", "-d", "-sC:\\My Build"},
       "descc",
       {{swSelfExtract, "SETUP.EXE"}, {swSource, "C:\\My Build"}, {swCleanup, ""}}},
      {{"-sfirst", "-ssecond"}, "s", {{swSource, "second"}}},
      {{"-b", "-f", "-r"}, "bfr", {}},
      {{}, "", {}},
  };
  auto* engine = new TInstall(form.get());
  for (const TSwitchCase& c : cases) {
    engine->ParseParameters(c.parameters);
    std::string letters = Letters(engine->Switches());
    std::sort(letters.begin(), letters.end());
    std::string expected = c.switches;
    std::sort(expected.begin(), expected.end());
    expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
    EXPECT_EQ(letters, expected) << ::testing::PrintToString(c.parameters);
    for (const auto& [which, text] : c.texts) {
      EXPECT_EQ(engine->SwitchText(which), text) << ::testing::PrintToString(c.parameters);
    }
  }
}

TEST_F(EngineCommandLineTest, MalformedParametersAreNamed) {
  auto* engine = new TInstall(form.get());
  for (std::string bad : {"-TODISK", "x", "-", "*", "", "/b", "-1"}) {
    try {
      engine->ParseParameters({"-sC:\\Setup", bad});
      ADD_FAILURE() << bad << " was accepted";
    } catch (const IException& error) {
      EXPECT_EQ(std::string(error.what()),
                "Invalid parameter <" + bad +
                    ">. Valid command line parameters are: -b (Build), -d (Debug), -f (Transfer to floppies), -e "
                    "(Called by self-extractor), -r (After reboot)");
    }
  }
}

// A new parse starts from nothing, also after a failed one.
TEST_F(EngineCommandLineTest, EachParseStartsEmpty) {
  auto* engine = new TInstall(form.get());
  engine->ParseParameters({"-sC:\\Setup", "-b"});
  EXPECT_THROW(engine->ParseParameters({"-n", "-x"}), IException);
  engine->ParseParameters({"-c"});
  EXPECT_EQ(Letters(engine->Switches()), "c");
  EXPECT_EQ(engine->SwitchText(swSource), "");
}

TEST_F(EngineCommandLineTest, LoadedReadsTheApplicationsCommandLine) {
  TInstall& engine = Load("    RunAutomatic = False\n", {"-sC:\\Load Dir", "*TODISK", "-n"});
  EXPECT_EQ(Letters(engine.Switches()), "sn");
  EXPECT_EQ(engine.LoadingProgramDir(), "C:\\Load Dir");
}

TEST_F(EngineCommandLineTest, MalformedParameterStopsTheLoad) {
  EXPECT_THROW(Load("", {"-q"}), IException);
  EXPECT_EQ(Engine(), nullptr);
  EXPECT_EQ(TheInstall(), nullptr);
}

TEST_F(EngineCommandLineTest, DebugNeedsAUsableSourceDirectory) {
  const std::vector<std::string> cases[] = {{"-d"}, {"-d", "-s"}, {"-d", "-s   "}, {"-s \t", "-D"}};
  for (const auto& parameters : cases) {
    try {
      Load("", parameters);
      ADD_FAILURE() << ::testing::PrintToString(parameters) << " loaded";
    } catch (const IEInstall& error) {
      EXPECT_STREQ(error.what(),
                   "You forgot to pass in the build directory. In Run | Parameters, follow this format: -d "
                   "\"-sC:\\My Build\"");
    }
  }
  TInstall& engine = Load("    RunAutomatic = False\n", {"-d", "-sC:\\My Build"});
  EXPECT_TRUE(engine.HasSwitch(swDebug));
}

}  // namespace
}  // namespace vorlan
