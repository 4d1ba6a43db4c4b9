// Serving a request's response. This layer offers none of this handler's callbacks; the engine's
// defaults apply to all of them.
#pragma once

#include "engine/cef_plain_handler.h"

class CefResourceHandler : public engine_internal::PlainHandler {};
