#include "application.h"
#include "form01_main.h"

int main(int argc, char **argv)
{
    OrvaneApplication app(argc, argv);
    try {
        TformMain window({QCoreApplication::applicationFilePath(), app.arguments().mid(1)});
        window.show();
        return app.exec();
    } catch (...) {
        ReportException(std::current_exception());
    }
    return 0;
}
