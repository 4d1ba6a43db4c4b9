// Routes notifications to member functions through a static map per class.
#pragma once

#include <cstdint>

#include "toolkit/notify.h"

class CNotifyPump;

using NotifyHandler = void (CNotifyPump::*)(TNotifyUI& msg);

// Shapes of the functions a map entry may name.
enum NotifySignature : uint32_t {
    NotifySigEnd = 0,         // the terminator of an entry list
    NotifySigVoidNotify = 2,  // void handler(TNotifyUI&)
};

struct NotifyMapEntry {
    CDuiString sMsgType;
    CDuiString sCtrlName;  // empty matches every control
    uint32_t nSig;
    NotifyHandler pfn;
};

struct NotifyMap {
    const NotifyMap* pBaseMap;
    const NotifyMapEntry* lpEntries;
};

class CNotifyPump {
public:
    virtual ~CNotifyPump() = default;

    static const NotifyMap messageMap;
    virtual const NotifyMap* GetMessageMap() const;

    // Calls the first entry, most derived map first, whose type and control
    // name match; returns whether one did.
    bool DispatchNotify(TNotifyUI& msg);
};

// In the class body; what follows it is private unless an access specifier says otherwise.
#define NOTIFY_MAP_DECLARE()                                \
public:                                                     \
    static const NotifyMap messageMap;                      \
    const NotifyMap* GetMessageMap() const override;        \
                                                            \
private:                                                    \
    static const NotifyMapEntry s_notifyEntries[];

// In one source file: NOTIFY_MAP_BEGIN, entries, NOTIFY_MAP_END.
#define NOTIFY_MAP_BEGIN(theClass, baseClass)                                             \
    const NotifyMap theClass::messageMap = {&baseClass::messageMap, theClass::s_notifyEntries}; \
    const NotifyMap* theClass::GetMessageMap() const { return &theClass::messageMap; }     \
    const NotifyMapEntry theClass::s_notifyEntries[] = {

// handler: a member function pointer such as &CMyWindow::OnClick; a virtual
// one is called through the object, so the most derived override runs.
#define NOTIFY_MAP_ENTRY(msgType, ctrlName, handler) \
    {CDuiString(msgType), CDuiString(ctrlName), NotifySigVoidNotify, static_cast<NotifyHandler>(handler)},

#define NOTIFY_MAP_ON_TYPE(msgType, handler) NOTIFY_MAP_ENTRY(msgType, L"", handler)

#define NOTIFY_MAP_END()                                  \
    {CDuiString(), CDuiString(), NotifySigEnd, nullptr}   \
    }                                                     \
    ;
