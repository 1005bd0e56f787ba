#include "app/LMResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initAll()
{
    Q_INIT_RESOURCE(main);
    Q_INIT_RESOURCE(buttons);
    Q_INIT_RESOURCE(i18n);
    Q_INIT_RESOURCE(path);
    Q_INIT_RESOURCE(texture);
}

void lmInitResources()
{
    initAll();
}
