// A folder of a test's own that holds Zarnith.exe and the files of another
// folder, its subfolders included (linked where the system can, else
// copied); removed again with the object.
#pragma once

#include "temp_folder.h"

#include <string>
#include <vector>

namespace launchertest {

class LauncherFolder {
public:
    // The runnable folder's Zarnith.exe and what filesFrom holds, less the
    // names in leftOut (at its top level).
    LauncherFolder(const std::wstring& namePrefix, const std::wstring& filesFrom,
                   std::vector<std::wstring> leftOut = {});
    LauncherFolder(const LauncherFolder&) = delete;
    LauncherFolder& operator=(const LauncherFolder&) = delete;

    bool Ready() const { return m_ready; }
    std::wstring LauncherPath() const;

private:
    TempFolder m_folder;
    bool m_ready = false;
};

}  // namespace launchertest
