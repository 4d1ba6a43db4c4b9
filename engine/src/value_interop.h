// Converting the launcher's value records to and from the engine's records.
#pragma once

#include "capi/capi_values.h"
#include "engine/cef_browser_settings.h"
#include "engine/cef_main_args.h"
#include "engine/cef_popup_features.h"
#include "engine/cef_settings.h"
#include "engine/cef_window_info.h"

namespace engine_internal {

// Views for an engine call that copies what it keeps: their strings point into
// the source, which must outlive the call. The record sizes are filled in.
cef_main_args_t EngineView(const CefMainArgs& args);
cef_settings_t EngineView(const CefSettings& settings);
cef_window_info_t EngineView(const CefWindowInfo& windowInfo);
cef_browser_settings_t EngineView(const CefBrowserSettings& settings);

// Copies of records the engine owns.
CefWindowInfo FromEngine(const cef_window_info_t& windowInfo);
CefBrowserSettings FromEngine(const cef_browser_settings_t& settings);
CefPopupFeatures FromEngine(const cef_popup_features_t& features);

// Writes a record back into one the engine owns; a changed string becomes an
// engine-allocated copy and what it held before is released.
void CopyToEngine(const CefWindowInfo& windowInfo, cef_window_info_t* target);
void CopyToEngine(const CefBrowserSettings& settings, cef_browser_settings_t* target);

}  // namespace engine_internal
