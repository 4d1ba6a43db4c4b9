// Gives a registry key's default value a text for as long as the object
// lives, then puts back what was there: the old data, or no value, or no key
// at all. Tests use it to change the prefix's settings without leaving a
// trace, also when they fail.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class RegistryValueOverride {
public:
    RegistryValueOverride(HKEY root, const std::wstring& subKey, const std::wstring& text);
    ~RegistryValueOverride();
    RegistryValueOverride(const RegistryValueOverride&) = delete;
    RegistryValueOverride& operator=(const RegistryValueOverride&) = delete;

    // Whether the new text was written.
    bool Applied() const { return m_applied; }

private:
    void SaveOldValue();
    void Restore();

    HKEY m_root;
    std::wstring m_subKey;
    // The outermost key on the path that did not exist, deleted on restore.
    std::wstring m_createdKey;
    bool m_hadValue = false;
    DWORD m_oldType = REG_NONE;
    std::vector<BYTE> m_oldData;
    bool m_applied = false;
};
