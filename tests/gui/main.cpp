#include "suites.h"

#include "qt/style_orvan.h"

#include <QApplication>
#include <QtTest>

std::vector<FabriqueSuite>& suites() {
    static std::vector<FabriqueSuite> toutes;
    return toutes;
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    orvan::prepare_application();
    int echecs = 0;
    for (const FabriqueSuite& fabrique : suites()) {
        const std::unique_ptr<QObject> suite = fabrique();
        echecs += QTest::qExec(suite.get(), argc, argv);
    }
    return echecs == 0 ? 0 : 1;
}
