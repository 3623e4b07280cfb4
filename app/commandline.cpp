// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QList>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace {

const char *const programName = "orvane";
QString requestedPlatform;

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// QApplication removes these from the arguments; they must not count as unknown here. Qt's X11
// platform takes -display, -name, -visual and the short forms of the window options.
void addQtOptions(QCommandLineParser &parser)
{
    static const char *const withValue[] = {
        "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
        "geometry", "qwindowtitle", "title", "qwindowicon", "icon", "session", "display",
        "name", "visual", "style", "stylesheet", "qmljsdebugger"};
    static const char *const withoutValue[] = {
        "reverse", "widgetcount", "sync", "nograb", "dograb", "testability"};
    for (const char *name : withValue) {
        QCommandLineOption option(QLatin1String(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : withoutValue) {
        QCommandLineOption option{QLatin1String(name)};
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// The context's texts are string literals and category names, which outlive the start.
struct HeldMessage
{
    QtMsgType type;
    const char *file;
    int line;
    const char *function;
    const char *category;
    QString text;
};
std::mutex heldMutex;
QList<HeldMessage> held;
QtMessageHandler previousHandler = nullptr;

// "DISPLAY is \":1\"", for those of the variables that are set.
QStringList displaySettings(std::initializer_list<const char *> variables)
{
    QStringList settings;
    for (const char *variable : variables) {
        if (!qEnvironmentVariableIsEmpty(variable))
            settings << QStringLiteral("%1 is \"%2\"")
                            .arg(QLatin1String(variable), qEnvironmentVariable(variable));
    }
    return settings;
}

// Qt tries its platforms in turn and says why each one failed: a plugin it could not find is
// not installed; one it found but could not load had no display to reach.
QStringList platformsQtCouldNot(const char *verb)
{
    const QString opening =
        QStringLiteral("Could not %1 the Qt platform plugin \"").arg(QLatin1String(verb));
    QStringList names;
    for (const HeldMessage &message : std::as_const(held)) {
        if (qstrcmp(message.category, "qt.qpa.plugin") == 0 && message.text.startsWith(opening))
            names << message.text.section(QLatin1Char('"'), 1, 1);
    }
    return names;
}

QString displayProblem()
{
    const QStringList notFound = platformsQtCouldNot("find");
    if (std::any_of(notFound.cbegin(), notFound.cend(), [](const QString &name) {
            return name == QLatin1String("wayland") || name.startsWith(QLatin1String("wayland-"));
        })) {
        QString problem = QStringLiteral(
            "Qt's Wayland plugin is not installed (install the package qt6-wayland)");
        // Qt went on to the X display, which did not answer either.
        const QStringList xDisplay = displaySettings({"DISPLAY"});
        if (!xDisplay.isEmpty() && platformsQtCouldNot("load").contains(QLatin1String("xcb")))
            problem +=
                QStringLiteral("; cannot connect to a display (%1)").arg(xDisplay.constFirst());
        return problem;
    }

    QString platform = requestedPlatform;
    if (platform.isEmpty())
        platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (!platform.isEmpty())
        return QStringLiteral("cannot start the display platform \"%1\"").arg(platform);

    QStringList settings = displaySettings({"DISPLAY", "WAYLAND_DISPLAY"});
    if (settings.isEmpty())
        settings << QStringLiteral("DISPLAY is not set");
    return QStringLiteral("cannot connect to a display (%1)").arg(settings.join(QStringLiteral(", ")));
}

void holdOrEnd(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        const std::lock_guard<std::mutex> lock(heldMutex);
        print(stderr, QStringLiteral("%1: %2\n").arg(QLatin1String(programName), displayProblem()));
        // Half a QApplication exists: nothing may be destroyed.
        std::_Exit(1);
    }
    const std::lock_guard<std::mutex> lock(heldMutex);
    held.append({type, context.file, context.line, context.function, context.category, text});
}

} // namespace

namespace CommandLine {

std::optional<int> answer(int argc, char *argv[])
{
    if (argc < 2)
        return std::nullopt;

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    // Qt's own options are words after a single dash.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Orvane (أورفان): a reference on the chemical elements, in Arabic.\n"
        "Lists the elements, searches them by name or symbol and shows each one's data card.\n"
        "Qt's own options, such as -style and -platform, are accepted too."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the program's version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    addQtOptions(parser);

    QString error;
    if (!parser.parse(arguments))
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error = QStringLiteral("Unexpected argument '%1': the program opens no files.")
                    .arg(parser.positionalArguments().constFirst());
    if (!error.isEmpty()) {
        print(stderr, QStringLiteral("%1: %2 Try '%1 --help'.\n")
                          .arg(QLatin1String(programName), error));
        return 2;
    }
    if (parser.isSet(help)) {
        // The usage line names the program from the application's arguments.
        QCoreApplication application(argc, argv);
        print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("%1 %2\n").arg(QLatin1String(programName),
                                                    QStringLiteral(ORVANE_VERSION)));
        return 0;
    }
    requestedPlatform = parser.value(QStringLiteral("platform"));
    return std::nullopt;
}

void beginPlatformStart()
{
    previousHandler = qInstallMessageHandler(holdOrEnd);
}

void endPlatformStart()
{
    qInstallMessageHandler(previousHandler);
    const std::lock_guard<std::mutex> lock(heldMutex);
    for (const HeldMessage &message : std::as_const(held)) {
        const QMessageLogContext context(message.file, message.line, message.function,
                                         message.category);
        qt_message_output(message.type, context, message.text);
    }
    held.clear();
}

} // namespace CommandLine
