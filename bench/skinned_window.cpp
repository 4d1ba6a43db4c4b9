#include "skinned_window.h"

const wchar_t* SkinnedWindow::GetWindowClassName() const
{
    return L"BenchSkinnedWnd";
}

CDuiString SkinnedWindow::GetSkinFolder()
{
    return CDuiString();
}

CDuiString SkinnedWindow::GetSkinFile()
{
    return L"bench.xml";
}
