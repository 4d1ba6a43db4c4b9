// The application object with the real engine: the switches it appends reach
// the browser process and every engine sub-process, in order, after the
// process's own switches.
#include "browser_fixture.h"
#include "driver.h"
#include "switch_log.h"

#include "browser/simple_app.h"
#include "engine/cef_command_line.h"

#include <gtest/gtest.h>

namespace {

const wchar_t* const kLauncherSwitches[] = {L"--disable-web-security", L"--enable-system-flash", L"--enable-npapi"};

// Positions of the switches in the command line, each searched after the one
// before it; npos when one is missing.
std::vector<size_t> PositionsInOrder(const std::wstring& commandLine, const std::vector<std::wstring>& switches)
{
    std::vector<size_t> positions;
    size_t from = 0;
    for (const std::wstring& name : switches) {
        const size_t at = commandLine.find(name, from);
        positions.push_back(at);
        if (at == std::wstring::npos)
            break;
        from = at + name.size();
    }
    return positions;
}

bool AllFound(const std::vector<size_t>& positions, size_t expected)
{
    return positions.size() == expected &&
           std::find(positions.begin(), positions.end(), std::wstring::npos) == positions.end();
}

TEST(SimpleAppSwitches, BrowserProcessGetsThemAfterItsOwnEvenWhenAlreadyPresent)
{
    CefRefPtr<CefCommandLine> commandLine = CefCommandLine::GetGlobalCommandLine();
    ASSERT_NE(commandLine, nullptr);
    const std::wstring text = commandLine->GetCommandLineString().ToWString();
    // The test program is started with --enable-npapi of its own; it is appended once more.
    const std::vector<size_t> positions =
        PositionsInOrder(text, {L"--enable-npapi", kLauncherSwitches[0], kLauncherSwitches[1], kLauncherSwitches[2]});
    EXPECT_TRUE(AllFound(positions, 4)) << text;
    for (const wchar_t* name : {L"disable-web-security", L"enable-system-flash", L"enable-npapi"})
        EXPECT_TRUE(commandLine->HasSwitch(name)) << name;
}

class SubProcessSwitchTest : public BrowserFixture {};

TEST_F(SubProcessSwitchTest, EveryEngineSubProcessGetsThemInOrder)
{
    Site().Page("/renderer", "<html><body>renderer</body></html>");
    CefRefPtr<ObservedHandler> client(new ObservedHandler);
    ASSERT_NE(OpenBrowser(client, "/renderer"), nullptr);
    std::vector<SwitchLogEntry> entries;
    ASSERT_TRUE(driver::WaitFor(
        [&] {
            entries = ReadSwitchLog();
            return std::any_of(entries.begin(), entries.end(),
                               [](const SwitchLogEntry& e) { return e.processType == L"renderer"; });
        },
        kEngineStepTimeoutMs))
        << "no renderer process reported its command line";
    for (const SwitchLogEntry& entry : entries) {
        SCOPED_TRACE(entry.processType);
        const std::vector<std::wstring> switches(std::begin(kLauncherSwitches), std::end(kLauncherSwitches));
        const std::vector<size_t> positions = PositionsInOrder(entry.commandLine, switches);
        ASSERT_TRUE(AllFound(positions, switches.size())) << entry.commandLine;
        // They come last, after whatever the engine gave the process.
        EXPECT_EQ(positions.back() + switches.back().size(), entry.commandLine.size()) << entry.commandLine;
    }
}

TEST(SimpleAppHandlers, BrowserProcessHandlerIsTheAppItselfAsANewReference)
{
    CefRefPtr<SimpleApp> app(new SimpleApp);
    EXPECT_TRUE(app->HasOneRef());
    {
        CefRefPtr<CefBrowserProcessHandler> handler = app->GetBrowserProcessHandler();
        EXPECT_EQ(dynamic_cast<SimpleApp*>(handler.get()), app.get());
        EXPECT_FALSE(app->HasOneRef());
        EXPECT_EQ(dynamic_cast<SimpleApp*>(app->GetBrowserProcessHandler().get()), app.get());
    }
    EXPECT_TRUE(app->HasOneRef());
    EXPECT_EQ(app->GetRenderProcessHandler(), nullptr);
    EXPECT_EQ(app->GetResourceBundleHandler(), nullptr);
}

}  // namespace
