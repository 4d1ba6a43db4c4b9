#include "load_beacon.h"

#include "clock.h"
#include "launcher_session.h"

#include <fstream>
#include <sstream>

namespace {

constexpr char kBodyEnd[] = "</body>";

std::string BeaconScript(const char* beaconPath)
{
    return std::string("<script>addEventListener('load', function () { new Image().src = '") + beaconPath +
           "'; });</script>";
}

// The demo site's file of the page at pagePath, its query left out.
std::wstring PageFile(const std::string& pagePath)
{
    std::wstring path = launchertest::DemoSiteFolder();
    for (const char c : pagePath.substr(0, pagePath.find('?')))
        path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return path;
}

}  // namespace

bool ServePageWithLoadBeacon(testsupport::HttpServer& site, const std::string& pagePath, const char* beaconPath)
{
    std::ifstream file(PageFile(pagePath).c_str(), std::ios::binary);
    std::ostringstream page;
    page << file.rdbuf();
    std::string html = page.str();
    const size_t bodyEnd = html.rfind(kBodyEnd);
    if (!file || bodyEnd == std::string::npos)
        return false;
    html.insert(bodyEnd, BeaconScript(beaconPath));
    site.Page(pagePath, html);
    testsupport::HttpResponse empty;
    empty.contentType = "text/plain";
    site.Route(beaconPath, empty);
    return true;
}

bool ServeLoginPageWithLoadBeacon(testsupport::HttpServer& site)
{
    return ServePageWithLoadBeacon(site, launchertest::kLoginPagePath, kLoadEndPath);
}

std::vector<double> ArrivalsMs(const testsupport::HttpServer& site, const std::string& pathAndQuery)
{
    std::vector<double> arrivals;
    for (LONGLONG ticks : site.ArrivalTicks(pathAndQuery))
        arrivals.push_back(TicksToMs(ticks));
    return arrivals;
}

std::vector<double> LoadEnds(const testsupport::HttpServer& site)
{
    return ArrivalsMs(site, kLoadEndPath);
}

bool LoginPageLoaded(const testsupport::HttpServer& site)
{
    const std::vector<LONGLONG> pages = site.ArrivalTicks(launchertest::kLoginPagePath);
    const std::vector<LONGLONG> ends = site.ArrivalTicks(kLoadEndPath);
    return !pages.empty() && !ends.empty() && ends.back() > pages.back();
}
