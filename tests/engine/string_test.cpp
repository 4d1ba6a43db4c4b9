// CefString's conversions and the ownership of string buffers across the C boundary.
#include "string_interop.h"

#include "engine/cef_string.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cwchar>

extern "C" cef_string_userfree_t cef_string_userfree_utf16_alloc();

namespace {

const char kUtf8Text[] = "\xE5\xBE\xAE\xE7\xAB\xAF Zarnith \xF0\x9F\x98\x80";  // 微端 Zarnith and an emoji
const wchar_t kUtf16Text[] = L"\x5FAE\x7AEF Zarnith \xD83D\xDE00";

TEST(EngineString, ConvertsBetweenUtf8AndUtf16)
{
    const CefString fromUtf8(kUtf8Text);
    EXPECT_EQ(fromUtf8.ToWString(), kUtf16Text);
    EXPECT_EQ(fromUtf8.length(), std::wcslen(kUtf16Text));  // the emoji is two UTF-16 units

    const CefString fromWide(kUtf16Text);
    EXPECT_EQ(fromWide.ToString(), kUtf8Text);
    EXPECT_EQ(fromWide, fromUtf8);

    const std::string implicitUtf8 = fromWide;
    const std::wstring implicitWide = fromUtf8;
    EXPECT_EQ(implicitUtf8, kUtf8Text);
    EXPECT_EQ(implicitWide, kUtf16Text);
}

TEST(EngineString, BadOrMissingInputGivesUsableText)
{
    EXPECT_TRUE(CefString(static_cast<const char*>(nullptr)).empty());
    EXPECT_TRUE(CefString(static_cast<const wchar_t*>(nullptr)).empty());
    EXPECT_TRUE(CefString("").empty());

    const CefString invalid("ab\xFF\xFE" "cd");
    const std::wstring text = invalid.ToWString();
    EXPECT_EQ(text.substr(0, 2), L"ab");
    EXPECT_EQ(text.substr(text.size() - 2), L"cd");

    const CefString embeddedNul(std::string("a\0b", 3));
    EXPECT_EQ(embeddedNul.length(), 3u);
}

int g_ownBufferFrees = 0;

void FreeOwnBuffer(wchar_t* buffer)
{
    ++g_ownBufferFrees;
    std::free(buffer);
}

// A string whose buffer was allocated by someone other than the engine.
void FillWithOwnBuffer(cef_string_t* target, const wchar_t* text)
{
    const std::size_t length = std::wcslen(text);
    auto* buffer = static_cast<wchar_t*>(std::malloc((length + 1) * sizeof(wchar_t)));
    std::wmemcpy(buffer, text, length + 1);
    target->str = buffer;
    target->length = length;
    target->dtor = &FreeOwnBuffer;
}

TEST(EngineString, ReplacingAnEngineStringReleasesItsBufferByItsOwnDestructor)
{
    g_ownBufferFrees = 0;
    cef_string_t target = {};
    FillWithOwnBuffer(&target, L"old");

    engine_internal::CopyToEngine(CefString(L"\x65B0new"), &target);
    EXPECT_EQ(g_ownBufferFrees, 1);
    EXPECT_EQ(engine_internal::FromEngine(&target).ToWString(), L"\x65B0new");
    // The new buffer is the engine's and is freed by the engine's destructor.
    EXPECT_NE(target.dtor, nullptr);
    EXPECT_NE(target.dtor, &FreeOwnBuffer);
    cef_string_utf16_clear(&target);
    EXPECT_EQ(g_ownBufferFrees, 1);
    EXPECT_EQ(target.str, nullptr);
}

TEST(EngineString, StringsTheEngineReturnsAreCopiedAndFreedByTheEngine)
{
    g_ownBufferFrees = 0;
    cef_string_userfree_t returned = cef_string_userfree_utf16_alloc();
    ASSERT_NE(returned, nullptr);
    FillWithOwnBuffer(returned, L"http://127.0.0.1/\x5FAE");

    const CefString copy = engine_internal::TakeUserFree(returned);
    EXPECT_EQ(copy.ToWString(), L"http://127.0.0.1/\x5FAE");
    // Freeing the returned string cleared its text through the buffer's destructor.
    EXPECT_EQ(g_ownBufferFrees, 1);

    EXPECT_TRUE(engine_internal::TakeUserFree(nullptr).empty());
}

TEST(EngineString, ViewsPointIntoTheTextWithoutTakingOwnership)
{
    const CefString text(L"zh-CN");
    const cef_string_t view = engine_internal::EngineView(text);
    EXPECT_EQ(view.str, text.c_str());
    EXPECT_EQ(view.length, 5u);
    EXPECT_EQ(view.dtor, nullptr);
}

}  // namespace
