// The game never includes the shell.
#include "shooter/shell/shell_state.h"
