#include "debug_string_recorder.h"

#include <atomic>

namespace enginetest {

namespace {

// The exception OutputDebugStringA raises; its arguments are the text's length
// with the terminating NUL and the text's address.
constexpr DWORD kDebugPrintException = 0x40010006;

std::atomic<DebugStringRecorder*> g_recorder{nullptr};

}  // namespace

DebugStringRecorder::DebugStringRecorder()
{
    g_recorder = this;
    m_handler = AddVectoredExceptionHandler(1, &DebugStringRecorder::Handler);
}

DebugStringRecorder::~DebugStringRecorder()
{
    RemoveVectoredExceptionHandler(m_handler);
    g_recorder = nullptr;
}

std::vector<std::string> DebugStringRecorder::Strings() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_strings;
}

LONG CALLBACK DebugStringRecorder::Handler(EXCEPTION_POINTERS* exception)
{
    const EXCEPTION_RECORD* record = exception->ExceptionRecord;
    DebugStringRecorder* recorder = g_recorder;
    if (recorder && record->ExceptionCode == kDebugPrintException && record->NumberParameters >= 2 &&
        record->ExceptionInformation[0] > 0) {
        const auto* text = reinterpret_cast<const char*>(record->ExceptionInformation[1]);
        std::lock_guard<std::mutex> lock(recorder->m_mutex);
        recorder->m_strings.emplace_back(text, record->ExceptionInformation[0] - 1);
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace enginetest
