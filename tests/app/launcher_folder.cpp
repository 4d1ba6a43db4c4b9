#include "launcher_folder.h"

#include "launcher_session.h"

#include <windows.h>

#include <algorithm>

namespace launchertest {

namespace {

bool Place(const std::wstring& from, const std::wstring& to)
{
    return CreateHardLinkW(to.c_str(), from.c_str(), nullptr) || CopyFileW(from.c_str(), to.c_str(), FALSE);
}

// Places every file under from at the same path under to, but for the names
// in leftOut at from's own level.
bool PlaceTree(const std::wstring& from, const std::wstring& to, const std::vector<std::wstring>& leftOut)
{
    bool placed = true;
    for (const std::wstring& name : FolderEntries(from)) {
        if (std::find(leftOut.begin(), leftOut.end(), name) != leftOut.end())
            continue;
        const std::wstring source = from + L"\\" + name;
        const std::wstring target = to + L"\\" + name;
        if (IsFolder(source))
            placed = CreateDirectoryW(target.c_str(), nullptr) && PlaceTree(source, target, {}) && placed;
        else
            placed = Place(source, target) && placed;
    }
    return placed;
}

}  // namespace

LauncherFolder::LauncherFolder(const std::wstring& namePrefix, const std::wstring& filesFrom,
                               std::vector<std::wstring> leftOut)
    : m_folder(namePrefix)
{
    leftOut.push_back(kExecutableName);
    const std::wstring folder = m_folder.Path().substr(0, m_folder.Path().size() - 1);
    m_ready = m_folder.Made() && IsFolder(filesFrom) && Place(LauncherExecutable(), LauncherPath()) &&
              PlaceTree(filesFrom, folder, leftOut);
}

std::wstring LauncherFolder::LauncherPath() const
{
    return m_folder.Path() + kExecutableName;
}

}  // namespace launchertest
