#include "QtObjects.h"

#include "Guard.h"

namespace guirt::qt {

void DeleteSoon(QObject* object) {
    if (!object) return;
    if (NativeCallback::Inside()) {
        object->deleteLater();
    } else {
        delete object;
    }
}

}  // namespace guirt::qt
