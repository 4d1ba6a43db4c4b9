// Decisions about a frameless window's own frame: where it can be dragged
// and resized, and where it goes when centred.
#pragma once

#include <windows.h>

// The skin's caption rectangle in client coordinates: a right or bottom
// edge of 0 or less counts from the client's right or bottom edge.
RECT ResolveCaptionRect(const RECT& caption, SIZE client);

struct FrameShape {
    SIZE client;
    RECT sizeBox;     // widths of the resizing borders
    bool resizable;   // the window may be resized now (sizable style, not maximised)
    bool hasCaption;  // the skin has a caption and the window's styles have one
    RECT caption;     // as in the skin
};

// The WM_NCHITTEST answer for a client point: a resizing border, the caption
// (except where a control takes the mouse), else the client area.
LRESULT FrameHitTest(const FrameShape& shape, POINT pt, bool overMouseTarget);

// Top-left corner that centres a window of that size over area, moved as
// little as needed to keep it inside the work area.
POINT CenteredPosition(SIZE window, const RECT& area, const RECT& workArea);
