#include "app/frmCircles2.h"
#include "platform/Application.h"

int main(int argc, char* argv[])
{
    Application app(argc, argv);
    frmCircles2 window;
    window.show();
    return app.exec();
}
