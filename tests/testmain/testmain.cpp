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
QByteArrayList testFunctions(Factory factory)
{
    const std::unique_ptr<QObject> test(factory());
    const QMetaObject *meta = test->metaObject();
    QByteArrayList names;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod m = meta->method(i);
        if (m.methodType() == QMetaMethod::Slot && m.access() == QMetaMethod::Private &&
            m.parameterCount() == 0 && !m.name().endsWith("_data") &&
            !QByteArrayList{"initTestCase", "cleanupTestCase", "init", "cleanup"}.contains(
                m.name()))
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

    std::vector<QByteArrayList> functions;
    QByteArrayList all;
    for (TestMain::Factory factory : TestMain::factories())
        all += functions.emplace_back(TestMain::testFunctions(factory));

    // The function each argument names ("name" or "name:tag"), empty for options and their values.
    static const QByteArrayList takeValue = {
        "-o",           "-eventdelay",   "-keydelay",     "-mousedelay", "-maxwarnings",
        "-perfcounter", "-minimumvalue", "-minimumtotal", "-iterations", "-median"};
    QByteArrayList named(argc);
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg = argv[i];
        if (arg == "-functions") { // Qt Test would end the process after the first class.
            for (const QByteArray &name : all)
                std::printf("%s()\n", name.constData());
            return 0;
        }
        if (takeValue.contains(arg))
            ++i;
        else if (!arg.startsWith('-') && !all.contains(named[i] = arg.split(':').first())) {
            std::fprintf(stderr, "Unknown test function: '%s'\n", argv[i]);
            return 1;
        }
    }

    int failures = 0;
    const bool anyNamed = named.count(QByteArray()) < argc;
    for (size_t c = 0; c < functions.size(); ++c) {
        std::vector<char *> args;
        bool selected = !anyNamed;
        for (int i = 0; i < argc; ++i) {
            if (named[i].isEmpty() || functions[c].contains(named[i]))
                args.push_back(argv[i]);
            selected = selected || functions[c].contains(named[i]);
        }
        if (selected)
            failures += QTest::qExec(std::unique_ptr<QObject>(TestMain::factories()[c]()).get(),
                                     int(args.size()), args.data());
    }
    return failures == 0 ? 0 : 1;
}
