// Times the toolkit against plain GDI code drawing the same picture in the
// same run: creating a window of about twenty controls up to its first
// paint, and repainting after the pointer moves onto another button.
// Prints each as a ratio; run it under Wine with a display.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "clock.h"
#include "figure.h"
#include "plain_gdi_window.h"
#include "samples.h"
#include "skinned_window.h"
#include "toolkit/button.h"
#include "toolkit/container.h"
#include "toolkit/label.h"

namespace {

constexpr wchar_t kSkinFolder[] = L"bench-skins";
// Wine hands activated and captioned windows to the X window manager and,
// with none running, waits two seconds for each to be unmapped. Popups
// shown without activation stay its own.
constexpr DWORD kStyle = WS_POPUP;
constexpr int kLeft = 100;
constexpr int kTop = 100;
constexpr int kCreateRounds = 40;
constexpr int kHoverRounds = 400;
constexpr UINT kTextFormat = DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX;

double TimeMs(const std::function<void()>& work)
{
    const double start = NowMs();
    work();
    return NowMs() - start;
}

void DrainMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

COLORREF ToColorRef(DWORD argb)
{
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

// The skinned window's picture as the baseline's fixed items.
void CollectItems(CControlUI* control, std::vector<PlainItem>& items, int& controls)
{
    if (!control || !control->IsVisible()) {
        return;
    }
    ++controls;
    PlainItem item = {};
    item.rect = control->GetPos();
    item.background = ToColorRef(control->GetBkColor());
    item.hasBackground = (control->GetBkColor() >> 24) != 0;
    if (auto* button = dynamic_cast<CButtonUI*>(control)) {
        item.hoverable = true;
        item.hotBackground = ToColorRef(button->GetStateBkColor(CButtonUI::State::Hot));
    }
    if (auto* label = dynamic_cast<CLabelUI*>(control)) {
        const RECT& padding = label->GetTextPadding();
        item.text = label->GetText().Str();
        item.textRect = {item.rect.left + padding.left, item.rect.top + padding.top, item.rect.right - padding.right,
                         item.rect.bottom - padding.bottom};
        item.textColor = ToColorRef(label->GetTextColor());
        item.textFormat = label->GetTextAlign() | kTextFormat;
    }
    items.push_back(item);
    if (auto* container = dynamic_cast<CContainerUI*>(control)) {
        for (int i = 0; i < container->GetCount(); ++i) {
            CollectItems(container->GetItemAt(i), items, controls);
        }
    }
}

POINT CentreOf(const RECT& rc)
{
    return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

// Moves the pointer between two buttons and times each repaint.
double HoverMedian(HWND window, POINT first, POINT second)
{
    std::vector<double> samples;
    for (int i = 0; i < kHoverRounds; ++i) {
        const POINT pt = i % 2 == 0 ? first : second;
        samples.push_back(TimeMs([&] {
            SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
            UpdateWindow(window);
        }));
        DrainMessages();
    }
    return Median(samples);
}

void PrintRatio(const char* name, const std::string& what, double toolkitMs, double plainMs)
{
    PrintFigure({name, toolkitMs / plainMs, "x", std::nullopt, "",
                 what + ", toolkit / plain GDI: " + FigurePair(toolkitMs, plainMs, "ms")});
}

}  // namespace

int main()
{
    CPaintManagerUI::SetResourcePath(CPaintManagerUI::GetInstancePath() + kSkinFolder);

    // The reference window: the baseline copies its laid-out picture and font.
    SkinnedWindow reference;
    if (!reference.Create(nullptr, L"reference", kStyle, 0, kLeft, kTop)) {
        std::printf("cannot create the skinned window\n");
        return 1;
    }
    CPaintManagerUI& manager = reference.GetPaintManager();
    if (!manager.GetSkinProblems().empty()) {
        std::printf("skin problem: %ls\n", manager.GetLastSkinError().GetData());
        return 1;
    }
    std::vector<PlainItem> items;
    int controls = 0;
    CollectItems(manager.GetRoot(), items, controls);
    RECT client;
    GetClientRect(reference, &client);
    HFONT font = manager.GetDefaultFont();
    const POINT official = CentreOf(manager.FindControl(L"officialbtn")->GetPos());
    const POINT forum = CentreOf(manager.FindControl(L"forumbtn")->GetPos());
    reference.ShowWindow(false);
    DrainMessages();

    std::vector<double> toolkitCreate;
    std::vector<double> plainCreate;
    // Each window is destroyed only after its time has been taken.
    for (int round = 0; round < kCreateRounds; ++round) {
        std::unique_ptr<SkinnedWindow> skinnedWindow;
        toolkitCreate.push_back(TimeMs([&] {
            skinnedWindow = std::make_unique<SkinnedWindow>();
            skinnedWindow->Create(nullptr, L"skinned", kStyle, 0, kLeft, kTop);
            ShowWindow(*skinnedWindow, SW_SHOWNA);
            UpdateWindow(*skinnedWindow);
        }));
        skinnedWindow.reset();
        DrainMessages();
        std::unique_ptr<PlainGdiWindow> plainWindow;
        plainCreate.push_back(TimeMs([&] {
            plainWindow = std::make_unique<PlainGdiWindow>(items, font);
            plainWindow->Create(kStyle, kLeft, kTop, client.right, client.bottom);
            ShowWindow(plainWindow->GetHWND(), SW_SHOWNA);
            UpdateWindow(plainWindow->GetHWND());
        }));
        plainWindow.reset();
        DrainMessages();
    }

    SkinnedWindow skinned;
    skinned.Create(nullptr, L"skinned", kStyle, 0, kLeft, kTop);
    ShowWindow(skinned, SW_SHOWNA);
    UpdateWindow(skinned);
    const double toolkitHover = HoverMedian(skinned, official, forum);
    skinned.ShowWindow(false);
    PlainGdiWindow plain(items, font);
    plain.Create(kStyle, kLeft, kTop, client.right, client.bottom);
    ShowWindow(plain.GetHWND(), SW_SHOWNA);
    UpdateWindow(plain.GetHWND());
    const double plainHover = HoverMedian(plain.GetHWND(), official, forum);

    const std::string window = "window of " + std::to_string(controls) + " controls";
    PrintRatio("toolkit.create", window + " created and first painted (median of " + std::to_string(kCreateRounds) + ")",
               Median(toolkitCreate), Median(plainCreate));
    PrintRatio("toolkit.hover", "repaint after the pointer moves to another button (median of " +
                                    std::to_string(kHoverRounds) + ")",
               toolkitHover, plainHover);
    return 0;
}
