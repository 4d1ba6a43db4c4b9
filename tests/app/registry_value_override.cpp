#include "registry_value_override.h"

namespace {

bool KeyExists(HKEY root, const std::wstring& subKey)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// The shortest leading part of the path that names no key, or empty when the
// whole key exists.
std::wstring FirstMissingKey(HKEY root, const std::wstring& subKey)
{
    size_t end = 0;
    do {
        end = subKey.find(L'\\', end + 1);
        const std::wstring part = subKey.substr(0, end);
        if (!KeyExists(root, part))
            return part;
    } while (end != std::wstring::npos);
    return L"";
}

}  // namespace

RegistryValueOverride::RegistryValueOverride(HKEY root, const std::wstring& subKey, const std::wstring& text)
    : m_root(root), m_subKey(subKey)
{
    m_createdKey = FirstMissingKey(root, subKey);
    if (m_createdKey.empty())
        SaveOldValue();
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, subKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    m_applied = RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes) == ERROR_SUCCESS;
    RegCloseKey(key);
}

RegistryValueOverride::~RegistryValueOverride()
{
    Restore();
}

void RegistryValueOverride::SaveOldValue()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(m_root, m_subKey.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return;
    DWORD bytes = 0;
    if (RegQueryValueExW(key, nullptr, nullptr, &m_oldType, nullptr, &bytes) == ERROR_SUCCESS) {
        m_oldData.resize(bytes);
        m_hadValue = RegQueryValueExW(key, nullptr, nullptr, &m_oldType, m_oldData.data(), &bytes) == ERROR_SUCCESS;
        m_oldData.resize(bytes);
    }
    RegCloseKey(key);
}

void RegistryValueOverride::Restore()
{
    if (!m_createdKey.empty()) {
        RegDeleteTreeW(m_root, m_createdKey.c_str());
        return;
    }
    HKEY key = nullptr;
    if (RegOpenKeyExW(m_root, m_subKey.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return;
    if (m_hadValue)
        RegSetValueExW(key, nullptr, 0, m_oldType, m_oldData.data(), static_cast<DWORD>(m_oldData.size()));
    else
        RegDeleteValueW(key, nullptr);
    RegCloseKey(key);
}
