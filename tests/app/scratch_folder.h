// A new, empty folder under the user's temporary folder, removed with the
// files in it when the object goes.
#pragma once

#include <string>

class ScratchFolder {
public:
    explicit ScratchFolder(const std::wstring& namePrefix);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // Without a trailing backslash; empty when the folder could not be made.
    const std::wstring& Path() const { return m_path; }

private:
    std::wstring m_path;
};
