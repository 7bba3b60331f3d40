#include "calculator/RechnerMDI.h"
#include "calculator/Startup.h"
#include "platform/Application.h"

int main(int argc, char** argv)
{
    vdl::Application app(argc, argv);
    const QString program = QCoreApplication::applicationFilePath();
    const QStringList arguments = app.arguments().mid(1);
    if (vdl::Startup::ensureManifest(vdl::Startup::manifestPath(program)) && vdl::Startup::restartAfterManifest()
        && vdl::Startup::restart(program, arguments))
        return 0;
    auto* frame = new vdl::TMDIForm(arguments);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->show();
    return app.exec();
}
