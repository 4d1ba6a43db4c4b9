// Serving a request's response. This layer offers none of this handler's
// callbacks, and the engine has no default for them: returned from
// CefRequestHandler::GetResourceHandler, such a handler cancels its request.
#pragma once

#include "engine/cef_plain_handler.h"

class CefResourceHandler : public engine_internal::PlainHandler {};
