// The setup program as a user runs it, silently (/S), under Wine: what it
// installs for the current user, the launcher it leaves, the uninstaller it
// registers, and installing over an installation in use.
#include "driver.h"
#include "folder_snapshot.h"
#include "system_state.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>

namespace {

using systemstate::FileExists;
using systemstate::FolderExists;
using systemstate::KnownFolder;
using systemstate::RegistryKeyExists;
using systemstate::RegistryText;

constexpr wchar_t kSetup[] = ZARNITH_SETUP_DOS;
constexpr wchar_t kRunnableFolder[] = ZARNITH_DIST_DIR_DOS;
// The switches the engine needs under Wine, from the build.
constexpr wchar_t kWineEngineSwitches[] = ZARNITH_WINE_ENGINE_SWITCHES;
constexpr wchar_t kSilent[] = L"/S";
// The setup program's and the uninstaller's exit codes when they refuse to
// touch a folder whose launcher runs, and when the setup program has put
// the folder back after a file could not be replaced.
constexpr DWORD kExitLauncherRunning = 2;
constexpr DWORD kExitUndone = 3;

constexpr wchar_t kInstallFolderUnderLocalAppData[] = L"\\Programs\\Zarnith";
constexpr wchar_t kShortcutUnderPrograms[] = L"\\Zarnith 微端.lnk";
constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zarnith";
constexpr wchar_t kDisplayName[] = L"Zarnith 微端";
constexpr wchar_t kExecutable[] = L"Zarnith.exe";
constexpr wchar_t kUninstaller[] = L"uninstall.exe";
constexpr WORD kApplicationIconGroup = 107;
constexpr wchar_t kSettingsFolderUnderAppData[] = L"\\weiduan";
constexpr wchar_t kSettingsFile[] = L"Ostrel.ini";

constexpr wchar_t kWindowClass[] = L"XMLWnd";
constexpr wchar_t kLoginCaption[] = L"Zarnith";
constexpr wchar_t kLoginBrowserCaption[] = L"LoginBrowser";
constexpr wchar_t kLoginBrowserSkin[] = L"skin\\FormLoginBrowser.xml";
constexpr SIZE kLoginBrowserEngineWindowSize = {627, 406};

// The engine's log, written into the launcher's working folder.
constexpr wchar_t kEngineLog[] = L"debug.log";
// The build's record that it staged the engine runtime: not part of the program.
constexpr wchar_t kBuildStamp[] = L".engine-staged";
// A locale the launcher never loads, changed to stand for an older version.
constexpr wchar_t kChangedFile[] = L"locales\\de.pak";
// One of the last files an installation replaces: while another program holds
// it, replacing fails after most files have been set aside.
constexpr wchar_t kHeldFile[] = L"skin\\FormLogin.xml";

constexpr DWORD kSetupTimeoutMs = 90000;
constexpr DWORD kLauncherStartTimeoutMs = 30000;
constexpr DWORD kLauncherExitTimeoutMs = 30000;

std::wstring InstallFolder()
{
    return KnownFolder(FOLDERID_LocalAppData) + kInstallFolderUnderLocalAppData;
}

std::wstring Installed(const std::wstring& relativePath)
{
    return InstallFolder() + L"\\" + relativePath;
}

std::wstring ShortcutPath()
{
    return KnownFolder(FOLDERID_Programs) + kShortcutUnderPrograms;
}

std::wstring SettingsFolder()
{
    return KnownFolder(FOLDERID_RoamingAppData) + kSettingsFolderUnderAppData;
}

// What an installation leaves: the files, the shortcut, the registry entry.
// (The engine's log is left out: a running launcher may write to it.)
struct InstallationState {
    FolderSnapshot files;
    bool shortcut = false;
    std::optional<std::wstring> uninstallString;
    std::optional<std::wstring> installLocation;

    static InstallationState Read()
    {
        return {FolderSnapshot::Take(InstallFolder()).Without(kEngineLog), FileExists(ShortcutPath()),
                RegistryText(HKEY_CURRENT_USER, kUninstallKey, L"UninstallString"),
                RegistryText(HKEY_CURRENT_USER, kUninstallKey, L"InstallLocation")};
    }
};

void ExpectSameInstallation(const InstallationState& before, const InstallationState& after)
{
    EXPECT_TRUE(before.files == after.files) << before.files.DifferencesFrom(after.files);
    EXPECT_EQ(before.shortcut, after.shortcut);
    EXPECT_EQ(before.uninstallString, after.uninstallString);
    EXPECT_EQ(before.installLocation, after.installLocation);
}

// The installed folder holds the runnable folder exactly, and the uninstaller.
// (Either may hold the engine's log, left by the launcher run from it.)
void ExpectRunnableFolderInstalled()
{
    const FolderSnapshot installed = FolderSnapshot::Take(InstallFolder());
    const FolderSnapshot runnable =
        FolderSnapshot::Take(kRunnableFolder).Without(kBuildStamp).Without(kEngineLog);
    ASSERT_FALSE(runnable.IsEmpty());
    EXPECT_TRUE(installed.Has(kUninstaller));
    const FolderSnapshot program = installed.Without(kUninstaller).Without(kEngineLog);
    EXPECT_TRUE(program == runnable) << program.DifferencesFrom(runnable);
}

class Installer : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(driver::ProcessesNamed(kExecutable).empty()) << "a launcher is already running";
        ASSERT_FALSE(InstallFolder().empty());
        // An earlier run that failed may have left an installation behind.
        RemoveInstallation();
    }

    void TearDown() override
    {
        if (m_launcher.handle) {
            driver::KillProcessTree(m_launcher);
            driver::CloseProcess(m_launcher);
        }
        RemoveInstallation();
        if (m_madeSettingsFile)
            DeleteFileW((SettingsFolder() + L"\\" + kSettingsFile).c_str());
        if (m_madeSettingsFolder)
            RemoveDirectoryW(SettingsFolder().c_str());
    }

    static void RemoveInstallation()
    {
        systemstate::RemoveTree(InstallFolder());
        DeleteFileW(ShortcutPath().c_str());
        systemstate::RemoveRegistryKey(HKEY_CURRENT_USER, kUninstallKey);
    }

    static void Install()
    {
        const std::optional<DWORD> exitCode = systemstate::RunToEnd(kSetup, kSilent, kSetupTimeoutMs);
        ASSERT_TRUE(exitCode.has_value()) << "the setup program did not run to its end";
        ASSERT_EQ(*exitCode, 0u);
    }

    // Starts the installed launcher as its shortcut does and waits for its
    // login window, and for the login browser window where the installed
    // program has one.
    HWND StartInstalledLauncher()
    {
        m_launcher = driver::StartProcess(Installed(kExecutable), kWineEngineSwitches, InstallFolder());
        EXPECT_NE(m_launcher.handle, nullptr);
        if (!m_launcher.handle)
            return nullptr;
        HWND login = nullptr;
        const bool shown = driver::WaitFor(
            [&] {
                login = driver::FindTopLevelWindow(kWindowClass, kLoginCaption, m_launcher.id);
                return login && driver::IsVisible(login);
            },
            kLauncherStartTimeoutMs);
        EXPECT_TRUE(shown) << (login ? "the login window stayed hidden" : "no login window");
        if (!shown)
            return nullptr;
        if (login && FileExists(Installed(kLoginBrowserSkin)))
            ExpectLoginBrowserOver(login);
        return login;
    }

    void ExpectLoginBrowserOver(HWND login)
    {
        HWND browserWindow = nullptr;
        HWND engineWindow = nullptr;
        const bool shown = driver::WaitFor(
            [&] {
                browserWindow = driver::FindTopLevelWindow(kWindowClass, kLoginBrowserCaption, m_launcher.id);
                if (!browserWindow || !driver::IsVisible(browserWindow))
                    return false;
                for (HWND child : driver::ChildWindows(browserWindow)) {
                    const RECT bounds = driver::WindowRect(child);
                    if (bounds.right - bounds.left == kLoginBrowserEngineWindowSize.cx &&
                        bounds.bottom - bounds.top == kLoginBrowserEngineWindowSize.cy)
                        engineWindow = child;
                }
                return engineWindow != nullptr;
            },
            kLauncherStartTimeoutMs);
        EXPECT_TRUE(shown) << "no login browser window with the engine's window in it";
        EXPECT_EQ(driver::Owner(browserWindow), login);
    }

    // Closes the launcher the way the system does.
    void CloseLauncher(HWND login)
    {
        PostMessageW(login, WM_SYSCOMMAND, SC_CLOSE, 0);
        DWORD exitCode = 1;
        ASSERT_TRUE(driver::WaitForExit(m_launcher, kLauncherExitTimeoutMs, &exitCode)) << "the launcher did not end";
        EXPECT_EQ(exitCode, 0u);
        driver::CloseProcess(m_launcher);
        ASSERT_TRUE(
            driver::WaitFor([] { return driver::ProcessesNamed(kExecutable).empty(); }, kLauncherExitTimeoutMs));
    }

    bool LauncherRuns() const { return WaitForSingleObject(m_launcher.handle, 0) == WAIT_TIMEOUT; }

    // A file of the user's in the settings folder, for the uninstaller to leave.
    void KeepASettingsFile()
    {
        m_madeSettingsFolder = CreateDirectoryW(SettingsFolder().c_str(), nullptr) != FALSE;
        const std::wstring file = SettingsFolder() + L"\\" + kSettingsFile;
        if (!FileExists(file)) {
            m_madeSettingsFile = true;
            ASSERT_TRUE(systemstate::AppendToFile(file, "[Config]\r\n"));
        }
    }

    driver::Process m_launcher;
    bool m_madeSettingsFolder = false;
    bool m_madeSettingsFile = false;
};

TEST_F(Installer, InstallsForTheUserStartsTheLauncherAndUninstallsEverythingItInstalled)
{
    // Per user: the setup program asks for no administrator rights.
    EXPECT_NE(systemstate::ProgramManifest(kSetup).find("level=\"asInvoker\""), std::string::npos);

    ASSERT_NO_FATAL_FAILURE(Install());

    ASSERT_TRUE(FileExists(Installed(kExecutable)));
    EXPECT_TRUE(FileExists(Installed(L"skin\\FormLogin.xml")));
    EXPECT_TRUE(FileExists(Installed(L"libcef.dll")));
    EXPECT_TRUE(FileExists(Installed(L"locales\\zh-CN.pak")));
    ExpectRunnableFolderInstalled();

    const std::optional<systemstate::Shortcut> shortcut = systemstate::ReadShortcut(ShortcutPath());
    ASSERT_TRUE(shortcut.has_value()) << "no Start-menu shortcut";
    EXPECT_EQ(shortcut->target, Installed(kExecutable));
    EXPECT_EQ(shortcut->workingDirectory, InstallFolder());
    EXPECT_EQ(shortcut->iconFile, Installed(kExecutable));
    EXPECT_EQ(shortcut->iconIndex, 0);
    EXPECT_EQ(systemstate::FirstIconGroup(Installed(kExecutable)), kApplicationIconGroup);

    const std::wstring uninstaller = Installed(kUninstaller);
    EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, kUninstallKey, L"DisplayName"), std::wstring(kDisplayName));
    EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, kUninstallKey, L"DisplayIcon"), Installed(kExecutable) + L",0");
    EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, kUninstallKey, L"InstallLocation"), InstallFolder());
    EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, kUninstallKey, L"UninstallString"), L"\"" + uninstaller + L"\"");
    EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, kUninstallKey, L"QuietUninstallString"),
              L"\"" + uninstaller + L"\" /S");
    EXPECT_GT(systemstate::RegistryNumber(HKEY_CURRENT_USER, kUninstallKey, L"EstimatedSize").value_or(0), 0u);
    EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, kUninstallKey, KEY_WOW64_64KEY));
    EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, kUninstallKey, KEY_WOW64_32KEY));

    const HWND login = StartInstalledLauncher();
    ASSERT_NE(login, nullptr);
    ASSERT_NO_FATAL_FAILURE(CloseLauncher(login));

    ASSERT_NO_FATAL_FAILURE(KeepASettingsFile());
    // As the list of installed programs runs it: the uninstaller copies itself
    // elsewhere and ends at once; the copy does the work.
    ASSERT_EQ(systemstate::RunToEnd(uninstaller, kSilent, kSetupTimeoutMs), std::optional<DWORD>(0));
    const bool removed = driver::WaitFor(
        [] {
            return !FolderExists(InstallFolder()) && !FileExists(ShortcutPath()) &&
                   !RegistryKeyExists(HKEY_CURRENT_USER, kUninstallKey);
        },
        kSetupTimeoutMs);
    EXPECT_TRUE(removed) << "left behind:\n" << FolderSnapshot::Take(InstallFolder()).Paths();
    EXPECT_TRUE(FileExists(SettingsFolder() + L"\\" + kSettingsFile)) << "the settings folder is the user's";
}

TEST_F(Installer, LeavesAnInstallationWhoseLauncherRunsAsItIsAndReplacesItOnceTheLauncherHasEnded)
{
    ASSERT_NO_FATAL_FAILURE(Install());
    ASSERT_TRUE(systemstate::AppendToFile(Installed(kChangedFile), "an older version"));
    const HWND login = StartInstalledLauncher();
    ASSERT_NE(login, nullptr);
    const InstallationState before = InstallationState::Read();

    const std::optional<DWORD> setupExit = systemstate::RunToEnd(kSetup, kSilent, kSetupTimeoutMs);
    EXPECT_EQ(setupExit, std::optional<DWORD>(kExitLauncherRunning));
    ExpectSameInstallation(before, InstallationState::Read());

    // The uninstaller run where it is (_?=), so that its own exit code tells.
    const std::wstring inPlace = std::wstring(kSilent) + L" _?=" + InstallFolder();
    const std::optional<DWORD> uninstallExit = systemstate::RunToEnd(Installed(kUninstaller), inPlace, kSetupTimeoutMs);
    EXPECT_EQ(uninstallExit, std::optional<DWORD>(kExitLauncherRunning));
    ExpectSameInstallation(before, InstallationState::Read());

    ASSERT_TRUE(LauncherRuns());
    ASSERT_TRUE(IsWindow(login));
    ASSERT_NO_FATAL_FAILURE(CloseLauncher(login));

    ASSERT_NO_FATAL_FAILURE(Install());
    ExpectRunnableFolderInstalled();
    const HWND again = StartInstalledLauncher();
    ASSERT_NE(again, nullptr);
    ASSERT_NO_FATAL_FAILURE(CloseLauncher(again));
}

TEST_F(Installer, UndoesAReplacementThatFailsPartWay)
{
    ASSERT_NO_FATAL_FAILURE(Install());
    ASSERT_TRUE(systemstate::AppendToFile(Installed(kChangedFile), "an older version"));
    const InstallationState before = InstallationState::Read();

    HANDLE held = CreateFileW(Installed(kHeldFile).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const std::optional<DWORD> setupExit = systemstate::RunToEnd(kSetup, kSilent, kSetupTimeoutMs);
    CloseHandle(held);

    EXPECT_EQ(setupExit, std::optional<DWORD>(kExitUndone));
    ExpectSameInstallation(before, InstallationState::Read());
}

}  // namespace
