// The program as the pupil finds it: window shown and the start-up sequence run.
#pragma once

#include "qt/session_qt.h"

#include <QtTest>
#include <memory>

inline void demarre(std::unique_ptr<orvan::SessionQt>& session) {
    session = std::make_unique<orvan::SessionQt>();
    session->ouvre();
    QVERIFY(QTest::qWaitForWindowExposed(&session->fenetre));
    QTRY_VERIFY(session->demarree());
}
