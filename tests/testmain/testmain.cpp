// SPDX-License-Identifier: GPL-3.0-or-later
#include "testmain.h"

#include <QApplication>
#include <QByteArrayList>
#include <QMetaMethod>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace TestMain {
namespace {

std::vector<Factory> &factories()
{
    static std::vector<Factory> registered;
    return registered;
}

// The slots Qt Test runs as test functions.
QByteArrayList testFunctions(const QMetaObject *meta)
{
    QByteArrayList names;
    for (int i = 0; i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        const QByteArray name = method.name();
        if (method.methodType() == QMetaMethod::Slot && method.access() == QMetaMethod::Private &&
            method.parameterCount() == 0 && !name.endsWith("_data") && name != "initTestCase" &&
            name != "cleanupTestCase" && name != "init" && name != "cleanup")
            names.append(name);
    }
    return names;
}

// Whether argv[i] names a test function ("name" or "name:tag") rather than an option or its value.
std::vector<bool> selectors(int argc, char *argv[])
{
    static const char *const takeValue[] = {"-o", "-eventdelay", "-keydelay", "-mousedelay",
                                            "-maxwarnings", "-perfcounter", "-minimumvalue",
                                            "-minimumtotal", "-iterations", "-median"};
    std::vector<bool> result(argc, false);
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] != '-') {
            result[i] = true;
            continue;
        }
        for (const char *option : takeValue)
            if (std::strcmp(argv[i], option) == 0)
                ++i;
    }
    return result;
}

QByteArray functionOf(const char *selector)
{
    const QByteArray text(selector);
    const qsizetype colon = text.indexOf(':');
    return colon < 0 ? text : text.left(colon);
}

} // namespace

bool add(Factory factory)
{
    factories().push_back(factory);
    return true;
}

} // namespace TestMain

// Each class gets the command line with only the functions it has, so that naming a function
// runs it wherever it is, and a class with none of the named functions does not run.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);

    std::vector<QByteArrayList> functions;
    for (TestMain::Factory factory : TestMain::factories())
        functions.push_back(TestMain::testFunctions(std::unique_ptr<QObject>(factory())->metaObject()));

    const std::vector<bool> selector = TestMain::selectors(argc, argv);
    bool anySelected = false;
    for (int i = 1; i < argc; ++i) {
        if (!selector[i] && std::strcmp(argv[i], "-functions") == 0) {
            // Qt Test ends the process after listing the first class.
            for (const QByteArrayList &names : functions)
                for (const QByteArray &name : names)
                    std::printf("%s()\n", name.constData());
            return 0;
        }
        if (!selector[i])
            continue;
        anySelected = true;
        const QByteArray name = TestMain::functionOf(argv[i]);
        if (std::none_of(functions.begin(), functions.end(),
                         [&](const QByteArrayList &names) { return names.contains(name); })) {
            std::fprintf(stderr, "Unknown test function: '%s'\n", argv[i]);
            return 1;
        }
    }

    int failures = 0;
    for (size_t c = 0; c < functions.size(); ++c) {
        std::vector<char *> args;
        bool selected = false;
        for (int i = 0; i < argc; ++i) {
            const bool ours = selector[i] && functions[c].contains(TestMain::functionOf(argv[i]));
            if (!selector[i] || ours)
                args.push_back(argv[i]);
            selected = selected || ours;
        }
        if (anySelected && !selected)
            continue;
        const std::unique_ptr<QObject> test(TestMain::factories()[c]());
        failures += QTest::qExec(test.get(), int(args.size()), args.data());
    }
    return failures == 0 ? 0 : 1;
}
