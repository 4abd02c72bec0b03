// The browser build's files (the game page, its script, wasm and data, the
// manifest, the service worker, the icons), read into memory at start-up and
// served from a map by their path. A request names a key of the map, never a
// file: no request reaches the file system.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

namespace scores {

struct SiteFile {
  std::string contentType;
  std::string body;
  std::string etag;  // set by SiteFiles::add: a browser asks again with it and gets 304
};

class SiteFiles {
 public:
  // Reads every regular file under `folder` (following no links) as
  // "/relative/path". Throws std::runtime_error when the folder cannot be
  // read or holds more than `maxTotalBytes`.
  static SiteFiles readFolder(const std::string& folder, std::size_t maxTotalBytes);

  // Adds or replaces a file; its ETag is made from its body.
  void add(std::string path, std::string contentType, std::string body);
  // The file at exactly `path` ("/shooter.html"), or nullptr.
  const SiteFile* find(const std::string& path) const;
  std::size_t count() const { return files_.size(); }
  std::size_t totalBytes() const { return totalBytes_; }

 private:
  std::map<std::string, SiteFile, std::less<>> files_;
  std::size_t totalBytes_ = 0;
};

// The content type of a site file by its name's ending.
std::string_view contentTypeFor(std::string_view path);

}  // namespace scores
