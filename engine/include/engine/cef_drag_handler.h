// Dragging into a browser. This layer offers none of this handler's callbacks; the engine's
// defaults apply to all of them.
#pragma once

#include "engine/cef_plain_handler.h"

class CefDragHandler : public engine_internal::PlainHandler {};
