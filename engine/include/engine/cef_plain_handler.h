// Base of the handler interfaces whose callbacks this layer does not offer.
// Such a handler can still be handed to the engine: it takes part in
// reference counting, and the engine applies its own default to every
// callback.
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
