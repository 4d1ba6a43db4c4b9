#include "settings/publisher_hosts.h"

#include "engine/cef_parser.h"
#include "settings/publisher_site.h"

namespace {

constexpr wchar_t kSubdomainsMark = L'.';
// A bare host entry is read as the host of an address of this scheme.
constexpr wchar_t kEntryScheme[] = L"http://";

constexpr wchar_t kHttp[] = L"http";
constexpr wchar_t kHttpDefaultPort[] = L"80";
constexpr wchar_t kHttps[] = L"https";
constexpr wchar_t kHttpsDefaultPort[] = L"443";

// The port an address connects to: the engine leaves a scheme's default port
// out, so "https://host:443/" and "https://host/" both give "443".
std::wstring EffectivePort(const CefURLParts& parts)
{
    if (!parts.port.empty())
        return parts.port.ToWString();
    if (parts.scheme.ToWString() == kHttp)
        return kHttpDefaultPort;
    if (parts.scheme.ToWString() == kHttps)
        return kHttpsDefaultPort;
    return {};
}

}  // namespace

PublisherHosts::PublisherHosts(const std::vector<std::wstring>& entries)
{
    for (const std::wstring& entry : entries)
        AddEntry(entry);
}

PublisherHosts PublisherHosts::OfTheBuild()
{
    PublisherHosts hosts(FurtherPublisherHosts());
    hosts.AddHostOf(OfficialSiteAddress(), false);
    hosts.AddHostOf(LoginPageAddress(), false);
    return hosts;
}

PublisherHosts PublisherHosts::With(const std::wstring& address) const
{
    PublisherHosts hosts(*this);
    hosts.AddHostOf(address, false);
    return hosts;
}

bool PublisherHosts::Covers(const std::wstring& address) const
{
    CefURLParts parts;
    if (!CefParseURL(address, parts) || parts.host.empty())
        return false;
    for (const Host& host : m_hosts) {
        if (Matches(host, parts.host.ToWString(), parts.port.empty(), EffectivePort(parts)))
            return true;
    }
    return false;
}

void PublisherHosts::AddEntry(const std::wstring& entry)
{
    const bool withSubdomains = !entry.empty() && entry.front() == kSubdomainsMark;
    AddHostOf(kEntryScheme + entry.substr(withSubdomains ? 1 : 0), withSubdomains);
}

void PublisherHosts::AddHostOf(const std::wstring& address, bool withSubdomains)
{
    CefURLParts parts;
    if (!CefParseURL(address, parts) || parts.host.empty())
        return;
    m_hosts.push_back({parts.host.ToWString(), parts.port.ToWString(), withSubdomains});
}

bool PublisherHosts::Matches(const Host& host, const std::wstring& name, bool defaultPort,
                             const std::wstring& effectivePort)
{
    if (host.port.empty() ? !defaultPort : effectivePort != host.port)
        return false;
    if (name == host.name)
        return true;
    // "a.example.com" ends with ".example.com"; "badexample.com" does not.
    return host.withSubdomains && name.size() > host.name.size() &&
           name.compare(name.size() - host.name.size(), host.name.size(), host.name) == 0 &&
           name[name.size() - host.name.size() - 1] == kSubdomainsMark;
}
