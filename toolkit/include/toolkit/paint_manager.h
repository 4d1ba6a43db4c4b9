// Owns a window's control tree and skin resources, paints the tree double
// buffered and turns mouse input into control events and notifications.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/dpi.h"
#include "toolkit/dui_string.h"
#include "toolkit/message_filter.h"
#include "toolkit/notify.h"

class CControlUI;
class BackBuffer;
struct SkinImage;

class CPaintManagerUI {
public:
    CPaintManagerUI();
    ~CPaintManagerUI();
    CPaintManagerUI(const CPaintManagerUI&) = delete;
    CPaintManagerUI& operator=(const CPaintManagerUI&) = delete;

    // Process-wide settings; main thread only.
    static void SetInstance(HINSTANCE instance);
    // The module given to SetInstance, else the executable.
    static HINSTANCE GetInstance();
    // The folder of that module, ending in a backslash.
    static CDuiString GetInstancePath();
    // Where skin files are looked up; unset, the instance path.
    static void SetResourcePath(const wchar_t* path);
    // Ends in a backslash.
    static CDuiString GetResourcePath();

    // Binds the manager to its window and forgets any earlier skin; the
    // window's DPI is the system's for it.
    void Init(HWND window);
    HWND GetPaintWindow() const { return m_window; }

    // The DPI the skin is laid out at: its units are pixels at 96.
    UINT GetDpi() const { return m_dpi; }
    // Lays the skin out again at that DPI (brought inside what Windows
    // offers): fonts, sizes, positions and images. The window's own size is
    // left to the caller.
    void SetDpi(UINT dpi);
    // Skin units to pixels at the window's DPI.
    int Scale(int units) const;
    SIZE Scale(SIZE units) const;
    POINT Scale(POINT units) const;
    RECT Scale(const RECT& units) const;

    // Replaces the control tree; the manager owns the new root.
    void AttachDialog(CControlUI* root);
    CControlUI* GetRoot() const { return m_root.get(); }
    // The first control of the tree, depth first, with that name; or null.
    CControlUI* FindControl(const wchar_t* name) const;

    void AddNotifier(INotifyUI* notifier);
    void AddMessageFilter(IMessageFilterUI* filter);
    // Hands the notification to every notifier at once.
    void SendNotify(CControlUI* sender, const wchar_t* type, WPARAM wParam = 0, LPARAM lParam = 0);

    // The messages the toolkit processes for the window; true when the
    // message has been dealt with and result is its answer.
    bool MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // Window settings from the skin, set in skin units and read in pixels at
    // the window's DPI. Edges of the caption rectangle that are 0 or less
    // count from the client's right and bottom edges.
    SIZE GetInitSize() const { return Scale(m_initSize); }
    void SetInitSize(SIZE size) { m_initSize = size; }
    RECT GetCaptionRect() const { return Scale(m_captionRect); }
    void SetCaptionRect(const RECT& caption) { m_captionRect = caption; m_hasCaption = true; }
    bool HasCaption() const { return m_hasCaption; }
    // Widths of the resizing borders; all zero for a fixed-size window.
    RECT GetSizeBox() const { return Scale(m_sizeBox); }
    void SetSizeBox(const RECT& sizeBox) { m_sizeBox = sizeBox; }
    bool HasSizeBox() const;
    SIZE GetMinInfo() const { return Scale(m_minInfo); }
    void SetMinInfo(SIZE size) { m_minInfo = size; }

    // Skin resources. Images are files relative to the skin folder.
    void SetSkinFolder(const CDuiString& folder) { m_skinFolder = folder; }
    const CDuiString& GetSkinFolder() const { return m_skinFolder; }
    // size is the character height in skin units.
    void AddFont(int id, const wchar_t* face, int size, bool bold, bool isDefault);
    // The font with that id, else the default font.
    HFONT GetFont(int id);
    HFONT GetDefaultFont();
    // Loaded once per file; null (and a skin problem) when unreadable.
    const SkinImage* GetImage(const CDuiString& file);

    // Why parts of the skin could not be built or drawn, in the order found.
    void AddSkinProblem(const CDuiString& problem);
    // Where in its file the skin reader is ("file, line 12"); problems added
    // meanwhile start with it. Empty while no skin is read.
    void SetSkinLocation(const CDuiString& location) { m_skinLocation = location; }
    const std::vector<CDuiString>& GetSkinProblems() const { return m_skinProblems; }
    // The newest of those, or empty.
    CDuiString GetLastSkinError() const;

private:
    void Reset();
    void Paint();
    // Whether the root's own opaque background fills all of the area: then
    // nothing needs painting under it.
    bool RootCoversOpaquely(const RECT& area) const;
    void LayoutRoot();
    void SetHover(CControlUI* control, POINT pt);
    void OnMouseMove(POINT pt);
    void OnButtonDown(POINT pt);
    void OnButtonUp(POINT pt);
    void CancelPress();
    void DeleteFonts();
    // The fonts again at the current DPI.
    void RemakeFonts();

    // What a skin font is made from; its size in skin units.
    struct SkinFont {
        std::wstring face;
        int size;
        bool bold;
        HFONT font;
    };

    HWND m_window = nullptr;
    std::unique_ptr<CControlUI> m_root;
    std::vector<INotifyUI*> m_notifiers;
    std::vector<IMessageFilterUI*> m_filters;
    CControlUI* m_hover = nullptr;
    CControlUI* m_pressed = nullptr;
    bool m_trackingLeave = false;
    std::unique_ptr<BackBuffer> m_buffer;

    SIZE m_initSize = {};
    RECT m_captionRect = {};
    bool m_hasCaption = false;
    RECT m_sizeBox = {};
    SIZE m_minInfo = {};

    CDuiString m_skinFolder;
    UINT m_dpi = kSkinDpi;
    std::map<int, SkinFont> m_fonts;
    int m_defaultFontId = -1;
    HFONT m_fallbackFont = nullptr;
    std::map<std::wstring, std::shared_ptr<const SkinImage>> m_images;
    std::vector<CDuiString> m_skinProblems;
    CDuiString m_skinLocation;
};
