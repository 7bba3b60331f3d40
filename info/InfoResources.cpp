#include "info/InfoResources.h"
#include <QtGlobal>

void initInfoResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(info);
        return true;
    }();
    Q_UNUSED(done);
}
