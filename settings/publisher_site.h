// The publisher's web addresses. The hosts are chosen when the launcher is
// built (ZARNITH_OFFICIAL_SITE and ZARNITH_LOGIN_HOST); by default both are
// the demo publisher site on loopback.
#pragma once

#include <string>

// The official site; the site, forum and customer-service buttons open it.
std::wstring OfficialSiteAddress();
// The payment page on the official site's host.
std::wstring PaymentPageAddress();
// The login page that the login browser shows.
std::wstring LoginPageAddress();
// The page a site button of the launcher's windows opens: the official site
// for "officialbtn", "forumbtn" and "servicebtn", the payment page for
// "rechargebtn"; empty for any other control.
std::wstring SiteButtonPage(const std::wstring& controlName);
