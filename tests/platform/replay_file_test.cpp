// Exact recordings as text: what is written reads back the same, and damaged
// or hand-edited files are refused with the line at fault.
#include <gtest/gtest.h>

#include "platform/key_codes.h"
#include "platform/replay_file.h"

namespace platform {
namespace {

std::string header() {
  return "kestrel-recording 1\nversion " + std::string(recordingVersion()) + "\nprogram shooter\nseed 8\n";
}

TEST(ReplayFile, WrittenRecordingsReadBackTheSame) {
  Recording rec;
  rec.version = std::string(recordingVersion());
  rec.program = "shooter";
  rec.seed = 4294967295u;
  rec.startValues = {{"settings", "2 0 96 50 1 20"}, {"score1", "900 ODD%NAME\r\x01 end "}, {"s", "start s"}};
  rec.frames = {{0, 0x00}, {20013, 0xA7}, {40020, 0xFF}};
  rec.events = {{RecordedEvent::Kind::KeyDown, key::Space, {}, 0, 1},
                {RecordedEvent::Kind::PadDown, key::Left, {}, 1, 2},
                {RecordedEvent::Kind::Text, 0, "\x1b" "a", 1, 2},
                {RecordedEvent::Kind::FocusLost, 0, {}, 3, 7},
                {RecordedEvent::Kind::Close, 0, {}, 3, 9}};
  rec.closingFigures = " state=2 score=145";
  const std::string text = formatRecording(rec);
  EXPECT_NE(text.find("down Space 1\n0 00\npaddown Left 2\ntext 1b61 2\n20013 a7\n20007 ff\nfocus 7\nclose 9\nend state=2 score=145\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("start score1 900 ODD%25NAME%0D%01 end \n"), std::string::npos) << text;

  const auto parsed = parseRecording(text);
  ASSERT_TRUE(parsed.recording) << parsed.error;
  const Recording& back = *parsed.recording;
  EXPECT_EQ(back.seed, rec.seed);
  EXPECT_EQ(back.startValues, rec.startValues);
  ASSERT_EQ(back.frames.size(), 3u);
  EXPECT_EQ(back.frames[2].clockMicros, 40020u);
  EXPECT_EQ(back.frames[2].check, 0xFF);
  ASSERT_EQ(back.events.size(), 5u);
  EXPECT_EQ(back.events[2].text, "\x1b" "a");
  EXPECT_EQ(back.events[2].frame, 1u);
  EXPECT_EQ(back.events[4].frame, 3u);
  EXPECT_EQ(back.events[4].pump, 9u);
  EXPECT_EQ(back.closingFigures, rec.closingFigures);
  EXPECT_EQ(formatRecording(back), text);
}

TEST(ReplayFile, TimeOnlyScriptsAreNotRecordings) {
  EXPECT_FALSE(looksLikeRecording("1.0 down Space\n"));
  EXPECT_FALSE(looksLikeRecording("kestrel-recording 12\n"));
  EXPECT_TRUE(looksLikeRecording("kestrel-recording 1\r\nversion 1\n"));
}

TEST(ReplayFile, DamagedRecordingsAreRefusedWithTheLine) {
  const struct {
    std::string body;
    std::string error;
  } cases[] = {
      {"0 00\n20000 0g\nend\n", "line 6: a frame line needs its check byte"},
      {"0 00\n-5 00\nend\n", "line 6: '-5' is not a recording line"},
      {"0 00\n1000000001 00\nend\n", "line 6: '1000000001' is not a frame's clock step"},
      {"0 00\ndown Space 3\nup Space 2\nend\n", "line 7: input reads must not go backwards"},
      {"0 00\ndown Nokey 1\nend\n", "line 6: 'Nokey' is not a key"},
      {"0 00\ndown Space 0\nend\n", "line 6: '0' is not an input read number"},
      {"0 00\ntext 1 1\nend\n", "line 6: text needs its characters in hex"},
      {"0 00\nseed 9\nend\n", "line 6: the seed belongs before the frames"},
      {"start bad/name 1\nend\n", "line 5: start needs a name"},
      {"start s 50%2\nend\n", "line 5: a start value holds a broken %XX escape"},
      {"0 00\n20000 00\n", "line 6: the end line is missing"},
      {"end\n0 00\n", "line 6: nothing may follow the end line"},
      {"0 00\njump 1\nend\n", "line 6: 'jump' is not a recording line"},
  };
  for (const auto& c : cases) {
    const auto parsed = parseRecording(header() + c.body);
    EXPECT_FALSE(parsed.recording) << c.body;
    EXPECT_EQ(parsed.error.rfind(c.error, 0), 0u) << c.body << " gave: " << parsed.error;
  }
  EXPECT_EQ(parseRecording("1.0 down Space\n").error.rfind("line 1: not a recording", 0), 0u);
  EXPECT_EQ(parseRecording("kestrel-recording 1\nseed 1\nend\n").error,
            "line 3: the version, program and seed lines are missing");
  // A version or program with a control byte in it would be written back
  // as it is and read differently: a second carriage return, say.
  EXPECT_EQ(parseRecording("kestrel-recording 1\nversion 0.1.0\r\r\nprogram shooter\nseed 1\nend\n").error,
            "line 2: version needs one word");
  EXPECT_EQ(parseRecording("kestrel-recording 1\nversion 0.1.0\nprogram sho\x01oter\nseed 1\nend\n").error,
            "line 3: program needs one word");
  EXPECT_EQ(parseRecording(header() + "0 00\nend score=10\xd1\r\r\n").error,
            "line 6: the end line's figures must be plain text");
}

TEST(ReplayFile, EscapesKeepEveryByte) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string escaped = escapeValue(all);
  EXPECT_EQ(escaped.find_first_of("\r\n"), std::string::npos);
  EXPECT_EQ(unescapeValue(escaped), all);
  EXPECT_FALSE(unescapeValue("%"));
  EXPECT_FALSE(unescapeValue("%4"));
  EXPECT_FALSE(unescapeValue("tab\there"));
}

}  // namespace
}  // namespace platform
