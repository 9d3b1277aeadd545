// Choosing the program folder and finding installed files.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include "common/tests/support/temporary_program_folder.h"
#include "common/ui/program_folder.h"

using namespace coinwell;

namespace {

std::filesystem::path currentFolder() {
    return std::filesystem::current_path();
}

void touch(const QString& path, const QByteArray& content = {}) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

}  // namespace

class ProgramFolderTest : public QObject {
    Q_OBJECT

  private slots:
    void dataDirArgumentWins();
    void executableFolderHoldingTheSuitesSettings();
    void personalDataFolderOtherwise();
    void installationFilesProgramFolderFirst();
};

void ProgramFolderTest::dataDirArgumentWins() {
    TemporaryProgramFolder scratch;
    const QString wanted = scratch.qPath() + "/a/b";
    const auto chosen = chooseProgramFolder({"coinwell", "--data-dir", wanted});
    QCOMPARE(QString::fromStdString(chosen.string()), wanted);
    QVERIFY(QDir(wanted).exists());
    QCOMPARE(currentFolder(), chosen);
    QCOMPARE(programFolder(), chosen);

    const auto other = chooseProgramFolder({"coinwell", "--data-dir=" + scratch.qPath()});
    QCOMPARE(currentFolder(), scratch.path());
    QCOMPARE(other, scratch.path());
    std::filesystem::current_path("/");
    restoreProgramFolder();
    QCOMPARE(currentFolder(), scratch.path());
}

void ProgramFolderTest::executableFolderHoldingTheSuitesSettings() {
    TemporaryProgramFolder scratch;
    const QString executableFolder = QCoreApplication::applicationDirPath();
    const QString marker = executableFolder + "/HINVNAME.FIL";
    const bool existed = QFile::exists(marker);
    if (!existed) {
        touch(marker);
    }
    const auto chosen = chooseProgramFolder({"coinwell"});
    if (!existed) {
        QFile::remove(marker);
    }
    QCOMPARE(QString::fromStdString(chosen.string()), QDir(executableFolder).absolutePath());
    QCOMPARE(currentFolder(), chosen);
}

void ProgramFolderTest::personalDataFolderOtherwise() {
    TemporaryProgramFolder scratch;
    const QString executableFolder = QCoreApplication::applicationDirPath();
    for (const char* name : kSuiteSettingsFiles) {
        if (QFile::exists(executableFolder + "/" + name)) {
            QSKIP("the build folder holds suite settings files");
        }
    }
    const QByteArray previous = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", scratch.qPath().toUtf8() + "/data");
    const auto chosen = chooseProgramFolder({"coinwell"});
    if (previous.isEmpty()) {
        qunsetenv("XDG_DATA_HOME");
    } else {
        qputenv("XDG_DATA_HOME", previous);
    }
    QCOMPARE(QString::fromStdString(chosen.string()), scratch.qPath() + "/data/Coinwell");
    QVERIFY(QDir(scratch.qPath() + "/data/Coinwell").exists());
    QCOMPARE(currentFolder(), chosen);
}

void ProgramFolderTest::installationFilesProgramFolderFirst() {
    TemporaryProgramFolder scratch;
    QDir(scratch.qPath()).mkpath("program");
    QDir(scratch.qPath()).mkpath("share");
    chooseProgramFolder({"coinwell", "--data-dir", scratch.qPath() + "/program"});
    const QByteArray previous = qgetenv("COINWELL_SHARE_DIR");
    qputenv("COINWELL_SHARE_DIR", scratch.qPath().toUtf8() + "/share");
    touch(scratch.qPath() + "/share/WP3.jpg");
    touch(scratch.qPath() + "/share/WP4.jpg");
    touch(scratch.qPath() + "/program/WP4.jpg");
    const QString shared = findInstallationFile("WP3.jpg");
    const QString own = findInstallationFile("WP4.jpg");
    const QString missing = findInstallationFile("WP99.jpg");
    qputenv("COINWELL_SHARE_DIR", previous);
    QCOMPARE(shared, scratch.qPath() + "/share/WP3.jpg");
    QCOMPARE(own, scratch.qPath() + "/program/WP4.jpg");
    QCOMPARE(missing, QString());
}

QTEST_MAIN(ProgramFolderTest)
#include "program_folder_qtest.moc"
