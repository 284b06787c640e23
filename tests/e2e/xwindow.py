"""X11 requests on the program's top-level window, made as a window manager would make them."""

from Xlib import X, display as xdisplay, protocol


def _with_window(display_name, window_id, action):
    connection = xdisplay.Display(display_name)
    try:
        return action(connection, connection.create_resource_object("window", window_id))
    finally:
        connection.close()


def find_top_level(display_name, pid, caption):
    """The id of the mapped top-level window of process `pid` with `caption`, or None."""
    connection = xdisplay.Display(display_name)
    try:
        net_wm_name = connection.intern_atom("_NET_WM_NAME")
        utf8 = connection.intern_atom("UTF8_STRING")
        net_wm_pid = connection.intern_atom("_NET_WM_PID")
        for window in connection.screen().root.query_tree().children:
            if window.get_attributes().map_state != X.IsViewable:
                continue
            owner = window.get_full_property(net_wm_pid, X.AnyPropertyType)
            if owner is None or owner.value[0] != pid:
                continue
            name = window.get_full_property(net_wm_name, utf8)
            if name is not None and name.value.decode() == caption:
                return window.id
    finally:
        connection.close()
    return None


def title(display_name, window_id):
    def read(connection, window):
        value = window.get_full_property(connection.intern_atom("_NET_WM_NAME"),
                                         connection.intern_atom("UTF8_STRING"))
        return value.value.decode() if value is not None else None
    return _with_window(display_name, window_id, read)


def client_size(display_name, window_id):
    def read(_connection, window):
        geometry = window.get_geometry()
        return geometry.width, geometry.height
    return _with_window(display_name, window_id, read)


def geometry(display_name, window_id):
    """(x, y, width, height) of the window, x and y in root coordinates."""
    def read(connection, window):
        size = window.get_geometry()
        origin = connection.screen().root.translate_coords(window, 0, 0)
        return origin.x, origin.y, size.width, size.height
    return _with_window(display_name, window_id, read)


def menus(display_name, pid):
    """The shown pop-up menus of process `pid` (mapped override-redirect windows that are not
    tooltips) as (x, y, width, height) in root coordinates."""
    connection = xdisplay.Display(display_name)
    try:
        net_wm_pid = connection.intern_atom("_NET_WM_PID")
        window_type = connection.intern_atom("_NET_WM_WINDOW_TYPE")
        tooltip = connection.intern_atom("_NET_WM_WINDOW_TYPE_TOOLTIP")
        found = []
        for window in connection.screen().root.query_tree().children:
            attributes = window.get_attributes()
            if attributes.map_state != X.IsViewable or not attributes.override_redirect:
                continue
            owner = window.get_full_property(net_wm_pid, X.AnyPropertyType)
            if owner is None or owner.value[0] != pid:
                continue
            types = window.get_full_property(window_type, X.AnyPropertyType)
            if types is not None and tooltip in types.value:
                continue
            size = window.get_geometry()
            found.append((size.x, size.y, size.width, size.height))
        return found
    finally:
        connection.close()


def request_close(display_name, window_id):
    """Sends WM_PROTOCOLS/WM_DELETE_WINDOW, the close button of a window manager."""
    def send(connection, window):
        protocols = connection.intern_atom("WM_PROTOCOLS")
        delete = connection.intern_atom("WM_DELETE_WINDOW")
        supported = window.get_wm_protocols() or []
        if delete not in supported:
            raise AssertionError("the window does not take WM_DELETE_WINDOW")
        event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                             data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        window.send_event(event, event_mask=X.NoEventMask)
        connection.flush()
        connection.sync()
    _with_window(display_name, window_id, send)
