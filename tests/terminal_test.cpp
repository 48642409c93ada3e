// The built program on a real terminal, answered only once each question is
// on the screen: a prompt that was not flushed before the program waits
// would never appear, and the test would time out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "build_paths.h"
#include "pty_session.h"
#include "scratch_tree.h"
#include "screens.h"

namespace {

using namespace expected;

const std::string kClear = "\x1b[H\x1b[2J\x1b[3J";

struct exchange {
  std::string shown;  // what appears before the answer is typed
  std::string typed;
};

class Terminal : public ::testing::Test {
 protected:
  Terminal() { lay_out_recording_tree(dir_); }

  scratch_dir dir_;
};

TEST_F(Terminal, EveryQuestionIsOnTheScreenBeforeItsAnswerIsTyped) {
  const std::vector<exchange> dialogues[] = {
      {{kClear + kFontScreen, "1\n"},
       {kClear + kColourScreen, "8\n"},
       {kCodePrompt, "#00ff00\n"},
       {kTextPrompt, "Go now\n"}},
      {{kClear + kFontScreen, "9\n"},
       {kRetry, "4\n"},
       {kPlatePrompts, "AB 12\n"},
       {kFitPrompt, "maybe\n"},
       {"", "y\n"}},
  };
  for (const auto& dialogue : dialogues) {
    pty_session session(glyphrig::build_paths::program(), dir_.path());
    // The terminal echoes each answer right after its question.
    std::string expected_screen;
    for (const exchange& step : dialogue) {
      expected_screen += step.shown;
      ASSERT_TRUE(session.wait_for(expected_screen)) << "waited for:\n"
                                                     << step.shown << "\nscreen:\n"
                                                     << session.screen();
      session.type(step.typed);
      expected_screen += step.typed;
    }
    EXPECT_EQ(session.finish(), 0);
    EXPECT_EQ(session.screen(), expected_screen + kWorking + kDone);
  }
}

TEST_F(Terminal, OutputToAPipeCarriesNoEscapeSequence) {
  dir_.write("answers.txt", "1\n8\n#00ff00\nGo now\n");
  const std::string command = "cd '" + dir_.path().string() + "' && " +
                              glyphrig::build_paths::program() + " <answers.txt | cat >said.txt";
  ASSERT_EQ(std::system(command.c_str()), 0);
  EXPECT_EQ(dir_.read("said.txt"),
            kFontScreen + kColourScreen + kCodePrompt + kTextPrompt + kWorking + kDone);
}

}  // namespace
