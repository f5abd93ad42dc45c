#include "layout/dialog_rect.h"

#include <gtest/gtest.h>

#include <limits>

namespace dvk {
namespace {

constexpr WorkArea screen{0, 0, 1280, 1000};

TEST(DialogRect, storedRectanglesAreKeptMovedOrCutOntoTheWorkArea) {
    constexpr std::int32_t big = std::numeric_limits<std::int32_t>::max();
    struct Row {
        const char* name;
        WindowRect stored;
        WindowRect placed;
    };
    const Row rows[] = {
        {"inside", {100, 50, 400, 300}, {100, 50, 400, 300}},
        {"at the origin", {0, 0, 400, 300}, {0, 0, 400, 300}},
        {"sticking out right and bottom", {1100, 900, 400, 300}, {880, 700, 400, 300}},
        {"sticking out left and top", {-150, -20, 400, 300}, {0, 0, 400, 300}},
        {"on a screen that is gone", {3000, 2000, 400, 300}, {880, 700, 400, 300}},
        {"larger than the screen", {-10, 40, 2000, 1500}, {0, 0, 1280, 1000}},
        {"corner far beyond any screen", {big, big, 400, 300}, {880, 700, 400, 300}},
        {"size that would overflow", {100, 100, big, big}, {0, 0, 1280, 1000}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(restored_dialog_rect(row.stored, screen), row.placed) << row.name;
    }
}

TEST(DialogRect, rectanglesWithoutAPositiveSizeAreIgnored) {
    for (const WindowRect stored :
         {WindowRect{}, WindowRect{10, 10, 0, 300}, WindowRect{10, 10, 300, 0},
          WindowRect{10, 10, -5, 300}, WindowRect{10, 10, 300, -1}, WindowRect{0, 0, 0, 0}}) {
        EXPECT_EQ(restored_dialog_rect(stored, screen), std::nullopt)
            << stored.width << "x" << stored.height;
    }
}

TEST(DialogRect, workAreaAwayFromTheOriginIsHonoured) {
    const WorkArea shifted{1280, 30, 2560, 1024};
    EXPECT_EQ(restored_dialog_rect({100, 0, 400, 300}, shifted), (WindowRect{1280, 30, 400, 300}));
    EXPECT_EQ(restored_dialog_rect({2400, 900, 400, 300}, shifted),
              (WindowRect{2160, 724, 400, 300}));
}

} // namespace
} // namespace dvk
