#include "browser/main_frame_guard.h"

#include "browser/main_frame_load.h"
#include "settings/publisher_site.h"

#include <utility>

MainFrameGuard::MainFrameGuard(HWND window, PublisherHosts hosts)
    : m_hosts(std::move(hosts)), m_shellSchemes(ShellSchemes()), m_outside(window)
{
}

bool MainFrameGuard::KeepsOut(const std::wstring& address)
{
    switch (MainFrameLoadOf(address, m_hosts, m_shellSchemes)) {
    case MainFrameLoad::Here:
        return false;
    case MainFrameLoad::Outside:
        m_outside.Add(address);
        return true;
    case MainFrameLoad::Nowhere:
        return true;
    }
    return true;
}

void MainFrameGuard::HandOutProtocol(const std::wstring& address)
{
    if (MainFrameLoadOf(address, m_hosts, m_shellSchemes) == MainFrameLoad::Outside)
        m_outside.Add(address);
}

void MainFrameGuard::HandOutDownload(const std::wstring& address)
{
    if (IsWebAddress(address))
        m_outside.Add(address);
}

std::vector<std::wstring> MainFrameGuard::TakeOutsideAddresses()
{
    return m_outside.Take();
}
