#include "bridges.h"

engine_internal::PlainHandler::PlainHandler() : bridge_(std::make_unique<PlainHandlerBridge>(this)) {}
engine_internal::PlainHandler::~PlainHandler() = default;
