// The backup and restore operations from the confirmation to the last status caption: which
// questions come in which order, what the status panel shows, and what reaches the disk.

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "backup/core/backup_procedures.h"
#include "backup/core/backup_texts.h"
#include "common/core/safe_write.h"
#include "common/tests/support/temporary_program_folder.h"

namespace coinwell::backup {
namespace {

const std::string kYear = "\"Rent\"\r\n\"850.00\"\r\n";

// Answers the queued messages in order and records what the dialog was told to do.
class RecordingDialogs : public Dialogs {
  public:
    void answer(Answer next) { answers_.push_back(next); }

    Answer message(const MessageRequest& request) override {
        titles.push_back(request.title);
        requests.push_back(request);
        if (onMessage) {
            onMessage(request);
        }
        if (busy) {
            ++questionsWhileBusy;
        }
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected message: " << request.text;
            return Answer::Cancel;
        }
        const Answer next = answers_.front();
        answers_.pop_front();
        return next;
    }
    std::string input(const InputRequest&) override { return {}; }
    std::optional<ColorNumber> chooseColor(ColorNumber) override { return std::nullopt; }
    std::optional<FontChoice> chooseFont(const FontChoice&) override { return std::nullopt; }
    void setClipboardText(const std::string&) override {}
    void beginBusy() override { busy = true; }
    void endBusy() override { busy = false; }
    void processEvents() override {}

    bool allAnswered() const { return answers_.empty(); }

    std::function<void(const MessageRequest&)> onMessage;
    std::vector<std::string> titles;
    std::vector<MessageRequest> requests;
    bool busy = false;
    int questionsWhileBusy = 0;

  private:
    std::deque<Answer> answers_;
};

// The status panel's captions in order ("shown:" when it was made visible) and the animations.
class RecordingDisplay : public BackupDisplay {
  public:
    void showStatus(const std::string& caption) override {
        statusShown = true;
        captions.push_back("shown:" + caption);
    }
    void setStatusCaption(const std::string& caption) override { captions.push_back(caption); }
    void runProgressAnimation() override { ++animations; }
    void hideProgress() override { ++progressHidden; }

    bool statusShown = false;
    std::vector<std::string> captions;
    int animations = 0;
    int progressHidden = 0;
};

// A clock whose seconds move on at every look.
class SteppingClock : public SecondsClock {
  public:
    int secondsField() override { return (looks++) % 60; }
    void sleepFor(std::chrono::milliseconds) override {}
    int looks = 0;
};

class BackupProceduresTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        std::filesystem::create_directory(folder.filePath("stick"));
        job = {2011,
               folder.filePath("2011.Fil"),
               folder.filePath("stick/2011.Bup"),
               folder.filePath("stick").string(),
               {}};
    }
    void TearDown() override {
        setSafeWriteFailureHook({});
        EXPECT_TRUE(dialogs.allAnswered());
        EXPECT_EQ(dialogs.questionsWhileBusy, 0);
        EXPECT_FALSE(dialogs.busy) << "the hourglass stays after the operation";
    }

    TemporaryProgramFolder folder;
    RecordingDialogs dialogs;
    RecordingDisplay display;
    SteppingClock clock;
    BackupJob job;
};

TEST_F(BackupProceduresTest, BackupConfirmedWritesTheBackupAndEndsComplete) {
    ASSERT_TRUE(folder.writeBytes("2011.Fil", kYear));
    dialogs.answer(Answer::Yes);
    EXPECT_EQ(makeBudgetBackup(dialogs, display, clock, job), BackupOutcome::Completed);
    EXPECT_EQ(dialogs.requests, std::vector<MessageRequest>{backupDeleteQuestion(job.shownPath)});
    EXPECT_EQ(folder.readBytes("stick/2011.Bup"), kYear);
    EXPECT_EQ(display.captions,
              (std::vector<std::string>{"shown:Deleting Old Files",
                                        "Making 2011 Budget Backup Disk #1", "Backup Complete"}));
    EXPECT_EQ(display.animations, 1);
    EXPECT_EQ(display.progressHidden, 1);
    EXPECT_GT(clock.looks, 1) << "a pause follows the backup";
}

TEST_F(BackupProceduresTest, NoOrCancelCopiesNothingAndLeavesTheStatusHidden) {
    ASSERT_TRUE(folder.writeBytes("2011.Fil", kYear));
    for (const Answer answer : {Answer::No, Answer::Cancel}) {
        dialogs.answer(answer);
        EXPECT_EQ(makeBudgetBackup(dialogs, display, clock, job), BackupOutcome::NotConfirmed);
    }
    EXPECT_FALSE(folder.exists("stick/2011.Bup"));
    EXPECT_FALSE(display.statusShown);
    EXPECT_TRUE(display.captions.empty());
    EXPECT_EQ(display.animations, 0);
    EXPECT_EQ(display.progressHidden, 2);
}

TEST_F(BackupProceduresTest, FullDiskAsksForAnotherDiskAndOkTriesAgain) {
    ASSERT_TRUE(folder.writeBytes("2011.Fil", kYear));
    ASSERT_TRUE(folder.writeBytes("stick/2011.Bup", "old backup"));
    int failuresLeft = 2;
    setSafeWriteFailureHook([&failuresLeft](SafeWriteStep step) {
        return step == SafeWriteStep::Write && failuresLeft-- > 0;
    });
    dialogs.answer(Answer::Yes);
    dialogs.answer(Answer::Ok);
    dialogs.answer(Answer::Ok);
    EXPECT_EQ(makeBudgetBackup(dialogs, display, clock, job), BackupOutcome::Completed);
    EXPECT_EQ(dialogs.titles,
              (std::vector<std::string>{"Delete Files", "Backup Disk", "Backup Disk"}));
    EXPECT_EQ(dialogs.requests[1], backupDiskMessage());
    EXPECT_EQ(folder.readBytes("stick/2011.Bup"), kYear);
    EXPECT_EQ(display.captions.back(), "Backup Complete");
}

TEST_F(BackupProceduresTest, CancelAfterAFailedCopyEndsTerminatedWithTheOldBackupWhole) {
    ASSERT_TRUE(folder.writeBytes("2011.Fil", kYear));
    ASSERT_TRUE(folder.writeBytes("stick/2011.Bup", "old backup"));
    setSafeWriteFailureHook([](SafeWriteStep step) { return step == SafeWriteStep::Write; });
    dialogs.answer(Answer::Yes);
    dialogs.answer(Answer::Cancel);
    dialogs.answer(Answer::Ok);
    EXPECT_EQ(makeBudgetBackup(dialogs, display, clock, job), BackupOutcome::Cancelled);
    EXPECT_EQ(dialogs.titles, (std::vector<std::string>{"Delete Files", "Backup Disk",
                                                        "Backup Proceedure Cancelation"}));
    EXPECT_EQ(dialogs.requests[2], backupCancelledMessage());
    EXPECT_EQ(display.captions, (std::vector<std::string>{"shown:Deleting Old Files", "",
                                                          "Backup Terminated by User"}));
    EXPECT_EQ(display.animations, 0);
    EXPECT_EQ(folder.readBytes("stick/2011.Bup"), "old backup");
}

TEST_F(BackupProceduresTest, MissingYearFileIsAFailedCopy) {
    dialogs.answer(Answer::Yes);
    dialogs.answer(Answer::Cancel);
    dialogs.answer(Answer::Ok);
    EXPECT_EQ(makeBudgetBackup(dialogs, display, clock, job), BackupOutcome::Cancelled);
    EXPECT_EQ(dialogs.titles[1], "Backup Disk");
    EXPECT_FALSE(folder.exists("stick/2011.Bup"));
}

TEST_F(BackupProceduresTest, RestoreConfirmedReplacesTheYearFile) {
    ASSERT_TRUE(folder.writeBytes("2011.Fil", "\"Changed\"\r\n"));
    ASSERT_TRUE(folder.writeBytes("stick/2011.Bup", kYear));
    dialogs.answer(Answer::Yes);
    EXPECT_EQ(restoreBudgetYear(dialogs, display, job), BackupOutcome::Completed);
    EXPECT_EQ(dialogs.requests, std::vector<MessageRequest>{restoreDeleteQuestion(2011)});
    EXPECT_EQ(folder.readBytes("2011.Fil"), kYear);
    EXPECT_EQ(display.captions, (std::vector<std::string>{"shown:Restoring 2011 Budget File",
                                                          "Restoration Completed"}));
    EXPECT_EQ(display.animations, 1);
}

TEST_F(BackupProceduresTest, RestoreWithoutABackupReportsDiskErrorAndAsksAgain) {
    ASSERT_TRUE(folder.writeBytes("2011.Fil", "\"Mine\"\r\n"));
    dialogs.answer(Answer::Yes);
    dialogs.answer(Answer::Ok);
    dialogs.answer(Answer::Yes);
    dialogs.answer(Answer::Ok);
    dialogs.answer(Answer::No);
    EXPECT_EQ(restoreBudgetYear(dialogs, display, job), BackupOutcome::NotConfirmed);
    EXPECT_EQ(dialogs.titles,
              (std::vector<std::string>{"Delete Files", "Disk Error", "Delete Files", "Disk Error",
                                        "Delete Files"}));
    EXPECT_EQ(dialogs.requests[1], diskErrorMessage());
    EXPECT_EQ(folder.readBytes("2011.Fil"), "\"Mine\"\r\n");
    EXPECT_EQ(display.captions.back(), "");
    EXPECT_EQ(display.animations, 0);
}

TEST_F(BackupProceduresTest, RestoreNoOrCancelDoesNothing) {
    ASSERT_TRUE(folder.writeBytes("2011.Fil", "\"Mine\"\r\n"));
    ASSERT_TRUE(folder.writeBytes("stick/2011.Bup", kYear));
    dialogs.answer(Answer::No);
    EXPECT_EQ(restoreBudgetYear(dialogs, display, job), BackupOutcome::NotConfirmed);
    dialogs.answer(Answer::Cancel);
    EXPECT_EQ(restoreBudgetYear(dialogs, display, job), BackupOutcome::NotConfirmed);
    EXPECT_EQ(folder.readBytes("2011.Fil"), "\"Mine\"\r\n");
    EXPECT_FALSE(display.statusShown);
}

TEST_F(BackupProceduresTest, GarbageBackupIsRefusedAndTheRightDiskThenRestores) {
    ASSERT_TRUE(folder.writeBytes("2011.Fil", "\"Mine\"\r\n"));
    ASSERT_TRUE(folder.writeBytes("stick/2011.Bup", std::string("\0\0\0\0", 4)));
    // While the error is shown the user puts in the disk with the real backup.
    dialogs.onMessage = [this](const MessageRequest& request) {
        if (request.title == "Disk Error") {
            ASSERT_EQ(folder.readBytes("2011.Fil"), "\"Mine\"\r\n");
            folder.writeBytes("stick/2011.Bup", kYear);
        }
    };
    dialogs.answer(Answer::Yes);
    dialogs.answer(Answer::Ok);
    dialogs.answer(Answer::Yes);
    EXPECT_EQ(restoreBudgetYear(dialogs, display, job), BackupOutcome::Completed);
    EXPECT_EQ(dialogs.titles,
              (std::vector<std::string>{"Delete Files", "Disk Error", "Delete Files"}));
    EXPECT_EQ(folder.readBytes("2011.Fil"), kYear);
    EXPECT_EQ(display.captions.back(), "Restoration Completed");
}

}  // namespace
}  // namespace coinwell::backup
