#include "scores/server/score_api.h"

#include <charconv>
#include <nlohmann/json.hpp>

#include "scores/server/server_limits.h"
#include "scores/server/submission_request.h"

namespace scores {

namespace {

constexpr std::string_view kJson = "application/json";
constexpr std::string_view kSubmissions = "/api/v1/submissions";
constexpr std::string_view kSubmissionPrefix = "/api/v1/submissions/";
constexpr std::string_view kBoardPrefix = "/api/v1/boards/";
constexpr std::string_view kRecordingPrefix = "/api/v1/recordings/";
constexpr std::string_view kServerInfo = "/api/v1/server";
constexpr std::string_view kApiPrefix = "/api/";

ApiReply jsonReply(int status, const nlohmann::json& json) {
  // Reasons and names may hold bytes that are not UTF-8; they are shown
  // replaced rather than failing the answer.
  return {status, std::string(kJson), json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace), 0, false,
          {}, nullptr};
}

// A submission id in a path: 1 to 18 digits, so that it fits an int64.
std::optional<std::int64_t> parseId(const std::string& text) {
  if (text.empty() || text.size() > 18) return std::nullopt;
  std::int64_t id = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
  if (error != std::errc() || end != text.data() + text.size() || id <= 0) return std::nullopt;
  return id;
}

std::string_view stateName(SubmissionState state) {
  switch (state) {
    case SubmissionState::Queued: return "queued";
    case SubmissionState::Verified: return "verified";
    case SubmissionState::Refused: return "refused";
  }
  return "queued";
}

bool isGet(const std::string& method) { return method == "GET" || method == "HEAD"; }

}  // namespace

ApiReply errorReply(int status, const std::string& reason) {
  return jsonReply(status, nlohmann::json{{"error", reason}});
}

ScoreApi::ScoreApi(ScoreApiParts parts) : parts_(std::move(parts)) {}

std::optional<ApiReply> ScoreApi::admit(const std::string& method, const std::string& path,
                                        const std::string& client) {
  if (parts_.limiter == nullptr) return std::nullopt;
  const bool submission = method == "POST" && path == kSubmissions;
  const RateDecision decision =
      parts_.limiter->admit(client, submission ? RequestKind::Submission : RequestKind::Other);
  if (decision.allowed) return std::nullopt;
  const std::string what = submission ? "too many submissions from your address (at most 10 a minute)"
                                      : "too many requests from your address (at most 600 a minute)";
  ApiReply reply = errorReply(429, what + "; try again in " + std::to_string(decision.retryAfterSeconds) + " s");
  reply.retryAfterSeconds = decision.retryAfterSeconds;
  return reply;
}

ApiReply ScoreApi::handle(const ApiRequest& request) {
  try {
    return route(request);
  } catch (const StoreError& failure) {
    return errorReply(503, std::string("the score store is not available: ") + failure.what());
  } catch (const std::exception& failure) {
    return errorReply(500, std::string("the server failed: ") + failure.what());
  }
}

ApiReply ScoreApi::route(const ApiRequest& request) {
  const std::string& path = request.path;
  if (request.method == "POST") {
    if (path == kSubmissions) return submit(request);
    return errorReply(404, "nothing here takes a POST");
  }
  if (!isGet(request.method)) return errorReply(405, "this server answers GET and POST only");
  if (path.starts_with(kSubmissionPrefix)) return submissionStatus(path.substr(kSubmissionPrefix.size()));
  if (path.starts_with(kBoardPrefix)) return board(path.substr(kBoardPrefix.size()));
  if (path.starts_with(kRecordingPrefix)) return recording(path.substr(kRecordingPrefix.size()));
  if (path == kServerInfo) return serverInfo();
  if (path.starts_with(kApiPrefix)) return errorReply(404, "no such request in this server's API");
  if (path == "/") return {200, "text/html; charset=utf-8", {}, 0, false, {}, &parts_.boardPage};
  return siteFile(path, request.ifNoneMatch);
}

ApiReply ScoreApi::submit(const ApiRequest& request) {
  if (request.body.size() > kMaxBodyBytes) return errorReply(413, "the submission is larger than 4 MiB");
  SubmissionParse parse = parseSubmissionBody(request.body);
  if (!parse.request) return errorReply(400, parse.error);
  SubmissionRequest& submission = *parse.request;
  if (std::string problem = basicNameProblem(submission.name); !problem.empty()) return errorReply(400, problem);
  if (parts_.nameProblem) {
    if (std::string problem = parts_.nameProblem(submission.name); !problem.empty()) return errorReply(400, problem);
  }
  if (submission.version != parts_.version) {
    return errorReply(400, "this server verifies games of version " + parts_.version +
                               "; the recording is from version " + submission.version);
  }
  NewSubmission row{submission.version, submission.name, std::move(submission.recording), request.client};
  // The answer waits for the commit: a 202 is a promise that the submission
  // survives a crash.
  const std::int64_t id = parts_.store->addSubmission(row);
  if (parts_.submissionQueued) parts_.submissionQueued();
  return jsonReply(202, nlohmann::json{{"id", std::to_string(id)}, {"state", "queued"}});
}

ApiReply ScoreApi::submissionStatus(const std::string& idText) {
  const auto id = parseId(idText);
  if (!id) return errorReply(404, "no submission has the id " + idText.substr(0, 24));
  const auto status = parts_.store->status(*id);
  if (!status) return errorReply(404, "no submission has the id " + idText);
  nlohmann::json json{{"id", std::to_string(status->id)}, {"state", stateName(status->state)}};
  if (status->state == SubmissionState::Verified) {
    json["rank"] = status->rank;
    json["score"] = status->score;
    json["playSeconds"] = status->playSeconds;
  }
  if (status->state == SubmissionState::Refused) json["reason"] = status->reason;
  return jsonReply(200, json);
}

ApiReply ScoreApi::board(const std::string& versionText) {
  const std::string version = versionText == "current" ? parts_.version : versionText;
  if (!isPlainToken(version)) return errorReply(404, "no board for that version");
  nlohmann::json entries = nlohmann::json::array();
  for (const BoardEntry& entry : parts_.store->board(version, kBoardSize)) {
    entries.push_back({{"rank", entry.rank},
                       {"id", std::to_string(entry.id)},
                       {"name", entry.name},
                       {"score", entry.score},
                       {"date", entry.date},
                       {"playSeconds", entry.playSeconds}});
  }
  return jsonReply(200, nlohmann::json{{"version", version}, {"entries", std::move(entries)}});
}

ApiReply ScoreApi::recording(const std::string& idText) {
  const auto id = parseId(idText);
  if (!id) return errorReply(404, "no verified recording has the id " + idText.substr(0, 24));
  auto text = parts_.store->verifiedRecording(*id);
  if (!text) return errorReply(404, "no verified recording has the id " + idText);
  return {200, "text/plain; charset=utf-8", std::move(*text), 0, false, {}, nullptr};
}

ApiReply ScoreApi::serverInfo() const {
  return jsonReply(200, nlohmann::json{{"name", "kestrel-scores"}, {"version", parts_.version}});
}

ApiReply ScoreApi::siteFile(const std::string& path, const std::string& ifNoneMatch) const {
  const SiteFile* file = parts_.site == nullptr ? nullptr : parts_.site->find(path);
  if (file == nullptr) return errorReply(404, "nothing is served at this address");
  // The game's data and wasm are megabytes: a browser that has them keeps them.
  if (!ifNoneMatch.empty() && ifNoneMatch == file->etag) return {304, {}, {}, 0, true, file->etag, nullptr};
  return {200, file->contentType, {}, 0, true, file->etag, &file->body};
}

}  // namespace scores
