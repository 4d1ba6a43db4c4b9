// A browser client with no handlers at all: the engine's defaults everywhere.
#pragma once

#include "engine/cef_client.h"

class PlainClient : public CefClient {
    IMPLEMENT_REFCOUNTING(PlainClient);
};
