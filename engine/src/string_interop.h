// Moving strings across the C boundary with the right owner for each buffer.
#pragma once

#include "capi/capi_base.h"
#include "engine/cef_string.h"

#include <vector>

namespace engine_internal {

// A view of the text for an engine call that copies what it keeps; valid
// while text lives and is unchanged.
cef_string_t EngineView(const CefString& text);

// A copy of a string the engine owns; null gives the empty string.
CefString FromEngine(const cef_string_t* text);

// A copy of a string the engine allocated for us; frees it with the engine's function.
CefString TakeUserFree(cef_string_userfree_t text);

// Replaces the text of a string the engine owns with an engine-allocated copy,
// releasing what it held before.
void CopyToEngine(const CefString& text, cef_string_t* target);

// A copy of every string of an engine string list; null gives an empty list.
std::vector<CefString> FromEngineList(cef_string_list_t list);

}  // namespace engine_internal
