// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "extras/updateschedule.h"

#include "extras/maker.h"

#if RAVELIN_UPDATE_CHECK
#include "extras/updatecheck.h"
#endif

#include <QString>
#include <QTimer>
#include <QWidget>

namespace ravelin::extras {

bool updateCheckEnabled() {
    return RAVELIN_UPDATE_CHECK && qEnvironmentVariable(kUpdateCheckVariable)
                                           .compare(QLatin1String("off"), Qt::CaseInsensitive) != 0;
}

QTimer* scheduleUpdateCheck(QWidget* window) {
    auto* timer = new QTimer(window);
    timer->setObjectName(QStringLiteral("tmCheckVersion"));
    timer->setSingleShot(true);
    timer->setInterval(kUpdateCheckDelay);
#if RAVELIN_UPDATE_CHECK
    QObject::connect(timer, &QTimer::timeout, window, [timer, window] {
        // Off first, for good: the check runs once per loading of the window.
        timer->stop();
        checkForUpdate(window);
    });
#endif
    if (updateCheckEnabled()) {
        timer->start();
    }
    return timer;
}

} // namespace ravelin::extras
