#include "app/MainWindow.h"
#include "platform/Application.h"
#include "platform/QtMessageBoxes.h"
#include "platform/RandomSequence.h"

int main(int argc, char* argv[])
{
    Application app(argc, argv);
    QtMessageBoxes boxes;
    MainWindow window(RandomSequence::process(), boxes, app);
    window.show();
    return app.exec();
}
