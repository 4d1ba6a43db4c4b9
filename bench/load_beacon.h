// Times a page's load end from outside the browser: the login page is served
// with a script that, once the page's load event has fired, asks the server
// for kLoadEndPath; the server stamps when that request arrived.
#pragma once

#include "http_server.h"

#include <windows.h>

#include <string>
#include <vector>

inline constexpr char kLoadEndPath[] = "/bench/load-end";

// Serves the demo site's login page, with that script, at the login page's
// address on the site; returns whether the page could be read.
bool ServeLoginPageWithLoadBeacon(testsupport::HttpServer& site);

// Arrivals of the load-end request so far, in NowMs's milliseconds.
std::vector<double> LoadEnds(const testsupport::HttpServer& site);
// Whether the latest load of the login page has ended (its load-end request
// came after the latest request for the page).
bool LoginPageLoaded(const testsupport::HttpServer& site);
