// The recorder that tests register as the system's web browser: each run
// appends its command-line arguments, as one UTF-8 line, to this file beside
// the recorder's own executable.
#pragma once

inline constexpr wchar_t kUrlRecordFileName[] = L"url_recorder.log";
