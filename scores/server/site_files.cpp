#include "scores/server/site_files.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace scores {

namespace {

struct ContentTypeRow {
  std::string_view ending;
  std::string_view type;
};

constexpr std::array kContentTypes{
    ContentTypeRow{".html", "text/html; charset=utf-8"},
    ContentTypeRow{".js", "text/javascript; charset=utf-8"},
    ContentTypeRow{".mjs", "text/javascript; charset=utf-8"},
    ContentTypeRow{".css", "text/css; charset=utf-8"},
    ContentTypeRow{".json", "application/json"},
    ContentTypeRow{".webmanifest", "application/manifest+json"},
    ContentTypeRow{".wasm", "application/wasm"},
    ContentTypeRow{".data", "application/octet-stream"},
    ContentTypeRow{".png", "image/png"},
    ContentTypeRow{".ico", "image/x-icon"},
    ContentTypeRow{".svg", "image/svg+xml"},
    ContentTypeRow{".txt", "text/plain; charset=utf-8"},
};
static_assert(kContentTypes.size() == 12);

std::string readWhole(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

std::string_view contentTypeFor(std::string_view path) {
  for (const auto& row : kContentTypes) {
    if (path.ends_with(row.ending)) return row.type;
  }
  return "application/octet-stream";
}

SiteFiles SiteFiles::readFolder(const std::string& folder, std::size_t maxTotalBytes) {
  namespace fs = std::filesystem;
  const fs::path root(folder);
  if (!fs::is_directory(root)) throw std::runtime_error("the site folder " + folder + " is not a folder");
  SiteFiles site;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_symlink() || !entry.is_regular_file()) continue;
    const std::string path = "/" + entry.path().lexically_relative(root).generic_string();
    std::string body = readWhole(entry.path());
    if (site.totalBytes_ + body.size() > maxTotalBytes) {
      throw std::runtime_error("the site folder " + folder + " holds more than " +
                               std::to_string(maxTotalBytes / (1024 * 1024)) + " MiB");
    }
    site.add(path, std::string(contentTypeFor(path)), std::move(body));
  }
  return site;
}

void SiteFiles::add(std::string path, std::string contentType, std::string body) {
  SiteFile file{std::move(contentType), std::move(body), {}};
  if (const auto old = files_.find(path); old != files_.end()) totalBytes_ -= old->second.body.size();
  totalBytes_ += file.body.size();
  // FNV-1a of the body: a new build's file gets a new tag, so a browser's
  // cached copy is used only while it is the same.
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : file.body) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  char text[24];
  std::snprintf(text, sizeof text, "\"%016llx\"", static_cast<unsigned long long>(hash));
  file.etag = text;
  files_.insert_or_assign(std::move(path), std::move(file));
}

const SiteFile* SiteFiles::find(const std::string& path) const {
  const auto found = files_.find(path);
  return found == files_.end() ? nullptr : &found->second;
}

}  // namespace scores
