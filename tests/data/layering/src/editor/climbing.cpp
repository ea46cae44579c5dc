// An include that climbs out of its folder into a room this room does not link.
#include "../window/main_window.h"
