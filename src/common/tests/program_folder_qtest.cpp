// Choosing the program folder and finding installed files.

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    void unusableFolderIsNamedWithItsReasonAndNothingIsWritten();
    void installationFilesProgramFolderFirst();
    void installationFilesBesideTheExecutableInABuildTree();
};

void ProgramFolderTest::dataDirArgumentWins() {
    TemporaryProgramFolder scratch;
    const QString wanted = scratch.qPath() + "/a/b";
    const auto chosen = chooseProgramFolder({"coinwell", "--data-dir", wanted}).folder;
    QCOMPARE(QString::fromStdString(chosen.string()), wanted);
    QVERIFY(QDir(wanted).exists());
    QCOMPARE(currentFolder(), chosen);
    QCOMPARE(programFolder(), chosen);

    const auto other = chooseProgramFolder({"coinwell", "--data-dir=" + scratch.qPath()}).folder;
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
    const auto chosen = chooseProgramFolder({"coinwell"}).folder;
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
    const auto chosen = chooseProgramFolder({"coinwell"}).folder;
    if (previous.isEmpty()) {
        qunsetenv("XDG_DATA_HOME");
    } else {
        qputenv("XDG_DATA_HOME", previous);
    }
    QCOMPARE(QString::fromStdString(chosen.string()), scratch.qPath() + "/data/Coinwell");
    QVERIFY(QDir(scratch.qPath() + "/data/Coinwell").exists());
    QCOMPARE(currentFolder(), chosen);
}

void ProgramFolderTest::unusableFolderIsNamedWithItsReasonAndNothingIsWritten() {
    TemporaryProgramFolder scratch;
    const QString file = scratch.qPath() + "/plain-file";
    touch(file, "x");
    const QString startedIn = scratch.qPath() + "/started-in";
    QVERIFY(QDir().mkpath(startedIn));
    QVERIFY(QDir::setCurrent(startedIn));
    const auto nothingWritten = [&] {
        QCOMPARE(QDir(startedIn).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
        QCOMPARE(QDir(scratch.qPath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList({"plain-file", "started-in"}));
        QCOMPARE(QDir::currentPath(), startedIn);
    };

    // --data-dir naming a file.
    ProgramFolderChoice choice = chooseProgramFolder({"coinwell", "--data-dir", file});
    QVERIFY(!choice.usable());
    QCOMPARE(QString::fromStdString(choice.folder.string()), file);
    QCOMPARE(choice.problem, std::string("It is a file, not a folder"));
    const MessageRequest message = unusableProgramFolderMessage(choice);
    QCOMPARE(message.text, "Coinwell cannot keep its settings and budget files in the folder\r" +
                               file.toStdString() +
                               "\rIt is a file, not a folder.\r\rStart Coinwell with --data-dir "
                               "and a folder it can use.");
    QCOMPARE(message.title, std::string("Coinwell"));
    QCOMPARE(message.icon, MessageIcon::Critical);
    QCOMPARE(message.buttons, MessageButtons::Ok);
    nothingWritten();

    // A missing folder whose parent cannot be made.
    choice = chooseProgramFolder({"coinwell", "--data-dir=" + file + "/budget"});
    QVERIFY(!choice.usable());
    QCOMPARE(choice.problem, std::string("It could not be created: Not a directory"));
    nothingWritten();

    // The personal data folder cannot be made.
    const QByteArray previous = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", file.toUtf8() + "/data");
    choice = chooseProgramFolder({"coinwell"});
    if (previous.isEmpty()) {
        qunsetenv("XDG_DATA_HOME");
    } else {
        qputenv("XDG_DATA_HOME", previous);
    }
    QVERIFY(!choice.usable());
    QCOMPARE(QString::fromStdString(choice.folder.string()), file + "/data/Coinwell");
    QVERIFY(choice.problem.starts_with("It could not be created: "));
    nothingWritten();

    // A folder that cannot be entered (permissions do not stop root).
    if (::geteuid() != 0) {
        const QString locked = scratch.qPath() + "/locked";
        QVERIFY(QDir().mkpath(locked));
        QFile::setPermissions(locked, QFileDevice::ReadOwner);
        choice = chooseProgramFolder({"coinwell", "--data-dir", locked});
        QFile::setPermissions(
            locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(!choice.usable());
        QVERIFY(choice.problem.starts_with("It cannot be opened: "));
        QCOMPARE(QDir::currentPath(), startedIn);
    }
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

void ProgramFolderTest::installationFilesBesideTheExecutableInABuildTree() {
    // Run straight from the build tree, without COINWELL_SHARE_DIR, the program still finds the
    // data the build assembled (the tests are told where it is; the program is not).
    const QString built = qEnvironmentVariable("COINWELL_SHARE_DIR");
    if (built.isEmpty() || !QFileInfo(built + "/help/index.html").isFile()) {
        QSKIP("run through ctest, which names the build tree's data folder");
    }
    TemporaryProgramFolder scratch;
    chooseProgramFolder({"coinwell", "--data-dir", scratch.qPath()});
    qunsetenv("COINWELL_SHARE_DIR");
    const QString help = findInstallationFile("help/index.html");
    const QString wallpaper = findInstallationFile("WP16.jpg");
    const QStringList folders = installationFolders();
    qputenv("COINWELL_SHARE_DIR", built.toLocal8Bit());
    const QString expected = QFileInfo(built).canonicalFilePath();
    QCOMPARE(QFileInfo(help).canonicalFilePath(), expected + "/help/index.html");
    QCOMPARE(QFileInfo(wallpaper).canonicalFilePath(), expected + "/WP16.jpg");
    QCOMPARE(folders.first(), scratch.qPath());

    // COINWELL_SHARE_DIR, once set, is the only share folder looked in.
    QCOMPARE(installationFolders(), QStringList({scratch.qPath(), built}));
}

QTEST_MAIN(ProgramFolderTest)
#include "program_folder_qtest.moc"
