#include "app/frmCircles2.h"
#include "platform/Application.h"
#include "platform/QtMessageBoxes.h"
#include "platform/RandomSequence.h"

int main(int argc, char* argv[])
{
    Application app(argc, argv);
    QtMessageBoxes boxes;
    frmCircles2 window(RandomSequence::process(), boxes, app);
    window.show();
    return app.exec();
}
