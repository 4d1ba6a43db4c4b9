#include "skin_image_cache.h"

#include <windows.h>

#include <map>

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

}  // namespace

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
    std::shared_ptr<const SkinImage> image = LoadSkinImage(path, error);
    if (image) {
        t_images[path] = {stamp, image};
    } else {
        t_images.erase(path);
    }
    return image;
}
