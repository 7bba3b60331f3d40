#include "calculator/RechnerMDI.h"
#include "calculator/Startup.h"
#include "platform/Application.h"
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv)
{
    vdl::Application app(argc, argv);
    const QString program = QCoreApplication::applicationFilePath();
    const QStringList arguments = app.arguments().mid(1);
    if (vdl::Startup::ensureManifest(vdl::Startup::manifestPath(program)) && vdl::Startup::restartAfterManifest()
        && vdl::Startup::restart(program, arguments))
        return 0;

    // Qt's own texts (window menus, standard buttons, file dialogs) in German as well.
    QTranslator qtGerman;
    if (qtGerman.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtGerman);

    vdl::TMDIForm frame(arguments);
    frame.show();
    return app.exec();
}
