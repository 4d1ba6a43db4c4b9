#include "skin_image_cache.h"

#include <windows.h>

#include <map>
#include <mutex>
#include <optional>

namespace {

// What tells a changed file from the one decoded.
struct FileStamp {
    FILETIME written = {};
    ULONGLONG size = 0;

    bool operator==(const FileStamp& other) const
    {
        return CompareFileTime(&written, &other.written) == 0 && size == other.size;
    }
};

bool ReadStamp(const std::wstring& path, FileStamp& stamp)
{
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        return false;
    }
    stamp.written = data.ftLastWriteTime;
    stamp.size = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return true;
}

struct CachedImage {
    FileStamp stamp;
    std::shared_ptr<const SkinImage> image;
};

thread_local std::map<std::wstring, CachedImage> t_images;

// Images handed over by the thread that decoded them, until one takes them;
// any thread, holding the lock.
std::mutex g_handedOverLock;
std::map<std::wstring, CachedImage> g_handedOver;

std::optional<CachedImage> TakeHandedOver(const std::wstring& path)
{
    const std::lock_guard<std::mutex> lock(g_handedOverLock);
    const auto found = g_handedOver.find(path);
    if (found == g_handedOver.end()) {
        return std::nullopt;
    }
    CachedImage taken = std::move(found->second);
    g_handedOver.erase(found);
    return taken;
}

}  // namespace

void HandOverThreadSkinImages()
{
    const std::lock_guard<std::mutex> lock(g_handedOverLock);
    for (auto& [path, cached] : t_images) {
        g_handedOver[path] = std::move(cached);
    }
    t_images.clear();
}

std::shared_ptr<const SkinImage> CachedSkinImage(const std::wstring& path, std::wstring& error)
{
    FileStamp stamp;
    if (!ReadStamp(path, stamp)) {
        t_images.erase(path);
        error = L"file not found";
        return nullptr;
    }
    const auto found = t_images.find(path);
    if (found != t_images.end() && found->second.stamp == stamp) {
        return found->second.image;
    }
    if (std::optional<CachedImage> handedOver = TakeHandedOver(path); handedOver && handedOver->stamp == stamp) {
        std::shared_ptr<const SkinImage> image = handedOver->image;
        t_images[path] = std::move(*handedOver);
        return image;
    }
    std::shared_ptr<const SkinImage> image = LoadSkinImage(path, error);
    if (image) {
        t_images[path] = {stamp, image};
    } else {
        t_images.erase(path);
    }
    return image;
}
