#include "bridges.h"
#include "engine_objects.h"
#include "string_interop.h"

namespace engine_internal {

namespace {

void ENGINE_CALLBACK OnBeforeDownload(cef_download_handler_t* self, cef_browser_t* browser,
                                      cef_download_item_t* downloadItem, const cef_string_t* suggestedName,
                                      cef_before_download_callback_t* callback)
{
    DownloadHandlerBridge::ObjectOf(self)->OnBeforeDownload(Wrap(browser), Wrap(downloadItem),
                                                            FromEngine(suggestedName), Wrap(callback));
}

}  // namespace

DownloadHandlerBridge::DownloadHandlerBridge(CefDownloadHandler* owner) : Bridge(owner)
{
    table.on_before_download = &OnBeforeDownload;
}

}  // namespace engine_internal

CefDownloadHandler::CefDownloadHandler() : bridge_(std::make_unique<engine_internal::DownloadHandlerBridge>(this)) {}
CefDownloadHandler::~CefDownloadHandler() = default;
