// Text and binary file access in the working directory, with the field rule
// the data files are written for: a field ends at a comma or a line end
// (CR, LF or CRLF), leading blanks are skipped, and a field may be quoted.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// True when the file can be opened for reading.
bool fileExists(const std::string& path);

// Reads a whole text file at open; the data files are small.
class TextFileReader {
 public:
  // Opens the file; isOpen() tells whether it could be read.
  explicit TextFileReader(const std::string& path);
  // For tests and parsers of in-memory text.
  static TextFileReader fromText(std::string text);

  bool isOpen() const { return open_; }
  // True when nothing but the end of the file is left.
  bool eof() const { return pos_ >= text_.size(); }
  // The next field; "" at the end of the file.
  std::string readField();
  // The rest of the current line, without its line end.
  std::string readLine();

 private:
  TextFileReader() = default;
  void skipLineEnd();

  std::string text_;
  std::size_t pos_ = 0;
  bool open_ = false;
};

// Collects lines ended by CR LF; the caller writes text() out in one go
// (through saveFileAtomically for files that must never be half written).
class TextFileWriter {
 public:
  void writeLine(std::string_view line);
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// The 4-byte little-endian value at `offset` of the file, or 0 when the file
// is missing or too short.
std::int32_t readInt32At(const std::string& path, std::uint64_t offset);

// Files larger than this are refused by readWholeFile.
inline constexpr std::uint64_t kMaxFileBytes = 64ull * 1024 * 1024;

// Reads a whole regular file as bytes; nullopt when it cannot be opened, is
// not a regular file, or is larger than kMaxFileBytes.
std::optional<std::string> readWholeFile(const std::string& path);

}  // namespace platform
