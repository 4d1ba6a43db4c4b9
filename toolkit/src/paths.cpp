#include "paths.h"

#include <string>

namespace {

constexpr wchar_t kSeparators[] = L"\\/";

bool IsSeparator(wchar_t c)
{
    return c == L'\\' || c == L'/';
}

}  // namespace

CDuiString WithTrailingSeparator(const CDuiString& folder)
{
    if (folder.IsEmpty() || IsSeparator(folder.GetData()[folder.GetLength() - 1])) {
        return folder;
    }
    return folder + L"\\";
}

CDuiString FolderOf(const CDuiString& path)
{
    const size_t separator = path.Str().find_last_of(kSeparators);
    return separator == std::wstring::npos ? CDuiString() : CDuiString(path.Str().substr(0, separator + 1));
}
