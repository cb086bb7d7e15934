// The gui tests are one program: each file registers its QtTest classes here and main runs them
// all, with the application prepared as the program prepares it.
#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

using FabriqueSuite = std::function<std::unique_ptr<QObject>()>;
std::vector<FabriqueSuite>& suites();

template <class T> struct Suite {
    Suite() {
        suites().push_back([] { return std::make_unique<T>(); });
    }
};
