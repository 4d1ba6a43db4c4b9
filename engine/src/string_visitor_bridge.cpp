#include "bridges.h"
#include "string_interop.h"

namespace engine_internal {

namespace {

void ENGINE_CALLBACK Visit(cef_string_visitor_t* self, const cef_string_t* string)
{
    StringVisitorBridge::ObjectOf(self)->Visit(FromEngine(string));
}

}  // namespace

StringVisitorBridge::StringVisitorBridge(CefStringVisitor* owner) : Bridge(owner)
{
    table.visit = &Visit;
}

}  // namespace engine_internal

CefStringVisitor::CefStringVisitor() : bridge_(std::make_unique<engine_internal::StringVisitorBridge>(this)) {}
CefStringVisitor::~CefStringVisitor() = default;
