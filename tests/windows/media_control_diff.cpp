// Sends the same media-control command texts to the test programs' own layer
// (testbench::MediaCommand, on the build's sound device) and to the system's
// (winmm's mciSendStringA), one after the other, and compares the answers:
// the error number and the reply text. Each row says whether the two agree
// today; a row whose outcome changes fails the run, so the table stays the
// record of what agrees and what does not. Run under Wine from a folder
// holding the generator's 29H.WAV (scripts/windows_test.sh).
#include <array>
#include <cstdio>
#include <string>
#include <string_view>

#include "platform/system_media.h"
#include "testbench/media_command.h"
#include "testbench/media_control.h"

namespace {

enum class Outcome { Agree, Differ };

struct Case {
  std::string_view command;
  Outcome expected;
  std::string_view why;  // for the rows that differ
};

constexpr std::array kCases = {
    Case{"open \"29H.WAV\" alias one", Outcome::Differ, "winmm answers the new device's number, \"1\"; ours no text"},
    Case{"set one time format milliseconds", Outcome::Agree, ""},
    Case{"status one length", Outcome::Agree, ""},
    Case{"status one mode", Outcome::Agree, ""},
    Case{"play one from 0", Outcome::Agree, ""},
    Case{"status one mode", Outcome::Differ, "Wine here has no wave output device, so its play ends at once"},
    Case{"stop one", Outcome::Agree, ""},
    Case{"status one mode", Outcome::Agree, ""},
    Case{"close one", Outcome::Agree, ""},
    Case{"status one mode", Outcome::Differ, "a closed alias: ours 263, as Windows answers; Wine's winmm 281"},
    Case{"open \"missing.wav\" alias gone", Outcome::Agree, ""},
    Case{"play nosuch from 0", Outcome::Differ, "an unknown alias: ours 263, as Windows answers; Wine's winmm 281"},
    Case{"frobnicate one", Outcome::Agree, ""},
    Case{"open \"29H.WAV\" alias twice", Outcome::Differ, "winmm answers the new device's number; ours no text"},
    Case{"open \"29H.WAV\" alias twice", Outcome::Agree, ""},
    Case{"close twice", Outcome::Agree, ""},
    Case{"open \"notes.txt\" alias text", Outcome::Agree, ""},
};
static_assert(kCases.size() == 17);

struct Answer {
  int code = 0;
  std::string reply;
};

template <typename Send>
Answer ask(Send send, std::string_view command) {
  std::array<char, 128> reply{};
  Answer answer;
  answer.code = send(std::string(command), reply.data(), reply.size());
  answer.reply = reply.data();
  return answer;
}

}  // namespace

int main() {
  int unexpected = 0;
  int agreeing = 0;
  for (const Case& row : kCases) {
    const Answer ours = ask(testbench::MediaCommand, row.command);
    const Answer system = ask(platform::systemMediaCommand(), row.command);
    const bool agree = ours.code == system.code && ours.reply == system.reply;
    agreeing += agree ? 1 : 0;
    const bool asExpected = agree == (row.expected == Outcome::Agree);
    unexpected += asExpected ? 0 : 1;
    std::printf("%-8s %-36s ours %d \"%s\", winmm %d \"%s\"%s%.*s\n", agree ? "agree" : "differ",
                std::string(row.command).c_str(), ours.code, ours.reply.c_str(), system.code, system.reply.c_str(),
                row.why.empty() ? "" : ": ", static_cast<int>(row.why.size()), row.why.data());
    if (!asExpected) std::printf("  ^ expected to %s\n", row.expected == Outcome::Agree ? "agree" : "differ");
  }
  testbench::MediaShutdown();
  std::printf("media control: %d of %zu commands agree; %d outcomes changed\n", agreeing, kCases.size(), unexpected);
  return unexpected == 0 ? 0 : 1;
}
