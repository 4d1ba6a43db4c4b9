// The launcher as a user starts it: Zarnith.exe from the runnable folder,
// under Wine, driven with real input.
#include "driver.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kExecutableName[] = L"Zarnith.exe";
constexpr wchar_t kWindowClass[] = L"XMLWnd";
constexpr wchar_t kLoginCaption[] = L"Zarnith";
// The switches the engine needs under Wine, from the build.
constexpr wchar_t kWineEngineSwitches[] = ZARNITH_WINE_ENGINE_SWITCHES;
// The login window's size and close button, as its skin lays them out.
constexpr SIZE kLoginWindowSize = {1120, 640};
constexpr POINT kCloseButtonCentre = {1100, 18};
constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kExitTimeoutMs = 30000;
constexpr WORD kApplicationIconGroup = 107;
constexpr wchar_t kMessageBoxClass[] = L"#32770";
// "无法启动" (cannot start), in every start failure's text.
constexpr wchar_t kCannotStart[] = L"\x65E0\x6CD5\x542F\x52A8";

std::wstring Executable()
{
    return std::wstring(ZARNITH_DIST_DIR_DOS) + L"\\" + kExecutableName;
}

// A folder that is not the executable's, to start the launcher in.
std::wstring ElsewhereFolder()
{
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    return folder;
}

// The login window once it is visible, or null when it did not become visible in time.
HWND WaitForLoginWindow(DWORD processId)
{
    HWND window = nullptr;
    const bool visible = driver::WaitFor(
        [&] {
            window = driver::FindTopLevelWindow(kWindowClass, kLoginCaption, processId);
            return window && driver::IsVisible(window);
        },
        kStartTimeoutMs);
    return visible ? window : nullptr;
}

// Every launcher process, the engine's sub-processes included, is gone.
bool NoLauncherProcessLeft()
{
    return driver::WaitFor([] { return driver::ProcessesNamed(kExecutableName).empty(); }, kExitTimeoutMs);
}

void ExpectCleanEndAfter(const std::function<void()>& requestClose, const driver::Process& process, HWND login)
{
    requestClose();
    ASSERT_TRUE(driver::WaitFor([login] { return !IsWindow(login); }, kExitTimeoutMs)) << "the window stayed";
    DWORD exitCode = 1;
    ASSERT_TRUE(driver::WaitForExit(process, kExitTimeoutMs, &exitCode)) << "the launcher did not end";
    ASSERT_EQ(exitCode, 0u);
    ASSERT_TRUE(NoLauncherProcessLeft());
}

// A folder of the test's own holding the executable and the given files of
// another folder (linked where the system can, else copied); removed again.
class LauncherFolder {
public:
    LauncherFolder(const std::wstring& name, const std::wstring& filesFrom, const std::vector<std::wstring>& leftOut)
    {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        m_folder = std::wstring(temp) + name;
        CreateDirectoryW(m_folder.c_str(), nullptr);
        m_ready = Place(Executable(), kExecutableName);
        WIN32_FIND_DATAW found;
        const HANDLE search = FindFirstFileW((filesFrom + L"\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) {
            m_ready = false;
            return;
        }
        do {
            const std::wstring file = found.cFileName;
            const bool skipped = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || file == kExecutableName ||
                                 std::find(leftOut.begin(), leftOut.end(), file) != leftOut.end();
            if (!skipped)
                m_ready = Place(filesFrom + L"\\" + file, file) && m_ready;
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    ~LauncherFolder()
    {
        for (const std::wstring& file : m_placed)
            DeleteFileW(file.c_str());
        RemoveDirectoryW(m_folder.c_str());
    }
    LauncherFolder(const LauncherFolder&) = delete;
    LauncherFolder& operator=(const LauncherFolder&) = delete;

    bool Ready() const { return m_ready; }
    std::wstring LauncherPath() const { return m_folder + L"\\" + kExecutableName; }

private:
    bool Place(const std::wstring& from, const std::wstring& name)
    {
        const std::wstring to = m_folder + L"\\" + name;
        m_placed.push_back(to);
        return CreateHardLinkW(to.c_str(), from.c_str(), nullptr) || CopyFileW(from.c_str(), to.c_str(), FALSE);
    }

    std::wstring m_folder;
    std::vector<std::wstring> m_placed;
    bool m_ready = false;
};

// Starts the launcher from the folder and waits for its message box: returns
// the box's text and presses its button, then the exit code; empty text when
// no box came.
std::wstring StartFailureShown(const std::wstring& executable, DWORD& exitCode)
{
    driver::Process process = driver::StartProcess(executable, kWineEngineSwitches, ElsewhereFolder());
    std::wstring text;
    HWND box = nullptr;
    driver::WaitFor(
        [&] {
            box = driver::FindTopLevelWindow(kMessageBoxClass, kLoginCaption, process.id);
            return box && driver::IsVisible(box);
        },
        kStartTimeoutMs);
    if (box) {
        for (HWND child : driver::DescendantWindows(box))
            text += driver::WindowText(child) + L"\n";
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    if (!driver::WaitForExit(process, kExitTimeoutMs, &exitCode))
        driver::KillProcessTree(process);
    driver::CloseProcess(process);
    return text;
}

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

    driver::Process m_process;
};

TEST_F(Launcher, ShowsOneSkinnedLoginWindowAndItsCloseButtonEndsTheProgram)
{
    m_process = driver::StartProcess(Executable(), kWineEngineSwitches, ElsewhereFolder());
    ASSERT_NE(m_process.handle, nullptr);
    const HWND login = WaitForLoginWindow(m_process.id);
    ASSERT_NE(login, nullptr) << "no visible login window";

    // Two top-level skinned windows in all of the launcher's processes: the
    // login window and the login browser window that it owns.
    std::vector<HWND> skinnedWindows;
    for (DWORD id : driver::ProcessesNamed(kExecutableName)) {
        for (HWND window : driver::TopLevelWindows(kWindowClass, nullptr, id)) {
            if (driver::IsVisible(window))
                skinnedWindows.push_back(window);
        }
    }
    ASSERT_EQ(skinnedWindows.size(), 2u);
    const HWND loginBrowser = skinnedWindows[0] == login ? skinnedWindows[1] : skinnedWindows[0];
    EXPECT_EQ(driver::WindowText(loginBrowser), L"LoginBrowser");
    EXPECT_EQ(driver::Owner(loginBrowser), login);

    // The skin came from the folder beside the executable, not the current one.
    const RECT bounds = driver::WindowRect(login);
    EXPECT_EQ(bounds.right - bounds.left, kLoginWindowSize.cx);
    EXPECT_EQ(bounds.bottom - bounds.top, kLoginWindowSize.cy);
    EXPECT_EQ(driver::Style(login) & (WS_OVERLAPPEDWINDOW | WS_VISIBLE), WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    EXPECT_EQ(driver::ExStyle(login) & (WS_EX_APPWINDOW | WS_EX_WINDOWEDGE), WS_EX_APPWINDOW | WS_EX_WINDOWEDGE);
    EXPECT_EQ(driver::Owner(login), nullptr);

    ASSERT_TRUE(driver::BringToForeground(login));
    ExpectCleanEndAfter([login] { driver::ClickInWindow(login, kCloseButtonCentre); }, m_process, login);
}

TEST_F(Launcher, ClosedByTheSystemItStillEndsCleanly)
{
    m_process = driver::StartProcess(Executable(), kWineEngineSwitches);
    ASSERT_NE(m_process.handle, nullptr);
    const HWND login = WaitForLoginWindow(m_process.id);
    ASSERT_NE(login, nullptr) << "no visible login window";

    ExpectCleanEndAfter([login] { PostMessageW(login, WM_SYSCOMMAND, SC_CLOSE, 0); }, m_process, login);
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
    HMODULE image = LoadLibraryExW(Executable().c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE | LOAD_LIBRARY_AS_DATAFILE);
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
    m_process = driver::StartProcess(Executable(), std::wstring(L"--type=renderer ") + kWineEngineSwitches);
    ASSERT_NE(m_process.handle, nullptr);
    bool sawWindow = false;
    DWORD exitCode = 1;
    const bool ended = driver::WaitFor(
        [&] {
            sawWindow = sawWindow || !driver::TopLevelWindows(nullptr, nullptr, m_process.id).empty();
            return WaitForSingleObject(m_process.handle, 0) == WAIT_OBJECT_0;
        },
        kExitTimeoutMs);
    ASSERT_TRUE(ended);
    GetExitCodeProcess(m_process.handle, &exitCode);
    EXPECT_FALSE(sawWindow);
    EXPECT_EQ(exitCode, 0u);
}

// The player is told, in a message box, what keeps the engine from starting,
// and the program ends with an error instead of a login window that never loads.
TEST_F(Launcher, WithoutAnEngineFileItSaysWhichAndEndsWithAnError)
{
    const LauncherFolder folder(L"zarnith-without-icu", ZARNITH_DIST_DIR_DOS, {L"icudtl.dat"});
    ASSERT_TRUE(folder.Ready());
    DWORD exitCode = 0;
    const std::wstring text = StartFailureShown(folder.LauncherPath(), exitCode);
    EXPECT_NE(text.find(kCannotStart), std::wstring::npos) << "no message box";
    EXPECT_NE(text.find(L"icudtl.dat"), std::wstring::npos);
    EXPECT_EQ(exitCode, 2u);
    EXPECT_TRUE(NoLauncherProcessLeft());
}

TEST_F(Launcher, WithAnEngineLibraryOfAnotherVersionItSaysSoAndEndsWithAnError)
{
    const LauncherFolder folder(L"zarnith-other-engine", ZARNITH_OTHER_ENGINE_DIR_DOS, {});
    ASSERT_TRUE(folder.Ready());
    DWORD exitCode = 0;
    const std::wstring text = StartFailureShown(folder.LauncherPath(), exitCode);
    EXPECT_NE(text.find(kCannotStart), std::wstring::npos) << "no message box";
    EXPECT_NE(text.find(L"libcef.dll"), std::wstring::npos);
    EXPECT_EQ(exitCode, 3u);
    EXPECT_TRUE(NoLauncherProcessLeft());
}

}  // namespace
