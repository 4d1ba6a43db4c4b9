#include "browser/error_page.h"

#include <gtest/gtest.h>

namespace {

TEST(ErrorPage, KeepsThePageTextAndTheSignedCode)
{
    EXPECT_EQ(ErrorPageHtml("http://127.0.0.1:9/x", "ERR_CONNECTION_REFUSED", -102),
              "<html><body bgcolor=\"white\"><h2>Failed to load URL http://127.0.0.1:9/x with error "
              "ERR_CONNECTION_REFUSED (-102).</h2></body></html>");
    EXPECT_NE(ErrorPageHtml("a", "b", 7).find(" (7).</h2>"), std::string::npos);
}

TEST(ErrorPage, AddressAndTextCannotInjectMarkup)
{
    const std::string page =
        ErrorPageHtml("http://h/<script>alert('x')</script>?a=1&b=\"2\"", "<b>text</b> & 'more'", -105);
    EXPECT_EQ(page.find("<script>"), std::string::npos);
    EXPECT_EQ(page.find("<b>"), std::string::npos);
    EXPECT_NE(page.find("http://h/&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;?a=1&amp;b=&quot;2&quot;"),
              std::string::npos);
    EXPECT_NE(page.find("&lt;b&gt;text&lt;/b&gt; &amp; &#39;more&#39;"), std::string::npos);
}

TEST(ErrorPage, EscapingLeavesOtherTextAlone)
{
    EXPECT_EQ(HtmlEscape("&<>\"'"), "&amp;&lt;&gt;&quot;&#39;");
    EXPECT_EQ(HtmlEscape("plain 文本 %3C"), "plain 文本 %3C");
    EXPECT_EQ(HtmlEscape(""), "");
}

}  // namespace
