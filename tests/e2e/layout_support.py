"""Where the main window's controls belong, worked out afresh from the layout rules: sizes designed at 96 DPI and
scaled to the window's DPI, the arrangement switched at widths of the outer window, everything else placed inside
the real client area, so that the rules hold whatever the frame measures."""

from harness import ids

TWO_ROWS_MAX, LOGO_TWO_ROWS_MIN, LOGO_ONE_ROW_MIN = 592, 379, 691
STATUS_BAR_HEIGHT = 27
STATUS_PANELS = (44, 44, 44, 51, 51, 62, 62)
LOGO_SIZE = (101, 38)


def scaled(designed, dpi):
    """designed * dpi / 96, rounded as the system's MulDiv rounds: to the nearest, halves away from zero."""
    product = designed * dpi
    return (product + 48) // 96 if product >= 0 else -((-product + 48) // 96)


def picture_percent(dpi):
    """The drawn picture set nearest to the window's scale, the larger on a tie."""
    return min((100, 125, 150, 200), key=lambda p: (abs(dpi * 100 - p * 96), -p))


def expected_layout(outer, client, zoom, dpi=96, toolbar=True, statusbar=True):
    """Client rectangles (left, top, right, bottom) of the frame, the view and the status bar, the second toolbar's
    place and the logo's rectangle (None when hidden), for a window of this outer and client size."""
    s = lambda v: scaled(v, dpi)
    client_width, client_height = client
    two_rows = outer[0] <= s(TWO_ROWS_MAX)
    top = s(4) if not toolbar else s(62) if two_rows else s(34)
    bevel = s(2)
    bottom = client_height - (s(STATUS_BAR_HEIGHT) if statusbar else s(6))
    inside_width = (client_width - s(4) - 2 * bevel) // zoom * zoom
    inside_height = (bottom - top - 2 * bevel) // zoom * zoom
    panel = (s(4), top, s(4) + inside_width + 2 * bevel, top + inside_height + 2 * bevel)
    layout = {
        "Panel": panel,
        "View": (panel[0] + bevel, top + bevel, panel[0] + bevel + inside_width, top + bevel + inside_height),
        "StatusBar": (0, client_height - s(STATUS_BAR_HEIGHT), client_width, client_height),
        "ToolBar2": (s(4), s(32)) if two_rows else (s(4) + s(273), s(4)),
        "Logo": None,
    }
    if toolbar and (outer[0] >= s(LOGO_ONE_ROW_MIN) or (two_rows and outer[0] >= s(LOGO_TWO_ROWS_MIN))):
        percent = picture_percent(dpi)
        width, height = ((size * percent + 50) // 100 for size in LOGO_SIZE)
        layout["Logo"] = (client_width - width, s(-1), client_width, s(-1) + height)
    return layout


class LayoutMismatch(AssertionError):
    pass


def check_layout(window, outer_size=None, toolbar=True, statusbar=True):
    """Raises LayoutMismatch unless the window reading shows the layout the rules give for its size and DPI."""
    width, height = window.outer_size
    if outer_size is not None and (width, height) != outer_size:
        raise LayoutMismatch(f"outer size is {width} x {height}, expected {outer_size[0]} x {outer_size[1]}")
    client = window["client"]
    client_size = (client[2] - client[0], client[3] - client[1])
    zoom, dpi = window.zoom(), window.dpi
    wanted = expected_layout((width, height), client_size, zoom, dpi, toolbar, statusbar)
    where = f"window {width} x {height}, client {client_size[0]} x {client_size[1]}, zoom {zoom}, {dpi} DPI"
    for name in ("Panel", "View", "StatusBar"):
        actual = window.control_rect(name, relative_to_client=True)
        if actual != wanted[name]:
            raise LayoutMismatch(f"{name} at {actual}, expected {wanted[name]} ({where})")
    logo = window.control("Logo")
    if logo["visible"] != (wanted["Logo"] is not None):
        raise LayoutMismatch(f"logo visible is {logo['visible']} ({where})")
    if wanted["Logo"] and window.control_rect("Logo", relative_to_client=True) != wanted["Logo"]:
        raise LayoutMismatch(f"logo at {window.control_rect('Logo', True)}, expected {wanted['Logo']} ({where})")
    for name in ("ToolBar1", "ToolBar2", "ZoomTrack"):
        if window.control(name)["visible"] != toolbar:
            raise LayoutMismatch(f"{name} visible is {not toolbar} ({where})")
    if toolbar and window.control_rect("ToolBar2", relative_to_client=True)[:2] != wanted["ToolBar2"]:
        raise LayoutMismatch(f"ToolBar2 at {window.control_rect('ToolBar2', True)[:2]}, expected "
                             f"{wanted['ToolBar2']} ({where})")
    if window.control("StatusBar")["visible"] != statusbar:
        raise LayoutMismatch(f"status bar visible is {not statusbar} ({where})")
    # Whatever the frame, the view never runs under the status bar nor past the client area's right edge.
    view = window.control_rect("View", relative_to_client=True)
    if statusbar and view[3] > wanted["StatusBar"][1]:
        raise LayoutMismatch(f"view bottom {view[3]} below the status bar's top {wanted['StatusBar'][1]}")
    if view[2] > client_size[0]:
        raise LayoutMismatch(f"view right edge {view[2]} past the client area's {client_size[0]}")
