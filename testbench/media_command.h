// The media-control command interface the sound channels talk through: a
// command text in, 0 or an error number out, and for status queries a reply
// written into the caller's buffer as a zero-terminated text.
//
// The routines never call the real layer directly: they send through the
// installed command function, which tests replace with a recording stand-in.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace testbench {

// Error numbers answered by the real layer (0 means the command was done).
inline constexpr int kMediaUnknownCommand = 261;  // verb or keyword not understood
inline constexpr int kMediaBadSyntax = 262;       // words missing, extra or malformed
inline constexpr int kMediaUnknownAlias = 263;    // no device open under that name
inline constexpr int kMediaDuplicateAlias = 289;  // the name is already in use
inline constexpr int kMediaUnknownDevice = 281;   // no device plays that file extension
inline constexpr int kMediaCannotOpenFile = 275;  // missing or undecodable file
inline constexpr int kMediaNoAudio = 267;         // the audio device could not be opened
inline constexpr int kMediaReplyTooSmall = 268;   // the reply does not fit the buffer

// reply may be null (then replySize is 0); at most replySize bytes are
// written to it, including the terminating zero.
using MediaCommandFunction =
    std::function<int(const std::string& command, char* reply, std::size_t replySize)>;

// Installs the function every command goes through; an empty function puts
// the real layer (MediaCommand, media_control.h) back.
void SetMediaCommandFunction(MediaCommandFunction function);

// Sends one command through the installed function.
int SendMediaCommand(const std::string& command, char* reply = nullptr, std::size_t replySize = 0);

}  // namespace testbench
