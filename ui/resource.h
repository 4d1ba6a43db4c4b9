// Resource identifiers of the launcher executable.
#pragma once

// The application icon (icon group), the executable's only icon.
#define IDI_APPLICATION_ICON 107
