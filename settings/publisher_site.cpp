#include "settings/publisher_site.h"

#include <windows.h>

#include <utility>

namespace {

constexpr wchar_t kOfficialSite[] = ZARNITH_OFFICIAL_SITE;
constexpr wchar_t kLoginHost[] = ZARNITH_LOGIN_HOST;
constexpr wchar_t kFurtherHosts[] = ZARNITH_PUBLISHER_HOSTS;
constexpr wchar_t kShellSchemes[] = ZARNITH_SHELL_SCHEMES;
// Between the entries of a list option.
constexpr wchar_t kListSeparator = L',';
constexpr wchar_t kPaymentPath[] = L"/media.php?s=/Pay/index.html";
constexpr wchar_t kLoginPath[] = L"/commonpage/statics/1000226/micro/login.html";

constexpr wchar_t kOfficialButton[] = L"officialbtn";
constexpr wchar_t kRechargeButton[] = L"rechargebtn";
constexpr wchar_t kForumButton[] = L"forumbtn";
constexpr wchar_t kServiceButton[] = L"servicebtn";

// The list's entries, without empty ones or spaces.
std::vector<std::wstring> Entries(const std::wstring& list)
{
    std::vector<std::wstring> entries;
    std::wstring entry;
    for (wchar_t c : list + kListSeparator) {
        if (c != kListSeparator) {
            if (c != L' ')
                entry += c;
        } else if (!entry.empty()) {
            entries.push_back(std::move(entry));
            entry.clear();
        }
    }
    return entries;
}

}  // namespace

std::wstring OfficialSiteAddress()
{
    return kOfficialSite;
}

std::wstring PaymentPageAddress()
{
    return std::wstring(kOfficialSite) + kPaymentPath;
}

std::wstring LoginPageAddress()
{
    return std::wstring(kLoginHost) + kLoginPath;
}

std::wstring SiteButtonPage(const std::wstring& controlName)
{
    if (controlName == kRechargeButton)
        return PaymentPageAddress();
    if (controlName == kOfficialButton || controlName == kForumButton || controlName == kServiceButton)
        return OfficialSiteAddress();
    return {};
}

std::vector<std::wstring> FurtherPublisherHosts()
{
    return Entries(kFurtherHosts);
}

std::vector<std::wstring> ShellSchemes()
{
    std::vector<std::wstring> schemes = Entries(kShellSchemes);
    for (std::wstring& scheme : schemes)
        CharLowerBuffW(scheme.data(), static_cast<DWORD>(scheme.size()));
    return schemes;
}
