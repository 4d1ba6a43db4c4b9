// Records the debug strings (OutputDebugString) that any thread of this
// process sends while the recorder lives. One recorder at a time.
#pragma once

#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

namespace enginetest {

class DebugStringRecorder {
public:
    DebugStringRecorder();
    ~DebugStringRecorder();
    DebugStringRecorder(const DebugStringRecorder&) = delete;
    DebugStringRecorder& operator=(const DebugStringRecorder&) = delete;

    std::vector<std::string> Strings() const;

private:
    // OutputDebugString raises an exception that carries the text; the
    // handler notes it and lets the search go on to the system's own handler.
    static LONG CALLBACK Handler(EXCEPTION_POINTERS* exception);

    void* m_handler = nullptr;
    mutable std::mutex m_mutex;
    std::vector<std::string> m_strings;
};

}  // namespace enginetest
