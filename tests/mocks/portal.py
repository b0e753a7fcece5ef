"""The desktop portal's inhibit call, as python3-dbusmock stands in for it: every hold is one
request object, released by closing it."""
BUS_NAME = 'org.freedesktop.portal.Desktop'
MAIN_OBJ = '/org/freedesktop/portal/desktop'
MAIN_IFACE = 'org.freedesktop.portal.Inhibit'
SYSTEM_BUS = False
REQUEST = '/org/freedesktop/portal/desktop/request/1/t'


def load(mock, parameters):
    mock.AddMethod(MAIN_IFACE, 'Inhibit', 'sua{sv}', 'o', f"ret = dbus.ObjectPath('{REQUEST}')")
    mock.AddObject(REQUEST, 'org.freedesktop.portal.Request', {}, [('Close', '', '', '')])
