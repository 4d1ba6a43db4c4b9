// Find-in-page results. This layer offers none of this handler's callbacks; the engine's
// defaults apply to all of them.
#pragma once

#include "engine/cef_plain_handler.h"

class CefFindHandler : public engine_internal::PlainHandler {};
