// SPDX-License-Identifier: MIT
#include "app/resources.h"

#include <QtGlobal>

static void register_tarvex_resources() {
    Q_INIT_RESOURCE(tarvex);
}

namespace tarvex {

void init_resources() {
    static const bool done = [] {
        register_tarvex_resources();
        return true;
    }();
    (void)done;
}

}  // namespace tarvex
