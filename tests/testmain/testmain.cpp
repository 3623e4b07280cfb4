// SPDX-License-Identifier: GPL-3.0-or-later
#include "testmain.h"

#include <QApplication>
#include <QByteArrayList>
#include <QMetaMethod>
#include <QTest>

#include <cstdio>
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
        const QMetaMethod m = meta->method(i);
        if (m.methodType() == QMetaMethod::Slot && m.access() == QMetaMethod::Private &&
            m.parameterCount() == 0 && !m.name().endsWith("_data") &&
            !QByteArrayList{"initTestCase", "cleanupTestCase", "init", "cleanup"}.contains(m.name()))
            names.append(m.name());
    }
    return names;
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

    QByteArrayList all;
    std::vector<QByteArrayList> functions;
    for (TestMain::Factory factory : TestMain::factories()) {
        functions.push_back(TestMain::testFunctions(std::unique_ptr<QObject>(factory())->metaObject()));
        all += functions.back();
    }

    // The function each argument names ("name" or "name:tag"), empty for options and their values.
    static const QByteArrayList takeValue = {"-o", "-eventdelay", "-keydelay", "-mousedelay",
                                             "-maxwarnings", "-perfcounter", "-minimumvalue",
                                             "-minimumtotal", "-iterations", "-median"};
    QByteArrayList named(argc);
    bool anyNamed = false;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg = argv[i];
        if (arg == "-functions") {
            // Qt Test would end the process after the first class.
            for (const QByteArray &name : all)
                std::printf("%s()\n", name.constData());
            return 0;
        }
        if (takeValue.contains(arg))
            ++i;
        if (arg.startsWith('-'))
            continue;
        named[i] = arg.left(arg.contains(':') ? arg.indexOf(':') : arg.size());
        if (!all.contains(named[i])) {
            std::fprintf(stderr, "Unknown test function: '%s'\n", argv[i]);
            return 1;
        }
        anyNamed = true;
    }

    int failures = 0;
    for (size_t c = 0; c < functions.size(); ++c) {
        std::vector<char *> args;
        bool selected = !anyNamed;
        for (int i = 0; i < argc; ++i) {
            const bool ours = functions[c].contains(named[i]);
            if (named[i].isEmpty() || ours)
                args.push_back(argv[i]);
            selected = selected || ours;
        }
        if (!selected)
            continue;
        const std::unique_ptr<QObject> test(TestMain::factories()[c]());
        failures += QTest::qExec(test.get(), int(args.size()), args.data());
    }
    return failures == 0 ? 0 : 1;
}
