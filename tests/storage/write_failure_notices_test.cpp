#include "storage/write_failure_notices.h"

#include <gtest/gtest.h>

namespace dvk {
namespace {

using Kind = WriteNotice::Kind;

TEST(WriteFailureNotices, tellsTheFirstFailureEachNewReasonAndTheRecovery) {
    WriteFailureNotices notices;
    const auto ok = FileStatus::success();
    const auto full = FileStatus::failure("No space left on device");
    const auto denied = FileStatus::failure("Permission denied");
    const std::string path = "/games/dvk.tmp";

    EXPECT_FALSE(notices.record(WriteTarget::Recovery, path, ok));
    const auto first = notices.record(WriteTarget::Recovery, path, full);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->kind, Kind::Failed);
    EXPECT_EQ(first->reason, "No space left on device");
    EXPECT_EQ(first->path, path);
    EXPECT_FALSE(notices.record(WriteTarget::Recovery, path, full)) << "same reason: told once";
    EXPECT_TRUE(notices.failing(WriteTarget::Recovery));
    const auto other = notices.record(WriteTarget::Recovery, path, denied);
    ASSERT_TRUE(other);
    EXPECT_EQ(other->reason, "Permission denied");
    const auto back = notices.record(WriteTarget::Recovery, path, ok);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->kind, Kind::Succeeded);
    EXPECT_FALSE(notices.record(WriteTarget::Recovery, path, ok));
    EXPECT_TRUE(notices.record(WriteTarget::Recovery, path, full)) << "a new run of failures";
}

TEST(WriteFailureNotices, targetsAreTrackedApartAndForgettingTellsTheSameReasonAgain) {
    WriteFailureNotices notices;
    const auto full = FileStatus::failure("No space left on device");
    EXPECT_TRUE(notices.record(WriteTarget::AutoSave, "a.csv", full));
    EXPECT_TRUE(notices.record(WriteTarget::Settings, "dvk.ini", full));
    EXPECT_FALSE(notices.record(WriteTarget::AutoSave, "b.csv", full));
    notices.forget(WriteTarget::AutoSave);
    EXPECT_TRUE(notices.record(WriteTarget::AutoSave, "b.csv", full));
    EXPECT_FALSE(notices.record(WriteTarget::Settings, "dvk.ini", full));
}

} // namespace
} // namespace dvk
