// A node of a page's document in a render process. Only held by this layer.
#pragma once

#include "engine/cef_base.h"

class CefDOMNode : public virtual CefBase {};
