// A response the engine received. Only held by this layer.
#pragma once

#include "engine/cef_base.h"

class CefResponse : public virtual CefBase {};
