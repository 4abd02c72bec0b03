// Text fields, lines and binary reads on files in the working directory.
#include "platform/text_file.h"

#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/utf8_path.h"

namespace platform {

bool fileExists(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  std::fclose(file);
  return true;
}

std::optional<std::string> readWholeFile(const std::string& path) {
  // Only regular files of sane size: a name such as /dev/zero must not make
  // a program read forever.
  std::error_code error;
  const auto status = std::filesystem::status(pathFromUtf8(path), error);
  if (error || !std::filesystem::is_regular_file(status)) return std::nullopt;
  const auto size = std::filesystem::file_size(pathFromUtf8(path), error);
  if (error || size > kMaxFileBytes) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(size), '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(size));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  if (in.bad()) return std::nullopt;
  return bytes;
}

TextFileReader::TextFileReader(const std::string& path) {
  if (auto bytes = readWholeFile(path)) {
    text_ = std::move(*bytes);
    open_ = true;
  }
}

TextFileReader TextFileReader::fromText(std::string text) {
  TextFileReader reader;
  reader.text_ = std::move(text);
  reader.open_ = true;
  return reader;
}

void TextFileReader::skipLineEnd() {
  if (pos_ < text_.size() && text_[pos_] == '\r') ++pos_;
  if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
}

std::string TextFileReader::readField() {
  while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
  std::string field;
  const auto isEnd = [this] { return text_[pos_] == ',' || text_[pos_] == '\r' || text_[pos_] == '\n'; };
  if (pos_ < text_.size() && text_[pos_] == '"') {
    // A quoted field may hold commas; whatever follows the closing quote up to
    // the separator is dropped.
    ++pos_;
    while (pos_ < text_.size() && text_[pos_] != '"' && text_[pos_] != '\n' && text_[pos_] != '\r') {
      field += text_[pos_++];
    }
    if (pos_ < text_.size() && text_[pos_] == '"') ++pos_;
    while (pos_ < text_.size() && !isEnd()) ++pos_;
  } else {
    while (pos_ < text_.size() && !isEnd()) field += text_[pos_++];
  }
  if (pos_ < text_.size()) {
    if (text_[pos_] == ',') {
      ++pos_;
    } else {
      skipLineEnd();
    }
  }
  return field;
}

std::string TextFileReader::readLine() {
  std::string line;
  while (pos_ < text_.size() && text_[pos_] != '\r' && text_[pos_] != '\n') line += text_[pos_++];
  skipLineEnd();
  return line;
}

void TextFileWriter::writeLine(std::string_view line) {
  text_.append(line);
  text_.append("\r\n");
}

std::int32_t readInt32At(const std::string& path, std::uint64_t offset) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return 0;
  unsigned char bytes[4] = {};
  std::size_t got = 0;
  if (offset <= static_cast<std::uint64_t>(LONG_MAX) && std::fseek(file, static_cast<long>(offset), SEEK_SET) == 0) {
    got = std::fread(bytes, 1, 4, file);
  }
  std::fclose(file);
  if (got != 4) return 0;
  const std::uint32_t v = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
  return static_cast<std::int32_t>(v);
}

}  // namespace platform
