#include "suites.h"

#include "qt/application_gardee.h"
#include "qt/style_orvan.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

std::vector<FabriqueSuite>& suites() {
    static std::vector<FabriqueSuite> toutes;
    return toutes;
}

int main(int argc, char** argv) {
    orvan::ApplicationGardee app(argc, argv);
    orvan::prepare_application();
    // The options a pupil ticked in the program on this machine must not reach the tests.
    QTemporaryDir reglages;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, reglages.path());
    // `gui_tests NomDeLaSuite [options of QtTest]` runs that suite alone.
    const QString seule = argc > 1 && argv[1][0] != '-' ? QString(argv[1]) : QString();
    int echecs = 0;
    for (const FabriqueSuite& fabrique : suites()) {
        const std::unique_ptr<QObject> suite = fabrique();
        if (seule.isEmpty())
            echecs += QTest::qExec(suite.get(), argc, argv);
        else if (seule == suite->metaObject()->className())
            echecs += QTest::qExec(suite.get(), argc - 1, argv + 1);
    }
    return echecs == 0 ? 0 : 1;
}
