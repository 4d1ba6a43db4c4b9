// Receives a string the engine produces later, such as a frame's source.
#pragma once

#include "engine/cef_base.h"
#include "engine/cef_string.h"

#include <memory>

namespace engine_internal {
struct StringVisitorBridge;
}

class CefStringVisitor : public virtual CefBase {
public:
    virtual void Visit(const CefString& string) = 0;

protected:
    CefStringVisitor();
    ~CefStringVisitor() override;

private:
    friend struct engine_internal::BridgeAccess;
    std::unique_ptr<engine_internal::StringVisitorBridge> bridge_;
};
