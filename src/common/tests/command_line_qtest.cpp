// Reading the command line: what starts the program, what is answered, and Qt's own options.

#include <QTest>

#include "common/ui/command_line.h"

using namespace coinwell;

class CommandLineTest : public QObject {
    Q_OBJECT

  private slots:
    void dataDirStartsTheProgramThere();
    void qtOptionsAreLeftToQt();
    void helpListsTheProgramsOptionsOnly();
    void versionNamesTheGivenVersion();
    void mistakesAreNamedWithTheHelpHint_data();
    void mistakesAreNamedWithTheHelpHint();
};

void CommandLineTest::dataDirStartsTheProgramThere() {
    CommandLine line = parseCommandLine({"coinwell"}, "6.0");
    QVERIFY(line.startProgram);
    QCOMPARE(line.dataDir, QString());

    line = parseCommandLine({"coinwell", "--data-dir", "/tmp/my budget"}, "6.0");
    QVERIFY(line.startProgram);
    QCOMPARE(line.dataDir, "/tmp/my budget");

    line = parseCommandLine({"coinwell", "--data-dir=/tmp/b"}, "6.0");
    QVERIFY(line.startProgram);
    QCOMPARE(line.dataDir, "/tmp/b");
}

void CommandLineTest::qtOptionsAreLeftToQt() {
    const CommandLine line =
        parseCommandLine({"coinwell", "-platform", "offscreen", "-style=fusion", "--qwindowtitle",
                          "Budget", "-reverse", "-display", ":1", "--data-dir", "/tmp/b"},
                         "6.0");
    QVERIFY(line.startProgram);
    QCOMPARE(line.dataDir, "/tmp/b");
}

void CommandLineTest::helpListsTheProgramsOptionsOnly() {
    for (const char* option : {"--help", "-h"}) {
        const CommandLine line =
            parseCommandLine({"/usr/bin/coinwell", "-platform", "xcb", option}, "6.0");
        QVERIFY(!line.startProgram);
        QCOMPARE(line.exitStatus, kExitSuccess);
        QCOMPARE(line.standardError, QString());
        QCOMPARE(line.standardOutput,
                 "Usage: coinwell [options]\n"
                 "Household finance: loan, budget, actuarial, home and scientific calculators.\n"
                 "\n"
                 "Options:\n"
                 "  --data-dir <DIR>  Keeps the settings and budget files in DIR, made when\n"
                 "                    missing, instead of ~/.local/share/Coinwell.\n"
                 "  -v, --version     Shows the version.\n"
                 "  -h, --help        Shows this help.\n");
    }
}

void CommandLineTest::versionNamesTheGivenVersion() {
    for (const char* option : {"--version", "-v"}) {
        const CommandLine line = parseCommandLine({"coinwell", option}, "7.25");
        QVERIFY(!line.startProgram);
        QCOMPARE(line.exitStatus, kExitSuccess);
        QCOMPARE(line.standardOutput, "Coinwell 7.25\n");
        QCOMPARE(line.standardError, QString());
    }
}

void CommandLineTest::mistakesAreNamedWithTheHelpHint_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("problem");
    QTest::newRow("unknown option")
        << QStringList{"coinwell", "--colour", "red"} << "Unknown option 'colour'.";
    QTest::newRow("folder missing")
        << QStringList{"coinwell", "--data-dir"} << "Missing value after '--data-dir'.";
    QTest::newRow("folder empty") << QStringList{"coinwell", "--data-dir="}
                                  << "Missing value after '--data-dir'.";
    QTest::newRow("Qt option without its value")
        << QStringList{"coinwell", "-platform"} << "Missing value after '-platform'.";
    QTest::newRow("argument without option")
        << QStringList{"coinwell", "budget.fil"} << "Unexpected argument 'budget.fil'.";
}

void CommandLineTest::mistakesAreNamedWithTheHelpHint() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, problem);
    const CommandLine line = parseCommandLine(arguments, "6.0");
    QVERIFY(!line.startProgram);
    QCOMPARE(line.exitStatus, kExitUsageError);
    QCOMPARE(line.standardOutput, QString());
    QCOMPARE(line.standardError,
             "coinwell: " + problem + "\nTry 'coinwell --help' for more information.\n");
}

QTEST_APPLESS_MAIN(CommandLineTest)
#include "command_line_qtest.moc"
