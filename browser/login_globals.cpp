#include "browser/login_globals.h"

HWND g_hLoginWnd = nullptr;

CefRefPtr<SimpleHandler> g_loginHandler(new SimpleHandler);
