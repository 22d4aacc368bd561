#pragma once

#include <QGuiApplication>
#include <QTest>

// Where a test checks where a window lies on the screen: on Wayland the compositor alone places
// windows, so there is nothing of the program's to check.
#define SKIP_PLACEMENT_ON_WAYLAND()                                  \
    if (QGuiApplication::platformName() == QLatin1String("wayland")) \
    QSKIP("A Wayland client cannot place its windows; the compositor places them.")
