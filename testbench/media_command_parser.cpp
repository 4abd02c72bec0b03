// Splitting of command texts into words and matching them to the grammar.
#include "testbench/media_command_parser.h"

#include <array>
#include <cstddef>

#include "testbench/media_command.h"

namespace testbench {

namespace {

// The longest command has five words; one more slot tells "too many" apart.
constexpr std::size_t kMaxWords = 6;

struct Words {
  std::array<std::string_view, kMaxWords> word{};
  std::size_t count = 0;
  bool overflow = false;
  bool unclosedQuote = false;
};

Words splitWords(std::string_view text) {
  Words words;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == ' ' || text[i] == '\t') {
      ++i;
      continue;
    }
    std::string_view word;
    if (text[i] == '"') {
      const std::size_t close = text.find('"', i + 1);
      if (close == std::string_view::npos) {
        words.unclosedQuote = true;
        return words;
      }
      word = text.substr(i + 1, close - i - 1);
      i = close + 1;
    } else {
      const std::size_t start = i;
      while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
      word = text.substr(start, i - start);
    }
    if (words.count == kMaxWords) {
      words.overflow = true;
      return words;
    }
    words.word[words.count++] = word;
  }
  return words;
}

bool allZeros(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text) {
    if (c != '0') return false;
  }
  return true;
}

}  // namespace

bool SameWord(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i];
    char y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

int ParseMediaCommand(std::string_view command, MediaRequest& request) {
  const Words w = splitWords(command);
  if (w.unclosedQuote || w.overflow) return kMediaBadSyntax;
  if (w.count == 0) return kMediaUnknownCommand;
  const std::string_view verb = w.word[0];
  const std::size_t n = w.count;
  const auto& word = w.word;

  if (SameWord(verb, "open")) {
    // open FILE [shareable] alias NAME
    const bool shareable = n == 5 && SameWord(word[2], "shareable");
    const std::size_t aliasAt = shareable ? 3 : 2;
    if (n != aliasAt + 2 || !SameWord(word[aliasAt], "alias")) return kMediaBadSyntax;
    if (word[1].empty()) return kMediaBadSyntax;
    request = {MediaVerb::Open, word[aliasAt + 1], word[1]};
    return 0;
  }
  if (SameWord(verb, "set")) {
    if (n != 5 || !SameWord(word[2], "time") || !SameWord(word[3], "format") ||
        !SameWord(word[4], "milliseconds")) {
      return kMediaBadSyntax;
    }
    request = {MediaVerb::SetTimeFormat, word[1], {}};
    return 0;
  }
  if (SameWord(verb, "play")) {
    if (n != 4 || !SameWord(word[2], "from") || !allZeros(word[3])) return kMediaBadSyntax;
    request = {MediaVerb::Play, word[1], {}};
    return 0;
  }
  if (SameWord(verb, "status")) {
    if (n != 3) return kMediaBadSyntax;
    if (SameWord(word[2], "mode")) {
      request = {MediaVerb::StatusMode, word[1], {}};
    } else if (SameWord(word[2], "length")) {
      request = {MediaVerb::StatusLength, word[1], {}};
    } else {
      return kMediaBadSyntax;
    }
    return 0;
  }
  if (SameWord(verb, "stop")) {
    if (n != 2) return kMediaBadSyntax;
    request = {MediaVerb::Stop, word[1], {}};
    return 0;
  }
  if (SameWord(verb, "close")) {
    if (n == 1) {
      request = {MediaVerb::CloseNothing, {}, {}};
      return 0;
    }
    if (n != 2) return kMediaBadSyntax;
    request = {MediaVerb::Close, word[1], {}};
    return 0;
  }
  return kMediaUnknownCommand;
}

}  // namespace testbench
