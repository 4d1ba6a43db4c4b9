// The launcher as a user starts it: Zarnith.exe from the runnable folder,
// under Wine, driven with real input.
#include "launcher_folder.h"
#include "launcher_session.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

using launchertest::kExecutableName;
using launchertest::LauncherFolder;
using launchertest::LauncherExecutable;
using launchertest::LauncherSession;

constexpr WORD kApplicationIconGroup = 107;
constexpr wchar_t kMessageBoxClass[] = L"#32770";
// "无法启动" (cannot start), in every start failure's text.
constexpr wchar_t kCannotStart[] = L"\x65E0\x6CD5\x542F\x52A8";

// The program's current folder, for a launcher started as from a command line there.
std::wstring CurrentFolder()
{
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    return folder;
}

// Starts the launcher from the folder and expects its message box, in
// Chinese, to name what keeps the engine from starting; presses its button
// and expects the launcher to end with the exit code, leaving no process.
void ExpectStartFailure(const LauncherFolder& folder, const wchar_t* named, DWORD expectedExitCode)
{
    ASSERT_TRUE(folder.Ready());
    driver::Process process = launchertest::StartEngineProgram(folder.LauncherPath());
    std::wstring text;
    HWND box = nullptr;
    driver::WaitFor(
        [&] {
            box = driver::FindTopLevelWindow(kMessageBoxClass, launchertest::kGameCaption, process.id);
            return box && driver::IsVisible(box);
        },
        launchertest::kStartTimeoutMs);
    if (box) {
        for (HWND child : driver::DescendantWindows(box))
            text += driver::WindowText(child) + L"\n";
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    DWORD exitCode = 0;
    if (!driver::WaitForExit(process, launchertest::kExitTimeoutMs, &exitCode))
        driver::KillProcessTree(process);
    driver::CloseProcess(process);
    EXPECT_NE(text.find(kCannotStart), std::wstring::npos) << "no message box";
    EXPECT_NE(text.find(named), std::wstring::npos);
    EXPECT_EQ(exitCode, expectedExitCode);
    EXPECT_TRUE(launchertest::NoLauncherProcessLeft());
}

// Nothing listens on the demo site's port: these tests need no login page.
class Launcher : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(driver::ProcessesNamed(kExecutableName).empty()) << "a launcher is already running"; }

    void TearDown() override
    {
        if (m_process.handle) {
            driver::KillProcessTree(m_process);
            driver::CloseProcess(m_process);
        }
    }

    // Exit code 0, and nothing of the launcher left.
    void ExpectCleanEnd()
    {
        DWORD exitCode = 1;
        EXPECT_TRUE(m_session.EndsCleanly(&exitCode)) << "exit code " << exitCode;
    }

    LauncherSession m_session{LauncherSession::SiteState::Down};
    // A launcher started otherwise than by the session.
    driver::Process m_process;
};

TEST_F(Launcher, ShowsOneSkinnedLoginWindowAndItsCloseButtonEndsTheProgram)
{
    ASSERT_TRUE(m_session.Start(false)) << "no visible login window";
    const HWND login = m_session.Login();

    // Two top-level skinned windows in all of the launcher's processes: the
    // login window and the login browser window that it owns.
    std::vector<HWND> skinnedWindows;
    for (DWORD id : driver::ProcessesNamed(kExecutableName)) {
        for (HWND window : driver::TopLevelWindows(launchertest::kWindowClass, nullptr, id)) {
            if (driver::IsVisible(window))
                skinnedWindows.push_back(window);
        }
    }
    ASSERT_EQ(skinnedWindows.size(), 2u);
    const HWND loginBrowser = skinnedWindows[0] == login ? skinnedWindows[1] : skinnedWindows[0];
    EXPECT_EQ(loginBrowser, m_session.LoginBrowser());
    EXPECT_EQ(driver::WindowText(loginBrowser), launchertest::kLoginBrowserCaption);
    EXPECT_EQ(driver::Owner(loginBrowser), login);
    EXPECT_EQ(driver::WindowText(login), launchertest::kGameCaption);

    // The skin came from the folder beside the executable, not the current one.
    const RECT bounds = driver::WindowRect(login);
    EXPECT_EQ(bounds.right - bounds.left, launchertest::kLoginWindowSize.cx);
    EXPECT_EQ(bounds.bottom - bounds.top, launchertest::kLoginWindowSize.cy);
    EXPECT_EQ(driver::Style(login) & (WS_OVERLAPPEDWINDOW | WS_VISIBLE), WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    EXPECT_EQ(driver::ExStyle(login) & (WS_EX_APPWINDOW | WS_EX_WINDOWEDGE), WS_EX_APPWINDOW | WS_EX_WINDOWEDGE);
    EXPECT_EQ(driver::Owner(login), nullptr);

    ASSERT_TRUE(m_session.ClickLoginCloseButton()) << "the window stayed";
    ExpectCleanEnd();
}

TEST_F(Launcher, ClosedByTheSystemItStillEndsCleanly)
{
    ASSERT_TRUE(m_session.Start(false, CurrentFolder())) << "no visible login window";
    const HWND login = m_session.Login();

    PostMessageW(login, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(driver::WaitFor([login] { return !IsWindow(login); }, launchertest::kExitTimeoutMs))
        << "the window stayed";
    ExpectCleanEnd();
}

// The layout of an icon group resource: a header, then one entry per image.
#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width;
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD iconId;
};
struct IconGroupHeader {
    WORD reserved;
    WORD type;
    WORD count;
};
#pragma pack(pop)

// Notes each icon group's number; a group named by text is noted as 0.
BOOL CALLBACK NoteIconGroup(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR groups)
{
    const WORD number = IS_INTRESOURCE(name) ? static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name)) : 0;
    reinterpret_cast<std::vector<WORD>*>(groups)->push_back(number);
    return TRUE;
}

const void* ResourceData(HMODULE image, LPCWSTR name, LPCWSTR type)
{
    const HRSRC resource = FindResourceW(image, name, type);
    return resource ? LockResource(LoadResource(image, resource)) : nullptr;
}

// The application icon is the executable's only icon, group 107, and the
// image that LoadIconW picks from it for the login window's big icon has the
// big-icon size itself, so the window gets it unscaled. (Wine answers
// WM_GETICON only inside the window's own process, so the window's icon
// itself cannot be read from here.)
TEST(LauncherResources, TheOnlyIconGroupIs107AndHoldsAnImageOfTheBigIconSize)
{
    HMODULE image = LoadLibraryExW(LauncherExecutable().c_str(), nullptr,
                                   LOAD_LIBRARY_AS_IMAGE_RESOURCE | LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(image, nullptr);
    std::vector<WORD> groups;
    EnumResourceNamesW(image, RT_GROUP_ICON, &NoteIconGroup, reinterpret_cast<LONG_PTR>(&groups));
    EXPECT_EQ(groups, std::vector<WORD>{kApplicationIconGroup});

    const auto* group =
        static_cast<const BYTE*>(ResourceData(image, MAKEINTRESOURCEW(kApplicationIconGroup), RT_GROUP_ICON));
    ASSERT_NE(group, nullptr);
    const int bigWidth = GetSystemMetrics(SM_CXICON);
    const int bigHeight = GetSystemMetrics(SM_CYICON);
    const int picked =
        LookupIconIdFromDirectoryEx(const_cast<BYTE*>(group), TRUE, bigWidth, bigHeight, LR_DEFAULTCOLOR);
    const auto* header = reinterpret_cast<const IconGroupHeader*>(group);
    const auto* entries = reinterpret_cast<const IconGroupEntry*>(group + sizeof(IconGroupHeader));
    const IconGroupEntry* pickedEntry = nullptr;
    for (WORD i = 0; i < header->count; ++i) {
        if (entries[i].iconId == picked)
            pickedEntry = &entries[i];
    }
    ASSERT_NE(pickedEntry, nullptr) << "the group has no image for the big icon";
    EXPECT_EQ(pickedEntry->width, bigWidth);
    EXPECT_EQ(pickedEntry->height, bigHeight);

    // The image itself, not only the group's word for it: a bitmap of that
    // width, its colour and mask rows stacked.
    const auto* bitmap =
        static_cast<const BITMAPINFOHEADER*>(ResourceData(image, MAKEINTRESOURCEW(picked), RT_ICON));
    ASSERT_NE(bitmap, nullptr);
    ASSERT_EQ(bitmap->biSize, sizeof(BITMAPINFOHEADER)) << "not a bitmap image";
    EXPECT_EQ(bitmap->biWidth, bigWidth);
    EXPECT_EQ(bitmap->biHeight, 2 * bigHeight);
    FreeLibrary(image);
}

// Started the way the engine starts its sub-processes (the channel to the
// browser process is missing here, so the engine ends it at once), the
// executable hands itself to the engine and shows nothing.
TEST_F(Launcher, AsAnEngineSubProcessItShowsNoWindow)
{
    m_process = driver::StartProcess(LauncherExecutable(), L"--type=renderer " + launchertest::WineEngineSwitches());
    ASSERT_NE(m_process.handle, nullptr);
    bool sawWindow = false;
    DWORD exitCode = 1;
    const bool ended = driver::WaitFor(
        [&] {
            sawWindow = sawWindow || !driver::TopLevelWindows(nullptr, nullptr, m_process.id).empty();
            return WaitForSingleObject(m_process.handle, 0) == WAIT_OBJECT_0;
        },
        launchertest::kExitTimeoutMs);
    ASSERT_TRUE(ended);
    GetExitCodeProcess(m_process.handle, &exitCode);
    EXPECT_FALSE(sawWindow);
    EXPECT_EQ(exitCode, 0u);
}

// The player is told, in a message box, what keeps the engine from starting,
// and the program ends with an error instead of a login window that never loads.
TEST_F(Launcher, WithoutAnEngineFileItSaysWhichAndEndsWithAnError)
{
    ExpectStartFailure(LauncherFolder(L"zarnith-without-icu", launchertest::RunnableFolder(), {L"icudtl.dat"}),
                       L"icudtl.dat", 2);
}

TEST_F(Launcher, WithAnEngineLibraryOfAnotherVersionItSaysSoAndEndsWithAnError)
{
    ExpectStartFailure(LauncherFolder(L"zarnith-other-engine", ZARNITH_OTHER_ENGINE_DIR_DOS, {}), L"libcef.dll", 3);
}

}  // namespace
