#include "settings/publisher_site.h"

namespace {

constexpr wchar_t kOfficialSite[] = ZARNITH_OFFICIAL_SITE;
constexpr wchar_t kLoginHost[] = ZARNITH_LOGIN_HOST;
constexpr wchar_t kPaymentPath[] = L"/media.php?s=/Pay/index.html";
constexpr wchar_t kLoginPath[] = L"/commonpage/statics/1000226/micro/login.html";

constexpr wchar_t kOfficialButton[] = L"officialbtn";
constexpr wchar_t kRechargeButton[] = L"rechargebtn";
constexpr wchar_t kForumButton[] = L"forumbtn";
constexpr wchar_t kServiceButton[] = L"servicebtn";

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
