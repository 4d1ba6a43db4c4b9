// Base of the handler interfaces whose callbacks this layer does not offer.
// Such a handler can still be handed to the engine: it takes part in
// reference counting, and the engine finds every callback missing. For most
// handlers the engine then applies its own default; a resource handler
// cancels its request instead (cef_resource_handler.h).
#pragma once

#include "engine/cef_base.h"

#include <memory>

namespace engine_internal {

struct PlainHandlerBridge;

class PlainHandler : public virtual CefBase {
protected:
    PlainHandler();
    ~PlainHandler() override;

private:
    friend struct BridgeAccess;
    std::unique_ptr<PlainHandlerBridge> bridge_;
};

}  // namespace engine_internal
