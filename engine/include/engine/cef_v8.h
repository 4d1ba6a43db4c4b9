// Script contexts and errors of a render process. Only held by this layer.
#pragma once

#include "engine/cef_base.h"

class CefV8Context : public virtual CefBase {};
class CefV8Exception : public virtual CefBase {};
class CefV8StackTrace : public virtual CefBase {};
