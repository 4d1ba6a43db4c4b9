#include "skin_builder.h"

#include "system_library.h"

#include <objbase.h>
#include <shlwapi.h>
#include <xmllite.h>

#include <cwchar>
#include <string>
#include <utility>
#include <vector>

#include "attribute_values.h"
#include "hresult_text.h"
#include "toolkit/button.h"
#include "toolkit/container.h"
#include "toolkit/horizontal_layout.h"
#include "toolkit/label.h"
#include "toolkit/paint_manager.h"
#include "toolkit/vertical_layout.h"

namespace {

constexpr wchar_t kWindowElement[] = L"Window";
constexpr wchar_t kFontElement[] = L"Font";
constexpr wchar_t kIgnored[] = L"ignored";
// Far beyond any launcher skin. Together with the bound on numbers, the size
// keeps what the layouts add up well inside int's range; the depth keeps the
// controls' recursive painting and hit testing shallow.
constexpr UINT kLargestSkinBytes = 256 * 1024;
constexpr UINT kDeepestNesting = 64;

using Attributes = std::vector<std::pair<std::wstring, std::wstring>>;
using CreateXmlReaderFunction = HRESULT(WINAPI*)(REFIID riid, void** reader, IMalloc* malloc);

// The system's XML reader, loaded once for the process from the system
// folder only: a DLL of that name beside the program is never used.
CreateXmlReaderFunction XmlReaderFactory()
{
    static CreateXmlReaderFunction factory = [] {
        HMODULE library = LoadFromSystemFolder(L"xmllite.dll");
        FARPROC proc = library ? GetProcAddress(library, "CreateXmlReader") : nullptr;
        return reinterpret_cast<CreateXmlReaderFunction>(reinterpret_cast<void*>(proc));
    }();
    return factory;
}

CDuiString NumberText(unsigned int value)
{
    return std::to_wstring(value);
}

bool LargerThanAllowed(IStream& stream)
{
    STATSTG stat = {};
    return SUCCEEDED(stream.Stat(&stat, STATFLAG_NONAME)) && stat.cbSize.QuadPart > kLargestSkinBytes;
}

class SkinReader {
public:
    SkinReader(const CDuiString& path, CPaintManagerUI& manager, IDialogBuilderCallback* callback)
        : m_path(path), m_manager(manager), m_callback(callback)
    {
    }

    CControlUI* Read();

private:
    // One open element: the control it made (null for the window, fonts and
    // anything left out) and whether its children are left out with it.
    struct Frame {
        CControlUI* control;
        bool skipChildren;
    };

    // Where the reader is: the manager starts every problem found there,
    // the reader's own and those of the images the attributes name, with it.
    void At(UINT line);
    void Problem(const CDuiString& text);
    void UnknownAttribute(const std::wstring& element, const std::wstring& attribute);
    // outcome: what became of the attribute or its element.
    void MalformedAttribute(const std::wstring& element, const std::wstring& attribute, const std::wstring& value,
                            const wchar_t* outcome);
    bool ReadAttributes(IXmlReader& reader, Attributes& attributes);
    void OpenElement(const std::wstring& name, const Attributes& attributes);
    void ApplyWindowAttributes(const Attributes& attributes);
    void AddFont(const Attributes& attributes);

    CDuiString m_path;
    CPaintManagerUI& m_manager;
    IDialogBuilderCallback* m_callback;
    std::vector<Frame> m_open;
    CControlUI* m_root = nullptr;
    bool m_startedWithWindow = false;
};

void SkinReader::At(UINT line)
{
    m_manager.SetSkinLocation(m_path + L", line " + NumberText(line));
}

void SkinReader::Problem(const CDuiString& text)
{
    m_manager.AddSkinProblem(text);
}

void SkinReader::UnknownAttribute(const std::wstring& element, const std::wstring& attribute)
{
    Problem(L"<" + CDuiString(element) + L"> has no attribute \"" + CDuiString(attribute) + L"\"; ignored");
}

void SkinReader::MalformedAttribute(const std::wstring& element, const std::wstring& attribute,
                                    const std::wstring& value, const wchar_t* outcome)
{
    Problem(L"attribute " + CDuiString(attribute) + L"=\"" + CDuiString(value) + L"\" of <" + CDuiString(element) +
            L"> is malformed; " + outcome);
}

CControlUI* SkinReader::Read()
{
    // Problems before the first node concern the whole file.
    m_manager.SetSkinLocation(m_path);
    CreateXmlReaderFunction factory = XmlReaderFactory();
    if (!factory) {
        Problem(L"the system's XML reader (xmllite.dll) is missing");
        return nullptr;
    }
    IStream* stream = nullptr;
    HRESULT hr = SHCreateStreamOnFileW(m_path, STGM_READ | STGM_SHARE_DENY_WRITE, &stream);
    if (FAILED(hr)) {
        Problem(L"cannot open the skin file (" + HresultText(hr) + L")");
        return nullptr;
    }
    if (LargerThanAllowed(*stream)) {
        Problem(L"the skin file is larger than " + NumberText(kLargestSkinBytes) + L" bytes; it is not read");
        stream->Release();
        return nullptr;
    }
    IXmlReader* reader = nullptr;
    hr = factory(__uuidof(IXmlReader), reinterpret_cast<void**>(&reader), nullptr);
    if (SUCCEEDED(hr)) {
        reader->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Prohibit);
        reader->SetProperty(XmlReaderProperty_MaxElementDepth, kDeepestNesting);
        hr = reader->SetInput(stream);
    }
    XmlNodeType type = XmlNodeType_None;
    UINT line = 0;
    while (SUCCEEDED(hr) && (hr = reader->Read(&type)) == S_OK) {
        reader->GetLineNumber(&line);
        At(line);
        if (type == XmlNodeType_Element) {
            const WCHAR* name = nullptr;
            reader->GetLocalName(&name, nullptr);
            const std::wstring element = name ? name : L"";
            const bool empty = reader->IsEmptyElement() != FALSE;
            Attributes attributes;
            if (!ReadAttributes(*reader, attributes)) {
                hr = E_FAIL;
                break;
            }
            OpenElement(element, attributes);
            if (empty) {
                m_open.pop_back();
            }
        } else if (type == XmlNodeType_EndElement && !m_open.empty()) {
            m_open.pop_back();
        }
    }
    if (FAILED(hr)) {
        if (reader) {
            reader->GetLineNumber(&line);
            At(line);
        }
        if (hr == static_cast<HRESULT>(SC_E_MAXELEMENTDEPTH)) {
            Problem(L"elements nested more than " + NumberText(kDeepestNesting) +
                    L" deep; the rest of the file is ignored");
        } else {
            Problem(L"malformed XML (" + HresultText(hr) + L"); the rest of the file is ignored");
        }
    }
    if (reader) {
        reader->Release();
    }
    stream->Release();
    if (!m_root && SUCCEEDED(hr) && m_startedWithWindow) {
        Problem(L"the skin defines no control");
    }
    return m_root;
}

bool SkinReader::ReadAttributes(IXmlReader& reader, Attributes& attributes)
{
    HRESULT hr = reader.MoveToFirstAttribute();
    while (hr == S_OK) {
        const WCHAR* name = nullptr;
        const WCHAR* value = nullptr;
        reader.GetLocalName(&name, nullptr);
        reader.GetValue(&value, nullptr);
        attributes.emplace_back(name ? name : L"", value ? value : L"");
        hr = reader.MoveToNextAttribute();
    }
    reader.MoveToElement();
    return SUCCEEDED(hr);
}

void SkinReader::OpenElement(const std::wstring& name, const Attributes& attributes)
{
    if (m_open.empty()) {
        if (name != kWindowElement) {
            Problem(L"the skin starts with <" + CDuiString(name) + L"> instead of <Window>; nothing is built");
            m_open.push_back({nullptr, true});
            return;
        }
        m_startedWithWindow = true;
        ApplyWindowAttributes(attributes);
        m_open.push_back({nullptr, false});
        return;
    }
    const Frame parent = m_open.back();
    if (parent.skipChildren) {
        m_open.push_back({nullptr, true});
        return;
    }
    if (name == kFontElement) {
        if (m_open.size() == 1) {
            AddFont(attributes);
        } else {
            Problem(L"<Font> belongs directly inside <Window>; left out");
        }
        m_open.push_back({nullptr, true});
        return;
    }
    CContainerUI* container = parent.control ? dynamic_cast<CContainerUI*>(parent.control) : nullptr;
    if (parent.control && !container) {
        Problem(L"<" + CDuiString(parent.control->GetClass()) + L"> cannot hold <" + CDuiString(name) +
                L">; left out");
        m_open.push_back({nullptr, true});
        return;
    }
    if (!parent.control && m_root) {
        Problem(L"a second top-level control <" + CDuiString(name) + L">; left out");
        m_open.push_back({nullptr, true});
        return;
    }
    CControlUI* control = CreateBuiltInControl(name.c_str());
    if (!control && m_callback) {
        control = m_callback->CreateControl(name.c_str());
    }
    if (!control) {
        Problem(L"unknown control type <" + CDuiString(name) + L">; left out with its children");
        m_open.push_back({nullptr, true});
        return;
    }
    if (container) {
        container->Add(control);
    } else {
        control->SetManager(&m_manager, nullptr);
        m_root = control;
    }
    for (const auto& attribute : attributes) {
        const AttributeResult result = control->SetAttribute(attribute.first.c_str(), attribute.second.c_str());
        if (result == AttributeResult::Unknown) {
            UnknownAttribute(name, attribute.first);
        } else if (result == AttributeResult::Malformed) {
            MalformedAttribute(name, attribute.first, attribute.second, kIgnored);
        }
    }
    m_open.push_back({control, false});
}

void SkinReader::ApplyWindowAttributes(const Attributes& attributes)
{
    for (const auto& attribute : attributes) {
        const std::wstring& name = attribute.first;
        const wchar_t* value = attribute.second.c_str();
        bool ok = true;
        RECT rect = {};
        SIZE size = {};
        if (name == L"size") {
            ok = ParseSize(value, size) && size.cx >= 0 && size.cy >= 0;
            if (ok) {
                m_manager.SetInitSize(size);
            }
        } else if (name == L"caption") {
            ok = ParseRect(value, rect);
            if (ok) {
                m_manager.SetCaptionRect(rect);
            }
        } else if (name == L"sizebox") {
            ok = ParseRect(value, rect) && rect.left >= 0 && rect.top >= 0 && rect.right >= 0 && rect.bottom >= 0;
            if (ok) {
                m_manager.SetSizeBox(rect);
            }
        } else if (name == L"mininfo") {
            ok = ParseSize(value, size) && size.cx >= 0 && size.cy >= 0;
            if (ok) {
                m_manager.SetMinInfo(size);
            }
        } else {
            UnknownAttribute(kWindowElement, name);
            continue;
        }
        if (!ok) {
            MalformedAttribute(kWindowElement, name, value, kIgnored);
        }
    }
}

void SkinReader::AddFont(const Attributes& attributes)
{
    int id = -1;
    int size = 0;
    bool bold = false;
    bool isDefault = false;
    std::wstring face;
    for (const auto& attribute : attributes) {
        const std::wstring& name = attribute.first;
        const wchar_t* value = attribute.second.c_str();
        bool ok = true;
        if (name == L"id") {
            ok = ParseInt(value, id) && id >= 0;
        } else if (name == L"name") {
            face = value;
        } else if (name == L"size") {
            ok = ParseInt(value, size) && size > 0;
        } else if (name == L"bold") {
            ok = ParseBool(value, bold);
        } else if (name == L"default") {
            ok = ParseBool(value, isDefault);
        } else {
            UnknownAttribute(kFontElement, name);
            continue;
        }
        if (!ok) {
            MalformedAttribute(kFontElement, name, value, L"the font is left out");
            return;
        }
    }
    if (id < 0 || face.empty() || size <= 0) {
        Problem(L"<Font> needs an id, a name and a size; left out");
        return;
    }
    m_manager.AddFont(id, face.c_str(), size, bold, isDefault);
}

}  // namespace

CControlUI* CreateBuiltInControl(const wchar_t* type)
{
    if (wcscmp(type, L"Control") == 0) {
        return new CControlUI;
    }
    if (wcscmp(type, L"Container") == 0) {
        return new CContainerUI;
    }
    if (wcscmp(type, L"VerticalLayout") == 0) {
        return new CVerticalLayoutUI;
    }
    if (wcscmp(type, L"HorizontalLayout") == 0) {
        return new CHorizontalLayoutUI;
    }
    if (wcscmp(type, L"Label") == 0) {
        return new CLabelUI;
    }
    if (wcscmp(type, L"Button") == 0) {
        return new CButtonUI;
    }
    return nullptr;
}

CControlUI* BuildSkin(const CDuiString& path, CPaintManagerUI& manager, IDialogBuilderCallback* callback)
{
    CControlUI* root = SkinReader(path, manager, callback).Read();
    manager.SetSkinLocation(CDuiString());
    return root;
}
