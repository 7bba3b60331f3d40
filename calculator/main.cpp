#include "calculator/RechnerMDI.h"
#include "calculator/Startup.h"
#include "platform/Application.h"
#include "platform/OfficeLink.h"
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv)
{
    // The office suite's runtime writes to the suite's pipe without guarding against a suite
    // that has hung up (it quit or was killed between two polls): SIGPIPE would end the
    // program. Ignored, such a write only fails, and the next poll lets the suite go.
    vdl::OfficeLink::ignoreBrokenPipes();
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
