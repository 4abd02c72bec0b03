// The finished game's exact recording, for a world score table. While world
// scores are on, the run is kept in memory from start-up; each game's start
// marks where its recording begins (and drops what came before), and its end
// closes it.
#pragma once

#include <optional>
#include <string>

namespace shooter {

// Start-up calls this when world scores are on, before the first frame.
void keepGamesForSubmission();
// The recording of the game that ended last (the game-recording text format),
// once; nullopt when none is waiting or world scores are off.
std::optional<std::string> takeFinishedGameRecording();

}  // namespace shooter
