// Times a page's load end from outside the browser: the page is served with
// a script that, once the page's load event has fired, asks the server for a
// beacon path; the server stamps when that request arrived.
#pragma once

#include "http_server.h"

#include <windows.h>

#include <string>
#include <vector>

inline constexpr char kLoadEndPath[] = "/bench/load-end";

// Serves the demo site's page at pagePath (a path and query; the file is the
// path's, the query is what the server must match) with a script that
// requests beaconPath at its load end; returns whether the file could be read.
bool ServePageWithLoadBeacon(testsupport::HttpServer& site, const std::string& pagePath, const char* beaconPath);
// The login page, beaconing kLoadEndPath.
bool ServeLoginPageWithLoadBeacon(testsupport::HttpServer& site);

// Arrivals of requests for exactly this path and query so far, in NowMs's milliseconds.
std::vector<double> ArrivalsMs(const testsupport::HttpServer& site, const std::string& pathAndQuery);
// Arrivals of the login page's load-end request so far.
std::vector<double> LoadEnds(const testsupport::HttpServer& site);
// Whether the latest load of the login page has ended (its load-end request
// came after the latest request for the page).
bool LoginPageLoaded(const testsupport::HttpServer& site);
