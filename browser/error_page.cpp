#include "browser/error_page.h"

namespace {

constexpr wchar_t kErrorTitle[] = L"\x9875\x9762\x52A0\x8F7D\x5931\x8D25";  // "页面加载失败"
// "无法打开这个页面。" (this page cannot be opened.)
constexpr wchar_t kErrorText[] = L"\x65E0\x6CD5\x6253\x5F00\x8FD9\x4E2A\x9875\x9762\x3002";
constexpr wchar_t kAddressLabel[] = L"\x5730\x5740\xFF1A";  // "地址："
constexpr wchar_t kErrorLabel[] = L"\x9519\x8BEF\xFF1A";    // "错误："
constexpr wchar_t kCrashTitle[] = L"\x9875\x9762\x5DF2\x505C\x6B62\x8FD0\x884C";  // "页面已停止运行"
// "显示这个页面的进程意外结束了。" (the process that showed this page ended unexpectedly.)
constexpr wchar_t kCrashText[] =
    L"\x663E\x793A\x8FD9\x4E2A\x9875\x9762\x7684\x8FDB\x7A0B\x610F\x5916\x7ED3\x675F\x4E86\x3002";
constexpr wchar_t kReloadLabel[] = L"\x91CD\x65B0\x52A0\x8F7D";  // "重新加载"

std::wstring Px(int value)
{
    return std::to_wstring(value) + L"px";
}

// A page with a title, lines of text (already escaped) and the button to the
// address. The button is a link: a form would drop the address's query.
std::wstring OwnPage(const wchar_t* title, const std::wstring& body, const std::wstring& address)
{
    return L"<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>" + std::wstring(title) +
           L"</title><style>"
           L"body{margin:40px;background:#f4f1ea;color:#2b2b2b;font-family:'Microsoft YaHei',sans-serif;}"
           L"p{word-break:break-all;}"
           L"#reload{position:fixed;left:" + Px(kOwnPageButtonLeft) + L";top:" + Px(kOwnPageButtonTop) +
           L";width:" + Px(kOwnPageButtonWidth) + L";height:" + Px(kOwnPageButtonHeight) + L";line-height:" +
           Px(kOwnPageButtonHeight) +
           L";text-align:center;background:#b8862d;color:#fff;text-decoration:none;border-radius:4px;}"
           L"</style></head><body><h2>" + title + L"</h2>" + body + L"<a id=\"reload\" href=\"" +
           HtmlEscape(address) + L"\">" + kReloadLabel + L"</a></body></html>";
}

}  // namespace

std::wstring HtmlEscape(const std::wstring& text)
{
    std::wstring escaped;
    escaped.reserve(text.size());
    for (wchar_t c : text) {
        switch (c) {
        case L'&': escaped += L"&amp;"; break;
        case L'<': escaped += L"&lt;"; break;
        case L'>': escaped += L"&gt;"; break;
        case L'"': escaped += L"&quot;"; break;
        case L'\'': escaped += L"&#39;"; break;
        default: escaped += c; break;
        }
    }
    return escaped;
}

std::wstring ErrorPageHtml(const std::wstring& failedUrl, const std::wstring& errorText, int errorCode)
{
    std::wstring error = std::to_wstring(errorCode);
    if (!errorText.empty())
        error = HtmlEscape(errorText) + L" (" + error + L")";
    return OwnPage(kErrorTitle,
                   L"<p>" + std::wstring(kErrorText) + L"</p><p>" + kAddressLabel + HtmlEscape(failedUrl) +
                       L"</p><p>" + kErrorLabel + error + L"</p>",
                   failedUrl);
}

std::wstring CrashPageHtml(const std::wstring& address)
{
    return OwnPage(kCrashTitle,
                   L"<p>" + std::wstring(kCrashText) + L"</p><p>" + kAddressLabel + HtmlEscape(address) + L"</p>",
                   address);
}
