// A browser's request context (cookies, cache). Only held and passed on by this layer.
#pragma once

#include "engine/cef_base.h"

class CefRequestContext : public virtual CefBase {};
