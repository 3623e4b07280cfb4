// SPDX-License-Identifier: GPL-3.0-or-later
#include "testmain.h"

#include <QApplication>
#include <QTest>

#include <memory>
#include <vector>

namespace TestMain {
namespace {

std::vector<Factory> &factories()
{
    static std::vector<Factory> registered;
    return registered;
}

} // namespace

bool add(Factory factory)
{
    factories().push_back(factory);
    return true;
}

} // namespace TestMain

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    int failures = 0;
    for (TestMain::Factory factory : TestMain::factories()) {
        const std::unique_ptr<QObject> test(factory());
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
