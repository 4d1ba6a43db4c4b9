// A stand-in for the system's XML reader that reads nothing, put beside a
// test program to show that the toolkit never loads it from there.
#include <objbase.h>

extern "C" __declspec(dllexport) HRESULT WINAPI CreateXmlReader(REFIID, void**, IMalloc*)
{
    return E_NOTIMPL;
}
