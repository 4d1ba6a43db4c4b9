#include "toolkit/notify_pump.h"

#include "toolkit/control.h"

namespace {

const NotifyMapEntry kNoEntries[] = {{CDuiString(), CDuiString(), NotifySigEnd, nullptr}};

bool EntryMatches(const NotifyMapEntry& entry, const TNotifyUI& msg)
{
    if (entry.sMsgType != msg.sType) {
        return false;
    }
    if (entry.sCtrlName.IsEmpty()) {
        return true;
    }
    return msg.pSender && msg.pSender->GetName() == entry.sCtrlName;
}

}  // namespace

const NotifyMap CNotifyPump::messageMap = {nullptr, kNoEntries};

const NotifyMap* CNotifyPump::GetMessageMap() const
{
    return &CNotifyPump::messageMap;
}

bool CNotifyPump::DispatchNotify(TNotifyUI& msg)
{
    for (const NotifyMap* map = GetMessageMap(); map; map = map->pBaseMap) {
        for (const NotifyMapEntry* entry = map->lpEntries; entry && entry->nSig != NotifySigEnd; ++entry) {
            if (entry->nSig == NotifySigVoidNotify && entry->pfn && EntryMatches(*entry, msg)) {
                (this->*entry->pfn)(msg);
                return true;
            }
        }
    }
    return false;
}
