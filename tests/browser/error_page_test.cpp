#include "browser/error_page.h"
#include "browser/page_recovery.h"

#include <gtest/gtest.h>

namespace {

constexpr wchar_t kErrorTitle[] = L"<title>\x9875\x9762\x52A0\x8F7D\x5931\x8D25</title>";  // "页面加载失败"
constexpr wchar_t kCrashTitle[] = L"<title>\x9875\x9762\x5DF2\x505C\x6B62\x8FD0\x884C</title>";  // "页面已停止运行"

bool Contains(const std::wstring& page, const std::wstring& part)
{
    return page.find(part) != std::wstring::npos;
}

TEST(OwnPages, ErrorPageNamesTheFailureAndLinksItsButtonToTheAddress)
{
    const std::wstring page = ErrorPageHtml(L"http://127.0.0.1:9/x?a=1", L"", -102);
    EXPECT_TRUE(Contains(page, kErrorTitle)) << page;
    EXPECT_TRUE(Contains(page, L"http://127.0.0.1:9/x?a=1</p>")) << page;
    EXPECT_TRUE(Contains(page, L"\x9519\x8BEF\xFF1A-102</p>")) << page;  // "错误：-102"
    EXPECT_TRUE(Contains(page, L"<a id=\"reload\" href=\"http://127.0.0.1:9/x?a=1\">")) << page;
    EXPECT_TRUE(Contains(ErrorPageHtml(L"a", L"ERR_FAILED", 7), L"ERR_FAILED (7)</p>"));
    EXPECT_FALSE(Contains(page, kCrashTitle));
}

TEST(OwnPages, CrashPageNamesTheEndAndLinksItsButtonToTheAddress)
{
    const std::wstring page = CrashPageHtml(L"http://127.0.0.1:8610/game/play.html?server=1&account=p");
    EXPECT_TRUE(Contains(page, kCrashTitle)) << page;
    EXPECT_TRUE(Contains(page, L"<a id=\"reload\" href=\"http://127.0.0.1:8610/game/play.html?server=1&amp;account=p\">"))
        << page;
    EXPECT_FALSE(Contains(page, kErrorTitle));
}

TEST(OwnPages, AddressAndTextCannotInjectMarkup)
{
    const std::wstring address = L"http://h/\"><script>alert('x')</script>?a=1&b=\"2\"";
    for (const std::wstring& page :
         {ErrorPageHtml(address, L"<b>text</b> & 'more'", -105), CrashPageHtml(address)}) {
        EXPECT_FALSE(Contains(page, L"<script>")) << page;
        EXPECT_FALSE(Contains(page, L"<b>")) << page;
        EXPECT_TRUE(Contains(page, L"href=\"http://h/&quot;&gt;&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;?a=1&amp;"
                                   L"b=&quot;2&quot;\""))
            << page;
    }
    EXPECT_TRUE(Contains(ErrorPageHtml(address, L"<b>text</b> & 'more'", -105),
                         L"&lt;b&gt;text&lt;/b&gt; &amp; &#39;more&#39; (-105)"));
}

TEST(OwnPages, EscapingLeavesOtherTextAlone)
{
    EXPECT_EQ(HtmlEscape(L"&<>\"'"), L"&amp;&lt;&gt;&quot;&#39;");
    EXPECT_EQ(HtmlEscape(L"plain \x6587\x672C %3C"), L"plain \x6587\x672C %3C");
    EXPECT_EQ(HtmlEscape(L""), L"");
}

TEST(ReloadKey, IsF5GoingDownWithoutCtrlAltOrShift)
{
    CefKeyEvent event = {};
    event.type = KEYEVENT_RAWKEYDOWN;
    event.windows_key_code = VK_F5;
    EXPECT_TRUE(IsReloadKey(event));
    event.modifiers = EVENTFLAG_NUM_LOCK_ON | EVENTFLAG_CAPS_LOCK_ON;
    EXPECT_TRUE(IsReloadKey(event));
    for (const cef_event_flags_t modifier : {EVENTFLAG_SHIFT_DOWN, EVENTFLAG_CONTROL_DOWN, EVENTFLAG_ALT_DOWN}) {
        event.modifiers = modifier;
        EXPECT_FALSE(IsReloadKey(event)) << modifier;
    }
    event.modifiers = 0;
    for (const cef_key_event_type_t type : {KEYEVENT_KEYDOWN, KEYEVENT_KEYUP, KEYEVENT_CHAR}) {
        event.type = type;
        EXPECT_FALSE(IsReloadKey(event)) << type;
    }
    event.type = KEYEVENT_RAWKEYDOWN;
    event.windows_key_code = VK_F6;
    EXPECT_FALSE(IsReloadKey(event));
}

}  // namespace
