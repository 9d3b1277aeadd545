// The built program answers --help, --version and mistakes on a terminal with no display.

#include <QProcess>
#include <QTest>

namespace {

struct Run {
    int exitStatus = -1;
    QString output;
    QString error;
};

Run runProgram(const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(COINWELL_PROGRAM), arguments);
    Run run;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitStatus = process.exitCode();
    run.output = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.error = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

}  // namespace

class ProgramCommandLineTest : public QObject {
    Q_OBJECT

  private slots:
    void helpAndVersionOnStandardOutput();
    void mistakesOnStandardErrorWithStatusTwo();
};

void ProgramCommandLineTest::helpAndVersionOnStandardOutput() {
    const Run help = runProgram({QStringLiteral("--help")});
    QCOMPARE(help.exitStatus, 0);
    QVERIFY2(help.output.startsWith("Usage: coinwell [options]\n"), qPrintable(help.output));
    QVERIFY(help.output.contains("--data-dir <DIR>"));
    QCOMPARE(help.error, QString());

    const Run version = runProgram({QStringLiteral("--version")});
    QCOMPARE(version.exitStatus, 0);
    QCOMPARE(version.output, QStringLiteral("Coinwell " COINWELL_VERSION "\n"));
    QCOMPARE(version.error, QString());
}

void ProgramCommandLineTest::mistakesOnStandardErrorWithStatusTwo() {
    const Run unknown = runProgram({QStringLiteral("--bogus")});
    QCOMPARE(unknown.exitStatus, 2);
    QCOMPARE(unknown.output, QString());
    QCOMPARE(unknown.error, QStringLiteral("coinwell: Unknown option 'bogus'.\n"
                                           "Try 'coinwell --help' for more information.\n"));

    const Run missingFolder = runProgram({QStringLiteral("--data-dir")});
    QCOMPARE(missingFolder.exitStatus, 2);
    QVERIFY2(missingFolder.error.startsWith("coinwell: Missing value after '--data-dir'.\n"),
             qPrintable(missingFolder.error));
}

QTEST_GUILESS_MAIN(ProgramCommandLineTest)
#include "command_line_qtest.moc"
