// Which web addresses belong to the publisher: the hosts the launcher's
// browsers may show in their main frame. Addresses are taken apart by the
// engine's own parser, so a host is what a browser would connect to (the user
// information of "http://publisher@other/" is not its host), and hosts are
// compared whole, never as parts of a longer name.
#pragma once

#include <string>
#include <vector>

class PublisherHosts {
public:
    // Hosts as the build writes them, each "host" or "host:port"; a leading
    // dot (".example.com") also covers every subdomain. An entry without a
    // port covers the schemes' default ports only. Entries the engine cannot
    // parse cover nothing.
    explicit PublisherHosts(const std::vector<std::wstring>& entries);

    // The official site's host, the login page's host and the further hosts
    // of the build. Only once the engine is loaded (its parser is used).
    static PublisherHosts OfTheBuild();

    // These hosts and the host (and port) of the address, not its subdomains.
    PublisherHosts With(const std::wstring& address) const;

    // Whether the address's host, with its port, is one of these. An address
    // without a host (mailto:, about:blank) or one the engine cannot parse is
    // not covered.
    bool Covers(const std::wstring& address) const;

private:
    struct Host {
        std::wstring name;
        // Empty: the address's scheme's default port; else the port the address
        // must connect to, whether written or its scheme's default.
        std::wstring port;
        bool withSubdomains = false;
    };

    PublisherHosts() = default;
    void AddEntry(const std::wstring& entry);
    void AddHostOf(const std::wstring& address, bool withSubdomains);
    static bool Matches(const Host& host, const std::wstring& name, bool defaultPort,
                        const std::wstring& effectivePort);

    std::vector<Host> m_hosts;
};
