// Allowed: window links editor.
#include <editor/angle.h>
#include "editor/angle.h"
