// Where an address asked for in a main frame of the launcher's browsers goes.
// The launcher shows the publisher's pages only: every engine process runs
// without web security, so a foreign site shown inside it would run
// unconfined.
#pragma once

#include "settings/publisher_hosts.h"

#include <string>
#include <vector>

enum class MainFrameLoad {
    // Loads in the browser: http and https on the publisher's hosts, and
    // about:blank.
    Here,
    // Cancelled and opened by the system instead: http and https elsewhere
    // (the player's web browser), mailto: and the build's app schemes (the
    // app registered for them).
    Outside,
    // Cancelled, and nothing else happens: every other scheme (file:,
    // ms-msdt:, search-ms: and the like) and addresses the engine cannot
    // parse.
    Nowhere,
};

// Decides on the address as the engine parses it; shellSchemes in lower case.
MainFrameLoad MainFrameLoadOf(const std::wstring& address, const PublisherHosts& hosts,
                              const std::vector<std::wstring>& shellSchemes);

// Whether the address is an http or https address, one a web browser can
// fetch by itself.
bool IsWebAddress(const std::wstring& address);
