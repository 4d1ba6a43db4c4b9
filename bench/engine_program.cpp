#include "engine_program.h"

namespace {

constexpr DWORD kEndTimeoutMs = 30000;

}  // namespace

bool EndEngineProgram(driver::Process& process, const std::wstring& imageName)
{
    driver::KillProcessTree(process);
    driver::CloseProcess(process);
    return driver::WaitFor([&] { return driver::ProcessesNamed(imageName.c_str()).empty(); }, kEndTimeoutMs);
}
