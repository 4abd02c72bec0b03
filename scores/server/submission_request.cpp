#include "scores/server/submission_request.h"

#include <nlohmann/json.hpp>

#include "platform/replay_file.h"
#include "scores/server/server_limits.h"

namespace scores {

namespace {
// The version line comes right after the header; a few lines of slack let
// the format grow without the door refusing new recordings.
constexpr int kHeaderLinesSearched = 8;

bool isTokenCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-' ||
         c == '+' || c == '_';
}
}  // namespace

bool isPlainToken(std::string_view text) {
  if (text.empty() || text.size() > kMaxVersionLength) return false;
  for (const char c : text) {
    if (!isTokenCharacter(c)) return false;
  }
  return true;
}

std::string recordingVersionLine(std::string_view recording) {
  constexpr std::string_view kKey = "version ";
  std::size_t start = 0;
  for (int line = 0; line < kHeaderLinesSearched && start < recording.size(); ++line) {
    std::size_t end = recording.find('\n', start);
    if (end == std::string_view::npos) end = recording.size();
    std::string_view text = recording.substr(start, end - start);
    if (text.ends_with('\r')) text.remove_suffix(1);
    if (text.starts_with(kKey)) return std::string(text.substr(kKey.size()));
    start = end + 1;
  }
  return {};
}

SubmissionParse parseSubmissionBody(std::string_view body) {
  const nlohmann::json json = nlohmann::json::parse(body, nullptr, /*allow_exceptions=*/false);
  if (json.is_discarded()) return {std::nullopt, "the body is not JSON"};
  if (!json.is_object()) return {std::nullopt, "the body is not a JSON object"};
  const auto name = json.find("name");
  if (name == json.end() || !name->is_string()) return {std::nullopt, "the body has no \"name\" text"};
  const auto recording = json.find("recording");
  if (recording == json.end() || !recording->is_string()) {
    return {std::nullopt, "the body has no \"recording\" text"};
  }
  SubmissionRequest request;
  request.name = name->get<std::string>();
  request.recording = recording->get<std::string>();
  if (!platform::looksLikeRecording(request.recording)) {
    return {std::nullopt, "the recording does not start with \"" + std::string(platform::kRecordingHeader) + "\""};
  }
  request.version = recordingVersionLine(request.recording);
  if (request.version.empty()) return {std::nullopt, "the recording has no version line"};
  if (!isPlainToken(request.version)) return {std::nullopt, "the recording's version is not a version"};
  return {std::move(request), {}};
}

}  // namespace scores
