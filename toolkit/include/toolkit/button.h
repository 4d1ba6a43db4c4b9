// A label that takes clicks: "click" is sent when the left button goes down
// and comes up over it. Each state may have its own colours and image; a
// state without them (or with an unreadable image) looks normal.
#pragma once

#include "toolkit/label.h"

class CButtonUI : public CLabelUI {
public:
    enum class State { Normal, Hot, Pushed, Disabled };
    static constexpr int kStateCount = 4;

    CButtonUI();

    // The look the button shows now.
    State GetState() const;

    // 0 when the state has no colour of its own.
    DWORD GetStateBkColor(State state) const { return LookOf(state).bkColor; }
    void SetStateImage(State state, const CDuiString& file);
    void SetStateBkColor(State state, DWORD argb);
    void SetStateTextColor(State state, DWORD argb);

    // CControlUI
    const wchar_t* GetClass() const override;
    AttributeResult SetAttribute(const wchar_t* name, const wchar_t* value) override;
    bool TakesMouseInput() const override { return true; }
    void DoEvent(const TEventUI& event) override;

protected:
    // CControlUI
    void PaintBackground(HDC hdc) override;
    void PaintForeground(HDC hdc) override;

private:
    struct Look {
        CDuiString image;
        DWORD bkColor = 0;
        DWORD textColor = 0;
    };
    const Look& LookOf(State state) const { return m_looks[static_cast<int>(state)]; }

    Look m_looks[kStateCount];
    bool m_hot = false;
    bool m_pushed = false;
};
