// A server's certificate details. Only held by this layer.
#pragma once

#include "engine/cef_base.h"

class CefSSLInfo : public virtual CefBase {};
