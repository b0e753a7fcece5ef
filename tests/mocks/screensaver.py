"""The desktop's screen saver, as python3-dbusmock stands in for it: hands out cookie 4242."""
BUS_NAME = 'org.freedesktop.ScreenSaver'
MAIN_OBJ = '/org/freedesktop/ScreenSaver'
MAIN_IFACE = 'org.freedesktop.ScreenSaver'
SYSTEM_BUS = False


def load(mock, parameters):
    mock.AddMethods(MAIN_IFACE, [('Inhibit', 'ss', 'u', 'ret = 4242'),
                                 ('UnInhibit', 'u', '', '')])
