#include "browser/engine_settings.h"

namespace {

constexpr char kEngineLocale[] = "zh-CN";

}  // namespace

CefSettings LauncherEngineSettings()
{
    CefSettings settings;
    settings.multi_threaded_message_loop = 1;
    settings.locale = kEngineLocale;
    return settings;
}
