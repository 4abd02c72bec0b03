// Input scripts and the shared command-line options.
#include <gtest/gtest.h>

#include "platform/input_script.h"
#include "platform/key_codes.h"
#include "platform/run_options.h"

using namespace platform;

TEST(InputScript, ParsesEventsNamesNumbersAndComments) {
  const auto r = parseInputScript(
      "# a comment\n"
      "\n"
      "0.5 down Space   # fire\n"
      "1 up space\n"
      "1.25 down 78\n"
      "2 down 0\n"
      "2 down q\n"
      "3 close\n");
  ASSERT_TRUE(r.script) << r.error;
  const auto& e = r.script->events;
  ASSERT_EQ(e.size(), 6u);
  EXPECT_EQ(e[0].kind, InputEvent::Kind::KeyDown);
  EXPECT_EQ(e[0].scancode, key::Space);
  EXPECT_DOUBLE_EQ(e[0].time, 0.5);
  EXPECT_EQ(e[1].kind, InputEvent::Kind::KeyUp);
  EXPECT_EQ(e[2].scancode, key::KpPlus);
  EXPECT_EQ(e[3].scancode, key::Digit0) << "a lone digit names the digit key";
  EXPECT_EQ(e[4].scancode, key::Q);
  EXPECT_EQ(e[5].kind, InputEvent::Kind::Close);
}

TEST(InputScript, MalformedLinesAreRefusedWithTheirLineNumber) {
  const char* bad[] = {"1 down\n", "x down Space\n", "1 press Space\n", "1 down Nokey\n",
                       "1 down Space extra\n", "-1 close\n", "1 down 200\n"};
  for (const char* text : bad) {
    const auto r = parseInputScript(std::string("# ok\n") + text);
    EXPECT_FALSE(r.script) << text;
    EXPECT_EQ(r.error.rfind("line 2", 0), 0u) << text << " -> " << r.error;
  }
  // The failing line of the out-of-order pair is the third one here.
  EXPECT_EQ(parseInputScript("# ok\n2 down A\n1 up A\n").error.rfind("line 3", 0), 0u);
}

TEST(InputScript, RecordedEventsReadBackUnchanged) {
  for (int code = 1; code < key::kCount; ++code) {
    const InputEvent e{1.5, InputEvent::Kind::KeyUp, code};
    const auto r = parseInputScript(formatInputEvent(e));
    ASSERT_TRUE(r.script) << formatInputEvent(e) << ": " << r.error;
    EXPECT_EQ(r.script->events.at(0).scancode, code) << formatInputEvent(e);
  }
  for (const auto kind : {InputEvent::Kind::PadDown, InputEvent::Kind::PadUp}) {
    const auto pad = parseInputScript(formatInputEvent({0.25, kind, key::Left}));
    ASSERT_TRUE(pad.script) << formatInputEvent({0.25, kind, key::Left}) << ": " << pad.error;
    EXPECT_EQ(pad.script->events.at(0).kind, kind);
    EXPECT_EQ(pad.script->events.at(0).scancode, key::Left);
  }
  const auto closed = parseInputScript(formatInputEvent({2.0, InputEvent::Kind::Close, 0}));
  ASSERT_TRUE(closed.script);
  EXPECT_EQ(closed.script->events.at(0).kind, InputEvent::Kind::Close);
}

namespace {
ParseResult parse(std::vector<const char*> args) {
  args.insert(args.begin(), "/usr/bin/shooter");
  return parseRunOptions(static_cast<int>(args.size()), args.data());
}
}  // namespace

TEST(RunOptions, EveryOptionAndTheFirstWord) {
  const auto r = parse({"showfps", "--seed", "42", "--timedemo", "t.txt", "--shot", "2.5:a.bmp", "--shot",
                        "7:b.bmp", "--record", "r.txt"});
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(r.options.programName, "shooter");
  EXPECT_EQ(r.options.firstArgument, "showfps");
  EXPECT_EQ(r.options.seed.value_or(0), 42u);
  EXPECT_EQ(r.options.timedemoPath, "t.txt");
  EXPECT_EQ(r.options.recordPath, "r.txt");
  ASSERT_EQ(r.options.shots.size(), 2u);
  EXPECT_DOUBLE_EQ(r.options.shots[0].atSeconds, 2.5);
  EXPECT_EQ(r.options.shots[1].path, "b.bmp");
  EXPECT_TRUE(parse({"--help"}).options.showHelp);
  EXPECT_TRUE(parse({"--version"}).options.showVersion);
  EXPECT_EQ(parse({"--demo", "d.txt"}).options.demoPath, "d.txt");
}

TEST(RunOptions, BadCommandLinesGiveAnError) {
  EXPECT_NE(parse({"--bogus"}).error, "");
  EXPECT_NE(parse({"--seed"}).error, "");
  EXPECT_NE(parse({"--seed", "12x"}).error, "");
  EXPECT_NE(parse({"--seed", "-1"}).error, "");
  EXPECT_NE(parse({"--shot", "nocolon"}).error, "");
  EXPECT_NE(parse({"--shot", "x:a.bmp"}).error, "");
  EXPECT_NE(parse({"--shot", "3:"}).error, "");
  EXPECT_NE(parse({"--demo", "a", "--timedemo", "b"}).error, "");
  EXPECT_NE(parse({"--media-control", "winmm"}).error, "");
  EXPECT_NE(parse({"--media-control"}).error, "");
  EXPECT_TRUE(parse({"--media-control", "system"}).options.systemMediaControl);
  EXPECT_FALSE(parse({"--media-control", "system", "--media-control", "own"}).options.systemMediaControl);
  for (const auto* option : {"--help", "--version", "--seed", "--record", "--demo", "--timedemo", "--shot"}) {
    EXPECT_EQ(std::string(option).find("fps"), std::string::npos);
  }
  EXPECT_NE(parse({"--seed", "1", "--showfps"}).error, "") << "later, the FPS word is no option";
}

TEST(RunOptions, WordsThatAreNoOptionsAreIgnoredButUnknownOptionsRefused) {
  const auto extra = parse({"showfps", "extra"});
  EXPECT_EQ(extra.error, "");
  EXPECT_EQ(extra.options.firstArgument, "showfps");
  const auto late = parse({"hello", "showfps", "--seed", "3", "-x", "more"});
  EXPECT_EQ(late.error, "");
  EXPECT_EQ(late.options.firstArgument, "hello") << "only the first word is read";
  EXPECT_EQ(late.options.seed.value_or(0), 3u);
  EXPECT_NE(parse({"showfps", "--bogus"}).error, "");
  EXPECT_NE(parse({"hello", "--showfps"}).error, "") << "later, the FPS word is no option";
  EXPECT_EQ(parse({"--seed", "1", "hello", "--demo", "d.txt"}).options.demoPath, "d.txt");
}

TEST(RunOptions, ResolvingMakesEveryRelativeFilePathAbsolute) {
  auto r = parse({"--verify", "v.txt", "--record", "sub/r.txt", "--shot", "1:s.bmp", "--shot", "2:/abs/t.bmp"});
  ASSERT_EQ(r.error, "");
  resolvePathsAgainst(r.options, "/home/player");
  EXPECT_EQ(r.options.verifyPath, "/home/player/v.txt");
  EXPECT_EQ(r.options.recordPath, "/home/player/sub/r.txt");
  EXPECT_EQ(r.options.shots.at(0).path, "/home/player/s.bmp");
  EXPECT_EQ(r.options.shots.at(1).path, "/abs/t.bmp") << "absolute paths stay";
  auto d = parse({"--demo", "d.txt"});
  resolvePathsAgainst(d.options, "/home/player");
  EXPECT_EQ(d.options.demoPath, "/home/player/d.txt");
  EXPECT_EQ(d.options.timedemoPath, "") << "an option not given stays empty";
  auto t = parse({"--timedemo", "../t.txt"});
  resolvePathsAgainst(t.options, "/home/player");
  EXPECT_EQ(t.options.timedemoPath, "/home/player/../t.txt");
}

TEST(RunOptions, AFirstArgumentHoldingFpsIsTheFpsWordEvenAsAnOption) {
  for (const auto* word : {"--showfps", "-fps", "--fps=1", "fps"}) {
    const auto r = parse({word, "--seed", "3"});
    EXPECT_EQ(r.error, "") << word;
    EXPECT_EQ(r.options.firstArgument, word);
    EXPECT_EQ(r.options.seed.value_or(0), 3u) << word;
  }
  EXPECT_NE(parse({"--showFPS"}).error, "") << "the letters are case-sensitive";
}
