// The grammar of the media-control command texts.
#include <gtest/gtest.h>

#include "testbench/media_command.h"
#include "testbench/media_command_parser.h"

using namespace testbench;

namespace {

// Views into the text stay valid: every caller passes a string literal.
MediaRequest parsed(std::string_view text) {
  MediaRequest request;
  EXPECT_EQ(ParseMediaCommand(text, request), 0) << text;
  return request;
}

}  // namespace

TEST(MediaCommandParser, ReadsEveryCommandTheLibrarySends) {
  MediaRequest r = parsed("open \"My Music.mp3\" shareable alias 12");
  EXPECT_EQ(r.verb, MediaVerb::Open);
  EXPECT_EQ(r.file, "My Music.mp3");
  EXPECT_EQ(r.alias, "12");
  r = parsed("open \"29H.WAV\" alias SPMCIPS0003");
  EXPECT_EQ(r.verb, MediaVerb::Open);
  EXPECT_EQ(r.alias, "SPMCIPS0003");
  EXPECT_EQ(parsed("set 3 time format milliseconds").verb, MediaVerb::SetTimeFormat);
  EXPECT_EQ(parsed("play 3 from 0").verb, MediaVerb::Play);
  EXPECT_EQ(parsed("status 3 Mode ").verb, MediaVerb::StatusMode);
  EXPECT_EQ(parsed("status 3 length ").verb, MediaVerb::StatusLength);
  EXPECT_EQ(parsed("stop 3").verb, MediaVerb::Stop);
  EXPECT_EQ(parsed("close 3").alias, "3");
  EXPECT_EQ(parsed("close ").verb, MediaVerb::CloseNothing);
}

TEST(MediaCommandParser, KeywordsInAnyCaseAndSpacesAnywhere) {
  const MediaRequest r = parsed("  OPEN   \"a.wav\"  SHAREABLE Alias   x1   ");
  EXPECT_EQ(r.verb, MediaVerb::Open);
  EXPECT_EQ(r.alias, "x1");
  EXPECT_EQ(parsed("Set x1 TIME Format MilliSeconds").verb, MediaVerb::SetTimeFormat);
  EXPECT_EQ(parsed("PLAY x1 FROM 0   ").verb, MediaVerb::Play);
  EXPECT_EQ(parsed("status x1 MODE").verb, MediaVerb::StatusMode);
}

TEST(MediaCommandParser, AnythingElseIsAnError) {
  MediaRequest r;
  EXPECT_EQ(ParseMediaCommand("", r), kMediaUnknownCommand);
  EXPECT_EQ(ParseMediaCommand("pause 1", r), kMediaUnknownCommand);
  EXPECT_EQ(ParseMediaCommand("play 1", r), kMediaBadSyntax);
  EXPECT_EQ(ParseMediaCommand("play 1 from 500", r), kMediaBadSyntax);
  EXPECT_EQ(ParseMediaCommand("status 1 position", r), kMediaBadSyntax);
  EXPECT_EQ(ParseMediaCommand("set 1 time format frames", r), kMediaBadSyntax);
  EXPECT_EQ(ParseMediaCommand("open \"a.wav\" alias", r), kMediaBadSyntax);
  EXPECT_EQ(ParseMediaCommand("open \"a.wav\" shared alias 1", r), kMediaBadSyntax);
  EXPECT_EQ(ParseMediaCommand("open \"a.wav alias 1", r), kMediaBadSyntax);
  EXPECT_EQ(ParseMediaCommand("open \"\" alias 1", r), kMediaBadSyntax);
  EXPECT_EQ(ParseMediaCommand("stop 1 now", r), kMediaBadSyntax);
  EXPECT_EQ(ParseMediaCommand("close 1 2 3 4 5 6 7 8", r), kMediaBadSyntax);
}
