// Decoded skin images kept for the thread's later windows: each picture is
// decoded once, not for every window that shows it (the game window opens
// again at each login), and again only when its file has changed, in size or
// in last write time. One cache per thread: an image's drawing context
// belongs to the thread that draws with it. A thread that decoded pictures
// for another one hands them over: the first thread to ask for one takes it.
#pragma once

#include <memory>
#include <string>

#include "skin_image.h"

// The image decoded from the file, shared with the thread's other windows;
// null with a reason in error when the file cannot be read or decoded (a
// failure is not kept: the next window tries again).
std::shared_ptr<const SkinImage> CachedSkinImage(const std::wstring& path, std::wstring& error);

// Moves every image this thread has decoded to where the other threads take
// them from; the thread keeps none.
void HandOverThreadSkinImages();
