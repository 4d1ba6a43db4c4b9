#include "frame_geometry.h"

RECT ResolveCaptionRect(const RECT& caption, SIZE client)
{
    RECT rc = caption;
    if (rc.right <= 0) {
        rc.right += client.cx;
    }
    if (rc.bottom <= 0) {
        rc.bottom += client.cy;
    }
    return rc;
}

LRESULT FrameHitTest(const FrameShape& shape, POINT pt, bool overMouseTarget)
{
    if (shape.resizable) {
        const bool left = pt.x < shape.sizeBox.left;
        const bool right = pt.x >= shape.client.cx - shape.sizeBox.right;
        const bool top = pt.y < shape.sizeBox.top;
        const bool bottom = pt.y >= shape.client.cy - shape.sizeBox.bottom;
        if (top && left) {
            return HTTOPLEFT;
        }
        if (top && right) {
            return HTTOPRIGHT;
        }
        if (bottom && left) {
            return HTBOTTOMLEFT;
        }
        if (bottom && right) {
            return HTBOTTOMRIGHT;
        }
        if (left) {
            return HTLEFT;
        }
        if (right) {
            return HTRIGHT;
        }
        if (top) {
            return HTTOP;
        }
        if (bottom) {
            return HTBOTTOM;
        }
    }
    if (shape.hasCaption && !overMouseTarget) {
        const RECT caption = ResolveCaptionRect(shape.caption, shape.client);
        if (PtInRect(&caption, pt)) {
            return HTCAPTION;
        }
    }
    return HTCLIENT;
}

POINT CenteredPosition(SIZE window, const RECT& area, const RECT& workArea)
{
    POINT pt = {area.left + (area.right - area.left - window.cx) / 2, area.top + (area.bottom - area.top - window.cy) / 2};
    if (pt.x + window.cx > workArea.right) {
        pt.x = workArea.right - window.cx;
    }
    if (pt.y + window.cy > workArea.bottom) {
        pt.y = workArea.bottom - window.cy;
    }
    if (pt.x < workArea.left) {
        pt.x = workArea.left;
    }
    if (pt.y < workArea.top) {
        pt.y = workArea.top;
    }
    return pt;
}
