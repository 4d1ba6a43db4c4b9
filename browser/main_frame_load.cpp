#include "browser/main_frame_load.h"

#include "engine/cef_parser.h"

#include <algorithm>

namespace {

constexpr wchar_t kHttp[] = L"http";
constexpr wchar_t kHttps[] = L"https";
constexpr wchar_t kMailto[] = L"mailto";
constexpr wchar_t kBlankPage[] = L"about:blank";

}  // namespace

MainFrameLoad MainFrameLoadOf(const std::wstring& address, const PublisherHosts& hosts,
                              const std::vector<std::wstring>& shellSchemes)
{
    CefURLParts parts;
    if (!CefParseURL(address, parts))
        return MainFrameLoad::Nowhere;
    const std::wstring& scheme = parts.scheme.ToWString();
    if (scheme == kHttp || scheme == kHttps)
        return hosts.Covers(address) ? MainFrameLoad::Here : MainFrameLoad::Outside;
    if (parts.whole.ToWString() == kBlankPage)
        return MainFrameLoad::Here;
    if (scheme == kMailto || std::find(shellSchemes.begin(), shellSchemes.end(), scheme) != shellSchemes.end())
        return MainFrameLoad::Outside;
    return MainFrameLoad::Nowhere;
}

bool IsWebAddress(const std::wstring& address)
{
    CefURLParts parts;
    return CefParseURL(address, parts) && (parts.scheme.ToWString() == kHttp || parts.scheme.ToWString() == kHttps);
}
