// The process entry. The engine starts this executable again for each of its
// sub-processes; the application object tells them apart.
#include "app/launcher_app.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    LauncherApp launcher(instance);
    return launcher.Run();
}
