#include "value_interop.h"

#include "string_interop.h"

#include <type_traits>

namespace engine_internal {

namespace {

// Each Visit... function pairs every member of a launcher record with the
// engine record's member of the same name, so each direction of conversion is
// written once below.

template <class Cpp, class C, class Visit>
void VisitSettings(Cpp& cpp, C& c, Visit&& visit)
{
    visit(cpp.single_process, c.single_process);
    visit(cpp.no_sandbox, c.no_sandbox);
    visit(cpp.browser_subprocess_path, c.browser_subprocess_path);
    visit(cpp.multi_threaded_message_loop, c.multi_threaded_message_loop);
    visit(cpp.windowless_rendering_enabled, c.windowless_rendering_enabled);
    visit(cpp.command_line_args_disabled, c.command_line_args_disabled);
    visit(cpp.cache_path, c.cache_path);
    visit(cpp.user_data_path, c.user_data_path);
    visit(cpp.persist_session_cookies, c.persist_session_cookies);
    visit(cpp.user_agent, c.user_agent);
    visit(cpp.product_version, c.product_version);
    visit(cpp.locale, c.locale);
    visit(cpp.log_file, c.log_file);
    visit(cpp.log_severity, c.log_severity);
    visit(cpp.javascript_flags, c.javascript_flags);
    visit(cpp.resources_dir_path, c.resources_dir_path);
    visit(cpp.locales_dir_path, c.locales_dir_path);
    visit(cpp.pack_loading_disabled, c.pack_loading_disabled);
    visit(cpp.remote_debugging_port, c.remote_debugging_port);
    visit(cpp.uncaught_exception_stack_size, c.uncaught_exception_stack_size);
    visit(cpp.context_safety_implementation, c.context_safety_implementation);
    visit(cpp.ignore_certificate_errors, c.ignore_certificate_errors);
    visit(cpp.background_color, c.background_color);
    visit(cpp.accept_language_list, c.accept_language_list);
}

template <class Cpp, class C, class Visit>
void VisitWindowInfo(Cpp& cpp, C& c, Visit&& visit)
{
    visit(cpp.ex_style, c.ex_style);
    visit(cpp.window_name, c.window_name);
    visit(cpp.style, c.style);
    visit(cpp.x, c.x);
    visit(cpp.y, c.y);
    visit(cpp.width, c.width);
    visit(cpp.height, c.height);
    visit(cpp.parent_window, c.parent_window);
    visit(cpp.menu, c.menu);
    visit(cpp.windowless_rendering_enabled, c.windowless_rendering_enabled);
    visit(cpp.transparent_painting_enabled, c.transparent_painting_enabled);
    visit(cpp.window, c.window);
}

template <class Cpp, class C, class Visit>
void VisitBrowserSettings(Cpp& cpp, C& c, Visit&& visit)
{
    visit(cpp.windowless_frame_rate, c.windowless_frame_rate);
    visit(cpp.standard_font_family, c.standard_font_family);
    visit(cpp.fixed_font_family, c.fixed_font_family);
    visit(cpp.serif_font_family, c.serif_font_family);
    visit(cpp.sans_serif_font_family, c.sans_serif_font_family);
    visit(cpp.cursive_font_family, c.cursive_font_family);
    visit(cpp.fantasy_font_family, c.fantasy_font_family);
    visit(cpp.default_font_size, c.default_font_size);
    visit(cpp.default_fixed_font_size, c.default_fixed_font_size);
    visit(cpp.minimum_font_size, c.minimum_font_size);
    visit(cpp.minimum_logical_font_size, c.minimum_logical_font_size);
    visit(cpp.default_encoding, c.default_encoding);
    visit(cpp.remote_fonts, c.remote_fonts);
    visit(cpp.javascript, c.javascript);
    visit(cpp.javascript_open_windows, c.javascript_open_windows);
    visit(cpp.javascript_close_windows, c.javascript_close_windows);
    visit(cpp.javascript_access_clipboard, c.javascript_access_clipboard);
    visit(cpp.javascript_dom_paste, c.javascript_dom_paste);
    visit(cpp.caret_browsing, c.caret_browsing);
    visit(cpp.java, c.java);
    visit(cpp.plugins, c.plugins);
    visit(cpp.universal_access_from_file_urls, c.universal_access_from_file_urls);
    visit(cpp.file_access_from_file_urls, c.file_access_from_file_urls);
    visit(cpp.web_security, c.web_security);
    visit(cpp.image_loading, c.image_loading);
    visit(cpp.image_shrink_standalone_to_fit, c.image_shrink_standalone_to_fit);
    visit(cpp.text_area_resize, c.text_area_resize);
    visit(cpp.tab_to_links, c.tab_to_links);
    visit(cpp.local_storage, c.local_storage);
    visit(cpp.databases, c.databases);
    visit(cpp.application_cache, c.application_cache);
    visit(cpp.webgl, c.webgl);
    visit(cpp.background_color, c.background_color);
    visit(cpp.accept_language_list, c.accept_language_list);
}

template <class T>
constexpr bool kIsString = std::is_same_v<std::decay_t<T>, CefString>;

// Launcher record to engine view.
const auto kToView = [](const auto& from, auto& to) {
    if constexpr (kIsString<decltype(from)>)
        to = EngineView(from);
    else
        to = from;
};

// Engine record to launcher copy.
const auto kFromEngine = [](auto& to, const auto& from) {
    if constexpr (kIsString<decltype(to)>)
        to = FromEngine(&from);
    else
        to = from;
};

// Launcher record written back into an engine-owned record; strings the
// launcher left as they were keep the engine's buffers.
const auto kIntoEngine = [](const auto& from, auto& to) {
    if constexpr (kIsString<decltype(from)>) {
        if (FromEngine(&to) != from)
            CopyToEngine(from, &to);
    } else {
        to = from;
    }
};

}  // namespace

cef_main_args_t EngineView(const CefMainArgs& args)
{
    cef_main_args_t view = {};
    view.instance = args.instance;
    return view;
}

cef_settings_t EngineView(const CefSettings& settings)
{
    cef_settings_t view = {};
    view.size = sizeof view;
    VisitSettings(settings, view, kToView);
    return view;
}

cef_window_info_t EngineView(const CefWindowInfo& windowInfo)
{
    cef_window_info_t view = {};
    VisitWindowInfo(windowInfo, view, kToView);
    return view;
}

cef_browser_settings_t EngineView(const CefBrowserSettings& settings)
{
    cef_browser_settings_t view = {};
    view.size = sizeof view;
    VisitBrowserSettings(settings, view, kToView);
    return view;
}

CefWindowInfo FromEngine(const cef_window_info_t& windowInfo)
{
    CefWindowInfo copy;
    VisitWindowInfo(copy, windowInfo, kFromEngine);
    return copy;
}

CefBrowserSettings FromEngine(const cef_browser_settings_t& settings)
{
    CefBrowserSettings copy;
    VisitBrowserSettings(copy, settings, kFromEngine);
    return copy;
}

CefPopupFeatures FromEngine(const cef_popup_features_t& features)
{
    CefPopupFeatures copy;
    copy.x = features.x;
    copy.xSet = features.xSet;
    copy.y = features.y;
    copy.ySet = features.ySet;
    copy.width = features.width;
    copy.widthSet = features.widthSet;
    copy.height = features.height;
    copy.heightSet = features.heightSet;
    copy.menuBarVisible = features.menuBarVisible;
    copy.statusBarVisible = features.statusBarVisible;
    copy.toolBarVisible = features.toolBarVisible;
    copy.locationBarVisible = features.locationBarVisible;
    copy.scrollbarsVisible = features.scrollbarsVisible;
    copy.resizable = features.resizable;
    copy.fullscreen = features.fullscreen;
    copy.dialog = features.dialog;
    copy.additionalFeatures = FromEngineList(features.additionalFeatures);
    return copy;
}

void CopyToEngine(const CefWindowInfo& windowInfo, cef_window_info_t* target)
{
    if (target)
        VisitWindowInfo(windowInfo, *target, kIntoEngine);
}

void CopyToEngine(const CefBrowserSettings& settings, cef_browser_settings_t* target)
{
    if (target)
        VisitBrowserSettings(settings, *target, kIntoEngine);
}

}  // namespace engine_internal
