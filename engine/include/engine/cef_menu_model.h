// The items of a context menu. Only held by this layer.
#pragma once

#include "engine/cef_base.h"

class CefMenuModel : public virtual CefBase {};
