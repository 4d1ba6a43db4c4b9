#include "toolkit/button.h"

#include <cwchar>

#include "attribute_values.h"
#include "render.h"
#include "skin_image.h"
#include "toolkit/paint_manager.h"

namespace {

struct StatePrefix {
    const wchar_t* prefix;
    CButtonUI::State state;
};

constexpr StatePrefix kStatePrefixes[] = {
    {L"normal", CButtonUI::State::Normal},
    {L"hot", CButtonUI::State::Hot},
    {L"pushed", CButtonUI::State::Pushed},
    {L"disabled", CButtonUI::State::Disabled},
};

// "hotimage" -> Hot and "image"; false when no state prefix starts the name.
bool SplitStateAttribute(const wchar_t* name, CButtonUI::State& state, const wchar_t*& rest)
{
    for (const StatePrefix& entry : kStatePrefixes) {
        const size_t length = wcslen(entry.prefix);
        if (wcsncmp(name, entry.prefix, length) == 0) {
            state = entry.state;
            rest = name + length;
            return true;
        }
    }
    return false;
}

}  // namespace

CButtonUI::CButtonUI()
{
    SetTextAlign(DT_CENTER);
}

const wchar_t* CButtonUI::GetClass() const
{
    return L"Button";
}

CButtonUI::State CButtonUI::GetState() const
{
    if (!IsEnabled()) {
        return State::Disabled;
    }
    if (m_pushed && m_hot) {
        return State::Pushed;
    }
    return m_hot ? State::Hot : State::Normal;
}

void CButtonUI::SetStateImage(State state, const CDuiString& file)
{
    m_looks[static_cast<int>(state)].image = file;
    FindImage(file);
    Invalidate();
}

void CButtonUI::SetStateBkColor(State state, DWORD argb)
{
    m_looks[static_cast<int>(state)].bkColor = argb;
    Invalidate();
}

void CButtonUI::SetStateTextColor(State state, DWORD argb)
{
    m_looks[static_cast<int>(state)].textColor = argb;
    Invalidate();
}

AttributeResult CButtonUI::SetAttribute(const wchar_t* name, const wchar_t* value)
{
    State state = State::Normal;
    const wchar_t* rest = nullptr;
    if (!SplitStateAttribute(name, state, rest)) {
        return CLabelUI::SetAttribute(name, value);
    }
    if (wcscmp(rest, L"image") == 0) {
        SetStateImage(state, value);
        return AttributeResult::Applied;
    }
    // The normal colours are the label's own bkcolor and textcolor.
    if (state == State::Normal) {
        return AttributeResult::Unknown;
    }
    DWORD color = 0;
    if (wcscmp(rest, L"bkcolor") == 0) {
        if (!ParseColor(value, color)) {
            return AttributeResult::Malformed;
        }
        SetStateBkColor(state, color);
        return AttributeResult::Applied;
    }
    if (wcscmp(rest, L"textcolor") == 0) {
        if (!ParseColor(value, color)) {
            return AttributeResult::Malformed;
        }
        SetStateTextColor(state, color);
        return AttributeResult::Applied;
    }
    return AttributeResult::Unknown;
}

void CButtonUI::DoEvent(const TEventUI& event)
{
    switch (event.type) {
    case UiEventType::MouseEnter:
        m_hot = true;
        Invalidate();
        break;
    case UiEventType::MouseLeave:
        m_hot = false;
        Invalidate();
        break;
    case UiEventType::ButtonDown:
        if (IsEnabled()) {
            m_pushed = true;
            Invalidate();
        }
        break;
    case UiEventType::ButtonUp: {
        const bool wasPushed = m_pushed;
        m_pushed = false;
        Invalidate();
        if (wasPushed && IsEnabled() && PtInRect(&GetPos(), event.ptMouse) && GetManager()) {
            GetManager()->SendNotify(this, kNotifyClick);
        }
        break;
    }
    }
}

void CButtonUI::PaintBackground(HDC hdc)
{
    CControlUI::PaintBackground(hdc);
    const State state = GetState();
    const Look& look = LookOf(state);
    FillArgb(hdc, GetPos(), look.bkColor);
    // A state whose image is missing or unreadable shows the normal image.
    const SkinImage* image = FindImage(look.image);
    if (!image) {
        image = FindImage(LookOf(State::Normal).image);
    }
    if (image) {
        DrawSkinImage(hdc, *image, GetPos());
    }
}

void CButtonUI::PaintForeground(HDC hdc)
{
    const DWORD stateColor = LookOf(GetState()).textColor;
    PaintText(hdc, stateColor != 0 ? stateColor : GetTextColor());
}
