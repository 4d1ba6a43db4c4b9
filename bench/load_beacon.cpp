#include "load_beacon.h"

#include "clock.h"
#include "launcher_session.h"

#include <fstream>
#include <sstream>

namespace {

constexpr char kBodyEnd[] = "</body>";

std::string BeaconScript()
{
    return std::string("<script>addEventListener('load', function () { new Image().src = '") + kLoadEndPath +
           "'; });</script>";
}

std::wstring LoginPageFile()
{
    std::wstring path = launchertest::DemoSiteFolder();
    for (const char* c = launchertest::kLoginPagePath; *c; ++c)
        path += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
    return path;
}

}  // namespace

bool ServeLoginPageWithLoadBeacon(testsupport::HttpServer& site)
{
    std::ifstream file(LoginPageFile().c_str(), std::ios::binary);
    std::ostringstream page;
    page << file.rdbuf();
    std::string html = page.str();
    const size_t bodyEnd = html.rfind(kBodyEnd);
    if (!file || bodyEnd == std::string::npos)
        return false;
    html.insert(bodyEnd, BeaconScript());
    site.Page(launchertest::kLoginPagePath, html);
    testsupport::HttpResponse empty;
    empty.contentType = "text/plain";
    site.Route(kLoadEndPath, empty);
    return true;
}

std::vector<double> LoadEnds(const testsupport::HttpServer& site)
{
    std::vector<double> ends;
    for (LONGLONG ticks : site.ArrivalTicks(kLoadEndPath))
        ends.push_back(TicksToMs(ticks));
    return ends;
}

bool LoginPageLoaded(const testsupport::HttpServer& site)
{
    const std::vector<LONGLONG> pages = site.ArrivalTicks(launchertest::kLoginPagePath);
    const std::vector<LONGLONG> ends = site.ArrivalTicks(kLoadEndPath);
    return !pages.empty() && !ends.empty() && ends.back() > pages.back();
}
