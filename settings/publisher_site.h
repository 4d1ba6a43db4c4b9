// The publisher's web addresses. The hosts are chosen when the launcher is
// built (ZARNITH_OFFICIAL_SITE and ZARNITH_LOGIN_HOST); by default both are
// the demo publisher site on loopback. So are further hosts of the publisher
// (ZARNITH_PUBLISHER_HOSTS) and the protocols of apps the publisher's pages
// hand over to (ZARNITH_SHELL_SCHEMES); by default there are none.
#pragma once

#include <string>
#include <vector>

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
// Hosts of the publisher besides the official site's and the login page's,
// each "host" or "host:port", ".domain" also covering its subdomains.
std::vector<std::wstring> FurtherPublisherHosts();
// Schemes, besides "mailto", whose addresses the system opens with the app
// registered for them (a payment or chat app), in lower case.
std::vector<std::wstring> ShellSchemes();
