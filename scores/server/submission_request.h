// The body of POST /api/v1/submissions: {"name": "...", "recording": "..."}.
// The door reads only what it needs to queue the submission (the name and the
// recording's version line); the verifier replays the rest.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace scores {

struct SubmissionRequest {
  std::string name;
  std::string recording;
  std::string version;  // the recording's `version` line
};

struct SubmissionParse {
  std::optional<SubmissionRequest> request;
  std::string error;  // for a person, when request is empty
};

SubmissionParse parseSubmissionBody(std::string_view body);

// The value of the recording's `version` line, found among its first lines
// (before the first frame); empty when there is none.
std::string recordingVersionLine(std::string_view recording);

// A version or other short token that may appear in a path and a database:
// 1 to kMaxVersionLength characters of letters, digits, '.', '-', '+', '_'.
bool isPlainToken(std::string_view text);

}  // namespace scores
