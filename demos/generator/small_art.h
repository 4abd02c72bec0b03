// The small pictures: the missile, the cloud, the two balls and the
// character of the timing and collision scenes.
#pragma once

#include "platform/image.h"

namespace demo_gen {

// A white missile with a red nose and band, grey fins and a flame below,
// pointing up.
platform::Image missilePicture();
// A drifting cumulus cloud, lit from the upper left.
platform::Image cloudPicture();
// A glossy blue ball, 20 x 20.
platform::Image ballPicture();
// An orange ring, 20 x 20: the odd one out among the balls.
platform::Image ringPicture();
// A martial artist in a blue training suit, standing ready, facing right.
platform::Image fighterPicture();

}  // namespace demo_gen
