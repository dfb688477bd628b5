// A toolkit-neutral model of a window and its controls. Each window is built
// from a fixed description (one row per control, description.h); handlers
// then only change properties. Assigning a property whose change has a
// handler runs that handler at once, inside the assignment, and only when
// the value changes.
#pragma once

#include "platform/controls.h"
#include "platform/description.h"
#include "platform/window.h"
