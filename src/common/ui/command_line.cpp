#include "common/ui/command_line.h"

#include <cstdio>

#include <QCommandLineParser>
#include <QFileInfo>

namespace coinwell {

namespace {

const QString kDataDir = QStringLiteral("data-dir");
const QString kVersion = QStringLiteral("version");
const QString kHelp = QStringLiteral("help");

// The options QGuiApplication, QApplication and the X11 platform read themselves. They are
// accepted here, hidden from the help, so that "-platform offscreen" or "-style fusion" still
// reach Qt; the second list takes a value.
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "nograb",
                                    "dograb",  "testability", "sync"};
constexpr const char* kQtValueOptions[] = {"platform",
                                           "platformpluginpath",
                                           "platformtheme",
                                           "plugin",
                                           "qwindowgeometry",
                                           "qwindowicon",
                                           "qwindowtitle",
                                           "session",
                                           "style",
                                           "stylesheet",
                                           "qmljsdebugger",
                                           "display",
                                           "geometry",
                                           "title",
                                           "icon",
                                           "name",
                                           "visual"};

void addQtOptions(QCommandLineParser& parser) {
    for (const char* name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

QString programName(const QStringList& arguments) {
    const QString name = arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).fileName();
    return name.isEmpty() ? QStringLiteral("coinwell") : name;
}

// Qt's help text names the program only when an application object exists: name it here.
QString helpText(const QCommandLineParser& parser, const QString& program) {
    const QString text = parser.helpText();
    return QStringLiteral("Usage: %1 [options]").arg(program) + text.mid(text.indexOf(u'\n'));
}

CommandLine answer(int exitStatus, const QString& output, const QString& error = {}) {
    CommandLine commandLine;
    commandLine.startProgram = false;
    commandLine.exitStatus = exitStatus;
    commandLine.standardOutput = output;
    commandLine.standardError = error;
    return commandLine;
}

CommandLine usageError(const QString& program, const QString& problem) {
    return answer(
        kExitUsageError, {},
        QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(program, problem));
}

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments, const QString& version) {
    QCommandLineParser parser;
    // Qt's options are single words after one dash: "-platform" is not -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Household finance: loan, budget, actuarial, home and scientific calculators."));
    parser.addOption(QCommandLineOption(
        kDataDir,
        QStringLiteral("Keeps the settings and budget files in DIR, made when missing, instead "
                       "of ~/.local/share/Coinwell."),
        QStringLiteral("DIR")));
    parser.addOption(
        QCommandLineOption({QStringLiteral("v"), kVersion}, QStringLiteral("Shows the version.")));
    parser.addOption(
        QCommandLineOption({QStringLiteral("h"), kHelp}, QStringLiteral("Shows this help.")));
    addQtOptions(parser);

    const QString program = programName(arguments);
    if (!parser.parse(arguments)) {
        return usageError(program, parser.errorText());
    }
    if (parser.isSet(kHelp)) {
        return answer(kExitSuccess, helpText(parser, program));
    }
    if (parser.isSet(kVersion)) {
        return answer(kExitSuccess, QStringLiteral("Coinwell %1\n").arg(version));
    }
    if (!parser.positionalArguments().isEmpty()) {
        return usageError(
            program,
            QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first()));
    }
    CommandLine commandLine;
    if (parser.isSet(kDataDir)) {
        commandLine.dataDir = parser.value(kDataDir);
        if (commandLine.dataDir.isEmpty()) {
            return usageError(program, QStringLiteral("Missing value after '--data-dir'."));
        }
    }
    return commandLine;
}

QStringList commandLineArguments(int argc, const char* const* argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}

int answerOnTerminal(const CommandLine& commandLine) {
    std::fputs(commandLine.standardOutput.toLocal8Bit().constData(), stdout);
    std::fputs(commandLine.standardError.toLocal8Bit().constData(), stderr);
    std::fflush(stdout);
    return commandLine.exitStatus;
}

}  // namespace coinwell
