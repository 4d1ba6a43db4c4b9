// A list of values sent to a render process. Only held and passed on by this layer.
#pragma once

#include "engine/cef_base.h"

class CefListValue : public virtual CefBase {};
